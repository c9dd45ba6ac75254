#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "WindowFixture.h"
#include "app/windows/DataGrid.h"
#include "app/windows/GridDelegate.h"
#include "app/windows/TFrmIde.h"
#include "app/windows/TFrmParamOrgao.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"

namespace {

const QString kGestor = QStringLiteral("JOÃO D'ÁVILA & FILHOS <LTDA>");

class ParamWindowsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        inst.exec(
            "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES "
            "(1, 'PREFEITURA MUNICIPAL DE SÃO JOÃO', 1, 1, '01234567000189')");
        inst.exec(
            "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES "
            "(2, 'CÂMARA MUNICIPAL', 2, 2, NULL)");
        inst.exec(
            "INSERT INTO CADCLI (CLNT1, CGC, PREN, CPFPRE, CONN, CPFCON) VALUES "
            "('SÃO JOÃO', ?, 'JOSÉ DA SILVA', '12345678901', 'MARIA', '98765432100')",
            {cnpj_});
    }
    QString orgaoPath() const { return inst.dataFolder() + ParamFiles::kOrgaoFile; }
    QString municPath() const { return inst.dataFolder() + ParamFiles::kMunicFile; }
    void setCell(ParamFileWindow& w, int row, const QString& field, const QString& text) {
        DataPacketModel* m = w.model();
        for (int c = 0; c < m->columnCount(); ++c) {
            if (columnField(w, c) == field) {
                EXPECT_TRUE(m->setData(m->index(row, c), text, Qt::EditRole))
                    << field.toStdString();
                return;
            }
        }
        ADD_FAILURE() << "no column " << field.toStdString();
    }
    // The field behind a grid column, found through what the column shows.
    QString columnField(ParamFileWindow& w, int column) {
        return fields_.value(
            w.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    QHash<QString, QString> fields_ = {
        {"Nome Gestor", "NOMEGESTOR"},  {"CPF Gestor", "CPFGESTOR"},
        {"Tipo do Orgão", "TIPOORGAO"}, {"CNPJ", "CNPJ"},
        {"Cód.Munic.", "CODMUNIC"},     {"Prefeito", "NOMEPREFEITO"}};
    QString cnpj_ = QStringLiteral("01.234.567/0001-89");
};

TEST_F(ParamWindowsTest, OrganWindowSeedsOnFirstOpeningAndKeepsWhatWasConfirmed) {
    Conexao& c = connect();
    ASSERT_FALSE(QFile::exists(orgaoPath()));
    {
        TFrmParamOrgao w(nullptr, c.database(), inst.iniPath());
        ASSERT_TRUE(w.start());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Paramêtros do Arquivo Orgao.txt"));
        ASSERT_TRUE(QFile::exists(orgaoPath()));
        const DataPacket seeded = DataPacket::load(orgaoPath());
        ASSERT_EQ(seeded.rowCount(), 2);
        EXPECT_FALSE(seeded.value(0, "NOMEGESTOR").has_value());
        EXPECT_FALSE(seeded.value(1, "CNPJORGAO").has_value());

        // Seventeen columns, the key kept out of sight.
        ASSERT_EQ(w.model()->columnCount(), 17);
        EXPECT_EQ(w.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QStringLiteral("Cód.Org."));
        EXPECT_EQ(w.model()->headerData(16, Qt::Horizontal, Qt::DisplayRole), "CPF");
        for (int col = 0; col < 17; ++col)
            EXPECT_NE(w.model()->headerData(col, Qt::Horizontal, Qt::DisplayRole), "CODPODER");

        auto* alterar = child<QPushButton>(&w, "alterar");
        auto* confirmar = child<QPushButton>(&w, "confirmar");
        auto* cancelar = child<QPushButton>(&w, "cancelar");
        EXPECT_EQ(cancelar->text(), "Cancela&r");
        EXPECT_FALSE(confirmar->isEnabled());
        EXPECT_FALSE(cancelar->isEnabled());
        // Browsing edits nothing.
        EXPECT_FALSE(w.model()->flags(w.model()->index(0, 5)) & Qt::ItemIsEditable);

        alterar->click();
        EXPECT_TRUE(w.isEditing());
        EXPECT_FALSE(alterar->isEnabled());
        setCell(w, 1, "NOMEGESTOR", kGestor);
        setCell(w, 0, "TIPOORGAO", "01");
        confirmar->click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Arquivo Salvo com Sucesso!");
        EXPECT_EQ(messages[0].caption, QStringLiteral("Atenção"));
        EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);
        EXPECT_FALSE(w.isEditing());
        EXPECT_TRUE(alterar->isEnabled());
        EXPECT_FALSE(confirmar->isEnabled());
    }
    const DataPacket saved = DataPacket::load(orgaoPath());
    ASSERT_EQ(saved.rowCount(), 2);
    EXPECT_EQ(saved.text(1, "NOMEGESTOR"), kGestor);
    EXPECT_EQ(saved.text(0, "TIPOORGAO"), "1");
    EXPECT_EQ(saved.text(0, "CODPODER"), "1");
    EXPECT_EQ(saved.text(1, "CODPODER"), "2");
    EXPECT_FALSE(saved.value(0, "NOMEGESTOR").has_value());

    // Reopening does not seed again; a cancelled edit is lost and the file stays.
    const QByteArray before = readBytes(orgaoPath());
    TFrmParamOrgao w(nullptr, c.database(), inst.iniPath());
    ASSERT_TRUE(w.start());
    w.alterar();
    setCell(w, 1, "NOMEGESTOR", "OUTRO");
    setCell(w, 1, "CPFGESTOR", "11122233344");
    child<QPushButton>(&w, "cancelar")->click();
    EXPECT_FALSE(w.isEditing());
    EXPECT_EQ(w.model()->packet().text(1, "NOMEGESTOR"), kGestor);
    EXPECT_FALSE(w.model()->packet().value(1, "CPFGESTOR").has_value());
    EXPECT_EQ(readBytes(orgaoPath()), before);
}

