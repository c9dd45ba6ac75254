#pragma once

#include <QString>

#include "output/Decimal.h"

// The amount and code rules of the expenditure files (DSP and EMP). Their amounts always carry a
// comma, whatever the regional separator.
namespace ExpenseAmounts {

// Money text already in fixed notation: "." becomes ",", then zeros after the sign up to 13.
QString amount13(const QString& fixedText);
// A period sum: "0000000000,00" when its query returned no row.
QString movement(bool found, const QString& fixedText);
// The month up to which the accumulated total runs: Mes - 1 for a monthly entity ("00" in
// January), the month before the four-month period otherwise ("00", "04" or "08").
QString limitMonth(const QString& mes, bool monthly);
// Appropriation plus the supplements, reductions, commitments and cancellations up to the limit
// month, each signed as stored (reductions and cancellations are negative).
Decimal accumulatedTotal(const Decimal& appropriation, const Decimal& supplements,
                         const Decimal& reductions, const Decimal& commitments,
                         const Decimal& cancellations);

// Creditor type: CODTIP 1 (natural person) gives "2", 2 (company) gives "1", anything else "0".
QString creditorType(const QString& codtip);
// CPF/CNPJ without ".", "-" and "/", zeros in front up to 14, never cut.
QString cpfCnpj(const QString& insmf);
// Digits of a CPF/CNPJ without its separators.
QString cpfCnpjDigits(const QString& insmf);
// Commitment number: first six characters, zeros in front up to 6.
QString commitmentNumber6(const QString& nempg);

}  // namespace ExpenseAmounts
