// The fuzz targets' shared setup.
#include "fuzz_support.h"

#include "display/test_pictures.h"
#include "puzzle/invariants.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace tess::fuzz {

namespace {

QTemporaryDir& TemporaryDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessellara-fuzz-XXXXXX"));
    return dir;
}

} // namespace

QString Folder() { return TemporaryDir().path(); }

QString SmallPicture() {
    static const QString path = test::WritePatternPicture(Folder(), "picture.bmp", 96, 72);
    return path;
}

QString WriteInput(const QString& name, const QByteArray& bytes) {
    const QString path = Folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

FuzzGame::FuzzGame(const QString& iniPath)
    : store(iniPath), game(host, store, random, [] {
          ProcessFacts facts;
          facts.ProgramFolder = Folder();
          return facts;
      }()) {
    // A small play field keeps cutting and painting quick.
    host.playFieldSize = QSize(320, 240);
}

void Event(Game& game, const std::function<void()>& handling) { game.Guard(handling); }

void CheckInvariants(const Game& game, const char* step) {
    const QStringList problems = CheckModelInvariants(game.puzzle);
    if (!problems.isEmpty()) {
        std::fprintf(stderr, "model broken after %s:\n%s\n", step,
                     qPrintable(problems.join(QLatin1Char('\n'))));
        std::abort();
    }
}

} // namespace tess::fuzz

// Once per process: temporary home and XDG folders, so nothing of the player's is touched,
// and an offscreen application for fonts and picture plugins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const QByteArray root = tess::fuzz::Folder().toUtf8();
    qputenv("HOME", root);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(name, root);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' complaints about broken pictures would fill the log.
    qputenv("QT_LOGGING_RULES", "qt.gui.imageio*=false");
    static QGuiApplication app(*argc, *argv);
    return 0;
}
