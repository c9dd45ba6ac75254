#pragma once

class RunContext;

// ORGAO.TXT: the entity's codes, name, type and CNPJ and its manager, accountant and
// internal-control officer, from the entity's row and its row of the organ parameter file.
void BC_Orgao(RunContext& context);
