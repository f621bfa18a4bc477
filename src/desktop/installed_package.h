// A system-wide installation (a Debian package) brings its own desktop entry and MIME package
// for the state file type: the program then has nothing to register per user.
#pragma once

#include <QString>
#include <QStringList>

namespace tess {

inline const QString kInstalledDesktopEntry = QStringLiteral("tessellara.desktop");
inline const QString kInstalledMimePackage = QStringLiteral("tessellara.xml");

// The system's data folders: the absolute entries of $XDG_DATA_DIRS, or /usr/local/share and
// /usr/share when it names none.
QStringList SystemDataFolders();

// True when one of the folders holds, for `program` itself, the installed desktop entry listing
// the state file's MIME type and starting `program` (by its path, or by a name found on the
// PATH), and the installed MIME package defining the type, built into that folder's MIME
// database. A program in a build folder or a user's prefix finds none.
bool InstalledPackageRegisters(const QString& program, const QStringList& systemDataFolders);

} // namespace tess
