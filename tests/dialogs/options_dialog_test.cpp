#include "dialogs/color_picker.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/options_dialog.h"
#include "puzzle/invariants.h"
#include "support/recording_host.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::SettingsFileEntries;
using test::WithNextModal;

struct OptionsFixture : test::GameFixture {
    std::unique_ptr<OptionsDialog> dialog;

    // Reads the settings file as start-up does, then opens the dialog.
    void Open() {
        ReadStore();
        ShowDialog();
    }

    void ReadStore() {
        store->Sync();
        store->ReadAll(game->settings, game->puzzle.NumberOfPieces);
    }

    void ShowDialog() {
        dialog = std::make_unique<OptionsDialog>(*game);
        dialog->show();
    }

    // Cuts a 240 x 180 picture into the current number of pieces.
    void LoadPicture() {
        QImage image(240, 180, QImage::Format_RGB32);
        image.fill(QColor(90, 140, 60));
        const QString path = folder.path() + QStringLiteral("/picture.bmp");
        ASSERT_TRUE(image.save(path));
        SetPictureFileName(game->puzzle, path);
        game->SetWholeImage();
        ASSERT_TRUE(game->puzzle.PuzzleLoaded);
    }

    int PieceCountCut() const { return game->puzzle.PuzzleColumns * game->puzzle.PuzzleRows; }

    // Clicks near the left edge, where a check or option button has its box.
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    QMap<QString, QString> File() {
        store->Sync();
        return SettingsFileEntries(folder.path() + QStringLiteral("/settings.ini"));
    }

    // Opens the picker with a colour button, clicks a swatch and closes it with OK.
    void PickSwatch(QPushButton* button, int swatch) {
        WithNextModal(
            [swatch](QWidget* modal) {
                auto* picker = qobject_cast<ColorPicker*>(modal);
                ASSERT_NE(picker, nullptr);
                QTest::mouseClick(picker->lblColor[static_cast<std::size_t>(swatch)],
                                  Qt::LeftButton);
                QTest::mouseClick(picker->OKButton, Qt::LeftButton);
            },
            [&] { Click(button); });
    }
};

TEST(OptionsDialog, ShowsEveryCaptionExactly) {
    OptionsFixture f;
    f.Open();
    OptionsDialog& d = *f.dialog;
    EXPECT_EQ(d.windowTitle(), "Options");
    EXPECT_EQ(d.fraOptions->title(), "");
    EXPECT_EQ(d.chkTimePuzzle->text(), "Track Elapsed Time Putting Puzzle Togrther");
    EXPECT_EQ(d.chkOutlinePieces->text(), "Show Outline Around Pieces");
    EXPECT_EQ(d.fraAdvancedOptions->title(), "Advanced Options");
    EXPECT_EQ(d.chkSystemMemory->text(),
              "Use System Memory to Store Image (Enable this if you are unable to open images "
              "larger than your desktop size.)");
    EXPECT_EQ(d.lblNOTESystemMemory->text(),
              "NOTE: This setting is slower, so only enable it if you need to.");
    EXPECT_EQ(d.fraNumPieces->title(), "Number of Pieces");
    EXPECT_EQ(d.lblNumberofPieces->text(), "Number of Pieces:");
    EXPECT_EQ(d.fraMainColors->title(), "Main Colors");
    EXPECT_EQ(d.lblOutline->text(), "Outline");
    EXPECT_EQ(d.lblWindowBackground->text(), "Background");
    EXPECT_EQ(d.fraPreviewCaption->title(), "Preview Caption Colors");
    EXPECT_EQ(d.lblPreviewText->text(), "Text");
    EXPECT_EQ(d.Label1->text(), "Background");
    for (QPushButton* b : {d.cmdPickOutlineColor, d.cmdPickBackColor,
                           d.cmdPickPreviewCaptionTextColor, d.cmdPickPreviewCaptionBackColor}) {
        EXPECT_EQ(b->text(), "Pick Color");
    }
    EXPECT_EQ(d.fraPreviewSize->title(), "Preview Size");
    EXPECT_EQ(d.optPreviewSizeLarge->text(), "Large (1/2 Puzzle Size)");
    EXPECT_EQ(d.optPreviewSizeMedium->text(), "Medium (1/4 Puzzle Size)");
    EXPECT_EQ(d.optPreviewSizeSmall->text(), "Small (1/8 Puzzle Size)");
    EXPECT_EQ(d.cmdOK->text(), "OK");
    EXPECT_EQ(d.cmdCancel->text(), "Cancel");
    EXPECT_EQ(d.cmdApply->text(), "Apply");

    ASSERT_EQ(d.cmbPieces->count(), 98);
    EXPECT_EQ(d.cmbPieces->itemText(0), "12");
    EXPECT_EQ(d.cmbPieces->itemText(18), "64");
    EXPECT_EQ(d.cmbPieces->itemText(21), "77");
    EXPECT_EQ(d.cmbPieces->itemText(97), "324");
}

