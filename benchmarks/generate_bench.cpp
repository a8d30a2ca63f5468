// Speed and memory of "fraymark generate": finished characters per second, files written, the
// same per second of processor time (this process's and its makers'), and the peak resident
// memory of one process, for a batch of N characters made from a copy of the shipped data set
// in a temporary workspace, one job at a time and JOBS at a time, side by side: three rounds of
// both, each batch into a folder of its own, the best round of each printed with the ratio of
// the rates. Prints figures; asserts nothing. Run it once per batch size:
// generate_bench N [GAMEDATA_DIR] [JOBS] (defaults: 1000, ./gamedata, the processors).
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

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

struct BatchFigures {
    long long made = 0;
    double seconds = 0;
    double processor_seconds = 0;
    double Rate() const { return seconds > 0 ? static_cast<double>(made) / seconds : 0; }
};

// Makes the batch with `jobs` jobs into the folder `out` of the workspace; nothing made when
// the batch failed.
BatchFigures MakeBatch(const fs::path& workspace, const std::string& out, long count, int jobs) {
    auto batch = std::make_unique<CharacterBatch>(workspace, workspace / out);
    std::string error;
    if (!batch->Start(42, error)) {
        std::fprintf(stderr, "generate_bench: %s\n", error.c_str());
        return {};
    }
    const auto start = std::chrono::steady_clock::now();
    const double processor_start = AllProcessorSeconds();
    const BatchOutcome outcome = RunBatch(*batch, {}, count, jobs, [](const BatchCharacter&) {});
    BatchFigures figures{
        outcome.made,
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
        // What the batch cost the cores, whatever else the machine was doing.
        AllProcessorSeconds() - processor_start};
    batch.reset(); // the batch's dice log goes out
    if (outcome.end != BatchOutcome::End::kAllMade) {
        std::fprintf(stderr, "generate_bench: %s\n", outcome.error.c_str());
        figures.made = 0;
    }
    return figures;
}

// The machine's own ceiling for making characters at once: `jobs` processes, each making its
// share of the count as a batch of its own into a folder of its own, with nothing shared.
BatchFigures MakeSeparateBatches(const fs::path& workspace, const std::string& out, long count,
                                 int jobs) {
    const auto start = std::chrono::steady_clock::now();
    const double processor_start = AllProcessorSeconds();
    std::vector<pid_t> children;
    for (int job = 0; job < jobs; ++job) {
        const pid_t pid = fork();
        if (pid == 0) {
            CharacterBatch batch(workspace, workspace / out / std::to_string(job));
            std::string error;
            const long share = count / jobs + (job < count % jobs ? 1 : 0);
            const bool made = batch.Start(static_cast<uint32_t>(43 + job), error) &&
                              RunBatch(batch, {}, share, 1, [](const BatchCharacter&) {}).end ==
                                  BatchOutcome::End::kAllMade;
            _exit(made ? 0 : 1);
        }
        children.push_back(pid);
    }
    bool made = true;
    for (const pid_t child : children) {
        int status = 1;
        made = waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0 && made;
    }
    return {made ? count : 0,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            AllProcessorSeconds() - processor_start};
}

void Print(const char* kind, int jobs, const BatchFigures& best) {
    std::printf("%s\njobs %d\ncharacters %lld\nseconds %.2f\ncharacters_per_second %.0f\n"
                "processor_seconds %.2f\ncharacters_per_processor_second %.0f\n",
                kind, jobs, best.made, best.seconds, best.Rate(), best.processor_seconds,
                static_cast<double>(best.made) / best.processor_seconds);
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
    BatchFigures best_one;
    BatchFigures best_many;
    BatchFigures best_separate;
    const auto keep_best = [](BatchFigures& best, const BatchFigures& figures) {
        if (figures.Rate() > best.Rate()) {
            best = figures;
        }
    };
    for (int round = 0; round < 3; ++round) {
        const std::string folder = "round" + std::to_string(round);
        keep_best(best_one, MakeBatch(workspace, folder + "_jobs1", count, 1));
        keep_best(best_many, MakeBatch(workspace, folder + "_jobs", count, jobs));
        keep_best(best_separate, MakeSeparateBatches(workspace, folder + "_apart", count, jobs));
    }
    Print("one batch, one job", 1, best_one);
    Print("one batch, jobs at once", jobs, best_many);
    Print("separate batches at once, nothing shared", jobs, best_separate);
    std::printf("peak_rss_kib %ld\n", PeakKib());
    const bool made = best_one.made == count && best_many.made == count;
    if (made && best_separate.made == count) {
        std::printf("rate_ratio_jobs_%d_to_1 %.2f\nrate_ratio_separate_to_1 %.2f\n", jobs,
                    best_many.Rate() / best_one.Rate(), best_separate.Rate() / best_one.Rate());
    }
    fs::remove_all(workspace);
    return made ? 0 : 1;
}
