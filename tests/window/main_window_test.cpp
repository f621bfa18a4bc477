// The real main window: layout, one cut per resize and per move to a screen of other pixels, the
// field's own paint, the progress text; its menus and every command and button going on with the
// picture deleted; every way out keeping the game, and a start after a quit showing every
// setting changed.
#include "dialogs/dialogs.h"
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "support/window_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QSessionManager>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace tess {
namespace {

// The captions of a menu, "-" for a separator, " (off)" after a disabled item.
QString Describe(const QWidget* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? "-"
                                        : action->text() + (action->isEnabled() ? "" : " (off)"));
    }
    return items.join('|');
}

// Counts the cuts: each reads the temporary bitmap once, which inotify reports as an open.
// Closes are watched too, so that two cuts in a row are not merged into one open.
struct CutCounter {
    explicit CutCounter(const QString& bitmap) : name(QFileInfo(bitmap).fileName().toUtf8()) {
        inotify_add_watch(fd, QFile::encodeName(QFileInfo(bitmap).path()).constData(),
                          IN_OPEN | IN_CLOSE_NOWRITE);
    }
    ~CutCounter() { close(fd); }
    int Count() {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                opens += (event->mask & IN_OPEN) && event->len > 0 && name == event->name;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }
    int fd = inotify_init1(IN_NONBLOCK), opens = 0;
    QByteArray name;
};

// The Game menu's items, the field below the toolbar row, one cut per resize, the field's own
// paint, and the progress text at the right end of the toolbar row, where the field stays as it
// was.
TEST(MainWindow, LaysOutTheFieldCutsOncePerResizePaintsAfreshAndShowsTheProgressBesideIt) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    EXPECT_EQ(Describe(w.mnuGame),
              "Undo (off)|Redo (off)|-|Continue Last Game (off)|Kept Games (off)|"
              "-|Arrange Pieces|Gather Edge Pieces|-|Show Progress|"
              "Preview Above Pieces|Faint Picture on Board");
    QWidget* client = w.centralWidget();
    w.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(w.picPuzzle->geometry(), QRect(0, 28, client->width(), client->height() - 28));

    // Maximizing and restoring recut a loaded puzzle once each.
    Game& game = w.game();
    SetPictureFileName(game.puzzle, test::WritePatternPicture(f.folder.path(), "p.bmp", 240, 180));
    game.SetWholeImage();
    game.mnuFileScramble_Click();
    CutCounter cuts(game.WholeImageTempPath());
    w.showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(cuts.Count(), 1);
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(cuts.Count(), 2);
    // Moved to a screen of twice the pixels (ctest starts two offscreen screens): cut once more,
    // for the field's new size in pixels.
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "QT_QPA_PLATFORM as tests/window sets it";
    w.windowHandle()->setScreen(QGuiApplication::screens()[1]);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cuts.Count() == 3; }));
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 2 * w.picPuzzle->width());

    // The field's own paint event composes the frame: a background picked meanwhile shows.
    game.settings.BackgroundColorFill = 0x123456;
    const QImage shown = w.picPuzzle->grab().toImage();
    EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), 0xFF123456u);

    const QRect field = w.picPuzzle->geometry();
    EXPECT_FALSE(w.lblProgress->isVisible());
    w.mnuGameShowProgress->trigger();
    w.tmrPuzzle->start(); // the clock's next tick a second away
    game.puzzle.ElapsedSeconds = 61;
    game.mnuFileHint_Click();
    QApplication::processEvents();
    EXPECT_TRUE(w.lblProgress->isVisible());
    EXPECT_EQ(w.lblProgress->text(),
              QString("%1 of 64 placed \u00B7 0:01:01").arg(game.puzzle.PlacedCount));
    EXPECT_GT(w.lblProgress->geometry().right(), w.Toolbar1->width() - 12);
    EXPECT_EQ(w.picPuzzle->geometry(), field);
}

