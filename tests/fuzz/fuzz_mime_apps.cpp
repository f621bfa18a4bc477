// Making the game the default for its file type in any mimeapps.list: the desktop then finds
// the game as that default, and every line of the other programs is kept, in order.
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
    // What the desktop reads: the first line for our type in the first [Default Applications]
    // section names our entry.
    QByteArray value;
    int section = 0; // before, in, after that section
    for (const QByteArray& line : kept) {
        const QByteArray text = line.trimmed();
        const qsizetype equals = text.indexOf('=');
        if (text.startsWith('[')) {
            section = section > 0 ? 2 : int(text == "[Default Applications]");
        } else if (section == 1 && equals > 0 && value.isNull() &&
                   text.left(equals).trimmed() == "application/x-tessellara-psf") {
            value = text.mid(equals + 1).trimmed();
        }
    }
    fuzz::Require(value == "tessellara-psffile.desktop", "our default is not written", after);
    return 0;
}
