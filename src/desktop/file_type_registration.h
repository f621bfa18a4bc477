// The puzzle state file type on the desktop: classes-root entries as a registry would hold
// them, carried out as a shared-mime-info package, a desktop entry and a default in mimeapps.list.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tess {

inline const QString kStateFileType = QStringLiteral("psffile");
inline const QString kStateFileMimeType = QStringLiteral("application/x-tessellara-psf");
inline const QString kStateFileDesktopEntry = QStringLiteral("tessellara-psffile.desktop");
inline const QString kIconName = QStringLiteral("tessellara");

enum class RegistryRoot { ClassesRoot, CurrentUser };

// The user's desktop folders the entries are written to.
struct DesktopFolders {
    QString DataHome;   // $XDG_DATA_HOME: mime/packages, applications
    QString ConfigHome; // $XDG_CONFIG_HOME: mimeapps.list
    // $XDG_DATA_DIRS, where an installed package keeps its desktop entry and MIME package.
    QStringList SystemData;
};

// The user's XDG data and config folders (with their documented defaults under HOME) and the
// system's data folders.
DesktopFolders CurrentDesktopFolders();

// Collects registry-style entries and writes the desktop files they stand for. Every
// failure is ignored: without write access nothing is registered and nothing else happens.
class FileTypeRegistry {
public:
    explicit FileTypeRegistry(DesktopFolders folders);

    // An empty value name is the key's default value.
    void SetClassesRootString(const QString& keyPath, const QString& valueName,
                              const QString& text);
    void SetRegistryNumber(RegistryRoot root, const QString& keyPath, const QString& valueName,
                           std::uint32_t number);

    // Writes the files for every extension whose type is set, replacing what an earlier
    // start wrote, makes the program the type's default and refreshes the desktop's caches.
    void Commit();

    // Removes the per-user MIME package and desktop entry of the type that an earlier start
    // wrote, and refreshes the caches they were in.
    void Withdraw(const QString& typeName);

    // What would be written, for the extension's type; empty when the type is incomplete.
    QByteArray MimePackage(const QString& extension) const;
    QByteArray DesktopEntry(const QString& extension) const;

    QString MimePackagePath(const QString& typeName) const;
    QString DesktopEntryPath(const QString& typeName) const;
    QString MimeAppsListPath() const;

private:
    QString Value(const QString& keyPath, const QString& valueName = QString()) const;
    QStringList Extensions() const;

    DesktopFolders folders_;
    // Key path (lower case, backslash separated) to value name to text.
    QMap<QString, QMap<QString, QString>> entries_;
};

// The MIME type name that stands for a registered file type ("psffile" ->
// application/x-tessellara-psf).
QString MimeTypeNameFor(const QString& typeName);
// The desktop entry's file name for a registered file type.
QString DesktopEntryNameFor(const QString& typeName);

// A desktop entry's Exec line for a shell open command "<program> %1": the program quoted
// as the desktop entry format wants it, the file passed as one argument.
QString ExecLineFor(const QString& openCommand);

// Sets the default application of a MIME type in a mimeapps.list text, keeping every other line.
QByteArray SetDefaultApplication(const QByteArray& mimeAppsList, const QString& mimeType,
                                 const QString& desktopEntry);

// The eight entries of the state file type with the program in appDir, then Commit. When an
// installed package registers the type for that program, nothing is written per user, and
// what earlier starts wrote is withdrawn: it would outlive the package.
void RegisterStateFileType(const QString& appDir, const QString& programFileName,
                           const DesktopFolders& folders);

} // namespace tess