// The menus, then each command, toolbar button and dialog button, on a fresh game
// whose picture and temporary bitmap were then deleted: what fails is told, nothing escapes,
// the model holds, the commands that need a game follow it, and every window that opens is
// owned by the main window.
TEST(MainWindow, EveryCommandAndButtonGoOnWithThePictureDeleted) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(820, 640);
    Game& game = window.game();
    const QString picture = w.PathOf("harbour.bmp"), saved = w.PathOf("saved.psf");
    // The captions, with " (off)" after a disabled command: a game switches exactly three.
    const auto captions = [&] {
        return QStringList({window.windowTitle(), Describe(window.menuBar()),
                            Describe(window.mnuFile), Describe(window.mnuView),
                            Describe(window.mnuHelp), window.ToolbarButton1->toolTip(),
                            window.ToolbarButton2->toolTip() +
                                (window.ToolbarButton2->isEnabled() ? "" : " (off)")})
            .join('\n');
    };
    const QString start = "Tessellara\n&File|View|&Game|&Help\n&Open...|Close (off)|-|Load Puzzle "
                          "State|Save Puzzle State (off)|-|Scramble|Hint|Solve|-|Options...|-|"
                          "E&xit\nPreview|-|Best Times...\nAbout...\nOpen\nSave Puzzle State (off)";
    struct Action {
        const char* name;
        std::function<void()> trigger;
        QString file;       // chosen in a file dialog
        QStringList clicks; // buttons clicked in the dialogs that open, by name, in order
        bool kept;          // the game goes on
        QString told;       // part of what the message boxes and file dialog filters say
    };
    auto menu = [](QAction* action) { return [action] { action->trigger(); }; };
    const auto twice = [&] { window.mnuViewPreview->trigger(), window.mnuViewPreview->trigger(); };
    const QString cut = "The puzzle could not be cut: ", preview = "The preview could not be made",
                  states = "[Puzzle State Files]", again = w.PathOf("again.psf"),
                  pictures = "[Supported Graphic Files]";
    const QStringList large{"optPreviewSizeLarge", "cmdApply", "cmdCancel"},
        pickColour{"cmdPickOutlineColor", "OKButton", "cmdCancel"};
    // A picture that cannot be read and a changed count are the game-level guard test's.
    const Action actions[] = {
        {"toolbar Open", menu(window.ToolbarButton1), saved, {}, true, pictures},
        {"Load", menu(window.mnuFileLoadPuzzleState), saved, {}, true, "loaded: its picture"},
        {"Save", menu(window.mnuFileSavePuzzleState), again, {}, true, states},
        {"toolbar Save", menu(window.ToolbarButton2), again, {}, true, states},
        {"Scramble", menu(window.mnuFileScramble), {}, {}, true, {}},
        {"Hint", menu(window.mnuFileHint), {}, {}, true, {}},
        {"Solve", menu(window.mnuFileSolve), {}, {}, true, {}},
        {"Arrange", menu(window.mnuGameArrangePieces), {}, {}, true, {}},
        {"Gather", menu(window.mnuGameGatherEdgePieces), {}, {}, true, {}},
        {"Show Progress", menu(window.mnuGameShowProgress), {}, {}, true, {}},
        {"Preview Above Pieces", menu(window.mnuGamePreviewAbovePieces), {}, {}, true, {}},
        {"Faint Picture", menu(window.mnuGameFaintPicture), {}, {}, true, {}},
        {"Options Large", menu(window.mnuFileOptions), {}, large, true, preview},
        {"Options colour", menu(window.mnuFileOptions), {}, pickColour, true, {}},
        {"Preview twice", twice, {}, {}, true, preview},
        {"Best Times", menu(window.mnuViewBestTimes), {}, {"cmdClearAll", "OKButton"}, true, {}},
        {"About", menu(window.mnuHelpAbout), {}, {"cmdOK"}, true, {}},
        {"a resize", [&] { window.resize(700, 560); }, {}, {}, false, cut + "cannot read"},
        {"Close", menu(window.mnuFileClose), {}, {}, false, {}},
        {"Exit", menu(window.mnuFileExit), {}, {}, false, {}},
    };
    for (const Action& a : actions) {
        ASSERT_TRUE(test::PatternPicture(240, 180).save(picture));
        game.Guard([&] {
            SetPictureFileName(game.puzzle, picture);
            game.SetWholeImage();
            game.mnuFileScramble_Click();
        });
        ASSERT_EQ(WriteFileSafely(saved, WriteStateFile(game.puzzle, saved).bytes), "");
        ASSERT_TRUE(QFile::remove(picture) && QFile::remove(game.WholeImageTempPath()));
        QFile::remove(again);

        QStringList told, clicks = a.clicks;
        const auto answer = [&](QWidget* modal) {
            EXPECT_TRUE(window.findChildren<QWidget*>().contains(modal)) << a.name;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                told << box->text();
                box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                told << "[" + files->findChild<QComboBox*>("fileTypeCombo")->itemText(0) + "]";
                test::ChooseFile(files, a.file);
            } else if (clicks.isEmpty() || !modal->findChild<QAbstractButton*>(clicks.first())) {
                told << "unexpected " + modal->objectName();
                modal->close();
            }
            // A click may open a dialog that takes the next names; what is left is this one's.
            for (QAbstractButton* button;
                 !clicks.isEmpty() && (button = modal->findChild<QAbstractButton*>(clicks[0]));) {
                clicks.removeFirst();
                button->click();
            }
        };
        test::AnswerModals(
            [&](QWidget* modal) {
                // Answered once, after the poll has returned: the answer may open another.
                if (!modal->property("answered").toBool()) {
                    modal->setProperty("answered", true);
                    QTimer::singleShot(0, modal, [&answer, modal] { answer(modal); });
                }
            },
            a.trigger);

        const QString all = told.join('\n');
        EXPECT_TRUE(all.contains(a.told) && (!a.told.isEmpty() || !all.contains("could not")))
            << a.name << ": " << all.toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << a.name;
        EXPECT_TRUE(clicks.isEmpty()) << a.name;
        EXPECT_EQ(QFile::exists(again), a.file == again) << a.name;
        EXPECT_EQ(CheckModelInvariants(game.puzzle), QStringList()) << a.name;
        EXPECT_EQ(bool(game.puzzle.PuzzleLoaded), a.kept) << a.name;
        EXPECT_EQ(captions(), a.kept ? QString(start).remove(" (off)") : start) << a.name;
    }
}

