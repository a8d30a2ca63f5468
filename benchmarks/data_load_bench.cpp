// Load time of the rules lists: the shipped data set and synthetic sets of 10x and 100x as
// many files, beside the time `cat` takes to read the same files. Prints figures; asserts
// nothing. Usage: data_load_bench [GAMEDATA_DIR] (default: ./gamedata).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "best_of.h"

#include "core/data/rules_lists.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

namespace {

const char* const kDirectories[] = {"Races",   "Classes",       "Skills",   "Spells",
                                    "Talents", "Proficiencies", "Equipment"};

// Copies every data file `copies` times into `target`, each copy under a prefixed name that
// keeps the file pattern; "empty.qdf" once per directory. Returns the number of files.
std::size_t BuildSet(const fs::path& source, const fs::path& target, int copies) {
    std::size_t files = 0;
    for (const char* directory : kDirectories) {
        fs::create_directories(target / directory);
        for (const auto& entry : fs::directory_iterator(source / directory)) {
            if (!entry.is_regular_file()) {
                continue;
            }
            const std::string name = entry.path().filename().string();
            const int n = name == "empty.qdf" ? 1 : copies;
            for (int k = 0; k < n; ++k) {
                char prefix[16];
                std::snprintf(prefix, sizeof prefix, "c%03d_", k);
                const std::string copy = n == 1 ? name : prefix + name;
                fs::copy_file(entry.path(), target / directory / copy);
                ++files;
            }
        }
    }
    return files;
}

std::size_t RecordCount() {
    return CharacterRace::Count() + CharacterClass::Count() + CharacterSkill::Count() +
           CharacterSpell::Count() + CharacterTalent::Count() + CharacterProf::Count() +
           CharacterEquip::Count();
}

void Measure(const char* label, const fs::path& workspace, std::size_t files, int runs) {
    SetWorkspaceRoot(workspace);
    LoadAllRulesLists(); // warms the page cache
    const double load = BestOf(runs, [] { LoadAllRulesLists(); });
    const std::size_t records = RecordCount();
    ClearAllRulesLists();
    const std::string cat = "cd '" + workspace.string() +
                            "' && find . -type f -name '*.qdf' -print0 | xargs -0 cat >/dev/null";
    const double read = BestOf(runs, [&] {
        if (std::system(cat.c_str()) != 0) {
            std::fprintf(stderr, "cat failed\n");
        }
    });
    std::printf("%-9s %7zu files %7zu records  load %9.2f ms  cat %9.2f ms  load/cat %5.2f  "
                "load %6.2f us/file\n",
                label, files, records, load * 1e3, read * 1e3, load / read,
                load * 1e6 / static_cast<double>(files));
}

} // namespace

int main(int argc, char** argv) {
    const fs::path source = fs::absolute(argc > 1 ? argv[1] : "gamedata");
    if (!fs::is_directory(source / "Classes")) {
        std::fprintf(stderr, "usage: data_load_bench [GAMEDATA_DIR]  (no data set at %s)\n",
                     source.c_str());
        return 2;
    }
    std::random_device seed;
    const fs::path scratch =
        fs::temp_directory_path() / ("fraymark-bench-" + std::to_string(seed()));
    std::printf("data set: %s\n", source.c_str());
    for (const int copies : {1, 10, 100}) {
        const fs::path workspace = scratch / std::to_string(copies);
        const std::size_t files = BuildSet(source, workspace, copies);
        const std::string label = copies == 1 ? "shipped" : std::to_string(copies) + "x";
        Measure(label.c_str(), workspace, files, copies == 100 ? 3 : 10);
        fs::remove_all(workspace);
    }
    fs::remove_all(scratch);
    SetWorkspaceRoot({});
    return 0;
}
