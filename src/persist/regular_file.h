// The one way this program opens a file to read it. Opening a named pipe for reading waits
// until something writes to it, possibly for ever, and a device can be endless: the file is
// opened without waiting, and only a regular file is taken. The same for lock files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QLockFile>
#include <QString>

namespace tess {

// The reason given for anything that is not a regular file, in the player's language.
QString NotRegularFileReason();

// Opens `path` for reading into `file`. Returns an empty string when it is open, otherwise
// the reason ("No such file or directory", NotRegularFileReason(), ...), with `file` closed.
QString OpenRegularFile(QFile& file, const QString& path);

// Takes the lock as QLockFile::tryLock does. QLockFile reads a lock file it finds, to see
// whether its owner is gone, and a named pipe there would keep it waiting for ever: something
// other than a regular file under the lock's name is left alone and the lock not taken.
bool TryLockFile(QLockFile& lock, int timeoutMs);

// The file's first `maxSize` bytes (all of them when negative) into `bytes`; the reason when
// it cannot be opened or read.
QString ReadRegularFile(const QString& path, QByteArray& bytes, qint64 maxSize = -1);

} // namespace tess
