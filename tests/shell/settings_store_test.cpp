#include "shell/settings_store.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

QString Ini(const QTemporaryDir& dir) { return dir.path() + QStringLiteral("/store.ini"); }

TEST(SettingsStore, EmptyStoreGivesEveryDefault) {
    QTemporaryDir dir;
    SettingsStore store(Ini(dir));
    Settings s;
    s.PiecesListIndex = 5; // overwritten by the read
    Integer pieces = 0;
    store.ReadAll(s, pieces);
    EXPECT_FALSE(s.SystemMemory);
    EXPECT_TRUE(s.TimePuzzle);
    EXPECT_TRUE(s.InitDir.isEmpty());
    EXPECT_EQ(s.PiecesListIndex, 21);
    EXPECT_EQ(s.BackgroundRed, 212);
    EXPECT_EQ(s.BackgroundGreen, 208);
    EXPECT_EQ(s.BackgroundBlue, 200);
    EXPECT_EQ(s.BackgroundColor, 212 + 256 * 208 + 65536 * 200);
    EXPECT_EQ(s.BackgroundColorFill, 200 + 256 * 208 + 65536 * 212);
    EXPECT_EQ(s.OutlineColor, 0xFFFFFF);
    EXPECT_EQ(s.OutlineColorFill, 0xFFFFFF);
    EXPECT_EQ(s.PreviewCaptionBackgroundColor, 0);
    EXPECT_EQ(s.PreviewCaptionBackgroundColorFill, 0);
    EXPECT_EQ(s.PreviewCaptionTextColor, 16777215);
    EXPECT_TRUE(s.OutlinePieces);
    EXPECT_TRUE(s.ViewPreview);
    EXPECT_EQ(s.PreviewSize, 3);
    EXPECT_EQ(pieces, 64);
}

TEST(SettingsStore, ColourDefaultsFollowTheComponentsJustRead) {
    QTemporaryDir dir;
    {
        QSettings raw(Ini(dir), QSettings::IniFormat);
        raw.setValue("Settings/Background Red", "0");
        raw.setValue("Settings/Background Green", "0");
        raw.setValue("Settings/Background Blue", "255");
        raw.setValue("Settings/Outline Red", "1");
        raw.setValue("Settings/Outline Green", "2");
        raw.setValue("Settings/Outline Blue", "3");
    }
    SettingsStore store(Ini(dir));
    Settings s;
    Integer pieces = 0;
    store.ReadAll(s, pieces);
    EXPECT_EQ(s.BackgroundColor, 255 * 65536);
    EXPECT_EQ(s.BackgroundColorFill, 255);
    EXPECT_EQ(s.OutlineColor, 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(s.OutlineColorFill, 3 + 2 * 256 + 1 * 65536);
}

TEST(SettingsStore, StoredTextsConvertOrFallBackToTheDefault) {
    struct Case {
        const char* key;
        const char* text;
        std::function<bool(const Settings&, Integer)> holds;
    };
    const Case cases[] = {
        {"Time Puzzle", "false", [](const Settings& s, Integer) { return !s.TimePuzzle; }},
        {"Time Puzzle", "0", [](const Settings& s, Integer) { return !s.TimePuzzle; }},
        {"System Memory", "TRUE", [](const Settings& s, Integer) { return s.SystemMemory; }},
        {"System Memory", "-1", [](const Settings& s, Integer) { return s.SystemMemory; }},
        {"View Preview", "maybe", [](const Settings& s, Integer) { return s.ViewPreview; }},
        {"Background Red", "256",
         [](const Settings& s, Integer) { return s.BackgroundRed == 212; }},
        {"Background Red", "-1", [](const Settings& s, Integer) { return s.BackgroundRed == 212; }},
        {"Preview Size", "4", [](const Settings& s, Integer) { return s.PreviewSize == 4; }},
        {"Preview Size", "x", [](const Settings& s, Integer) { return s.PreviewSize == 3; }},
        {"Number of Pieces", "100", [](const Settings&, Integer n) { return n == 100; }},
        {"Number of Pieces", "70000", [](const Settings&, Integer n) { return n == 64; }},
        {"List Index", "97", [](const Settings& s, Integer) { return s.PiecesListIndex == 97; }},
        {"InitDir", "/home/a, b/",
         [](const Settings& s, Integer) { return s.InitDir == "/home/a, b/"; }},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        SettingsStore(Ini(dir)).Write(QString::fromLatin1(c.key), QString::fromLatin1(c.text));
        SettingsStore store(Ini(dir));
        Settings s;
        Integer pieces = 0;
        store.ReadAll(s, pieces);
        EXPECT_TRUE(c.holds(s, pieces)) << c.key << " = " << c.text;
    }
}

TEST(SettingsStore, WritesBooleansAsWordsAndColourGroupsInFull) {
    QTemporaryDir dir;
    {
        SettingsStore store(Ini(dir));
        store.WriteBoolean("View Preview", false);
        store.WriteBoolean("Time Puzzle", true);
        store.WriteNumber("List Index", 21);
        Settings s;
        s.OutlineRed = 10;
        s.OutlineGreen = 20;
        s.OutlineBlue = 30;
        s.OutlineColor = ColorOf(10, 20, 30);
        s.OutlineColorFill = ColorFillOf(10, 20, 30);
        store.SaveOutlineColor(s);
        store.SavePreviewCaptionTextColor(s);
    }
    QFile file(Ini(dir));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("View%20Preview=False")) << text.toStdString();
    EXPECT_TRUE(text.contains("Time%20Puzzle=True"));
    EXPECT_TRUE(text.contains("List%20Index=21"));
    EXPECT_TRUE(text.contains("Outline%20Color=1971210"));
    EXPECT_TRUE(text.contains("Outline%20Color%20Fill=660510"));
    EXPECT_TRUE(text.contains("Preview%20Caption%20Text%20Red=255"));
    EXPECT_FALSE(text.contains("Preview%20Caption%20Text%20Color%20Fill"));
}

} // namespace
} // namespace tess
