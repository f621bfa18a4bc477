// Facts about the running program: its folders, the file its command line names, its title
// and version.
#pragma once

#include <QString>

namespace tess {

struct ProcessFacts {
    // Where best times and the temporary bitmap live.
    QString ProgramFolder;
    // The folder the executable was started from, without a trailing separator.
    QString AppDir;
    // The per-user data folder, where an unfinished game is kept at quit; none when empty.
    QString UserDataFolder;
    // The sample pictures shipped with the program; the Open dialog starts there at first.
    QString SamplesFolder;
    // The file the command line names (see CommandLine::File); empty or "%1" when none.
    QString CommandLine;
    QString Title = QStringLiteral("Tessellara");
    int Major = TESSELLARA_VERSION_MAJOR;
    int Minor = TESSELLARA_VERSION_MINOR;
    int Revision = TESSELLARA_VERSION_REVISION;
};

// The facts of this process. TESSELLARA_PROGRAM_FOLDER, when set, overrides the program folder.
ProcessFacts CurrentProcessFacts(const QString& commandLineFile, const QString& executableDir);

// The per-user data folder, ~/.local/share/tessellara on Linux (not made here).
QString UserDataFolder();

// The executable's folder when it is writable and not an installed program's, otherwise the
// per-user data folder (made).
QString ChooseProgramFolder(const QString& executableDir);

// The sample pictures of an installed program (share/tessellara/samples of its prefix) when
// they are there, otherwise the samples folder beside the program, as in a build folder.
QString ChooseSamplesFolder(const QString& executableDir);

} // namespace tess
