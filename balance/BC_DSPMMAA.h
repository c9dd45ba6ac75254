#pragma once

class RunContext;

// DSP + month + two-digit year + ".TXT": the expenditure budget by action ("10"), element ("11")
// and source ("12"), with the period's alterations and commitments and the accumulated total.
void BC_DSPMMAA(RunContext& context);
