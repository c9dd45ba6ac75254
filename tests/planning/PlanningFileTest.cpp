#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "output/NumberFormat.h"
#include "params/DataPacket.h"
#include "params/ParamFiles.h"
#include "planning/PPA.h"
#include "planning/PPA_REGISTRO10.h"
#include "planning/PlanningFixture.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

using namespace Layout;

namespace {

const QString kFile = QStringLiteral("PPALOA2009.txt");
const QString kLog = QStringLiteral("log_erro_PPALOA2009.dat");

QList<QByteArray> linesOf(const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        l += '\n';
    return lines;
}

QString last(const QStringList& progress, const QString& bar) {
    for (auto it = progress.rbegin(); it != progress.rend(); ++it)
        if (it->startsWith(bar))
            return *it;
    return {};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class PlanningFileTest : public ::testing::TestWithParam<char16_t> {
protected:
    void SetUp() override { NumberFormat::setDecimalSeparator(QChar(GetParam())); }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }
};

TEST_P(PlanningFileTest, EveryRecordTypeInOrderThroughTheRun) {
    RunFixture f;
    PlanningFixture::insertAll(f.inst);
    // A file and a log left by an earlier run of the year are replaced, not appended to.
    writeFile(f.inst.outputFolder() + kFile, "old file\r\n");
    writeFile(f.inst.outputFolder() + kLog, "old log\r\n");

    const GenerationRun::Result result = f.run(QStringLiteral("1"), 3, true, false);

    ASSERT_EQ(result.outcome, GenerationRun::Outcome::Completed);
    const QByteArray file = f.inst.readOutput(kFile);
    EXPECT_EQ(file, PlanningFixture::expectedFile(f.clock.today()));
    EXPECT_EQ(f.inst.readOutput(kLog), PlanningFixture::expectedLog());

    // The trailer's number is the file's line count.
    EXPECT_EQ(linesOf(file).size(), 25);
    ASSERT_EQ(f.observer.lines.size(), 1u);
    const FileListLine& line = f.observer.lines[0];
    EXPECT_EQ(line.name, kFile);
    EXPECT_EQ(line.lines, u"25");
    EXPECT_EQ(line.date, u"07042009");
    EXPECT_EQ(line.state, FileState::Errors);
    EXPECT_EQ(line.logPath, f.inst.outputFolder() + kLog);

    // 00, 01, 10, 11, three calls of 23, three of 22, two of 21, 20, two lines 30, three
    // lines 31, 39 and 99.
    EXPECT_EQ(last(f.observer.progress, QStringLiteral("p1")), u"p1 20/11");
    EXPECT_EQ(last(f.observer.progress, QStringLiteral("p2")), u"p2 20/11");
}

INSTANTIATE_TEST_SUITE_P(Separators, PlanningFileTest, ::testing::Values(u',', u'.'),
                         [](const auto& info) {
                             return info.param == u',' ? std::string("Comma")
                                                       : std::string("Point");
                         });

TEST(PlanningFile, ActionsElementsAndSourcesNestUnderTheirProgram) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);
    f.inst.exec(
        QStringLiteral("INSERT INTO PPAPROG (CODIGO, CODDISCRI, DISCRI, OBJET, META01) "
                       "VALUES (7, '0010', 'SAÚDE DA FAMÍLIA', 'ATENDER AS FAMÍLIAS', 10)"));
    for (const char* projativ : {"2001", "2002", "2003"}) {
        f.inst.exec(QStringLiteral("INSERT INTO PPAACOES (CODIGO, CODLO, FUNSUBFUN, PROJATIV, "
                                   "PRODU, DESCRI, UNMED, META01, VALOR01) VALUES (7, '0301', "
                                   "'10.301', ?, 'FAMÍLIA ATENDIDA', 'AÇÃO', 'FAMÍLIA', 5, 100)"),
                    {QString::fromLatin1(projativ)});
    }
    const QString desorc = QStringLiteral(
        "INSERT INTO DESORC (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, PROJATIV, CATEC, "
        "FONGRUPO, DOTAC) VALUES ('0010', '03', '01', '10', '301', ?, ?, ?, 10)");
    f.inst.exec(desorc, {"2001", "3.3.90.30.00", "01"});
    f.inst.exec(desorc, {"2002", "3.1.90.11.00", "01"});
    f.inst.exec(desorc, {"2002", "3.1.90.11.00", "02"});
    f.inst.exec(desorc, {"2002", "3.3.90.39.00", "01"});
    f.inst.exec(desorc, {"2003", "4.4.90.52.00", "03"});
    // An allocation of another action with the same program does not belong here.
    f.inst.exec(desorc, {"2009", "3.3.90.30.00", "01"});

    RunContext& c = f.context(QStringLiteral("1"), 3);
    PPA(c);

    const QStringList expected = {"00/1",  "10/2",  "11/3",  "20/4",  "21/5",  "22/6",  "23/7",
                                  "21/8",  "22/9",  "23/10", "23/11", "22/12", "23/13", "21/14",
                                  "22/15", "23/16", "30/17", "31/18", "39/19", "99/20"};
    EXPECT_EQ(typesAndNumbers(f.inst.readOutput(kFile)), expected);
}

