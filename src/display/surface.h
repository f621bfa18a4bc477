// display/: drawing and the mouse. This chief header is the surface layer (off-screen pixel
// buffers and the copy, fill and text operations the puzzle is drawn with; pixel values are
// 0xRRGGBB, the Color Fill encoding); beside it live painting the play field, picking and
// dragging, dropping, and reading a picture file. Part of tessellara_core; includes
// puzzle/, groups/ and persist/, never a widget.
#pragma once

#include "display/frame_record.h"
#include "puzzle/model.h"
#include "puzzle/numbers.h"

#include <QImage>
#include <QString>
#include <stdexcept>
#include <vector>

namespace tess {

// Pixels of this value are left out by keyed copies from piece surfaces.
inline constexpr Long TransparentKey = 0xC2B853;

// BltFast flags: opaque copy without waiting, and the same with the source colour key.
inline constexpr int kBltFastNoWait = 0x20;
inline constexpr int kBltFastSrcColorKeyNoWait = 0x21;

struct SurfaceDesc {
    Long Width = 0;
    Long Height = 0;
};

// A surface could not be made (unreadable file, no memory).
class SurfaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Surface {
public:
    Surface() = default;

    // A new surface filled with the pixel value (black unless given).
    static Surface CreateSurface(Long width, Long height, Long pixel = 0);
    // The bitmap file at its natural size.
    static Surface CreateSurfaceFromFile(const QString& path);
    // The bitmap file stretched to width x height.
    static Surface CreateSurfaceFromFile(const QString& path, Long width, Long height);
    // Another surface stretched to width x height: one decoded bitmap can feed several
    // surfaces of different sizes.
    static Surface CreateStretchedSurface(const Surface& source, Long width, Long height);
    // A picture made elsewhere, as it is.
    static Surface CreateSurfaceFromImage(const QImage& image);

    bool IsNull() const { return image_.isNull(); }
    SurfaceDesc GetSurfaceDesc() const;
    void Release();

    void SetColorKey(Long key);
    // Records where the surface is not the key colour, row by row, so that keyed copies
    // from it become plain memory copies. Call it once the surface is finished; any later
    // change to the surface drops the record.
    void PrepareKeyedCopy();
    bool HasKeyedRuns() const { return runsValid_; }
    // Replaces every pixel equal to the value by the value one step darker in blue, so a
    // picture pixel never disappears as the key colour.
    void NudgePixels(Long value);

    // Fills the rectangle (WholeRect = all of it), clipped to the surface.
    void BltColorFill(const Rect& rect, Long pixel);
    // Copies the source rectangle (WholeRect = all of it) with its top-left at (x, y);
    // only what lies inside both surfaces is copied. Flag 0x21 leaves out key pixels.
    void BltFast(Long x, Long y, const Surface& source, const Rect& sourceRect, int flags);

    const QImage& Image() const { return image_; }

private:
    friend class SurfaceWriter;
    explicit Surface(QImage image)
        : image_(std::move(image)), width_(image_.width()), height_(image_.height()) {}
    void Changed() { runsValid_ = false; }

    // An opaque run of one row: x and length.
    struct Run {
        Long X;
        Long Length;
    };

    QImage image_;
    // The image's size, kept beside it: a frame asks it of every piece, and QImage's own
    // accessors are calls into the library.
    Long width_ = 0;
    Long height_ = 0;
    Long colorKey_ = -1;
    bool runsValid_ = false;
    std::vector<Run> runs_;
    // Runs of row y are runs_[rowStart_[y]] up to runs_[rowStart_[y + 1]].
    std::vector<Long> rowStart_;
};

// Fills and copies into one surface, limited to an area of it. Several threads may write
// into the same surface at once through writers with areas that do not overlap; the surface
// itself must not be used otherwise meanwhile, and must outlive its writers.
class SurfaceWriter {
public:
    explicit SurfaceWriter(Surface& target);

    // The same writer limited to the part of its area within the rectangle (right and bottom
    // exclusive).
    SurfaceWriter Within(const Rect& area) const;
    // The area written to (right and bottom exclusive).
    const Rect& Area() const { return bounds_; }

    // As Surface::BltColorFill and Surface::BltFast, within its area.
    void BltColorFill(const Rect& rect, Long pixel) const;
    void BltFast(Long x, Long y, const Surface& source, const Rect& sourceRect, int flags) const;
    // Lays a picture with coverage (premultiplied ARGB, such as drawn text) over the surface
    // with its top-left at (x, y), within its area.
    void BlendOver(Long x, Long y, const QImage& picture) const;

private:
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    Rect bounds_{};
};

// Every surface the play field is drawn from.
struct Surfaces {
    Surface BackBuffer;
    Surface WholeImageSurface;
    Surface PreviewSurface;
    std::vector<Surface> PieceSurfaces{Surface{}};
    Surface FrameLineH;
    Surface FrameLineV;
    Surface EdgeLineH;
    Surface EdgeLineV;
    Surface EdgeStubH;
    Surface EdgeStubV;
    // The preview's caption text, drawn once per colour and pixel ratio and laid on each frame.
    QImage PreviewCaptionGlyphs;
    Long PreviewCaptionGlyphsColor = -1;
    double PreviewCaptionGlyphsRatio = 0;
    // What the back buffer shows, and the next frame's record while it is being compared.
    FrameRecord Shown;
    FrameRecord Next;
};

} // namespace tess
