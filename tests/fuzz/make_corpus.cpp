// Writes the seed corpora of the fuzz targets from the tests' own builders:
//   make_fuzz_corpus <folder>     (tests/fuzz/corpus; one subfolder per target)
// Qt writes no GIF: fuzz_picture/pattern.gif was made from the BMP with ImageMagick,
//   convert pattern.bmp -transparent '#C2B853' pattern.gif
#include "desktop/file_type_registration.h"
#include "desktop/recent_documents.h"
#include "display/test_pictures.h"
#include "persist/best_times.h"
#include "persist/state_file.h"
#include "persist/state_file_bytes.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <random>

namespace {

using namespace tess;

QString root;

void Seed(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(root + "/" + target);
    QFile file(root + "/" + target + "/" + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(file.fileName()));
    }
}

// The state file from record 2 on, then bytes that choose the play actions.
void StateSeed(const QString& name, const QByteArray& file, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray play(96, '\0');
    for (char& byte : play) {
        byte = char(random());
    }
    Seed("fuzz_state_file", name, file.mid(kStateRecordSize) + play);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        qFatal("usage: make_fuzz_corpus <folder>");
    }
    root = QString::fromLocal8Bit(argv[1]);

    StateSeed("fresh-2x2", test::FreshTwoByTwo("/p.bmp", 61).Bytes(), 1);
    StateSeed("finished-2x2", test::FinishedTwoByTwo("/p.bmp").Bytes(true), 2);
    StateSeed("mid-game-3x2", test::MidGameThreeByTwo("/p.bmp").Bytes(), 3);
    {
        QTemporaryDir folder;
        test::GameFixture f;
        test::OpenPatternPicture(f, 12, 96, 72);
        f.game->mnuFileScramble_Click();
        StateSeed("scrambled-12", WriteStateFile(f.game->puzzle, "/s.psf").bytes, 4);
    }

    BestTimes table;
    InsertBestTime(table, 1, MakeBestTimeRecord("Ann", 3725, 64, "boat.jpg"));
    InsertBestTime(table, 2, MakeBestTimeRecord(QString::fromUtf8("Zo\xC3\xAB"), 61, 12, "p.bmp"));
    InsertBestTime(table, 3, MakeBestTimeRecord("", 1, 324, "big picture.gif"));
    Seed("fuzz_best_times", "three", BestTimesToBytes(table));
    Seed("fuzz_best_times", "empty", BestTimesToBytes(BestTimes{}));
    Seed(
        "fuzz_best_times", "windows-1252-damaged",
        "\"Ren\xE9\"\r\n0\r\n1\r\n2\r\n30\r\nsea \"x\".bmp\r\nBo\r\n-1\r\n0\r\n0\r\n4\r\n\"\"\r\n");

    {
        QTemporaryDir folder;
        const QString ini = folder.path() + "/settings.ini";
        {
            SettingsStore store(ini);
            Settings s;
            s.BackgroundRed = 10;
            s.OutlineBlue = 0;
            store.SaveBackgroundColor(s);
            store.SaveOutlineColor(s);
            store.SavePreviewCaptionBackgroundColor(s);
            store.SavePreviewCaptionTextColor(s);
            for (const char* key :
                 {"System Memory", "Time Puzzle", "Outline Pieces", "View Preview"}) {
                store.WriteBoolean(key, true);
            }
            store.Write("InitDir", "/tmp/");
            store.WriteNumber("List Index", 3);
            store.WriteNumber("Preview Size", 2);
            store.WriteNumber("Number of Pieces", 12);
        }
        QFile file(ini);
        file.open(QIODevice::ReadOnly);
        Seed("fuzz_settings", "every-key", file.readAll());
    }
    Seed("fuzz_settings", "by-hand",
         "[Settings]\nNumber of Pieces=20\nPreview Size=4\nView Preview=false\n"
         "Outline Pieces=0\nBackground Color Fill=255\n");

    int k = 0;
    for (const char* text : {"12x", "-3.5e2", " 2 5 5", ".5", "1e", "+7.25E+1z"}) {
        Seed("fuzz_numeric_value", QString::number(++k), text);
    }

    Seed("fuzz_mime_apps", "empty", "");
    Seed("fuzz_mime_apps", "others",
         "[Default Applications]\ntext/html=firefox.desktop\n\n[Added Associations]\n"
         "image/png=g;\n");
    Seed("fuzz_mime_apps", "ours-replaced",
         "# mine\r\n[Default Applications]\r\napplication/x-tessellara-psf=other.desktop\r\n"
         "image/gif=e");

    const QDateTime noon(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const RecentDocument notes{"/home/p/notes.txt", "text/plain", "gedit", "gedit %u"};
    const RecentDocument game{"/home/p/saved game.psf", "application/x-tessellara-psf",
                              "Tessellara", "/opt/t/tessellara %f"};
    const QByteArray others = AddRecentBookmark("", notes, noon).value();
    Seed("fuzz_recent_documents", "others", others);
    Seed("fuzz_recent_documents", "ours-too", AddRecentBookmark(others, game, noon).value());

    const QImage picture = test::PatternPicture(40, 36);
    for (const char* format : {"bmp", "jpg"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        Seed("fuzz_picture", QString("pattern.") + format, bytes);
    }
    return 0;
}
