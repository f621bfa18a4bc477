// Tessellara: a jigsaw puzzle game.
#include "game/process_facts.h"
#include "game/settings_store.h"
#include "puzzle/random.h"
#include "window/main_window.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int quitSignalSockets[2] = {-1, -1};

void OnQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitSignalSockets[1], &byte, 1);
}

// A session that ends without a session manager (or a terminal that goes) ends the program
// with SIGTERM or SIGHUP: the window is closed as Exit closes it, so an unfinished game is
// kept, and the program ends.
void CloseOnQuitSignals(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, quitSignalSockets) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(quitSignalSockets[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(quitSignalSockets[0], &byte, 1);
        window.close();
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessellara"));
    QApplication::setApplicationName(QStringLiteral("Tessellara"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(TESSELLARA_VERSION_MAJOR)
                                            .arg(TESSELLARA_VERSION_MINOR)
                                            .arg(TESSELLARA_VERSION_REVISION));

    tess::SettingsStore store;
    tess::MersenneRandom random;
    tess::MainWindow window(
        store, random,
        tess::CurrentProcessFacts(QApplication::arguments(), QApplication::applicationDirPath()));
    CloseOnQuitSignals(window);
    window.Start();
    return QApplication::exec();
}
