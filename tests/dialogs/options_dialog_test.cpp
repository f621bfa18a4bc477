// The options dialog driven through its controls, checked against the settings file it writes.
#include "dialogs/color_picker.h"
#include "dialogs/options_dialog.h"
#include "puzzle/invariants.h"
#include "support/recording_host.h"
#include "support/window_test_support.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

struct OptionsFixture : test::GameFixture {
    std::unique_ptr<OptionsDialog> dialog;

    // Reads the settings as start-up does, cuts a picture when asked (into `pieces` when
    // given), then opens the dialog.
    void Open(bool withPuzzle = false, Integer pieces = 0) {
        store->ReadAll(game->settings, game->puzzle.NumberOfPieces);
        if (withPuzzle) {
            if (pieces > 0) {
                game->puzzle.NumberOfPieces = pieces;
            }
            QImage image(240, 180, QImage::Format_RGB32);
            image.fill(QColor(90, 140, 60));
            ASSERT_TRUE(image.save(folder.path() + "/picture.bmp"));
            SetPictureFileName(game->puzzle, folder.path() + "/picture.bmp");
            game->SetWholeImage();
            ASSERT_TRUE(game->puzzle.PuzzleLoaded);
        }
        dialog = std::make_unique<OptionsDialog>(*game);
        dialog->show();
    }
    int PiecesCut() const { return game->puzzle.PuzzleColumns * game->puzzle.PuzzleRows; }

    // Clicks near the left edge, where a check or option button has its box.
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // The key=text lines of the settings file (its one group "Settings"), sorted.
    QString File() {
        QFile file(folder.path() + "/settings.ini");
        QStringList lines = file.open(QIODevice::ReadOnly)
                                ? QString::fromUtf8(file.readAll()).split('\n').filter("=")
                                : QStringList();
        lines.sort();
        return lines.join("; ").replace("%20", " ");
    }

    // What the controls show: row, count, Large, Medium, Small, outline, time, memory, and the
    // background, outline, caption and caption text colours as 0xBBGGRR.
    QString Controls() const {
        const OptionsDialog& d = *dialog;
        const int row = d.cmbPieces->currentIndex();
        QStringList shown{row >= 0 ? QString::number(row)
                                   : "none:" + d.cmbPieces->placeholderText(),
                          QString::number(d.ChosenPieceCount)};
        for (const QAbstractButton* b : std::initializer_list<const QAbstractButton*>{
                 d.optPreviewSizeLarge, d.optPreviewSizeMedium, d.optPreviewSizeSmall,
                 d.chkOutlinePieces, d.chkTimePuzzle, d.chkSystemMemory}) {
            shown << QString::number(b->isChecked());
        }
        for (const SwatchLabel* s : {d.shpBackgroundColor, d.shpOutlineColor,
                                     d.shpPreviewCaptionBackColor, d.shpPreviewCaptionTextColor}) {
            shown << QString::number(s->FillColor(), 16);
        }
        return shown.join(' ');
    }

    // Opens the picker with a colour button, clicks a swatch and closes it with OK or Cancel;
    // returns the colour the picker was handed.
    QString PickSwatch(QPushButton* button, int swatch, bool ok) {
        QString handed;
        test::AnswerModals(
            [&](QWidget* modal) {
                auto* picker = qobject_cast<ColorPicker*>(modal);
                ASSERT_NE(picker, nullptr);
                handed = picker->txtRed->text() + "," + picker->txtGreen->text() + "," +
                         picker->txtBlue->text();
                QTest::mouseClick(picker->lblColor[std::size_t(swatch)], Qt::LeftButton);
                QTest::mouseClick(ok ? picker->OKButton : picker->CancelButton, Qt::LeftButton);
            },
            [&] { Click(button); });
        return handed;
    }
};

