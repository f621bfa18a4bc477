// The safe writer on a full disk, flushing late and early: the old file stays byte for byte and no
// temporary file is left beside it.
#include "persist/safe_file.h"
#include "support/file_size_limit.h"
#include "support/window_test_support.h"

#include <QDir>
#include <gtest/gtest.h>
#include <utility>

namespace tess {
namespace {

TEST(WriteFileSafely, AFullDiskKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/saved";
    // Qt buffers 16 KB before it writes: a smaller file fails only when flushed.
    for (const auto& [size, limit] : {std::pair{40000, 32 * 1024}, std::pair{100, 64}}) {
        SCOPED_TRACE(size);
        ASSERT_EQ(WriteFileSafely(path, "old"), "");
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        test::WithFileSizeLimit(rlim_t(limit), [&, size = size] {
            EXPECT_NE(WriteFileSafely(path, QByteArray(size, 'n')), "");
        });
        EXPECT_EQ(test::ReadAll(path), "old");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }
}

} // namespace
} // namespace tess
