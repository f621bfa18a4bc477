// The colour picker's lenient number reader on any text: a finite value, and text after the
// number never changes it.
#include "dialogs/color_picker.h"
#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = tess::NumericValue(text);
    tess::fuzz::Require(std::isfinite(value) &&
                            tess::NumericValue(text + QStringLiteral("x1")) == value,
                        "the text reads as another or no finite value", text.toUtf8());
    return 0;
}