TEST(OptionsDialog, ShowsEveryCaptionExactly) {
    OptionsFixture f;
    f.Open();
    const OptionsDialog& d = *f.dialog;
    QStringList texts({d.windowTitle(), d.fraOptions->title(), d.chkTimePuzzle->text(),
                       d.chkOutlinePieces->text(), d.fraAdvancedOptions->title(),
                       d.chkSystemMemory->text(), d.lblNOTESystemMemory->text(),
                       d.fraNumPieces->title(), d.lblNumberofPieces->text(),
                       d.fraMainColors->title(), d.lblOutline->text()});
    texts << QStringList({d.lblWindowBackground->text(), d.fraPreviewCaption->title(),
                          d.lblPreviewText->text(), d.Label1->text(), d.fraPreviewSize->title(),
                          d.optPreviewSizeLarge->text(), d.optPreviewSizeMedium->text(),
                          d.optPreviewSizeSmall->text(), d.cmdOK->text(), d.cmdCancel->text(),
                          d.cmdApply->text(), d.cmdPickOutlineColor->text(),
                          d.cmdPickBackColor->text(), d.cmdPickPreviewCaptionTextColor->text(),
                          d.cmdPickPreviewCaptionBackColor->text()});
    EXPECT_EQ(texts.join('|'),
              "Options||Track Elapsed Time Putting Puzzle Togrther|Show Outline Around Pieces|"
              "Advanced Options|Use System Memory to Store Image (Enable this if you are unable "
              "to open images larger than your desktop size.)|NOTE: This setting is slower, so "
              "only enable it if you need to.|Number of Pieces|Number of Pieces:|Main "
              "Colors|Outline|Background|Preview Caption Colors|Text|Background|Preview "
              "Size|Large (1/2 Puzzle Size)|Medium (1/4 Puzzle Size)|Small (1/8 Puzzle "
              "Size)|OK|Cancel|Apply|Pick Color|Pick Color|Pick Color|Pick Color");
    ASSERT_EQ(d.cmbPieces->count(), 98);
    EXPECT_EQ(d.cmbPieces->itemText(0) + d.cmbPieces->itemText(21) + d.cmbPieces->itemText(97),
              "1277324");
}

TEST(OptionsDialog, ShowsTheStoredValuesCentredAndFallsBackWhereNoControlFits) {
    // Stored entries and the piece count of a loaded game (0: none), then the controls shown;
    // OK must store the row shown, warn of nothing and keep a loaded game as it is.
    const std::tuple<const char*, Integer, const char*> cases[] = {
        {"", 0, "21 77 0 1 0 1 1 0 c8d0d4 ffffff 0 ffffff"},
        {"List Index=5,Preview Size=4,Outline Pieces=False,Time Puzzle=False,System Memory=True,"
         "Background Red=0,Background Green=0,Background Blue=255",
         0, "5 21 0 0 1 0 0 1 ff0000 ffffff 0 ffffff"},
        {"List Index=0", 0, "0 12 "},
        {"List Index=150,Preview Size=7", 0, "18 64 0 1 0 "},
        {"List Index=-3,Preview Size=0", 0, "18 64 0 1 0 "},
        {"List Index=98,Preview Size=1,Number of Pieces=13", 0, "21 77 0 1 0 "},
        {"List Index=97,Number of Pieces=324", 0, "97 324 0 1 0 "},
        {"List Index=97", 15, "1 15 "},
        {"List Index=97", 13, "none:13 13 "},
    };
    for (const auto& [stored, pieces, shown] : cases) {
        OptionsFixture f;
        for (const QString& entry : QString(stored).split(',', Qt::SkipEmptyParts)) {
            f.store->Write(entry.section('=', 0, 0), entry.section('=', 1));
        }
        f.Open(pieces > 0, pieces);
        const std::vector<PieceRecord> game = f.game->puzzle.Pieces;
        EXPECT_TRUE(f.Controls().startsWith(shown))
            << stored << " shows " << f.Controls().toStdString();
        const QRect screen = f.dialog->screen()->geometry();
        EXPECT_EQ(f.dialog->pos(), QPoint((screen.width() - f.dialog->width()) / 2,
                                          (screen.height() - f.dialog->height()) / 2));
        const QString row = QString::number(f.game->settings.PiecesListIndex);
        f.Click(f.dialog->cmdOK);
        EXPECT_TRUE(f.File().contains("List Index=" + row + "; ")) << stored;
        EXPECT_TRUE(f.host.messages.isEmpty()) << stored;
        EXPECT_TRUE(f.game->puzzle.Pieces == game) << stored;
    }
}

TEST(OptionsDialog, OkAfterPickingAnotherCountRecutsAndRescramblesALoadedPuzzle) {
    OptionsFixture f;
    f.Open(true);
    ASSERT_EQ(f.PiecesCut(), 64);
    f.dialog->cmbPieces->setCurrentIndex(21); // 77, as the player picks it
    f.Click(f.dialog->cmdOK);
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.File(), "List Index=21; Number of Pieces=77; Outline Pieces=True; "
                        "System Memory=False; Time Puzzle=True");
    const Puzzle& puzzle = f.game->puzzle;
    EXPECT_EQ(puzzle.NumberOfPieces, 77);
    EXPECT_EQ(f.PiecesCut(), 77);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces.size(), 78u);
    // Rescrambled: one group per piece.
    EXPECT_EQ(puzzle.GroupOrderCount, 77);
    EXPECT_EQ(puzzle.PlacedCount, 0);
    EXPECT_TRUE(CheckModelInvariants(puzzle).isEmpty());
}

