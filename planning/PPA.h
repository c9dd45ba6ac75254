#pragma once

#include <QString>

class RunContext;

// "PPALOA" + year + ".txt": the multi-year plan, the budget guidelines law and the annual budget
// law. The run has set p1's maximum, deleted the old file and log and set SeqRegistro to 1.
void PPA(RunContext& c);

// The list line's size of the planning file: as for every file, but 0 Kb when the file cannot be
// found.
int planningSizeInKb(const QString& path);
