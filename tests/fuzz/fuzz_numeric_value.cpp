// The colour picker's leading number on any text: a number (infinity for too many digits,
// which the picker takes as above 255), and text after it never changes it. (The store's
// conversion is fuzzed with the settings file.)
#include "fuzz_support.h"
#include "puzzle/numeric_text.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = tess::LeadingNumber(text);
    tess::fuzz::Require(!std::isnan(value) &&
                            tess::LeadingNumber(text + QStringLiteral("x1")) == value,
                        "the text reads as another or no number", text.toUtf8());
    return 0;
}
