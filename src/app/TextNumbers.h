#pragma once

#include <QStringView>
#include <optional>

// The program's one reading of numbers from text (settings values, stored
// tips preferences, the decimal colour a dragged control carries). Numbers
// are plain decimal, read in the "C" locale whatever the user's; fractions
// turn into integers by rounding half to even.
namespace TextNumbers {

// The whole text, blanks around it ignored, as a finite decimal number
// (a fraction or exponent allowed); nullopt otherwise.
std::optional<double> toDouble(QStringView text);

// toDouble rounded half to even; nullopt when it is not a number or lies
// outside the 32-bit integer range.
std::optional<int> toInt(QStringView text);

// The number at the start of the text, after leading blanks: an optional
// sign, digits and an optional fraction, no exponent ("16711680", " 255 px",
// "-3.5"); rounded half to even. 0 when the text starts with no number or
// the number lies outside the 32-bit integer range.
int leadingInt(QStringView text);

} // namespace TextNumbers
