// What the game needs from its window and desktop; the main window implements it,
// tests implement it with a recorder.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>

namespace tess {

// Mouse pointers of the play field.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerSizeAll = 5;

class GameHost {
public:
    virtual ~GameHost() = default;

    // Inner size of the play field in pixels (its ScaleWidth and ScaleHeight).
    virtual QSize PlayFieldSize() const = 0;
    virtual bool IsMinimized() const = 0;
    // Device pixels to a point of the play field's screen (1 on an ordinary screen).
    virtual double PlayFieldPixelRatio() const { return 1.0; }
    // Shows the main window; its first resize runs the game's resize handling.
    virtual void ShowWindow() = 0;

    // Puts the composed back buffer on the screen, stretched to the play field.
    virtual void PresentPlayField(const QImage& backBuffer) = 0;
    // The same when only the rectangles of `changed` (device pixels) differ from what the
    // field shows: the window system need be handed only those.
    virtual void PresentPlayFieldPart(const QImage& backBuffer, const QRegion& /*changed*/) {
        PresentPlayField(backBuffer);
    }
    // Clears the play field to its background.
    virtual void ClearPlayField() = 0;
    virtual void SetPlayFieldPointer(int mousePointer) = 0;

    // Close, Save Puzzle State and toolbar button 2.
    virtual void SetPuzzleCommandsEnabled(bool enabled) = 0;
    // The one-second clock tmrPuzzle.
    virtual void SetTimerEnabled(bool enabled) = 0;

    // A message box with one OK button.
    virtual void ShowMessage(const QString& text, const QString& title) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
    // A modal input box with an empty default; a cancelled box gives the empty text.
    virtual QString InputBox(const QString& prompt) = 0;
    // The common file dialog; nothing when cancelled.
    virtual std::optional<QString> AskOpenFileName(const QString& filter,
                                                   const QString& initDir) = 0;
    virtual std::optional<QString> AskSaveFileName(const QString& filter) = 0;

    // Desktop integration: the state file type, and the recent documents.
    virtual void RegisterFileType() = 0;
    virtual void AddRecentDocument(const QString& path) = 0;
};

} // namespace tess
