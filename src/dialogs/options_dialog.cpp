// The options dialog: loading from the settings variables, Apply, and the colour buttons.
#include "dialogs/options_dialog.h"

#include "dialogs/color_picker.h"
#include "game/game.h"
#include "puzzle/numeric_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace tess {

namespace {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// One colour row of a colour frame: label, swatch, Pick Color button.
void AddColorRow(QGridLayout* grid, int row, QLabel* label, SwatchLabel* swatch,
                 QPushButton* button) {
    swatch->setFixedSize(40, 20);
    grid->addWidget(label, row, 0);
    grid->addWidget(swatch, row, 1);
    grid->addWidget(button, row, 2);
    grid->setColumnStretch(0, 1);
}

// The row of a piece count, or -1 when the list does not hold it.
int RowOfCount(Integer count) {
    const auto* found = std::find(kPieceCounts.begin(), kPieceCounts.end(), count);
    return found == kPieceCounts.end() ? -1 : static_cast<int>(found - kPieceCounts.begin());
}

// The row to show. With a puzzle loaded, the row of its piece count, so that an OK that
// changes nothing keeps the game; -1 (no row) when the list lacks that count. Otherwise the
// stored list index when it is a row, else the row of the current count, else the default.
int RowToShow(Integer listIndex, Integer numberOfPieces, bool puzzleLoaded) {
    if (puzzleLoaded) {
        return RowOfCount(numberOfPieces);
    }
    if (listIndex >= 0 && listIndex < static_cast<int>(kPieceCounts.size())) {
        return listIndex;
    }
    const int row = RowOfCount(numberOfPieces);
    return row >= 0 ? row : 21;
}

} // namespace

OptionsDialog::OptionsDialog(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setModal(true);
    BuildControls();
    Form_Load();
}

