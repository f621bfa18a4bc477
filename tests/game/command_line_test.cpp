// The command line's file as start-up takes it: the arguments after "--" and those that are not
// options joined into one path, made absolute against the folder the program was started in,
// then opened as a picture or a saved game. (--help and --version: tests/window/CMakeLists.txt.)
#include "display/test_pictures.h"
#include "game/command_line.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(CommandLine, OpensThePictureOrGameItNamesFromTheFolderStartedIn) {
    const QTemporaryDir started;
    const QString there = started.path(), saved = there + "/mine.psf";
    test::GameFixture source;
    test::OpenPatternPicture(source, 12, 150, 200, "sea.bmp");
    source.game->mnuFileScramble_Click();
    test::WritePatternPicture(there, "my photo.jpg", 150, 200);
    ASSERT_EQ(WriteFileSafely(saved, WriteStateFile(source.game->puzzle, saved).bytes) +
                  WriteFileSafely(there + "/notes.txt", "no game") +
                  WriteFileSafely(there + "/cut.bmp", "BM, a bitmap cut short"),
              "");
    // The arguments; the pieces loaded and whether they are scattered (a picture opens cut and
    // scrambled, as Open opens it), the picture's name and whether the file became a recent
    // document, then the start of the messages ($ for their end). Start-up makes the program's
    // folder current, where none of these files is.
    const std::pair<QStringList, QString> cases[] = {
        {{"%1"}, "0 $"},
        {{"mine.psf"}, "12 1 sea.bmp 1 $"},
        {{"--", "my", "photo.jpg"}, "64 1 my photo.jpg 0 $"},
        {{"notes.txt"}, "0 Load Puzzle State|The puzzle state file \"<d>/notes.txt\" cannot"},
        // A picture that fails is reported, and start-up goes on.
        {{there + "/cut.bmp"},
         "0 Error:|The puzzle could not be cut: the picture \"<d>/cut.bmp\" cannot be read"},
    };
    for (const auto& [arguments, expected] : cases) {
        test::GameFixture f;
        const QString file = ParseCommandLine(QStringList{"t"} + arguments, there).File;
        f.game = std::make_unique<Game>(f.host, *f.store, f.random,
                                        test::TestFacts(f.ProgramFolder(), {}, file));
        f.game->Form_Load();
        const Puzzle& p = f.game->puzzle;
        const QString got =
            (p.PuzzleLoaded
                 ? QString("%1 %2 %3 %4 ")
                       .arg(p.NumberOfPieces)
                       .arg(p.Pieces[1].X != p.Pieces[2].X || p.Pieces[1].Y != p.Pieces[2].Y)
                       .arg(QFileInfo(PicturePath(p)).fileName())
                       .arg(f.host.calls.contains("AddRecentDocument " + saved))
                 : "0 ") +
            f.host.messages.join('\n') + "$";
        EXPECT_TRUE(got.startsWith(QString(expected).replace("<d>", there)) &&
                    f.host.calls.contains("RegisterFileType"))
            << got.toStdString();
    }
}

} // namespace
} // namespace tess
