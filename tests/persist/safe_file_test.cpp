// Every writer of the program on a full disk: the old file stays byte for byte and no
// temporary file is left beside it.
#include "desktop/file_type_registration.h"
#include "desktop/recent_documents.h"
#include "persist/best_times.h"
#include "persist/safe_file.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace tess {
namespace {

QByteArray Lines(const char* line, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += line + QByteArray::number(i) + '\n';
    }
    return bytes;
}

TEST(WriteFileSafely, AFullDiskKeepsTheOldFileOfEveryWriter) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const DesktopFolders desktop{folder + "/data", folder};
    const QString xbel = folder + "/recently-used.xbel";
    QByteArray bookmarks = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0" xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks" xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
)";
    for (int i = 0; i < 12; ++i) {
        bookmarks +=
            QByteArray(R"(  <bookmark href="file:///home/someone/letter)") + QByteArray::number(i) +
            R"(.odt" added="2026-01-01T00:00:00Z" modified="2026-01-01T00:00:00Z" visited="2026-01-01T00:00:00Z"/>
)";
    }
    bookmarks += "</xbel>\n";
    BestTimes table;
    table[0] = MakeBestTimeRecord("Ann", 100, 64, "Sunset.jpg");

    struct Row {
        const char* what;
        QString path;
        QByteArray old;
        rlim_t limit;
        std::function<void()> write;
    };
    // Qt buffers 16 KB before it writes: a file under that fails only when flushed.
    const std::vector<Row> rows = {
        {"below the write buffer", folder + "/small", "old", 1024,
         [&] { EXPECT_FALSE(WriteFileSafely(folder + "/small", Lines("new", 500)).isEmpty()); }},
        {"beyond the write buffer", folder + "/large", "old", 32 * 1024,
         [&] { EXPECT_FALSE(WriteFileSafely(folder + "/large", Lines("new", 20000)).isEmpty()); }},
        {"best times", folder + "/besttimes.txt", "old", 64,
         [&] { EXPECT_FALSE(WriteBestTimesFile(folder + "/besttimes.txt", table).isEmpty()); }},
        {"mimeapps.list", folder + "/mimeapps.list",
         "[Default Applications]\n" + Lines("text/x-other-", 100), 1024,
         [&] { RegisterStateFileType("/opt/tessellara", "tessellara", desktop); }},
        {"recently-used.xbel", xbel, bookmarks, rlim_t(bookmarks.size()),
         [&] {
             AddRecentDocumentTo(xbel, RecentDocument{folder + "/game.psf",
                                                      "application/x-tessellara-psf", "Tessellara",
                                                      "tessellara %f"});
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile file(row.path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.old);
        file.close();
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        test::WithFileSizeLimit(row.limit, row.write);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), row.old);
        file.close();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    }
}

} // namespace
} // namespace tess
