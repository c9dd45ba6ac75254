#include "app/windows/TFrmPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/EntityList.h"
#include "app/LogNames.h"
#include "app/ZipPackager.h"
#include "app/windows/MarqueeLabel.h"
#include "app/windows/StateImages.h"
#include "app/windows/TFrmErros.h"
#include "app/windows/WindowObserver.h"
#include "settings/Conexao.h"

namespace {

const QColor kTeal(0x00, 0x80, 0x80);
const QString kPublisherName = QStringLiteral("Quelp Informática");
const QString kPublisherUrl = QStringLiteral("http://www.quelp.com.br");

enum ItemRole { FilePathRole = TFrmPrincipal::kStateRole + 1, LogPathRole };

QWidget* teal(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kTeal);
    pal.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    return w;
}

QGroupBox* group(const QString& name, const QString& caption) {
    auto* g = new QGroupBox(caption);
    g->setObjectName(name);
    g->setStyleSheet(QStringLiteral("QGroupBox::title { color: #0000FF; }"));
    return g;
}

template <typename W>
W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString boxCaption(const QString& caption) {
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

// The run's messages use "\r" for a line break, as the old message boxes did.
QString boxText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

}  // namespace

TFrmPrincipal::TFrmPrincipal(QString iniPath, QWidget* parent)
    : QMainWindow(parent),
      iniPath_(std::move(iniPath)),
      conexao_(std::make_unique<Conexao>(iniPath_)),
      observer_(std::make_unique<WindowObserver>(this)) {
    setObjectName(QStringLiteral("FrmPrincipal"));
    dialogs_.message = [this](const OperatorMessage& m) {
        QMessageBox box(boxIcon(m.icon), boxCaption(m.caption), boxText(m.text), QMessageBox::Ok,
                        this);
        box.exec();
    };
    dialogs_.question = [this](const OperatorMessage& q, bool defaultYes) {
        QMessageBox box(boxIcon(q.icon), boxCaption(q.caption), boxText(q.text),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    dialogs_.openFile = [](const QString& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    dialogs_.terminate = [] {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    };
    setWindowTitle(captionFor(QCoreApplication::applicationDirPath()));
    buildWindow();
}

TFrmPrincipal::~TFrmPrincipal() {
    // The run's thread uses this window until it reports its end.
    while (running_)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

QString TFrmPrincipal::captionFor(const QString& executableFolder) {
    const QFileInfo zelka(QDir(executableFolder).filePath(QStringLiteral("zelka8.exe")));
    if (!zelka.exists())
        return QStringLiteral("FrmPrincipal");
    const QDateTime when = zelka.lastModified();
    const QLocale locale = QLocale::system();
    return QStringLiteral("VOLD 8.0 - MODULO TCM - GO - Atualizado dia ") +
           locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), QLocale::LongFormat);
}

void TFrmPrincipal::buildWindow() {
    setFont(QFont(QStringLiteral("Verdana"), 8));
    resize(1032, 746);
    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildHeader());
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(buildLeftBand());
    body->addWidget(buildClient(), 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);
    buildStatusBar();
}

QWidget* TFrmPrincipal::buildHeader() {
    auto* panel = teal(named(new QFrame, QStringLiteral("RzPanel1")));
    panel->setFixedHeight(81);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 6, 12, 6);
    auto* logo = named(new QLabel, QStringLiteral("Image2"));
    logo->setPixmap(StateImages::courtLogo(66));
    row->addWidget(logo);
    auto* titles = new QVBoxLayout;
    auto* title = named(new QLabel(QStringLiteral("Tribunal de Contas dos Municípios de Goiás")),
                        QStringLiteral("Label6"));
    QFont big(QStringLiteral("Verdana"), 12);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = named(
        new QLabel(
            QStringLiteral("VOLD - Sistema de Contabilidade Pública - VERSÃO EXPORTAÇÃO QUELP ")),
        QStringLiteral("Label7"));
    QFont bold(QStringLiteral("Verdana"), 8);
    bold.setBold(true);
    subtitle->setFont(bold);
    titles->addStretch();
    titles->addWidget(title);
    titles->addWidget(subtitle);
    titles->addStretch();
    row->addLayout(titles, 1);
    return panel;
}

