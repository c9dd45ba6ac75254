#pragma once

#include <QString>

class RunContext;

// DSP + month + two-digit year + ".TXT": the budget actions of the entity, each with its expense
// elements and their sources, with appropriations and the period's movements.
void BC_DSPMMAA(RunContext& context);

// The DSP amount rules over a money text (two decimals, nine significant digits, comma).
namespace DspAmount {
// Zeros in front up to 13; no sign is moved.
QString plain(const QString& money);
// A negative sum: the sign first, zeros after it up to 13.
QString negative(const QString& money);
// What a movement without entries in the period is written as.
inline const QString kNone = QStringLiteral("0000000000,00");
}  // namespace DspAmount
