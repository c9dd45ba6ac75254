#pragma once

class RunContext;

// EMP + month + two-digit year + ".TXT": the commitments of the period ("10"), each with its
// sources ("11") and, after each source, the works it is charged to ("12").
void BC_EMPMMAA(RunContext& context);
