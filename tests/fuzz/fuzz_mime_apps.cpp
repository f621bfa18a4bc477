// Making the game the default for its file type in any mimeapps.list: every line of the
// other programs is kept, in order, and doing it again changes nothing.
#include "desktop/file_type_registration.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    const QByteArray before = fuzz::Bytes(data, size);
    const QByteArray after =
        SetDefaultApplication(before, kStateFileMimeType, kStateFileDesktopEntry);
    const QList<QByteArray> kept = after.split('\n');
    qsizetype at = -1;
    for (const QByteArray& line : before.split('\n')) {
        if (!line.trimmed().startsWith(kStateFileMimeType.toUtf8())) { // ours may be replaced
            at = kept.indexOf(line, at + 1);
            fuzz::Require(at >= 0, "a line lost", line + "\nfrom\n" + after);
        }
    }
    fuzz::Require(SetDefaultApplication(after, kStateFileMimeType, kStateFileDesktopEntry) == after,
                  "a second time changed", after);
    return 0;
}
