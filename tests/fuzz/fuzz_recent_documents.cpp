// Adding the game to any recently-used.xbel: a file it accepts keeps every bookmark and holds
// ours, with our application, and adding the same game again touches that bookmark and raises
// its count instead of adding a second.
#include "desktop/recent_documents.h"
#include "fuzz_support.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    static const RecentDocument game{"/home/p/saved game.psf", "application/x-tessellara-psf",
                                     "Tessellara", "/opt/t/tessellara %f"};
    static const QDateTime now(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    // The bookmarks in a file, and ours as a reader finds it: its time and the count of our
    // application entry in the freedesktop.org metadata.
    const auto read = [](const QByteArray& xbel, QString& ours) {
        QDomDocument dom;
        dom.setContent(xbel, false);
        for (QDomElement b = dom.documentElement().firstChildElement("bookmark"); !b.isNull();
             b = b.nextSiblingElement("bookmark")) {
            const QDomNodeList apps = b.elementsByTagName("bookmark:application");
            for (int i = 0; b.attribute("href") == "file:///home/p/saved%20game.psf" &&
                            ours.isNull() && i < apps.count();
                 ++i) {
                const QDomElement app = apps.item(i).toElement();
                if (app.parentNode().parentNode().toElement().attribute("owner") ==
                        "http://freedesktop.org" &&
                    app.attribute("name") == "Tessellara" &&
                    app.attribute("exec") == "'/opt/t/tessellara %f'") {
                    ours = b.attribute("modified") + ' ' + app.attribute("count");
                }
            }
        }
        return dom.elementsByTagName(QStringLiteral("bookmark")).count();
    };
    const QByteArray before = fuzz::Bytes(data, size);
    // A malformed file is left alone.
    if (const std::optional<QByteArray> once = AddRecentBookmark(before, game, now)) {
        const std::optional<QByteArray> twice = AddRecentBookmark(*once, game, now.addSecs(60));
        QString had, first, second;
        const int count = read(*once, first), earlier = read(before, had);
        fuzz::Require(count >= earlier && count <= earlier + 1 && twice &&
                          read(*twice, second) == count,
                      "bookmarks lost or doubled", *once);
        fuzz::Require(first.startsWith("2026-05-01T12:00:00.000Z ") &&
                          second == "2026-05-01T12:01:00.000Z " +
                                        QString::number(first.split(' ').value(1).toInt() + 1),
                      "our bookmark is not there", *twice);
    }
    return 0;
}
