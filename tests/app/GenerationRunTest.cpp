#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/EntityList.h"
#include "app/Generators.h"
#include "balance/BC_ARCMMAA.h"
#include "output/EnvironmentError.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

class GenerationRunTest : public testing::Test {
protected:
    void SetUp() override {
        f.inst.exec(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                                   "VALUES (?, ?, ?, ?)"),
                    {"1", "PREFEITURA MUNICIPAL", "1", "1"});
        f.inst.exec(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                                   "VALUES (?, ?, ?, ?)"),
                    {"2", "CÂMARA MUNICIPAL", "2", "2"});
        f.inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1) VALUES ('GOIÁS')"));
        f.inst.seedParamFiles();
    }
    GenerationRun::Result runWith(const RunChoices& choices) {
        GenerationRun run(f.conexao(), f.observer, f.clock);
        return run.gerarClick(choices);
    }
    RunChoices choices(const QString& code = QStringLiteral("1")) {
        RunChoices c;
        c.entity = EntityList::find(EntityList::load(f.conexao().database()), code);
        c.outputFolder = f.inst.outputFolder();
        c.monthIndex = 2;
        return c;
    }
    QString lastMessage() const {
        return f.observer.messages.empty() ? QString() : f.observer.messages.back().text;
    }
    RunFixture f;
};

TEST_F(GenerationRunTest, TheChecksComeInOrderWithTheirMessages) {
    struct Step {
        std::function<void(RunChoices&)> breakIt;
        int check;
        const char* message;
    };
    const Step steps[] = {
        {[](RunChoices& c) { c.entity.reset(); }, 1, "Orgão Obrigatório!"},
        {[](RunChoices& c) { c.outputFolder.clear(); }, 2,
         "Selecione a Pasta onde os Arquivos serão Gerados!"},
        {[](RunChoices& c) { c.ppa = c.balancete = false; }, 3,
         "Selecione os Arquivos que serão Gerados!"},
    };
    for (const Step& s : steps) {
        RunChoices c = choices();
        s.breakIt(c);
        const auto r = runWith(c);
        EXPECT_EQ(r.outcome, GenerationRun::Outcome::CheckFailed);
        EXPECT_EQ(r.failedCheck, s.check);
        EXPECT_EQ(lastMessage(), QString::fromUtf8(s.message));
        EXPECT_EQ(f.observer.messages.back().caption, "Atenção");
        EXPECT_EQ(f.observer.messages.back().icon, MessageIcon::Warning);
    }
    EXPECT_TRUE(f.observer.lines.empty());
    EXPECT_TRUE(f.observer.questions.empty());
}

TEST_F(GenerationRunTest, AnyEntityWithoutTypeOrOrganBlocksTheRun) {
    Transaction t = f.conexao().database().begin(TransactionMode::ReadWrite);
    t.execute(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME) VALUES (9, 'SEM TIPO')"));
    t.commit();
    auto r = runWith(choices());
    EXPECT_EQ(r.failedCheck, 4);
    EXPECT_EQ(lastMessage(), "Tipo das Entidades não Definidos!");

    Transaction t2 = f.conexao().database().begin(TransactionMode::ReadWrite);
    t2.execute(QStringLiteral("UPDATE TABEMPRESA SET TIPO = 1 WHERE EMPRESA = 9"));
    t2.commit();
    r = runWith(choices());
    EXPECT_EQ(r.failedCheck, 5);
    EXPECT_EQ(lastMessage(), "Relacionamento entre Entidade e Orgão não Definidos!");
    EXPECT_TRUE(f.observer.lines.empty());
}

TEST_F(GenerationRunTest, MissingParameterFilesBlockTheRun) {
    QFile::remove(f.inst.dataFolder() + ParamFiles::kMunicFile);
    EXPECT_EQ(runWith(choices()).failedCheck, 7);
    EXPECT_EQ(lastMessage(), "Arquivo de Paramêtro do PPA não encontrado!");
    QFile::remove(f.inst.dataFolder() + ParamFiles::kOrgaoFile);
    EXPECT_EQ(runWith(choices()).failedCheck, 6);
    EXPECT_EQ(lastMessage(), "Arquivo de Paramêtro do Arquivo Orgao.txt não encontrado!");
    // The checks set both bars to 0 and nothing else.
    EXPECT_EQ(f.observer.progress.back(), "p2 0/100");
}

TEST_F(GenerationRunTest, BalanceFilesStepTheRunBarOncePerGenerator) {
    RunChoices c = choices();
    c.ppa = false;
    f.observer.expectQuestion(false);
    const auto r = runWith(c);
    EXPECT_EQ(r.outcome, GenerationRun::Outcome::Completed);
    QStringList run;
    for (const QString& p : f.observer.progress)
        if (p.startsWith("p2"))
            run << p;
    // The group adds 18 to the bar's maximum, then restarts it at 0 of 18.
    QStringList expected = {"p2 0/100", "p2 0/118", "p2 0/18"};
    for (size_t i = 1; i <= balanceGenerators().size(); ++i)
        expected << QStringLiteral("p2 %1/18").arg(i);
    EXPECT_EQ(run, expected);
    ASSERT_EQ(f.observer.questions.size(), 1u);
    EXPECT_EQ(f.observer.questions[0].caption, "Atenção");
    EXPECT_EQ(f.observer.questions[0].text, "Arquivos Gerados Com Sucesso!\rDeseja compacta-los?");
    EXPECT_FALSE(f.observer.questionDefaults[0]);
    EXPECT_FALSE(r.packRequested);
}

