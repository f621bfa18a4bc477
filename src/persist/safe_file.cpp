// Writing a file whole or not at all.
#include "persist/safe_file.h"
#include "persist/regular_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tess {

QString WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // A named pipe or a device where a file belongs was put there by someone on purpose:
    // it stays.
    if (const QFileInfo target(path); target.exists() && !target.isFile()) {
        return NotRegularFileReason();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // The explicit flush matters: commit() does not notice a buffered write that fails when
    // it is flushed (Qt 6.4) and would put a cut-off file in the target's place.
    if (!write(file) || file.error() != QFileDevice::NoError || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

QString WriteFileSafely(const QString& path, const QByteArray& bytes) {
    return WriteFileSafely(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

} // namespace tess
