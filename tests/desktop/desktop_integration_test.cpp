// The game on the desktop: the state file type written on every start and what xdg-mime
// answers of it, and the recent-documents bookmark file kept whole.
#include "desktop/file_type_registration.h"
#include "desktop/recent_documents.h"
#include "support/qt_printers.h"
#include "support/window_test_support.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tess {
namespace {

QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next().mid(folder.size());
    }
    files.sort();
    return files;
}

QString RunXdgMime(const QStringList& arguments) {
    QProcess process;
    // On GNOME xdg-mime asks GIO, which honours glob weights; its generic fallback lets the
    // first *.psf of /usr/share win.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
    process.setProcessEnvironment(environment);
    process.start("xdg-mime", arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

TEST(FileTypeRegistration, EveryStartRewritesTheSameFilesWithItsOwnFolder) {
    const DesktopFolders folders = CurrentDesktopFolders();
    const QString temp = QDir(QDir::tempPath()).canonicalPath();
    ASSERT_TRUE(folders.DataHome.startsWith(temp) && folders.ConfigHome.startsWith(temp));
    const FileTypeRegistry paths(folders);
    const QString package = paths.MimePackagePath("psffile");
    const QString entry = paths.DesktopEntryPath("psffile");
    EXPECT_EQ(package, folders.DataHome + "/mime/packages/tessellara-psffile.xml");
    EXPECT_EQ(entry, folders.DataHome + "/applications/tessellara-psffile.desktop");
    const QByteArray expectedPackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-tessellara-psf">
    <comment>Tessellara Puzzle State File</comment>
    <sub-class-of type="text/plain"/>
    <icon name="tessellara"/>
    <glob pattern="*.psf" weight="80"/>
  </mime-type>
</mime-info>
)";
    QStringList filesAfterFirst;
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QString& appDir : {first.path(), second.path()}) {
        test::WindowFixture start(appDir);
        EXPECT_EQ(test::ReadAll(package), expectedPackage);
        EXPECT_EQ(QString::fromUtf8(test::ReadAll(entry)),
                  QString("[Desktop Entry]\nType=Application\nName=Tessellara\n"
                          "Comment=Tessellara Puzzle State File\nExec=\"%1/%2\" %f\n"
                          "Icon=tessellara\nMimeType=application/x-tessellara-psf;\n"
                          "NoDisplay=true\nTerminal=false\n")
                      .arg(appDir, QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        EXPECT_EQ(test::ReadAll(paths.MimeAppsListPath())
                      .count("application/x-tessellara-psf=tessellara-psffile.desktop"),
                  1);
        const QStringList files = FilesUnder(folders.DataHome) + FilesUnder(folders.ConfigHome);
        if (appDir == first.path()) {
            filesAfterFirst = files;
        }
        EXPECT_EQ(files, filesAfterFirst) << "the second start leaves the same set of files";
    }

    // What the desktop then answers, where its tools are installed.
    for (const char* tool : {"xdg-mime", "gio", "update-mime-database"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            GTEST_SKIP() << tool
                         << " is not installed (xdg-utils, libglib2.0-bin, shared-mime-info)";
        }
    }
    QFile game(first.path() + "/saved game.psf");
    ASSERT_TRUE(game.open(QIODevice::WriteOnly));
    game.write(QByteArray("/pictures/sea.jpg").leftJustified(128, ' ') + QByteArray("\x40\x00", 2));
    game.close();
    EXPECT_EQ(RunXdgMime({"query", "filetype", game.fileName()}), "application/x-tessellara-psf");
    EXPECT_EQ(RunXdgMime({"query", "default", "application/x-tessellara-psf"}),
              "tessellara-psffile.desktop");
}

TEST(FileTypeRegistration, ExecLinesQuoteThePathAsDesktopEntriesWant) {
    EXPECT_EQ(ExecLineFor("/home/a b/tessellara %1"), R"("/home/a b/tessellara" %f)");
    EXPECT_EQ(ExecLineFor("/x/100%/$HOME\"q\"/back\\slash/t %1"),
              R"("/x/100%%/\\$HOME\\"q\\"/back\\\\slash/t" %f)");
}

TEST(FileTypeRegistration, MimeAppsListKeepsEveryOtherLine) {
    const QByteArray ours = "application/x-tessellara-psf=tessellara-psffile.desktop\n";
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"", "[Default Applications]\n" + ours},
        {"[Default Applications]\ntext/html=firefox.desktop\n\n[Added "
         "Associations]\nimage/png=g;\n",
         "[Default Applications]\ntext/html=firefox.desktop\n" + ours +
             "\n[Added Associations]\nimage/png=g;\n"},
        {"# mine\n[Default Applications]\napplication/x-tessellara-psf=other.desktop\nimage/gif=e",
         "# mine\n[Default Applications]\n" + ours + "image/gif=e"},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(SetDefaultApplication(before, "application/x-tessellara-psf",
                                        "tessellara-psffile.desktop"),
                  after)
            << before.toStdString();
    }
}

