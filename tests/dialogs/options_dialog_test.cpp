// The options dialog driven through its controls, checked against the settings file it writes.
#include "dialogs/options_dialog.h"
#include "display/test_pictures.h"
#include "puzzle/invariants.h"
#include "support/window_test_support.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

struct OptionsFixture : test::GameFixture {
    std::unique_ptr<OptionsDialog> dialog;

    // Reads the settings as start-up does, cuts a picture into `pieces` unless 0, then opens
    // the dialog.
    void Open(Integer pieces = 0) {
        store->ReadAll(game->settings, game->puzzle.NumberOfPieces);
        if (pieces > 0) {
            test::OpenPatternPicture(*this, pieces, 240, 180);
            game->mnuFileScramble_Click();
        }
        dialog = std::make_unique<OptionsDialog>(*game);
        dialog->show();
    }

    // The key=text lines of the settings file (its one group "Settings"), sorted.
    QString File() {
        QStringList lines = QString::fromUtf8(test::ReadAll(store->FileName())).split('\n');
        lines = lines.filter("=");
        lines.sort();
        return lines.join("; ").replace("%20", " ");
    }

    // What the controls show: row (or the count shown in its place), chosen count, Large
    // Medium Small, outline time memory, and the background, outline, caption and caption text
    // swatches as 0xBBGGRR.
    QString Controls() const {
        const OptionsDialog& d = *dialog;
        const auto on = [](const QAbstractButton* b) { return QString::number(b->isChecked()); };
        const auto hex = [](const SwatchLabel* s) { return QString::number(s->FillColor(), 16); };
        const int row = d.cmbPieces->currentIndex();
        return QString("%1 %2 %3%4%5 %6%7%8 %9 %10 %11 %12")
            .arg(row >= 0 ? QString::number(row) : "none:" + d.cmbPieces->placeholderText(),
                 QString::number(d.ChosenPieceCount), on(d.optPreviewSizeLarge),
                 on(d.optPreviewSizeMedium), on(d.optPreviewSizeSmall), on(d.chkOutlinePieces),
                 on(d.chkTimePuzzle), on(d.chkSystemMemory), hex(d.shpBackgroundColor),
                 hex(d.shpOutlineColor), hex(d.shpPreviewCaptionBackColor),
                 hex(d.shpPreviewCaptionTextColor));
    }
};

TEST(OptionsDialog, ShowsTheStoredValuesAndFallsBackWhereNoControlFits) {
    // Stored entries and the piece count of a loaded game (0: none), then the controls shown;
    // OK after Large must store the row shown and the size, warn of nothing, keep a loaded game
    // as it is and make a preview only for it.
    // The row stored after OK is the last column.
    const std::tuple<const char*, Integer, const char*, const char*> cases[] = {
        {"", 0, "21 77 010 110 c8d0d4 ffffff 0 ffffff", "21"},
        {"List Index=5,Preview Size=4,Outline Pieces=False,Time Puzzle=False,System Memory=True,"
         "Background Red=0,Background Green=0,Background Blue=255",
         0, "5 21 001 001 ff0000 ffffff 0 ffffff", "5"},
        {"List Index=98,Preview Size=1,Number of Pieces=13", 0, "21 77 010 ", "21"},
        {"List Index=97", 15, "1 15 ", "1"},
        {"List Index=97", 13, "none:13 13 ", "97"},
    };
    for (const auto& [stored, pieces, shown, row] : cases) {
        OptionsFixture f;
        for (const QString& entry : QString(stored).split(',', Qt::SkipEmptyParts)) {
            f.store->Write(entry.section('=', 0, 0), entry.section('=', 1));
        }
        f.Open(pieces);
        const std::vector<PieceRecord> game = f.game->puzzle.Pieces;
        const QComboBox* list = f.dialog->cmbPieces;
        EXPECT_EQ(QString::number(list->count()) + list->itemText(0) + list->itemText(97),
                  "9812324");
        EXPECT_EQ(f.Controls().left(QString(shown).size()), shown) << stored;
        f.dialog->optPreviewSizeLarge->click();
        f.dialog->cmdOK->click();
        EXPECT_TRUE(f.File().contains(QString("List Index=%1; ").arg(row))) << stored;
        EXPECT_EQ(f.game->surfaces.PreviewSurface.IsNull(), pieces == 0) << stored;
        EXPECT_TRUE(f.host.messages.isEmpty() && f.game->puzzle.Pieces == game) << stored;
    }
}

TEST(OptionsDialog, ApplyKeepsALoadedPuzzleAndOkWithAnotherCountRecutsIt) {
    OptionsFixture f;
    f.Open(64);
    const std::vector<PieceRecord> pieces = f.game->puzzle.Pieces;
    f.dialog->optPreviewSizeLarge->click();
    f.dialog->cmdApply->click();
    EXPECT_TRUE(!f.File().contains("Number of Pieces") && f.game->puzzle.Pieces == pieces);

    f.dialog->cmbPieces->setCurrentIndex(21); // 77, as the player picks it
    f.dialog->cmdOK->click();
    EXPECT_TRUE(f.File().startsWith("List Index=21; Number of Pieces=77; "));
    const Puzzle& puzzle = f.game->puzzle;
    EXPECT_EQ(puzzle.GroupOrderCount, 77) << "rescrambled: one group per piece";
    EXPECT_TRUE(CheckModelInvariants(puzzle).isEmpty());
}

} // namespace
} // namespace tess
