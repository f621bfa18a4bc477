// The recording host of the tests.
#include "support/recording_host.h"

namespace tess::test {

namespace {

// A null text in the queue stands for a cancelled dialog.
std::optional<QString> TakeAnswer(std::deque<QString>& answers) {
    if (answers.empty() || answers.front().isNull()) {
        if (!answers.empty()) {
            answers.pop_front();
        }
        return std::nullopt;
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

void RecordingHost::ShowWindow() {
    calls << QStringLiteral("ShowWindow");
    if (onShow) {
        onShow();
    }
}

void RecordingHost::PresentPlayField(const QImage& backBuffer) {
    ++presentCount;
    lastFrame = backBuffer.copy();
    calls << QStringLiteral("PresentPlayField");
}

void RecordingHost::ClearPlayField() { calls << QStringLiteral("ClearPlayField"); }

void RecordingHost::SetPlayFieldPointer(int mousePointer) { pointer = mousePointer; }

void RecordingHost::SetPuzzleCommandsEnabled(bool enabled) {
    commandsEnabled = enabled;
    calls << QStringLiteral("SetPuzzleCommandsEnabled %1").arg(enabled);
}

void RecordingHost::SetTimerEnabled(bool enabled) {
    timerEnabled = enabled;
    calls << QStringLiteral("SetTimerEnabled %1").arg(enabled);
}

void RecordingHost::ShowMessage(const QString& text, const QString& title) {
    messages << title + QStringLiteral("|") + text;
    calls << QStringLiteral("ShowMessage");
}

bool RecordingHost::AskYesNo(const QString& text, const QString& title) {
    messages << title + QStringLiteral("|") + text;
    calls << QStringLiteral("AskYesNo");
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString RecordingHost::InputBox(const QString& prompt) {
    messages << prompt;
    calls << QStringLiteral("InputBox");
    if (inputAnswers.empty()) {
        return QString();
    }
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> RecordingHost::AskOpenFileName(const QString& filter,
                                                      const QString& initDir) {
    calls << QStringLiteral("AskOpenFileName %1 in [%2]").arg(filter, initDir);
    return TakeAnswer(openAnswers);
}

std::optional<QString> RecordingHost::AskSaveFileName(const QString& filter) {
    calls << QStringLiteral("AskSaveFileName %1").arg(filter);
    return TakeAnswer(saveAnswers);
}

void RecordingHost::RegisterFileType() { calls << QStringLiteral("RegisterFileType"); }

void RecordingHost::AddRecentDocument(const QString& path) {
    calls << QStringLiteral("AddRecentDocument %1").arg(path);
}

GameFixture::GameFixture() : GameFixture(12345u) {}

GameFixture::GameFixture(std::uint32_t seed)
    : store(std::make_unique<SettingsStore>(folder.path() + QStringLiteral("/settings.ini"))),
      random(seed) {
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    game = std::make_unique<Game>(host, *store, random, facts);
}

} // namespace tess::test
