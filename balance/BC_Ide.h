#pragma once

class RunContext;

// IDE.TXT: who delivers (the municipality's court code, the entity type) and for when.
void BC_Ide(RunContext& context);
