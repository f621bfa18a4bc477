// The real main window: menus and command states, layout, the dialogs its menus open, a
// game saved, loaded and reopened through its file dialog and command line, and every
// command going on with the picture deleted.
#include "desktop/recent_documents.h"
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "support/qt_printers.h"
#include "support/window_test_support.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>
#include <set>

namespace tess {
namespace {

// The captions of a menu, "-" for a separator, " (off)" after a disabled item.
QString Describe(const QWidget* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? "-"
                                        : action->text() + (action->isEnabled() ? "" : " (off)"));
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
    return items.join('|');
}

TEST(MainWindow, HasItsMenusAndSwitchesExactlyThreeCommands) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    EXPECT_EQ(w.windowTitle(), "Tessellara");
    EXPECT_EQ(Describe(w.menuBar()), "&File|View|&Help");
    const QString file = "&Open...|Close (off)|-|Load Puzzle State|Save Puzzle State (off)|-|"
                         "Scramble|Hint|Solve|-|Options...|-|E&xit";
    EXPECT_EQ(Describe(w.mnuFile), file);
    EXPECT_EQ(Describe(w.mnuView), "Preview|-|Best Times...");
    EXPECT_EQ(Describe(w.mnuHelp), "About...");
    EXPECT_EQ(w.ToolbarButton1->toolTip() + "|" + w.ToolbarButton2->toolTip(),
              "Open|Save Puzzle State");
    EXPECT_TRUE(w.ToolbarButton1->isEnabled());
    EXPECT_FALSE(w.ToolbarButton2->isEnabled());
    EXPECT_EQ(w.tmrPuzzle->interval(), 1000);
    EXPECT_FALSE(w.tmrPuzzle->isActive());

    w.game().EnableCommands();
    EXPECT_EQ(Describe(w.mnuFile), QString(file).remove(" (off)"));
    EXPECT_TRUE(w.ToolbarButton2->isEnabled());
    w.mnuFileClose->trigger();
    EXPECT_EQ(Describe(w.mnuFile), file);
    EXPECT_FALSE(w.ToolbarButton2->isEnabled());

    // Preview flips and stores the setting; opening View shows it as the check mark.
    for (const bool shown : {false, true}) {
        w.mnuViewPreview->trigger();
        EXPECT_EQ(f.store.Read("View Preview", ""), shown ? "True" : "False");
        w.mnuView_Click();
        EXPECT_EQ(w.mnuViewPreview->isChecked(), shown);
    }
}

// Counts the cuts of the puzzle the play field shows: each cut makes new piece surfaces.
struct CutWatcher : QObject {
    explicit CutWatcher(const Game& watched) : game(watched) { Look(); }
    void Look() { seen.insert(game.surfaces.PieceSurfaces.at(1).Image().cacheKey()); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            Look();
        }
        return false;
    }
    const Game& game;
    std::set<qint64> seen;
};

TEST(MainWindow, LaysOutTheRuleAndPlayFieldCutsOncePerResizeAndKeepsItsMinimumSize) {
    test::WindowFixture f;
    MainWindow& w = f.window;
    const QWidget* client = w.centralWidget();
    EXPECT_EQ(client->size(), QSize(460, 304)) << "the client area at start";
    w.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(w.picPuzzle->geometry(), QRect(0, 28, client->width(), client->height() - 28));
    EXPECT_EQ(w.Line1->width(), client->width());
    EXPECT_EQ(w.game().surfaces.BackBuffer.GetSurfaceDesc().Height, w.picPuzzle->height());
    const QImage rule = w.centralWidget()->grab(QRect(0, 25, 10, 3)).toImage();
    EXPECT_EQ(rule.pixel(5, 1), w.Line1->palette().color(QPalette::Dark).rgb()) << "row 26";
    EXPECT_EQ(rule.pixel(5, 2), w.Line2->palette().color(QPalette::Light).rgb()) << "row 27";

    // Maximizing and restoring recut a loaded puzzle once each.
    Game& game = w.game();
    QImage picture(240, 180, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(f.PathOf("p.bmp")));
    SetPictureFileName(game.puzzle, f.PathOf("p.bmp"));
    game.SetWholeImage();
    CutWatcher cuts(game);
    w.picPuzzle->installEventFilter(&cuts);
    w.showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(cuts.seen.size(), 2u);
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(cuts.seen.size(), 3u);

    w.resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(w.frameGeometry().size(), QSize(468, 350)) << "the whole window's minimum";
}

