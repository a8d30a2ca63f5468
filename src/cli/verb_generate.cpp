// The generate verb: finished characters in batches, made by the automatic player and saved as
// "Save file" saves them.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <strings.h>
#include <system_error>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/data_items.h"
#include "core/player/batch_run.h"

namespace {

constexpr long long kMostCharacters = 100000000;
constexpr long long kMostJobs = 64;

// The record name spelled as the data set spells it, matched without regard to case; empty
// when no record bears it.
template <typename Record> std::string RecordNamed(const std::string& wanted) {
    for (const Record* record = Record::pHead.get(); record; record = record->next.get()) {
        if (strcasecmp(record->name.c_str(), wanted.c_str()) == 0) {
            return record->name;
        }
    }
    return "";
}

// Checks and spells the wish as the data set does; a usage message when it names nothing.
std::optional<CharacterWish> ReadWish(const CliArgs& args) {
    CharacterWish wish;
    if (const auto race = args.options.find("race"); race != args.options.end()) {
        wish.race = RecordNamed<CharacterRace>(race->second);
        if (wish.race.empty()) {
            UsageFailure("generate: unknown race '" + race->second + "'");
            return std::nullopt;
        }
    }
    if (const auto sex = args.options.find("sex"); sex != args.options.end()) {
        if (strcasecmp(sex->second.c_str(), "Male") == 0) {
            wish.sex = "Male";
        } else if (strcasecmp(sex->second.c_str(), "Female") == 0) {
            wish.sex = "Female";
        } else {
            UsageFailure("generate: --sex is Male or Female, not '" + sex->second + "'");
            return std::nullopt;
        }
    }
    if (const auto named = args.options.find("class"); named != args.options.end()) {
        wish.class_name = RecordNamed<CharacterClass>(named->second);
        if (wish.class_name.empty()) {
            UsageFailure("generate: unknown class '" + named->second + "'");
            return std::nullopt;
        }
    }
    return wish;
}

std::string WishText(const CharacterWish& wish) {
    std::string text;
    for (const std::string* part : {&wish.race, &wish.sex, &wish.class_name}) {
        if (!part->empty()) {
            text += (text.empty() ? "" : " ") + *part;
        }
    }
    return text;
}

} // namespace

int RunGenerate(const CliArgs& args) {
    const auto count = IntegerOption(args, "count", 1, 1, kMostCharacters);
    const auto clock = IntegerOption(args, "clock", -1, 0, UINT32_MAX);
    const auto level = IntegerOption(args, "level", 1, 1, kMaxLevels - 1);
    const auto jobs = IntegerOption(args, "jobs", ProcessorCount(), 1, kMostJobs);
    if (!count || !clock || !level || !jobs) {
        return kExitUsage;
    }
    if (!UseWorkspace(args, "generate")) {
        return kExitUsage;
    }
    const auto dir = args.options.find("dir");
    const std::filesystem::path workspace =
        dir == args.options.end() ? std::filesystem::path(".") : std::filesystem::path(dir->second);
    const auto out = args.options.find("out");
    const std::filesystem::path out_dir =
        out == args.options.end() ? workspace : std::filesystem::path(out->second);
    std::error_code ec;
    std::filesystem::create_directories(out_dir, ec);
    if (!std::filesystem::is_directory(out_dir, ec)) {
        return UsageFailure("generate: --out '" + out_dir.string() + "' is no directory");
    }

    const auto started = std::chrono::steady_clock::now();
    CharacterBatch batch(workspace, out_dir);
    std::optional<uint32_t> seed;
    if (args.options.contains("clock")) {
        seed = static_cast<uint32_t>(*clock);
    }
    std::string error;
    if (!batch.Start(seed, error)) {
        std::cerr << "fraymark: generate: " << error << '\n';
        return kExitCheckFailed;
    }
    auto wish = ReadWish(args);
    if (!wish) {
        return kExitUsage;
    }
    wish->level = static_cast<int>(*level);
    const bool progress = isatty(STDERR_FILENO) == 1;
    long long shown = 0;
    const BatchOutcome outcome =
        RunBatch(batch, *wish, *count, static_cast<int>(*jobs), [&](const BatchCharacter& made) {
            std::cout << made.name << '\t' << made.race << '\t' << made.sex << '\t'
                      << made.class_name << '\t' << made.file << '\n';
            if (progress) {
                std::cerr << '\r' << ++shown << " of " << *count << " characters" << std::flush;
            }
        });
    switch (outcome.end) {
    case BatchOutcome::End::kAllMade:
        break;
    case BatchOutcome::End::kNoFit:
        std::cerr << "fraymark: generate: no " << WishText(*wish) << " character came up in "
                  << AutoPlayer::kMostTries << " tries: the scores never allowed it\n";
        break;
    case BatchOutcome::End::kNotSaved:
        std::cerr << "fraymark: generate: " << outcome.error << '\n';
        break;
    case BatchOutcome::End::kStopped:
        std::cerr << (progress ? "\n" : "") << "fraymark: generate: " << outcome.error << '\n';
        break;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char summary[64];
    std::snprintf(summary, sizeof summary, "%lld characters in %.2f s", outcome.made, seconds);
    std::cerr << (progress ? "\r" : "") << summary << '\n';
    return outcome.end == BatchOutcome::End::kAllMade ? kExitOk : kExitCheckFailed;
}
