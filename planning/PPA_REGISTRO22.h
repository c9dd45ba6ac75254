#pragma once

#include <QString>

class ProgramStatements;
class RunContext;

// The classification of an action line as it was written.
struct ActionClassification {
    QString programa;
    QString orgao;
    QString unidade;
    QString funcao;
    QString subfuncao;
    QString natureza;
    QString numero;
};

// Record "22": one per expense element of the action, each followed by its sources.
void PPA_REGISTRO22(RunContext& c, ProgramStatements& statements,
                    const ActionClassification& action);
// Record "23": one per funding source of the element.
void PPA_REGISTRO23(RunContext& c, ProgramStatements& statements,
                    const ActionClassification& action, const QString& element);
