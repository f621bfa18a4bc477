// The main window: builds the menu tree, toolbar, rule and play field, and turns
// window events into the game's handlers.
#include "window/main_window.h"

#include "desktop/desktop.h"
#include "dialogs/dialogs.h"
#include "window/dialog_filter.h"
#include "window/etched_rule.h"
#include "window/toolbar_icons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QResizeEvent>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <unistd.h>

namespace tess {

namespace {

// The file a drop brings when Open would take it (of several, the first), as a copy: a drop
// that offers only to move it would have the file manager delete the file. Anything else is
// refused without a word, like a cancelled Open.
QString TakeDroppedFile(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile() ||
        !event->possibleActions().testFlag(Qt::CopyAction) ||
        !OpenTakesFile(urls.constFirst().toLocalFile())) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return urls.constFirst().toLocalFile();
}

} // namespace

MainWindow::MainWindow(SettingsStore& store, RandomSource& random, ProcessFacts facts)
    : game_(*this, store, random, std::move(facts)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tessellara"));
    // The installed theme icon when there is one, else the same picture drawn in code.
    setWindowIcon(
        QIcon::fromTheme(QStringLiteral("tessellara"), QIcon(QPixmap::fromImage(AppIconImage()))));
    BuildMenus();
    BuildClientArea();

    tmrPuzzle = new QTimer(this);
    tmrPuzzle->setObjectName(QStringLiteral("tmrPuzzle"));
    tmrPuzzle->setInterval(1000);
    connect(tmrPuzzle, &QTimer::timeout, this, Guarded([this] { game_.tmrPuzzle_Timer(); }));
    // The session is ending: the program may be ended without a close.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { game_.Guard([this] { game_.SaveUnfinishedGame(); }); });
    BuildProgressText();
    setAcceptDrops(true);

    resize(kInitialClientWidth, kInitialClientHeight + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
    if (!unloaded_) {
        game_.Guard([this] { game_.Form_Unload(); });
    }
}

void MainWindow::Start() {
    starting_ = true;
    game_.Guard([this] { game_.Form_Load(); });
    // A start-up that failed before the window showed still leaves a window to play in.
    if (!isVisible()) {
        ShowWindow();
    }
    starting_ = false;
}

void MainWindow::EndOnQuitSignal() {
    // In the main loop with nothing modal open the window closes as Exit closes it.
    if (!starting_ && QThread::currentThread()->loopLevel() <= 1) {
        close();
        QCoreApplication::quit();
        return;
    }
    // A modal dialog or message, or start-up, is waiting further down the stack, and
    // returning to it would run on after the game was closed: the game is kept and closed
    // here, and the process ends without going back. Nothing may wait for the player now,
    // not even a message about a failure.
    if (!unloaded_) {
        unloaded_ = true;
        try {
            game_.Form_Unload();
        } catch (...) {
        }
    }
    // The lock of the temporary bitmap goes as it goes at every end of the program.
    QFile::remove(game_.WholeImageTempPath() + QStringLiteral(".lock"));
    ::_exit(0);
}

std::function<void()> MainWindow::Guarded(std::function<void()> handling) {
    return [this, handling = std::move(handling)] { game_.Guard(handling); };
}

void MainWindow::BuildMenus() {
    auto item = [](QMenu* menu, const char* name, const QString& caption, bool enabled) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", tr("&Open..."), true);
    mnuFileClose = item(mnuFile, "mnuFileClose", tr("Close"), false);
    separator(mnuFile, "Hyphen1");
    mnuFileLoadPuzzleState = item(mnuFile, "mnuFileLoadPuzzleState", tr("Load Puzzle State"), true);
    mnuFileSavePuzzleState =
        item(mnuFile, "mnuFileSavePuzzleState", tr("Save Puzzle State"), false);
    separator(mnuFile, "Hyphen3");
    mnuFileScramble = item(mnuFile, "mnuFileScramble", tr("Scramble"), true);
    mnuFileHint = item(mnuFile, "mnuFileHint", tr("Hint"), true);
    mnuFileSolve = item(mnuFile, "mnuFileSolve", tr("Solve"), true);
    separator(mnuFile, "Hyphen4");
    mnuFileOptions = item(mnuFile, "mnuFileOptions", tr("Options..."), true);
    separator(mnuFile, "Hyphen2");
    mnuFileExit = item(mnuFile, "mnuFileExit", tr("E&xit"), true);

    mnuView = menuBar()->addMenu(tr("View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewPreview = item(mnuView, "mnuViewPreview", tr("Preview"), true);
    mnuViewPreview->setCheckable(true);
    separator(mnuView, "Hyphen5");
    mnuViewBestTimes = item(mnuView, "mnuViewBestTimes", tr("Best Times..."), true);

    BuildGameMenu();

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", tr("About..."), true);

    connect(mnuFileOpen, &QAction::triggered, this, Guarded([this] { game_.mnuFileOpen_Click(); }));
    connect(mnuFileClose, &QAction::triggered, this,
            Guarded([this] { game_.mnuFileClose_Click(); }));
    connect(mnuFileLoadPuzzleState, &QAction::triggered, this,
            Guarded([this] { game_.mnuFileLoadPuzzleState_Click(); }));
    connect(mnuFileSavePuzzleState, &QAction::triggered, this,
            Guarded([this] { game_.mnuFileSavePuzzleState_Click(); }));
    connect(mnuFileScramble, &QAction::triggered, this,
            Guarded([this] { game_.mnuFileScramble_Click(); }));
    connect(mnuFileHint, &QAction::triggered, this, Guarded([this] { game_.mnuFileHint_Click(); }));
    connect(mnuFileSolve, &QAction::triggered, this,
            Guarded([this] { game_.mnuFileSolve_Click(); }));
    connect(mnuFileOptions, &QAction::triggered, this, Guarded([this] { mnuFileOptions_Click(); }));
    connect(mnuFileExit, &QAction::triggered, this, [this] { close(); });
    connect(mnuView, &QMenu::aboutToShow, this, Guarded([this] { mnuView_Click(); }));
    connect(mnuViewPreview, &QAction::triggered, this,
            Guarded([this] { game_.mnuViewPreview_Click(); }));
    connect(mnuViewBestTimes, &QAction::triggered, this,
            Guarded([this] { mnuViewBestTimes_Click(); }));
    connect(mnuHelpAbout, &QAction::triggered, this, Guarded([this] { mnuHelpAbout_Click(); }));
}

void MainWindow::BuildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client_);

    Toolbar1 = new QToolBar(client_);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(16, 15));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    ToolbarButton1 = Toolbar1->addAction(OpenFolderIcon(), QString());
    ToolbarButton1->setObjectName(QStringLiteral("ToolbarButton1"));
    ToolbarButton1->setToolTip(tr("Open"));
    ToolbarButton2 = Toolbar1->addAction(FloppyDiskIcon(), QString());
    ToolbarButton2->setObjectName(QStringLiteral("ToolbarButton2"));
    ToolbarButton2->setToolTip(tr("Save Puzzle State"));
    ToolbarButton2->setEnabled(false);
    connect(ToolbarButton1, &QAction::triggered, this,
            Guarded([this] { Toolbar1_ButtonClick(1); }));
    connect(ToolbarButton2, &QAction::triggered, this,
            Guarded([this] { Toolbar1_ButtonClick(2); }));

    // The etched rule: a shadow line with a highlight line one pixel below it.
    Line1 = new RuleLine(client_, "Line1", QPalette::Dark, 1);
    Line2 = new RuleLine(client_, "Line2", QPalette::Light, 0);
    for (QWidget* line : {Line1, Line2}) {
        line->setGeometry(0, kPlayFieldTop - 2, kInitialClientWidth, 2);
    }

    picPuzzle = new PlayField(client_);
    picPuzzle->move(0, kPlayFieldTop);
    picPuzzle->onMouseDown = [this](int b, int s, float x, float y) {
        game_.Guard([&] { game_.picPuzzle_MouseDown(b, s, x, y); });
    };
    picPuzzle->onMouseMove = [this](int b, int s, float x, float y) {
        game_.Guard([&] { game_.picPuzzle_MouseMove(b, s, x, y); });
    };
    picPuzzle->onMouseUp = [this](int b, int s, float x, float y) {
        game_.Guard([&] { game_.picPuzzle_MouseUp(b, s, x, y); });
    };
    picPuzzle->onPaint = [this] { game_.Guard([this] { game_.picPuzzle_Paint(); }); };
    picPuzzle->onDisplayChange = [this] {
        if (isVisible() && !isMinimized()) {
            game_.Guard([this] { game_.DisplayModeChanged(); });
        }
    };
}