TEST(PlanningFile, EmptyTablesGivePlaceholdersAndNoLawRecord) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);

    f.run(QStringLiteral("1"), 3, true, false);

    const QByteArray header = linesOf(PlanningFixture::expectedFile(QDate()))[0];
    // Without a PARAMORC row there is no line 01 and the next line is number 2.
    const QByteArray expected =
        header + placeholder(QStringLiteral("10"), 2) + placeholder(QStringLiteral("11"), 3) +
        placeholder(QStringLiteral("30"), 4) + placeholder(QStringLiteral("31"), 5) +
        line(QStringLiteral("39000000000000") + blanks(330), 6) +
        placeholder(QStringLiteral("99"), 7);
    EXPECT_EQ(f.inst.readOutput(kFile), expected);
    const QString empty = QStringLiteral("*.*");
    EXPECT_EQ(f.inst.readOutput(kLog),
              logLine(QStringLiteral("10"), 2, 2, QStringLiteral("TABEMPRESA"), empty) +
                  logLine(QStringLiteral("11"), 3, 2, QStringLiteral("TABORGAO"), empty) +
                  logLine(QStringLiteral("30"), 4, 2, QStringLiteral("RECORC"), empty) +
                  logLine(QStringLiteral("31"), 5, 2, QStringLiteral("RECORC"), empty));
    EXPECT_EQ(f.observer.lines.at(0).lines, u"7");
    // 00, 10, 11, 20, the placeholders 30 and 31, 39, 99.
    EXPECT_EQ(last(f.observer.progress, QStringLiteral("p1")), u"p1 8/11");
}

TEST(PlanningFile, EmptyProgramAndExpenseCodesAreLoggedAndReplaced) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);
    // A blank objective is written as blanks without a log line; only a null one is "NC".
    f.inst.exec(
        QStringLiteral("INSERT INTO PPAPROG (CODIGO, CODDISCRI, DISCRI, OBJET) VALUES (1, "
                       "'0001', '   ', '   ')"));
    f.inst.exec(
        QStringLiteral("INSERT INTO PPAACOES (CODIGO, CODLO, FUNSUBFUN, PROJATIV, PRODU, "
                       "DESCRI, UNMED) VALUES (1, '', NULL, NULL, '  ', NULL, NULL)"));
    const QString desorc = QStringLiteral(
        "INSERT INTO DESORC (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, PROJATIV, CATEC, "
        "FONGRUPO, DOTAC) VALUES ('0001', '00', '00', '00', '000', '0000', ?, ?, ?)");
    f.inst.exec(desorc, {QString(), "01", "10"});
    f.inst.exec(desorc, {"3.1.90.11.00", QString(), QString()});

    RunContext& c = f.context(QStringLiteral("1"), 3);
    PPA(c);

    const QList<QByteArray> lines = linesOf(f.inst.readOutput(kFile));
    ASSERT_EQ(lines.size(), 12);
    const QString action = QStringLiteral("0001") + QString(13, u'0');
    EXPECT_EQ(lines[3], line(QStringLiteral("200001") + blanks(50) + blanks(230) +
                                 QString(48, u'0') + blanks(10),
                             4));
    EXPECT_EQ(lines[4], line(QStringLiteral("21") + action + QStringLiteral("1") + blanks(245) +
                                 QString(64, u'0') + blanks(15),
                             5));
    // The element without a code is written 000000 and its sources are looked up with that.
    EXPECT_EQ(lines[5], line(QStringLiteral("22") + action + QStringLiteral("000000000000000010") +
                                 blanks(307),
                             6));
    EXPECT_EQ(lines[6], line(QStringLiteral("22") + action + QStringLiteral("319011") +
                                 QStringLiteral("000000000000") + blanks(307),
                             7));
    EXPECT_EQ(lines[7], line(QStringLiteral("23") + action + QStringLiteral("31901100") +
                                 QStringLiteral("000000000000") + blanks(305),
                             8));

    const QString ppaacoes = QStringLiteral("PPAACOES");
    const QString t21 = QStringLiteral("21");
    const QString empty = QStringLiteral("*.*");
    const QByteArray expectedLog =
        logLine(QStringLiteral("10"), 2, 2, QStringLiteral("TABEMPRESA"), empty) +
        logLine(QStringLiteral("11"), 3, 2, QStringLiteral("TABORGAO"), empty) +
        logLine(QStringLiteral("20"), 4, 1, QStringLiteral("PPAPROG"), QStringLiteral("DISCRI")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("CODLO")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("CODLO")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("FUNSUBFUN")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("FUNSUBFUN")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("PROJATIV")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("PROJATIV")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("DESCRI")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("PRODU")) +
        logLine(t21, 5, 1, ppaacoes, QStringLiteral("UNMED")) +
        logLine(QStringLiteral("22"), 6, 1, QStringLiteral("DESORC"), QStringLiteral("CATEC")) +
        logLine(QStringLiteral("30"), 9, 2, QStringLiteral("RECORC"), empty) +
        logLine(QStringLiteral("31"), 10, 2, QStringLiteral("RECORC"), empty);
    EXPECT_EQ(f.inst.readOutput(kLog), expectedLog);
}

