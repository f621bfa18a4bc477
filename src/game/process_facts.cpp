// Working out the program's folders.
#include "game/process_facts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tess {

QString UserDataFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        data = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/tessellara");
}

QString ChooseProgramFolder(const QString& executableDir) {
    const QFileInfo info(executableDir);
    if (info.isDir() && info.isWritable()) {
        return QDir::cleanPath(executableDir);
    }
    // Installed read-only: keep the per-user files in the user's data folder.
    const QString folder = UserDataFolder();
    QDir().mkpath(folder);
    return folder;
}

ProcessFacts CurrentProcessFacts(const QString& commandLineFile, const QString& executableDir) {
    ProcessFacts facts;
    facts.AppDir = QDir::cleanPath(executableDir);
    const QString overridden = qEnvironmentVariable("TESSELLARA_PROGRAM_FOLDER");
    facts.ProgramFolder = overridden.isEmpty() ? ChooseProgramFolder(executableDir) : overridden;
    facts.UserDataFolder = UserDataFolder();
    facts.SamplesFolder = facts.AppDir + QStringLiteral("/samples");
    facts.CommandLine = commandLineFile;
    return facts;
}

} // namespace tess
