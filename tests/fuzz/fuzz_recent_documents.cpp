// Adding the game to any recently-used.xbel: a file it accepts keeps every bookmark, and
// adding the same game again touches its bookmark instead of adding a second.
#include "desktop/recent_documents.h"
#include "fuzz_support.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    static const RecentDocument game{"/home/p/saved game.psf", "application/x-tessellara-psf",
                                     "Tessellara", "/opt/t/tessellara %f"};
    static const QDateTime now(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const auto bookmarks = [](const QByteArray& xbel) {
        QDomDocument dom;
        dom.setContent(xbel, false);
        return dom.elementsByTagName(QStringLiteral("bookmark")).count();
    };
    const QByteArray before = fuzz::Bytes(data, size);
    // A malformed file is left alone.
    if (const std::optional<QByteArray> once = AddRecentBookmark(before, game, now)) {
        const std::optional<QByteArray> twice = AddRecentBookmark(*once, game, now.addSecs(60));
        const int count = bookmarks(*once);
        fuzz::Require(count >= bookmarks(before) && count <= bookmarks(before) + 1 && twice &&
                          bookmarks(*twice) == count,
                      "bookmarks lost or doubled", *once);
    }
    return 0;
}
