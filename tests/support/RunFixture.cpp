#include "support/RunFixture.h"

#include <stdexcept>

#include "app/EntityList.h"
#include "settings/DirectoryResolver.h"

RunFixture::RunFixture() = default;

RunFixture::~RunFixture() {
    context_.reset();
    conexao_.reset();
}

Conexao& RunFixture::conexao() {
    if (!conexao_) {
        inst.closeDatabase();  // the test's own inserts are committed
        conexao_ = std::make_unique<Conexao>(inst.iniPath());
        conexao_->connect();
    }
    return *conexao_;
}

RunContext& RunFixture::context(const QString& codaudesp, int month) {
    Conexao& c = conexao();
    const auto entity = EntityList::find(EntityList::load(c.database()), codaudesp);
    if (!entity)
        throw std::runtime_error("no entity with CODAUDESP " + codaudesp.toStdString());
    context_ = std::make_unique<RunContext>(c.database(), observer, clock);
    context_->Exercicio = c.Exercicio();
    context_->Mes = QStringLiteral("%1").arg(month, 2, 10, QChar(u'0'));
    context_->entity = *entity;
    context_->CodEntidade = entity->text(QStringLiteral("CODAUDESP"));
    context_->SeqRegistro = 1;
    context_->dataFolder = DirectoryResolver::ResolveDiretorio(inst.iniPath(), QStringLiteral("D"));
    context_->arquivo().setFolder(inst.outputFolder());
    context_->beginTransaction();
    return *context_;
}

GenerationRun::Result RunFixture::run(const QString& codaudesp, int month, bool ppa,
                                      bool balancete) {
    Conexao& c = conexao();
    RunChoices choices;
    choices.entity = EntityList::find(EntityList::load(c.database()), codaudesp);
    choices.outputFolder = inst.outputFolder();
    choices.monthIndex = month - 1;
    choices.ppa = ppa;
    choices.balancete = balancete;
    if (observer.answers.empty())
        observer.expectQuestion(false);
    GenerationRun run(c, observer, clock);
    return run.gerarClick(choices);
}