TEST(OptionsDialog, AnEmptyStoreShowsItsDefaults) {
    OptionsFixture f;
    f.Open();
    OptionsDialog& d = *f.dialog;
    EXPECT_EQ(d.cmbPieces->currentIndex(), 21);
    EXPECT_EQ(d.ChosenPieceCount, 77);
    EXPECT_EQ(d.ChosenPreviewSize, 0);
    EXPECT_TRUE(d.optPreviewSizeMedium->isChecked());
    EXPECT_TRUE(d.chkOutlinePieces->isChecked());
    EXPECT_TRUE(d.chkTimePuzzle->isChecked());
    EXPECT_FALSE(d.chkSystemMemory->isChecked());
    EXPECT_EQ(d.shpBackgroundColor->FillColor(), 212 + 208 * 256 + 200 * 65536);
    EXPECT_EQ(d.shpOutlineColor->FillColor(), 16777215);
    EXPECT_EQ(d.shpPreviewCaptionBackColor->FillColor(), 0);
    EXPECT_EQ(d.shpPreviewCaptionTextColor->FillColor(), 16777215);
    const QRect screen = d.screen()->geometry();
    EXPECT_EQ(d.pos(),
              QPoint((screen.width() - d.width()) / 2, (screen.height() - d.height()) / 2));
}

TEST(OptionsDialog, LoadsStoredValuesIntoTheControls) {
    OptionsFixture f;
    f.store->Write("List Index", "5");
    f.store->Write("Preview Size", "4");
    f.store->Write("Outline Pieces", "False");
    f.store->Write("Time Puzzle", "False");
    f.store->Write("System Memory", "True");
    f.store->Write("Background Red", "0");
    f.store->Write("Background Green", "0");
    f.store->Write("Background Blue", "255");
    f.Open();
    OptionsDialog& d = *f.dialog;
    EXPECT_EQ(d.cmbPieces->currentIndex(), 5);
    EXPECT_EQ(d.ChosenPieceCount, 21);
    EXPECT_TRUE(d.optPreviewSizeSmall->isChecked());
    EXPECT_FALSE(d.chkOutlinePieces->isChecked());
    EXPECT_FALSE(d.chkTimePuzzle->isChecked());
    EXPECT_TRUE(d.chkSystemMemory->isChecked());
    EXPECT_EQ(d.shpBackgroundColor->FillColor(), 255 * 65536);
}

TEST(OptionsDialog, ListClickChangesTheListIndexAtOnceAndSurvivesCancel) {
    OptionsFixture f;
    f.Open();
    OptionsDialog& d = *f.dialog;
    d.cmbPieces->setFocus();
    QTest::keyClick(d.cmbPieces, Qt::Key_Down);
    EXPECT_EQ(d.ChosenPieceCount, 80);
    EXPECT_EQ(f.game->settings.PiecesListIndex, 22);
    f.Click(d.cmdCancel);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(f.game->settings.PiecesListIndex, 22);
    EXPECT_EQ(f.game->puzzle.NumberOfPieces, 64);
    EXPECT_TRUE(f.File().isEmpty());
}

TEST(OptionsDialog, OkWithTheCountUnchangedWritesExactlyFourKeys) {
    OptionsFixture f;
    f.store->Write("Number of Pieces", "77");
    f.store->Sync();
    const QMap<QString, QString> before = f.File();
    f.Open();
    OptionsDialog& d = *f.dialog;
    d.chkOutlinePieces->setChecked(false);
    d.chkSystemMemory->setChecked(true);
    f.Click(d.cmdOK);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(f.game->puzzle.NumberOfPieces, 77);
    EXPECT_TRUE(f.host.messages.isEmpty());

    QMap<QString, QString> expected = before;
    expected.insert("List Index", "21");
    expected.insert("Outline Pieces", "False");
    expected.insert("System Memory", "True");
    expected.insert("Time Puzzle", "True");
    EXPECT_EQ(f.File(), expected);
    EXPECT_FALSE(f.game->settings.OutlinePieces);
    EXPECT_TRUE(f.game->settings.SystemMemory);
}

TEST(OptionsDialog, OkFromAnEmptyStoreChangesTheCountTo77) {
    OptionsFixture f;
    f.Open();
    f.Click(f.dialog->cmdOK);
    EXPECT_EQ(f.game->puzzle.NumberOfPieces, 77);
    const QMap<QString, QString> file = f.File();
    EXPECT_EQ(file.value("Number of Pieces"), "77");
    EXPECT_EQ(file.size(), 5);
}