QWidget* TFrmPrincipal::buildLeftBand() {
    auto* panel = teal(named(new QFrame, QStringLiteral("RzPanel2")));
    panel->setFixedWidth(129);
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(6, 12, 6, 12);
    Image1 = named(new QLabel, QStringLiteral("Image1"));
    Image1->setPixmap(StateImages::publisherLogo(96));
    Image1->setAlignment(Qt::AlignCenter);
    Label4 = named(new QLabel(kPublisherName), QStringLiteral("Label4"));
    Label5 = named(new QLabel(kPublisherUrl.mid(kPublisherUrl.indexOf(QStringLiteral("www")))),
                   QStringLiteral("Label5"));
    for (QLabel* l : {Image1, Label4, Label5}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        col->addWidget(l);
    }
    col->addStretch();
    return panel;
}

QWidget* TFrmPrincipal::buildClient() {
    auto* panel = named(new QFrame, QStringLiteral("RzPanel3"));
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(8, 8, 8, 0);

    // Entity and output folder.
    auto* row1 = new QHBoxLayout;
    auto* gEntity = group(QStringLiteral("GroupBox7"), QStringLiteral("Orgão"));
    DBLookupComboBox1 = named(new QComboBox, QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setEditable(false);
    (new QHBoxLayout(gEntity))->addWidget(DBLookupComboBox1);
    auto* gFolder =
        group(QStringLiteral("GroupBox1"), QStringLiteral("Os arquivos serão gerados em"));
    edtLocal = named(new QLineEdit, QStringLiteral("edtLocal"));
    RzRapidFireButton1 = named(new QToolButton, QStringLiteral("RzRapidFireButton1"));
    RzRapidFireButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    RzRapidFireButton1->setToolTip(
        QStringLiteral("Selecione a Pasta onde os Arquivos Serão Gerados"));
    connect(RzRapidFireButton1, &QToolButton::clicked, this,
            &TFrmPrincipal::RzRapidFireButton1Click);
    auto* folderRow = new QHBoxLayout(gFolder);
    folderRow->addWidget(edtLocal, 1);
    folderRow->addWidget(RzRapidFireButton1);
    row1->addWidget(gEntity, 1);
    row1->addWidget(gFolder, 1);
    col->addLayout(row1);

    // Month, file groups, parameters.
    auto* row2 = new QHBoxLayout;
    auto* gMonth = group(QStringLiteral("GroupBox4"), QStringLiteral("Mês de Referencia"));
    mes_ref = named(new QComboBox, QStringLiteral("mes_ref"));
    mes_ref->addItems({QStringLiteral("JANEIRO"), QStringLiteral("FEVEREIRO"),
                       QStringLiteral("MARÇO"), QStringLiteral("ABRIL"), QStringLiteral("MAIO"),
                       QStringLiteral("JUNHO"), QStringLiteral("JULHO"), QStringLiteral("AGOSTO"),
                       QStringLiteral("SETEMBRO"), QStringLiteral("OUTUBRO"),
                       QStringLiteral("NOVEMBRO"), QStringLiteral("DEZEMBRO")});
    mes_ref->setCurrentIndex(0);
    (new QHBoxLayout(gMonth))->addWidget(mes_ref);
    auto* gFiles = group(QStringLiteral("GroupBox9"), QStringLiteral("Arquivos:"));
    Cbppa = named(new QCheckBox(QStringLiteral("PPA, LDO e LOA")), QStringLiteral("Cbppa"));
    CbBalancete = named(new QCheckBox(QStringLiteral("Balancete ")), QStringLiteral("CbBalancete"));
    Cbppa->setChecked(true);
    CbBalancete->setChecked(true);
    auto* filesRow = new QHBoxLayout(gFiles);
    filesRow->addWidget(Cbppa);
    filesRow->addWidget(CbBalancete);
    filesRow->addStretch();
    RzMenuButton1 =
        named(new QPushButton(QStringLiteral("Paramêtros")), QStringLiteral("RzMenuButton1"));
    PopupMenu1 = named(new QMenu(this), QStringLiteral("PopupMenu1"));
    const QString items[4][2] = {{QStringLiteral("teste1"), QStringLiteral("Tipo de Entidade")},
                                 {QStringLiteral("RelacentreEmpresaePoder1"),
                                  QStringLiteral("Relac. entre Empresa e Poder")},
                                 {QStringLiteral("ParamtrosdoArquivoOrgaotxt1"),
                                  QStringLiteral("Paramêtros do Arquivo Orgao.txt")},
                                 {QStringLiteral("IdentificaodoMunicpio1"),
                                  QStringLiteral("Parâmetros Identificação do Município (PPA)")}};
    for (int i = 0; i < 4; ++i) {
        maintenance_[i] = PopupMenu1->addAction(items[i][1]);
        maintenance_[i]->setObjectName(items[i][0]);
        maintenance_[i]->setEnabled(false);
        connect(maintenance_[i], &QAction::triggered, this, [this, i] {
            if (running_ || !maintenanceOpen_[i])
                return;
            maintenanceOpen_[i]();
            reloadEntities();
        });
    }
    RzMenuButton1->setMenu(PopupMenu1);
    row2->addWidget(gMonth, 1);
    row2->addWidget(gFiles, 2);
    row2->addWidget(RzMenuButton1, 0, Qt::AlignBottom);
    col->addLayout(row2);

    // Generated files.
    auto* gList = group(QStringLiteral("GroupBox2"), QStringLiteral("Lista de Arquivos Gerados"));
    lstArqs = named(new QTreeWidget, QStringLiteral("lstArqs"));
    lstArqs->setColumnCount(4);
    lstArqs->setHeaderLabels({QStringLiteral("Arquivo Gerado"), QStringLiteral("Linhas"),
                              QStringLiteral("Data"), QStringLiteral("Tamanho")});
    const int widths[] = {405, 50, 80, 100};
    for (int i = 0; i < 4; ++i)
        lstArqs->setColumnWidth(i, widths[i]);
    lstArqs->header()->setStretchLastSection(false);
    lstArqs->setRootIsDecorated(false);
    lstArqs->setItemsExpandable(false);
    lstArqs->setUniformRowHeights(true);
    lstArqs->setSelectionMode(QAbstractItemView::SingleSelection);
    lstArqs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstArqs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstArqs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstArqs, &QTreeWidget::itemDoubleClicked, this, [this] { lstArqsDblClick(); });
    connect(lstArqs, &QTreeWidget::customContextMenuRequested, this, &TFrmPrincipal::showListMenu);
    (new QVBoxLayout(gList))->addWidget(lstArqs);
    col->addWidget(gList, 1);

    // Legend.
    auto* legend = named(new QGroupBox, QStringLiteral("GroupBox3"));
    auto* legendRow = new QHBoxLayout(legend);
    const std::pair<FileState, QString> entries[] = {
        {FileState::Ok, QStringLiteral("Arquivo Gerado com Sucesso")},
        {FileState::Errors, QStringLiteral("Arquivo Criado com Erros")},
        {FileState::Filling, QStringLiteral("Arquivo sendo Preenchido")},
        {FileState::DataProblem, QStringLiteral("Problemas ao Recuperar os Dados")}};
    for (const auto& [state, text] : entries) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("imgLegenda%1").arg(int(state)));
        picture->setPixmap(StateImages::pixmap(state));
        legendRow->addWidget(picture);
        legendRow->addWidget(new QLabel(text));
        legendRow->addSpacing(18);
    }
    legendRow->addStretch();
    col->addWidget(legend);

    // Progress.
    col->addWidget(named(new QLabel(QStringLiteral("Arquivo Atual")), QStringLiteral("Label1")));
    p1 = named(new QProgressBar, QStringLiteral("p1"));
    col->addWidget(p1);
    col->addWidget(named(
        new QLabel(QStringLiteral("Progresso Geral de Criação dos Arquivos de Envio ao Tribunal de "
                                  "Contas")),
        QStringLiteral("Label2")));
    p2 = named(new QProgressBar, QStringLiteral("p2"));
    col->addWidget(p2);
    for (QProgressBar* p : {p1, p2}) {
        p->setRange(0, 100);
        p->setValue(0);
        p->setTextVisible(false);
        p->setFixedHeight(18);
    }

    // Buttons.
    auto* strip = named(new QFrame, QStringLiteral("RzPanel4"));
    auto* stripRow = new QHBoxLayout(strip);
    stripRow->setContentsMargins(0, 6, 0, 6);
    stripRow->addStretch();
    auto* buttons = named(new QFrame, QStringLiteral("Panel1"));
    auto* buttonsRow = new QHBoxLayout(buttons);
    buttonsRow->setContentsMargins(0, 0, 0, 0);
    gerar = named(new QPushButton(QStringLiteral("Gerar")), QStringLiteral("gerar"));
    fechar = named(new QPushButton(QStringLiteral("Fechar")), QStringLiteral("fechar"));
    gerar->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    fechar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    for (QPushButton* b : {gerar, fechar}) {
        b->setMinimumSize(90, 28);
        buttonsRow->addWidget(b);
    }
    connect(gerar, &QPushButton::clicked, this, &TFrmPrincipal::gerarClick);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    stripRow->addWidget(buttons);
    col->addWidget(strip);
    return panel;
}