void OptionsDialog::BuildControls() {
    fraOptions = Named(new QGroupBox(this), "fraOptions");
    chkTimePuzzle =
        Named(new QCheckBox(tr("Track Elapsed Time Putting Puzzle Togrther"), fraOptions),
              "chkTimePuzzle");
    chkOutlinePieces =
        Named(new QCheckBox(tr("Show Outline Around Pieces"), fraOptions), "chkOutlinePieces");
    auto* options = new QVBoxLayout(fraOptions);
    options->addWidget(chkTimePuzzle);
    options->addWidget(chkOutlinePieces);

    fraAdvancedOptions = Named(new QGroupBox(tr("Advanced Options"), this), "fraAdvancedOptions");
    chkSystemMemory = Named(new QCheckBox(tr("Use System Memory to Store Image (Enable "
                                             "this if you are unable to open images "
                                             "larger than your desktop size.)"),
                                          fraAdvancedOptions),
                            "chkSystemMemory");
    lblNOTESystemMemory = Named(new QLabel(tr("NOTE: This setting is slower, so only "
                                              "enable it if you need to."),
                                           fraAdvancedOptions),
                                "lblNOTESystemMemory");
    lblNOTESystemMemory->setWordWrap(true);
    auto* advanced = new QVBoxLayout(fraAdvancedOptions);
    advanced->addWidget(chkSystemMemory);
    advanced->addWidget(lblNOTESystemMemory);

    fraNumPieces = Named(new QGroupBox(tr("Number of Pieces"), this), "fraNumPieces");
    lblNumberofPieces =
        Named(new QLabel(tr("Number of Pieces:"), fraNumPieces), "lblNumberofPieces");
    cmbPieces = Named(new QComboBox(fraNumPieces), "cmbPieces");
    for (const Integer count : kPieceCounts) {
        cmbPieces->addItem(QString::number(count));
    }
    cmbPieces->setMaxVisibleItems(16);
    auto* pieces = new QHBoxLayout(fraNumPieces);
    pieces->addWidget(lblNumberofPieces);
    pieces->addWidget(cmbPieces);
    pieces->addStretch();
    connect(cmbPieces, &QComboBox::currentIndexChanged, this, [this] { cmbPieces_Click(); });

    fraPreviewSize = Named(new QGroupBox(tr("Preview Size"), this), "fraPreviewSize");
    optPreviewSizeLarge = Named(new QRadioButton(tr("Large (1/2 Puzzle Size)"), fraPreviewSize),
                                "optPreviewSizeLarge");
    optPreviewSizeMedium = Named(new QRadioButton(tr("Medium (1/4 Puzzle Size)"), fraPreviewSize),
                                 "optPreviewSizeMedium");
    optPreviewSizeSmall = Named(new QRadioButton(tr("Small (1/8 Puzzle Size)"), fraPreviewSize),
                                "optPreviewSizeSmall");
    auto* sizes = new QVBoxLayout(fraPreviewSize);
    sizes->addWidget(optPreviewSizeLarge);
    sizes->addWidget(optPreviewSizeMedium);
    sizes->addWidget(optPreviewSizeSmall);

    fraMainColors = Named(new QGroupBox(tr("Main Colors"), this), "fraMainColors");
    lblOutline = Named(new QLabel(tr("Outline"), fraMainColors), "lblOutline");
    shpOutlineColor = Named(new SwatchLabel(fraMainColors), "shpOutlineColor");
    cmdPickOutlineColor =
        Named(new QPushButton(tr("Pick Color"), fraMainColors), "cmdPickOutlineColor");
    lblWindowBackground = Named(new QLabel(tr("Background"), fraMainColors), "lblWindowBackground");
    shpBackgroundColor = Named(new SwatchLabel(fraMainColors), "shpBackgroundColor");
    cmdPickBackColor = Named(new QPushButton(tr("Pick Color"), fraMainColors), "cmdPickBackColor");
    auto* mainColors = new QGridLayout(fraMainColors);
    AddColorRow(mainColors, 0, lblOutline, shpOutlineColor, cmdPickOutlineColor);
    AddColorRow(mainColors, 1, lblWindowBackground, shpBackgroundColor, cmdPickBackColor);

    fraPreviewCaption =
        Named(new QGroupBox(tr("Preview Caption Colors"), this), "fraPreviewCaption");
    lblPreviewText = Named(new QLabel(tr("Text"), fraPreviewCaption), "lblPreviewText");
    shpPreviewCaptionTextColor =
        Named(new SwatchLabel(fraPreviewCaption), "shpPreviewCaptionTextColor");
    cmdPickPreviewCaptionTextColor = Named(new QPushButton(tr("Pick Color"), fraPreviewCaption),
                                           "cmdPickPreviewCaptionTextColor");
    Label1 = Named(new QLabel(tr("Background"), fraPreviewCaption), "Label1");
    shpPreviewCaptionBackColor =
        Named(new SwatchLabel(fraPreviewCaption), "shpPreviewCaptionBackColor");
    cmdPickPreviewCaptionBackColor = Named(new QPushButton(tr("Pick Color"), fraPreviewCaption),
                                           "cmdPickPreviewCaptionBackColor");
    auto* captionColors = new QGridLayout(fraPreviewCaption);
    AddColorRow(captionColors, 0, lblPreviewText, shpPreviewCaptionTextColor,
                cmdPickPreviewCaptionTextColor);
    AddColorRow(captionColors, 1, Label1, shpPreviewCaptionBackColor,
                cmdPickPreviewCaptionBackColor);

    connect(cmdPickBackColor, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdPickBackColor_Click(); }); });
    connect(cmdPickOutlineColor, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdPickOutlineColor_Click(); }); });
    connect(cmdPickPreviewCaptionBackColor, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdPickPreviewCaptionBackColor_Click(); }); });
    connect(cmdPickPreviewCaptionTextColor, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdPickPreviewCaptionTextColor_Click(); }); });

    cmdOK = Named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = Named(new QPushButton(tr("Cancel"), this), "cmdCancel");
    cmdApply = Named(new QPushButton(tr("Apply"), this), "cmdApply");
    connect(cmdOK, &QPushButton::clicked, this, [this] { game_.Guard([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdCancel_Click(); }); });
    connect(cmdApply, &QPushButton::clicked, this,
            [this] { game_.Guard([this] { cmdApply_Click(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);

    auto* left = new QVBoxLayout;
    left->addWidget(fraOptions);
    left->addWidget(fraNumPieces);
    left->addWidget(fraMainColors);
    auto* right = new QVBoxLayout;
    right->addWidget(fraPreviewSize);
    right->addWidget(fraPreviewCaption);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(fraAdvancedOptions);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void OptionsDialog::Form_Load() {
    const Settings& s = game_.settings;
    shpBackgroundColor->SetFillColor(s.BackgroundColor);
    shpOutlineColor->SetFillColor(s.OutlineColor);
    shpPreviewCaptionBackColor->SetFillColor(s.PreviewCaptionBackgroundColor);
    shpPreviewCaptionTextColor->SetFillColor(s.PreviewCaptionTextColor);

    chkOutlinePieces->setChecked(s.OutlinePieces);

    // Selecting the row runs the list click once, as a click by the player would, also when
    // the row is the one a new list already stands on (no change signal then).
    const Puzzle& puzzle = game_.puzzle;
    const int row = RowToShow(s.PiecesListIndex, puzzle.NumberOfPieces, puzzle.PuzzleLoaded);
    {
        const QSignalBlocker quiet(cmbPieces);
        cmbPieces->setCurrentIndex(row);
    }
    if (row >= 0) {
        cmbPieces_Click();
    } else {
        // The game's count is not in the list: no row is selected, the count is shown in its
        // place and stays chosen until the player picks a row.
        cmbPieces->setPlaceholderText(QString::number(puzzle.NumberOfPieces));
        ChosenPieceCount = puzzle.NumberOfPieces;
    }

    switch (s.PreviewSize) {
    case 4:
        optPreviewSizeSmall->setChecked(true);
        break;
    case 2:
        optPreviewSizeLarge->setChecked(true);
        break;
    default:
        // 3, and any stored size no button stands for: show the medium size, which Apply
        // then stores in its place.
        optPreviewSizeMedium->setChecked(true);
        break;
    }

    chkTimePuzzle->setChecked(s.TimePuzzle);
    chkSystemMemory->setChecked(s.SystemMemory);

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void OptionsDialog::cmbPieces_Click() {
    const int row = cmbPieces->currentIndex();
    if (row < 0) {
        return;
    }
    ChosenPieceCount = CInt(LeadingNumber(cmbPieces->itemText(row)));
    game_.settings.PiecesListIndex = static_cast<Integer>(row);
}

void OptionsDialog::cmdApply_Click() {
    Settings& s = game_.settings;
    Puzzle& puzzle = game_.puzzle;
    SettingsStore& store = game_.store();

    store.WriteNumber(QStringLiteral("List Index"), s.PiecesListIndex);

    if (chkOutlinePieces->checkState() == Qt::Unchecked) {
        s.OutlinePieces = false;
    } else if (chkOutlinePieces->checkState() == Qt::Checked) {
        s.OutlinePieces = true;
    }
    store.WriteBoolean(QStringLiteral("Outline Pieces"), s.OutlinePieces);

    if (ChosenPieceCount != puzzle.NumberOfPieces) {
        if (ChosenPieceCount > 325 || ChosenPieceCount < 12) {
            game_.host().ShowMessage(tr("The number of pieces has to be between 4 and 600."),
                                     game_.facts().Title);
        } else {
            // A recut that fails is reported here and Apply goes on with the other settings.
            game_.Guard([this] { game_.ApplyNumberOfPieces(ChosenPieceCount); });
        }
    }

    if (optPreviewSizeSmall->isChecked()) {
        ChosenPreviewSize = 4;
    } else if (optPreviewSizeMedium->isChecked()) {
        ChosenPreviewSize = 3;
    } else if (optPreviewSizeLarge->isChecked()) {
        ChosenPreviewSize = 2;
    }
    if (ChosenPreviewSize != s.PreviewSize) {
        s.PreviewSize = ChosenPreviewSize;
        store.WriteNumber(QStringLiteral("Preview Size"), s.PreviewSize);
        if (puzzle.PuzzleLoaded) {
            game_.InitPreview();
        }
    }

    s.SystemMemory = chkSystemMemory->isChecked();
    store.WriteBoolean(QStringLiteral("System Memory"), s.SystemMemory);
    s.TimePuzzle = chkTimePuzzle->isChecked();
    store.WriteBoolean(QStringLiteral("Time Puzzle"), s.TimePuzzle);

    game_.picPuzzle_Paint();
}

void OptionsDialog::cmdOK_Click() {
    cmdApply_Click();
    accept();
}

void OptionsDialog::cmdCancel_Click() { reject(); }

bool OptionsDialog::PickColor(Byte red, Byte green, Byte blue) {
    Picker.PickerRed = red;
    Picker.PickerGreen = green;
    Picker.PickerBlue = blue;
    ColorPicker picker(this);
    picker.exec();
    return Picker.PickerAccepted;
}

void OptionsDialog::cmdPickBackColor_Click() {
    Settings& s = game_.settings;
    if (!PickColor(s.BackgroundRed, s.BackgroundGreen, s.BackgroundBlue)) {
        return;
    }
    s.BackgroundRed = Picker.PickerRed;
    s.BackgroundGreen = Picker.PickerGreen;
    s.BackgroundBlue = Picker.PickerBlue;
    s.BackgroundColor = ColorOf(s.BackgroundRed, s.BackgroundGreen, s.BackgroundBlue);
    s.BackgroundColorFill = ColorFillOf(s.BackgroundRed, s.BackgroundGreen, s.BackgroundBlue);
    shpBackgroundColor->SetFillColor(s.BackgroundColor);
    game_.store().SaveBackgroundColor(s);
    Picker.PickerAccepted = false;
}

void OptionsDialog::cmdPickOutlineColor_Click() {
    Settings& s = game_.settings;
    if (!PickColor(s.OutlineRed, s.OutlineGreen, s.OutlineBlue)) {
        return;
    }
    s.OutlineRed = Picker.PickerRed;
    s.OutlineGreen = Picker.PickerGreen;
    s.OutlineBlue = Picker.PickerBlue;
    s.OutlineColor = ColorOf(s.OutlineRed, s.OutlineGreen, s.OutlineBlue);
    s.OutlineColorFill = ColorFillOf(s.OutlineRed, s.OutlineGreen, s.OutlineBlue);
    shpOutlineColor->SetFillColor(s.OutlineColor);
    game_.ResetOutlineColors();
    game_.store().SaveOutlineColor(s);
    Picker.PickerAccepted = false;
}

void OptionsDialog::cmdPickPreviewCaptionBackColor_Click() {
    Settings& s = game_.settings;
    if (!PickColor(s.PreviewCaptionBackgroundRed, s.PreviewCaptionBackgroundGreen,
                   s.PreviewCaptionBackgroundBlue)) {
        return;
    }
    s.PreviewCaptionBackgroundRed = Picker.PickerRed;
    s.PreviewCaptionBackgroundGreen = Picker.PickerGreen;
    s.PreviewCaptionBackgroundBlue = Picker.PickerBlue;
    s.PreviewCaptionBackgroundColor =
        ColorOf(Picker.PickerRed, Picker.PickerGreen, Picker.PickerBlue);
    s.PreviewCaptionBackgroundColorFill =
        ColorFillOf(Picker.PickerRed, Picker.PickerGreen, Picker.PickerBlue);
    shpPreviewCaptionBackColor->SetFillColor(s.PreviewCaptionBackgroundColor);
    game_.store().SavePreviewCaptionBackgroundColor(s);
    Picker.PickerAccepted = false;
}

void OptionsDialog::cmdPickPreviewCaptionTextColor_Click() {
    Settings& s = game_.settings;
    if (!PickColor(s.PreviewCaptionTextRed, s.PreviewCaptionTextGreen, s.PreviewCaptionTextBlue)) {
        return;
    }
    s.PreviewCaptionTextRed = Picker.PickerRed;
    s.PreviewCaptionTextGreen = Picker.PickerGreen;
    s.PreviewCaptionTextBlue = Picker.PickerBlue;
    s.PreviewCaptionTextColor = ColorOf(Picker.PickerRed, Picker.PickerGreen, Picker.PickerBlue);
    shpPreviewCaptionTextColor->SetFillColor(s.PreviewCaptionTextColor);
    game_.store().SavePreviewCaptionTextColor(s);
    Picker.PickerAccepted = false;
}

} // namespace tess
