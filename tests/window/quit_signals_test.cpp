// The real program on an X display ended by SIGTERM, SIGHUP or SIGINT at any moment: before
// its main loop, while a start-up message or a modal dialog is open, in the main loop, and
// after a copy that was killed left its temporary bitmap and lock behind. Each time it ends
// at once (milliseconds; 4 s allowed under load) and the game on the screen is kept. Run under
// xvfb-run with xdotool.
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

// The program's visible windows (xdotool's answer).
QStringList VisibleWindows(const QProcess& program) {
    QProcess tool;
    const QString pid = QString::number(program.processId());
    tool.start("xdotool", {"search", "--all", "--onlyvisible", "--pid", pid, "--name", "."});
    tool.waitForFinished(5000);
    return QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST(QuitSignals, EndTheRealProgramWithinASecondAndKeepTheGame) {
    enum When { BeforeTheLoop, StartUpMessage, ModalDialog, MainLoop, AfterAKilledCopy };
    test::GameFixture f;
    test::OpenPatternPicture(f, 12, 150, 200);
    f.game->mnuFileScramble_Click();
    const QString game = f.ProgramFolder() + "/game.psf";
    ASSERT_EQ(WriteFileSafely(game, WriteStateFile(f.game->puzzle, game).bytes), "");
    for (const auto& [when, signal] : {std::pair{BeforeTheLoop, SIGTERM},
                                       {StartUpMessage, SIGTERM},
                                       {ModalDialog, SIGTERM},
                                       {MainLoop, SIGHUP},
                                       {MainLoop, SIGINT},
                                       {AfterAKilledCopy, SIGTERM}}) {
        SCOPED_TRACE(testing::Message() << when << " " << strsignal(signal));
        QTemporaryDir home;
        const QString folder = home.path() + "/program";
        // A damaged best-times file gives a message after the game has loaded.
        ASSERT_TRUE(
            QDir().mkpath(folder) &&
            (when != StartUpMessage || WriteFileSafely(folder + "/besttimes.txt", "\"") == ""));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.path());
        environment.insert("TESSELLARA_PROGRAM_FOLDER", folder);
        // Before the loop: the signal waits, blocked, from before the program's first
        // instruction (a blocked signal stays pending across exec).
        const QStringList perl{"perl", "-MPOSIX", "-e",
                               "sigprocmask(SIG_BLOCK, POSIX::SigSet->new(SIGTERM));"
                               "kill 'TERM', $$; exec @ARGV"};
        QProcess killed, program;
        const bool loads = when != BeforeTheLoop;
        auto start = [&](QProcess& process, QStringList command) {
            process.setProcessEnvironment(environment);
            process.start(command.takeFirst(), command << TESSELLARA_PROGRAM << game);
            return process.waitForStarted(5000) &&
                   (!loads ||
                    QTest::qWaitFor([&] { return QFile::exists(folder + "/WholeImageTemp.bmp"); },
                                    10000));
        };
        if (when == AfterAKilledCopy) {
            ASSERT_TRUE(start(killed, {"env"}));
            killed.kill();
            ASSERT_TRUE(killed.waitForFinished() &&
                        QFile::exists(folder + "/WholeImageTemp.bmp.lock"));
        }
        ASSERT_TRUE(start(program, when == BeforeTheLoop ? perl : QStringList{"env"}));
        if (when == ModalDialog) { // File > Open... through the X server's keyboard
            QProcess::execute("xdotool",
                              {"search", "--all", "--onlyvisible", "--pid",
                               QString::number(program.processId()), "--name", ".", "windowfocus",
                               "--sync", "%1", "key", "--window", "%1", "alt+f", "o"});
        }
        if (when == StartUpMessage || when == ModalDialog) {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return VisibleWindows(program).size() == 2; }, 10000));
        } else if (when != BeforeTheLoop) {
            QTest::qWait(1000); // past start-up: the file type registered, the best times read
        }
        // Never pid 0, which would be the whole process group, this test included.
        const pid_t pid = pid_t(program.processId());
        ASSERT_GT(pid, 0);
        QElapsedTimer ending;
        ending.start();
        for (int times = 0; when != BeforeTheLoop && times < 1 + (when == StartUpMessage);
             ++times) {
            ::kill(pid, signal); // a second one changes nothing
            QTest::qWait(50);
        }
        // A few milliseconds on a quiet machine; the bound leaves room for a loaded one (the
        // whole suite runs two at a time), while a lost signal never ends the program.
        const int limit = when == BeforeTheLoop ? 10000 : 4000;
        EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(limit));
        EXPECT_LT(ending.elapsed(), limit);
        EXPECT_EQ(program.exitStatus() + program.exitCode(), 0) << "a normal end";
        int games = 0;
        for (QDirIterator it(home.path() + "/tessellara", {"*.psf"}); it.hasNext();) {
            games += ReadStateFile(test::ReadAll(it.next())).game ? 1 : 0;
        }
        EXPECT_EQ(games, int(loads));
        EXPECT_EQ(QDir(folder).entryList({"WholeImageTemp*"}), QStringList())
            << "the bitmap and its lock of every copy gone, the killed one's taken over";
    }
}

} // namespace
} // namespace tess
