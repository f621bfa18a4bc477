// The game on the desktop: the state file type written on every start with the program's
// folder and what xdg-mime answers of it, and the recent-documents bookmark file kept whole.
#include "desktop/file_type_registration.h"
#include "desktop/recent_documents.h"
#include "persist/safe_file.h"
#include "support/window_test_support.h"

#include <QDomDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tess {
namespace {

TEST(FileTypeRegistration, EveryStartRewritesTheSameFilesWithItsOwnFolder) {
    const auto [data, config, system] = CurrentDesktopFolders();
    ASSERT_TRUE(data.startsWith(QDir(QDir::tempPath()).canonicalPath()));
    QTemporaryDir first, second;
    for (const QString& appDir : {first.path(), second.path()}) {
        test::WindowFixture start(appDir);
        // The glob and its weight are judged below by what xdg-mime answers; here what the
        // type's own values add (its description, the type it is a kind of, its icon) and the
        // program's folder.
        const QByteArray files = test::ReadAll(data + "/mime/packages/tessellara-psffile.xml") +
                                 test::ReadAll(data + "/applications/tessellara-psffile.desktop");
        EXPECT_TRUE(
            files.contains("<comment>Tessellara Puzzle State File</comment>\n    <sub-class-"
                           "of type=\"text/plain\"/>\n    <icon name=\"tessellara\"/>") &&
            files.contains("\nComment=Tessellara Puzzle State File\nExec=\"" + appDir.toUtf8() +
                           "/") &&
            files.contains("\nIcon=tessellara\nMimeType=application/x-tessellara-psf;\n"))
            << files.toStdString();
        EXPECT_EQ(test::ReadAll(config + "/mimeapps.list")
                      .count("application/x-tessellara-psf=tessellara-psffile.desktop"),
                  1);
    }

    // What the desktop then answers, where its tools are installed.
    for (const char* tool : {"xdg-mime", "gio", "update-mime-database"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            GTEST_SKIP() << tool << " is missing (xdg-utils, libglib2.0-bin, shared-mime-info)";
        }
    }
    // On GNOME xdg-mime asks GIO, which honours glob weights; its generic fallback lets the
    // first *.psf of /usr/share win.
    const QString game = first.path() + "/saved game.psf";
    ASSERT_EQ(WriteFileSafely(game, QByteArray("/pictures/sea.jpg").leftJustified(130, ' ')), "");
    QProcess xdgMime;
    xdgMime.start("env", {"XDG_CURRENT_DESKTOP=GNOME", "xdg-mime", "query", "filetype", game});
    xdgMime.waitForFinished(20000);
    EXPECT_EQ(xdgMime.readAllStandardOutput().trimmed(), "application/x-tessellara-psf");
}

TEST(FileTypeRegistration, WritesExecLinesAndMimeAppsListsAsTheDesktopWantsThem) {
    EXPECT_EQ(MimeTypeNameFor("File") + ' ' + MimeTypeNameFor("XFile"),
              "application/x-tessellara-file application/x-tessellara-x");
    EXPECT_EQ(ExecLineFor("/x/100%/$HOME\"q\"/back\\slash/t %1"),
              R"("/x/100%%/\\$HOME\\"q\\"/back\\\\slash/t" %f)");
    // Every other line of mimeapps.list is kept.
    const QByteArray ours = "application/x-tessellara-psf=tessellara-psffile.desktop\n";
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"", "[Default Applications]\n" + ours},
        {"[Default Applications]\ntext/html=f.desktop\n\n[Added Associations]\nimage/png=g;\n",
         "[Default Applications]\ntext/html=f.desktop\n" + ours +
             "\n[Added Associations]\nimage/png=g;\n"},
        {"# mine\n[Default Applications]\napplication/x-tessellara-psf=other.desktop\nimage/gif=e",
         "# mine\n[Default Applications]\n" + ours + "image/gif=e"},
        {"[Added Associations]\nimage/png=g;",
         "[Added Associations]\nimage/png=g;\n\n[Default Applications]\n" + ours.chopped(1)},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(SetDefaultApplication(before, "application/x-tessellara-psf",
                                        "tessellara-psffile.desktop"),
                  after)
            << before.toStdString();
    }
}

const RecentDocument kGame{"/home/p/saved game.psf", "application/x-tessellara-psf", "Tessellara",
                           "/opt/t/tessellara %f"};

