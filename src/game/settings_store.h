// The per-user settings store: application "Tessellara", section "Settings".
#pragma once

#include "puzzle/numbers.h"
#include "puzzle/settings.h"

#include <QSettings>
#include <QString>

namespace tess {

class SettingsStore {
public:
    // The platform's per-user store (an INI file under the XDG config folder on Linux).
    SettingsStore();
    // An INI file at the given path, for tests and tools.
    explicit SettingsStore(const QString& iniPath);

    // Text of a key, or the default text when the key is absent.
    QString Read(const QString& key, const QString& defaultText) const;
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

    void Sync();

private:
    bool ReadBoolean(const QString& key, bool defaultValue) const;
    long long ReadNumber(const QString& key, long long defaultValue, long long min,
                         long long max) const;
    void SaveColorGroup(const QString& prefix, Byte red, Byte green, Byte blue, Long color,
                        const Long* colorFill);

    mutable QSettings settings_;
};

} // namespace tess
