// Feeds arbitrary text to the tracker's spreadsheet import, into an empty book. A file is
// either refused with a message for the user or taken whole; a book it gave exports to
// text that imports again to the same transactions, and that book exports to the very
// same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "fuzz_support.h"
#include "tracker/tran_csv.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "America/New_York", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qx::Require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qx::TranCsvImport first = qx::ReadTranCsv(text, qx::TranList());
    if (!first.accepted) {
        Require(!first.message.empty(), "a refused file says why");
        return 0;
    }
    Require(first.added == first.list.GetCount(), "every row taken is in the book");
    const std::string exported = qx::WriteTranCsv(first.list, 2);
    const qx::TranCsvImport again = qx::ReadTranCsv(exported, qx::TranList());
    Require(again.accepted, "an exported book imports: " + again.message);
    Require(again.list == first.list, "an exported book imports to the same transactions");
    Require(qx::WriteTranCsv(again.list, 2) == exported, "a reimported book exports the same text");
    return 0;
}
