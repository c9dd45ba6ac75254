#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "output/NumberFormat.h"
#include "schema/SchemaScript.h"
#include "settings/Conexao.h"
#include "settings/DbError.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

class DatabaseLayer : public testing::Test {
protected:
    void SetUp() override {
        inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (1, 'PREFEITURA', 1, 7)"));
        inst.exec(QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, VAREC) VALUES (?, ?, ?)"),
                  {"10", "2009-03-05", "1000.10"});
        inst.exec(QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, VAREC) VALUES (?, ?, ?)"),
                  {"10", "2009-03-20", "129.90"});
        inst.exec(QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, VAREC) VALUES (?, ?, ?)"),
                  {"10", "2009-04-01", "-0.01"});
    }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }
    TestInstallation inst;
};

TEST_F(DatabaseLayer, SumsOfAmountsAreExactDecimals) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    const auto row = t.first(QStringLiteral("SELECT SUM(VAREC) AS TOTAL FROM RECEIT"));
    ASSERT_TRUE(row);
    const Decimal total = row->value("total").toDecimal();
    EXPECT_EQ(total.units(), 112999);
    EXPECT_EQ(total.scale(), 2);
    NumberFormat::setDecimalSeparator(u',');
    EXPECT_EQ(row->text("TOTAL"), "1129,99");
    NumberFormat::setDecimalSeparator(u'.');
    EXPECT_EQ(row->text("TOTAL"), "1129.99");
}

TEST_F(DatabaseLayer, TextBoundValuesBehaveAsQuotedLiterals) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    Statement s = t.prepare(QStringLiteral(
        "SELECT COUNT(*) AS N FROM RECEIT A WHERE EXTRACT(MONTH FROM A.DTREC) = ? AND FICHA = ?"));
    EXPECT_EQ(s.first({"03", "10"})->value("N").toInteger(), 2);
    EXPECT_EQ(s.first({"3", "10"})->value("N").toInteger(), 2);
    EXPECT_EQ(s.first({"04", "10"})->value("N").toInteger(), 1);
    EXPECT_EQ(s.first({"03", "11"})->value("N").toInteger(), 0);
    Statement less = t.prepare(
        QStringLiteral("SELECT COUNT(*) AS N FROM RECEIT A WHERE EXTRACT(MONTH FROM A.DTREC) < ?"));
    EXPECT_EQ(less.first({"04"})->value("N").toInteger(), 2);
}

TEST_F(DatabaseLayer, AnEmptyTextAgainstANumberIsNoRow) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    Statement s = t.prepare(QStringLiteral("SELECT FICHA FROM RECEIT WHERE FICHA = ?"));
    EXPECT_FALSE(s.first({""}).has_value());
    EXPECT_TRUE(s.first({"10"}).has_value());
    // Any other conversion failure is still an error.
    EXPECT_THROW(s.first({"abc"}), DbError);
}

TEST_F(DatabaseLayer, TextKeepsItsAccentsAndQuotesAreHarmless) {
    const QString name = QStringLiteral("SÃO JOÃO D'ALIANÇA – “FUNDO” ‰");
    inst.exec(QStringLiteral("UPDATE TABEMPRESA SET NOME = ? WHERE EMPRESA = ?"), {name, "1"});
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    Statement s = t.prepare(QStringLiteral("SELECT NOME, CGC FROM TABEMPRESA WHERE NOME = ?"));
    const auto row = s.first({name});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text("nome"), name);
    EXPECT_TRUE(row->value("CGC").isNull());
    EXPECT_EQ(row->text("CGC"), "");
    EXPECT_FALSE(s.first({QStringLiteral("X' OR '1'='1")}).has_value());
}

TEST_F(DatabaseLayer, FieldTextOfEachKind) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    const auto row = t.first(QStringLiteral(
        "SELECT EMPRESA, CAST(1500.00 AS NUMERIC(15,2)) AS A, CAST(1234.50 AS NUMERIC(15,2)) AS B,"
        " CAST(-0.5 AS NUMERIC(15,2)) AS C, CAST('2009-03-07' AS DATE) AS D, CAST(NULL AS INTEGER)"
        " AS E, CAST('AB' AS CHAR(4)) AS F FROM TABEMPRESA"));
    ASSERT_TRUE(row);
    NumberFormat::setDecimalSeparator(u',');
    EXPECT_EQ(row->text("EMPRESA"), "1");
    EXPECT_EQ(row->text("A"), "1500");
    EXPECT_EQ(row->text("B"), "1234,5");
    EXPECT_EQ(row->text("C"), "-0,5");
    EXPECT_EQ(row->text("D"), "07032009");
    EXPECT_EQ(row->text("E"), "");
    EXPECT_EQ(row->text("F"), "AB  ");
    EXPECT_THROW(row->value("MISSING"), DbError);
}

TEST_F(DatabaseLayer, ErrorsCarryTheDatabaseMessageAndTheStatement) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    try {
        t.prepare(QStringLiteral("SELECT * FROM NO_SUCH_TABLE"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.databaseMessage().contains("NO_SUCH_TABLE")) << e.message().toStdString();
        EXPECT_EQ(e.sql(), "SELECT * FROM NO_SUCH_TABLE");
    }
}

