#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <deque>

#include "app/Generators.h"
#include "app/LogNames.h"
#include "app/windows/TFrmErros.h"
#include "app/windows/TFrmPrincipal.h"
#include "output/NumberFormat.h"
#include "output/OutputFile.h"
#include "output/Win1252.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"
#include "support/ZipReader.h"

namespace {

// Lines of a file as the list counts them: CR LF lines, a last line without one included; an
// empty file shows 1.
QString lineCount(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return QStringLiteral("1");
    return QString::number(bytes.count('\n') + (bytes.endsWith('\n') ? 0 : 1));
}

class MainWindowTest : public ::testing::Test {
protected:
    TestInstallation inst;
    std::unique_ptr<TFrmPrincipal> w;
    std::vector<OperatorMessage> messages;
    std::vector<OperatorMessage> questions;
    std::vector<bool> questionDefaults;
    std::vector<bool> buttonsAtQuestion;  // gerar and fechar both enabled when asked
    std::deque<bool> answers;
    QStringList opened;
    int terminated = 0;

    void addEntity(const char* empresa, const char* nome, const char* tipo, const char* codaudesp) {
        inst.exec(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                                 "VALUES (?, ?, ?, ?)"),
                  {QString::fromUtf8(empresa), QString::fromUtf8(nome),
                   tipo ? QString::fromUtf8(tipo) : QString(),
                   codaudesp ? QString::fromUtf8(codaudesp) : QString()});
    }

