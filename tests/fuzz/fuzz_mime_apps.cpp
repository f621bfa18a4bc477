// Making the game the default for its file type in any mimeapps.list: every line of the
// other programs is kept, in order, and doing it again changes nothing.
#include "desktop/file_type_registration.h"
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    const QByteArray before = fuzz::Bytes(data, size);
    const QByteArray after =
        SetDefaultApplication(before, kStateFileMimeType, kStateFileDesktopEntry);
    const QList<QByteArray> kept = after.split('\n');
    qsizetype at = 0;
    for (const QByteArray& line : before.split('\n')) {
        if (line.trimmed().startsWith(kStateFileMimeType.toUtf8())) {
            continue; // our own line may be replaced
        }
        while (at < kept.size() && kept[at] != line) {
            ++at;
        }
        if (at++ == kept.size()) {
            std::fprintf(stderr, "line \"%s\" lost:\n%s\n", line.constData(), after.constData());
            std::abort();
        }
    }
    if (SetDefaultApplication(after, kStateFileMimeType, kStateFileDesktopEntry) != after) {
        std::fprintf(stderr, "a second time changed:\n%s\n", after.constData());
        std::abort();
    }
    return 0;
}
