// The per-user settings store: application "Tessellara", section "Settings".
#pragma once

#include "puzzle/numbers.h"
#include "puzzle/settings.h"

#include <QMap>
#include <QSettings>
#include <QString>
#include <QTemporaryFile>
#include <functional>

namespace tess {

class SettingsStore {
public:
    // The platform's per-user store (an INI file under the XDG config folder on Linux).
    SettingsStore();
    // An INI file at the given path, for tests and tools.
    explicit SettingsStore(const QString& iniPath);

    // The INI file the settings are written to.
    QString FileName() const { return path_; }

    // Text of a key: what this store last wrote to it, else what the file held when the store
    // was made, else the default text.
    QString Read(const QString& key, const QString& defaultText) const;
    // The key reaches the disk before this returns: the file is rewritten whole through a
    // temporary file, so a crash right after keeps the setting and a failed write (a full
    // disk) keeps the old file. A key that could not be written is written again with the
    // next key.
    void Write(const QString& key, const QString& text);
    void WriteBoolean(const QString& key, bool value);
    void WriteNumber(const QString& key, long long value);

    // Every key in table order into the variables; the piece count goes to the model.
    void ReadAll(Settings& settings, Integer& numberOfPieces) const;

    // A colour group after the picker: components, then Color, then Fill where there is one.
    void SaveBackgroundColor(const Settings& settings);
    void SaveOutlineColor(const Settings& settings);
    void SavePreviewCaptionBackgroundColor(const Settings& settings);
    void SavePreviewCaptionTextColor(const Settings& settings);

    // The first failed write, and only that one, is reported to the handler of the owner
    // that set it last, with the file and the reason.
    using WriteFailureHandler = std::function<void(const QString& path, const QString& reason)>;
    void SetWriteFailureHandler(const void* owner, WriteFailureHandler handler);
    // Removes the handler if this owner set it.
    void RemoveWriteFailureHandler(const void* owner);

private:
    bool ReadBoolean(const QString& key, bool defaultValue) const;
    long long ReadNumber(const QString& key, long long defaultValue, long long min,
                         long long max) const;
    void SaveColorGroup(const QString& prefix, Byte red, Byte green, Byte blue, Long color,
                        const Long* colorFill);

    // Writes every pending key; the reason when that fails.
    QString WritePending();

    QString path_;
    // QSettings opens the file by its name, and a named pipe in its place would stop it for
    // good: it reads a copy of what this store read without waiting.
    QTemporaryFile copy_;
    // Reads only: QSettings' own writer can leave a cut-off file on a full disk.
    mutable QSettings settings_;
    QMap<QString, QString> written_;
    QMap<QString, QString> pending_;
    const void* failureOwner_ = nullptr;
    WriteFailureHandler onWriteFailure_;
    bool failureReported_ = false;
};

} // namespace tess
