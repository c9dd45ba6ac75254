#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "output/EnvironmentError.h"
#include "output/NumberFormat.h"
#include "output/OutputFile.h"
#include "support/QtPrinters.h"
#include "support/RecordingObserver.h"

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class OutputFileTest : public testing::Test {
protected:
    OutputFileTest() : file(observer, clock) { file.setFolder(dir.path() + u'/'); }
    QString path(const char* name) const { return dir.path() + u'/' + QString::fromLatin1(name); }
    QTemporaryDir dir;
    RecordingObserver observer;
    FixedClock clock{QDate(2009, 4, 7)};
    OutputFile file;
};

TEST_F(OutputFileTest, SizesRoundHalvesToEven) {
    const std::pair<int, int> cases[] = {{0, 0},    {254, 0},  {512, 0},  {513, 1},
                                         {1535, 1}, {1536, 2}, {2560, 2}, {3584, 4}};
    for (auto [bytes, kb] : cases) {
        writeBytes(path("s.txt"), QByteArray(bytes, 'x'));
        EXPECT_EQ(OutputFile::sizeInKb(path("s.txt")), kb) << bytes;
    }
    EXPECT_EQ(OutputFile::sizeInKb(path("missing.txt")), 1);
}

TEST_F(OutputFileTest, LineCountsAfterTheFirstLine) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"A\r\n", 0}, {"A\r\nB\r\n", 1}, {"A\r\nB", 1}, {"A", 0}, {"A\r\nB\r\nC\r\n", 2}};
    for (auto [content, count] : cases) {
        writeBytes(path("l.txt"), QByteArray(content));
        EXPECT_EQ(OutputFile::quantaslin(path("l.txt")), count) << content;
    }
}

TEST_F(OutputFileTest, LogLineFormat) {
    EXPECT_EQ(OutputFile::logLine("10", 1, "TABEMPRESA", "*.*", 2),
              "Registro:10 Sequência:1 Erro:2 Descrição do Erro: Tabela "
              "Vazia(Arquivo:TABEMPRESA, Campo:*.*)");
    EXPECT_EQ(OutputFile::logLine("20", 12, "DESDIS", "FICHA", 3),
              "Registro:20 Sequência:12 Erro:3 Descrição do Erro: Registro não "
              "Encontrado(Arquivo:DESDIS, Campo:FICHA)");
    EXPECT_EQ(OutputFile::logLine("10", 1, "IDE", "X", 9),
              "Registro:10 Sequência:1 Erro:9 Descrição do Erro: (Arquivo:IDE, Campo:X)");
}

TEST_F(OutputFileTest, ACleanFileGetsTheCheckAndNoLog) {
    writeBytes(path("IDE.TXT"), "old content that must go\r\n");
    writeBytes(path("log_erro_IDE.dat"), "old log\r\n");
    file.CRIAR_ARQ("IDE");
    EXPECT_EQ(file.NomeArquivo(), "IDE.TXT");
    EXPECT_FALSE(QFile::exists(path("log_erro_IDE.dat")));
    file.writeRecord(QStringLiteral("10AÇÃO"));
    file.writeRecord(QStringLiteral("99"));
    file.Fecha_arq();
    EXPECT_EQ(readAll(path("IDE.TXT")), QByteArray("10A\xC7\xC3O\r\n99\r\n"));
    ASSERT_EQ(observer.lines.size(), 1u);
    const FileListLine& l = observer.lines[0];
    EXPECT_EQ(l.name, "IDE.TXT");
    EXPECT_EQ(l.lines, "2");
    EXPECT_EQ(l.date, "07042009");
    EXPECT_EQ(l.size, "0 Kb");
    EXPECT_EQ(l.state, FileState::Ok);
    EXPECT_EQ(observer.events, QStringList({"start IDE.TXT", "done IDE.TXT"}));
    EXPECT_GE(observer.eventsProcessed, 1);
}

TEST_F(OutputFileTest, LoggedProblemsGiveTheTriangleAndACompleteLog) {
    file.open("ORGAO.TXT", "ORGAO");
    file.log_erro("10", 1, "TABEMPRESA", "CODAUDESP", 1);
    EXPECT_EQ(readAll(path("log_erro_ORGAO.dat")),
              QByteArray("Registro:10 Sequ\xEAncia:1 Erro:1 Descri\xE7\xE3o do Erro: Campo "
                         "Vazio(Arquivo:TABEMPRESA, Campo:CODAUDESP)\r\n"));
    file.log_erro("10", 1, "XML_ORGAO", "CPFGESTOR", 1);
    file.writeText(QStringLiteral("99"));
    file.Fecha_arq();
    EXPECT_EQ(file.QtdErros(), 2);
    EXPECT_EQ(readAll(path("log_erro_ORGAO.dat")).count("\r\n"), 2);
    const FileListLine& l = observer.lines.at(0);
    EXPECT_EQ(l.state, FileState::Errors);
    EXPECT_EQ(l.lines, "1");  // an empty-ended single line still counts one
    EXPECT_EQ(l.logPath, path("log_erro_ORGAO.dat"));
    // The next file starts with no errors.
    file.CRIAR_ARQ("IDE");
    EXPECT_EQ(file.QtdErros(), 0);
}

TEST_F(OutputFileTest, AnEmptyFileShowsOneLine) {
    file.CRIAR_ARQ("VAZIO");
    file.Fecha_arq();
    EXPECT_EQ(observer.lines.at(0).lines, "1");
    EXPECT_EQ(observer.lines.at(0).size, "0 Kb");
}

TEST_F(OutputFileTest, AFolderThatCannotBeWrittenIsAnErrorNamingIt) {
    file.setFolder(dir.path() + QStringLiteral("/missing/"));
    try {
        file.CRIAR_ARQ("IDE");
        FAIL();
    } catch (const EnvironmentError& e) {
        EXPECT_TRUE(e.message().contains(dir.path() + QStringLiteral("/missing/IDE.TXT")))
            << e.message().toStdString();
    }
}

TEST_F(OutputFileTest, AnAmountTooLargeForFixedNotationIsWrittenWholeAndLogged) {
    NumberFormat::setDecimalSeparator(u',');
    file.CRIAR_ARQ("DSP");
    EXPECT_EQ(file.fixedAmount(Decimal(123456789012, 2), 9, "10", 3, "DESDIS", "DOTAC"),
              "1234567890,12");
    EXPECT_EQ(file.fixedAmount(Decimal(12345, 2), 9, "10", 3, "DESDIS", "DOTAC"), "123,45");
    file.Fecha_arq();
    EXPECT_EQ(file.QtdErros(), 1);
    EXPECT_TRUE(readAll(path("log_erro_DSP.dat")).startsWith("Registro:10 Sequ\xEAncia:3 Erro:4 "));
    NumberFormat::resetDecimalSeparator();
}

}  // namespace
