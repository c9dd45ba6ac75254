#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/RunContext.h"
#include "output/Clock.h"
#include "output/RunObserver.h"
#include "settings/DbRow.h"

class Conexao;

// What the operator chose for a run, captured when it starts.
struct RunChoices {
    std::optional<DbRow> entity;  // the row of TABEMPRESA chosen in the entity lookup
    QString outputFolder;         // the folder typed or chosen
    int monthIndex = 0;           // 0 is JANEIRO ... 11 is DEZEMBRO
    bool ppa = true;              // "PPA, LDO e LOA"
    bool balancete = true;        // "Balancete "
};

// The run behind "Gerar": the checks, the period state, the generators in their order, the
// final packing question. An environment error (database, folder, parameter file) ends the run
// with an EnvironmentError; the remaining generators do not run.
class GenerationRun {
public:
    enum class Outcome { Completed, CheckFailed };
    struct Result {
        Outcome outcome = Outcome::Completed;
        int failedCheck = 0;  // 1..7
        bool packRequested = false;
    };

    GenerationRun(Conexao& conexao, RunObserver& observer, const Clock& clock);

    Result gerarClick(const RunChoices& choices);

    // Called when the operator answers Yes to the final question.
    void setPacker(std::function<void(const RunContext&)> packer) { packer_ = std::move(packer); }

    // The state the last run left (month, entity code, output folder).
    const RunContext& context() const { return context_; }
    const QString& outputFolder() const { return context_.arquivo().folder(); }

    // The folder as a folder: a text without a final separator gets one.
    static QString asFolder(const QString& folder);

    static const QString kCaption;  // "Atenção"

private:
    bool check(int number, bool failed, const QString& message);
    void runPlanning();
    void runBalance(int monthIndex);
    Conexao& conexao_;
    RunObserver& observer_;
    RunContext context_;
    std::function<void(const RunContext&)> packer_;
    Result result_;
};
