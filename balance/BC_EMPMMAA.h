#pragma once

#include <QString>

class DbValue;
class RunContext;

// EMP + month + two-digit year + ".TXT": the commitments of the period, each with its sources
// and the works it is charged to.
void BC_EMPMMAA(RunContext& context);

// An EMP amount: two decimals at nine significant digits, zeros in front up to 13, always a
// comma.
QString empAmount(const QString& fixedText);
