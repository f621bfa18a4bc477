// The one test main: a test-only application name and temporary home and XDG folders,
// so no test touches the player's settings, data or desktop files.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tessellara-test-XXXXXX"));
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    for (const QByteArray kind : {"CONFIG", "DATA", "CACHE", "STATE"}) {
        qputenv(("XDG_" + kind + "_HOME").constData(), root + "/" + kind.toLower());
    }
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    mkdir((root + "/runtime").constData(), 0700);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TessellaraTest"));
    QApplication::setApplicationName(QStringLiteral("TessellaraTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
