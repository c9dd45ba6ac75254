#pragma once

class RunContext;

// Record "30": the revenue forecast of each organ.
void PPA_REGISTRO30(RunContext& c);
// Record "31": the forecast of each organ by revenue heading.
void PPA_REGISTRO31(RunContext& c);
// Record "39": the total revenue forecast.
void PPA_REGISTRO39(RunContext& c);
