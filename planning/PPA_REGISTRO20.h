#pragma once

#include <QString>

class ProgramStatements;
class RunContext;

// Record "20": one per program of the plan, each followed by its actions.
void PPA_REGISTRO20(RunContext& c);
// Record "21": one per action of the program, each followed by its expense records.
void PPA_REGISTRO21(RunContext& c, ProgramStatements& statements, const QString& program);
