#include <gtest/gtest.h>

#include "BalanceSupport.h"
#include "balance/BC_EMPMMAA.h"
#include "output/NumberFormat.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

const QString kCodes = QStringLiteral("0001020104122200133903001");  // the nine codes, 25 wide

QByteArray record(const QString& text) {
    EXPECT_EQ(text.size(), 327) << text.toStdString();
    return bytes(text) + "\r\n";
}

QByteArray trailer(int seq) {
    return record(QStringLiteral("99") + QString(319, u' ') +
                  QStringLiteral("%1").arg(seq, 6, 10, QChar(u'0')));
}

QString seq(int n) {
    return QStringLiteral("%1").arg(n, 6, 10, QChar(u'0'));
}

class EmpFileTest : public testing::TestWithParam<char> {
protected:
    void SetUp() override {
        NumberFormat::setDecimalSeparator(QChar(GetParam()));
        exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (?, ?, ?, ?)",
             {"1", "PREFEITURA", "1", "1"});
        exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (?, ?, ?, ?)",
             {"2", "FUNDO DE SAÚDE", "2", "2"});
        exec("INSERT INTO DESFOR (CODIF, NOME, CODTIP, INSMF) VALUES (?, ?, ?, ?)",
             {"1", "CONSTRUTORA ALVORADA LTDA", "2", "12.345.678/0001-90"});
        exec("INSERT INTO DESFOR (CODIF, NOME, CODTIP, INSMF) VALUES (?, ?, ?, ?)",
             {"2", "JOSÉ DA SILVA", "1", "123.456.789-01"});
        exec("INSERT INTO CADOBRA (SEQUENCIAL, ANO) VALUES (12, 2008)");
        card("1", "1", "0001", "3.3.90.30.01", "1", "N");
        card("2", "1", "0001", "3.3.90.30.01", "10", "N");
        card("3", "1", "0001", "3.3.90.30.01", "1", "S");  // extra-budgetary: never reported
        card("4", "2", "0001", "3.3.90.30.01", "1", "N");
    }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }

    void exec(const char* sql, const QStringList& params = {}) {
        f.inst.exec(QString::fromUtf8(sql), params);
    }
    void card(const char* ficha, const char* empresa, const char* programa, const char* catec,
              const char* fonte, const char* extra) {
        exec(
            "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
            "PROJATIV, CATEC, FONGRUPO, EXTRA) VALUES (?, ?, ?, '02', '01', '04', '122', '2001', "
            "?, ?, ?)",
            {ficha, empresa, programa, catec, fonte, extra});
    }
    void entry(int pkemp, const char* ficha, const QString& nempg, const char* date,
               const char* value, const char* codif, const QString& produ,
               const QString& codobra = QString()) {
        exec(
            "INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM, CODIF, PRODU, CODOBRA) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {QString::number(pkemp), ficha, nempg, date, value, codif, produ, codobra});
    }
    QByteArray run(const char* entity, int month) {
        BC_EMPMMAA(f.context(QString::fromLatin1(entity), month));
        return f.inst.readOutput(QStringLiteral("EMP%1").arg(month, 2, 10, QChar(u'0')) +
                                 QStringLiteral("09.TXT"));
    }
    RunFixture f;
};

TEST_P(EmpFileTest, CommitmentsWithTheirSourcesAndWorks) {
    const QString material = QStringLiteral("AQUISIÇÃO DE MATERIAL DE EXPEDIENTE");
    entry(1, "1", "45", "2009-03-10", "1000.00", "1", material, "12");
    entry(2, "2", "45", "2009-03-10", "500.50", "1", material, "12");
    entry(3, "1", "45", "2009-03-15", "-200.00", "1", material, "12");  // a cancellation
    entry(4, "1", "46", "2009-02-10", "80.00", "1", material);          // another month
    entry(5, "3", "47", "2009-03-10", "90.00", "1", material);          // extra-budgetary card
    entry(6, "1", "48", "2009-03-20", "12345678.91", "2", QStringLiteral("SERVIÇOS\r\nDIVERSOS"));
    entry(7, "1", "49", "2008-03-05", "70.00", "1", material);  // another year
    entry(8, "4", "50", "2009-03-05", "60.00", "1", material);  // another entity

    const QString text200 = material + QString(200 - material.size(), u' ');
    const QString servicos = QStringLiteral("SERVIÇOS  DIVERSOS");
    QByteArray expected;
    expected += record("10" + kCodes + "000045" + "01" + "10032009" + "0000001500,50" +
                       QStringLiteral("CONSTRUTORA ALVORADA LTDA").leftJustified(50) + "1" +
                       "12345678000190" + text200 + seq(1));
    expected +=
        record("11" + kCodes + "000045" + "01" + "0000001000,00" + QString(273, u' ') + seq(2));
    expected += record("12" + kCodes + "000045" + "00122008" + "0000001500,50" +
                       QString(267, u' ') + seq(3));
    expected +=
        record("11" + kCodes + "000045" + "10" + "0000000500,50" + QString(273, u' ') + seq(4));
    expected += record("12" + kCodes + "000045" + "00122008" + "0000001500,50" +
                       QString(267, u' ') + seq(5));
    expected += record("10" + kCodes + "000048" + "01" + "20032009" + "0012345678,90" +
                       QStringLiteral("JOSÉ DA SILVA").leftJustified(50) + "2" + "00012345678901" +
                       servicos.leftJustified(200) + seq(6));
    expected +=
        record("11" + kCodes + "000048" + "01" + "0012345678,90" + QString(273, u' ') + seq(7));
    expected += trailer(8);

    EXPECT_EQ(run("1", 3), expected);
    EXPECT_EQ(readLog(f, "BC_EMPMMAA"), QByteArray());
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].lines, "8");
    EXPECT_EQ(f.observer.lines[0].state, FileState::Ok);
    EXPECT_EQ(f.observer.progress.back(), "p1 3/3");
}

