// The settings store: defaults of an empty store, colours computed from their components,
// texts that fall back to the default, and the encodings written.
#include "shell/settings_store.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Reads a store holding `stored` (key = text) into settings that hold no default at all,
// and describes them in one line, colours as hexadecimal 0xBBGGRR.
QString ReadBack(const QStringList& stored) {
    QTemporaryDir dir;
    SettingsStore store(dir.path() + "/store.ini");
    for (const QString& entry : stored) {
        store.Write(entry.section('=', 0, 0), entry.section('=', 1));
    }
    Settings s;
    s.TimePuzzle = s.OutlinePieces = s.ViewPreview = false;
    s.SystemMemory = true;
    s.PreviewSize = s.BackgroundRed = s.OutlineBlue = s.PreviewCaptionTextRed = 9;
    s.PiecesListIndex = 9;
    s.InitDir = "x";
    s.BackgroundColor = s.BackgroundColorFill = s.OutlineColor = s.OutlineColorFill = 9;
    s.PreviewCaptionBackgroundColor = s.PreviewCaptionBackgroundColorFill = 9;
    s.PreviewCaptionTextColor = 9;
    Integer pieces = 9;
    store.ReadAll(s, pieces);
    return QStringList{QString("time=%1 memory=%2 outline=%3 view=%4 size=%5 list=%6 pieces=%7")
                           .arg(int(s.TimePuzzle))
                           .arg(int(s.SystemMemory))
                           .arg(int(s.OutlinePieces))
                           .arg(int(s.ViewPreview))
                           .arg(s.PreviewSize)
                           .arg(s.PiecesListIndex)
                           .arg(pieces),
                       "dir=" + s.InitDir,
                       QString("back=%1,%2,%3:%4:%5")
                           .arg(s.BackgroundRed)
                           .arg(s.BackgroundGreen)
                           .arg(s.BackgroundBlue)
                           .arg(s.BackgroundColor, 0, 16)
                           .arg(s.BackgroundColorFill, 0, 16),
                       QString("line=%1,%2,%3:%4:%5")
                           .arg(s.OutlineRed)
                           .arg(s.OutlineGreen)
                           .arg(s.OutlineBlue)
                           .arg(s.OutlineColor, 0, 16)
                           .arg(s.OutlineColorFill, 0, 16),
                       QString("caption=%1:%2 text=%3:%4")
                           .arg(s.PreviewCaptionBackgroundColor, 0, 16)
                           .arg(s.PreviewCaptionBackgroundColorFill, 0, 16)
                           .arg(s.PreviewCaptionTextRed)
                           .arg(s.PreviewCaptionTextColor, 0, 16)}
        .join(' ');
}

TEST(SettingsStore, AnEmptyStoreGivesEveryDefaultAndColoursFollowTheirComponents) {
    EXPECT_EQ(ReadBack({}), "time=1 memory=0 outline=1 view=1 size=3 list=21 pieces=64 dir= "
                            "back=212,208,200:c8d0d4:d4d0c8 line=255,255,255:ffffff:ffffff "
                            "caption=0:0 text=255:ffffff");
    EXPECT_EQ(ReadBack({"Background Red=0", "Background Green=0", "Background Blue=255",
                        "Outline Red=1", "Outline Green=2", "Outline Blue=3"}),
              "time=1 memory=0 outline=1 view=1 size=3 list=21 pieces=64 dir= "
              "back=0,0,255:ff0000:ff line=1,2,3:30201:10203 caption=0:0 text=255:ffffff");
}

TEST(SettingsStore, StoredTextsConvertOrFallBackToTheDefault) {
    const std::pair<QString, QString> cases[] = {
        {"Time Puzzle=false", "time=0"},
        {"Time Puzzle=0", "time=0"},
        {"System Memory=TRUE", "memory=1"},
        {"System Memory=-1", "memory=1"},
        {"View Preview=maybe", "view=1"},
        {"Background Red=256", "back=212,"},
        {"Background Red=-1", "back=212,"},
        {"Preview Size=4", "size=4"},
        {"Preview Size=x", "size=3"},
        {"Number of Pieces=100", "pieces=100"},
        {"Number of Pieces=70000", "pieces=64"},
        {"List Index=97", "list=97"},
        {"InitDir=/home/a, b/", "dir=/home/a, b/ "},
    };
    for (const auto& [stored, read] : cases) {
        EXPECT_TRUE(ReadBack({stored}).contains(read)) << stored.toStdString();
    }
}

TEST(SettingsStore, WritesBooleansAsWordsAndColourGroupsInFull) {
    QTemporaryDir dir;
    {
        SettingsStore store(dir.path() + "/store.ini");
        store.WriteBoolean("View Preview", false);
        store.WriteBoolean("Time Puzzle", true);
        store.WriteNumber("List Index", 21);
        Settings s;
        s.OutlineRed = 10;
        s.OutlineGreen = 20;
        s.OutlineBlue = 30;
        s.OutlineColor = 1971210;
        s.OutlineColorFill = 660510;
        store.SaveOutlineColor(s);
        store.SavePreviewCaptionTextColor(s);
    }
    QFile file(dir.path() + "/store.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
        (QStringList{
            "[Settings]", "List%20Index=21", "Outline%20Blue=30", "Outline%20Color=1971210",
            "Outline%20Color%20Fill=660510", "Outline%20Green=20", "Outline%20Red=10",
            "Preview%20Caption%20Text%20Blue=255", "Preview%20Caption%20Text%20Color=16777215",
            "Preview%20Caption%20Text%20Green=255", "Preview%20Caption%20Text%20Red=255",
            "Time%20Puzzle=True", "View%20Preview=False"}));
}

} // namespace
} // namespace tess
