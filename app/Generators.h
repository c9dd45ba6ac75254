#pragma once

#include <vector>

class RunContext;

using Generator = void (*)(RunContext&);

struct GeneratorEntry {
    const char* name;
    Generator run;
};

// The monthly balance files in the order of a run.
const std::vector<GeneratorEntry>& balanceGenerators();
// The annual planning file; null while the program has none.
Generator planningGenerator();
