// Reading a best-times file and writing it again: what was read must read back the same,
// its texts made safe for the file and put into its code page as every write does. Windows-1252
// text whose bytes happen to form UTF-8 (say "Ã«") reads back as UTF-8, as files of earlier
// versions must: such a table need only read back undamaged.
#include "fuzz_support.h"
#include "persist/best_times.h"
#include "persist/windows_1252.h"

#include <QStringDecoder>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    const BestTimesReading first = BestTimesFromBytes(fuzz::Bytes(data, size));
    BestTimes expected = first.table;
    for (BestTimeRecord& entry : expected) {
        entry.PlayerName = FromWindows1252(ToWindows1252(BestTimeText(entry.PlayerName)));
        entry.ImageName = FromWindows1252(ToWindows1252(BestTimeText(entry.ImageName)));
    }
    const QByteArray written = BestTimesToBytes(first.table);
    const BestTimesReading again = BestTimesFromBytes(written);
    QStringDecoder utf8(QStringDecoder::Utf8);
    utf8.decode(written);
    const bool ambiguous = !utf8.hasError() && std::any_of(written.begin(), written.end(),
                                                           [](char c) { return c & 0x80; });
    fuzz::Require(!again.damaged && (ambiguous || (again.table == expected &&
                                                   BestTimesToBytes(again.table) == written)),
                  "the table did not survive writing; written", written);
    return 0;
}
