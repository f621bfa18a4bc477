// Start-up reading the settings store from any INI file, the Game menu's section included,
// then File > Open of a small picture cut, scrambled and painted with those settings, the
// preview toggled twice, and the pieces arranged and gathered. Every value read is within its
// range.
#include "assist/assist.h"
#include "fuzz_support.h"
#include "persist/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    // A new name for every input: the settings layer caches a file it has read by name.
    static int count = 0;
    const QString ini =
        fuzz::WriteInput(QStringLiteral("settings-%1.ini").arg(++count), fuzz::Bytes(data, size));
    const QString current = QDir::currentPath(); // start-up moves to the program folder
    {
        fuzz::FuzzGame f(ini);
        Assist assist(f.game);
        f.host.openAnswers = {fuzz::SmallPicture()};
        fuzz::Step(f, "starting", [&] { f.game.Form_Load(); });
        // The other numbers may take any value of their types.
        const Integer pieces = f.game.puzzle.NumberOfPieces, preview = f.game.settings.PreviewSize;
        fuzz::Require(preview >= 2 && preview <= 4 && pieces >= 1 && pieces <= kStateMaxPieces,
                      "a setting read outside its range");
        // More pieces than the small picture gives room for are refused.
        fuzz::Step(
            f, "opening a picture", [&] { f.game.mnuFileOpen_Click(); },
            "Error:\\|The puzzle could not be cut: \\d+ pieces \\(\\d+ x \\d+\\) do not fit");
        fuzz::Step(f, "toggling the preview", [&] { f.game.mnuViewPreview_Click(); });
        fuzz::Step(f, "toggling the preview", [&] { f.game.mnuViewPreview_Click(); });
        fuzz::Step(f, "arranging", [&] { assist.ArrangePieces(); });
        fuzz::Step(f, "gathering", [&] { assist.GatherEdgePieces(); });
    }
    QFile::remove(ini);
    QDir::setCurrent(current);
    return 0;
}
