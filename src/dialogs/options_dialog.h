// The options dialog frmOptions: piece count, outline, preview size, timing, memory use
// and the four colours.
#pragma once

#include "dialogs/swatch_label.h"
#include "puzzle/numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace tess {

class Game;

// The piece counts of the list, row 0 first.
inline constexpr std::array<Integer, 98> kPieceCounts = {
    12,  15,  16,  18,  20,  21,  24,  25,  28,  30,  35,  36,  40,  42,  48,  49,  56,
    63,  64,  70,  72,  77,  80,  81,  88,  90,  96,  98,  99,  100, 104, 108, 110, 117,
    120, 121, 130, 132, 140, 143, 144, 150, 153, 154, 156, 160, 165, 168, 169, 176, 180,
    182, 187, 192, 195, 196, 198, 204, 208, 209, 210, 216, 221, 224, 225, 228, 234, 238,
    240, 242, 247, 250, 252, 253, 256, 260, 266, 270, 272, 273, 280, 286, 288, 289, 294,
    297, 299, 300, 304, 306, 308, 312, 315, 319, 320, 322, 323, 324};

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Game& game, QWidget* parent = nullptr);

    QGroupBox* fraOptions = nullptr;
    QCheckBox* chkTimePuzzle = nullptr;
    QCheckBox* chkOutlinePieces = nullptr;
    QGroupBox* fraAdvancedOptions = nullptr;
    QCheckBox* chkSystemMemory = nullptr;
    QLabel* lblNOTESystemMemory = nullptr;
    QGroupBox* fraNumPieces = nullptr;
    QLabel* lblNumberofPieces = nullptr;
    QComboBox* cmbPieces = nullptr;
    QGroupBox* fraMainColors = nullptr;
    QLabel* lblOutline = nullptr;
    SwatchLabel* shpOutlineColor = nullptr;
    QPushButton* cmdPickOutlineColor = nullptr;
    QLabel* lblWindowBackground = nullptr;
    SwatchLabel* shpBackgroundColor = nullptr;
    QPushButton* cmdPickBackColor = nullptr;
    QGroupBox* fraPreviewCaption = nullptr;
    QLabel* lblPreviewText = nullptr;
    SwatchLabel* shpPreviewCaptionTextColor = nullptr;
    QPushButton* cmdPickPreviewCaptionTextColor = nullptr;
    QLabel* Label1 = nullptr;
    SwatchLabel* shpPreviewCaptionBackColor = nullptr;
    QPushButton* cmdPickPreviewCaptionBackColor = nullptr;
    QGroupBox* fraPreviewSize = nullptr;
    QRadioButton* optPreviewSizeLarge = nullptr;
    QRadioButton* optPreviewSizeMedium = nullptr;
    QRadioButton* optPreviewSizeSmall = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;

    Integer ChosenPieceCount = 0;
    Byte ChosenPreviewSize = 0;

    void cmbPieces_Click();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdPickBackColor_Click();
    void cmdPickOutlineColor_Click();
    void cmdPickPreviewCaptionBackColor_Click();
    void cmdPickPreviewCaptionTextColor_Click();

private:
    void BuildControls();
    void Form_Load();
    // Shows the picker with a colour; true when it closed with OK (the result is in Picker).
    bool PickColor(Byte red, Byte green, Byte blue);

    Game& game_;
};

} // namespace tess
