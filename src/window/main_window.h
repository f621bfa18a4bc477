// window/: the main window frmMain and its parts (menus, toolbar pictures, etched rule, play
// field) around the game object, and main.cpp. Part of tessellara_ui; a thin shell that turns
// window events into the game's handlers.
#pragma once

#include "assist/assist.h"
#include "game/game.h"
#include "history/history.h"
#include "window/play_field.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>

namespace tess {

class MainWindow : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    MainWindow(SettingsStore& store, RandomSource& random, ProcessFacts facts);
    ~MainWindow() override;

    Game& game() { return game_; }
    Assist& assist() { return assist_; }
    GameHistory& history() { return history_; }

    // Runs the start-up sequence; the window shows itself during it.
    void Start();
    // A quit signal (SIGTERM, SIGHUP, SIGINT) came: the game is kept and the program ends.
    void EndOnQuitSignal();

    // Menu items and controls, named as the game knows them.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileLoadPuzzleState = nullptr;
    QAction* mnuFileSavePuzzleState = nullptr;
    QAction* mnuFileScramble = nullptr;
    QAction* mnuFileHint = nullptr;
    QAction* mnuFileSolve = nullptr;
    QAction* mnuFileOptions = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewPreview = nullptr;
    QAction* mnuViewBestTimes = nullptr;
    // The additions beyond the classic game, between View and Help.
    QMenu* mnuGame = nullptr;
    QAction* mnuGameArrangePieces = nullptr;
    QAction* mnuGameGatherEdgePieces = nullptr;
    QAction* mnuGameShowProgress = nullptr;
    QAction* mnuGamePreviewAbovePieces = nullptr;
    QAction* mnuGameFaintPicture = nullptr;
    QAction* mnuGameUndo = nullptr;
    QAction* mnuGameRedo = nullptr;
    QAction* mnuGameContinueLastGame = nullptr;
    QMenu* mnuGameKeptGames = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QAction* ToolbarButton1 = nullptr;
    QAction* ToolbarButton2 = nullptr;
    // The etched rule: Line1 the shadow line, Line2 the highlight line below it.
    QWidget* Line1 = nullptr;
    QWidget* Line2 = nullptr;
    PlayField* picPuzzle = nullptr;
    QTimer* tmrPuzzle = nullptr;
    // The progress text at the right end of the toolbar row (Show Progress).
    QLabel* lblProgress = nullptr;

    // Client-area geometry, in pixels; the minimum is of the whole window, frame included.
    static constexpr int kInitialClientWidth = 460;
    static constexpr int kInitialClientHeight = 304;
    static constexpr int kMinimumWidth = 468;
    static constexpr int kMinimumHeight = 350;
    static constexpr int kPlayFieldTop = 28;

    // GameHost
    QSize PlayFieldSize() const override;
    bool IsMinimized() const override;
    double PlayFieldPixelRatio() const override;
    void ShowWindow() override;
    void PresentPlayField(const QImage& backBuffer) override;
    void PresentPlayFieldPart(const QImage& backBuffer, const QRegion& changed) override;
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

    // Commands that open dialogs.
    void mnuFileOptions_Click();
    void mnuViewBestTimes_Click();
    void mnuHelpAbout_Click();
    void mnuView_Click();
    void Toolbar1_ButtonClick(int index);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A picture or a saved game dropped on the window opens as Open would take it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A slot that runs the handling inside the game's guard.
    std::function<void()> Guarded(std::function<void()> handling);
    void BuildMenus();
    void BuildGameMenu();
    void AddHelpForBigGames();
    void BuildProgressText();
    // Shows the progress text now, or hides it when Show Progress is off.
    void ShowProgressText();
    // Undo's and Redo's captions and states; Continue Last Game's and the Kept Games' state.
    void ShowSteps();
    void ShowKeptGames();
    void mnuGameKeptGames_AboutToShow();
    void BuildClientArea();
    void ApplyMinimumSize();
    // Lets the window system show the window before start-up goes on.
    void WaitUntilExposed();
    void Form_Resize();
    std::optional<QString> AskFileName(const QString& filter, const QString& initDir, bool save);

    Game game_;
    Assist assist_{game_};
    GameHistory history_{game_};
    QWidget* client_ = nullptr;
    bool unloaded_ = false;
    // Start() is running: the main event loop has not begun.
    bool starting_ = false;
    // The minimum holds from the moment the window is first shown.
    bool shown_ = false;
    bool minimumHolds_ = false;
    QAction* progressAction_ = nullptr;
    QAction* progressSpacer_ = nullptr;
};

} // namespace tess
