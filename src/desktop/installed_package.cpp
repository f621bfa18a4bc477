// Finding the installed desktop entry and MIME package of the program that is running.
#include "desktop/installed_package.h"
#include "desktop/file_type_registration.h"
#include "persist/persist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tess {

namespace {

// The value of `key` in the entry's [Desktop Entry] group; empty when it has none.
QString DesktopEntryValue(const QByteArray& entry, const QString& key) {
    bool inGroup = false;
    for (const QByteArray& raw : entry.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QStringLiteral("[Desktop Entry]");
        } else if (inGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
            return line.section(QLatin1Char('='), 1).trimmed();
        }
    }
    return {};
}

// Whether an Exec line's program is `program`.
bool StartsProgram(const QString& exec, const QString& program) {
    const QString first = exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    const QString found =
        QDir::isAbsolutePath(first) ? first : QStandardPaths::findExecutable(first);
    const QString canonical = QFileInfo(program).canonicalFilePath();
    return !found.isEmpty() && !canonical.isEmpty() &&
           QFileInfo(found).canonicalFilePath() == canonical;
}

} // namespace

QStringList SystemDataFolders() {
    QStringList folders;
    for (const QString& folder :
         qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder)) {
            folders << QDir::cleanPath(folder);
        }
    }
    if (folders.isEmpty()) {
        folders << QStringLiteral("/usr/local/share") << QStringLiteral("/usr/share");
    }
    return folders;
}

bool InstalledPackageRegisters(const QString& program, const QStringList& systemDataFolders) {
    const QString type = MimeTypeNameFor(kStateFileType);
    for (const QString& folder : systemDataFolders) {
        QByteArray entry, package;
        if (!ReadRegularFile(folder + QStringLiteral("/applications/") + kInstalledDesktopEntry,
                             entry)
                 .isEmpty() ||
            !ReadRegularFile(folder + QStringLiteral("/mime/packages/") + kInstalledMimePackage,
                             package)
                 .isEmpty()) {
            continue;
        }
        const bool listsType = DesktopEntryValue(entry, QStringLiteral("MimeType"))
                                   .split(QLatin1Char(';'))
                                   .contains(type);
        const bool defines =
            package.contains(QStringLiteral("<mime-type type=\"%1\"").arg(type).toUtf8()) &&
            QFileInfo(folder + QStringLiteral("/mime/") + type + QStringLiteral(".xml")).isFile();
        if (listsType && defines &&
            StartsProgram(DesktopEntryValue(entry, QStringLiteral("Exec")), program)) {
            return true;
        }
    }
    return false;
}

} // namespace tess
