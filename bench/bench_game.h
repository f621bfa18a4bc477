// A game without a window for the benchmarks: a fixed play-field size, a picture opened.
#pragma once

#include "game/game.h"

#include <QTemporaryDir>
#include <memory>

namespace tess::bench {

// Answers the game's requests without a window; presenting does nothing.
class QuietHost : public GameHost {
public:
    QSize field{1920, 1080};

    QSize PlayFieldSize() const override { return field; }
    bool IsMinimized() const override { return false; }
    void ShowWindow() override {}
    void PresentPlayField(const QImage&) override {}
    void ClearPlayField() override {}
    void SetPlayFieldPointer(int) override {}
    void SetPuzzleCommandsEnabled(bool) override {}
    void SetTimerEnabled(bool) override {}
    void ShowMessage(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    QString InputBox(const QString&) override { return {}; }
    std::optional<QString> AskOpenFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> AskSaveFileName(const QString&) override { return {}; }
    void RegisterFileType() override {}
    void AddRecentDocument(const QString&) override {}
};

// A game on a field of the given size with a generated picture of 2400 x 1600 cut into
// the given number of pieces, each a loose group of its own scattered over the field.
struct BenchGame {
    BenchGame(QSize field, Integer pieces);

    QTemporaryDir folder;
    QuietHost host;
    std::unique_ptr<SettingsStore> store;
    MersenneRandom random{2024u};
    std::unique_ptr<Game> game;
};

} // namespace tess::bench
