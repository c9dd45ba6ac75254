#pragma once

#include <QString>

class DbValue;
class RunContext;

// REC + month + two-digit year + ".txt": per revenue heading of the entity its forecast for the
// year, what was collected in the reporting period and what was collected before it.
void BC_RECMMAA(RunContext& context);

// An amount of the REC file: the value's plain text (regional separator, no trailing zeros),
// zero-filled to 13 after the sign, every "." then made a ","; null gives thirteen zeros. A text
// of 13 characters or more is returned whole.
QString recAmount(const DbValue& value);
