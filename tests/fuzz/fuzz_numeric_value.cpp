// The colour picker's leading number on any text: a number (infinity for too many digits,
// which the picker takes as above 255), the C library's reading of a plain number at its
// start, and text after it never changes it. (The store's conversion is fuzzed with the
// settings file.)
#include "fuzz_support.h"
#include "puzzle/numeric_text.h"

#include <charconv>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = tess::LeadingNumber(text);
    // A plain number at the start (a sign, up to 15 digits before and after the point) reads
    // as the standard library reads it.
    static const QRegularExpression plain(QStringLiteral(
        "^[ \\t\\n\\v\\f\\r]*([+-]?)([0-9]{1,15}([.][0-9]{0,15})?|[.][0-9]{1,15})(?![0-9.])"));
    const QRegularExpressionMatch number = plain.match(text);
    const QByteArray digits = number.captured(2).toLatin1();
    double expected = 0;
    std::from_chars(digits.begin(), digits.end(), expected);
    tess::fuzz::Require(
        !std::isnan(value) && tess::LeadingNumber(text + QStringLiteral("x1")) == value &&
            (!number.hasMatch() || value == (number.captured(1) == "-" ? -expected : expected)),
        "the text reads as another or no number", text.toUtf8());
    return 0;
}