    void open() {
        inst.closeDatabase();
        w = std::make_unique<TFrmPrincipal>(inst.iniPath());
        TFrmPrincipal::Dialogs& d = w->dialogs();
        d.message = [this](const OperatorMessage& m) { messages.push_back(m); };
        d.question = [this](const OperatorMessage& q, bool defaultYes) {
            questions.push_back(q);
            questionDefaults.push_back(defaultYes);
            buttonsAtQuestion.push_back(button("gerar")->isEnabled() &&
                                        button("fechar")->isEnabled());
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << q.text.toStdString();
                return false;
            }
            const bool a = answers.front();
            answers.pop_front();
            return a;
        };
        d.openFile = [this](const QString& path) { opened << path; };
        d.terminate = [this] { ++terminated; };
        w->show();
        w->activateWindow();
        QApplication::processEvents();
    }

    template <typename T>
    T* child(const char* name) {
        T* c = w->findChild<T*>(QString::fromUtf8(name));
        if (!c)
            ADD_FAILURE() << "no " << name;
        return c;
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QTreeWidget* list() { return child<QTreeWidget>("lstArqs"); }

    void chooseEntity(const QString& nome) {
        auto* combo = child<QComboBox>("DBLookupComboBox1");
        const int i = combo->findText(nome);
        ASSERT_GE(i, 0) << nome.toStdString();
        combo->setCurrentIndex(i);
    }

    // Presses "Gerar" and waits for the run to end, the window's events flowing meanwhile.
    void gerar() {
        QEventLoop loop;
        bool ended = false;
        QObject::connect(w.get(), &TFrmPrincipal::runEnded, &loop, [&] {
            ended = true;
            loop.quit();
        });
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        button("gerar")->click();
        if (w->isRunning())
            loop.exec();
        ASSERT_TRUE(ended || !w->isRunning()) << "the run did not end";
        QApplication::processEvents();
    }

    // One entity ready for a whole run into the installation's output folder.
    void readyForRun() {
        addEntity("1", "PREFEITURA MUNICIPAL DE GOIÁS", "1", "7");
        inst.seedParamFiles();
        open();
        chooseEntity(QStringLiteral("PREFEITURA MUNICIPAL DE GOIÁS"));
        child<QLineEdit>("edtLocal")->setText(inst.outputFolder());
        child<QComboBox>("mes_ref")->setCurrentIndex(11);
    }

    QTreeWidgetItem* line(const QString& caption) {
        const QList<QTreeWidgetItem*> found = list()->findItems(caption, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.first();
    }
};

TEST_F(MainWindowTest, EveryControlCarriesItsNameAndCaption) {
    addEntity("1", "PREFEITURA", "1", "7");
    open();
    const struct {
        const char* name;
        const char* text;
    } captions[] = {
        {"GroupBox7", "Orgão"},
        {"GroupBox1", "Os arquivos serão gerados em"},
        {"GroupBox4", "Mês de Referencia"},
        {"GroupBox9", "Arquivos:"},
        {"GroupBox2", "Lista de Arquivos Gerados"},
        {"GroupBox3", ""},
    };
    for (const auto& c : captions)
        EXPECT_EQ(child<QGroupBox>(c.name)->title(), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(child<QCheckBox>("Cbppa")->text(), QStringLiteral("PPA, LDO e LOA"));
    EXPECT_EQ(child<QCheckBox>("CbBalancete")->text(), QStringLiteral("Balancete "));
    EXPECT_TRUE(child<QCheckBox>("Cbppa")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("CbBalancete")->isChecked());
    EXPECT_EQ(button("gerar")->text(), QStringLiteral("Gerar"));
    EXPECT_EQ(button("fechar")->text(), QStringLiteral("Fechar"));
    EXPECT_EQ(button("RzMenuButton1")->text(), QStringLiteral("Paramêtros"));
    EXPECT_NE(child<QToolButton>("RzRapidFireButton1"), nullptr);
    EXPECT_TRUE(child<QLineEdit>("edtLocal")->text().isEmpty());
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Arquivo Atual"));
    EXPECT_EQ(
        child<QLabel>("Label2")->text(),
        QStringLiteral("Progresso Geral de Criação dos Arquivos de Envio ao Tribunal de Contas"));
    EXPECT_EQ(child<QLabel>("Label6")->text(),
              QStringLiteral("Tribunal de Contas dos Municípios de Goiás"));
    EXPECT_EQ(child<QLabel>("Label7")->text(),
              QStringLiteral("VOLD - Sistema de Contabilidade Pública - VERSÃO EXPORTAÇÃO QUELP "));
    EXPECT_EQ(child<QLabel>("Exerc")->text(), QStringLiteral("Exerc.: 2009"));
    for (const char* p : {"p1", "p2"}) {
        EXPECT_EQ(child<QProgressBar>(p)->maximum(), 100);
        EXPECT_EQ(child<QProgressBar>(p)->value(), 0);
    }

    auto* month = child<QComboBox>("mes_ref");
    EXPECT_FALSE(month->isEditable());
    ASSERT_EQ(month->count(), 12);
    EXPECT_EQ(month->currentIndex(), 0);
    EXPECT_EQ(month->itemText(0), QStringLiteral("JANEIRO"));
    EXPECT_EQ(month->itemText(2), QStringLiteral("MARÇO"));
    EXPECT_EQ(month->itemText(11), QStringLiteral("DEZEMBRO"));

    auto* lookup = child<QComboBox>("DBLookupComboBox1");
    ASSERT_EQ(lookup->count(), 1);
    EXPECT_EQ(lookup->itemText(0), QStringLiteral("PREFEITURA"));
    EXPECT_EQ(lookup->currentIndex(), -1);  // no entity chosen at start

    QTreeWidget* l = list();
    ASSERT_EQ(l->columnCount(), 4);
    const char* headers[] = {"Arquivo Gerado", "Linhas", "Data", "Tamanho"};
    const int widths[] = {405, 50, 80, 100};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l->headerItem()->text(i), QString::fromUtf8(headers[i]));
        EXPECT_EQ(l->columnWidth(i), widths[i]);
    }

    auto* menu = child<QMenu>("PopupMenu1");
    const char* items[][2] = {
        {"teste1", "Tipo de Entidade"},
        {"RelacentreEmpresaePoder1", "Relac. entre Empresa e Poder"},
        {"ParamtrosdoArquivoOrgaotxt1", "Paramêtros do Arquivo Orgao.txt"},
        {"IdentificaodoMunicpio1", "Parâmetros Identificação do Município (PPA)"}};
    ASSERT_EQ(menu->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
        QAction* a = menu->actions()[i];
        EXPECT_EQ(a->objectName(), QString::fromUtf8(items[i][0]));
        EXPECT_EQ(a->text(), QString::fromUtf8(items[i][1]));
        EXPECT_FALSE(a->isEnabled()) << items[i][0];
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, CaptionCarriesTheDateOfTheSuitesExecutableWhenItIsThere) {
    QTemporaryDir dir;
    EXPECT_EQ(TFrmPrincipal::captionFor(dir.path()), QStringLiteral("FrmPrincipal"));
    QFile exe(dir.filePath(QStringLiteral("zelka8.exe")));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.close();
    EXPECT_TRUE(TFrmPrincipal::captionFor(dir.path())
                    .startsWith(QStringLiteral("VOLD 8.0 - MODULO TCM - GO - Atualizado dia ")));
}

TEST_F(MainWindowTest, TheSevenChecksReportInTheirOrderAndLeaveTheWindowAsItWas) {
    addEntity("1", "PREFEITURA", "1", "7");
    addEntity("2", "CÂMARA", nullptr, nullptr);
    open();
    const QString munic = inst.dataFolder() + ParamFiles::kMunicFile;
    auto* lookup = child<QComboBox>("DBLookupComboBox1");

    const std::vector<std::pair<QString, std::function<void()>>> steps = {
        {QStringLiteral("Orgão Obrigatório!"), [] {}},
        {QStringLiteral("Selecione a Pasta onde os Arquivos serão Gerados!"),
         [&] { chooseEntity(QStringLiteral("PREFEITURA")); }},
        {QStringLiteral("Selecione os Arquivos que serão Gerados!"),
         [&] {
             child<QLineEdit>("edtLocal")->setText(inst.outputFolder());
             child<QCheckBox>("Cbppa")->setChecked(false);
             child<QCheckBox>("CbBalancete")->setChecked(false);
         }},
        {QStringLiteral("Tipo das Entidades não Definidos!"),
         [&] { child<QCheckBox>("CbBalancete")->setChecked(true); }},
        {QStringLiteral("Relacionamento entre Entidade e Orgão não Definidos!"),
         [&] {
             inst.exec(QStringLiteral("UPDATE TABEMPRESA SET TIPO = 2 WHERE EMPRESA = 2"));
             inst.closeDatabase();
         }},
        {QStringLiteral("Arquivo de Paramêtro do Arquivo Orgao.txt não encontrado!"),
         [&] {
             inst.exec(QStringLiteral("UPDATE TABEMPRESA SET CODAUDESP = 8 WHERE EMPRESA = 2"));
             inst.closeDatabase();
         }},
        {QStringLiteral("Arquivo de Paramêtro do PPA não encontrado!"),
         [&] {
             inst.seedParamFiles();
             inst.closeDatabase();
             ASSERT_TRUE(QFile::remove(munic));
         }},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].first.toStdString());
        steps[i].second();
        messages.clear();
        gerar();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, steps[i].first);
        EXPECT_EQ(messages[0].caption, QStringLiteral("Atenção"));
        EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
        ASSERT_TRUE(w->lastResult().has_value());
        EXPECT_EQ(w->lastResult()->failedCheck, int(i) + 1);
        if (i == 0) {
            EXPECT_EQ(QApplication::focusWidget(), lookup);
            button("gerar")->setFocus();  // the later checks do not move it
        }
        EXPECT_TRUE(button("gerar")->isEnabled());
        EXPECT_TRUE(button("fechar")->isEnabled());
        EXPECT_EQ(list()->topLevelItemCount(), 0);
        EXPECT_TRUE(QDir(inst.outputFolder()).isEmpty());
    }
    EXPECT_TRUE(questions.empty());
}

