#pragma once

#include <QString>

// The field kinds of the fixed-width records.
namespace Fields {

// n characters "0" followed by s; s unchanged for n <= 0.
QString zero(int n, const QString& s);
// n blanks; empty for n <= 0.
QString vazio(int n);

// Text: cut to the width or padded with blanks on the right.
QString text(const QString& value, int width);
// Number or code: zeros in front up to the width; a longer text is written unchanged.
QString number(const QString& value, int width);
// A money value that may be negative: zero-filled after the sign, which stays first; a text of the
// width or longer is written unchanged.
QString signedAmount(const QString& value, int width);
// The monthly files' record sequence: six digits, growing beyond 999999.
QString sequence(int seq);

// Every "." replaced by ",", or every "," by ".", as a file's separator rule says.
QString withComma(const QString& s);
QString withPoint(const QString& s);

}  // namespace Fields