void TFrmPrincipal::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StsMain"));
    bar->setSizeGripEnabled(false);
    auto* marquee = new MarqueeLabel(
        QStringLiteral("Tribunal de Contas dos Municípios do Estado de Goiás"), 50);
    marquee->setObjectName(QStringLiteral("RzMarqueeStatus1"));
    marquee->setMinimumWidth(330);
    Exerc = named(new QLabel(QStringLiteral("Exerc.: ")), QStringLiteral("Exerc"));
    Exerc->setMinimumWidth(90);
    clockTime_ = named(new QLabel, QStringLiteral("RzClockStatus1"));
    clockTime_->setMinimumWidth(70);
    clockDate_ = named(new QLabel, QStringLiteral("RzClockStatus2"));
    clockDate_->setMinimumWidth(230);
    auto* publisher = named(new QLabel(kPublisherName), QStringLiteral("RzStatusPane1"));
    bar->addWidget(marquee);
    bar->addWidget(Exerc);
    bar->addWidget(clockTime_);
    bar->addWidget(clockDate_);
    bar->addWidget(publisher, 1);
    auto* tick = new QTimer(this);
    auto refresh = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        clockTime_->setText(now.time().toString(QStringLiteral("H:mm:ss")));
        clockDate_->setText(QLocale::system().toString(now.date(), QLocale::LongFormat));
    };
    connect(tick, &QTimer::timeout, this, refresh);
    refresh();
    tick->start(100);
}

void TFrmPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!connectTried_)
        connectDatabase();
}

void TFrmPrincipal::closeEvent(QCloseEvent* event) {
    // A run keeps the connection and its files open: it ends first.
    if (running_) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool TFrmPrincipal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == Image1 || watched == Label4 || watched == Label5)) {
        Image1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmPrincipal::Image1Click() {
    QDesktopServices::openUrl(QUrl(kPublisherUrl));
}

void TFrmPrincipal::RzRapidFireButton1Click() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Selecione a Pasta onde os Arquivos Serão Gerados"), edtLocal->text());
    if (!folder.isEmpty())
        edtLocal->setText(QDir::toNativeSeparators(folder) + QDir::separator());
}

bool TFrmPrincipal::connectDatabase() {
    connectTried_ = true;
    try {
        conexao_->connect();
    } catch (const DatabaseNotFound& e) {
        Exerc->setText(conexao_->exercicioPane());
        dialogs_.message({DatabaseNotFound::kCaption, e.message(), MessageIcon::Error});
        dialogs_.terminate();
        return false;
    } catch (const EnvironmentError& e) {
        Exerc->setText(conexao_->exercicioPane());
        dialogs_.message({QString(), e.message(), MessageIcon::Error});
        return false;
    }
    Exerc->setText(conexao_->exercicioPane());
    run_ = std::make_unique<GenerationRun>(*conexao_, *observer_, clock_);
    // Runs on the run's thread, after the operator answered Yes to the final question.
    run_->setPacker([this](const RunContext& c) {
        QMetaObject::invokeMethod(
            this, [this] { setBusy(true); }, Qt::QueuedConnection);
        ZipPackager packer(*observer_);
        const PackResult r = packer.Compacta(c);
        const QString caption = r.caption;
        QMetaObject::invokeMethod(
            this,
            [this, caption] {
                if (!caption.isEmpty())
                    setWindowTitle(caption);
            },
            Qt::QueuedConnection);
    });
    reloadEntities();
    return true;
}

