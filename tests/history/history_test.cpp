// Undo and Redo of the player's steps, and the kept games.
#include "history/history_fixture.h"
#include "persist/state_file.h"
#include "support/file_size_limit.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::HistoryFixture;

// Each step of the player is undone to the play before it and redone to the play after it,
// positions, groups, order, placed pieces and all; the clock goes on counting (Redo adds the
// seconds as Undo does).
// A game just opened has nothing to undo, a press without a move is no step, and a finished
// game cannot be undone.
TEST(Undo, PutsBackEachStepAndRedoDoesItAgainWhileTheClockRunsOn) {
    // Piece 5 moved to fit piece 6, on its right, and piece 9, below it.
    const std::tuple<QString, QString, std::function<void(HistoryFixture&)>> steps[] = {
        {"Move", "Undo Move", [](HistoryFixture& f) { f.DragBeside(5, 6); }},
        {"Move", "Undo Move", [](HistoryFixture& f) { f.DragBeside(5, 9); }},
        {"Hint", "Undo Hint", [](HistoryFixture& f) { f.game->mnuFileHint_Click(); }},
        {"Press", "Undo", [](HistoryFixture& f) { f.Drag(5, 0, 0); }},
        {"Solve", "Undo", [](HistoryFixture& f) { f.game->mnuFileSolve_Click(); }}};
    for (const auto& [what, caption, step] : steps) {
        SCOPED_TRACE(what.toStdString());
        HistoryFixture f;
        f.Open("p.bmp");
        Puzzle& puzzle = f.game->puzzle;
        puzzle.ElapsedSeconds = 5; // the clock's ticks
        const PlaySnapshot before = TakeSnapshot(puzzle, f.host.playFieldSize);
        step(f);
        const PlaySnapshot after = TakeSnapshot(puzzle, f.host.playFieldSize);
        EXPECT_EQ(f.history->Steps().UndoCaption(), caption);
        puzzle.ElapsedSeconds += 3;
        f.history->SaveNow();
        f.history->Undo();
        if (caption == "Undo") {
            EXPECT_TRUE(SamePlay(after, puzzle, f.host.playFieldSize));
            continue;
        }
        EXPECT_TRUE(SamePlay(before, puzzle, f.host.playFieldSize) && f.history->SaveWaiting());
        EXPECT_EQ(puzzle.ElapsedSeconds, 5 + 3);
        EXPECT_EQ(f.history->Steps().RedoCaption(), "Redo " + what);
        puzzle.ElapsedSeconds += 2;
        f.history->Redo();
        EXPECT_TRUE(SamePlay(after, puzzle, f.host.playFieldSize));
    }
}

// Undo after a resize puts the play back scaled as the resize scaled the game; a changed
// piece count, Close and Load clear the steps.
TEST(Undo, SurvivesAResizeAndEndsWithTheGame) {
    HistoryFixture f, unscrambled;
    for (HistoryFixture* g : {&f, &unscrambled}) {
        g->Open("p.bmp");
        g->game->Form_Resize();
    }
    Game& game = *f.game;
    f.random = MersenneRandom(99u);
    game.mnuFileScramble_Click();
    for (HistoryFixture* g : {&f, &unscrambled}) {
        g->host.playFieldSize = QSize(640, 480);
        g->game->Form_Resize();
    }
    // Held as Undo comes: the drag so far is undone first, and the piece let go.
    const std::vector<PieceRecord> scrambled = game.puzzle.Pieces;
    f.Drag(3, 20, 10, false);
    ASSERT_EQ(f.host.pointer, kPointerSizeAll);
    f.history->Undo();
    EXPECT_EQ(game.puzzle.Pieces, scrambled);
    f.history->Undo();
    EXPECT_EQ(game.puzzle.Pieces, unscrambled.game->puzzle.Pieces);
    EXPECT_TRUE(!game.puzzle.Dragging && f.host.pointer == kPointerDefault);

    const QString saved = f.ProgramFolder() + "/saved.psf";
    ASSERT_TRUE(WriteFileSafely(saved, WriteStateFile(game.puzzle, saved).bytes).isEmpty());
    for (const auto& replace : std::vector<std::function<void()>>{
             [&] { game.ApplyNumberOfPieces(20); }, [&] { f.history->LoadKeptGame(saved); },
             [&] { game.mnuFileClose_Click(); }}) {
        f.Drag(3, 30, 30);
        f.Drag(3, 20, 0, false); // held as the game is replaced, let go after
        replace();
        game.picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
        EXPECT_FALSE(f.history->Steps().CanUndo());
    }
    // Closed, the game holds none of the picture's surfaces.
    EXPECT_TRUE(game.surfaces.PreviewSurface.IsNull() && game.surfaces.PieceSurfaces.size() == 1);
}