TEST(PlanningFile, OrgansAndUnits) {
    RunFixture f;
    // Organ 01 is shared by two entities of different types; organ 02's entity has no type.
    f.inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (1, "
                       "'PREFEITURA', 1, 1)"));
    f.inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (3, "
                       "'FUNDO MUNICIPAL DE SAÚDE', 2, 1)"));
    f.inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (2, "
                       "'CÂMARA', NULL, 2)"));
    const QString name20 = QStringLiteral("SECRETARIA DE SAÚDE.");
    ASSERT_EQ(name20.size(), 20);
    f.inst.exec(QStringLiteral("INSERT INTO TABPODER (PODER, NOME) VALUES ('02', NULL)"));
    f.inst.exec(QStringLiteral("INSERT INTO TABPODER (PODER, NOME) VALUES ('01', ?)"), {name20});
    f.inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('01', '00', "
                       "'A UNIDADE 00 NÃO É LISTADA')"));
    f.inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('01', '01', NULL)"));
    f.inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '02', 'GABINETE DA "
                       "PRESIDÊNCIA')"));

    RunContext& c = f.context(QStringLiteral("1"), 3);
    c.arquivo().open(kFile, QStringLiteral("PPALOA2009"));
    PPA_REGISTRO10(c);
    PPA_REGISTRO11(c);
    c.arquivo().close(&planningSizeInKb);

    const QList<QByteArray> lines = linesOf(f.inst.readOutput(kFile));
    ASSERT_EQ(lines.size(), 5);
    // The two entities of organ 01 come in no particular order between themselves.
    QList<QByteArray> shared = {lines[0].chopped(3), lines[1].chopped(3)};
    std::sort(shared.begin(), shared.end());
    const QString organ01 = QStringLiteral("1001") + text(name20, 50);
    EXPECT_EQ(shared[0], (organ01 + QStringLiteral("01") + blanks(288)).toLatin1());
    EXPECT_EQ(shared[1], (organ01 + QStringLiteral("02") + blanks(288)).toLatin1());
    EXPECT_TRUE(lines[0].endsWith("1\r\n") && lines[1].endsWith("2\r\n"));
    EXPECT_EQ(lines[2],
              line(QStringLiteral("1002") + blanks(50) + QStringLiteral("00") + blanks(288), 3));
    EXPECT_EQ(lines[3], line(QStringLiteral("110101") + blanks(50) + blanks(288), 4));
    EXPECT_EQ(lines[4], line(QStringLiteral("110202") +
                                 text(QStringLiteral("GABINETE DA PRESIDÊNCIA"), 50) + blanks(288),
                             5));
    EXPECT_EQ(
        f.inst.readOutput(kLog),
        logLine(QStringLiteral("10"), 3, 1, QStringLiteral("TABEMPRESA"), QStringLiteral("NOME")) +
            logLine(QStringLiteral("10"), 3, 1, QStringLiteral("TABEMPRESA"),
                    QStringLiteral("TIPO")) +
            logLine(QStringLiteral("11"), 4, 1, QStringLiteral("TABORGAO"),
                    QStringLiteral("NOME")));
}

