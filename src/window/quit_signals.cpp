// Catching the quit signals. The handler itself may do almost nothing: it writes a byte to a
// pipe, and the event loop that sees the byte ends the program.
#include "window/quit_signals.h"

#include "window/main_window.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace tess {

namespace {

int quitSignalPipe[2] = {-1, -1};

void OnQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a signal; non-blocking, so the handler never waits.
    [[maybe_unused]] const ssize_t written = ::write(quitSignalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void CatchQuitSignals() {
    if (::pipe2(quitSignalPipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&quitSignals, signal);
    }
    // Started with them blocked (they stay blocked across exec), the program would never end
    // on them; one already waiting arrives now.
    pthread_sigmask(SIG_UNBLOCK, &quitSignals, nullptr);
}

void EndOnQuitSignals(MainWindow& window) {
    if (quitSignalPipe[0] < 0) {
        return;
    }
    // A byte written before the notifier exists is seen as soon as an event loop runs.
    auto* notifier = new QSocketNotifier(quitSignalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        // Once is enough: the program is ending.
        notifier->setEnabled(false);
        window.EndOnQuitSignal();
    });
}

} // namespace tess
