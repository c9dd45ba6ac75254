#include "app/Generators.h"

#include "balance/BC_ARCMMAA.h"
#include "balance/BC_DSPMMAA.h"
#include "balance/BC_EMPMMAA.h"

const std::vector<GeneratorEntry>& balanceGenerators() {
    static const std::vector<GeneratorEntry> generators = {
        {"BC_ARCMMAA", &BC_ARCMMAA},
        {"BC_DSPMMAA", &BC_DSPMMAA},
        {"BC_EMPMMAA", &BC_EMPMMAA},
    };
    return generators;
}

Generator planningGenerator() {
    return nullptr;
}
