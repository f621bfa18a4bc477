// Writing the state file type's entries as freedesktop files: shared-mime-info package,
// desktop entry, mimeapps.list default, and the desktop's caches.
#include "desktop/file_type_registration.h"
#include "desktop/installed_package.h"
#include "persist/persist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>
#include <set>

namespace tess {

namespace {

const QString kDefaultApplications = QStringLiteral("[Default Applications]");
// Weight above the 50 of the other *.psf types (console fonts, PSF sound) so ours wins.
const QString kGlobWeight = QStringLiteral("80");
constexpr int kCacheToolTimeoutMs = 5000;

QString KeyOf(const QString& keyPath) { return keyPath.toLower(); }

QString XdgFolder(const char* variable, const QString& fallbackUnderHome) {
    const QString value = qEnvironmentVariable(variable);
    // The base directory specification: a relative path is invalid and ignored.
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) {
        return QDir::cleanPath(value);
    }
    return QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
}

enum class Written { Unchanged, Changed, Failed };

// A failure is not reported: the program starts as ever, unregistered.
Written WriteFileIgnoringFailure(const QString& path, const QByteArray& content) {
    QByteArray previous;
    if (ReadRegularFile(path, previous).isEmpty() && previous == content) {
        return Written::Unchanged;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteFileSafely(path, content).isEmpty() ? Written::Changed : Written::Failed;
}

void RunToolIfPresent(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (process.waitForStarted(kCacheToolTimeoutMs) &&
        !process.waitForFinished(kCacheToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kCacheToolTimeoutMs);
    }
}

// The general escapes of a desktop entry string value.
QString EscapeDesktopString(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

DesktopFolders CurrentDesktopFolders() {
    return {XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")),
            XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")), SystemDataFolders()};
}

QString MimeTypeNameFor(const QString& typeName) {
    QString stem = typeName.toLower();
    if (stem.endsWith(QStringLiteral("file")) && stem.size() > 4) {
        stem.chop(4);
    }
    return QStringLiteral("application/x-tessellara-") + stem;
}

QString DesktopEntryNameFor(const QString& typeName) {
    return QStringLiteral("tessellara-") + typeName.toLower() + QStringLiteral(".desktop");
}

QString ExecLineFor(const QString& openCommand) {
    QString program = openCommand;
    if (program.endsWith(QStringLiteral(" %1"))) {
        program.chop(3);
    }
    // Inside a quoted argument these four are escaped with a backslash; a literal % is doubled.
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
        if (c == QLatin1Char('%')) {
            quoted += QLatin1Char('%');
        }
    }
    return EscapeDesktopString(QLatin1Char('"') + quoted + QStringLiteral("\" %f"));
}

QByteArray SetDefaultApplication(const QByteArray& mimeAppsList, const QString& mimeType,
                                 const QString& desktopEntry) {
    const QByteArray entry = (mimeType + QLatin1Char('=') + desktopEntry).toUtf8();
    QList<QByteArray> lines = mimeAppsList.split('\n');
    const bool endedWithNewline = mimeAppsList.isEmpty() || mimeAppsList.endsWith('\n');
    if (endedWithNewline) {
        lines.removeLast();
    }
    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == kDefaultApplications.toUtf8()) {
            section = i;
            break;
        }
    }
    if (section < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) {
            lines << QByteArray();
        }
        lines << kDefaultApplications.toUtf8() << entry;
    } else {
        qsizetype insertAt = section + 1;
        bool replaced = false;
        for (qsizetype i = section + 1; i < lines.size() && !lines[i].trimmed().startsWith('[');
             ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype equals = line.indexOf('=');
            if (equals > 0 && line.left(equals).trimmed() == mimeType.toUtf8()) {
                lines[i] = entry;
                replaced = true;
                break;
            }
            if (!line.isEmpty()) {
                insertAt = i + 1;
            }
        }
        if (!replaced) {
            lines.insert(insertAt, entry);
        }
    }
    QByteArray result = lines.join('\n');
    if (endedWithNewline) {
        result += '\n';
    }
    return result;
}