// Every setting as a window shows it, in the order of the settings file's keys, then the piece
// count and the Game menu's toggles.
QVariantList SettingsShown(MainWindow& w) {
    const Settings& s = w.game().settings;
    w.mnuView_Click(); // View's check mark is the Preview setting
    return QVariantList() << s.SystemMemory << s.TimePuzzle << s.InitDir << s.PiecesListIndex
                          << s.BackgroundRed << s.BackgroundGreen << s.BackgroundBlue
                          << s.BackgroundColor << s.BackgroundColorFill << s.OutlineRed
                          << s.OutlineGreen << s.OutlineBlue << s.OutlineColor << s.OutlineColorFill
                          << s.PreviewCaptionBackgroundRed << s.PreviewCaptionBackgroundGreen
                          << s.PreviewCaptionBackgroundBlue << s.PreviewCaptionBackgroundColor
                          << s.PreviewCaptionBackgroundColorFill << s.PreviewCaptionTextRed
                          << s.PreviewCaptionTextGreen << s.PreviewCaptionTextBlue
                          << s.PreviewCaptionTextColor << s.OutlinePieces
                          << w.mnuViewPreview->isChecked() << s.PreviewSize
                          << w.game().puzzle.NumberOfPieces << w.mnuGameShowProgress->isChecked()
                          << w.mnuGamePreviewAbovePieces->isChecked()
                          << w.mnuGameFaintPicture->isChecked();
}

