#pragma once

#include <QString>
#include <memory>

#include "app/GenerationRun.h"
#include "app/RunContext.h"
#include "settings/Conexao.h"
#include "support/RecordingObserver.h"
#include "support/TestInstallation.h"

// A test installation with the program's connection, ready to run one generator or a whole run.
// Insert the case's rows through `inst` first, then call context() or run().
class RunFixture {
public:
    RunFixture();
    ~RunFixture();

    TestInstallation inst;
    RecordingObserver observer;
    FixedClock clock;

    // Connects as the program does (probe, then the connection) on first use.
    Conexao& conexao();

    // The state a run gives its generators: the entity with that CODAUDESP, the month (1..12),
    // the output folder, the data folder and the run's transaction begun. Call a generator on it,
    // then read the files with inst.readOutput().
    RunContext& context(const QString& codaudesp, int month);

    // A whole run through GenerationRun, as "Gerar" does it. The final question is answered No
    // unless the test queued another answer.
    GenerationRun::Result run(const QString& codaudesp, int month, bool ppa, bool balancete);

private:
    std::unique_ptr<Conexao> conexao_;
    std::unique_ptr<RunContext> context_;
};