TEST_F(MainWindowTest, AWholeRunFillsTheListFileByFileAndAsksWhetherToPack) {
    readyForRun();
    std::vector<bool> buttonsWhileWriting;
    QObject::connect(list()->model(), &QAbstractItemModel::rowsInserted, w.get(), [&] {
        buttonsWhileWriting.push_back(button("gerar")->isEnabled() ||
                                      button("fechar")->isEnabled() ||
                                      w->cursor().shape() != Qt::BusyCursor);
    });
    answers.push_back(false);
    const QString title = w->windowTitle();

    gerar();

    ASSERT_TRUE(messages.empty()) << messages[0].text.toStdString();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(questions[0].text,
              QStringLiteral("Arquivos Gerados Com Sucesso!\rDeseja compacta-los?"));
    EXPECT_EQ(questions[0].icon, MessageIcon::None);
    EXPECT_FALSE(questionDefaults[0]);
    EXPECT_TRUE(buttonsAtQuestion[0]);
    ASSERT_FALSE(buttonsWhileWriting.empty());
    for (bool enabled : buttonsWhileWriting)
        EXPECT_FALSE(enabled);

    const QStringList files = QDir(inst.outputFolder()).entryList(QDir::Files, QDir::Name);
    QStringList generated;
    for (const QString& f : files) {
        if (f.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            generated << f;
    }
    ASSERT_EQ(list()->topLevelItemCount(), generated.size());
    const QString today = NumberFormat::shortDate(QDate::currentDate());
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list()->topLevelItem(i);
        const QString name = item->text(0);
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(generated.contains(name));
        const QByteArray bytes = inst.readOutput(name);
        EXPECT_EQ(item->text(1), lineCount(bytes));
        EXPECT_EQ(item->text(2), today);
        EXPECT_EQ(item->text(3),
                  QString::number(OutputFile::sizeInKb(inst.outputFolder() + name)) + " Kb");
        const auto match = LogNames::forCaption(name, QStringLiteral("12"), QStringLiteral("2009"));
        ASSERT_TRUE(match.has_value());
        const bool hasLog =
            QFile::exists(inst.outputFolder() + LogNames::logFileName(match->nomeLog));
        EXPECT_EQ(item->data(0, TFrmPrincipal::kStateRole).toInt(),
                  int(hasLog ? FileState::Errors : FileState::Ok));
    }
    QTreeWidgetItem* arc = line(QStringLiteral("ARC1209.TXT"));
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->text(1), QStringLiteral("1"));
    EXPECT_EQ(arc->text(3), QStringLiteral("0 Kb"));
    EXPECT_EQ(arc->data(0, TFrmPrincipal::kStateRole).toInt(), int(FileState::Ok));

    // One step of 18 per balance generator.
    EXPECT_EQ(child<QProgressBar>("p2")->maximum(), 18);
    EXPECT_EQ(child<QProgressBar>("p2")->value(), int(balanceGenerators().size()));
    EXPECT_TRUE(button("gerar")->isEnabled());
    EXPECT_TRUE(button("fechar")->isEnabled());
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);  // the busy cursor is gone
    EXPECT_FALSE(inst.outputExists(QStringLiteral("PREST1209.ZIP")));
    EXPECT_EQ(w->windowTitle(), title);
}

