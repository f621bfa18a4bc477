// game/: the game object and what it needs around it. This chief header is the game object:
// it owns the puzzle, its surfaces, the settings variables and the best times for the life
// of the process, and carries the procedures the window's events call. Beside it live the
// host interface (everything it needs from the window), the settings store, the process
// facts and the command line. Part of tessellara_core: nothing here needs a widget.
#pragma once

#include "display/surface.h"
#include "game/game_additions.h"
#include "game/game_changes.h"
#include "game/game_host.h"
#include "game/process_facts.h"
#include "game/settings_store.h"
#include "persist/persist.h"
#include "puzzle/model.h"
#include "puzzle/random.h"
#include "puzzle/settings.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace tess {

// Mouse buttons as the play field reports them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The Open dialog's filter, translated where the dialog shows it; its patterns also say which
// file names a drop may bring.
//: The file dialog's filter: a name, then its patterns after "|", which stay as they are.
inline constexpr const char* kOpenFilter =
    QT_TRANSLATE_NOOP("Game", "Supported Graphic Files|*.bmp;*.jpg;*.gif|Puzzle State Files|*.psf");

// Whether Open would take the file as chosen, as a drop on the window asks: a regular file
// that the dialog's filter offers by its name, or a picture by its content.
bool OpenTakesFile(const QString& path);

// Its texts are translated in the context "Game".
class Game {
    Q_DECLARE_TR_FUNCTIONS(Game)
public:
    Game(GameHost& host, SettingsStore& store, RandomSource& random, ProcessFacts facts);
    ~Game();

    Puzzle puzzle;
    Settings settings;
    Surfaces surfaces;
    BestTimes bestTimes;
    // A failed write of the best times has been reported and no write has succeeded since.
    bool bestTimesSaveFailed = false;

    GameHost& host() { return host_; }
    // The additions' listener (none by default); the announcements below reach it.
    void SetChangeListener(GameChangeListener* listener) { listener_ = listener; }
    void AnnounceChanging(const QString& what) {
        if (listener_ != nullptr) {
            listener_->GameChanging(what);
        }
    }
    void AnnounceChanged() {
        if (listener_ != nullptr) {
            listener_->GameChanged();
        }
    }
    void AnnounceReplaced() {
        if (listener_ != nullptr) {
            listener_->GameReplaced();
        }
    }
    // The Game menu's additions to painting and pressing (none by default).
    void SetAdditions(GameAdditions* additions) { additions_ = additions; }
    SettingsStore& store() { return store_; }
    const ProcessFacts& facts() const { return facts_; }
    // This copy's temporary bitmap in the program's folder: "WholeImageTemp.bmp", or
    // "WholeImageTemp-<n>.bmp" while other running copies hold the names before it.
    QString WholeImageTempPath();
    // Where an unfinished game is kept at quit when no listener keeps it, named like the
    // temporary bitmap: "unfinished.psf" or "unfinished-<n>.psf" in the per-user data folder.
    QString UnfinishedGamePath();

    // Every event of the window reaches the game through this guard: a failure inside the
    // handling is reported as "The puzzle could not be cut: ..." (title "Error:") and goes no
    // further, so no exception ever leaves an event handler. The game on the screen goes on
    // when it is still whole; a puzzle left half-built is closed.
    void Guard(const std::function<void()>& handling) noexcept;

    // Start-up, window events and the shell's commands.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    // Quietly keeps a loaded, unfinished game and adds its file to the recent documents: in
    // the listener's file for the game when there is a listener, else in UnfinishedGamePath().
    // A game that cannot be stored is left unsaved, without a word.
    void SaveUnfinishedGame();
    void mnuFileOpen_Click();
    // Open's work after its dialog, on the chosen path: a name ending in ".psf" loads as a
    // saved game, anything else is cut as a picture and scrambled.
    void OpenChosenFile(const QString& chosen);
    // The file named on the command line: a picture (by its content) opens as Open opens it,
    // anything else loads as a saved game and, once loaded, joins the recent documents.
    void OpenCommandLineFile(const QString& path);
    void mnuFileClose_Click();
    void mnuViewPreview_Click();
    void EnableCommands();
    void SaveInitDir();
    void tmrPuzzle_Timer();

