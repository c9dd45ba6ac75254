#pragma once

#include <QString>
#include <memory>

#include "output/Clock.h"
#include "output/OutputFile.h"
#include "output/Progress.h"
#include "output/RunObserver.h"
#include "settings/DbRow.h"
#include "settings/Transaction.h"

class Database;

// The state every generator of a run reads and writes: the period, the chosen entity, the run's
// transaction, the current output file and the two progress bars. Generators are functions over
// it, one unit per file.
class RunContext {
public:
    RunContext(Database& database, RunObserver& observer, const Clock& clock);

    // Period state.
    QString Exercicio;    // fiscal year, at most four characters
    QString Mes;          // "01".."12"
    QString CodEntidade;  // CODAUDESP of the chosen entity, as text
    int SeqRegistro = 1;
    DbRow entity;        // the chosen entity's row of TABEMPRESA
    QString dataFolder;  // the year's data folder, where the parameter files are

    // Characters 3 and 4 of the year.
    QString twoDigitYear() const { return Exercicio.mid(2, 2); }
    // The entity's TIPO: 1 reports monthly, any other value by four-month period.
    bool isMonthly() const;
    // The four-month period holding Mes, as a list of quoted months: "'05','06','07','08'".
    QString quadrimesterMonths() const;
    // Its first month: "01", "05" or "09".
    QString quadrimesterFirstMonth() const;

    // The run's read-only, read-committed transaction.
    Transaction& transaction() { return *transaction_; }
    void beginTransaction();
    void endTransaction();

    OutputFile& arquivo() { return arquivo_; }
    const OutputFile& arquivo() const { return arquivo_; }
    Progress& p1() { return p1_; }
    Progress& p2() { return p2_; }
    RunObserver& observer() { return observer_; }
    const Clock& clock() const { return clock_; }
    QDate today() const { return clock_.today(); }

    // Shorthands for the current output file.
    void log_erro(const QString& recordType, int sequence, const QString& table,
                  const QString& field, int code) {
        arquivo_.log_erro(recordType, sequence, table, field, code);
    }

private:
    Database& database_;
    RunObserver& observer_;
    const Clock& clock_;
    std::unique_ptr<Transaction> transaction_;
    OutputFile arquivo_;
    Progress p1_;
    Progress p2_;
};
