// A GameHost for tests: records every call in order and answers dialogs from queues; a game
// on it in a temporary program folder; reading a file and the game a state file keeps.
#pragma once

#include "game/game.h"
#include "persist/state_file.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <tuple>

namespace tess::test {

// The bytes of a file; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a state file keeps of a game: pieces, groups, placed pieces, drawing order and clock.
using KeptState = std::tuple<std::vector<PieceRecord>, std::vector<GroupRecord>,
                             std::vector<Integer>, std::vector<Integer>, Long>;
template <typename G> KeptState StateOf(const G& g) {
    const auto order = g.GroupOrder.begin();
    return KeptState(g.Pieces, g.Groups, g.PlacedPieces,
                     std::vector<Integer>(order, order + g.GroupOrderCount + 1), g.ElapsedSeconds);
}

// The same of the game in a state file, read as a load reads it; nothing when it does not load.
inline KeptState StateIn(const QString& stateFile) {
    const std::optional<SavedGame> game = ReadStateFile(ReadAll(stateFile)).game;
    return game ? StateOf(*game) : KeptState();
}

// A program whose folders are all `folder` (the program's own is `appDir` when given).
inline ProcessFacts TestFacts(const QString& folder, const QString& appDir = {},
                              const QString& commandLine = {}) {
    ProcessFacts facts;
    facts.ProgramFolder = folder;
    facts.AppDir = appDir.isEmpty() ? folder : appDir;
    facts.CommandLine = commandLine;
    return facts;
}

class RecordingHost : public GameHost {
public:
    QSize playFieldSize{800, 560};
    bool minimized = false;
    bool commandsEnabled = false;
    bool timerEnabled = false;
    int pointer = kPointerDefault;
    int presentCount = 0;
    QImage lastFrame;    // a copy of the last presented back buffer
    QRegion lastChanged; // the part presented as changed; empty when the whole was
    QStringList calls;
    QStringList messages;
    // Answers of the file and input dialogs, in order; a null QString() cancels.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> inputAnswers;
    // Runs when ShowWindow is called (the real window resizes then).
    std::function<void()> onShow = [] {};

    QSize PlayFieldSize() const override { return playFieldSize; }
    bool IsMinimized() const override { return minimized; }
    void ShowWindow() override {
        calls << "ShowWindow";
        onShow();
    }
    void PresentPlayField(const QImage& backBuffer) override {
        ++presentCount;
        lastFrame = backBuffer.copy();
        lastChanged = QRegion();
        calls << "PresentPlayField";
    }
    void PresentPlayFieldPart(const QImage& backBuffer, const QRegion& changed) override {
        PresentPlayField(backBuffer);
        lastChanged = changed;
    }
    void ClearPlayField() override { calls << "ClearPlayField"; }
    void SetPlayFieldPointer(int mousePointer) override { pointer = mousePointer; }
    void SetPuzzleCommandsEnabled(bool on) override { Set(commandsEnabled, on, "PuzzleCommands"); }
    void SetTimerEnabled(bool on) override { Set(timerEnabled, on, "Timer"); }
    void ShowMessage(const QString& text, const QString& title) override {
        Tell(title + "|" + text, "ShowMessage");
    }
    bool AskYesNo(const QString& text, const QString& title) override {
        return Tell(title + "|" + text, "AskYesNo");
    }
    QString InputBox(const QString& prompt) override {
        Tell(prompt, "InputBox");
        return Take(inputAnswers).value_or(QString());
    }
    std::optional<QString> AskOpenFileName(const QString& filter, const QString& dir) override {
        calls << QString("AskOpenFileName %1 in [%2]").arg(filter, dir);
        return Take(openAnswers);
    }
    std::optional<QString> AskSaveFileName(const QString& filter) override {
        calls << "AskSaveFileName " + filter;
        return Take(saveAnswers);
    }
    void RegisterFileType() override { calls << "RegisterFileType"; }
    void AddRecentDocument(const QString& path) override { calls << "AddRecentDocument " + path; }

private:
    bool Tell(const QString& message, const QString& call) {
        messages << message;
        calls << call;
        return false; // No to every question
    }
    void Set(bool& flag, bool on, const char* what) {
        calls << QString("Set%1Enabled %2").arg(what).arg(flag = on);
    }
    // The next answer; nothing when none is left or it is a null QString().
    static std::optional<QString> Take(std::deque<QString>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        return answer.isNull() ? std::nullopt : std::optional(answer);
    }
};

// A game on a recording host with its program folder and settings file in a temporary folder.
struct GameFixture {
    QTemporaryDir folder;
    RecordingHost host;
    std::unique_ptr<SettingsStore> store =
        std::make_unique<SettingsStore>(folder.path() + "/settings.ini");
    MersenneRandom random{12345u};
    std::unique_ptr<Game> game =
        std::make_unique<Game>(host, *store, random, TestFacts(folder.path()));

    QString ProgramFolder() const { return folder.path(); }
};

} // namespace tess::test
