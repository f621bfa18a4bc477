// Writing the settings store: the file as QSettings writes it, read back by a new store and by
// QSettings (the Game menu's section too), on the disk when a command returns, and never cut
// off by a full disk.
#include "persist/safe_file.h"
#include "support/file_size_limit.h"
#include "support/recording_host.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::ReadAll;

TEST(SettingsStore, WritesTheFileAsQSettingsDoesAndANewStoreReadsItBackAsQSettingsDoes) {
    QStringList texts{"/home/a, b/",    "/x;y=z/", " lead", "q\"uo\\te",  "@at",
                      "\a\b\t\n\r\f\v", "ünï€ 𝄞",  "",      "#x [y] 's'", "\x7f"};
    texts << QString(QChar(0)) + "7" << QChar(1) + QString("ab9g");
    test::GameFixture f;
    const QString ours = f.store->FileName();
    const QString theirs = f.ProgramFolder() + "/qsettings.ini";
    // Other sections and a comment, as a file edited by hand may hold them (some lines ending in
    // CR LF); the Game menu's section with texts its booleans read leniently, and a classic key
    // that is not read there.
    const QByteArray before =
        "[General]\nTop=1\n\n[Game]\nShow%20Progress= true\nPreview%20Above%20"
        "Pieces=2\nMaybe=maybe\nView%20Preview=True\n\n[Settings]\nOld=@@x\n; "
        "note\nCaf%E9\\%U20AC = 2 \nList=/home/a, b/\n\n[Zeta]\r\nA=1\r\n";
    ASSERT_EQ(WriteFileSafely(ours, before) + WriteFileSafely(theirs, before), "");
    {
        QSettings qt(theirs, QSettings::IniFormat);
        for (int i = 0; i < texts.size(); ++i) {
            qt.setValue(QString("Settings/Key %1").arg(i), texts[i]);
            f.store->Write(QString("Key %1").arg(i), texts[i]);
        }
        qt.setValue("Game/Faint Picture", "True");
        f.store->WriteGameBoolean("Faint Picture", true);
    }
    EXPECT_EQ(ReadAll(ours).toStdString(), ReadAll(theirs).toStdString());
    // Read back from the file by a new store, as the next start reads it, and by QSettings; an
    // unquoted text with commas (written by hand) comes back whole.
    const SettingsStore next(ours);
    const QSettings qt(ours, QSettings::IniFormat);
    texts << "/home/a, b/";
    for (int i = 0; i < texts.size(); ++i) {
        const QString key = i + 1 < texts.size() ? QString("Key %1").arg(i) : "List";
        EXPECT_EQ(next.Read(key, "none"), texts[i]) << i;
        EXPECT_EQ(qt.value("Settings/" + key).toStringList().join(", "), texts[i]) << i;
    }
    EXPECT_EQ(QList<bool>({next.ReadGameBoolean("Show Progress"),
                           next.ReadGameBoolean("Preview Above Pieces"),
                           next.ReadGameBoolean("Faint Picture"), next.ReadGameBoolean("Maybe"),
                           next.Read("View Preview", "").isEmpty()}),
              QList<bool>({true, true, true, false, true}));
}

// On a full disk the old file stays as it was and the player is told once; the keys that
// could not be written are written with the next one that can, in the file when the command
// that changed it returns (a process killed then loses nothing).
TEST(SettingsStore, AFailedWriteKeepsTheOldFileTellsOnceAndTheNextCommandWritesAll) {
    test::GameFixture f;
    f.store->Write("InitDir", "/" + QByteArray(200, 'p') + "/");
    f.store->Write("Time Puzzle", "True");
    const QByteArray old = ReadAll(f.store->FileName());
    // Room for a lock file, not for the longer settings file.
    test::WithFileSizeLimit(old.size(), [&] {
        f.store->Write("Background Red", "0");
        f.game->mnuViewPreview_Click();
    });
    ASSERT_TRUE(ReadAll(f.store->FileName()) == old && f.host.messages.size() == 1);
    EXPECT_TRUE(f.host.messages[0].startsWith("Tessellara|The settings could not be saved to \"" +
                                              f.store->FileName() + "\": "))
        << f.host.messages[0].toStdString();
    SetPictureFileName(f.game->puzzle, "/pictures/cat.bmp");
    f.game->SaveInitDir();
    EXPECT_EQ(ReadAll(f.store->FileName()), "[Settings]\nBackground%20Red=0\nInitDir=/pictures/"
                                            "\nTime%20Puzzle=True\nView%20Preview=False\n");
}

} // namespace
} // namespace tess