TEST_F(ParamWindowsTest, DownOnTheLastRowWhileEditingAddsNoRow) {
    inst.exec("INSERT INTO CADCLI (CLNT1, CGC) VALUES ('SEGUNDO', '1')");
    Conexao& c = connect();
    TFrmIde w(nullptr, c.database(), inst.iniPath());
    ASSERT_TRUE(w.start());
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_EQ(w.model()->rowCount(), 2);
    w.alterar();
    DataGrid* grid = w.grid();
    grid->setFocus();
    grid->setCurrentIndex(w.model()->index(1, 0));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    // Typing edits the cell of the last row; Enter keeps it there.
    QTest::keyClick(grid, '5');
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClicks(editor, "208");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(w.model()->rowCount(), 2);
    ASSERT_TRUE(w.confirmar());
    const DataPacket saved = DataPacket::load(municPath());
    ASSERT_EQ(saved.rowCount(), 2);
    EXPECT_EQ(saved.text(1, "CODMUNIC"), "5208");
    EXPECT_FALSE(saved.value(0, "CODMUNIC").has_value());
}

TEST_F(ParamWindowsTest, MunicipalityWindowRequiresTheCnpj) {
    inst.exec("INSERT INTO CADCLI (CLNT1, CGC) VALUES ('SEM CNPJ', NULL)");
    Conexao& c = connect();
    TFrmIde w(nullptr, c.database(), inst.iniPath());
    ASSERT_TRUE(w.start());
    EXPECT_EQ(child<QPushButton>(&w, "cancelar")->text(), "&Cancelar");
    const QByteArray seeded = readBytes(municPath());
    w.alterar();

    // Emptying it is refused with the message, the value stays.
    setCell(w, 0, "CODMUNIC", "5208");
    const int cnpjColumn = 2;
    EXPECT_FALSE(w.model()->setData(w.model()->index(0, cnpjColumn), "", Qt::EditRole));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(messages[0].text, "O campo 'CNPJ' precisa ter um valor.");
    EXPECT_EQ(w.model()->packet().text(0, "CNPJ"), cnpj_);

    // An edited row still without one is not saved.
    setCell(w, 1, "NOMEPREFEITO", "PREFEITO");
    EXPECT_FALSE(w.confirmar());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "O campo 'CNPJ' precisa ter um valor.");
    EXPECT_TRUE(w.isEditing());
    EXPECT_EQ(readBytes(municPath()), seeded);

    setCell(w, 1, "CNPJ", "98765432000100");
    ASSERT_TRUE(w.confirmar());
    const DataPacket saved = DataPacket::load(municPath());
    EXPECT_EQ(saved.text(0, "CODMUNIC"), "5208");
    EXPECT_EQ(saved.text(1, "CNPJ"), "98765432000100");

    // Esc is "&Cancelar" here, and drops an edit not yet saved.
    w.alterar();
    setCell(w, 0, "CODMUNIC", "9999");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isEditing());
    EXPECT_EQ(w.model()->packet().text(0, "CODMUNIC"), "5208");
}