TEST(MainWindow, OpensItsDialogsModallyOwnedByTheWindow) {
    test::WindowFixture f;
    for (const auto& c :
         {std::pair{f.window.mnuFileOptions, "frmOptions|Options"},
          std::pair{f.window.mnuHelpAbout, "frmAbout|About Tessellara"},
          std::pair{f.window.mnuViewBestTimes, "frmBestTimes|Tessellara - Best Times"}}) {
        QStringList opened;
        test::AnswerModals(
            [&](QWidget* modal) {
                opened << modal->objectName() + "|" + modal->windowTitle();
                EXPECT_EQ(modal->parentWidget(), &f.window);
                modal->close();
            },
            [&] { c.first->trigger(); });
        EXPECT_EQ(opened, QStringList{c.second});
    }
}

// Answers the file dialog with the queued paths (a null one cancels) and closes any other
// window; returns what each showed: the file dialog its filter.
QStringList AnswerWith(std::deque<QString> files, const std::function<void()>& trigger) {
    QStringList seen;
    test::AnswerModals(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog != nullptr && dialog->objectName() == "dlgCommon" && !files.empty()) {
                seen << dialog->nameFilters().join(";;");
                if (files.front().isNull()) {
                    dialog->reject();
                } else {
                    test::ChooseFile(dialog, files.front());
                }
                files.pop_front();
            } else {
                seen << "unexpected " + modal->objectName() + "|" + modal->windowTitle();
                modal->close();
            }
        },
        trigger);
    return seen;
}

TEST(MainWindow, SavesLoadsAndReopensAGame) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(820, 640);
    const Game& game = window.game();
    auto screen = [&] {
        QApplication::processEvents();
        return window.picPuzzle->grab().toImage();
    };
    QImage image(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, x * y % 256, y));
        }
    }
    const QString picture = w.PathOf("lighthouse.bmp");
    ASSERT_TRUE(image.save(picture));
    AnswerWith({picture}, [&] { window.mnuFileOpen->trigger(); });
    ASSERT_TRUE(game.puzzle.PuzzleLoaded);
    window.game().tmrPuzzle_Timer();
    const Puzzle before = game.puzzle;
    const QImage screenBefore = screen();

    const QString saved = w.PathOf("saved.psf");
    const QStringList filter{"Puzzle State Files (*.psf)"};
    EXPECT_EQ(AnswerWith({saved}, [&] { window.mnuFileSavePuzzleState->trigger(); }), filter);
    window.mnuFileClose->trigger();
    ASSERT_FALSE(screen() == screenBefore) << "the comparison below can tell games apart";
    EXPECT_EQ(AnswerWith({QString()}, [&] { window.mnuFileLoadPuzzleState->trigger(); }), filter);
    EXPECT_FALSE(game.puzzle.PuzzleLoaded) << "cancelled";
    EXPECT_EQ(AnswerWith({saved}, [&] { window.mnuFileLoadPuzzleState->trigger(); }), filter);
    EXPECT_EQ(game.puzzle.Pieces, before.Pieces);
    EXPECT_EQ(game.puzzle.Groups, before.Groups);
    EXPECT_EQ(game.puzzle.ElapsedSeconds, 1);
    EXPECT_TRUE(window.tmrPuzzle->isActive());
    EXPECT_TRUE(window.ToolbarButton2->isEnabled());
    EXPECT_TRUE(screen() == screenBefore) << "the same game on the screen";

    // The field's own paint event composes the frame: a background picked meanwhile shows.
    const auto count = [](const QImage& shown, QRgb colour) {
        int n = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                n += (shown.pixel(x, y) & 0xFFFFFFu) == colour;
            }
        }
        return n;
    };
    const int background = count(screenBefore, QRgb(game.settings.BackgroundColorFill));
    window.game().settings.BackgroundColorFill = 0x123456;
    EXPECT_EQ(count(screen(), 0x123456), background);
    EXPECT_GT(background, 1000);

    // Only a state file from the command line joins the desktop's recent documents.
    const QByteArray savedUrl = QUrl::fromLocalFile(saved).toEncoded();
    EXPECT_FALSE(test::ReadAll(RecentlyUsedPath()).contains(savedUrl));
    test::WindowFixture fromCommandLine({}, saved);
    EXPECT_TRUE(fromCommandLine.window.game().puzzle.PuzzleLoaded);
    EXPECT_TRUE(test::ReadAll(RecentlyUsedPath()).contains(savedUrl));
    EXPECT_FALSE(test::ReadAll(RecentlyUsedPath()).contains("lighthouse"));
}

