// Adding the game to any recently-used.xbel: a file it accepts keeps every bookmark, and
// adding the same game again touches its bookmark instead of adding a second.
#include "desktop/recent_documents.h"
#include "fuzz_support.h"

#include <QDomDocument>
#include <cstdio>
#include <cstdlib>

namespace {

int Bookmarks(const QByteArray& xbel) {
    QDomDocument dom;
    dom.setContent(xbel, false);
    return dom.elementsByTagName(QStringLiteral("bookmark")).count();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    static const RecentDocument game{"/home/p/saved game.psf", "application/x-tessellara-psf",
                                     "Tessellara", "/opt/t/tessellara %f"};
    static const QDateTime now(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const QByteArray before = fuzz::Bytes(data, size);
    const std::optional<QByteArray> once = AddRecentBookmark(before, game, now);
    if (!once) {
        return 0; // a malformed file is left alone
    }
    const std::optional<QByteArray> twice = AddRecentBookmark(*once, game, now.addSecs(60));
    const int count = Bookmarks(*once);
    if (count < Bookmarks(before) || count > Bookmarks(before) + 1 || !twice ||
        Bookmarks(*twice) != count) {
        std::fprintf(stderr, "bookmarks lost or doubled:\n%s\n", once->constData());
        std::abort();
    }
    return 0;
}