TEST_F(DatabaseLayer, ATransactionRollsBackUnlessCommitted) {
    {
        Transaction t = inst.db().begin(TransactionMode::ReadWrite);
        t.execute(QStringLiteral("UPDATE TABEMPRESA SET TIPO = 2"));
    }
    Transaction r = inst.db().begin(TransactionMode::ReadOnly);
    EXPECT_EQ(r.first(QStringLiteral("SELECT TIPO FROM TABEMPRESA"))->text("TIPO"), "1");
    EXPECT_THROW(r.execute(QStringLiteral("UPDATE TABEMPRESA SET TIPO = 2")), DbError);
}

TEST_F(DatabaseLayer, ReadCommittedSeesWhatAnotherConnectionCommitted) {
    Transaction r = inst.db().begin(TransactionMode::ReadOnly);
    Statement s = r.prepare(QStringLiteral("SELECT TIPO FROM TABEMPRESA"));
    EXPECT_EQ(s.first()->text("TIPO"), "1");
    Database other = Database::attach(inst.databasePath());
    Transaction w = other.begin(TransactionMode::ReadWrite);
    w.execute(QStringLiteral("UPDATE TABEMPRESA SET TIPO = 5"));
    w.commit();
    EXPECT_EQ(s.first()->text("TIPO"), "5");
}

TEST_F(DatabaseLayer, RowsStayValidAfterTheCursorMoves) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    Statement s = t.prepare(QStringLiteral("SELECT VAREC FROM RECEIT WHERE FICHA = ?"));
    Cursor c = s.open({"10"});
    std::vector<DbRow> rows;
    while (c.next())
        rows.push_back(c.row());
    ASSERT_EQ(rows.size(), 3u);
    Decimal sum;
    for (const DbRow& r : rows)
        sum = sum + r.value("VAREC").toDecimal();
    EXPECT_EQ(sum, Decimal(112999, 2));
}

TEST(SchemaScript, SplitsStatementsOutsideQuotesAndComments) {
    const QStringList s = SchemaScript::statements(QStringLiteral(
        "-- a comment; with a semicolon\nCREATE TABLE A (X VARCHAR(3) DEFAULT ';');\n"
        "/* block; */ CREATE VIEW V AS SELECT X FROM A;\n  \n"));
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0], "CREATE TABLE A (X VARCHAR(3) DEFAULT ';')");
    EXPECT_EQ(s[1], "CREATE VIEW V AS SELECT X FROM A");
}

// The host:path form through a real Firebird server on 127.0.0.1 (scripts/test starts one).
TEST(ServerConnection, HostPathGoesThroughTheServer) {
    const QByteArray host = qgetenv("VOLD_TEST_FB_SERVER");
    if (host.isEmpty())
        GTEST_SKIP() << "VOLD_TEST_FB_SERVER is not set";
    ASSERT_EQ(geteuid(), 0u) << "the test hands the database file to the firebird user";
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("dados/ARQ2009")));
    const QString db = root + QStringLiteral("dados/ARQ2009/VOLD2009.FDB");
    ASSERT_TRUE(QFile::copy(templateDatabase(), db));
    ASSERT_EQ(::system(("chown -R firebird:firebird " + root.toStdString() + "dados").c_str()), 0);
    QFile ini(root + QStringLiteral("Vold.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[VOLD]\r\nAno=2009\r\nServidor=%1\r\nSO_Servidor=LINUX\r\n"
                             "Caminho_Base_Dados=%2dados/\r\nDiretorio_Servidor=%2dados/\r\n")
                  .arg(QString::fromLatin1(host), root)
                  .toLatin1());
    ini.close();

    Conexao c(ini.fileName());
    c.connect();
    EXPECT_EQ(c.databasePath(), QString::fromLatin1(host) + u':' + db);
    Transaction t = c.database().begin(TransactionMode::ReadOnly);
    const auto row = t.first(QStringLiteral(
        "SELECT MON$REMOTE_PROTOCOL AS P, MON$REMOTE_ADDRESS AS A FROM MON$ATTACHMENTS "
        "WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text("P").trimmed(), "TCPv4");
    const auto iso = t.first(
        QStringLiteral("SELECT MON$ISOLATION_MODE AS I, MON$READ_ONLY AS R FROM MON$TRANSACTIONS "
                       "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION"));
    EXPECT_EQ(iso->text("I"), "2");
    EXPECT_EQ(iso->text("R"), "1");
}

}  // namespace

namespace {

TEST_F(DatabaseLayer, ANullFieldBoundAgainCompareAsTheEmptyLiteral) {
    inst.exec(QStringLiteral("UPDATE TABEMPRESA SET CGC = ''"));
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    const auto row =
        t.first(QStringLiteral("SELECT CAST(NULL AS VARCHAR(5)) AS V FROM TABEMPRESA"));
    ASSERT_TRUE(row);
    Statement s = t.prepare(QStringLiteral("SELECT EMPRESA FROM TABEMPRESA WHERE CGC = ?"));
    EXPECT_TRUE(s.first({row->text("V")}).has_value());
}

}  // namespace
