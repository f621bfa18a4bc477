// An installed package's desktop entry with any content: the program takes it for its own
// registration only when it lists the state file's type and starts this very program.
#include "desktop/desktop.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    // The package's MIME package built into its database, and the program, found on the PATH
    // by the name "tessellara".
    static const QString program = [] {
        fuzz::WriteInput("share/mime/packages/" + kInstalledMimePackage,
                         "<mime-type type=\"" + kStateFileMimeType.toUtf8() + "\">");
        fuzz::WriteInput("share/mime/" + kStateFileMimeType + ".xml", "");
        qputenv("PATH", fuzz::Folder().toUtf8());
        const QString path = fuzz::WriteInput("tessellara", "");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        return path;
    }();
    const QByteArray entry = fuzz::Bytes(data, size);
    fuzz::WriteInput("share/applications/" + kInstalledDesktopEntry, entry);
    fuzz::Require(!InstalledPackageRegisters(program, {fuzz::Folder() + "/share"}) ||
                      (entry.contains("MimeType") && entry.contains(kStateFileMimeType.toUtf8()) &&
                       entry.contains("Exec") && entry.contains("tessellara")),
                  "taken for an entry that does not name the program and its type", entry);
    return 0;
}