TEST(OptionsDialog, OkFromAnEmptyStoreRecutsALoadedPuzzleInto77Pieces) {
    OptionsFixture f;
    f.ReadStore();
    f.LoadPicture();
    ASSERT_EQ(f.PieceCountCut(), 64);
    f.ShowDialog();
    f.Click(f.dialog->cmdOK);
    EXPECT_EQ(f.game->puzzle.NumberOfPieces, 77);
    EXPECT_TRUE(f.game->puzzle.PuzzleLoaded);
    EXPECT_EQ(f.PieceCountCut(), 77);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces.size(), 78u);
    EXPECT_FALSE(f.game->surfaces.PieceSurfaces[77].IsNull());
    // Rescrambled: one group per piece, every piece scattered inside the field.
    EXPECT_EQ(f.game->puzzle.GroupOrderCount, 77);
    EXPECT_EQ(f.game->puzzle.PlacedCount, 0);
    EXPECT_TRUE(CheckModelInvariants(f.game->puzzle).isEmpty());
    for (int i = 1; i <= 77; ++i) {
        EXPECT_GT(f.game->puzzle.Pieces[i].X, f.game->puzzle.TabWidth) << i;
        EXPECT_GT(f.game->puzzle.Pieces[i].Y, f.game->puzzle.TabHeight) << i;
    }
}

TEST(OptionsDialog, OkWithTheCountUnchangedLeavesALoadedPuzzleAlone) {
    OptionsFixture f;
    f.store->Write("Number of Pieces", "77");
    f.ReadStore();
    f.LoadPicture();
    const qint64 pieceImage = f.game->surfaces.PieceSurfaces[1].Image().cacheKey();
    const qint64 previewImage = f.game->surfaces.PreviewSurface.Image().cacheKey();
    f.ShowDialog();
    f.Click(f.dialog->cmdOK);
    EXPECT_EQ(f.PieceCountCut(), 77);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces[1].Image().cacheKey(), pieceImage);
    EXPECT_EQ(f.game->surfaces.PreviewSurface.Image().cacheKey(), previewImage);
}

TEST(OptionsDialog, APreviewSizeWithAPuzzleRebuildsThePreview) {
    OptionsFixture f;
    f.ReadStore();
    f.LoadPicture();
    const int mediumWidth = f.game->surfaces.PreviewSurface.Image().width();
    f.ShowDialog();
    f.dialog->cmbPieces->setCurrentIndex(18); // 64: the count stays
    f.Click(f.dialog->optPreviewSizeLarge);
    f.Click(f.dialog->cmdApply);
    EXPECT_EQ(f.PieceCountCut(), 64);
    EXPECT_GT(f.game->surfaces.PreviewSurface.Image().width(), mediumWidth);
    EXPECT_EQ(f.File().value("Preview Size"), "2");
}

TEST(OptionsDialog, ACountOutsideTheRangeShowsTheMessageAndApplyGoesOn) {
    for (const Integer count : {Integer{11}, Integer{326}, Integer{0}}) {
        OptionsFixture f;
        f.Open();
        OptionsDialog& d = *f.dialog;
        d.ChosenPieceCount = count;
        d.optPreviewSizeLarge->setChecked(true);
        f.Click(d.cmdApply);
        EXPECT_EQ(f.host.messages,
                  QStringList{"Tessellara|The number of pieces has to be between 4 and 600."});
        EXPECT_EQ(f.game->puzzle.NumberOfPieces, 64);
        const QMap<QString, QString> file = f.File();
        EXPECT_FALSE(file.contains("Number of Pieces"));
        EXPECT_EQ(file.value("Preview Size"), "2");
        EXPECT_EQ(file.value("Time Puzzle"), "True");
        EXPECT_TRUE(d.isVisible());
    }
}

TEST(OptionsDialog, APreviewSizeWithNoPuzzleOnlyStoresTheSize) {
    OptionsFixture f;
    f.Open();
    OptionsDialog& d = *f.dialog;
    f.Click(d.optPreviewSizeLarge);
    f.Click(d.cmdOK);
    EXPECT_EQ(d.ChosenPreviewSize, 2);
    EXPECT_EQ(f.game->settings.PreviewSize, 2);
    EXPECT_EQ(f.File().value("Preview Size"), "2");
    EXPECT_TRUE(f.game->surfaces.PreviewSurface.IsNull());
    EXPECT_EQ(f.host.presentCount, 0);
}

