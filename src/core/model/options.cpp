#include "core/model/options.h"

#include <array>
#include <fstream>
#include <system_error>

#include "core/model/workspace.h"

int32_t BooksToUse[kBookSwitches] = {};

namespace {

constexpr std::array<const char*, 15> kLabels = {
    "",
    "Hexwright's Guide to Aethra Domination",
    "Warbrand's Guide",
    "Lurcher's Guide",
    "Votary's Guide",
    "Beastrolle",
    "Roll your own dice",
    "Brasshold",
    "Enforce Social Class Restrictions",
    "Web Erratta",
    "Tavernfolk 64",
    "Thornwatch Keep",
    "Giantfall",
    "FrayJammer",
    "Sprigling Guide",
};

// The file keeps each switch as a 32-bit little-endian integer.
void PutWord(std::array<unsigned char, kOptionsFileSize>& bytes, int at, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>((u >> (8 * i)) & 0xffu);
    }
}

int32_t GetWord(const unsigned char* bytes) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    }
    return static_cast<int32_t>(u);
}

bool WriteOptionsFile() {
    std::array<unsigned char, kOptionsFileSize> bytes{};
    for (int i = 0; i < kStoredSwitches; ++i) {
        PutWord(bytes, 4 * i, BooksToUse[i]);
    }
    const auto path = WorkspacePath(kOptionsFileName);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return static_cast<bool>(out);
}

} // namespace

const char* OptionLabel(int entry) {
    if (entry < 1 || entry >= static_cast<int>(kLabels.size())) {
        return "";
    }
    return kLabels[entry];
}

bool BookEnabled(int book) {
    return book >= 0 && book < kBookSwitches && BooksToUse[book] == 1;
}

void LoadOptions() {
    const auto path = WorkspacePath(kOptionsFileName);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            WriteOptionsFile();
        }
        return;
    }
    // A directory of that name opens but reads nothing: the switches stay as they are.
    unsigned char bytes[4 * kStoredSwitches];
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    const auto got = static_cast<int>(in.gcount());
    // Only whole words are taken; a short file leaves the remaining switches as they were.
    for (int i = 0; i < got / 4; ++i) {
        BooksToUse[i] = GetWord(bytes + 4 * i);
    }
}

void SaveOptions() {
    WriteOptionsFile();
}
