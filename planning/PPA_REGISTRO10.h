#pragma once

class RunContext;

// Record "10": one per organ, with the type of the entity it belongs to.
void PPA_REGISTRO10(RunContext& c);
// Record "11": one per budget unit other than "00".
void PPA_REGISTRO11(RunContext& c);
