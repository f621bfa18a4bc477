// What the fuzz targets share: a headless application in temporary folders, a small real
// picture, a game on a recording host, and the checks that turn a broken promise into a
// finding. Each target is one source file including this once.
#pragma once

#include "display/test_pictures.h"
#include "puzzle/invariants.h"
#include "support/recording_host.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>

namespace tess::fuzz {

// The process's own temporary folder: program folder, settings and written inputs.
inline QString Folder() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessellara-fuzz-XXXXXX"));
    return dir.path();
}

// A finding: what was broken and the text that shows it, then an abort.
inline void Require(bool holds, const char* what, const QByteArray& detail = {}) {
    if (!holds) {
        // The detail may be the input itself, which has no terminating zero.
        qFatal("FINDING: %s:\n%.*s", what, int(detail.size()), detail.constData());
    }
}

// A 96 x 72 picture written there once; its path.
inline QString SmallPicture() {
    static const QString path = test::WritePatternPicture(Folder(), "picture.bmp", 96, 72);
    return path;
}

// The input as bytes, without a copy.
inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes the bytes to a file in Folder() (its folder made) and returns its path.
inline QString WriteInput(const QString& name, const QByteArray& bytes) {
    QFile file(Folder() + QLatin1Char('/') + name); // write-only truncates
    QDir().mkpath(QFileInfo(file).path());
    Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write");
    return file.fileName();
}

// A fresh game for each input, so no input depends on the one before; a small play field
// keeps cutting and painting quick. Step runs its events.
struct FuzzGame {
    explicit FuzzGame(const QString& iniPath = Folder() + QStringLiteral("/settings.ini"))
        : store(iniPath), game(host, store, random, {.ProgramFolder = Folder()}) {
        host.playFieldSize = QSize(320, 240);
    }
    test::RecordingHost host;
    SettingsStore store;
    MersenneRandom random{20240611u};
    Game game;
};

// Runs one event inside the game's guard, as the window runs it. Every message it gives is a
// finding, above all the guard's report of a failure, unless `refusal` matches it: what the
// target names as a right answer to its input. The model must hold together after every step,
// with or without a puzzle.
inline void Step(FuzzGame& f, const char* step, const std::function<void()>& event,
                 const char* refusal = "(?!)") {
    f.host.messages.clear();
    f.game.Guard(event);
    const QRegularExpression refused(QStringLiteral("^(%1)").arg(QLatin1String(refusal)),
                                     QRegularExpression::DotMatchesEverythingOption);
    for (const QString& message : f.host.messages) {
        Require(refused.match(message).hasMatch(), step, message.toUtf8());
    }
    const QByteArray problems = CheckModelInvariants(f.game.puzzle).join('\n').toUtf8();
    Require(problems.isEmpty(), step, problems);
}

} // namespace tess::fuzz

// Once per process: temporary home and XDG folders, so nothing of the player's is touched,
// and an offscreen application for fonts and picture plugins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(name, tess::fuzz::Folder().toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' complaints about broken pictures would fill the log.
    qputenv("QT_LOGGING_RULES", "qt.gui.imageio*=false");
    static QGuiApplication app(*argc, *argv);
    return 0;
}
