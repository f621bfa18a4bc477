// What the fuzz targets share: a headless application in temporary folders, a small real
// picture, a game on a recording host, and the model check that turns a broken invariant
// into a finding.
#pragma once

#include "support/recording_host.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace tess::fuzz {

// The process's own temporary folder: program folder, settings and written inputs.
QString Folder();

// A 96 x 72 picture written there once; its path.
QString SmallPicture();

// The input as bytes, without a copy.
inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes the bytes to a file in Folder() and returns its path.
QString WriteInput(const QString& name, const QByteArray& bytes);

// A fresh game for each input, so no input depends on the one before.
struct FuzzGame {
    explicit FuzzGame(const QString& iniPath = Folder() + QStringLiteral("/settings.ini"));
    test::RecordingHost host;
    SettingsStore store;
    MersenneRandom random{20240611u};
    Game game;
};

// Runs a window event's handling as the main window runs it, inside the game's guard: a
// failure is reported to the recorder, and a model the guard leaves broken is a finding.
void Event(Game& game, const std::function<void()>& handling);

// Aborts, naming the step and the broken invariants, when the model is inconsistent.
void CheckInvariants(const Game& game, const char* step);

} // namespace tess::fuzz
