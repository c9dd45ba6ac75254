#include "balance/BC_EMPMMAA.h"

#include <gtest/gtest.h>

#include <QFile>

#include "BalanceSupport.h"
#include "output/NumberFormat.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

QString logLine(const char* rec, int s, int code, const char* table, const char* field) {
    static const char* const desc[] = {"Campo Vazio", "Tabela Vazia", "Registro não Encontrado",
                                       "Informação do Registro Inválida"};
    return QStringLiteral(
               "Registro:%1 Sequência:%2 Erro:%3 Descrição do Erro: %4(Arquivo:%5, "
               "Campo:%6)\r\n")
        .arg(QLatin1String(rec))
        .arg(s)
        .arg(code)
        .arg(QString::fromUtf8(desc[code - 1]), QLatin1String(table), QLatin1String(field));
}

const QString kClass = QStringLiteral("0004020104122") + QStringLiteral("2001") +
                       QStringLiteral("339030") + QStringLiteral("01");

class EmpTest : public ::testing::Test {
protected:
    void SetUp() override {
        entity("1", "1");
        entity("3", "2");
        creditor("1", "JOSÉ DA SILVA", "1", "123.456.789-01");
        f.inst.exec("INSERT INTO CADOBRA (SEQUENCIAL, ANO) VALUES (12, 2008)");
    }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }

    void entity(const char* code, const char* tipo) {
        f.inst.exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (?, ?, ?, ?)",
                    {code, QStringLiteral("ENTIDADE ") + code, tipo, code});
    }
    void creditor(const QString& codif, const QString& nome, const QString& codtip,
                  const QString& insmf) {
        f.inst.exec("INSERT INTO DESFOR (CODIF, NOME, CODTIP, INSMF) VALUES (?, ?, ?, ?)",
                    {codif, nome, codtip, insmf});
    }
    void card(int ficha, const QString& fongrupo, const QString& catec = "3.3.90.30.01",
              const char* empresa = "1", const char* extra = "N") {
        f.inst.exec(
            "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
            "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (?, ?, '0004', '02', '01', '04', "
            "'122', '2001', ?, ?, 1000, ?)",
            {QString::number(ficha), empresa, catec, fongrupo, extra});
    }
    struct Entry {
        int ficha = 10;
        QString nempg = QStringLiteral("45");
        QString datae = QStringLiteral("2009-03-10");
        QString vadem = QStringLiteral("1000.00");
        QString codif = QStringLiteral("1");
        QString codobra = QString();
        QString produ = QStringLiteral("AQUISIÇÃO DE MATERIAL\nDE CONSUMO");
    };
    void entry(const Entry& e) {
        f.inst.exec(
            "INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM, CODIF, CODOBRA, "
            "PRODU) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {QString::number(++pkemp), QString::number(e.ficha), e.nempg, e.datae, e.vadem, e.codif,
             e.codobra, e.produ});
    }
    QStringList lines(const char* name) {
        const QString text = QString::fromLatin1(f.inst.readOutput(QString::fromLatin1(name)));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        QStringList l = text.split(QStringLiteral("\r\n"));
        l.removeLast();
        return l;
    }
    QString log() {
        const QString path = f.inst.outputFolder() + QStringLiteral("log_erro_BC_EMPMMAA.dat");
        return QFile::exists(path) ? QString::fromLatin1(readBytes(path)) : QString();
    }
    // The commitment numbers of the records "10", in file order.
    QStringList numbers(const char* name) {
        QStringList n;
        for (const QString& l : lines(name))
            if (l.startsWith(u"10"))
                n << l.mid(27, 6);
        n.sort();
        return n;
    }

    RunFixture f;
    int pkemp = 0;
};

TEST_F(EmpTest, WholeFileOfACommitmentWithTwoSourcesAndAWork) {
    card(10, "01");
    card(11, "02");
    entry({.ficha = 10, .vadem = "1000.00", .codobra = "12"});
    entry({.ficha = 11, .vadem = "500.00"});
    entry({.ficha = 10, .vadem = "-100.00", .produ = "ANULAÇÃO"});  // cancellation: left out
    entry({.ficha = 10, .nempg = "46", .datae = "2009-02-10"});     // another month

    NumberFormat::setDecimalSeparator(u'.');
    BC_EMPMMAA(f.context("1", 3));

    const QString r10 = QStringLiteral("10") + kClass + QStringLiteral("000045") +
                        QStringLiteral("01") + QStringLiteral("10032009") +
                        QStringLiteral("0000001500,00") + fit(QStringLiteral("JOSÉ DA SILVA"), 50) +
                        QStringLiteral("2") + QStringLiteral("00012345678901") +
                        fit(QStringLiteral("AQUISIÇÃO DE MATERIAL DE CONSUMO"), 200) + seq(1);
    auto source = [&](const char* fonte, const char* valor, int s) {
        return QStringLiteral("11") + kClass + QStringLiteral("000045") + QLatin1String(fonte) +
               QLatin1String(valor) + blanks(273) + seq(s);
    };
    auto work = [&](int s) {
        return QStringLiteral("12") + kClass + QStringLiteral("000045") +
               QStringLiteral("00122008") + QStringLiteral("0000001000,00") + blanks(267) + seq(s);
    };
    const QStringList records = {r10,     source("01", "0000001000,00", 2),
                                 work(3), source("02", "0000000500,00", 4),
                                 work(5), QStringLiteral("99") + blanks(319) + seq(6)};
    for (const QString& r : records)
        ASSERT_EQ(r.size(), 327);
    EXPECT_EQ(f.inst.readOutput("EMP0309.TXT"),
              (records.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    EXPECT_EQ(log(), QString());
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].lines, u"6");
    EXPECT_EQ(f.observer.progress.last(), u"p1 2/2");
}