    // Picture to puzzle, and painting.
    void InitDirectDraw();
    // True when the picture became the puzzle. The picture is read and checked before
    // anything of the game on the screen changes: a picture refused for its size (reported
    // here) gives false, one that cannot be read or cut throws, and both leave that game and
    // its clock as they were. A failure while cutting throws after closing the puzzle.
    bool SetWholeImage();
    // The options' new piece count: stored and, with a puzzle loaded, cut and scrambled. When
    // the picture cannot be cut into that many pieces, the game on the screen goes on and the
    // count goes back to its own, in the variable and the store; failures throw.
    void ApplyNumberOfPieces(Integer count);
    void GetOriginalImageSize();
    void ResizePuzzle();
    void ScalePiecesPosition();
    void InitPreview();
    void ResetOutlineColors();
    void picPuzzle_Paint();
    // The paint after a change of a few pieces or of the preview's place (a drag step, a
    // drop, Hint): composes and shows only what changed since the last frame.
    void RepaintChanges();
    // The screen or its pixel ratio changed: the next paint rebuilds and recuts.
    void DisplayModeChanged();

    // Playing.
    void ClearSettings();
    void mnuFileScramble_Click();
    void mnuFileHint_Click();
    void mnuFileSolve_Click();
    void SetGroupInPlace(Integer intGroup);
    void AlignGroup(Integer intGroup);
    void AlignAllGroups();
    void picPuzzle_MouseDown(int Button, int Shift, Single X, Single Y);
    void picPuzzle_MouseMove(int Button, int Shift, Single X, Single Y);
    void picPuzzle_MouseUp(int Button, int Shift, Single X, Single Y);

    // Best times.
    QString BestTimesPath() const;
    void ReadBestTimes();
    // Other running copies write the same file: under its lock, the file is read again, the
    // entries this copy made since its last save are added at their rank, and that is written
    // and becomes the table.
    void SaveBestTimes();
    // Offers a finished timed game a place in the table.
    void NewBestTime();
    // "Clear All": the emptied table replaces the file at the next save.
    void ClearAllBestTimes();

    // Saved games.
    void mnuFileSavePuzzleState_Click();
    void mnuFileLoadPuzzleState_Click();
    // True when the file became the game on the screen; a failure has been reported.
    bool LoadPuzzleState();

private:
    bool TimerEnabled() const { return timerEnabled_; }
    void SetTimer(bool enabled);
    // Cutting and the preview; these throw when a surface cannot be made.
    void CutPuzzle();
    void InitPreviewFrom(const Surface& picture);
    // After a failed cut: reports it and leaves no puzzle rather than a half-built one.
    void AbandonPuzzle(const std::exception& failure);
    // Closes the puzzle after a failure, without a message: no puzzle, a sane model.
    void ClosePuzzleAfterFailure();
    // The model holds together and, with a puzzle loaded, every piece has its surface.
    bool PuzzleIsWhole() const;
    // This copy's number: 1 for the copy that holds "WholeImageTemp.bmp".
    int CopyNumber();
    // The file's entries with those this copy made since its last save; unless the table was
    // cleared meanwhile, or the file cannot be read.
    void TakeBestTimesFromFile();

    GameHost& host_;
    GameChangeListener* listener_ = nullptr;
    GameAdditions* additions_ = nullptr;
    SettingsStore& store_;
    RandomSource& random_;
    ProcessFacts facts_;
    bool timerEnabled_ = false;
    bool displayModeChanged_ = false;
    int copyNumber_ = 0;
    std::unique_ptr<QLockFile> copyLock_;
    std::vector<BestTimeRecord> bestTimesMadeHere_;
    bool bestTimesCleared_ = false;
};

} // namespace tess
