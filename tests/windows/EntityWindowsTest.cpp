#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "app/windows/DataGrid.h"
#include "app/windows/TFrmPesPoder.h"
#include "app/windows/TFrmRelac.h"
#include "app/windows/TFrmTipo.h"
#include "support/QtPrinters.h"

namespace {

class EntityWindowsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        for (const char* e : {"1", "2", "3"})
            inst.exec("INSERT INTO TABEMPRESA (EMPRESA, NOME) VALUES (?, ?)",
                      {e, QStringLiteral("ENTIDADE ") + e});
    }
    // Read back through the test's own attachment, not the window's.
    QString stored(const QString& column, const QString& empresa) {
        Transaction t = inst.db().begin(TransactionMode::ReadOnly);
        return t.first("SELECT " + column + " FROM TABEMPRESA WHERE EMPRESA = ?", {empresa})
            ->text(column);
    }
    static void select(EntityColumnWindow& w, int row) {
        w.grid()->setCurrentIndex(w.model()->index(row, EntityTableModel::EditedColumn));
    }
    static void type(EntityColumnWindow& w, int row, const QString& text) {
        select(w, row);
        EXPECT_TRUE(w.model()->setData(w.model()->index(row, EntityTableModel::EditedColumn), text,
                                       Qt::EditRole));
    }
    static QString shown(EntityColumnWindow& w, int row) {
        return w.model()->index(row, EntityTableModel::EditedColumn).data().toString();
    }
    static QAction* item(TFrmTipo& w, const QString& value) {
        return child<QAction>(w.menu(), "tipo" + value);
    }
};

TEST_F(EntityWindowsTest, TypeMenuActsOnlyWhileEditing) {
    Conexao& c = connect();
    TFrmTipo w(nullptr, c.database());
    ASSERT_TRUE(w.start());
    ASSERT_EQ(w.menu()->actions().size(), 11);
    EXPECT_EQ(w.menu()->actions().first()->text(),
              QStringLiteral("0&1 - Administração Direta Prefeitura (Executivo)"));
    EXPECT_EQ(w.menu()->actions().last()->text(), QStringLiteral("99 - &Outros"));
    EXPECT_FALSE(w.tipoButton()->isEnabled());
    EXPECT_FALSE(w.model()->flags(w.model()->index(0, 2)) & Qt::ItemIsEditable);

    item(w, "01")->trigger();
    EXPECT_EQ(shown(w, 0), "");

    child<QPushButton>(&w, "alterar")->click();
    EXPECT_TRUE(w.tipoButton()->isEnabled());
    EXPECT_FALSE(w.model()->flags(w.model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(w.model()->flags(w.model()->index(0, 2)) & Qt::ItemIsEditable);
    item(w, "01")->trigger();
    EXPECT_EQ(shown(w, 0), "1");
    select(w, 2);
    item(w, "99")->trigger();
    EXPECT_EQ(shown(w, 2), "99");
    // Nothing reaches the database before the confirmation.
    EXPECT_EQ(stored("TIPO", "1"), "");

    ASSERT_TRUE(w.confirmar());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(stored("TIPO", "1"), "1");
    EXPECT_EQ(stored("TIPO", "2"), "");
    EXPECT_EQ(stored("TIPO", "3"), "99");
    // The button stays, its items change nothing any more.
    EXPECT_TRUE(w.tipoButton()->isEnabled());
    EXPECT_FALSE(child<QPushButton>(&w, "confirmar")->isEnabled());
    item(w, "05")->trigger();
    EXPECT_EQ(shown(w, 2), "99");
}

TEST_F(EntityWindowsTest, ConfirmationWritesEveryRowInOneTransaction) {
    // The database refuses one of the values.
    inst.exec("ALTER TABLE TABEMPRESA ADD CONSTRAINT CK_TIPO CHECK (TIPO IS NULL OR TIPO <= 99)");
    Conexao& c = connect();
    TFrmTipo w(nullptr, c.database());
    ASSERT_TRUE(w.start());
    w.alterar();
    type(w, 0, "02");
    type(w, 1, "100");
    type(w, 2, "5");
    EXPECT_FALSE(w.confirmar());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(messages[0].text.contains("CK_TIPO")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains("Entidade 2")) << messages[0].text.toStdString();
    // Rolled back as a whole, still editing, every edit still there.
    for (const char* e : {"1", "2", "3"})
        EXPECT_EQ(stored("TIPO", e), "") << e;
    EXPECT_TRUE(w.isEditing());
    EXPECT_TRUE(child<QPushButton>(&w, "confirmar")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(&w, "alterar")->isEnabled());
    EXPECT_EQ(shown(w, 0), "2");
    EXPECT_EQ(w.grid()->currentIndex().row(), 1);

    type(w, 1, "10");
    ASSERT_TRUE(w.confirmar());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(stored("TIPO", "1"), "2");
    EXPECT_EQ(stored("TIPO", "2"), "10");
    EXPECT_EQ(stored("TIPO", "3"), "5");
}

TEST_F(EntityWindowsTest, ARowChangedElsewhereSinceReadingIsNotOverwritten) {
    Conexao& c = connect();
    TFrmTipo w(nullptr, c.database());
    ASSERT_TRUE(w.start());
    inst.exec("UPDATE TABEMPRESA SET TIPO = 4 WHERE EMPRESA = 3");
    w.alterar();
    type(w, 0, "1");
    type(w, 2, "9");
    EXPECT_FALSE(w.confirmar());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("Entidade 3")) << messages[0].text.toStdString();
    EXPECT_EQ(stored("TIPO", "1"), "");
    EXPECT_EQ(stored("TIPO", "3"), "4");
    EXPECT_TRUE(w.isEditing());
}

TEST_F(EntityWindowsTest, CancelAndCloseWriteNothing) {
    Conexao& c = connect();
    {
        TFrmTipo w(nullptr, c.database());
        ASSERT_TRUE(w.start());
        w.alterar();
        type(w, 0, "3");
        select(w, 1);  // leaving the row keeps its edit
        type(w, 1, "7");
        EXPECT_FALSE(w.model()->setData(w.model()->index(1, 2), "7A", Qt::EditRole));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("'7A' não é um valor inteiro válido."));
        child<QPushButton>(&w, "cancelar")->click();
        EXPECT_FALSE(w.isEditing());
        EXPECT_FALSE(w.tipoButton()->isEnabled());
        EXPECT_EQ(shown(w, 0), "3");
        EXPECT_EQ(shown(w, 1), "");
        // Esc does not close the window over its edits.
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
    }
    for (const char* e : {"1", "2", "3"})
        EXPECT_EQ(stored("TIPO", e), "") << e;
}

