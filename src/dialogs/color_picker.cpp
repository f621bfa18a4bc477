// The colour picker: palette, component boxes with their leading numbers, live preview.
#include "dialogs/color_picker.h"

#include "puzzle/numeric_text.h"
#include "puzzle/settings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace tess {

ColorPickerExchange Picker;

const std::array<Byte, ColorPicker::kSwatchCount> ColorPicker::PaletteRed = {
    126, 175, 0, 225, 255, 0, 100, 175, 255, 234, 255, 255, 255, 0};
const std::array<Byte, ColorPicker::kSwatchCount> ColorPicker::PaletteGreen = {
    0, 0, 175, 0, 255, 0, 200, 200, 183, 255, 137, 255, 137, 0};
const std::array<Byte, ColorPicker::kSwatchCount> ColorPicker::PaletteBlue = {
    125, 125, 200, 225, 255, 255, 0, 250, 183, 179, 113, 0, 113, 0};

namespace {

// A component from a box's numeric value: halves to even; a negative entry reads as 0.
Byte ComponentOf(const QLineEdit* box) {
    const double value = LeadingNumber(box->text());
    return static_cast<Byte>(std::clamp<int>(CInt(std::clamp(value, -1.0, 256.0)), 0, 255));
}

QLineEdit* ComponentBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(3);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return box;
}

} // namespace

ColorPicker::ColorPicker(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmColorPicker"));
    setWindowTitle(tr("Color Picker"));
    setModal(true);

    lblColors = new QLabel(tr("Colors"), this);
    lblColors->setObjectName(QStringLiteral("lblColors"));
    auto* swatches = new QGridLayout;
    swatches->setSpacing(4);
    for (int index = 0; index < kSwatchCount; ++index) {
        auto* swatch = new SwatchLabel(this);
        swatch->setObjectName(QStringLiteral("lblColor(%1)").arg(index));
        swatch->setFixedSize(22, 22);
        swatch->setCursor(Qt::PointingHandCursor);
        connect(swatch, &SwatchLabel::clicked, this, [this, index] { lblColor_Click(index); });
        swatches->addWidget(swatch, index / 7, index % 7);
        lblColor[static_cast<std::size_t>(index)] = swatch;
    }

    lblCustom = new QLabel(tr("Custom Color"), this);
    lblCustom->setObjectName(QStringLiteral("lblCustom"));
    shpPreviewColor = new SwatchLabel(this);
    shpPreviewColor->setObjectName(QStringLiteral("shpPreviewColor"));
    shpPreviewColor->setFixedSize(64, 64);

    lblRed = new QLabel(tr("Red"), this);
    lblRed->setObjectName(QStringLiteral("lblRed"));
    lblGreen = new QLabel(tr("Green"), this);
    lblGreen->setObjectName(QStringLiteral("lblGreen"));
    lblBlue = new QLabel(tr("Blue"), this);
    lblBlue->setObjectName(QStringLiteral("lblBlue"));
    txtRed = ComponentBox(this, "txtRed");
    txtGreen = ComponentBox(this, "txtGreen");
    txtBlue = ComponentBox(this, "txtBlue");
    connect(txtRed, &QLineEdit::textChanged, this,
            [this] { ComponentChanged(txtRed, CurrentRed); });
    connect(txtGreen, &QLineEdit::textChanged, this,
            [this] { ComponentChanged(txtGreen, CurrentGreen); });
    connect(txtBlue, &QLineEdit::textChanged, this,
            [this] { ComponentChanged(txtBlue, CurrentBlue); });

    auto* components = new QGridLayout;
    components->addWidget(lblRed, 0, 0);
    components->addWidget(txtRed, 0, 1);
    components->addWidget(lblGreen, 1, 0);
    components->addWidget(txtGreen, 1, 1);
    components->addWidget(lblBlue, 2, 0);
    components->addWidget(txtBlue, 2, 1);

    auto* custom = new QHBoxLayout;
    custom->addWidget(shpPreviewColor, 0, Qt::AlignTop);
    custom->addSpacing(12);
    custom->addLayout(components);
    custom->addStretch();

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblColors);
    layout->addLayout(swatches);
    layout->addSpacing(8);
    layout->addWidget(lblCustom);
    layout->addLayout(custom);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void ColorPicker::Form_Load() {
    for (std::size_t index = 0; index < lblColor.size(); ++index) {
        lblColor[index]->SetFillColor(
            ColorOf(PaletteRed[index], PaletteGreen[index], PaletteBlue[index]));
    }
    txtRed->setText(QString::number(Picker.PickerRed));
    txtGreen->setText(QString::number(Picker.PickerGreen));
    txtBlue->setText(QString::number(Picker.PickerBlue));
}

void ColorPicker::ComponentChanged(QLineEdit* box, Byte& component) {
    if (LeadingNumber(box->text()) > 255) {
        // Runs this handling again with 255.
        box->setText(QStringLiteral("255"));
        return;
    }
    component = ComponentOf(box);
    shpPreviewColor->SetFillColor(
        ColorOf(ComponentOf(txtRed), ComponentOf(txtGreen), ComponentOf(txtBlue)));
}

void ColorPicker::lblColor_Click(int index) {
    const auto i = static_cast<std::size_t>(index);
    txtRed->setText(QString::number(PaletteRed[i]));
    txtGreen->setText(QString::number(PaletteGreen[i]));
    txtBlue->setText(QString::number(PaletteBlue[i]));
}

void ColorPicker::OKButton_Click() {
    Picker.PickerRed = CurrentRed;
    Picker.PickerGreen = CurrentGreen;
    Picker.PickerBlue = CurrentBlue;
    Picker.PickerAccepted = true;
    accept();
}

void ColorPicker::CancelButton_Click() { reject(); }

} // namespace tess
