// Time of the saved-character list (what "Load Character", the honor tracker's "Add PC" and
// `fraymark character list` read) over 100, 1,000 and 10,000 generated characters, every file
// read and again from the list's cache, beside `grep -c` over the same files. Prints figures;
// asserts nothing.
// Usage: character_list_bench [GAMEDATA_DIR] (default: ./gamedata).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "best_of.h"
#include "saved_characters.h"

#include "core/files/character_list.h"
#include "core/model/workspace.h"
#include "core/player/character_batch.h"

namespace fs = std::filesystem;

namespace {

void Measure(const fs::path& workspace, int count) {
    SetWorkspaceRoot(workspace);
    LetSavedCharactersSettle();
    VexlFileClass().LoadCharacter(); // warms the page cache
    // Every file read: the list without its cache, as after the files all changed.
    const double first = BestOf(5, [&] {
        fs::remove(workspace / "CharacterXML" / ".summaries");
        VexlFileClass().LoadCharacter();
    });
    // The cache of the last listing used: the files have not changed since.
    const double list = BestOf(5, [] { VexlFileClass().LoadCharacter(); });
    VexlFileClass::Clear();
    const std::string grep =
        "grep -c CHARACTER_NAME '" + (workspace / "CharacterXML").string() + "'/*.xml >/dev/null";
    const double read = BestOf(5, [&] {
        if (std::system(grep.c_str()) > 1) {
            std::fprintf(stderr, "grep failed\n");
        }
    });
    std::printf("%6d characters  every file read %8.1f ms  from the cache %8.1f ms  grep -c %8.1f "
                "ms  cached/grep %5.2f\n",
                count, first * 1e3, list * 1e3, read * 1e3, list / read);
}

} // namespace

int main(int argc, char** argv) {
    const fs::path source = fs::absolute(argc > 1 ? argv[1] : "gamedata");
    if (!fs::is_directory(source / "Classes")) {
        std::fprintf(stderr, "usage: character_list_bench [GAMEDATA_DIR]  (no data set at %s)\n",
                     source.c_str());
        return 2;
    }
    std::random_device seed;
    const fs::path workspace =
        fs::temp_directory_path() / ("fraymark-list-bench-" + std::to_string(seed()));
    fs::copy(source, workspace, fs::copy_options::recursive);
    {
        // The batch keeps the dice log of the characters it makes until it ends, before the
        // workspace goes.
        CharacterBatch batch(workspace, workspace);
        std::string error;
        if (!batch.Start(7, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        int made = 0;
        for (const int count : {100, 1000, 10000}) {
            if (!MakeCharacters(batch, made, count)) {
                return 1;
            }
            made = count;
            Measure(workspace, count);
        }
    }
    fs::remove_all(workspace);
    SetWorkspaceRoot({});
    return 0;
}
