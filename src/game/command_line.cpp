// Reading the command line with QCommandLineParser, before and after the application object.
#include "game/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace tess {

namespace {

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A jigsaw puzzle game: cuts a picture into shaped pieces to put together "
                       "again."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "file"),
        QCoreApplication::translate("CommandLine", "A saved game (.psf) or a picture to open."),
        QCoreApplication::translate("CommandLine", "[file]"));
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& startFolder) {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.Mistake = parser.errorText();
    }
    line.AsksForHelp = parser.isSet(QStringLiteral("help"));
    line.AsksForHelpAll = parser.isSet(QStringLiteral("help-all"));
    line.AsksForVersion = parser.isSet(QStringLiteral("version"));
    line.File = parser.positionalArguments().join(QLatin1Char(' '));
    if (!line.File.isEmpty() && line.File != QStringLiteral("%1")) {
        line.File = QDir(startFolder).absoluteFilePath(line.File);
    }
    return line;
}

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void NameTheApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tessellara"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessellara"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(TESSELLARA_VERSION_MAJOR)
                                                .arg(TESSELLARA_VERSION_MINOR)
                                                .arg(TESSELLARA_VERSION_REVISION));
}

void PrintHelpOrVersion(const CommandLine& line) {
    // Asked alone, so that Qt's own options, which only the window system takes, are no mistake.
    QStringList asked{QCoreApplication::arguments().value(0)};
    asked << (line.AsksForVersion   ? QStringLiteral("--version")
              : line.AsksForHelpAll ? QStringLiteral("--help-all")
                                    : QStringLiteral("--help"));
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(asked);
    std::exit(0);
}

int ReportCommandLineMistake(const CommandLine& line) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(line.Mistake));
    return 1;
}

} // namespace tess
