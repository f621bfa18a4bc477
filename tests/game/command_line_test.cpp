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
    // The arguments; the pieces loaded, the picture's name and "recent" when the file became a
    // recent document, then the start of the messages ($ for their end).
    const std::pair<QStringList, QString> cases[] = {
        {{"%1"}, "0 $"},
        {{"mine.psf"}, "12 sea.bmp recent $"},
        {{"--", "my", "photo.jpg"}, "64 my photo.jpg - $"},
        {{"notes.txt"}, "0 Load Puzzle State|The puzzle state file \"<d>/notes.txt\" cannot"},
        // A picture that fails is reported, and start-up goes on.
        {{there + "/cut.bmp"},
         "0 Error:|The puzzle could not be cut: the picture \"<d>/cut.bmp\" cannot be read"},
    };
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        test::GameFixture f;
        // A file of the same name in the program's folder, which start-up makes current.
        ASSERT_EQ(WriteFileSafely(f.ProgramFolder() + "/mine.psf", "not this one"), "");
        ProcessFacts facts = f.game->facts();
        facts.CommandLine = ParseCommandLine(QStringList{"t"} + arguments, there).File;
        f.game = std::make_unique<Game>(f.host, *f.store, f.random, facts);
        f.game->Form_Load();
        const Puzzle& p = f.game->puzzle;
        const bool recent = f.host.calls.contains("AddRecentDocument " + saved);
        const QString got = (p.PuzzleLoaded ? QString("%1 %2 %3")
                                                  .arg(p.NumberOfPieces)
                                                  .arg(QFileInfo(PicturePath(p)).fileName(),
                                                       recent ? "recent" : "-")
                                            : "0") +
                            " " + f.host.messages.join('\n') + "$";
        EXPECT_TRUE(got.startsWith(QString(expected).replace("<d>", there))) << got.toStdString();
        EXPECT_TRUE(f.host.calls.contains("RegisterFileType"));
        if (arguments.contains("photo.jpg")) {
            // Opened as Open opens a picture: scrambled, the clock running, its folder kept.
            EXPECT_TRUE(p.Groups.size() == 65u && p.PlacedCount == 0 && f.host.timerEnabled);
            EXPECT_EQ(f.game->settings.InitDir, there + "/");
        }
    }
}

} // namespace
} // namespace tess