TEST_F(GenerationRunTest, BothGroupsRunThePlanningAgainstTwentyNine) {
    f.observer.expectQuestion(true);
    const auto r = runWith(choices());
    EXPECT_TRUE(r.packRequested);
    EXPECT_TRUE(f.observer.progress.contains("p2 0/11"));
    EXPECT_TRUE(f.observer.progress.contains("p2 0/29"));
    EXPECT_TRUE(f.observer.progress.contains("p1 0/11"));
    EXPECT_TRUE(f.observer.progress.contains("p2 0/18"));
}

TEST_F(GenerationRunTest, TheArcFileIsItsTrailerAlone) {
    QFile stale(f.inst.outputFolder() + QStringLiteral("ARC0309.TXT"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(5000, 'x'));
    stale.close();
    QFile staleLog(f.inst.outputFolder() + QStringLiteral("log_erro_BC_ARCMMAA.dat"));
    ASSERT_TRUE(staleLog.open(QIODevice::WriteOnly));
    staleLog.close();

    RunContext& c = f.context("2", 3);
    BC_ARCMMAA(c);
    const QByteArray expected = "99" + QByteArray(244, ' ') + "000001\r\n";
    EXPECT_EQ(f.inst.readOutput("ARC0309.TXT"), expected);
    EXPECT_EQ(expected.size(), 254);
    EXPECT_FALSE(f.inst.outputExists("log_erro_BC_ARCMMAA.dat"));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].name, "ARC0309.TXT");
    EXPECT_EQ(f.observer.lines[0].lines, "1");
    EXPECT_EQ(f.observer.lines[0].size, "0 Kb");
    EXPECT_EQ(f.observer.lines[0].date, "07042009");
    EXPECT_EQ(f.observer.lines[0].state, FileState::Ok);
    EXPECT_EQ(f.observer.progress.mid(f.observer.progress.size() - 2),
              QStringList({"p1 0/1", "p1 1/1"}));
}

TEST_F(GenerationRunTest, ArcNamesFollowMonthAndYear) {
    RunContext& c = f.context("1", 12);
    BC_ARCMMAA(c);
    EXPECT_TRUE(f.inst.outputExists("ARC1209.TXT"));
    c.Exercicio = QStringLiteral("2010");
    c.Mes = QStringLiteral("01");
    BC_ARCMMAA(c);
    EXPECT_TRUE(f.inst.outputExists("ARC0110.TXT"));
}

TEST_F(GenerationRunTest, AFolderWithoutItsFinalSeparatorIsStillTheFolder) {
    RunChoices c = choices();
    c.ppa = false;
    c.outputFolder = f.inst.root() + QStringLiteral("saida");
    f.observer.expectQuestion(false);
    runWith(c);
    EXPECT_TRUE(f.inst.outputExists("ARC0309.TXT"));
    EXPECT_FALSE(QFile::exists(f.inst.root() + QStringLiteral("saidaARC0309.TXT")));
}

TEST_F(GenerationRunTest, AMissingOutputFolderEndsTheRunNamingIt) {
    RunChoices c = choices();
    c.outputFolder = f.inst.root() + QStringLiteral("nao-existe/");
    try {
        runWith(c);
        FAIL();
    } catch (const EnvironmentError& e) {
        EXPECT_TRUE(e.message().contains(c.outputFolder)) << e.message().toStdString();
    }
    EXPECT_TRUE(f.observer.lines.empty());
    EXPECT_TRUE(f.observer.questions.empty());
}

TEST_F(GenerationRunTest, AnErrorInAGeneratorLeavesTheRestUnrun) {
    // An unreadable organ file is an environment error of the generators that read it; without
    // such a generator the first file that cannot be written plays the part.
    RunChoices c = choices();
    c.ppa = false;
    QDir(f.inst.outputFolder()).mkdir(QStringLiteral("ARC0309.TXT"));  // a folder in the way
    EXPECT_THROW(runWith(c), EnvironmentError);
    EXPECT_TRUE(f.observer.questions.empty());
    for (const FileListLine& l : f.observer.lines)
        EXPECT_NE(l.name, "ARC0309.TXT");
    EXPECT_LT(f.observer.lines.size(), balanceGenerators().size());
}

}  // namespace

namespace {

TEST_F(GenerationRunTest, AMalformedParameterFileEndsTheRunNamingIt) {
    QFile munic(f.inst.dataFolder() + ParamFiles::kMunicFile);
    ASSERT_TRUE(munic.open(QIODevice::WriteOnly | QIODevice::Truncate));
    munic.write("<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET><METADATA>");
    munic.close();
    const QByteArray before = readBytes(munic.fileName());
    RunChoices c = choices();
    c.ppa = false;
    try {
        runWith(c);
        FAIL() << "the run went on with an unreadable parameter file";
    } catch (const EnvironmentError& e) {
        EXPECT_TRUE(e.message().contains(munic.fileName())) << e.message().toStdString();
    }
    EXPECT_EQ(readBytes(munic.fileName()), before);
    EXPECT_TRUE(f.observer.lines.empty());
    EXPECT_TRUE(f.observer.questions.empty());
    EXPECT_FALSE(f.inst.outputExists("ARC0309.TXT"));
}

}  // namespace
