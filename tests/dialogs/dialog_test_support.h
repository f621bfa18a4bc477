// Helpers for the dialog tests: answering a modal window that a click opens, and reading
// the settings file as the text it really holds.
#pragma once

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tess::test {

// Runs `act` on the next modal window that opens while `trigger` runs.
inline void WithNextModal(const std::function<void(QWidget*)>& act,
                          const std::function<void()>& trigger) {
    QWidget* const before = QApplication::activeModalWidget();
    // A local timer: stopped when this returns, so it never fires into a later test.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != before) {
            act(modal);
        }
    });
    timer.start(0);
    trigger();
    QApplication::processEvents();
}

// The key = text lines of the [Settings] group of an INI file, in file order.
inline QMap<QString, QString> SettingsFileEntries(const QString& path) {
    QMap<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return entries;
    }
    QTextStream in(&file);
    bool inSettings = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSettings = line == QStringLiteral("[Settings]");
        } else if (inSettings && line.contains(QLatin1Char('='))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            // QSettings escapes spaces in keys as %20.
            QString key = line.left(eq).trimmed();
            key.replace(QStringLiteral("%20"), QStringLiteral(" "));
            entries.insert(key, line.mid(eq + 1).trimmed());
        }
    }
    return entries;
}

} // namespace tess::test
