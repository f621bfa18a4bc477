// File > Open of a picture with any content: a picture may be refused with its reason, but
// nothing may crash or hang, and a picture that opens is cut into a consistent puzzle.
#include "display/picture_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The name's type follows the input's length, so a picture is also tried under the
    // wrong name, as players do.
    static const char* const kNames[] = {"hostile.bmp", "hostile.jpg", "hostile.gif"};
    tess::fuzz::FuzzGame f;
    const QString path = tess::fuzz::WriteInput(QString::fromLatin1(kNames[size % 3]),
                                                tess::fuzz::Bytes(data, size));
    f.host.openAnswers = {path};
    f.game.InitDirectDraw();
    // The refusals: a picture that cannot be read, is too large or too small, or too narrow or
    // low for 64 pieces on the play field.
    tess::fuzz::Step(
        f, "opening a picture", [&] { f.game.mnuFileOpen_Click(); },
        "Error:\\|(The puzzle could not be cut: (the picture \".*\" (cannot be read|is too "
        "large)|64 pieces \\(\\d+ x \\d+\\) do not fit)|Image must be at least 33 x 32 pixels$)");
    // The command line and a drop tell a picture from a saved game as Open reads it.
    tess::fuzz::Require(!f.game.puzzle.PuzzleLoaded || tess::IsPictureFile(path),
                        "a picture that opens is not taken for one");
    return 0;
}
