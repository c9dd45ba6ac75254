#include "app/GenerationRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Generators.h"
#include "params/ParamFiles.h"
#include "settings/Conexao.h"
#include "settings/DirectoryResolver.h"

const QString GenerationRun::kCaption = QStringLiteral("Atenção");

namespace {

// Ends the run's transaction whichever way the run leaves.
class TransactionScope {
public:
    explicit TransactionScope(RunContext& c) : c_(c) { c_.beginTransaction(); }
    ~TransactionScope() {
        try {
            c_.endTransaction();
        } catch (...) {
        }
    }

private:
    RunContext& c_;
};

void ensureWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        throw EnvironmentError(
            QStringLiteral("A pasta onde os arquivos serão gerados não existe: ") + folder);
    }
    if (!info.isWritable()) {
        throw EnvironmentError(
            QStringLiteral("Sem permissão para gravar na pasta onde os arquivos serão gerados: ") +
            folder);
    }
}

}  // namespace

GenerationRun::GenerationRun(Conexao& conexao, RunObserver& observer, const Clock& clock)
    : conexao_(conexao), observer_(observer), context_(conexao.database(), observer, clock) {}

QString GenerationRun::asFolder(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

bool GenerationRun::check(int number, bool failed, const QString& message) {
    if (!failed)
        return true;
    observer_.showMessage({kCaption, message, MessageIcon::Warning});
    result_.outcome = Outcome::CheckFailed;
    result_.failedCheck = number;
    return false;
}

GenerationRun::Result GenerationRun::gerarClick(const RunChoices& choices) {
    result_ = Result();
    context_.p1().setPosition(0);
    context_.p2().setPosition(0);
    context_.Exercicio = conexao_.Exercicio();
    TransactionScope scope(context_);
    Transaction& t = context_.transaction();

    if (!check(1, !choices.entity.has_value(), QStringLiteral("Orgão Obrigatório!")) ||
        !check(2, choices.outputFolder.isEmpty(),
               QStringLiteral("Selecione a Pasta onde os Arquivos serão Gerados!")) ||
        !check(3, !choices.ppa && !choices.balancete,
               QStringLiteral("Selecione os Arquivos que serão Gerados!")) ||
        !check(4,
               t.first(QStringLiteral("select * from tabempresa where tipo is null")).has_value(),
               QStringLiteral("Tipo das Entidades não Definidos!")) ||
        !check(
            5,
            t.first(QStringLiteral("select * from tabempresa where codaudesp is null")).has_value(),
            QStringLiteral("Relacionamento entre Entidade e Orgão não Definidos!"))) {
        return result_;
    }
    const QString dataFolder =
        DirectoryResolver::ResolveDiretorio(conexao_.iniPath(), QStringLiteral("D"));
    if (!check(6, !QFile::exists(dataFolder + ParamFiles::kOrgaoFile),
               QStringLiteral("Arquivo de Paramêtro do Arquivo Orgao.txt não encontrado!")) ||
        !check(7, !QFile::exists(dataFolder + ParamFiles::kMunicFile),
               QStringLiteral("Arquivo de Paramêtro do PPA não encontrado!"))) {
        return result_;
    }

    context_.dataFolder = dataFolder;
    context_.entity = *choices.entity;
    context_.CodEntidade = choices.entity->text(QStringLiteral("CODAUDESP"));
    context_.SeqRegistro = 1;
    const QString folder = asFolder(choices.outputFolder);
    context_.arquivo().setFolder(folder);
    observer_.runStarted();

    if (choices.ppa)
        context_.p2().setMaximum(11);
    if (choices.balancete)
        context_.p2().setMaximum(context_.p2().maximum() + 18);
    observer_.processEvents();
    ensureWritableFolder(folder);

    if (choices.ppa)
        runPlanning();
    if (choices.balancete)
        runBalance(choices.monthIndex);

    context_.endTransaction();
    observer_.runFinished();

    result_.packRequested = observer_.askYesNo(
        {kCaption, QStringLiteral("Arquivos Gerados Com Sucesso!\rDeseja compacta-los?"),
         MessageIcon::None},
        false);
    if (result_.packRequested && packer_)
        packer_(context_);
    return result_;
}

void GenerationRun::runPlanning() {
    Generator ppa = planningGenerator();
    context_.p1().setMaximum(11);
    const QString name = QStringLiteral("PPALOA") + context_.Exercicio + QStringLiteral(".txt");
    const QString log = QStringLiteral("PPALOA") + context_.Exercicio;
    const QString folder = context_.arquivo().folder();
    QFile::remove(folder + QStringLiteral("log_erro_") + log + QStringLiteral(".dat"));
    QFile::remove(folder + name);
    if (ppa)
        ppa(context_);
}

void GenerationRun::runBalance(int monthIndex) {
    context_.Mes = QStringLiteral("%1").arg(monthIndex + 1, 2, 10, QChar(u'0'));
    context_.p2().reset(18);
    for (const GeneratorEntry& g : balanceGenerators()) {
        g.run(context_);
        context_.p2().step();
    }
}