// The player changes every setting through the game, plays, and quits; the next start over the
// same per-user settings file shows each setting as changed, and Continue Last Game the game as
// it was at the quit. On the way every way out keeps the game: the clock runs on the window's
// timer, the session manager's save request keeps the game as it is and it goes on, and a close
// from the window system (a window manager's close button) keeps it and closes it.
TEST(MainWindow, AStartAfterAQuitShowsEveryChangedSettingAndTheGameAsKept) {
    QTemporaryDir folder;
    ProcessFacts facts = test::TestFacts(folder.path());
    facts.UserDataFolder = folder.path(); // where the games are kept
    MersenneRandom random{7u};
    QFile::remove(SettingsStore().FileName());
    // The player's own settings file, as the program finds it.
    auto store = std::make_unique<SettingsStore>();
    auto w = std::make_unique<MainWindow>(*store, random, facts);
    w->Start();
    Game& game = w->game();
    const auto defaults = SettingsShown(*w);
    OptionsDialog options(game);
    options.show();
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             options.chkTimePuzzle, options.chkSystemMemory, options.chkOutlinePieces,
             options.optPreviewSizeSmall}) {
        button->click();
    }
    options.cmbPieces->setCurrentIndex(3);
    EXPECT_EQ(game.settings.PiecesListIndex, 3) << "changed at once";
    options.cmdApply->click();
    // Each colour button hands the picker its colour and stores the pick at once; a pick
    // cancelled in the picker changes nothing, and Cancel in the dialog takes no pick back.
    QStringList handed;
    for (QPushButton* pick : {options.cmdPickBackColor, options.cmdPickOutlineColor,
                              options.cmdPickPreviewCaptionBackColor,
                              options.cmdPickPreviewCaptionTextColor, options.cmdPickBackColor}) {
        test::AnswerModals(
            [&](QWidget* modal) {
                auto* picker = static_cast<ColorPicker*>(modal);
                handed << picker->txtRed->text() + "," + picker->txtGreen->text() + "," +
                              picker->txtBlue->text();
                if (handed.size() < 5) {
                    picker->lblColor_Click(7);
                    return picker->OKButton->click();
                }
                picker->lblColor_Click(0); // another colour, cancelled
                picker->CancelButton->click();
            },
            [pick] { pick->click(); });
    }
    EXPECT_EQ(handed.join(' '), "212,208,200 255,255,255 0,0,0 255,255,255 175,200,250");
    options.cmdCancel->click();
    EXPECT_EQ(game.settings.BackgroundColorFill, 0xAFC8FA); // the first pick, red 175
    for (QAction* toggle : {w->mnuViewPreview, w->mnuGameShowProgress, w->mnuGamePreviewAbovePieces,
                            w->mnuGameFaintPicture}) {
        toggle->trigger();
    }
    const QString picture = test::WritePatternPicture(folder.path(), "p.bmp", 240, 180);
    test::AnswerModals(
        [&](QWidget* files) { test::ChooseFile(static_cast<QFileDialog*>(files), picture); },
        [&] { w->mnuFileOpen->trigger(); });
    const auto changed = SettingsShown(*w);

    ASSERT_TRUE(QTest::qWaitFor([&] { return game.puzzle.ElapsedSeconds >= 2; }, 10000));
    auto* session = qApp->findChild<QSessionManager*>(); // the application's own
    ASSERT_NE(session, nullptr);
    emit qApp->commitDataRequest(*session);
    EXPECT_EQ(ReadStateFile(test::ReadAll(w->history().KeptPath())).game.value().ElapsedSeconds,
              game.puzzle.ElapsedSeconds)
        << "kept at the save request";
    const Long clock = game.puzzle.ElapsedSeconds + 1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.puzzle.ElapsedSeconds == clock; }, 5000))
        << "the game goes on";
    w->windowHandle()->close(); // as the window system delivers a window manager's close
    EXPECT_FALSE(w->isVisible() || game.puzzle.PuzzleLoaded);

    w.reset();
    store = std::make_unique<SettingsStore>();
    w = std::make_unique<MainWindow>(*store, random, facts);
    w->Start();
    EXPECT_EQ(SettingsShown(*w), changed);
    for (qsizetype i = 0; i < changed.size(); ++i) {
        EXPECT_NE(changed[i].toString(), defaults[i].toString()) << "setting " << i << " changed";
    }
    w->mnuGameContinueLastGame->trigger();
    EXPECT_EQ(w->game().puzzle.ElapsedSeconds, clock) << "the game as it was kept at the close";
}

} // namespace
} // namespace tess
