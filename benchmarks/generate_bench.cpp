// Speed and memory of "fraymark generate": finished characters per second, files written, the
// same per second of the process's own processor time, and the peak resident memory, for a
// batch of N characters made from a copy of the shipped data set in a temporary workspace.
// Prints figures; asserts nothing. Run it once per batch size (the peak is the process's):
// generate_bench N [GAMEDATA_DIR] (defaults: 1000, ./gamedata).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/player/character_batch.h"

namespace fs = std::filesystem;

namespace {

// The process's processor time so far, user and system, in seconds.
double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    const fs::path data = argc > 2 ? argv[2] : "gamedata";
    const fs::path workspace =
        fs::temp_directory_path() / ("generate_bench_" + std::to_string(getpid()));
    fs::copy(data, workspace, fs::copy_options::recursive);
    auto batch = std::make_unique<CharacterBatch>(workspace, workspace / "party");
    std::string error;
    if (count < 1 || !batch->Start(42, error)) {
        std::fprintf(stderr, "generate_bench: %s\n",
                     count < 1 ? "N must be 1 or more" : error.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const double processor_start = ProcessorSeconds();
    long made = 0;
    try {
        for (; made < count; ++made) {
            if (!batch->MakeOne({}, error)) {
                std::fprintf(stderr, "generate_bench: %s\n", error.c_str());
                break;
            }
        }
    } catch (const AutoPlayerError& stopped) {
        std::fprintf(stderr, "generate_bench: %s\n", stopped.what());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Processor time counts what the batch cost one core, whatever else the machine was doing.
    const double processor_seconds = ProcessorSeconds() - processor_start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("characters %ld\nseconds %.2f\ncharacters_per_second %.0f\n"
                "processor_seconds %.2f\ncharacters_per_processor_second %.0f\n"
                "peak_rss_kib %ld\n",
                made, seconds, made / seconds, processor_seconds, made / processor_seconds,
                usage.ru_maxrss);
    batch.reset(); // the batch's dice log goes out before its workspace is removed
    fs::remove_all(workspace);
    return made == count ? 0 : 1;
}
