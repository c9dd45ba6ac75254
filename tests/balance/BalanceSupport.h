#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "settings/DbRow.h"

class RunFixture;

// One line of a file's error log as the court's layout gives it.
struct LogLine {
    QString record;
    int sequence;
    int code;
    QString table;
    QString field;
};

// The bytes of an error log holding these lines, each with CR LF; no lines gives empty bytes.
QByteArray logBytes(const std::vector<LogLine>& lines);
// The bytes of the log "log_erro_" + name + ".dat" in the output folder; empty when it is absent.
QByteArray readLog(const RunFixture& f, const QString& logName);
// Text as the files carry it: one byte per character, Latin-1 being Windows-1252 for the
// characters these tests use.
QByteArray bytes(const QString& text);
// n blanks; the text cut or padded with blanks to w; a record sequence of six digits.
QString blanks(int n);
QString fit(const QString& s, int w);
QString seq(int n);
// The same row with one field replaced.
DbRow withValue(const DbRow& row, const QString& name, const DbValue& value);