// Each command, toolbar button, dialog button and the mouse, on a fresh game whose picture and
// temporary bitmap were then deleted: what fails is told, nothing escapes, the model holds.
TEST(MainWindow, EveryCommandButtonAndTheMouseGoOnWithThePictureDeleted) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(820, 640);
    Game& game = window.game();
    const QString picture = w.PathOf("harbour.bmp"), saved = w.PathOf("saved.psf");
    ASSERT_EQ(WriteFileSafely(w.PathOf("bad.jpg"), QByteArray("not a picture")), "");
    struct Action {
        const char* name;
        std::function<void()> trigger;
        QString file;       // chosen in an open dialog
        QStringList clicks; // buttons clicked in the dialogs that open, by name, in order
        bool kept;          // the game goes on
        QString told;       // part of what the message boxes say
    };
    auto menu = [](QAction* action) { return [action] { action->trigger(); }; };
    const auto drag = [&] {
        const Puzzle& p = game.puzzle;
        const PieceRecord& top = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
        const QPoint at(top.X + p.TabWidth + p.CellWidth / 2,
                        top.Y + p.TabHeight + p.CellHeight / 2);
        QTest::mousePress(window.picPuzzle, Qt::LeftButton, {}, at);
        QTest::mouseMove(window.picPuzzle, at + QPoint(40, 30));
        QTest::mouseRelease(window.picPuzzle, Qt::LeftButton, {}, at + QPoint(40, 30));
    };
    const QString cut = "The puzzle could not be cut: ", preview = "The preview could not be made";
    const QStringList pickColour{"cmdPickOutlineColor", "OKButton", "cmdCancel"};
    // The options show the game's own count, so OK recuts nothing; a changed count with the
    // picture gone is the game-level guard test's.
    const Action actions[] = {
        {"Open", menu(window.mnuFileOpen), w.PathOf("bad.jpg"), {}, true, cut + "the picture"},
        {"toolbar Open", menu(window.ToolbarButton1), saved, {}, true, "loaded: its picture"},
        {"Load", menu(window.mnuFileLoadPuzzleState), saved, {}, true, "loaded: its picture"},
        {"Save", menu(window.mnuFileSavePuzzleState), {}, {}, true, {}},
        {"toolbar Save", menu(window.ToolbarButton2), {}, {}, true, {}},
        {"Scramble", menu(window.mnuFileScramble), {}, {}, true, {}},
        {"Hint", menu(window.mnuFileHint), {}, {}, true, {}},
        {"Solve", menu(window.mnuFileSolve), {}, {}, true, {}},
        {"Options OK", menu(window.mnuFileOptions), {}, {"cmdOK"}, true, {}},
        {"Options Large, Apply, Cancel",
         menu(window.mnuFileOptions),
         {},
         {"optPreviewSizeLarge", "cmdApply", "cmdCancel"},
         true,
         preview},
        {"Options colour", menu(window.mnuFileOptions), {}, pickColour, true, {}},
        {"Preview twice",
         [&] { window.mnuViewPreview->trigger(), window.mnuViewPreview->trigger(); },
         {},
         {},
         true,
         preview},
        {"Best Times", menu(window.mnuViewBestTimes), {}, {"cmdClearAll", "OKButton"}, true, {}},
        {"About", menu(window.mnuHelpAbout), {}, {"cmdOK"}, true, {}},
        {"the mouse", drag, {}, {}, true, {}},
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

        QStringList told, clicks = a.clicks;
        const auto answer = [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                told << box->text();
                box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                const bool save = files->acceptMode() == QFileDialog::AcceptSave;
                test::ChooseFile(files, save ? w.PathOf("again.psf") : a.file);
            } else if (clicks.isEmpty() || !modal->findChild<QAbstractButton*>(clicks.first())) {
                told << "unexpected " + modal->objectName();
                modal->close();
            }
            // A click may open a dialog that takes the next names; what is left is this one's.
            while (!clicks.isEmpty()) {
                auto* button = modal->findChild<QAbstractButton*>(clicks.first());
                if (button == nullptr) {
                    break;
                }
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

        const Puzzle& p = game.puzzle;
        const QString all = told.join('\n');
        EXPECT_TRUE(all.contains(a.told) && (!a.told.isEmpty() || !all.contains("could not")))
            << a.name << ": " << all.toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << a.name;
        EXPECT_TRUE(clicks.isEmpty()) << a.name;
        EXPECT_EQ(CheckModelInvariants(p), QStringList()) << a.name;
        EXPECT_EQ(bool(p.PuzzleLoaded), a.kept) << a.name;
        if (p.PuzzleLoaded) {
            EXPECT_EQ(game.surfaces.PieceSurfaces.size(), p.Pieces.size()) << a.name;
            EXPECT_FALSE(game.surfaces.PieceSurfaces.back().IsNull()) << a.name;
        }
    }
}

} // namespace
} // namespace tess
