// Reading numbers typed or stored as text: the settings store's conversion of a whole text
// and the colour picker's leading number.
#pragma once

#include <QStringView>
#include <optional>

namespace tess {

// The number a whole stored text converts to, as Basic's conversion of a text reads it:
// blanks around it; a sign, decimal digits with a fraction and an exponent (E or D); or &H
// hexadecimal or &O octal digits, which stand for a 16-bit Integer when they fit 16 bits and
// for a 32-bit Long when they fit 32 (so "&HFFFF" is -1). No number when anything else is left.
std::optional<double> ConvertedNumber(QStringView text);

// The leading number of a text: blanks before it, a sign, digits and one decimal point; the
// reading stops at anything else ("12x" is 12, "1 2" and "1e2" are 1). No number reads as 0,
// one too large for a double as infinity.
double LeadingNumber(QStringView text);

} // namespace tess
