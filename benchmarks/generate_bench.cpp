// Speed and memory of "fraymark generate": finished characters per second, files written, the
// same per second of processor time (this process's and its makers'), and the peak resident
// memory of one process, for a batch of N characters made from a copy of the shipped data set
// in a temporary workspace, one job at a time and then JOBS at a time, side by side, with the
// ratio of the rates. Prints figures; asserts nothing. Run it once per batch size:
// generate_bench N [GAMEDATA_DIR] [JOBS] (defaults: 1000, ./gamedata, the processors).
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/player/batch_run.h"

namespace fs = std::filesystem;

namespace {

// Processor time so far, user and system, in seconds, of this process or of its ended children.
double ProcessorSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double AllProcessorSeconds() {
    return ProcessorSeconds(RUSAGE_SELF) + ProcessorSeconds(RUSAGE_CHILDREN);
}

long PeakKib() {
    rusage self{};
    rusage children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return std::max(self.ru_maxrss, children.ru_maxrss);
}

// Makes the batch with `jobs` jobs into its own folder; the characters per second, or 0 when the
// batch failed.
double MakeBatch(const fs::path& workspace, long count, int jobs) {
    auto batch =
        std::make_unique<CharacterBatch>(workspace, workspace / ("jobs" + std::to_string(jobs)));
    std::string error;
    if (!batch->Start(42, error)) {
        std::fprintf(stderr, "generate_bench: %s\n", error.c_str());
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    const double processor_start = AllProcessorSeconds();
    const BatchOutcome outcome = RunBatch(*batch, {}, count, jobs, [](const BatchCharacter&) {});
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Processor time counts what the batch cost the cores, whatever else the machine was doing.
    const double processor_seconds = AllProcessorSeconds() - processor_start;
    batch.reset(); // the batch's dice log goes out
    if (outcome.end != BatchOutcome::End::kAllMade) {
        std::fprintf(stderr, "generate_bench: %s\n", outcome.error.c_str());
    }
    const double rate = static_cast<double>(outcome.made) / seconds;
    std::printf("jobs %d\ncharacters %lld\nseconds %.2f\ncharacters_per_second %.0f\n"
                "processor_seconds %.2f\ncharacters_per_processor_second %.0f\n"
                "peak_rss_kib %ld\n",
                jobs, outcome.made, seconds, rate, processor_seconds,
                static_cast<double>(outcome.made) / processor_seconds, PeakKib());
    return outcome.end == BatchOutcome::End::kAllMade ? rate : 0;
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    const fs::path data = argc > 2 ? argv[2] : "gamedata";
    const int jobs = argc > 3 ? std::atoi(argv[3]) : ProcessorCount();
    if (count < 1 || jobs < 1) {
        std::fprintf(stderr, "generate_bench: N and JOBS must be 1 or more\n");
        return 1;
    }
    const fs::path workspace =
        fs::temp_directory_path() / ("generate_bench_" + std::to_string(getpid()));
    fs::copy(data, workspace, fs::copy_options::recursive);
    const double one = MakeBatch(workspace, count, 1);
    const double many = jobs > 1 ? MakeBatch(workspace, count, jobs) : one;
    if (one > 0 && many > 0) {
        std::printf("rate_ratio_jobs_%d_to_1 %.2f\n", jobs, many / one);
    }
    fs::remove_all(workspace);
    return one > 0 && many > 0 ? 0 : 1;
}
