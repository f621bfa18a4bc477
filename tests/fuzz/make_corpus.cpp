// Writes the seeds of the state-file fuzz target that come from the tests' own builders: each
// file naming a picture beside it, then random bytes that choose the play actions:
//   make_fuzz_corpus [folder]     (by default tests/fuzz/corpus; one subfolder per target)
// The other seeds are kept as they were written or found: by hand (mimeapps.list files,
// colour texts, a damaged Windows-1252 best-times file, a settings file), by the fuzzers
// (too-wide-to-cut.bmp, control-character.xbel, huge-number, the settings named by their
// hashes), by earlier versions of this program (best-times tables, a settings file with every
// key, xbel files, the scrambled 12-piece game, the 40 x 36 pattern pictures that
// test::WritePatternPicture writes), or with ImageMagick from the BMP, as Qt writes no GIF:
//   convert pattern.bmp -transparent '#C2B853' pattern.gif
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "persist/state_file_bytes.h"

#include <random>

int main(int argc, char** argv) {
    const QString folder =
        QString::fromLocal8Bit(argc > 1 ? argv[1] : "tests/fuzz/corpus") + "/fuzz_state_file/";
    QDir().mkpath(folder);
    unsigned k = 0;
    for (const auto& [name, file] :
         {std::pair{"fresh-2x2", tess::test::FreshTwoByTwo("picture.bmp", 61).Bytes()},
          std::pair{"finished-2x2", tess::test::FinishedTwoByTwo("picture.bmp").Bytes(true)},
          std::pair{"mid-game-3x2", tess::test::MidGameThreeByTwo("Bild \u00e4.bmp").Bytes()}}) {
        std::mt19937 random(++k);
        QByteArray play(96, '\0');
        std::generate(play.begin(), play.end(), [&random] { return char(random()); });
        if (!tess::WriteFileSafely(folder + name, file + play).isEmpty()) {
            qFatal("cannot write %s", name);
        }
    }
}
