#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/GenerationRun.h"
#include "output/Clock.h"
#include "output/RunObserver.h"
#include "settings/DbRow.h"

class Conexao;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFrmErros;
class WindowObserver;

// The main window: the operator's choices, the run behind "Gerar", the list of generated files
// with their error logs, the parameter menu. The run itself works on a thread of its own so the
// window keeps repainting; only one run at a time uses the connection.
class TFrmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // The operator's side of messages, questions and opened files; tests replace them.
    struct Dialogs {
        std::function<void(const OperatorMessage&)> message;
        std::function<bool(const OperatorMessage&, bool defaultYes)> question;
        std::function<void(const QString& path)> openFile;
        std::function<void()> terminate;  // the program ends once back in the event loop
    };

    // The item data of a list line's first column that holds its FileState.
    static constexpr int kStateRole = Qt::UserRole + 1;

    explicit TFrmPrincipal(QString iniPath, QWidget* parent = nullptr);
    ~TFrmPrincipal() override;

    Dialogs& dialogs() { return dialogs_; }

    // Enables item `index` of the parameter menu (0 "Tipo de Entidade", 1 "Relac. entre Empresa
    // e Poder", 2 "Paramêtros do Arquivo Orgao.txt", 3 "Parâmetros Identificação do Município
    // (PPA)"): a click calls `open`, then reloads the entity list.
    void setMaintenanceAction(int index, std::function<void()> open);
    // Reads the entities anew, keeping the chosen one when it is still there.
    void reloadEntities();

    // Probes and opens the year's database, then lists the entities; done on first show. A
    // database that cannot be reached is reported and ends the program.
    bool connectDatabase();
    Conexao& conexao() { return *conexao_; }
    const std::vector<DbRow>& entities() const { return entities_; }

    // "Gerar": starts the run with the choices as they stand now.
    void gerarClick();
    bool isRunning() const { return running_; }
    // The last run's outcome; empty before the first run and after a run that ended in an error.
    const std::optional<GenerationRun::Result>& lastResult() const { return lastResult_; }

    // Double-click on the list: the selected line's error log in the desktop's editor.
    void lstArqsDblClick();
    // The built-in viewer of a line's error log; null when the line has no log.
    TFrmErros* openErrorViewer(QTreeWidgetItem* item);

    // "VOLD 8.0 - MODULO TCM - GO - Atualizado dia " and the date of "zelka8.exe" in the folder,
    // or "FrmPrincipal" when there is no such file.
    static QString captionFor(const QString& executableFolder);

    // Called on the window's thread by the run's observer.
    void onRunStarted();
    void onRunFinished();
    void onFileStarted(const QString& name);
    void onFileCompleted(const FileListLine& line);
    void setProgress(ProgressBar bar, int position, int maximum);
    void showOperatorMessage(const OperatorMessage& message);
    bool askOperator(const OperatorMessage& question, bool defaultYes);

signals:
    // The run (checks, files, final question and packing) has ended, whichever way.
    void runEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RunEnd {
        std::optional<GenerationRun::Result> result;
        QString error;
    };
    void buildWindow();
    QWidget* buildHeader();
    QWidget* buildLeftBand();
    QWidget* buildClient();
    void buildStatusBar();
    void setBusy(bool busy);
    void onRunDone(const RunEnd& end);
    void RzRapidFireButton1Click();
    void Image1Click();
    void showListMenu(const QPoint& pos);
    struct LogTarget {
        QString logPath;
        QString filePath;
        bool planning = false;
    };
    std::optional<LogTarget> logTarget(QTreeWidgetItem* item) const;

    QString iniPath_;
    Dialogs dialogs_;
    std::unique_ptr<Conexao> conexao_;
    std::unique_ptr<WindowObserver> observer_;
    SystemClock clock_;
    std::unique_ptr<GenerationRun> run_;
    std::vector<DbRow> entities_;
    bool connectTried_ = false;
    bool running_ = false;
    std::optional<GenerationRun::Result> lastResult_;
    // The period and folder of the last run that passed its checks, for the viewer.
    QString viewMes_, viewExercicio_, viewFolder_;
    QString pendingMes_, pendingFolder_;
    bool pendingBalancete_ = false;

    QComboBox* DBLookupComboBox1 = nullptr;
    QLineEdit* edtLocal = nullptr;
    QToolButton* RzRapidFireButton1 = nullptr;
    QComboBox* mes_ref = nullptr;
    QCheckBox* Cbppa = nullptr;
    QCheckBox* CbBalancete = nullptr;
    QPushButton* RzMenuButton1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* maintenance_[4] = {};
    std::function<void()> maintenanceOpen_[4];
    QTreeWidget* lstArqs = nullptr;
    QTreeWidgetItem* ItemArquivo = nullptr;
    QProgressBar* p1 = nullptr;
    QProgressBar* p2 = nullptr;
    QPushButton* gerar = nullptr;
    QPushButton* fechar = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Exerc = nullptr;
    QLabel* clockTime_ = nullptr;
    QLabel* clockDate_ = nullptr;
};