void TFrmPrincipal::reloadEntities() {
    if (!conexao_->isConnected() || running_)
        return;
    QString chosen;
    const int current = DBLookupComboBox1->currentIndex();
    if (current >= 0 && size_t(current) < entities_.size())
        chosen = entities_[size_t(current)].text(QStringLiteral("EMPRESA"));
    try {
        entities_ = EntityList::load(conexao_->database());
    } catch (const EnvironmentError& e) {
        entities_.clear();
        dialogs_.message({QString(), e.message(), MessageIcon::Error});
    }
    DBLookupComboBox1->clear();
    int keep = -1;
    for (size_t i = 0; i < entities_.size(); ++i) {
        DBLookupComboBox1->addItem(entities_[i].text(QStringLiteral("NOME")));
        if (!chosen.isEmpty() && entities_[i].text(QStringLiteral("EMPRESA")) == chosen)
            keep = int(i);
    }
    DBLookupComboBox1->setCurrentIndex(keep);
}

void TFrmPrincipal::setMaintenanceAction(int index, std::function<void()> open) {
    if (index < 0 || index >= 4)
        return;
    maintenanceOpen_[index] = std::move(open);
    maintenance_[index]->setEnabled(bool(maintenanceOpen_[index]));
}

void TFrmPrincipal::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    gerar->setEnabled(!busy);
    fechar->setEnabled(!busy);
    // The maintenance windows use the connection and write what the run reads.
    RzMenuButton1->setEnabled(!busy);
}