TEST_F(MainWindowTest, AListLineShowsTheHourglassUntilItsFileIsClosed) {
    addEntity("1", "PREFEITURA", "1", "7");
    open();
    w->onFileStarted(QStringLiteral("DSP1209.TXT"));
    QTreeWidgetItem* item = line(QStringLiteral("DSP1209.TXT"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->data(0, TFrmPrincipal::kStateRole).toInt(), int(FileState::Filling));
    EXPECT_TRUE(item->text(1).isEmpty());
    FileListLine done;
    done.name = QStringLiteral("DSP1209.TXT");
    done.lines = QStringLiteral("7");
    done.date = QStringLiteral("07042009");
    done.size = QStringLiteral("2 Kb");
    done.state = FileState::Errors;
    w->onFileCompleted(done);
    EXPECT_EQ(item->text(1), QStringLiteral("7"));
    EXPECT_EQ(item->text(2), QStringLiteral("07042009"));
    EXPECT_EQ(item->text(3), QStringLiteral("2 Kb"));
    EXPECT_EQ(item->data(0, TFrmPrincipal::kStateRole).toInt(), int(FileState::Errors));
}

TEST_F(MainWindowTest, ARunEndingInAnErrorShowsItAndGivesTheButtonsBack) {
    readyForRun();
    const QString missing = inst.root() + QStringLiteral("nao-existe/");
    child<QLineEdit>("edtLocal")->setText(missing);

    gerar();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages[0].text.contains(missing)) << messages[0].text.toStdString();
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(w->lastResult().has_value());
    EXPECT_TRUE(button("gerar")->isEnabled());
    EXPECT_TRUE(button("fechar")->isEnabled());
    EXPECT_TRUE(button("RzMenuButton1")->isEnabled());
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);

    // The operator mends the folder and runs again.
    messages.clear();
    child<QLineEdit>("edtLocal")->setText(inst.outputFolder());
    answers.push_back(false);
    gerar();
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(line(QStringLiteral("ARC1209.TXT")), nullptr);
}

