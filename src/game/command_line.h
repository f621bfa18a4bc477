// The command line in the conventions of Qt programs: -h/--help, -v/--version, "--" ending the
// options, and the file to open, which is every other argument joined into one path.
#pragma once

#include <QString>
#include <QStringList>

namespace tess {

struct CommandLine {
    // -h, --help or --help-all, or -v, --version: printed, and the program ends.
    bool AsksForHelp = false;
    bool AsksForHelpAll = false;
    bool AsksForVersion = false;
    // Why the line cannot be read (an unknown option); empty when it can.
    QString Mistake;
    // The arguments that are not options joined by single spaces, so that an unquoted path
    // with spaces still names one file; made absolute against the folder the program was
    // started in. Empty, or the literal "%1" of an unexpanded desktop command, means none.
    QString File;

    bool AnswersAlone() const { return AsksForHelp || AsksForHelpAll || AsksForVersion; }
};

// Reads the arguments (the program's name first). A single dash starts a long option too,
// so that Qt's own options, -platform or -stylesheet, never read as a row of letters.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& startFolder);

// The arguments as the application object will see them, read before there is one.
QStringList ArgumentsOf(int argc, char* argv[]);

// Names the application as the settings, the desktop and --version know it.
void NameTheApplication();

// Prints the usage or the version the line asks for and ends the program with status 0.
// Needs the application object: the texts are translated.
[[noreturn]] void PrintHelpOrVersion(const CommandLine& line);

// Prints the mistake on the standard error, as Qt programs do, and returns the status 1.
int ReportCommandLineMistake(const CommandLine& line);

} // namespace tess