// Every change is in the game's own kept file within half a second; opening another picture
// keeps the first game's file as it was and offers it; Continue Last Game goes on in the
// newest file; a finished game's file goes; five games are kept, and never another running
// copy's game is offered or removed.
TEST(KeptGames, OneFilePerGameSavedAfterEveryChangeFiveKeptNoneOfAnotherCopy) {
    HistoryFixture f;
    GameHistory& history = *f.history;
    f.Open("a.bmp");
    f.Drag(5, 37, 23);
    ASSERT_TRUE(history.SaveWaiting());
    history.SaveNow(); // written now, and the writer thread's write done
    const QString a = history.KeptPath();
    const QByteArray gameA = test::ReadAll(a);
    EXPECT_EQ(test::StateIn(a), test::StateOf(f.game->puzzle));
    EXPECT_TRUE(QRegularExpression("/game-\\d{8}-\\d{6}-\\d{3}\\.psf$").match(a).hasMatch())
        << a.toStdString();

    f.Open("b.bmp");
    f.Drag(2, 30, 30);
    EXPECT_EQ(test::ReadAll(a), gameA);
    const QString b = history.KeptPath();
    const test::KeptState gameB = test::StateOf(f.game->puzzle);
    QStringList heard; // what the Game menu is told as the game goes
    history.onStepsChanged = [&] { heard << "steps"; };
    history.onKeptGamesChanged = [&] { heard << "kept"; };
    f.game->mnuFileClose_Click(); // the save still waiting is written as the game goes
    EXPECT_TRUE(heard == QStringList({"kept", "steps", "kept"}) && test::StateIn(b) == gameB);
    ASSERT_TRUE(history.KeptGames().size() == 2u && history.ContinueLastGame());
    EXPECT_EQ(history.KeptPath(), b);
    const QDir data(f.game->facts().UserDataFolder);
    f.Drag(5, 37, 23); // its save still waiting as the game ends
    QTest::qWait(GameHistory::kSaveDelayMs / 2);
    heard.clear();
    f.game->mnuFileSolve_Click();
    EXPECT_TRUE(!QFile::exists(b) && history.KeptPath() != b &&
                heard == QStringList({"kept", "steps"}));
    // The next game's first save waits its own delay (a timer fires up to 5 % early), no more.
    QElapsedTimer since;
    since.start();
    f.game->mnuFileScramble_Click();
    while (history.SaveWaiting() && since.elapsed() < 5000) {
        QTest::qWait(5);
    }
    EXPECT_TRUE(!history.SaveWaiting() && since.elapsed() >= GameHistory::kSaveDelayMs * 9 / 10 &&
                since.elapsed() < GameHistory::kSaveDelayMs + 200);

    HistoryFixture other(data.path());
    other.Open("o.bmp");
    other.history->SaveNow();
    for (int i = 0; i < 6; ++i) {
        f.Open(QString("n%1.bmp").arg(i));
        history.SaveNow();
        QTest::qWait(10);
    }
    EXPECT_EQ(data.entryList({"*.psf"}).size(), GameHistory::kKeptGames + 1);
    EXPECT_TRUE(QFile::exists(other.history->KeptPath()));
    // Gone, though a later game made in the same second may have taken its name.
    EXPECT_NE(test::ReadAll(a), gameA);
    for (const KeptGame& game : history.KeptGames()) {
        EXPECT_NE(game.Path, other.history->KeptPath());
    }

    // A game finished with its save waiting leaves nothing to write into the next game's file.
    f.Drag(5, 37, 23);
    f.game->mnuFileSolve_Click();
    ASSERT_TRUE(history.ContinueLastGame());
    const QByteArray next = test::ReadAll(history.KeptPath());
    history.SaveNow();
    EXPECT_EQ(test::ReadAll(history.KeptPath()), next);

    // The newest kMostSteps steps are kept.
    UndoStack steps;
    for (std::size_t i = 0; i <= UndoStack::kMostSteps; ++i) {
        steps.Push(UndoStep{QString::number(i), {}, 0});
    }
    for (std::size_t i = 1; i < UndoStack::kMostSteps; ++i) {
        steps.TakeUndo();
    }
    EXPECT_TRUE(steps.TakeUndo().value_or(UndoStep{}).What == "1" && !steps.CanUndo());
}

// The writer's Finish returns once the file it was handed is on the disk.
TEST(KeptGames, TheWriterFinishesWithTheFileWritten) {
    const QTemporaryDir dir;
    QObject context;
    KeptGameWriter writer(&context, [](const QString&, bool, const QString&) {});
    writer.Write(dir.filePath("a.psf"), QByteArray(64 << 20, 'k'));
    QTest::qSleep(20); // the writer thread has begun
    writer.Finish();
    EXPECT_EQ(QFileInfo(dir.filePath("a.psf")).size(), 64 << 20);
}

// A kept game that cannot be made or written is told once per game, and play goes on.
TEST(KeptGames, AFailedSaveIsToldOncePerGame) {
    QTemporaryDir blocked;
    const QString data = blocked.path() + "/data";
    ASSERT_TRUE(QFile(data).open(QIODevice::WriteOnly));
    HistoryFixture f(data);
    for (const QString picture : {"a.bmp", "b.bmp"}) {
        f.Open(picture);
        f.Drag(5, 37, 23);
        f.game->mnuFileHint_Click();
    }
    ASSERT_EQ(f.host.messages.size(), 2);
    EXPECT_TRUE(f.host.messages[0].startsWith("Tessellara|The game could not be kept in"));

    // Its file made, the disk full when it is written during a drag: told after the drop.
    HistoryFixture full;
    full.Open("c.bmp");
    full.Drag(5, 37, 23);
    full.Drag(5, 10, 10, false);
    test::WithFileSizeLimit(0, [&] { full.history->SaveNow(); });
    EXPECT_TRUE(full.host.messages.isEmpty());
    full.game->picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_EQ(full.host.messages.size(), 1);
}

} // namespace
} // namespace tess
