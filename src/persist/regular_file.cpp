// Opening a file for reading without ever blocking.
#include "persist/regular_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tess {

QString NotRegularFileReason() {
    return QCoreApplication::translate("RegularFile", "Not a regular file");
}

QString OpenRegularFile(QFile& file, const QString& path) {
    file.close();
    // Opened first and checked afterwards, on the file actually opened: checking the name
    // first would leave a moment for a pipe to take its place.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return qt_error_string(errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return NotRegularFileReason();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return QString();
}

bool TryLockFile(QLockFile& lock, int timeoutMs) {
    if (const QFileInfo file(lock.fileName()); file.exists() && !file.isFile()) {
        return false;
    }
    return lock.tryLock(timeoutMs);
}

QString ReadRegularFile(const QString& path, QByteArray& bytes, qint64 maxSize) {
    QFile file;
    if (QString error = OpenRegularFile(file, path); !error.isEmpty()) {
        return error;
    }
    bytes = maxSize < 0 ? file.readAll() : file.read(maxSize);
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

} // namespace tess