FileTypeRegistry::FileTypeRegistry(DesktopFolders folders) : folders_(std::move(folders)) {}

void FileTypeRegistry::SetClassesRootString(const QString& keyPath, const QString& valueName,
                                            const QString& text) {
    entries_[KeyOf(keyPath)][valueName.toLower()] = text;
}

void FileTypeRegistry::SetRegistryNumber(RegistryRoot root, const QString& keyPath,
                                         const QString& valueName, std::uint32_t number) {
    // Only the classes root stands for desktop files; numbers have no freedesktop counterpart
    // and are kept for completeness.
    if (root == RegistryRoot::ClassesRoot) {
        entries_[KeyOf(keyPath)][valueName.toLower()] = QString::number(number);
    }
}

QString FileTypeRegistry::Value(const QString& keyPath, const QString& valueName) const {
    return entries_.value(KeyOf(keyPath)).value(valueName.toLower());
}

QStringList FileTypeRegistry::Extensions() const {
    QStringList extensions;
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it) {
        if (it.key().startsWith(QLatin1Char('.')) && !it.value().value(QString()).isEmpty()) {
            extensions << it.key();
        }
    }
    return extensions;
}

QString FileTypeRegistry::MimePackagePath(const QString& typeName) const {
    return folders_.DataHome + QStringLiteral("/mime/packages/tessellara-") + typeName.toLower() +
           QStringLiteral(".xml");
}

QString FileTypeRegistry::DesktopEntryPath(const QString& typeName) const {
    return folders_.DataHome + QStringLiteral("/applications/") + DesktopEntryNameFor(typeName);
}

QString FileTypeRegistry::MimeAppsListPath() const {
    return folders_.ConfigHome + QStringLiteral("/mimeapps.list");
}

QByteArray FileTypeRegistry::MimePackage(const QString& extension) const {
    const QString typeName = Value(extension);
    if (typeName.isEmpty()) {
        return {};
    }
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), MimeTypeNameFor(typeName));
    const QString description = Value(typeName);
    if (!description.isEmpty()) {
        writer.writeTextElement(QStringLiteral("comment"), description);
    }
    // The registry's content type is the type this one is a kind of.
    const QString contentType = Value(extension, QStringLiteral("Content Type"));
    if (!contentType.isEmpty()) {
        writer.writeEmptyElement(QStringLiteral("sub-class-of"));
        writer.writeAttribute(QStringLiteral("type"), contentType);
    }
    // The registry's icon names the program: its icon stands in the icon theme under the program's
    // name.
    if (!Value(typeName + QStringLiteral("\\DefaultIcon")).isEmpty()) {
        writer.writeEmptyElement(QStringLiteral("icon"));
        writer.writeAttribute(QStringLiteral("name"), kIconName);
    }
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"), QLatin1Char('*') + extension);
    writer.writeAttribute(QStringLiteral("weight"), kGlobWeight);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray FileTypeRegistry::DesktopEntry(const QString& extension) const {
    const QString typeName = Value(extension);
    const QString command = Value(typeName + QStringLiteral("\\Shell\\Open\\command"));
    if (typeName.isEmpty() || command.isEmpty()) {
        return {};
    }
    QString entry = QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=Tessellara\n");
    const QString description = Value(typeName);
    if (!description.isEmpty()) {
        entry += QStringLiteral("Comment=") + EscapeDesktopString(description) + QLatin1Char('\n');
    }
    entry += QStringLiteral("Exec=") + ExecLineFor(command) + QLatin1Char('\n');
    if (!Value(typeName + QStringLiteral("\\DefaultIcon")).isEmpty()) {
        entry += QStringLiteral("Icon=") + kIconName + QLatin1Char('\n');
    }
    entry += QStringLiteral("MimeType=") + MimeTypeNameFor(typeName) + QStringLiteral(";\n");
    // Only opens files; the application menu shows the installed entry.
    entry += QStringLiteral("NoDisplay=true\n"
                            "Terminal=false\n");
    return entry.toUtf8();
}

