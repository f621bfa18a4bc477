// Reading and writing the 27 settings keys with their encodings and defaults.
#include "game/settings_store.h"
#include "game/settings_ini.h"
#include "persist/persist.h"
#include "puzzle/numeric_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>
#include <limits>

namespace tess {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kGameSection = QStringLiteral("Game");
// How long a write waits for another copy of the program that is writing the same file.
constexpr int kLockWaitMs = 2000;

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// The file QSettings is to read: a copy of the store's file as it can be read without
// waiting. A file that cannot be read, or is not a regular file, gives an empty store, and
// so does a copy that cannot be written.
QString ReadableCopy(const QString& path, QTemporaryFile& copy) {
    QByteArray bytes;
    ReadRegularFile(path, bytes);
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        return QString();
    }
    return copy.fileName();
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Tessellara/Tessellara.ini")) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : path_(iniPath), settings_(ReadableCopy(iniPath, copy_), QSettings::IniFormat) {}

QString SettingsStore::Read(const QString& key, const QString& defaultText) const {
    return ReadIn(kSection, key, defaultText);
}

QString SettingsStore::ReadIn(const QString& section, const QString& key,
                              const QString& defaultText) const {
    const QMap<QString, QString> written = written_.value(section);
    if (const auto text = written.find(key); text != written.end()) {
        return text.value();
    }
    const QVariant value = settings_.value(section + QLatin1Char('/') + key);
    if (!value.isValid()) {
        return defaultText;
    }
    // An unquoted text with commas comes back from an INI file as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

void SettingsStore::Write(const QString& key, const QString& text) { WriteIn(kSection, key, text); }

void SettingsStore::WriteIn(const QString& section, const QString& key, const QString& text) {
    written_[section][key] = text;
    pending_[section][key] = text;
    const QString reason = WritePending();
    if (reason.isEmpty()) {
        pending_.clear();
    } else if (!failureReported_ && onWriteFailure_) {
        failureReported_ = true;
        onWriteFailure_(path_, reason);
    }
}

void SettingsStore::SetWriteFailureHandler(const void* owner, WriteFailureHandler handler) {
    failureOwner_ = owner;
    onWriteFailure_ = std::move(handler);
}

void SettingsStore::RemoveWriteFailureHandler(const void* owner) {
    if (failureOwner_ == owner) {
        SetWriteFailureHandler(nullptr, nullptr);
    }
}

QString SettingsStore::WritePending() {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return QCoreApplication::translate("SettingsStore", "its folder cannot be made");
    }
    // Another copy of the program may be writing the same file: its keys are read back in
    // under the lock, so neither copy loses the other's. A lock that cannot be had in time
    // does not stop the write.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    TryLockFile(lock, kLockWaitMs);
    QByteArray current;
    if (QFileInfo::exists(path_)) {
        if (const QString error = ReadRegularFile(path_, current); !error.isEmpty()) {
            return error;
        }
    }
    for (auto section = pending_.cbegin(); section != pending_.cend(); ++section) {
        current = IniWithValues(current, section.key(), section.value());
    }
    return WriteFileSafely(path_, current);
}

void SettingsStore::WriteBoolean(const QString& key, bool value) { Write(key, BooleanText(value)); }

void SettingsStore::WriteNumber(const QString& key, long long value) {
    Write(key, QString::number(value));
}

// Accepts what a boolean conversion accepts: "True"/"False" in any case, or a number
// (zero is false). Anything else keeps the default.
bool SettingsStore::ReadBoolean(const QString& key, bool defaultValue) const {
    return ReadBooleanIn(kSection, key, defaultValue);
}

bool SettingsStore::ReadBooleanIn(const QString& section, const QString& key,
                                  bool defaultValue) const {
    const QString text = ReadIn(section, key, BooleanText(defaultValue)).trimmed();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const std::optional<double> number = ConvertedNumber(text);
    return number ? *number != 0 : defaultValue;
}

bool SettingsStore::ReadGameBoolean(const QString& key) const {
    return ReadBooleanIn(kGameSection, key, false);
}

void SettingsStore::WriteGameBoolean(const QString& key, bool value) {
    WriteIn(kGameSection, key, BooleanText(value));
}

// A number rounded as the variable's type rounds (halves to even) and within its range;
// anything else keeps the default.
long long SettingsStore::ReadNumber(const QString& key, long long defaultValue, long long min,
                                    long long max) const {
    const std::optional<double> number = ConvertedNumber(Read(key, QString::number(defaultValue)));
    const double rounded = number ? std::nearbyint(*number) : 0;
    if (!number || !(rounded >= double(min) && rounded <= double(max))) {
        return defaultValue;
    }
    return static_cast<long long>(rounded);
}

void SettingsStore::ReadAll(Settings& s, Integer& numberOfPieces) const {
    constexpr long long kIntMin = std::numeric_limits<Integer>::min();
    constexpr long long kIntMax = std::numeric_limits<Integer>::max();
    constexpr long long kLongMin = std::numeric_limits<Long>::min();
    constexpr long long kLongMax = std::numeric_limits<Long>::max();
    auto byte = [this](const char* key, Byte def) {
        return static_cast<Byte>(ReadNumber(QString::fromLatin1(key), def, 0, 255));
    };
    auto color = [&](const char* key, Long def) {
        return static_cast<Long>(ReadNumber(QString::fromLatin1(key), def, kLongMin, kLongMax));
    };

    s.SystemMemory = ReadBoolean(QStringLiteral("System Memory"), false);
    s.TimePuzzle = ReadBoolean(QStringLiteral("Time Puzzle"), true);
    s.InitDir = Read(QStringLiteral("InitDir"), QString());
    s.PiecesListIndex =
        static_cast<Integer>(ReadNumber(QStringLiteral("List Index"), 21, kIntMin, kIntMax));
    s.BackgroundRed = byte("Background Red", 212);
    s.BackgroundGreen = byte("Background Green", 208);
    s.BackgroundBlue = byte("Background Blue", 200);
    s.BackgroundColor =
        color("Background Color", ColorOf(s.BackgroundRed, s.BackgroundGreen, s.BackgroundBlue));
    s.BackgroundColorFill = color(
        "Background Color Fill", ColorFillOf(s.BackgroundRed, s.BackgroundGreen, s.BackgroundBlue));
    s.OutlineRed = byte("Outline Red", 255);
    s.OutlineGreen = byte("Outline Green", 255);
    s.OutlineBlue = byte("Outline Blue", 255);
    s.OutlineColor = color("Outline Color", ColorOf(s.OutlineRed, s.OutlineGreen, s.OutlineBlue));
    s.OutlineColorFill =
        color("Outline Color Fill", ColorFillOf(s.OutlineRed, s.OutlineGreen, s.OutlineBlue));
    s.PreviewCaptionBackgroundRed = byte("Preview Caption Background Red", 0);
    s.PreviewCaptionBackgroundGreen = byte("Preview Caption Background Green", 0);
    s.PreviewCaptionBackgroundBlue = byte("Preview Caption Background Blue", 0);
    s.PreviewCaptionBackgroundColor = color("Preview Caption Background Color", 0);
    s.PreviewCaptionBackgroundColorFill = color("Preview Caption Background Color Fill", 0);
    s.PreviewCaptionTextRed = byte("Preview Caption Text Red", 255);
    s.PreviewCaptionTextGreen = byte("Preview Caption Text Green", 255);
    s.PreviewCaptionTextBlue = byte("Preview Caption Text Blue", 255);
    s.PreviewCaptionTextColor = color("Preview Caption Text Color", 16777215);
    s.OutlinePieces = ReadBoolean(QStringLiteral("Outline Pieces"), true);
    s.ViewPreview = ReadBoolean(QStringLiteral("View Preview"), true);
    // Only the three sizes the options offer; any other size would make previews that do
    // not fit, or none at all.
    s.PreviewSize = static_cast<Byte>(ReadNumber(QStringLiteral("Preview Size"), 3, 2, 4));
    // The counts a saved game may hold; a larger one would only make pieces too small to see
    // and loops too long to wait for.
    numberOfPieces = static_cast<Integer>(
        ReadNumber(QStringLiteral("Number of Pieces"), 64, 1, kStateMaxPieces));
}

void SettingsStore::SaveColorGroup(const QString& prefix, Byte red, Byte green, Byte blue,
                                   Long color, const Long* colorFill) {
    WriteNumber(prefix + QStringLiteral(" Red"), red);
    WriteNumber(prefix + QStringLiteral(" Green"), green);
    WriteNumber(prefix + QStringLiteral(" Blue"), blue);
    WriteNumber(prefix + QStringLiteral(" Color"), color);
    if (colorFill != nullptr) {
        WriteNumber(prefix + QStringLiteral(" Color Fill"), *colorFill);
    }
}

void SettingsStore::SaveBackgroundColor(const Settings& s) {
    SaveColorGroup(QStringLiteral("Background"), s.BackgroundRed, s.BackgroundGreen,
                   s.BackgroundBlue, s.BackgroundColor, &s.BackgroundColorFill);
}

void SettingsStore::SaveOutlineColor(const Settings& s) {
    SaveColorGroup(QStringLiteral("Outline"), s.OutlineRed, s.OutlineGreen, s.OutlineBlue,
                   s.OutlineColor, &s.OutlineColorFill);
}

void SettingsStore::SavePreviewCaptionBackgroundColor(const Settings& s) {
    SaveColorGroup(QStringLiteral("Preview Caption Background"), s.PreviewCaptionBackgroundRed,
                   s.PreviewCaptionBackgroundGreen, s.PreviewCaptionBackgroundBlue,
                   s.PreviewCaptionBackgroundColor, &s.PreviewCaptionBackgroundColorFill);
}

void SettingsStore::SavePreviewCaptionTextColor(const Settings& s) {
    SaveColorGroup(QStringLiteral("Preview Caption Text"), s.PreviewCaptionTextRed,
                   s.PreviewCaptionTextGreen, s.PreviewCaptionTextBlue, s.PreviewCaptionTextColor,
                   nullptr);
}

} // namespace tess
