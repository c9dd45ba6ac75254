#include <gtest/gtest.h>

#include <QFile>

#include "settings/Conexao.h"
#include "settings/DbError.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

TEST(Conexao, OpensTheYearsDatabaseThroughTheEmbeddedEngine) {
    TestInstallation inst;
    inst.closeDatabase();
    Conexao c(inst.iniPath());
    c.connect();
    EXPECT_EQ(c.Exercicio(), "2009");
    EXPECT_EQ(c.exercicioPane(), "Exerc.: 2009");
    EXPECT_EQ(c.databasePath(), inst.databasePath());
    Transaction t = c.database().begin(TransactionMode::ReadOnly);
    const auto iso = t.first(
        QStringLiteral("SELECT MON$ISOLATION_MODE AS I, MON$READ_ONLY AS R FROM MON$TRANSACTIONS "
                       "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION"));
    ASSERT_TRUE(iso);
    EXPECT_EQ(iso->text("I"), "2");  // read committed
    EXPECT_EQ(iso->text("R"), "1");
    const auto user = t.first(QStringLiteral("SELECT CURRENT_USER AS U FROM RDB$DATABASE"));
    EXPECT_EQ(user->text("U").trimmed(), "KTRVOLD8");
}

TEST(Conexao, TheYearIsTheFirstFourCharactersOfAno) {
    TestInstallation inst;
    inst.closeDatabase();
    // The folder takes the whole key; the file name and the pane the year only.
    inst.writeIni(
        QStringLiteral("[VOLD]\r\nANO=2009XY\r\nCaminho_Base_Dados=%1dados/\r\n").arg(inst.root()));
    QFile::rename(inst.root() + QStringLiteral("dados/ARQ2009"),
                  inst.root() + QStringLiteral("dados/ARQ2009XY"));
    Conexao c(inst.iniPath());
    c.connect();
    EXPECT_EQ(c.Exercicio(), "2009");
    EXPECT_EQ(c.exercicioPane(), "Exerc.: 2009");
}

TEST(Conexao, AFailedProbeGivesTheFatalMessage) {
    TestInstallation inst;
    inst.closeDatabase();
    ASSERT_TRUE(QFile::remove(inst.databasePath()));
    EXPECT_FALSE(Conexao::TestaConexao(inst.iniPath(), "VOLD2009.FDB", "D"));
    Conexao c(inst.iniPath());
    try {
        c.connect();
        FAIL();
    } catch (const DatabaseNotFound& e) {
        EXPECT_EQ(e.message(),
                  "Base de Dados do sistema não encontrada !!! O Sistema será finalizado.");
        EXPECT_EQ(DatabaseNotFound::kCaption, "Erro na Base de Dados");
    }
    EXPECT_FALSE(c.isConnected());
}

TEST(Conexao, AMissingSettingsFileLooksForVoldFdbAndFails) {
    Conexao c(QStringLiteral("/nonexistent/Vold.ini"));
    EXPECT_THROW(c.connect(), DatabaseNotFound);
    EXPECT_EQ(c.Exercicio(), "");
}

}  // namespace
