// Recent documents: the bookmark of a state file from the command line, and a bookmark
// file that is kept whole.
#include "shell/recent_documents.h"
#include "support/recording_host.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QUrl>
#include <gtest/gtest.h>

namespace tess {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
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

// The bookmarks as (href, mime type, application name, count, exec).
QStringList Bookmarks(const QByteArray& xbel) {
    QDomDocument dom;
    EXPECT_TRUE(dom.setContent(xbel, false));
    QStringList found;
    for (QDomElement b = dom.documentElement().firstChildElement("bookmark"); !b.isNull();
         b = b.nextSiblingElement("bookmark")) {
        const QDomElement metadata = b.firstChildElement("info").firstChildElement("metadata");
        const QDomElement app = metadata.firstChildElement("bookmark:applications")
                                    .firstChildElement("bookmark:application");
        found << QStringList{b.attribute("href"),
                             metadata.firstChildElement("mime:mime-type").attribute("type"),
                             app.attribute("name"),
                             app.attribute("count"),
                             app.attribute("exec"),
                             b.attribute("added"),
                             b.attribute("visited")}
                     .join('|');
    }
    return found;
}

TEST(RecentDocuments, AddsTheBookmarkAndKeepsTheOthers) {
    const std::optional<QByteArray> fresh = AddRecentBookmark({}, kGame, kNoon);
    ASSERT_TRUE(fresh);
    const QString ours =
        "file:///home/p/saved%20game.psf|application/x-tessellara-psf|Tessellara|%1|"
        "'/opt/t/tessellara %f'|2026-05-01T12:00:00.000Z|%2";
    EXPECT_EQ(Bookmarks(*fresh), QStringList{ours.arg("1", "2026-05-01T12:00:00.000Z")});

    const std::optional<QByteArray> added = AddRecentBookmark(kOtherBookmarks, kGame, kNoon);
    ASSERT_TRUE(added);
    const QString gedit =
        "file:///home/p/notes.txt|text/plain|gedit|3|'gedit %u'|2025-01-01T10:00:00Z|"
        "2025-01-01T10:00:00Z";
    EXPECT_EQ(Bookmarks(*added), (QStringList{gedit, ours.arg("1", "2026-05-01T12:00:00.000Z")}));

    const std::optional<QByteArray> again = AddRecentBookmark(*added, kGame, kNoon.addSecs(60));
    ASSERT_TRUE(again);
    EXPECT_EQ(Bookmarks(*again), (QStringList{gedit, ours.arg("2", "2026-05-01T12:01:00.000Z")}))
        << "the same file again is touched, not added twice";
}

TEST(RecentDocuments, AMalformedFileIsLeftByteForByte) {
    const QString path = QDir::tempPath() + "/tessellara-recent-test/recently-used.xbel";
    for (const QByteArray& broken :
         {QByteArray("<xbel version=\"1.0\"><bookmark href=\"file:///a\">"),
          QByteArray("<?xml version=\"1.0\"?>\n<html><body/></html>\n"),
          QByteArray("\xff\xfe garbage \x00 here", 18), kOtherBookmarks.left(300)}) {
        EXPECT_FALSE(AddRecentBookmark(broken, kGame, kNoon));
        WriteAll(path, broken);
        AddRecentDocumentTo(path, kGame);
        EXPECT_EQ(ReadAll(path), broken);
    }
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

// A host that does the real desktop work for the two desktop calls.
struct DesktopHost : test::RecordingHost {
    void AddRecentDocument(const QString& path) override {
        RecordingHost::AddRecentDocument(path);
        AddRecentDocumentTo(RecentlyUsedPath(), RecentDocument{path, "application/x-tessellara-psf",
                                                               "Tessellara", "tessellara %f"});
    }
};

TEST(RecentDocuments, AStateFileFromTheCommandLineIsAddedAPictureFromOpenIsNot) {
    const QString xbel = RecentlyUsedPath();
    ASSERT_TRUE(xbel.startsWith(QDir(QDir::tempPath()).canonicalPath())) << xbel.toStdString();
    WriteAll(xbel, kOtherBookmarks);

    // A real game saved to a state file, from a real picture.
    test::GameFixture f;
    const QString picture = f.ProgramFolder() + "/sea.jpg";
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(picture));
    const QString stateFile = f.ProgramFolder() + "/my game.psf";
    f.host.openAnswers.push_back(picture);
    f.game->mnuFileOpen_Click();
    ASSERT_TRUE(f.game->puzzle.PuzzleLoaded);
    f.host.saveAnswers.push_back(stateFile);
    f.game->mnuFileSavePuzzleState_Click();
    ASSERT_TRUE(QFile::exists(stateFile));

    DesktopHost host;
    ProcessFacts facts = f.game->facts();
    facts.CommandLine = stateFile;
    Game fromCommandLine(host, *f.store, f.random, facts);
    host.onShow = [&] { fromCommandLine.Form_Resize(); };
    fromCommandLine.Form_Load();
    ASSERT_TRUE(fromCommandLine.puzzle.PuzzleLoaded);
    QStringList bookmarks = Bookmarks(ReadAll(xbel));
    ASSERT_EQ(bookmarks.size(), 2);
    EXPECT_TRUE(bookmarks[0].startsWith("file:///home/p/notes.txt|"));
    EXPECT_TRUE(bookmarks[1].startsWith(QUrl::fromLocalFile(facts.CommandLine).toEncoded() + "|"));

    host.openAnswers.push_back(picture);
    fromCommandLine.mnuFileOpen_Click();
    EXPECT_EQ(PicturePath(fromCommandLine.puzzle), picture);
    EXPECT_FALSE(ReadAll(xbel).contains("sea.jpg"));
    EXPECT_EQ(Bookmarks(ReadAll(xbel)).size(), 2);
    QFile::remove(xbel);
}

} // namespace
} // namespace tess
