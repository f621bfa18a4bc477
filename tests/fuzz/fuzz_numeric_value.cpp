// The colour picker's lenient number reader on any text: a finite value, and text after the
// number never changes it.
#include "dialogs/color_picker.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = tess::NumericValue(text);
    if (!std::isfinite(value) || tess::NumericValue(text + QStringLiteral("x1")) != value) {
        std::fprintf(stderr, "\"%s\" reads as %g\n", qPrintable(text), value);
        std::abort();
    }
    return 0;
}
