// Making the faint picture, once per cut and background colour.
#include "assist/faint_picture.h"

namespace tess {

Long FaintPixel(Long pixel, Long background) {
    Long faint = 0;
    for (const int shift : {0, 8, 16}) {
        const Long from = (background >> shift) & 0xFF;
        const Long to = (pixel >> shift) & 0xFF;
        faint |= (from + (to - from) / 5) << shift;
    }
    return faint;
}

Surface MakeFaintPicture(const Puzzle& puzzle, const Surfaces& surfaces, Long background) {
    try {
        // The board's surface goes before the pixels are changed, so they are changed in place.
        QImage picture = [&] {
            Surface board =
                Surface::CreateSurface(Long{puzzle.PuzzleColumns} * puzzle.CellWidth,
                                       Long{puzzle.PuzzleRows} * puzzle.CellHeight, background);
            for (std::size_t p = 1; p < puzzle.Pieces.size(); ++p) {
                const PieceRecord& piece = puzzle.Pieces[p];
                board.BltFast(piece.HomeX - puzzle.BoardRect.Left - 1,
                              piece.HomeY - puzzle.BoardRect.Top - 1, surfaces.PieceSurfaces[p],
                              WholeRect, kBltFastSrcColorKeyNoWait);
            }
            return board.Image();
        }();
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                line[x] = 0xFF000000u | QRgb(FaintPixel(Long(line[x] & 0xFFFFFFu), background));
            }
        }
        return Surface::CreateSurfaceFromImage(picture);
    } catch (const SurfaceError&) {
        return {}; // no memory for it: the board stays plain rather than every paint failing
    }
}

} // namespace tess
