// Start-up reading the settings store from any INI file, the Game menu's section included,
// then File > Open of a small picture cut, scrambled and painted with those settings, the
// preview toggled twice, and the pieces arranged and gathered.
#include "assist/assist.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A new name for every input: the settings layer caches a file it has read by name.
    static int count = 0;
    const QString ini = tess::fuzz::WriteInput(QStringLiteral("settings-%1.ini").arg(++count),
                                               tess::fuzz::Bytes(data, size));
    const QString current = QDir::currentPath(); // start-up moves to the program folder
    {
        tess::fuzz::FuzzGame f(ini);
        tess::Assist assist(f.game);
        f.host.openAnswers = {tess::fuzz::SmallPicture()};
        f.game.Guard([&] { f.game.Form_Load(); });
        f.game.Guard([&] { f.game.mnuFileOpen_Click(); });
        f.game.Guard([&] { f.game.mnuViewPreview_Click(); });
        f.game.Guard([&] { f.game.mnuViewPreview_Click(); });
        f.game.Guard([&] { assist.ArrangePieces(); });
        f.game.Guard([&] { assist.GatherEdgePieces(); });
        tess::fuzz::CheckInvariants(f.game, "opening a picture");
    }
    QFile::remove(ini);
    QDir::setCurrent(current);
    return 0;
}
