#pragma once

#include <QString>
#include <optional>

// Which error log belongs to a line of the generated-file list, recognised by its caption (the
// file name, compared exactly) with the month and year of the last run.
namespace LogNames {

struct Match {
    QString nomeLog;        // the log's base name: "PPALOA2009", "IDE", "BC_RECMMAA"...
    bool planning = false;  // the planning file, whose records are numbered by line
};

std::optional<Match> forCaption(const QString& caption, const QString& Mes,
                                const QString& Exercicio);

// "log_erro_" + NomeLog + ".dat", as the run writes it.
QString logFileName(const QString& nomeLog);

}  // namespace LogNames
