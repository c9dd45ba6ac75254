#pragma once

#include <QString>

class DbValue;

// The field rules of the annual planning file. Amounts are given as the data layer's plain text
// (regional separator, no trailing zeros, empty for null) and come out with a decimal point.
namespace PlanningFields {

// Nothing left after trimming blanks.
bool isBlank(const QString& text);

// Municipality code: the first 4 characters, zeros in front up to 4.
QString municipalityCode(const QString& text);
// CNPJ or CPF: ".", "-" and "/" removed, then the first `width` digits; not padded.
QString documentNumber(const QString& text, int width);
// The same without a cut.
QString documentDigits(const QString& text);

// Law number: zeros in front up to 6, or the first 6 characters. A result of blanks only sets
// *empty and gives "000000".
QString lawNumber(const QString& text, bool* empty);
// Date: the first 8 characters (ddmmyyyy). An empty result sets *empty and gives "00000000".
QString date(const QString& text, bool* empty);
// Percentage: null gives "000.00"; otherwise three significant digits with two decimals, zeros in
// front up to 6. *fits is false when the value needs more than three integer digits; the text is
// then written in fixed notation all the same.
QString percentage(const DbValue& value, bool* fits);

// Program goal, financial value and allocation: zeros in front up to 12, or the first 12
// characters; then a decimal point.
QString programGoal(const QString& plain);
QString financialValue(const QString& plain);
QString allocation(const QString& plain);
// Physical goal: the first 4 characters, zeros in front up to 4; the separator stays.
QString physicalGoal(const QString& plain);
// Revenue forecast: a signed amount of 12 with a decimal point; an empty text sets *empty and
// gives "000000000.00".
QString forecast(const QString& plain, bool* empty);
// Total revenue: a decimal point, then zeros in front up to 12; the sign is not moved.
QString total(const QString& plain);

}  // namespace PlanningFields
