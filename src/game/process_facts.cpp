// Working out the program's folders.
#include "game/process_facts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tess {
namespace {

QString InstalledSamplesFolder(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QStringLiteral("/" TESSELLARA_INSTALLED_SAMPLES));
}

} // namespace

QString UserDataFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        data = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/tessellara");
}

QString ChooseProgramFolder(const QString& executableDir) {
    const QFileInfo info(executableDir);
    // An installed program's folder (/usr/games) is shared with other programs, and writable
    // for root; no player's files belong there.
    if (info.isDir() && info.isWritable() &&
        !QFileInfo(InstalledSamplesFolder(executableDir)).isDir()) {
        return QDir::cleanPath(executableDir);
    }
    const QString folder = UserDataFolder();
    QDir().mkpath(folder);
    return folder;
}

QString ChooseSamplesFolder(const QString& executableDir) {
    const QString installed = InstalledSamplesFolder(executableDir);
    return QFileInfo(installed).isDir()
               ? installed
               : QDir::cleanPath(executableDir) + QStringLiteral("/samples");
}

ProcessFacts CurrentProcessFacts(const QString& commandLineFile, const QString& executableDir) {
    ProcessFacts facts;
    facts.AppDir = QDir::cleanPath(executableDir);
    const QString overridden = qEnvironmentVariable("TESSELLARA_PROGRAM_FOLDER");
    facts.ProgramFolder = overridden.isEmpty() ? ChooseProgramFolder(executableDir) : overridden;
    facts.UserDataFolder = UserDataFolder();
    facts.SamplesFolder = ChooseSamplesFolder(executableDir);
    facts.CommandLine = commandLineFile;
    return facts;
}

} // namespace tess
