// The puzzle state file (".psf"): a game in progress as records of 128 bytes, written
// from the model and read back, checked in full, as plain bytes.
#pragma once

#include "puzzle/model.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tess {

inline constexpr int kStateRecordSize = 128;
inline constexpr int kStatePieceRecordSize = 50;
// A 32 x 32 grid: well above the largest count the options offer (324), and small
// enough that a damaged count cannot make the reader allocate without bound.
inline constexpr int kStateMaxPieces = 1024;

// What a state file holds: the model without the picture's pixels and the sizes
// derived from the play field.
struct SavedGame {
    // The picture's whole path: record 1 without its padding, resolved against the state
    // file's folder by ResolvePicturePath when it is relative.
    QString PicturePath;
    Integer NumberOfPieces = 0;
    Integer PuzzleColumns = 0;
    Integer PuzzleRows = 0;
    Integer PlacedCount = 0;
    // Elements 0 to N; element 0 carries no entry.
    std::vector<PieceRecord> Pieces;
    std::vector<GroupRecord> Groups;
    // Elements 0 to PlacedCount.
    std::vector<Integer> PlacedPieces;
    Integer GroupSlotCount = 0;
    Integer GroupOrderCount = 0;
    // Elements 0 to GroupSlotCount; entries 1 to GroupOrderCount are used.
    std::vector<Integer> GroupOrder;
    Long ElapsedSeconds = 0;
};

// Either the bytes of a file or, when the game cannot be stored, why not.
struct StateFileWriteResult {
    QByteArray bytes;
    QString error;
};

// Either the game a file holds or what is wrong with the file.
struct StateFileReadResult {
    std::optional<SavedGame> game;
    QString error;
};

// The whole file for the puzzle saved at stateFilePath, every record written out in full
// with zero filler; a group of more than 52 members runs on into as many following records
// as it needs. Record 1 holds the picture's path in Windows-1252: the whole path when it fits
// its 128 bytes, else the path from the state file's folder. Refuses a puzzle the format
// cannot hold (a picture path that fits neither way, an inconsistent model): nothing is
// produced then.
StateFileWriteResult WriteStateFile(const Puzzle& puzzle, const QString& stateFilePath);

// Reads the records the layout names, no more (bytes after the last value are ignored),
// and checks every count, index, flag and cross-reference before returning a game.
StateFileReadResult ReadStateFile(const QByteArray& bytes);

// The most bytes ReadStateFile can need; a reader may stop there.
qint64 StateFileMaxSize();

// A relative picture path is taken from the folder of the state file it was read from.
void ResolvePicturePath(SavedGame& game, const QString& stateFilePath);

// Replaces the stored parts of the model by the saved game; PuzzleSolved follows
// PlacedCount = N. The drag state and PictureFileTitle are not part of a saved game and stay
// as they are (a drag's piece is checked against the model before it is moved).
void RestoreSavedGame(Puzzle& puzzle, SavedGame game);

} // namespace tess