TEST_P(EmpFileTest, AFourMonthEntityReportsTheWholePeriodOfTheMonth) {
    const QString x = QStringLiteral("X");
    entry(1, "4", "1", "2009-04-30", "1.00", "1", x);
    entry(2, "4", "2", "2009-05-01", "2.00", "1", x);
    entry(3, "4", "3", "2009-08-31", "3.00", "1", x);
    entry(4, "4", "4", "2009-09-01", "4.00", "1", x);
    const QByteArray file = run("2", 6);
    const QList<QByteArray> lines = file.split('\n');
    ASSERT_EQ(lines.size(), 6);  // 10, 11, 10, 11, 99 and the empty rest
    EXPECT_TRUE(lines[0].startsWith("10" + bytes(kCodes) + "000002"));
    EXPECT_TRUE(lines[2].startsWith("10" + bytes(kCodes) + "000003"));
    EXPECT_TRUE(lines[4].startsWith("99"));
}

TEST_P(EmpFileTest, NoCommitmentGivesTheTrailerAlone) {
    EXPECT_EQ(run("1", 1), trailer(1));
    EXPECT_EQ(f.observer.lines.at(0).lines, "1");
}

INSTANTIATE_TEST_SUITE_P(Separators, EmpFileTest, testing::Values(',', '.'));

class EmpChecks : public EmpFileTest {};

TEST_P(EmpChecks, EveryProblemIsLoggedInOrderUnderItsRecord) {
    card("9", "1", "", "3.3.90.30.00", "", "N");  // no program, sub-element 00, no source
    exec("INSERT INTO DESFOR (CODIF, NOME, CODTIP, INSMF) VALUES (3, 'FULANO', 3, '')");
    entry(1, "9", "1234567", "2009-03-02", "10.00", "3", QString(), "12");
    const QString codes = QStringLiteral("020104122200133903000");
    const QByteArray file = run("1", 3);
    const QList<QByteArray> lines = file.split('\n');
    ASSERT_EQ(lines.size(), 5);
    // The classification is four characters short (no program), so the record is too.
    EXPECT_EQ(lines[0], bytes("10" + codes + "123456" + "01" + "02032009" + "0000000010,00" +
                              QStringLiteral("FULANO").leftJustified(50) + "0" + QString(14, u'0') +
                              QString(200, u' ') + seq(1)) +
                            "\r");
    EXPECT_EQ(lines[1], bytes("11" + codes + "123456" + "00" + "0000000010,00" +
                              QString(273, u' ') + seq(2)) +
                            "\r");
    EXPECT_EQ(lines[2], bytes("12" + codes + "1234567" + "00122008" + "0000000010,00" +
                              QString(267, u' ') + seq(3)) +
                            "\r");
    EXPECT_EQ(readLog(f, "BC_EMPMMAA"), logBytes({
                                            {"10", 1, 1, "DESDIS", "PROGRAMA"},
                                            {"10", 1, 4, "DESDIS", "DESDOBRO"},
                                            {"10", 1, 4, "DESFOR", "CODTIP"},
                                            {"10", 1, 1, "DESFOR", "INSMF"},
                                            {"10", 1, 1, "DESPES", "PRODU"},
                                            {"11", 2, 1, "DESDIS", "PROGRAMA"},
                                            {"11", 2, 4, "DESDIS", "DESDOBRO"},
                                            {"11", 2, 1, "DESDIS", "FONGRUPO"},
                                            {"12", 3, 1, "DESDIS", "PROGRAMA"},
                                            {"12", 3, 4, "DESDIS", "DESDOBRO"},
                                            {"12", 3, 1, "DESDIS", "FONGRUPO"},
                                        }));
    EXPECT_EQ(f.observer.lines.at(0).state, FileState::Errors);
}

TEST_P(EmpChecks, ACommitmentWithoutNumberIsWrittenWithZerosNotAnError) {
    entry(1, "1", QString(), "2009-03-02", "10.00", "1", QStringLiteral("X"));
    const QList<QByteArray> lines = run("1", 3).split('\n');
    ASSERT_EQ(lines.size(), 3);  // the commitment, the trailer, the empty rest
    // Its details and sources cannot be looked up by an empty number: the record keeps zeros
    // and blanks and says so.
    EXPECT_EQ(lines[0],
              bytes("10" + kCodes + "000000" + "01" + QString(8, u' ') + "0000000010,00" +
                    QString(50, u' ') + "0" + QString(14, u'0') + QString(200, u' ') + seq(1)) +
                  "\r");
    EXPECT_EQ(readLog(f, "BC_EMPMMAA"), logBytes({
                                            {"10", 1, 1, "DESPES", "NEMPG"},
                                            {"10", 1, 1, "DESPES", "DATAE"},
                                            {"10", 1, 1, "DESFOR", "NOME"},
                                            {"10", 1, 4, "DESFOR", "CODTIP"},
                                            {"10", 1, 1, "DESFOR", "INSMF"},
                                            {"10", 1, 1, "DESPES", "PRODU"},
                                        }));
}

INSTANTIATE_TEST_SUITE_P(Separators, EmpChecks, testing::Values(','));

TEST(EmpAmount, ZerosInFrontAndAlwaysAComma) {
    EXPECT_EQ(empAmount("1500.00"), "0000001500,00");
    EXPECT_EQ(empAmount("1500,00"), "0000001500,00");
    EXPECT_EQ(empAmount("12345678,90"), "0012345678,90");
    EXPECT_EQ(empAmount("1234567890,12"), "1234567890,12");
}

}  // namespace
