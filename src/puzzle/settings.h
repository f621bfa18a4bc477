// The player's preferences as the program works on them, and the two colour encodings.
#pragma once

#include "puzzle/numbers.h"

#include <QString>

namespace tess {

// Window-system colour number: red in the low byte.
constexpr Long ColorOf(Byte red, Byte green, Byte blue) {
    return static_cast<Long>(red) + 256 * static_cast<Long>(green) +
           65536 * static_cast<Long>(blue);
}

// Surface fill value: red in the high byte (0xRRGGBB).
constexpr Long ColorFillOf(Byte red, Byte green, Byte blue) {
    return static_cast<Long>(blue) + 256 * static_cast<Long>(green) +
           65536 * static_cast<Long>(red);
}

struct Settings {
    bool SystemMemory = false;
    bool TimePuzzle = true;
    QString InitDir;
    Integer PiecesListIndex = 21;
    Byte BackgroundRed = 212;
    Byte BackgroundGreen = 208;
    Byte BackgroundBlue = 200;
    Long BackgroundColor = ColorOf(212, 208, 200);
    Long BackgroundColorFill = ColorFillOf(212, 208, 200);
    Byte OutlineRed = 255;
    Byte OutlineGreen = 255;
    Byte OutlineBlue = 255;
    Long OutlineColor = ColorOf(255, 255, 255);
    Long OutlineColorFill = ColorFillOf(255, 255, 255);
    Byte PreviewCaptionBackgroundRed = 0;
    Byte PreviewCaptionBackgroundGreen = 0;
    Byte PreviewCaptionBackgroundBlue = 0;
    Long PreviewCaptionBackgroundColor = 0;
    Long PreviewCaptionBackgroundColorFill = 0;
    Byte PreviewCaptionTextRed = 255;
    Byte PreviewCaptionTextGreen = 255;
    Byte PreviewCaptionTextBlue = 255;
    Long PreviewCaptionTextColor = 16777215;
    bool OutlinePieces = true;
    bool ViewPreview = true;
    Byte PreviewSize = 3;
    // The piece count is the model's NumberOfPieces; the store reads it into the puzzle.
};

} // namespace tess
