#include "app/Generators.h"

#include "balance/BC_ARCMMAA.h"
#include "balance/BC_DSPMMAA.h"
#include "balance/BC_EMPMMAA.h"
#include "balance/BC_Ide.h"
#include "balance/BC_Orgao.h"
#include "balance/BC_RECMMAA.h"
#include "planning/PPA.h"

const std::vector<GeneratorEntry>& balanceGenerators() {
    static const std::vector<GeneratorEntry> generators = {
        // clang-format off
        {"BC_Ide", &BC_Ide},
        {"BC_Orgao", &BC_Orgao},
        {"BC_RECMMAA", &BC_RECMMAA},
        {"BC_ARCMMAA", &BC_ARCMMAA},
        {"BC_DSPMMAA", &BC_DSPMMAA},
        {"BC_EMPMMAA", &BC_EMPMMAA},
        // clang-format on
    };
    return generators;
}

Generator planningGenerator() {
    return &PPA;
}
