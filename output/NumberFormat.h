#pragma once

#include <QChar>
#include <QDate>
#include <QString>

// Process-wide number and date conventions, as the regional settings gave them to the old
// program: the decimal separator of the system locale, and the run's short date "ddmmyyyy".
namespace NumberFormat {

QChar decimalSeparator();
// Tests run the same files under a comma and under a point.
void setDecimalSeparator(QChar separator);
void resetDecimalSeparator();

// ddmmyyyy: eight digits, no separators.
QString shortDate(const QDate& date);

}  // namespace NumberFormat
