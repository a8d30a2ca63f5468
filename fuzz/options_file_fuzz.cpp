// The options file: any bytes as options.qdb. Reading never crashes and never reads beyond
// the switches it keeps; what was read is saved and read back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/model/options.h"
#include "core/model/workspace.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzWorkspace();
    std::fill(std::begin(BooksToUse), std::end(BooksToUse), 0);
    WriteBytes(WorkspacePath(kOptionsFileName), data, size);
    LoadOptions();
    int32_t read[kBookSwitches];
    std::copy(std::begin(BooksToUse), std::end(BooksToUse), read);
    for (int book = -1; book <= kBookSwitches; ++book) {
        BookEnabled(book);
    }
    for (int entry = -1; entry <= 16; ++entry) {
        OptionLabel(entry);
    }
    SaveOptions();
    std::fill(std::begin(BooksToUse), std::end(BooksToUse), 0);
    LoadOptions();
    Require(std::equal(std::begin(read), std::end(read), std::begin(BooksToUse)),
            "the switches read back differently after a save");
    return 0;
}