TEST_F(EmpTest, NoCommitmentGivesTheTrailerOnly) {
    card(10, "01");
    entry({.datae = "2009-04-01"});
    BC_EMPMMAA(f.context("1", 3));
    EXPECT_EQ(f.inst.readOutput("EMP0309.TXT"),
              (QStringLiteral("99") + blanks(319) + QStringLiteral("000001\r\n")).toLatin1());
    EXPECT_EQ(f.observer.lines.at(0).lines, u"1");
}

TEST_F(EmpTest, MonthlyEntitySelectsItsMonthOfTheYear) {
    card(10, "01");
    card(20, "01", "3.3.90.30.01", "1", "S");  // not budgetary
    card(30, "01", "3.3.90.30.01", "3");       // another entity
    entry({.nempg = "1", .datae = "2009-02-28"});
    entry({.nempg = "2", .datae = "2009-03-01"});
    entry({.nempg = "3", .datae = "2009-03-31"});
    entry({.nempg = "4", .datae = "2009-04-01"});
    entry({.nempg = "5", .datae = "2008-03-15"});  // another year
    entry({.nempg = "6", .vadem = "0.00"});
    entry({.nempg = "7", .vadem = "-5.00"});
    entry({.ficha = 20, .nempg = "8"});
    entry({.ficha = 30, .nempg = "9"});
    entry({.nempg = "10", .codif = "99"});  // no creditor row
    BC_EMPMMAA(f.context("1", 3));
    EXPECT_EQ(numbers("EMP0309.TXT"), (QStringList{"000002", "000003"}));
}

TEST_F(EmpTest, FourMonthEntitySelectsItsWholeWindow) {
    card(30, "01", "3.3.90.30.01", "3");
    card(10, "01");
    entry({.ficha = 30, .nempg = "1", .datae = "2009-04-30"});
    entry({.ficha = 30, .nempg = "2", .datae = "2009-05-01"});
    entry({.ficha = 30, .nempg = "3", .datae = "2009-06-15"});
    entry({.ficha = 30, .nempg = "4", .datae = "2009-08-31"});
    entry({.ficha = 30, .nempg = "5", .datae = "2009-09-01"});
    entry({.ficha = 30, .nempg = "6", .datae = "2008-06-01"});
    entry({.ficha = 10, .nempg = "7", .datae = "2009-06-01"});
    BC_EMPMMAA(f.context("3", 6));
    EXPECT_EQ(numbers("EMP0609.TXT"), (QStringList{"000002", "000003", "000004"}));
}

TEST_F(EmpTest, EmptyCommitmentNumberIsAnsweredAsNoRow) {
    // The null number reaches the detail, source and works queries as an empty text against an
    // integer column: each answers "no row" instead of a conversion error.
    card(10, "01");
    entry({.nempg = QString(), .codobra = "12"});
    BC_EMPMMAA(f.context("1", 3));
    const QStringList l = lines("EMP0309.TXT");
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0], QStringLiteral("10") + kClass + QStringLiteral("000000") +
                        QStringLiteral("01") + blanks(8) + QStringLiteral("0000001000,00") +
                        blanks(50) + QStringLiteral("0") + QString(14, u'0') + blanks(200) +
                        seq(1));
    EXPECT_EQ(log(),
              logLine("10", 1, 1, "DESPES", "NEMPG") + logLine("10", 1, 1, "DESPES", "DATAE") +
                  logLine("10", 1, 1, "DESFOR", "NOME") + logLine("10", 1, 4, "DESFOR", "CODTIP") +
                  logLine("10", 1, 1, "DESFOR", "INSMF") + logLine("10", 1, 1, "DESPES", "PRODU"));
}

struct FieldCase {
    const char* name;
    const char* codtip;
    const char* insmf;
    const char* nempg;
    const char* catec;
    const char* nome;
    const char* produ;
    const char* fongrupo;  // nullptr: null
    const char* tipo;      // expected creditor type
    const char* cpf;       // expected CPF/CNPJ
    const char* nro10;     // expected number in "10" and "11"
    const char* nro12;     // expected number in "12"
    const char* fonte;     // expected source in "11"
    QStringList log;
};