TEST_F(MainWindowTest, PackingAtTheEndOfARunAndDecliningToReplaceTheArchive) {
    readyForRun();
    answers = {true};
    gerar();

    const QString archive = inst.outputFolder() + QStringLiteral("PREST1209.ZIP");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Arquivo Zip Gerado com Sucesso!"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(w->windowTitle(), QDir::toNativeSeparators(QDir(inst.outputFolder()).absolutePath()));
    QStringList names;
    for (const ZipEntry& e : readZip(archive)) {
        names << e.name;
        EXPECT_EQ(e.content, inst.readOutput(e.name));
    }
    QStringList listed;
    for (int i = 0; i < list()->topLevelItemCount(); ++i)
        listed << list()->topLevelItem(i)->text(0);
    names.sort();
    listed.sort();
    EXPECT_EQ(names, listed);

    const QByteArray before = readBytes(archive);
    messages.clear();
    questions.clear();
    answers = {true, false};  // pack, but keep the existing archive
    gerar();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].text, QStringLiteral("Substituir Arquivo Existente: ") + archive + u'?');
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_TRUE(button("gerar")->isEnabled());
}

TEST_F(MainWindowTest, DoubleClickOpensTheLinesLogAndTheViewerShowsTheRecordInError) {
    readyForRun();
    answers.push_back(false);
    gerar();
    QTreeWidgetItem* arc = line(QStringLiteral("ARC1209.TXT"));
    ASSERT_NE(arc, nullptr);
    // The month of the last run names the files, whatever the month list shows now.
    child<QComboBox>("mes_ref")->setCurrentIndex(0);

    list()->clearSelection();
    w->lstArqsDblClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(opened.isEmpty());

    arc->setSelected(true);
    w->lstArqsDblClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Arquivo de Log não Encontrado!"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Erro"));
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);

    const QString log = inst.outputFolder() + QStringLiteral("log_erro_BC_ARCMMAA.dat");
    {
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Win1252::encode(OutputFile::logLine("99", 1, "TABEMPRESA", "NOME", 4)) + "\r\n");
        f.write(Win1252::encode(OutputFile::logLine("99", 5, "TABEMPRESA", "*.*", 2)) + "\r\n");
    }
    w->lstArqsDblClick();
    EXPECT_EQ(opened, QStringList{log});

    TFrmErros* viewer = w->openErrorViewer(arc);
    ASSERT_NE(viewer, nullptr);
    ASSERT_EQ(viewer->entries().size(), 2u);
    EXPECT_EQ(viewer->entries()[0].field, QStringLiteral("NOME"));
    EXPECT_TRUE(viewer->recordText().endsWith(QStringLiteral("99") + QString(244, u' ') +
                                              QStringLiteral("000001")));
    viewer->selectError(1);  // no record carries sequence 5
    EXPECT_TRUE(viewer->recordText().isEmpty());
    viewer->close();
}

TEST_F(MainWindowTest, AnUnreachableDatabaseIsReportedAndEndsTheProgram) {
    inst.writeIni(
        QStringLiteral("[VOLD]\r\nAno=2010\r\nCaminho_Base_Dados=%1dados/\r\n").arg(inst.root()));
    open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Erro na Base de Dados"));
    EXPECT_EQ(
        messages[0].text,
        QStringLiteral("Base de Dados do sistema não encontrada !!! O Sistema será finalizado."));
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(child<QLabel>("Exerc")->text(), QStringLiteral("Exerc.: 2010"));
    EXPECT_EQ(child<QComboBox>("DBLookupComboBox1")->count(), 0);
}

TEST_F(MainWindowTest, AMaintenanceItemOpensItsWindowAndTheEntitiesAreReadAgain) {
    addEntity("1", "PREFEITURA", "1", "7");
    open();
    chooseEntity(QStringLiteral("PREFEITURA"));
    auto* item = child<QMenu>("PopupMenu1")->actions()[0];
    int opens = 0;
    w->setMaintenanceAction(0, [&] {
        ++opens;
        addEntity("2", "CÂMARA", "2", "8");
        inst.closeDatabase();
    });
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(child<QMenu>("PopupMenu1")->actions()[1]->isEnabled());
    item->trigger();
    EXPECT_EQ(opens, 1);
    auto* lookup = child<QComboBox>("DBLookupComboBox1");
    EXPECT_EQ(lookup->count(), 2);
    EXPECT_EQ(lookup->currentText(), QStringLiteral("PREFEITURA"));  // the choice is kept
}

}  // namespace
