#include "app/Generators.h"

#include "balance/BC_ARCMMAA.h"
#include "planning/PPA.h"

const std::vector<GeneratorEntry>& balanceGenerators() {
    static const std::vector<GeneratorEntry> generators = {
        {"BC_ARCMMAA", &BC_ARCMMAA},
    };
    return generators;
}

Generator planningGenerator() {
    return &PPA;
}
