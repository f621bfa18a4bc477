// The real program on an X display ended by SIGTERM, SIGHUP or SIGINT at any moment: before
// its main loop, while a start-up message or a modal dialog is open, in the main loop, and
// after a copy that was killed left its temporary bitmap and lock behind. Each time it ends
// within a second and the game on the screen is kept. Run under xvfb-run with xdotool.
#include "display/test_pictures.h"
#include "persist/persist.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace tess {
namespace {

// xdotool's answer, or nothing when it fails or is still waiting after five seconds.
QString XdoTool(const QStringList& arguments) {
    QProcess tool;
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(5000) || tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The program's visible windows, main window first.
QStringList VisibleWindows(const QProcess& program) {
    return XdoTool({"search", "--onlyvisible", "--pid", QString::number(program.processId())})
        .split('\n', Qt::SkipEmptyParts);
}

// The games kept in the user's data folder that load.
int KeptGames(const QString& home) {
    int games = 0;
    for (QDirIterator it(home + "/data/tessellara", {"*.psf"}); it.hasNext();) {
        games += ReadStateFile(test::ReadAll(it.next())).game ? 1 : 0;
    }
    return games;
}

TEST(QuitSignals, EndTheRealProgramWithinASecondAndKeepTheGame) {
    enum class When { BeforeTheLoop, StartUpMessage, ModalDialog, MainLoop, AfterAKilledCopy };
    test::GameFixture f;
    test::OpenPatternPicture(f, 12, 150, 200);
    f.game->mnuFileScramble_Click();
    const QString game = f.ProgramFolder() + "/game.psf";
    ASSERT_EQ(WriteFileSafely(game, WriteStateFile(f.game->puzzle, game).bytes), "");
    const QString bad = f.ProgramFolder() + "/bad.psf";
    ASSERT_EQ(WriteFileSafely(bad, "not a saved game"), "");

    for (const auto& [when, signal, file, kept] :
         {std::tuple{When::BeforeTheLoop, SIGTERM, game, 0},
          {When::StartUpMessage, SIGTERM, bad, 0},
          {When::StartUpMessage, SIGTERM, game, 1},
          {When::ModalDialog, SIGTERM, game, 1},
          {When::MainLoop, SIGHUP, game, 1},
          {When::MainLoop, SIGINT, game, 1},
          {When::AfterAKilledCopy, SIGTERM, game, 1}}) {
        SCOPED_TRACE(testing::Message() << int(when) << " " << strsignal(signal));
        QTemporaryDir home;
        const QString programFolder = home.path() + "/program";
        ASSERT_TRUE(QDir().mkpath(programFolder));
        if (file == game && when == When::StartUpMessage) {
            ASSERT_EQ(WriteFileSafely(programFolder + "/besttimes.txt", "\"damaged\n"), "");
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
        environment.insert("XDG_DATA_HOME", home.path() + "/data");
        environment.insert("TESSELLARA_PROGRAM_FOLDER", programFolder);
        auto start = [&](QProcess& program, QStringList command) {
            program.setProcessEnvironment(environment);
            program.start(command.takeFirst(), command << TESSELLARA_PROGRAM << file);
            ASSERT_TRUE(program.waitForStarted(5000));
        };
        auto loaded = [&] {
            return QTest::qWaitFor(
                [&] { return QFile::exists(programFolder + "/WholeImageTemp.bmp"); }, 10000);
        };
        if (when == When::AfterAKilledCopy) {
            QProcess killed;
            start(killed, {"env"});
            ASSERT_TRUE(loaded());
            killed.kill();
            killed.waitForFinished();
            ASSERT_TRUE(QFile::exists(programFolder + "/WholeImageTemp.bmp.lock"));
        }

        QProcess program;
        // Before the loop: the signal waits, blocked, from before the program's first
        // instruction (a blocked signal stays pending across exec).
        start(program, when != When::BeforeTheLoop
                           ? QStringList{"env"}
                           : QStringList{"perl", "-MPOSIX", "-e",
                                         "sigprocmask(SIG_BLOCK, POSIX::SigSet->new(SIGTERM));"
                                         "kill 'TERM', $$; exec @ARGV"});
        ASSERT_TRUE(when == When::BeforeTheLoop || file == bad || loaded());
        if (when == When::ModalDialog) {
            const QString window = VisibleWindows(program).value(0);
            XdoTool({"windowfocus", "--sync", window});
            XdoTool({"key", "--window", window, "alt+f", "o"});
        }
        if (when == When::StartUpMessage || when == When::ModalDialog) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return VisibleWindows(program).size() == 2; }, 10000))
                << "the message or dialog over the main window";
        } else if (when != When::BeforeTheLoop) {
            QTest::qWait(1000); // past start-up: the file type registered, the best times read
        }
        // Never pid 0, which would be the whole process group, this test included.
        const pid_t pid = pid_t(program.processId());
        ASSERT_GT(pid, 0);
        QElapsedTimer ending;
        ending.start();
        if (when != When::BeforeTheLoop) {
            ::kill(pid, signal);
        }
        if (when == When::StartUpMessage) {
            QTest::qWait(100);
            ::kill(pid, signal); // a second one changes nothing
        }
        const int limit = when == When::BeforeTheLoop ? 10000 : 1000;
        EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(limit));
        EXPECT_LT(ending.elapsed(), limit);
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        EXPECT_EQ(KeptGames(home.path()), kept);
        EXPECT_EQ(QDir(programFolder).entryList({"WholeImageTemp*"}), QStringList())
            << "the bitmap and its lock of every copy gone, the killed one's taken over";
    }
}

} // namespace
} // namespace tess
