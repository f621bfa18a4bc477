// The colour picker's leading number on any text: a finite value, and text after the number
// never changes it. (The store's conversion is fuzzed with the settings file.)
#include "fuzz_support.h"
#include "puzzle/numeric_text.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = tess::LeadingNumber(text);
    tess::fuzz::Require(std::isfinite(value) &&
                            tess::LeadingNumber(text + QStringLiteral("x1")) == value,
                        "the text reads as another or no finite value", text.toUtf8());
    return 0;
}
