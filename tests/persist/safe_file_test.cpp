// The safe writer on a full disk, flushing late and early: the old file stays byte for byte and no
// temporary file is left beside it.
#include "persist/best_times.h"
#include "persist/safe_file.h"
#include "support/file_size_limit.h"
#include "support/window_test_support.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace tess {
namespace {

TEST(WriteFileSafely, AFullDiskKeepsTheOldFileOfEveryWriter) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    BestTimes table;
    table[0] = MakeBestTimeRecord("Ann", 100, 64, "Sunset.jpg");
    // Qt buffers 16 KB before it writes: a smaller file fails only when flushed.
    const std::tuple<QString, QByteArray, rlim_t, std::function<void()>> rows[] = {
        {"large", "old", 32 * 1024,
         [&] { EXPECT_NE(WriteFileSafely(folder + "/large", QByteArray(40000, 'n')), ""); }},
        {"besttimes.txt", "old", 64,
         [&] { EXPECT_NE(WriteBestTimesFile(folder + "/besttimes.txt", table), ""); }},
    };
    for (const auto& [name, old, limit, write] : rows) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(WriteFileSafely(folder + "/" + name, old), "");
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        test::WithFileSizeLimit(limit, write);
        EXPECT_EQ(test::ReadAll(folder + "/" + name), old);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    }
}

} // namespace
} // namespace tess
