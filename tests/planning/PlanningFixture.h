#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

class TestInstallation;

// Expected lines of the planning file, composed from the court's layout independently of the
// generators: blanks on the right of texts, zeros on the left of numbers.
namespace Layout {

QString text(const QString& value, int width);
QString zeros(const QString& value, int width);
QString blanks(int width);
// A line of the planning file: its fixed part, its number and CR LF, as Windows-1252 bytes.
QByteArray line(const QString& fixedPart, int number);
QByteArray placeholder(const QString& recordType, int number);
// An error-log line with CR LF.
QByteArray logLine(const QString& recordType, int sequence, int code, const QString& table,
                   const QString& field);

// The record type and line number of every line of a planning file, "20/7".
QStringList typesAndNumbers(const QByteArray& file);

}  // namespace Layout

// A municipality with every planning record type: two entities and organs, two units, two
// programs with three actions, elements with several sources, revenue of two organs. The
// municipality parameter file is seeded from CADCLI and completed as the operator would.
namespace PlanningFixture {

void insertAll(TestInstallation& inst);
// The entities, the client row and both parameter files only.
void insertMunicipality(TestInstallation& inst);
// Sets the given columns of the municipality file's first row.
void setMunic(TestInstallation& inst, const QStringList& columnsAndValues);

// The whole file insertAll() gives, with `today` as the generation date of record "01".
QByteArray expectedFile(const QDate& today);
// Its error log.
QByteArray expectedLog();

}  // namespace PlanningFixture
