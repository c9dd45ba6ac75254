#pragma once

#include <QString>

class RunContext;

// Every line of the planning file: a fixed part of 344 characters, then its own line number in
// decimal without leading zeros, then CR LF.
namespace PlanningLine {

// Writes the fixed part and the current SeqRegistro, then advances SeqRegistro.
void write(RunContext& c, const QString& fixedPart);
// The record type and 342 blanks, numbered as any other line.
void writePlaceholder(RunContext& c, const QString& recordType);
// One step of both progress bars.
void step(RunContext& c);

}  // namespace PlanningLine