class PowerSearchTest : public EntityWindowsTest {
protected:
    void SetUp() override {
        EntityWindowsTest::SetUp();
        inst.exec("INSERT INTO TABPODER (PODER, NOME) VALUES ('01', 'CAMARA MUNICIPAL')");
        inst.exec("INSERT INTO TABPODER (PODER, NOME) VALUES ('02', 'PREFEITURA DE CAMPESTRE')");
        inst.exec("INSERT INTO TABPODER (PODER, NOME) VALUES ('03', 'FUNDO D''AGUA')");
        inst.exec("INSERT INTO TABPODER (PODER, NOME) VALUES ('04', 'SAUDE')");
    }
    static QStringList listed(TFrmPesPoder& s) {
        QStringList codes;
        for (int r = 0; r < s.model()->rowCount(); ++r)
            codes << s.model()->item(r, 0)->text();
        return codes;
    }
};

TEST_F(PowerSearchTest, SearchesByNameContainingOrStarting) {
    Conexao& c = connect();
    TFrmPesPoder s(nullptr, c.database());
    s.start();
    EXPECT_EQ(listed(s), QStringList({"01", "03", "02", "04"}));
    auto* r1 = child<QRadioButton>(&s, "r1");
    auto* r2 = child<QRadioButton>(&s, "r2");
    EXPECT_TRUE(r1->isChecked());
    auto* confirmar = child<QPushButton>(&s, "confirmar");
    struct Case {
        const char* text;
        bool starts;
        QStringList found;
    } cases[] = {
        {"CAM", false, {"01", "02"}},
        {"CAM", true, {"01"}},
        {"  ", false, {"01", "03", "02", "04"}},
        {"D'A", false, {"03"}},
        {"D'", true, {}},
        {"' OR ''='", false, {}},
        {"XYZ", false, {}},
    };
    for (const Case& k : cases) {
        s.edit()->setText(QString::fromUtf8(k.text));
        (k.starts ? r2 : r1)->setChecked(true);
        child<QPushButton>(&s, "Pesquisa")->click();
        EXPECT_EQ(listed(s), k.found) << k.text << (k.starts ? " starting" : " containing");
        EXPECT_EQ(confirmar->isEnabled(), !k.found.isEmpty()) << k.text;
    }
    EXPECT_TRUE(messages.empty());

    // Typed text turns to capitals; Enter searches.
    s.edit()->clear();
    r1->setChecked(true);
    QTest::keyClicks(s.edit(), "saude");
    EXPECT_EQ(s.edit()->text(), "SAUDE");
    QTest::keyClick(s.edit(), Qt::Key_Return);
    EXPECT_EQ(listed(s), QStringList({"04"}));
}

TEST_F(PowerSearchTest, ChosenPowerGoesIntoTheCurrentRowOnly) {
    Conexao& c = connect();
    TFrmRelac w(nullptr, c.database());
    ASSERT_TRUE(w.start());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    int searches = 0;
    // Answers the search window once it is up.
    auto answer = [&](const QString& text) {
        QTimer::singleShot(0, [&, text] {
            auto* s = qobject_cast<TFrmPesPoder*>(QApplication::activeModalWidget());
            ASSERT_NE(s, nullptr);
            ++searches;
            s->edit()->setText(text);
            s->pesquisar();
            child<QPushButton>(s, "confirmar")->click();
        });
    };

    // F1 before "&Alterar" opens nothing.
    QTest::keyClick(w.grid(), Qt::Key_F1);
    EXPECT_EQ(searches, 0);
    EXPECT_FALSE(w.pesquisaButton()->isEnabled());

    w.alterar();
    select(w, 1);
    answer("SAU");
    QTest::keyClick(w.grid(), Qt::Key_F1);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(shown(w, 0), "");
    EXPECT_EQ(shown(w, 1), "4");
    EXPECT_EQ(shown(w, 2), "");
    EXPECT_EQ(stored("CODAUDESP", "2"), "");

    select(w, 0);
    answer("CAMARA");
    w.pesquisaButton()->click();
    EXPECT_EQ(shown(w, 0), "1");
    ASSERT_TRUE(w.confirmar());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(stored("CODAUDESP", "1"), "1");
    EXPECT_EQ(stored("CODAUDESP", "2"), "4");
    EXPECT_EQ(stored("CODAUDESP", "3"), "");

    // After the confirmation the column is read-only again: a chosen power is refused, loudly.
    EXPECT_TRUE(w.pesquisaButton()->isEnabled());
    select(w, 2);
    answer("FUNDO");
    w.pesquisaButton()->click();
    EXPECT_EQ(shown(w, 2), "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Error);
}

}  // namespace