TEST(OptionsDialog, APickedColourSurvivesCancel) {
    struct Case {
        QPushButton* OptionsDialog::*button;
        const char* group;
        bool hasFill;
    };
    const Case cases[] = {
        {&OptionsDialog::cmdPickBackColor, "Background", true},
        {&OptionsDialog::cmdPickOutlineColor, "Outline", true},
        {&OptionsDialog::cmdPickPreviewCaptionBackColor, "Preview Caption Background", true},
        {&OptionsDialog::cmdPickPreviewCaptionTextColor, "Preview Caption Text", false},
    };
    for (const Case& c : cases) {
        OptionsFixture f;
        f.Open();
        // Swatch 8 is 255, 183, 183.
        f.PickSwatch(f.dialog.get()->*c.button, 8);
        EXPECT_FALSE(Picker.PickerAccepted);
        f.Click(f.dialog->cmdCancel);

        const QString group = QString::fromLatin1(c.group);
        QMap<QString, QString> expected{
            {group + " Red", "255"},
            {group + " Green", "183"},
            {group + " Blue", "183"},
            {group + " Color", QString::number(255 + 183 * 256 + 183 * 65536)}};
        if (c.hasFill) {
            expected.insert(group + " Color Fill", QString::number(183 + 183 * 256 + 255 * 65536));
        }
        EXPECT_EQ(f.File(), expected) << c.group;

        // A fresh start reads the same colour back.
        Settings reread;
        Integer count = 0;
        f.store->ReadAll(reread, count);
        const Settings& s = f.game->settings;
        EXPECT_EQ(reread.BackgroundColor, s.BackgroundColor);
        EXPECT_EQ(reread.OutlineColorFill, s.OutlineColorFill);
        EXPECT_EQ(reread.PreviewCaptionBackgroundColorFill, s.PreviewCaptionBackgroundColorFill);
        EXPECT_EQ(reread.PreviewCaptionTextColor, s.PreviewCaptionTextColor);
    }
}

TEST(OptionsDialog, TheBackgroundSwatchShowsThePickedColour) {
    OptionsFixture f;
    f.Open();
    f.PickSwatch(f.dialog->cmdPickBackColor, 5);
    EXPECT_EQ(f.dialog->shpBackgroundColor->FillColor(), 255 * 65536);
    EXPECT_EQ(f.game->settings.BackgroundColorFill, 255);
    EXPECT_EQ(f.game->settings.BackgroundRed, 0);
    EXPECT_EQ(f.game->settings.BackgroundBlue, 255);
}

TEST(OptionsDialog, ACancelledPickerChangesNothing) {
    OptionsFixture f;
    f.Open();
    WithNextModal(
        [](QWidget* modal) {
            auto* picker = qobject_cast<ColorPicker*>(modal);
            ASSERT_NE(picker, nullptr);
            EXPECT_EQ(picker->txtRed->text(), "212");
            QTest::mouseClick(picker->lblColor[0], Qt::LeftButton);
            QTest::mouseClick(picker->CancelButton, Qt::LeftButton);
        },
        [&] { f.Click(f.dialog->cmdPickBackColor); });
    EXPECT_EQ(f.game->settings.BackgroundRed, 212);
    EXPECT_EQ(f.dialog->shpBackgroundColor->FillColor(), 212 + 208 * 256 + 200 * 65536);
    EXPECT_TRUE(f.File().isEmpty());
}

TEST(OptionsDialog, StoredValuesThatFitNoControlDoNotCrash) {
    struct Case {
        const char* listIndex;
        const char* previewSize;
        const char* numberOfPieces;
        int rowShown;
        const char* listIndexSaved;
        const char* previewSizeSaved; // empty: not written
    };
    const Case cases[] = {
        {"150", "7", "64", 18, "18", "3"},     {"-3", "0", "64", 18, "18", "3"},
        {"98", "1", "13", 21, "21", "3"},      {"97", "3", "324", 97, "97", ""},
        {"32767", "255", "64", 18, "18", "3"},
    };
    for (const Case& c : cases) {
        OptionsFixture f;
        f.store->Write("List Index", c.listIndex);
        f.store->Write("Preview Size", c.previewSize);
        f.store->Write("Number of Pieces", c.numberOfPieces);
        f.Open();
        EXPECT_EQ(f.dialog->cmbPieces->currentIndex(), c.rowShown) << c.listIndex;
        f.Click(f.dialog->cmdOK);
        const QMap<QString, QString> file = f.File();
        EXPECT_EQ(file.value("List Index"), c.listIndexSaved) << c.listIndex;
        EXPECT_EQ(file.value("Preview Size"),
                  c.previewSizeSaved[0] ? c.previewSizeSaved : c.previewSize)
            << c.previewSize;
        EXPECT_TRUE(f.host.messages.isEmpty());
    }
}

} // namespace
} // namespace tess
