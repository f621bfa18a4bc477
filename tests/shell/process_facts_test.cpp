// The program's folders: best times beside a writable program, else in the user's data
// folder, and the sample pictures the Open dialog starts in.
#include "shell/process_facts.h"
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tess {
namespace {

QString UserProgramFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tessellara";
}

TEST(ProgramFolder, IsTheProgramsFolderWhenWritableElseTheUsersDataFolder) {
    ASSERT_TRUE(UserProgramFolder().startsWith(QDir(QDir::tempPath()).canonicalPath()))
        << "the data folder must be the test's temporary one";
    QTemporaryDir writable;
    EXPECT_EQ(ChooseProgramFolder(writable.path()), writable.path());
    EXPECT_EQ(ChooseProgramFolder(writable.path() + "/gone"), UserProgramFolder());
    EXPECT_TRUE(QDir(UserProgramFolder()).exists()) << "made on first use";
}

TEST(ProgramFolder, IsTheUsersDataFolderWhenTheProgramsFolderIsReadOnly) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which may write into a read-only folder";
    }
    QTemporaryDir locked;
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ChooseProgramFolder(locked.path()), UserProgramFolder());
    QFile::setPermissions(locked.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(ProgramFolder, SamplesLieBesideTheProgram) {
    const ProcessFacts facts = CurrentProcessFacts({"/opt/t/tessellara", "a", "b"}, "/opt/t/");
    EXPECT_EQ(facts.AppDir, "/opt/t");
    EXPECT_EQ(facts.SamplesFolder, "/opt/t/samples");
    EXPECT_EQ(facts.CommandLine, "a b");
}

TEST(Open, StartsAmongTheSamplePicturesUntilAFolderIsStored) {
    struct Case {
        const char* initDir; // relative to the program folder; "" for none stored
        bool samplesHaveAFile;
        const char* expected; // relative to the program folder; "" for no folder
    };
    for (const Case c :
         {Case{"", true, "samples"}, Case{"", false, ""}, Case{"mine/", true, "mine/"}}) {
        test::GameFixture f;
        QDir(f.ProgramFolder()).mkpath("samples");
        QDir(f.ProgramFolder()).mkpath("mine");
        QFile(f.ProgramFolder() + "/mine/cat.bmp").open(QIODevice::WriteOnly);
        if (c.samplesHaveAFile) {
            QFile(f.ProgramFolder() + "/samples/Sunset.jpg").open(QIODevice::WriteOnly);
        }
        ProcessFacts facts = f.game->facts();
        facts.SamplesFolder = f.ProgramFolder() + "/samples";
        Game game(f.host, *f.store, f.random, facts);
        game.settings.InitDir = *c.initDir ? f.ProgramFolder() + "/" + c.initDir : QString();
        game.mnuFileOpen_Click();
        const QString expected = *c.expected ? f.ProgramFolder() + "/" + c.expected : QString();
        EXPECT_EQ(f.host.calls.first(), "AskOpenFileName " + kOpenFilter + " in [" + expected + "]")
            << c.initDir;
    }
}

} // namespace
} // namespace tess