TEST(FileTypeRegistration, AStartWithoutWriteAccessRegistersNothingAndGoesOn) {
    // Folders below a plain file cannot be made, not even by root.
    QTemporaryDir folder;
    QFile plain(folder.path() + "/plain");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    RegisterStateFileType("/opt/t", "tessellara",
                          {plain.fileName() + "/data", plain.fileName() + "/config"});
    EXPECT_EQ(FilesUnder(folder.path()), QStringList{"/plain"});
}

const RecentDocument kGame{"/home/p/saved game.psf", "application/x-tessellara-psf", "Tessellara",
                           "/opt/t/tessellara %f"};
const QDateTime kNoon(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);

const QByteArray kOtherBookmarks = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info"
>
  <bookmark href="file:///home/p/notes.txt" added="2025-01-01T10:00:00Z" modified="2025-01-01T10:00:00Z" visited="2025-01-01T10:00:00Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="text/plain"/>
        <bookmark:applications>
          <bookmark:application name="gedit" exec="&apos;gedit %u&apos;" modified="2025-01-01T10:00:00Z" count="3"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
</xbel>
)";

// Each bookmark as href|mime type|application|count|exec|added|visited.
QStringList Bookmarks(const std::optional<QByteArray>& xbel) {
    QDomDocument dom;
    EXPECT_TRUE(xbel && dom.setContent(*xbel, false));
    QStringList found;
    for (QDomElement b = dom.documentElement().firstChildElement("bookmark"); !b.isNull();
         b = b.nextSiblingElement("bookmark")) {
        const QDomElement metadata = b.firstChildElement("info").firstChildElement("metadata");
        const QDomElement app = metadata.firstChildElement("bookmark:applications")
                                    .firstChildElement("bookmark:application");
        found << QStringList({b.attribute("href"),
                              metadata.firstChildElement("mime:mime-type").attribute("type"),
                              app.attribute("name"), app.attribute("count"), app.attribute("exec"),
                              b.attribute("added"), b.attribute("visited")})
                     .join('|');
    }
    return found;
}

TEST(RecentDocuments, AddsTheBookmarkOnceAndKeepsTheOthers) {
    const QString ours = "file:///home/p/saved%20game.psf|application/x-tessellara-psf|Tessellara|"
                         "%1|'/opt/t/tessellara %f'|2026-05-01T12:00:00.000Z|2026-05-01T12:%2.000Z";
    EXPECT_EQ(Bookmarks(AddRecentBookmark({}, kGame, kNoon)), QStringList{ours.arg("1", "00:00")});

    const std::optional<QByteArray> added = AddRecentBookmark(kOtherBookmarks, kGame, kNoon);
    const QString gedit = "file:///home/p/notes.txt|text/plain|gedit|3|'gedit %u'|"
                          "2025-01-01T10:00:00Z|2025-01-01T10:00:00Z";
    EXPECT_EQ(Bookmarks(added), (QStringList{gedit, ours.arg("1", "00:00")}));
    EXPECT_EQ(Bookmarks(AddRecentBookmark(*added, kGame, kNoon.addSecs(60))),
              (QStringList{gedit, ours.arg("2", "01:00")}))
        << "the same file again is touched, not added twice";
}

TEST(RecentDocuments, AMalformedFileIsLeftByteForByte) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/recently-used.xbel";
    // The last is read, but as written back it would not be (a control character).
    for (const QByteArray& broken :
         {QByteArray("<?xml version=\"1.0\"?>\n<html><body/></html>\n"), kOtherBookmarks.left(300),
          QByteArray("<?xm\x01?>\n<xbel version=\"1.0\"/>\n")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(broken);
        file.close();
        AddRecentDocumentTo(path, kGame);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), broken);
    }
}

} // namespace
} // namespace tess