// The minimum applies to the whole window, frame included where a window manager draws one.
// The frame is measured each time: it is 0 until the window manager has framed the window.
void MainWindow::ApplyMinimumSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize minimum(std::max(kMinimumWidth - frame.width(), 1),
                        std::max(kMinimumHeight - frame.height(), 1));
    minimumHolds_ = true;
    if (minimumSize() != minimum) {
        setMinimumSize(minimum);
    }
}

bool MainWindow::event(QEvent* event) {
    // Framing moves the window: the frame may have changed.
    if (minimumHolds_ && event->type() == QEvent::Move) {
        ApplyMinimumSize();
    }
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (shown_) {
        ApplyMinimumSize();
        // Without a window manager nothing else holds the window to its minimum.
        const QSize allowed = event->size().expandedTo(minimumSize());
        if (allowed != event->size()) {
            // Brought up to the minimum: that resize does the work.
            resize(allowed);
            return;
        }
    }
    Form_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    // Minimizing changes the rule alone, and coming back from it rebuilds the field, without
    // a resize either way. Maximizing and restoring resize the window: the resize does it.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() || change->oldState().testFlag(Qt::WindowMinimized)) {
        Form_Resize();
    }
}

void MainWindow::Form_Resize() {
    if (client_ == nullptr) {
        return;
    }
    const int width = client_->width();
    for (QWidget* line : {Line1, Line2}) {
        line->setGeometry(0, line->y(), width, line->height());
    }
    if (isMinimized()) {
        return;
    }
    Toolbar1->setGeometry(0, 0, width, kPlayFieldTop - 2);
    picPuzzle->setGeometry(0, kPlayFieldTop, width, std::max(client_->height() - kPlayFieldTop, 0));
    if (isVisible()) {
        game_.Guard([this] { game_.Form_Resize(); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        game_.Guard([this] { game_.Form_Unload(); });
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { TakeDroppedFile(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { TakeDroppedFile(event); }

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = TakeDroppedFile(event);
    if (file.isEmpty()) {
        return;
    }
    // Opened once the drop has returned: a message it may show would hold the file manager's
    // drag up until the player closed it.
    QTimer::singleShot(0, this, Guarded([this, file] { game_.OpenChosenFile(file); }));
}

void MainWindow::mnuView_Click() { mnuViewPreview->setChecked(game_.settings.ViewPreview); }

void MainWindow::Toolbar1_ButtonClick(int index) {
    if (index == 1) {
        game_.mnuFileOpen_Click();
    } else if (index == 2) {
        game_.mnuFileSavePuzzleState_Click();
    }
}

void MainWindow::mnuFileOptions_Click() {
    OptionsDialog dialog(game_, this);
    dialog.exec();
}
void MainWindow::mnuViewBestTimes_Click() { BestTimesDialog(game_, this).exec(); }
void MainWindow::mnuHelpAbout_Click() {
    AboutDialog dialog(game_.facts(), AboutDesktop::Current(), this);
    dialog.exec();
}

QSize MainWindow::PlayFieldSize() const { return picPuzzle->ScaleSize(); }

bool MainWindow::IsMinimized() const { return isMinimized(); }

double MainWindow::PlayFieldPixelRatio() const { return picPuzzle->devicePixelRatioF(); }

void MainWindow::ShowWindow() {
    show();
    WaitUntilExposed();
    // Framed now: where the frame is narrower than the start size allows for, the minimum,
    // frame included, wins from the start.
    ApplyMinimumSize();
    // The first resize handling runs as the window is shown.
    Form_Resize();
    shown_ = true;
}

// A message box opened right after show() (a bad state file on the command line) would be
// centred on a window the window manager has not placed yet, in the corner of the screen.
void MainWindow::WaitUntilExposed() {
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
}

void MainWindow::PresentPlayField(const QImage& backBuffer) {
    picPuzzle->Present(&backBuffer);
    ShowProgressText();
}

void MainWindow::PresentPlayFieldPart(const QImage& backBuffer, const QRegion& changed) {
    picPuzzle->Present(&backBuffer, changed);
    ShowProgressText();
}

void MainWindow::ClearPlayField() {
    picPuzzle->Present(nullptr);
    ShowProgressText();
}

void MainWindow::SetPlayFieldPointer(int mousePointer) {
    if (mousePointer == kPointerSizeAll) {
        picPuzzle->setCursor(Qt::SizeAllCursor);
    } else {
        picPuzzle->unsetCursor();
    }
}

void MainWindow::SetPuzzleCommandsEnabled(bool enabled) {
    mnuFileClose->setEnabled(enabled);
    mnuFileSavePuzzleState->setEnabled(enabled);
    ToolbarButton2->setEnabled(enabled);
}

void MainWindow::SetTimerEnabled(bool enabled) {
    if (enabled) {
        tmrPuzzle->start();
    } else {
        tmrPuzzle->stop();
    }
}

void MainWindow::ShowMessage(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool MainWindow::AskYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("messageBox"));
    return box.exec() == QMessageBox::Yes;
}

QString MainWindow::InputBox(const QString& prompt) {
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("inputBox"));
    box.setWindowTitle(game_.facts().Title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

std::optional<QString> MainWindow::AskFileName(const QString& filter, const QString& initDir,
                                               bool save) {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgCommon"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The filter list shows the names alone ("Supported Graphic Files"), as the filter text has
    // them; the patterns still choose the files.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(QtNameFilters(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!initDir.isEmpty()) {
        dialog.setDirectory(initDir);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> MainWindow::AskOpenFileName(const QString& filter, const QString& initDir) {
    return AskFileName(filter, initDir, false);
}

std::optional<QString> MainWindow::AskSaveFileName(const QString& filter) {
    return AskFileName(filter, QString(), true);
}

void MainWindow::RegisterFileType() {
    RegisterStateFileType(game_.facts().AppDir,
                          QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                          CurrentDesktopFolders());
}

// Only existing files go to the recent documents.
void MainWindow::AddRecentDocument(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return;
    }
    const QString exec = QCoreApplication::applicationFilePath() + QStringLiteral(" %f");
    AddRecentDocumentTo(RecentlyUsedPath(),
                        RecentDocument{file.absoluteFilePath(), MimeTypeNameFor(kStateFileType),
                                       game_.facts().Title, exec});
}

} // namespace tess
