// Writes the seeds of the fuzz targets that come from the tests' own builders:
//   make_fuzz_corpus [folder]     (by default tests/fuzz/corpus; one subfolder per target)
// The other seeds are kept as they were written or found: by hand (mimeapps.list files,
// colour texts, a damaged Windows-1252 best-times file, a settings file), by the fuzzers
// (too-wide-to-cut.bmp, control-character.xbel, the settings named by their hashes), or with
// ImageMagick from the BMP, as Qt writes no GIF:
//   convert pattern.bmp -transparent '#C2B853' pattern.gif
// best_times/three was written when the table was kept in UTF-8, and the attribute order of
// the two xbel seeds followed Qt's hash seed of that run.
#include "desktop/recent_documents.h"
#include "display/test_pictures.h"
#include "persist/best_times.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "persist/state_file_bytes.h"

#include <QGuiApplication>
#include <random>

using namespace tess;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argc > 1 ? argv[1] : "tests/fuzz/corpus") + "/";
    const auto seed = [&root](const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(root + name).path());
        if (const QString error = WriteFileSafely(root + name, bytes); !error.isEmpty()) {
            qFatal("%s", qPrintable(error));
        }
    };

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
        seed(QString("fuzz_state_file/") + name, file.mid(kStateRecordSize) + play);
    }

    BestTimes table;
    InsertBestTime(table, 1, MakeBestTimeRecord("Ann", 3725, 64, "boat.jpg"));
    InsertBestTime(table, 2, MakeBestTimeRecord(QString::fromUtf8("Zo\xC3\xAB"), 61, 12, "p.bmp"));
    InsertBestTime(table, 3, MakeBestTimeRecord("", 1, 324, "big picture.gif"));
    seed("fuzz_best_times/three", BestTimesToBytes(table));
    seed("fuzz_best_times/empty", BestTimesToBytes(BestTimes{}));

    // The store writes every key into its file.
    seed("fuzz_settings/every-key", {});
    SettingsStore store(root + "fuzz_settings/every-key");
    Settings s;
    s.BackgroundRed = 10;
    s.OutlineBlue = 0;
    store.SaveBackgroundColor(s);
    store.SaveOutlineColor(s);
    store.SavePreviewCaptionBackgroundColor(s);
    store.SavePreviewCaptionTextColor(s);
    for (const auto& [key, text] :
         {std::pair{"System Memory", "True"}, std::pair{"Time Puzzle", "True"},
          std::pair{"Outline Pieces", "True"}, std::pair{"View Preview", "True"},
          std::pair{"InitDir", "/tmp/"}, std::pair{"List Index", "3"},
          std::pair{"Preview Size", "2"}, std::pair{"Number of Pieces", "12"}}) {
        store.Write(key, text);
    }

    const QDateTime noon(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const RecentDocument notes{"/home/p/notes.txt", "text/plain", "gedit", "gedit %u"};
    const RecentDocument game{"/home/p/saved game.psf", "application/x-tessellara-psf",
                              "Tessellara", "/opt/t/tessellara %f"};
    const QByteArray others = AddRecentBookmark("", notes, noon).value();
    seed("fuzz_recent_documents/others", others);
    seed("fuzz_recent_documents/ours-too", AddRecentBookmark(others, game, noon).value());

    QDir(root).mkpath("fuzz_picture");
    for (const char* format : {"bmp", "jpg"}) {
        test::PatternPicture(40, 36).save(root + "fuzz_picture/pattern." + format);
    }
    return 0;
}