TEST(OptionsDialog, OkWithTheCountUnchangedLeavesThePuzzleAloneAndRebuildsItsPreview) {
    OptionsFixture f;
    f.store->Write("Number of Pieces", "77");
    f.Open(true);
    const qint64 pieceImage = f.game->surfaces.PieceSurfaces[1].Image().cacheKey();
    const std::vector<PieceRecord> pieces = f.game->puzzle.Pieces;
    const int mediumWidth = f.game->surfaces.PreviewSurface.Image().width();
    f.Click(f.dialog->chkOutlinePieces);
    f.Click(f.dialog->chkSystemMemory);
    f.Click(f.dialog->optPreviewSizeLarge);
    f.Click(f.dialog->cmdOK);
    EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(f.File(), "List Index=21; Number of Pieces=77; Outline Pieces=False; "
                        "Preview Size=2; System Memory=True; Time Puzzle=True");
    EXPECT_FALSE(f.game->settings.OutlinePieces);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces[1].Image().cacheKey(), pieceImage);
    EXPECT_EQ(f.game->puzzle.Pieces, pieces);
    EXPECT_GT(f.game->surfaces.PreviewSurface.Image().width(), mediumWidth);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(OptionsDialog, ACountOutsideTheRangeShowsTheMessageAndApplyGoesOn) {
    for (const Integer count : {Integer{11}, Integer{326}}) {
        OptionsFixture f;
        f.Open();
        f.dialog->ChosenPieceCount = count;
        f.Click(f.dialog->optPreviewSizeLarge);
        f.Click(f.dialog->cmdApply);
        EXPECT_EQ(f.host.messages,
                  QStringList{"Tessellara|The number of pieces has to be between 4 and 600."});
        EXPECT_EQ(f.game->puzzle.NumberOfPieces, 64);
        EXPECT_EQ(f.File(), "List Index=21; Outline Pieces=True; Preview Size=2; "
                            "System Memory=False; Time Puzzle=True");
        EXPECT_TRUE(f.dialog->isVisible());
        // With no puzzle a new preview size is only stored.
        EXPECT_TRUE(f.game->surfaces.PreviewSurface.IsNull());
        EXPECT_EQ(f.host.presentCount, 0);
    }
}

TEST(OptionsDialog, APickedColourAndTheListClickSurviveCancel) {
    struct Case {
        QPushButton* OptionsDialog::*button;
        QString group;
        QString shown; // the four swatches after the pick, as Controls() gives them
    };
    const Case cases[] = {
        {&OptionsDialog::cmdPickBackColor, "Background", "b7b7ff ffffff 0 ffffff"},
        {&OptionsDialog::cmdPickOutlineColor, "Outline", "c8d0d4 b7b7ff 0 ffffff"},
        {&OptionsDialog::cmdPickPreviewCaptionBackColor, "Preview Caption Background",
         "c8d0d4 ffffff b7b7ff ffffff"},
        {&OptionsDialog::cmdPickPreviewCaptionTextColor, "Preview Caption Text",
         "c8d0d4 ffffff 0 b7b7ff"},
    };
    for (const Case& c : cases) {
        OptionsFixture f;
        f.Open();
        f.dialog->cmbPieces->setFocus();
        QTest::keyClick(f.dialog->cmbPieces, Qt::Key_Down);
        EXPECT_EQ(f.game->settings.PiecesListIndex, 22) << "changed at once";
        f.PickSwatch(f.dialog.get()->*c.button, 8, true); // 255, 183, 183
        EXPECT_FALSE(Picker.PickerAccepted);
        // The picker is handed the new colour; cancelled, it changes nothing.
        EXPECT_EQ(f.PickSwatch(f.dialog.get()->*c.button, 0, false), "255,183,183");
        EXPECT_TRUE(f.Controls().endsWith(c.shown)) << c.group.toStdString();
        f.Click(f.dialog->cmdCancel);
        EXPECT_FALSE(f.dialog->isVisible());
        EXPECT_EQ(f.game->settings.PiecesListIndex, 22);
        EXPECT_EQ(f.game->puzzle.NumberOfPieces, 64);
        EXPECT_EQ(
            f.File(),
            QString("%1 Blue=183; %2%1 Color=12040191; %1 Green=183; %1 Red=255")
                .arg(c.group, c.group.endsWith("Text") ? "" : c.group + " Color Fill=16758711; "));
    }
}

} // namespace
} // namespace tess