class EmpFieldTest : public EmpTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(EmpFieldTest, WritesAndLogs) {
    const FieldCase& p = GetParam();
    creditor("2", QString::fromUtf8(p.nome), QString::fromLatin1(p.codtip),
             QString::fromLatin1(p.insmf));
    card(10, p.fongrupo ? QString::fromLatin1(p.fongrupo) : QString(),
         QString::fromLatin1(p.catec));
    entry({.nempg = p.nempg, .codif = "2", .codobra = "12", .produ = QString::fromUtf8(p.produ)});
    BC_EMPMMAA(f.context("1", 3));
    const QStringList l = lines("EMP0309.TXT");
    ASSERT_EQ(l.size(), 4);
    const QString nro10 = QString::fromLatin1(p.nro10), nro12 = QString::fromLatin1(p.nro12);
    const QString cls = l[0].mid(2, 25);
    EXPECT_EQ(cls, kClass.left(23) + QString::fromLatin1(p.catec).mid(10, 2));
    EXPECT_EQ(l[0].mid(27, 6), nro10);
    EXPECT_EQ(l[0].mid(106, 1), QString::fromLatin1(p.tipo));
    EXPECT_EQ(l[0].mid(107, 14), QString::fromLatin1(p.cpf));
    EXPECT_EQ(l[0].mid(56, 50), fit(QString::fromUtf8(p.nome), 50));
    EXPECT_EQ(l[0].size(), 327);
    EXPECT_EQ(l[1], QStringLiteral("11") + cls + nro10 + QString::fromLatin1(p.fonte) +
                        QStringLiteral("0000001000,00") + blanks(273) + seq(2));
    EXPECT_EQ(l[2], QStringLiteral("12") + cls + nro12.rightJustified(6, u'0') +
                        QStringLiteral("00122008") + QStringLiteral("0000001000,00") + blanks(267) +
                        seq(3));
    EXPECT_EQ(log(), p.log.join(QString()));
}

INSTANTIATE_TEST_SUITE_P(Cases, EmpFieldTest,
                         ::testing::Values(FieldCase{"company",
                                                     "2",
                                                     "12.345.678/0001-90",
                                                     "45",
                                                     "3.3.90.30.01",
                                                     "COMÉRCIO LTDA",
                                                     "MATERIAL",
                                                     "01",
                                                     "1",
                                                     "12345678000190",
                                                     "000045",
                                                     "45",
                                                     "01",
                                                     {}},
                                           FieldCase{"otherCreditorType",
                                                     "3",
                                                     "123.456.789-01",
                                                     "45",
                                                     "3.3.90.30.01",
                                                     "JOÃO",
                                                     "MATERIAL",
                                                     "1",
                                                     "0",
                                                     "00012345678901",
                                                     "000045",
                                                     "45",
                                                     "01",
                                                     {logLine("10", 1, 4, "DESFOR", "CODTIP")}},
                                           FieldCase{"longNumber",
                                                     "1",
                                                     "123.456.789-01",
                                                     "1234567",
                                                     "3.3.90.30.01",
                                                     "JOÃO",
                                                     "MATERIAL",
                                                     "01",
                                                     "2",
                                                     "00012345678901",
                                                     "123456",
                                                     "1234567",
                                                     "01",
                                                     {}},
                                           FieldCase{"subElementZero",
                                                     "1",
                                                     "123.456.789-01",
                                                     "45",
                                                     "3.3.90.30.00",
                                                     "JOÃO",
                                                     "MATERIAL",
                                                     "01",
                                                     "2",
                                                     "00012345678901",
                                                     "000045",
                                                     "45",
                                                     "01",
                                                     {logLine("10", 1, 4, "DESDIS", "DESDOBRO"),
                                                      logLine("11", 2, 4, "DESDIS", "DESDOBRO"),
                                                      logLine("12", 3, 4, "DESDIS", "DESDOBRO")}},
                                           FieldCase{"emptyCreditorAndDescription",
                                                     "1",
                                                     "..-/",
                                                     "45",
                                                     "3.3.90.30.01",
                                                     "  ",
                                                     "   ",
                                                     "01",
                                                     "2",
                                                     "00000000000000",
                                                     "000045",
                                                     "45",
                                                     "01",
                                                     {logLine("10", 1, 1, "DESFOR", "NOME"),
                                                      logLine("10", 1, 1, "DESFOR", "INSMF"),
                                                      logLine("10", 1, 1, "DESPES", "PRODU")}},
                                           FieldCase{"nullSource",
                                                     "1",
                                                     "123.456.789-01",
                                                     "45",
                                                     "3.3.90.30.01",
                                                     "JOÃO",
                                                     "MATERIAL",
                                                     nullptr,
                                                     "2",
                                                     "00012345678901",
                                                     "000045",
                                                     "45",
                                                     "00",
                                                     {logLine("11", 2, 1, "DESDIS", "FONGRUPO"),
                                                      logLine("12", 3, 1, "DESDIS", "FONGRUPO")}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