// Each bookmark as href|mime type|application|count|exec|added|visited.
QStringList Bookmarks(const std::optional<QByteArray>& xbel) {
    QDomDocument dom;
    EXPECT_TRUE(xbel && dom.setContent(*xbel, false));
    QStringList found;
    for (QDomElement b = dom.documentElement().firstChildElement("bookmark"); !b.isNull();
         b = b.nextSiblingElement("bookmark")) {
        const QDomElement data = b.firstChildElement("info").firstChildElement("metadata");
        const QDomElement app = data.firstChildElement("bookmark:applications")
                                    .firstChildElement("bookmark:application");
        found << b.attribute("href") + '|' +
                     data.firstChildElement("mime:mime-type").attribute("type") + '|' +
                     app.attribute("name") + '|' + app.attribute("count") + '|' +
                     app.attribute("exec") + '|' + b.attribute("added") + '|' +
                     b.attribute("visited");
    }
    return found;
}

TEST(RecentDocuments, AddsTheBookmarkOnceKeepsTheOthersAndLeavesABrokenFileAlone) {
    const QByteArray others = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0" xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks" xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
<bookmark href="file:///home/p/notes.txt" added="2025-01-01T10:00:00Z" visited="2025-01-01T10:00:00Z">
<info><metadata owner="http://freedesktop.org"><mime:mime-type type="text/plain"/>
<bookmark:applications><bookmark:application name="gedit" exec="&apos;gedit %u&apos;" count="3"/>
</bookmark:applications></metadata></info></bookmark></xbel>
)";
    const QDateTime noon(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const QString ours = "file:///home/p/saved%20game.psf|application/x-tessellara-psf|Tessellara|"
                         "%1|'/opt/t/tessellara %f'|2026-05-01T12:00:00.000Z|2026-05-01T12:%2.000Z";
    const std::optional<QByteArray> added = AddRecentBookmark(others, kGame, noon);
    const QString gedit = "file:///home/p/notes.txt|text/plain|gedit|3|'gedit %u'|"
                          "2025-01-01T10:00:00Z|2025-01-01T10:00:00Z";
    EXPECT_EQ(Bookmarks(added), (QStringList{gedit, ours.arg("1", "00:00")}));
    EXPECT_EQ(Bookmarks(AddRecentBookmark(*added, kGame, noon.addSecs(60))),
              (QStringList{gedit, ours.arg("2", "01:00")}))
        << "the same file again is touched, not added twice";

    // A malformed file, or one that would not read back once written (a control character), is
    // left byte for byte.
    QTemporaryDir folder;
    const QString path = folder.path() + "/recently-used.xbel";
    for (const QByteArray& file :
         {QByteArray("<?xml version=\"1.0\"?>\n<html/>\n"), others.left(300),
          QByteArray("<?xm\x01?>\n<xbel version=\"1.0\"/>\n"), others}) {
        ASSERT_EQ(WriteFileSafely(path, file), "");
        AddRecentDocumentTo(path, kGame);
        EXPECT_EQ(test::ReadAll(path) == file, file != others) << file.toStdString();
    }
}

// Three copies of the program quitting at once each add their game, ten times in a row; a
// bookmark another program writes after ours is made and before the file is replaced is kept.
TEST(RecentDocuments, CopiesQuittingAtOnceAndAnotherProgramMeanwhileLoseNoBookmark) {
    QTemporaryDir folder; // the file's folder is made with the file
    const QString path = folder.path() + "/share/recently-used.xbel";
    auto game = [](int n) { return RecentDocument{QString("/g/%1.psf").arg(n), "", "", ""}; };
    auto games = [&] {
        QStringList found;
        for (const QString& bookmark : Bookmarks(test::ReadAll(path))) {
            found << bookmark.section('|', 0, 0).remove("file:///g/");
        }
        found.sort();
        return found.join(' ');
    };
    for (int round = 0; round < 10; ++round) {
        QFile::remove(path);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        for (int n = 1; n <= 3; ++n) {
            if (fork() == 0) {
                char go = 0; // all three go when the test closes the pipe
                ::close(start[1]);
                [[maybe_unused]] const ssize_t got = ::read(start[0], &go, 1);
                AddRecentDocumentTo(path, game(n));
                _exit(0);
            }
        }
        ::close(start[0]);
        ::close(start[1]);
        while (wait(nullptr) > 0) {
        }
        EXPECT_EQ(games(), "1.psf 2.psf 3.psf") << "round " << round;
    }
    int made = 0;
    AddRecentDocumentTo(path, game(4), [&] {
        if (made++ == 0) {
            ASSERT_EQ(WriteFileSafely(path, *AddRecentBookmark(test::ReadAll(path), game(5), {})),
                      "");
        }
    });
    EXPECT_EQ(games(), "1.psf 2.psf 3.psf 4.psf 5.psf");
    EXPECT_EQ(made, 2) << "made again on the file the other program wrote";
}

} // namespace
} // namespace tess
