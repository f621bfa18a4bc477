// assist/: the Game menu's help for big games, apart from the classic game's code. This chief
// header is the assistant that joins a game: the commands Arrange Pieces and Gather Edge
// Pieces, the toggles Show Progress, Preview Above Pieces and Faint Picture on Board (kept in
// the settings store's section "Game"), the progress text, and what the toggles change in
// painting and pressing. Beside it live the pure algorithms: the arrangement, the progress
// text and the faint picture. Part of tessellara_core, above game/; no widgets.
#pragma once

#include "assist/arrange.h"
#include "assist/faint_picture.h"
#include "assist/progress.h"
#include "game/game.h"

#include <QString>

namespace tess {

// The settings keys of the toggles, in the section "Game".
inline const QString kShowProgressKey = QStringLiteral("Show Progress");
inline const QString kPreviewAboveKey = QStringLiteral("Preview Above Pieces");
inline const QString kFaintPictureKey = QStringLiteral("Faint Picture");

class Assist : public GameAdditions {
public:
    // Reads the toggles from the game's store and joins the game's painting and pressing.
    explicit Assist(Game& game);
    ~Assist() override;
    Assist(const Assist&) = delete;
    Assist& operator=(const Assist&) = delete;

    // One step of Undo each; nothing without loose groups, or while a piece or the preview is
    // held.
    void ArrangePieces();
    void GatherEdgePieces();

    // The toggles: each is written to the store at once and the field repainted.
    bool ShowProgress() const { return showProgress_; }
    bool PreviewAbovePieces() const { return previewAbove_; }
    bool FaintPicture() const { return faintPicture_; }
    void SetShowProgress(bool on);
    void SetPreviewAbovePieces(bool on);
    void SetFaintPicture(bool on);

    // The progress text of the game now (whether shown or not). The clock stops at zero when
    // a game is completed: the completed game shows the time it was completed in, as last seen
    // here before the end, so this is asked after every tick and change.
    QString ProgressNow();

    PaintOptions FrameOptions() override;
    bool TakesPress(double x, double y) override;

private:
    void Lay(const QString& what, bool edgesFirst);
    // The shown preview with its caption; empty when hidden.
    Rect PreviewArea() const;

    Game& game_;
    bool showProgress_ = false;
    bool previewAbove_ = false;
    bool faintPicture_ = false;
    // The faint picture and what it was made from: the cut (its first piece surface) and the
    // background colour. Let go by the first frame asked for with the toggle off; null then,
    // or when there was no memory for it.
    Surface faint_;
    qint64 faintCut_ = 0;
    Long faintBackground_ = -1;
    // The clock of the unfinished game last seen, and that game.
    Long clockSeconds_ = 0;
    QString clockGame_;
};

} // namespace tess
