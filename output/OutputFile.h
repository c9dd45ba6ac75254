#pragma once

#include <QFile>
#include <QString>
#include <memory>

#include "output/Clock.h"
#include "output/Decimal.h"
#include "output/RunObserver.h"

// The current output file of a run: its list line, its records and its error log. One file is
// open at a time. Input/output failures throw EnvironmentError and end the run.
class OutputFile {
public:
    OutputFile(RunObserver& observer, const Clock& clock);
    ~OutputFile();

    // The output folder, with its final separator; every path is this folder + a name.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

    // Opens base name + ".TXT" with the log name base name.
    void CRIAR_ARQ(const QString& baseName);
    // Opens a file whose generator names it itself: zeroes QtdErros, deletes the old log and the
    // old file, adds the list line (hourglass), lets window events through, creates the file.
    void open(const QString& fileName, const QString& logName);
    // Writes one record and CR LF, and flushes.
    void writeRecord(const QString& record);
    // Writes text without a line end (a trailer that closes a file without one).
    void writeText(const QString& text);
    // Closes the file and completes its list line: line count, today, size, state.
    void Fecha_arq();
    // As Fecha_arq, with the size in kilobytes computed by the caller's rule.
    void close(int (*sizeRule)(const QString& path));

    // Appends one line to the current file's error log; QtdErros counts it once written.
    void log_erro(const QString& recordType, int sequence, const QString& table,
                  const QString& field, int code);

    // An amount in fixed notation with two decimals at the precision, regional separator. An
    // amount whose integer part has more digits than the precision is still written in fixed
    // notation (never in exponent notation) and logged with code 4 under the given record.
    QString fixedAmount(const Decimal& value, int precision, const QString& recordType,
                        int sequence, const QString& table, const QString& field);

    const QString& NomeArquivo() const { return nomeArquivo_; }
    const QString& NomeLog() const { return nomeLog_; }
    int QtdErros() const { return qtdErros_; }
    QString filePath() const { return folder_ + nomeArquivo_; }
    QString logPath() const;
    bool isOpen() const { return file_ != nullptr; }

    // The number of lines after the first line of a text file (callers add 1).
    static int quantaslin(const QString& path);
    // Size in kilobytes: bytes / 1024 rounded to the nearest whole, halves to even; 1 when the
    // file is not found.
    static int sizeInKb(const QString& path);
    // The error-log line for the given pieces, without its line end.
    static QString logLine(const QString& recordType, int sequence, const QString& table,
                           const QString& field, int code);

private:
    void write(const QByteArray& bytes);
    RunObserver& observer_;
    const Clock& clock_;
    QString folder_;
    QString nomeArquivo_;
    QString nomeLog_;
    int qtdErros_ = 0;
    std::unique_ptr<QFile> file_;
};
