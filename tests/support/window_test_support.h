// Helpers for tests of the real window: a started main window in a temporary program
// folder, and answering the modal windows that a command opens.
#pragma once

#include "support/recording_host.h"
#include "window/main_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>

namespace tess::test {

struct WindowFixture {
    QTemporaryDir folder;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    MersenneRandom random{7u};
    MainWindow window;

    // The program runs from `appDir` (the program folder when empty) with `commandLine`.
    explicit WindowFixture(const QString& appDir = {}, const QString& commandLine = {})
        : window(store, random, TestFacts(folder.path(), appDir, commandLine)) {
        window.Start();
    }
    QString PathOf(const QString& name) const { return folder.path() + '/' + name; }
};

// Runs `trigger` and hands every modal window that opens meanwhile to `act`, which closes it.
inline void AnswerModals(const std::function<void(QWidget*)>& act,
                         const std::function<void()>& trigger) {
    QWidget* const before = QApplication::activeModalWidget();
    QTimer poll; // local: it stops when this returns, so it never fires into a later test
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != before && modal->isVisible()) {
            act(modal);
        }
    });
    poll.start(5);
    trigger();
    QApplication::processEvents();
}

// Chooses a file in an open file dialog. The dialog leaves its name box alone while the box
// has the focus, and the focus arrives some time after the dialog shows, so drop it first.
inline void ChooseFile(QFileDialog* dialog, const QString& path) {
    if (QWidget* focused = dialog->focusWidget()) {
        focused->clearFocus();
    }
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
}

} // namespace tess::test
