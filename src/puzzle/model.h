// puzzle/: the bottom layer, which every other folder builds on. This chief header is the
// data model (pieces, groups, drawing order, placed pieces and the sizes every other
// subsystem reads and writes by these names); beside it live the numbers, their rounding
// and their reading from text, the settings values, the random source, grid choice and side
// shapes, the cut layout, scaling and the preview, and the scramble. Part of tessellara_core;
// no Qt beyond QtCore.
#pragma once

#include "puzzle/numbers.h"

#include <QString>
#include <vector>

namespace tess {

// Left, Top, Right, Bottom; all zero stands for "the whole surface" in surface operations.
struct Rect {
    Long Left = 0;
    Long Top = 0;
    Long Right = 0;
    Long Bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr Rect WholeRect{};

struct PieceRecord {
    Integer Col = 0;
    Integer Row = 0;
    Integer Group = 0;
    Flag JoinedTop = kFalse;
    Flag JoinedBottom = kFalse;
    Flag JoinedLeft = kFalse;
    Flag JoinedRight = kFalse;
    Flag TopOut = kFalse;
    Flag BottomOut = kFalse;
    Flag LeftOut = kFalse;
    Flag RightOut = kFalse;
    Long X = 0;
    Long Y = 0;
    Rect CellRect;
    Integer HomeX = 0;
    Integer HomeY = 0;
    friend bool operator==(const PieceRecord&, const PieceRecord&) = default;
};

struct GroupRecord {
    Flag InPlace = kFalse;
    // Element 0 exists and holds 0; members are elements 1..MemberCount.
    std::vector<Integer> Members{0};
    Integer MemberCount = 0;
    Integer MinCol = 0;
    Integer MaxCol = 0;
    Integer MinRow = 0;
    Integer MaxRow = 0;
    friend bool operator==(const GroupRecord&, const GroupRecord&) = default;
};

// Length of the picture path field of the model and of the state file.
inline constexpr int kPictureFileNameLength = 128;

// The whole state of one puzzle. Arrays are indexed from 1; element 0 exists and
// carries no entry.
struct Puzzle {
    Integer NumberOfPieces = 64;
    Integer PuzzleColumns = 0;
    Integer PuzzleRows = 0;
    std::vector<Integer> Divisors{0};
    Integer DivisorCount = 0;
    Flag PuzzleLoaded = kFalse;
    Long ElapsedSeconds = 0;

    QString PictureFileName = QString(kPictureFileNameLength, QLatin1Char(' '));
    // The whole path, which PictureFileName may cut: the picture is opened and recut from it.
    QString PictureFullPath;
    Integer OriginalHeight = 0;
    Integer OriginalWidth = 0;
    Long ImageHeight = 0;
    Long ImageWidth = 0;
    Integer CellHeight = 0;
    Integer CellWidth = 0;
    Integer TabHeight = 0;
    Integer TabWidth = 0;
    Integer BoardLeft = 0;
    Integer BoardTop = 0;
    Rect BoardRect;

    std::vector<PieceRecord> Pieces{PieceRecord{}};
    std::vector<GroupRecord> Groups{GroupRecord{}};
    std::vector<Integer> GroupOrder{0};
    Integer GroupOrderCount = 0;
    std::vector<Integer> PlacedPieces{0};
    Integer PlacedCount = 0;
    Integer GroupSlotCount = 0;

    Integer SelectedPiece = 0;
    Flag Dragging = kFalse;
    Flag PreviewDragging = kFalse;
    Integer DraggedGroup = 0;
    std::vector<Integer> DraggedMembers{0};
    Integer DraggedMemberCount = 0;

    QString PictureFileTitle;
    QString PuzzleStateFileName;
    Flag PuzzleSolved = kFalse;
    double PreviousScaleHeight = 0;
    double PreviousScaleWidth = 0;

    Rect PreviewRect;
    Rect PreviewCaptionRect;
    Integer PreviewWidth = 0;

    // Back to the single slot 0 in every per-piece array, and no entries counted, as after
    // Close.
    void ReduceToSlotZero();
};

// Sets PictureFullPath to the path and PictureFileName to it left-aligned and space-padded,
// cut to 128 characters.
void SetPictureFileName(Puzzle& puzzle, const QString& path);

// The picture's whole path.
QString PicturePath(const Puzzle& puzzle);

} // namespace tess
