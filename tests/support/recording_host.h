// A GameHost for tests: records every call in order and answers dialogs from queues.
#pragma once

#include "game/game.h"
#include "support/qt_printers.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace tess::test {

class RecordingHost : public GameHost {
public:
    QSize playFieldSize{800, 560};
    bool minimized = false;
    bool commandsEnabled = false;
    bool timerEnabled = false;
    int pointer = kPointerDefault;
    int presentCount = 0;
    QImage lastFrame; // a copy of the last presented back buffer
    QStringList calls;
    QStringList messages;
    // Answers of the file dialogs; a null QString() cancels.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> inputAnswers;
    std::deque<bool> yesNoAnswers;
    // Runs when ShowWindow is called (the real window resizes then).
    std::function<void()> onShow;

    QSize PlayFieldSize() const override { return playFieldSize; }
    bool IsMinimized() const override { return minimized; }
    void ShowWindow() override;
    void PresentPlayField(const QImage& backBuffer) override;
    void ClearPlayField() override;
    void SetPlayFieldPointer(int mousePointer) override;
    void SetPuzzleCommandsEnabled(bool enabled) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowMessage(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt) override;
    std::optional<QString> AskOpenFileName(const QString& filter, const QString& initDir) override;
    std::optional<QString> AskSaveFileName(const QString& filter) override;
    void RegisterFileType() override;
    void AddRecentDocument(const QString& path) override;
};

// A game on a recording host with its program folder and settings file in a temporary folder.
struct GameFixture {
    GameFixture();
    explicit GameFixture(std::uint32_t seed);

    QTemporaryDir folder;
    RecordingHost host;
    std::unique_ptr<SettingsStore> store;
    MersenneRandom random;
    std::unique_ptr<Game> game;

    QString ProgramFolder() const { return folder.path(); }
};

} // namespace tess::test