TEST_F(ParamWindowsTest, TypedTextIsCheckedAgainstTheField) {
    Conexao& c = connect();
    TFrmParamOrgao w(nullptr, c.database(), inst.iniPath());
    ASSERT_TRUE(w.start());
    w.alterar();
    const QModelIndex tipo = w.model()->index(0, 3);  // "Tipo do Orgão", an integer
    EXPECT_FALSE(w.model()->setData(tipo, "1A", Qt::EditRole));
    const QModelIndex cpf = w.model()->index(0, 1);  // "CPF Gestor", 11 characters
    EXPECT_FALSE(w.model()->setData(cpf, "123456789012", Qt::EditRole));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(w.model()->packet().text(0, "TIPOORGAO"), "1");
    EXPECT_FALSE(w.model()->packet().value(0, "CPFGESTOR").has_value());
    EXPECT_EQ(tipo.data(GridDelegate::MaxLengthRole).toInt(), 11);
    EXPECT_EQ(cpf.data(GridDelegate::MaxLengthRole).toInt(), 11);
}

TEST_F(ParamWindowsTest, ASaveThatFailsShowsTheErrorAndKeepsTheEdits) {
    Conexao& c = connect();
    TFrmParamOrgao w(nullptr, c.database(), inst.iniPath());
    ASSERT_TRUE(w.start());
    w.alterar();
    setCell(w, 0, "NOMEGESTOR", "GESTOR");
    // The file's place is taken by a folder that cannot be replaced.
    ASSERT_TRUE(QFile::remove(orgaoPath()));
    ASSERT_TRUE(QDir().mkpath(orgaoPath() + "/ocupado"));
    EXPECT_FALSE(w.confirmar());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(messages[0].text.contains(ParamFiles::kOrgaoFile))
        << messages[0].text.toStdString();
    EXPECT_TRUE(w.isEditing());
    EXPECT_TRUE(child<QPushButton>(&w, "confirmar")->isEnabled());
    EXPECT_EQ(w.model()->packet().text(0, "NOMEGESTOR"), "GESTOR");

    // Once the place is free again the same edits are saved.
    ASSERT_TRUE(QDir(orgaoPath()).removeRecursively());
    EXPECT_TRUE(w.confirmar());
    EXPECT_EQ(DataPacket::load(orgaoPath()).text(0, "NOMEGESTOR"), "GESTOR");
}

TEST_F(ParamWindowsTest, ASeedThatFailsCreatesNoFile) {
    inst.exec("UPDATE TABEMPRESA SET CGC = '012345678000189' WHERE EMPRESA = 1");
    Conexao& c = connect();
    TFrmParamOrgao w(nullptr, c.database(), inst.iniPath());
    EXPECT_FALSE(w.start());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Error);
    EXPECT_FALSE(QFile::exists(orgaoPath()));
}

}  // namespace
