#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ErrorLog.h"
#include "app/LogNames.h"
#include "app/RecordFinder.h"
#include "output/OutputFile.h"
#include "output/Win1252.h"
#include "support/QtPrinters.h"

namespace {

TEST(LogNames, EachListCaptionHasItsLogByTheLastRunsMonthAndYear) {
    const struct {
        const char* caption;
        const char* log;
        bool planning;
    } cases[] = {
        {"PPALOA2009.txt", "log_erro_PPALOA2009.dat", true},
        {"IDE.TXT", "log_erro_IDE.dat", false},
        {"ORGAO.TXT", "log_erro_ORGAO.dat", false},
        {"REC1209.TXT", "log_erro_BC_RECMMAA.dat", false},
        {"ARC1209.TXT", "log_erro_BC_ARCMMAA.dat", false},
        {"DSP1209.TXT", "log_erro_BC_DSPMMAA.dat", false},
        {"AOC1209.TXT", "log_erro_BC_AOCMMAA.dat", false},
        {"COB1209.TXT", "log_erro_BC_COBMMAA.dat", false},
        {"EMP1209.TXT", "log_erro_BC_EMPMMAA.dat", false},
        {"ANL1209.TXT", "log_erro_BC_ANLMMAA.dat", false},
        {"CTB1209.TXT", "log_erro_BC_CTBMMAA.dat", false},
        {"NTF1209.TXT", "log_erro_BC_NTFMMAA.dat", false},
        {"CON1209.TXT", "log_erro_BC_CONMMAA.dat", false},
        {"EXT1209.TXT", "log_erro_BC_EXTMMAA.dat", false},
        {"LQD1209.TXT", "log_erro_BC_LQDMMAA.dat", false},
        {"ALQ1209.TXT", "log_erro_BC_ALQMMAA.dat", false},
        {"OPS1209.TXT", "log_erro_BC_OPSMMAA.dat", false},
        {"AOP1209.TXT", "log_erro_BC_AOPMMAA.dat", false},
        {"RSP1209.TXT", "log_erro_BC_RSPMMAA.dat", false},
        {"REC1209.txt", "log_erro_BC_RECMMAA.dat", false},  // as the run names it
    };
    for (const auto& c : cases) {
        const auto m = LogNames::forCaption(QString::fromUtf8(c.caption), QStringLiteral("12"),
                                            QStringLiteral("2009"));
        ASSERT_TRUE(m.has_value()) << c.caption;
        EXPECT_EQ(LogNames::logFileName(m->nomeLog), QString::fromUtf8(c.log)) << c.caption;
        EXPECT_EQ(m->planning, c.planning) << c.caption;
    }
}

TEST(LogNames, CaptionsOfAnotherPeriodOrCaseAreNotRecognised) {
    for (const char* caption : {"REC1109.TXT", "rec1209.txt", "REC1209.Txt", "PPALOA2009.TXT",
                                "ARC1210.TXT", "XYZ1209.TXT", "PREST1209.ZIP", ""}) {
        EXPECT_FALSE(LogNames::forCaption(QString::fromUtf8(caption), QStringLiteral("12"),
                                          QStringLiteral("2009")))
            << caption;
    }
}

TEST(ErrorLog, ReadsBackTheLinesTheOutputFileWrites) {
    const struct {
        const char* type;
        int seq;
        const char* table;
        const char* field;
        int code;
        const char* description;
    } cases[] = {{"10", 1, "TABEMPRESA", "*.*", 2, "Tabela Vazia"},
                 {"12", 1234567, "DESPES", "FONTE, RECURSO", 3, "Registro não Encontrado"},
                 {"99", 7, "PARAM_ORGAO_TCMGO.XML", "CPF", 9, ""}};
    for (const auto& c : cases) {
        const QString line =
            OutputFile::logLine(QString::fromUtf8(c.type), c.seq, QString::fromUtf8(c.table),
                                QString::fromUtf8(c.field), c.code);
        const ErrorLog::Entry e = ErrorLog::parseLine(line);
        ASSERT_TRUE(e.parsed) << line.toStdString();
        EXPECT_EQ(e.recordType, QString::fromUtf8(c.type));
        EXPECT_EQ(e.sequence, c.seq);
        EXPECT_EQ(e.code, c.code);
        EXPECT_EQ(e.description, QString::fromUtf8(c.description));
        EXPECT_EQ(e.table, QString::fromUtf8(c.table));
        EXPECT_EQ(e.field, QString::fromUtf8(c.field));
    }
    const ErrorLog::Entry bad = ErrorLog::parseLine(QStringLiteral("algo estranho"));
    EXPECT_FALSE(bad.parsed);
    EXPECT_EQ(bad.line, QStringLiteral("algo estranho"));
}

TEST(ErrorLog, ReadsAWindows1252LogWithCrLfLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log_erro_IDE.dat"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Win1252::encode(OutputFile::logLine("10", 1, "CADCLI", "CGC", 1)) + "\r\n");
    f.write(Win1252::encode(OutputFile::logLine("10", 1, "CADCLI", "PREN", 3)) + "\r\n");
    f.close();
    const std::vector<ErrorLog::Entry> entries = ErrorLog::read(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].field, QStringLiteral("CGC"));
    EXPECT_EQ(entries[1].description, QStringLiteral("Registro não Encontrado"));
}

TEST(RecordFinder, FindsTheRecordWhoseSequenceFieldIsTheNumber) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DSP1209.TXT"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // The first record's other fields end in digits too; only the sequence field counts.
    f.write("10Ação 0000012000001\r\n");
    f.write("11xx000002\r\n");
    f.write("99           000003\r\n");
    f.close();
    const auto second = RecordFinder::findBySequence(path, 2, false);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->lineNumber, 2);
    EXPECT_EQ(second->text, QStringLiteral("11xx000002"));
    const auto first = RecordFinder::findBySequence(path, 1, false);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->lineNumber, 1);
    EXPECT_FALSE(RecordFinder::findBySequence(path, 4, false).has_value());
}

TEST(RecordFinder, InThePlanningFileTheSequenceIsTheLineNumber) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PPALOA2009.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("00 header 1\r\n01 law 2\r\n10 organ 3\r\n");
    f.close();
    const auto third = RecordFinder::findBySequence(path, 3, true);
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->text, QStringLiteral("10 organ 3"));
    EXPECT_FALSE(RecordFinder::findBySequence(path, 4, true).has_value());
    EXPECT_FALSE(RecordFinder::findBySequence(path, 0, true).has_value());
}

}  // namespace