void TFrmPrincipal::gerarClick() {
    if (running_)
        return;
    if (!run_) {
        dialogs_.message(
            {QString(), QStringLiteral("Base de dados não conectada"), MessageIcon::Error});
        return;
    }
    RunChoices choices;
    const int index = DBLookupComboBox1->currentIndex();
    if (index >= 0 && size_t(index) < entities_.size() &&
        !entities_[size_t(index)].value(QStringLiteral("CODAUDESP")).isNull())
        choices.entity = entities_[size_t(index)];
    choices.outputFolder = edtLocal->text();
    choices.monthIndex = std::max(0, mes_ref->currentIndex());
    choices.ppa = Cbppa->isChecked();
    choices.balancete = CbBalancete->isChecked();
    pendingBalancete_ = choices.balancete;
    pendingMes_ = QStringLiteral("%1").arg(choices.monthIndex + 1, 2, 10, QChar(u'0'));
    pendingFolder_ = GenerationRun::asFolder(choices.outputFolder);

    running_ = true;
    gerar->setEnabled(false);  // no second run while this one checks
    GenerationRun* run = run_.get();
    QThread* thread = QThread::create([this, run, choices] {
        RunEnd end;
        try {
            end.result = run->gerarClick(choices);
        } catch (const EnvironmentError& e) {
            end.error = e.message();
        } catch (const std::exception& e) {
            end.error = QString::fromLocal8Bit(e.what());
        }
        QMetaObject::invokeMethod(
            this, [this, end] { onRunDone(end); }, Qt::QueuedConnection);
    });
    thread->setObjectName(QStringLiteral("geracao"));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void TFrmPrincipal::onRunDone(const RunEnd& end) {
    // The thread has left the run: its state may be read here.
    observer_->deliverProgress();
    setBusy(false);
    gerar->setEnabled(true);
    running_ = false;
    lastResult_ = end.result;
    if (!end.error.isEmpty())
        dialogs_.message({QStringLiteral("Erro"), end.error, MessageIcon::Error});
    else if (end.result && end.result->failedCheck == 1)
        DBLookupComboBox1->setFocus();
    emit runEnded();
}

void TFrmPrincipal::onRunStarted() {
    viewExercicio_ = conexao_->Exercicio();
    viewFolder_ = pendingFolder_;
    if (pendingBalancete_)
        viewMes_ = pendingMes_;
    lstArqs->clear();
    ItemArquivo = nullptr;
    setBusy(true);
}

void TFrmPrincipal::onRunFinished() {
    setBusy(false);
}

void TFrmPrincipal::onFileStarted(const QString& name) {
    ItemArquivo = new QTreeWidgetItem(lstArqs, QStringList{name});
    ItemArquivo->setIcon(0, StateImages::icon(FileState::Filling));
    ItemArquivo->setData(0, kStateRole, int(FileState::Filling));
    lstArqs->scrollToItem(ItemArquivo);
    lstArqs->setFocus();
}

void TFrmPrincipal::onFileCompleted(const FileListLine& line) {
    if (!ItemArquivo)
        return;
    ItemArquivo->setText(1, line.lines);
    ItemArquivo->setText(2, line.date);
    ItemArquivo->setText(3, line.size);
    for (int c = 1; c < 4; ++c)
        ItemArquivo->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    ItemArquivo->setIcon(0, StateImages::icon(line.state));
    ItemArquivo->setData(0, kStateRole, int(line.state));
    ItemArquivo->setData(0, FilePathRole, line.filePath);
    ItemArquivo->setData(0, LogPathRole, line.logPath);
}

void TFrmPrincipal::setProgress(ProgressBar bar, int position, int maximum) {
    QProgressBar* p = bar == ProgressBar::File ? p1 : p2;
    const int max = std::max(1, maximum);
    p->setMaximum(max);
    p->setValue(std::clamp(position, 0, max));
}

void TFrmPrincipal::showOperatorMessage(const OperatorMessage& message) {
    dialogs_.message(message);
}

bool TFrmPrincipal::askOperator(const OperatorMessage& question, bool defaultYes) {
    return dialogs_.question(question, defaultYes);
}

std::optional<TFrmPrincipal::LogTarget> TFrmPrincipal::logTarget(QTreeWidgetItem* item) const {
    if (!item)
        return std::nullopt;
    const std::optional<LogNames::Match> match =
        LogNames::forCaption(item->text(0), viewMes_, viewExercicio_);
    if (!match)
        return std::nullopt;
    return LogTarget{viewFolder_ + LogNames::logFileName(match->nomeLog),
                     viewFolder_ + item->text(0), match->planning};
}

void TFrmPrincipal::lstArqsDblClick() {
    const QList<QTreeWidgetItem*> selected = lstArqs->selectedItems();
    if (selected.isEmpty())
        return;
    const std::optional<LogTarget> target = logTarget(selected.first());
    if (!target)
        return;
    if (QFileInfo::exists(target->logPath))
        dialogs_.openFile(target->logPath);
    else
        dialogs_.message({QStringLiteral("Erro"), QStringLiteral("Arquivo de Log não Encontrado!"),
                          MessageIcon::Warning});
}

TFrmErros* TFrmPrincipal::openErrorViewer(QTreeWidgetItem* item) {
    const std::optional<LogTarget> target = logTarget(item);
    if (!target)
        return nullptr;
    if (!QFileInfo::exists(target->logPath)) {
        dialogs_.message({QStringLiteral("Erro"), QStringLiteral("Arquivo de Log não Encontrado!"),
                          MessageIcon::Warning});
        return nullptr;
    }
    auto* viewer = new TFrmErros(target->logPath, target->filePath, target->planning, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    return viewer;
}

void TFrmPrincipal::showListMenu(const QPoint& pos) {
    QTreeWidgetItem* item = lstArqs->itemAt(pos);
    if (!item)
        return;
    lstArqs->setCurrentItem(item);
    QMenu menu(this);
    QAction* view = menu.addAction(QStringLiteral("Ver Erros e Registros..."));
    QAction* open = menu.addAction(QStringLiteral("Abrir Log no Editor"));
    const bool hasLog = item->data(0, kStateRole).toInt() == int(FileState::Errors);
    view->setEnabled(hasLog);
    open->setEnabled(hasLog);
    QAction* chosen = menu.exec(lstArqs->viewport()->mapToGlobal(pos));
    if (chosen == view)
        openErrorViewer(item);
    else if (chosen == open)
        lstArqsDblClick();
}
