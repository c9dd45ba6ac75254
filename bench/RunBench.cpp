// A whole export of one entity and one month on demo installations of growing size.
//   cmake -B build-bench -DVOLD_BUILD_BENCH=ON && ninja -C build-bench vold-bench
//   build-bench/bench/vold-bench
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/EntityList.h"
#include "app/GenerationRun.h"
#include "schema/DemoInstallation.h"
#include "settings/Conexao.h"

namespace {

class QuietObserver : public RunObserver {
public:
    void fileStarted(const QString&) override {}
    void fileCompleted(const FileListLine&) override {}
    void progressChanged(ProgressBar, int, int) override {}
    void showMessage(const OperatorMessage&) override {}
    bool askYesNo(const OperatorMessage&, bool) override { return false; }
};

void exportMonth(benchmark::State& state, bool ppa, bool balancete) {
    QTemporaryDir dir;
    DemoInstallation::Options o;
    o.folder = dir.path();
    o.scale = int(state.range(0));
    const DemoInstallation::Paths paths = DemoInstallation::build(o);
    QDir().mkpath(dir.path() + QStringLiteral("/saida"));

    Conexao conexao(paths.settingsFile);
    conexao.connect();
    QuietObserver observer;
    SystemClock clock;
    RunChoices choices;
    choices.entity = EntityList::find(EntityList::load(conexao.database()), QStringLiteral("2"));
    choices.outputFolder = dir.path() + QStringLiteral("/saida/");
    choices.monthIndex = 5;
    choices.ppa = ppa;
    choices.balancete = balancete;
    GenerationRun run(conexao, observer, clock);
    for (auto _ : state)
        run.gerarClick(choices);
}

void BM_BalanceFiles(benchmark::State& state) {
    exportMonth(state, false, true);
}
void BM_PlanningFile(benchmark::State& state) {
    exportMonth(state, true, false);
}

BENCHMARK(BM_BalanceFiles)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanningFile)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
