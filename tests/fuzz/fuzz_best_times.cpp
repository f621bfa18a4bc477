// Reading a best-times file and writing it again: what was read must read back the same,
// its texts made safe for the file as every write makes them.
#include "fuzz_support.h"
#include "persist/best_times.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    const BestTimesReading first = BestTimesFromBytes(fuzz::Bytes(data, size));
    BestTimes expected = first.table;
    for (BestTimeRecord& entry : expected) {
        entry.PlayerName = BestTimeText(entry.PlayerName);
        entry.ImageName = BestTimeText(entry.ImageName);
    }
    const QByteArray written = BestTimesToBytes(first.table);
    const BestTimesReading again = BestTimesFromBytes(written);
    if (again.damaged || again.table != expected || BestTimesToBytes(again.table) != written) {
        std::fprintf(stderr, "the table did not survive writing; written:\n%s\n",
                     written.constData());
        std::abort();
    }
    return 0;
}