void FileTypeRegistry::Withdraw(const QString& typeName) {
    // A default in mimeapps.list naming the removed entry is passed over by the desktop.
    auto remove = [](const QString& path) {
        return QFileInfo(path).isFile() && QFile::remove(path);
    };
    if (remove(MimePackagePath(typeName))) {
        RunToolIfPresent(QStringLiteral("update-mime-database"),
                         {folders_.DataHome + QStringLiteral("/mime")});
    }
    if (remove(DesktopEntryPath(typeName))) {
        RunToolIfPresent(QStringLiteral("update-desktop-database"),
                         {folders_.DataHome + QStringLiteral("/applications")});
    }
}

void FileTypeRegistry::Commit() {
    // A file of ours that could not be written (a named pipe in its place, which would hold
    // a tool up until its time-out) keeps its folder's tool from running.
    std::set<Written> packages;
    std::set<Written> entries;
    for (const QString& extension : Extensions()) {
        const QString typeName = Value(extension);
        packages.insert(
            WriteFileIgnoringFailure(MimePackagePath(typeName), MimePackage(extension)));
        const QByteArray desktopEntry = DesktopEntry(extension);
        if (desktopEntry.isEmpty()) {
            continue;
        }
        entries.insert(WriteFileIgnoringFailure(DesktopEntryPath(typeName), desktopEntry));
        QByteArray existing;
        if (QFileInfo::exists(MimeAppsListPath()) &&
            !ReadRegularFile(MimeAppsListPath(), existing).isEmpty()) {
            continue;
        }
        const QByteArray updated = SetDefaultApplication(existing, MimeTypeNameFor(typeName),
                                                         DesktopEntryNameFor(typeName));
        if (updated != existing) {
            WriteFileIgnoringFailure(MimeAppsListPath(), updated);
        }
    }
    // The caches are rebuilt when what they index changed or when they are missing; the
    // tools take a noticeable part of a second.
    auto refresh = [](const std::set<Written>& files, const QString& cache, const QString& tool,
                      const QString& folder) {
        if (!files.contains(Written::Failed) &&
            (files.contains(Written::Changed) || !QFile::exists(folder + cache))) {
            RunToolIfPresent(tool, {folder});
        }
    };
    refresh(packages, QStringLiteral("/mime.cache"), QStringLiteral("update-mime-database"),
            folders_.DataHome + QStringLiteral("/mime"));
    refresh(entries, QStringLiteral("/mimeinfo.cache"), QStringLiteral("update-desktop-database"),
            folders_.DataHome + QStringLiteral("/applications"));
}

void RegisterStateFileType(const QString& appDir, const QString& programFileName,
                           const DesktopFolders& folders) {
    const QString program = appDir.endsWith(QLatin1Char('/'))
                                ? appDir + programFileName
                                : appDir + QLatin1Char('/') + programFileName;
    FileTypeRegistry registry(folders);
    if (InstalledPackageRegisters(program, folders.SystemData)) {
        registry.Withdraw(kStateFileType);
        return;
    }
    registry.SetClassesRootString(QStringLiteral(".psf"), QString(), kStateFileType);
    registry.SetClassesRootString(QStringLiteral(".psf"), QStringLiteral("Content Type"),
                                  QStringLiteral("text/plain"));
    registry.SetClassesRootString(kStateFileType, QString(),
                                  QStringLiteral("Tessellara Puzzle State File"));
    registry.SetClassesRootString(QStringLiteral("psffile\\DefaultIcon"), QString(), program);
    registry.SetClassesRootString(QStringLiteral("psffile\\Shell"), QString(), QString());
    registry.SetClassesRootString(QStringLiteral("psffile\\Shell\\Open"), QString(), QString());
    registry.SetClassesRootString(QStringLiteral("psffile\\Shell\\Open\\command"), QString(),
                                  program + QStringLiteral(" %1"));
    registry.SetRegistryNumber(RegistryRoot::ClassesRoot, kStateFileType,
                               QStringLiteral("EditFlags"), 0);
    registry.Commit();
}

} // namespace tess