TEST(PlanningFile, DocumentNumbersStoredAsDigitsGiveTheSameHeader) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);
    PlanningFixture::setMunic(
        f.inst, {"CNPJ", "01234567000189", "CPFPREFEITO", "12345678901", "CPFPRESIDENTECAMARA",
                 "55566677788", "CPFCONTADOR", "98765432100"});
    RunContext& c = f.context(QStringLiteral("1"), 3);
    PPA(c);
    EXPECT_EQ(linesOf(f.inst.readOutput(kFile))[0],
              linesOf(PlanningFixture::expectedFile(QDate()))[0]);
}

TEST(PlanningFile, EmptyMunicipalityFieldsAreLogged) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);
    const QString path = f.inst.dataFolder() + ParamFiles::kMunicFile;
    DataPacket munic = DataPacket::load(path);
    for (const DataPacket::Field& field : munic.fields())
        munic.setValue(0, field.name, std::nullopt);
    munic.setValue(0, QStringLiteral("NOMEMUNICIPIO"), QStringLiteral("   "));
    f.inst.writeMunicFile(munic);

    RunContext& c = f.context(QStringLiteral("1"), 3);
    PPA(c);

    EXPECT_EQ(linesOf(f.inst.readOutput(kFile))[0],
              line(QStringLiteral("000000") + blanks(50) + blanks(45) + blanks(45) + blanks(45) +
                       blanks(11) + blanks(93),
                   1));
    QByteArray expected;
    for (const char* field :
         {"NOMEMUNICIPIO", "CNPJ", "NOMEPREFEITO", "CPFPREFEITO", "PRESIDENTECAMARA",
          "CPFPRESIDENTECAMARA", "NOMECONTADOR", "CPFCONTADOR", "CRCCONTADOR", "UFCRCCONTADOR"}) {
        expected +=
            logLine(QStringLiteral("00"), 1, 1, QStringLiteral("XML"), QString::fromLatin1(field));
    }
    EXPECT_TRUE(f.inst.readOutput(kLog).startsWith(expected));
}

TEST(PlanningFile, EmptyLawFieldsAreLogged) {
    RunFixture f;
    PlanningFixture::insertMunicipality(f.inst);
    f.inst.exec(QStringLiteral("INSERT INTO PARAMORC (LEI_PPA, PERCE) VALUES ('      ', 1000)"));
    RunContext& c = f.context(QStringLiteral("1"), 3);
    PPA(c);

    const QString zeroLaw =
        QStringLiteral("000000") + QStringLiteral("00000000") + QStringLiteral("00000000");
    // A null law number is zero-filled before it is tested, so only the blank one is logged.
    EXPECT_EQ(linesOf(f.inst.readOutput(kFile))[1],
              line(QStringLiteral("01PPALOA    VOLD  ") + zeroLaw + zeroLaw + zeroLaw +
                       QStringLiteral("1000.00") + QStringLiteral("000.00000.00") +
                       QString(22, u'0') + QStringLiteral("07042009") + blanks(212),
                   2));
    const QString paramorc = QStringLiteral("PARAMORC");
    const QString t01 = QStringLiteral("01");
    const QByteArray expected = logLine(t01, 2, 1, paramorc, QStringLiteral("LEI_PPA")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTPUBLICACAO_PPA")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTPUBLICACAO_PPA")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTPUBLICACAO_LDO")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTPUBLICACAO_LDO")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTLEI")) +
                                logLine(t01, 2, 1, paramorc, QStringLiteral("DTPUBLICACAO")) +
                                logLine(t01, 2, 4, paramorc, QStringLiteral("PERCE"));
    EXPECT_TRUE(f.inst.readOutput(kLog).startsWith(expected));
}

TEST(PlanningFile, SizeOfAMissingFileIsZero) {
    RunFixture f;
    EXPECT_EQ(planningSizeInKb(f.inst.outputFolder() + QStringLiteral("absent.txt")), 0);
    writeFile(f.inst.outputFolder() + QStringLiteral("present.txt"), QByteArray(1536, 'x'));
    EXPECT_EQ(planningSizeInKb(f.inst.outputFolder() + QStringLiteral("present.txt")), 2);
}

}  // namespace
