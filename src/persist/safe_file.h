// The one way this program writes a file: through a temporary file beside the target that
// replaces it only when every byte reached the disk, so a failed write (a full disk, a file
// size limit, a vanished folder) leaves the old file exactly as it was. Anything but a regular
// file in the target's place (a named pipe, a device, a folder) is left alone.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace tess {

// Writes what `write` puts into the device (it returns false on a failure of its own).
// Returns an empty string on success and the reason otherwise.
QString WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);
QString WriteFileSafely(const QString& path, const QByteArray& bytes);

} // namespace tess
