// Writes the seeds of the fuzz targets that come from the tests' own builders, the state files
// and the pictures:
//   make_fuzz_corpus [folder]     (by default tests/fuzz/corpus; one subfolder per target)
// The other seeds are kept as they were written or found: by hand (mimeapps.list files,
// colour texts, a damaged Windows-1252 best-times file, a settings file), by the fuzzers
// (too-wide-to-cut.bmp, control-character.xbel, the settings named by their hashes), by
// earlier versions of this program (best-times tables, a settings file with every key, xbel
// files), or with ImageMagick from the BMP, as Qt writes no GIF:
//   convert pattern.bmp -transparent '#C2B853' pattern.gif
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "persist/state_file_bytes.h"

#include <QGuiApplication>
#include <random>

using namespace tess;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argc > 1 ? argv[1] : "tests/fuzz/corpus") + "/";
    QDir(root).mkpath("fuzz_state_file");
    QDir(root).mkpath("fuzz_picture");

    // The state file from record 2 on, then random bytes that choose the play actions.
    test::GameFixture f;
    test::OpenPatternPicture(f, 12, 96, 72);
    f.game->mnuFileScramble_Click();
    unsigned k = 0;
    for (const auto& [name, file] :
         {std::pair{"fresh-2x2", test::FreshTwoByTwo("/p.bmp", 61).Bytes()},
          std::pair{"finished-2x2", test::FinishedTwoByTwo("/p.bmp").Bytes(true)},
          std::pair{"mid-game-3x2", test::MidGameThreeByTwo("/p.bmp").Bytes()},
          std::pair{"scrambled-12", WriteStateFile(f.game->puzzle, "/s.psf").bytes}}) {
        std::mt19937 random(++k);
        QByteArray play(96, '\0');
        std::generate(play.begin(), play.end(), [&random] { return char(random()); });
        const QString error =
            WriteFileSafely(root + "fuzz_state_file/" + name, file.mid(kStateRecordSize) + play);
        if (!error.isEmpty()) {
            qFatal("%s", qPrintable(error));
        }
    }
    for (const char* name : {"pattern.bmp", "pattern.jpg"}) {
        test::WritePatternPicture(root + "fuzz_picture", name, 40, 36);
    }
    return 0;
}
