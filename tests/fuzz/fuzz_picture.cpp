// File > Open of a picture with any content: decoding may fail, which ends Open quietly, but
// nothing may crash or hang, and a picture that opens is cut into a consistent puzzle.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The name's type follows the input's length, so a picture is also tried under the
    // wrong name, as players do.
    static const char* const kNames[] = {"hostile.bmp", "hostile.jpg", "hostile.gif"};
    tess::fuzz::FuzzGame f;
    f.host.openAnswers = {tess::fuzz::WriteInput(QString::fromLatin1(kNames[size % 3]),
                                                 tess::fuzz::Bytes(data, size))};
    f.game.InitDirectDraw();
    f.game.Guard([&] { f.game.mnuFileOpen_Click(); });
    tess::fuzz::CheckInvariants(f.game, "opening a picture");
    return 0;
}
