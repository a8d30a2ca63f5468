#include "core/player/batch_run.h"

#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <vector>

#include "core/dice/dice_log.h"
#include "core/player/batch_messages.h"
#include "core/player/shared_naming.h"

namespace {

// The reports of the makers of a batch shared among processes: a character made (index,
// name, race, sex, class, file, dice log) or failed (index, how, error, dice log). The dice
// log travels only with a maker's last character and a failure: the log file ends holding the
// log of the character that ended the batch.
constexpr char kMade = 'D';
constexpr char kFailed = 'F';
constexpr char kOutOfTurn[] = "a process of the batch answered out of turn";
constexpr char kNotStarted[] = "the processes for the batch could not be started (try --jobs 1)";

// A maker sends its reports this many at a time, and before it waits for another maker.
constexpr int kReportsAtOnce = 32;

// What one character of the batch came to in this process.
struct Attempt {
    std::optional<BatchCharacter> character;
    BatchOutcome::End end = BatchOutcome::End::kAllMade;
    std::string error;
};

Attempt MakeCharacter(CharacterBatch& batch, long long index, const CharacterWish& wish) {
    Attempt attempt;
    try {
        attempt.character = batch.MakeOne(index, wish, attempt.error);
        if (!attempt.character) {
            attempt.end =
                attempt.error.empty() ? BatchOutcome::End::kNoFit : BatchOutcome::End::kNotSaved;
        }
    } catch (const AutoPlayerError& stopped) {
        attempt.end = BatchOutcome::End::kStopped;
        attempt.error = stopped.what();
    }
    return attempt;
}

BatchOutcome RunHere(CharacterBatch& batch, const CharacterWish& wish, long long count,
                     const std::function<void(const BatchCharacter&)>& made) {
    BatchOutcome outcome;
    for (; outcome.made < count; ++outcome.made) {
        Attempt attempt = MakeCharacter(batch, outcome.made, wish);
        if (!attempt.character) {
            outcome.end = attempt.end;
            outcome.error = attempt.error;
            break;
        }
        made(*attempt.character);
    }
    return outcome;
}

long long IndexOf(const BatchMessage& message) {
    return message.fields.empty() ? -1 : std::atoll(message.fields[0].c_str());
}

// A process making every jobs-th character from `first`, each named in the batch's order
// through the names the makers share. Never returns.
[[noreturn]] void MakeShare(CharacterBatch& batch, SharedNaming& naming, const CharacterWish& wish,
                            long long count, int jobs, long long first, int to_starter) {
    long long index = first;
    std::string waiting; // reports not sent yet
    int held = 0;
    const auto send_held = [&] {
        if (!waiting.empty() && !SendBatchBytes(to_starter, waiting)) {
            _exit(1); // the batch has stopped
        }
        waiting.clear();
        held = 0;
    };
    const auto report = [&](const BatchMessage& message, bool now) {
        waiting += EncodeBatchMessage(message);
        if (now || ++held == kReportsAtOnce) {
            send_held();
        }
    };
    std::optional<NameAsk> ask;
    batch.NameLater(
        [&](const std::string& race, const std::string& sex) {
            const std::optional<int> start = batch.Names().RollStart(race, sex, &AutoPlayer::Pick);
            if (start) {
                ask = NameAsk{race, sex, *start};
            }
            return start.has_value();
        },
        [&] {
            std::string error;
            const std::optional<std::string> name =
                naming.Name(batch, index, ask, send_held, error);
            ask.reset();
            if (!name) {
                report({kFailed,
                        {std::to_string(index),
                         std::to_string(static_cast<int>(BatchOutcome::End::kStopped)), error,
                         HeldLogLines()}},
                       true);
                _exit(0);
            }
            return *name;
        });
    for (; index < count; index += jobs) {
        const Attempt attempt = MakeCharacter(batch, index, wish);
        const bool ends = !attempt.character || index + jobs >= count;
        const std::string log = ends ? HeldLogLines() : std::string();
        const std::string number = std::to_string(index);
        report(attempt.character
                   ? BatchMessage{kMade,
                                  {number, attempt.character->name, attempt.character->race,
                                   attempt.character->sex, attempt.character->class_name,
                                   attempt.character->file, log}}
                   : BatchMessage{kFailed,
                                  {number, std::to_string(static_cast<int>(attempt.end)),
                                   attempt.error, log}},
               ends);
        if (!attempt.character) {
            break;
        }
    }
    // The held dice log is this batch's to write, not this process's.
    _exit(0);
}

struct Maker {
    pid_t pid;
    BatchReader reports;
    bool open = true;
    std::deque<BatchMessage> unread;
};

// Hands the characters on in the batch's order as the makers report them.
class BatchReports {
public:
    BatchReports(long long count, std::vector<Maker>& makers,
                 const std::function<void(const BatchCharacter&)>& made)
        : count_(count), makers_(makers), made_(made) {}

    BatchOutcome Run() {
        while (!done_) {
            while (HandOnNext()) {
            }
            if (!done_) {
                Listen();
            }
        }
        return outcome_;
    }

private:
    Maker& MakerOf(long long index) {
        return makers_[static_cast<std::size_t>(index % static_cast<long long>(makers_.size()))];
    }

    // Hands on the next character's report once it is in.
    bool HandOnNext() {
        if (done_) {
            return false;
        }
        Maker& maker = MakerOf(next_hand_);
        const auto report = maker.unread.begin();
        if (report == maker.unread.end()) {
            if (!maker.open) {
                return Stop(BatchOutcome::End::kStopped, "the process making character " +
                                                             std::to_string(next_hand_ + 1) +
                                                             " stopped unexpectedly");
            }
            return false;
        }
        if (IndexOf(*report) != next_hand_ ||
            report->fields.size() != (report->kind == kMade ? 7u : 4u)) {
            return Stop(BatchOutcome::End::kStopped, kOutOfTurn);
        }
        const std::vector<std::string>& f = report->fields;
        if (report->kind == kFailed) {
            ReplaceHeldLogLines(f[3]);
            return Stop(static_cast<BatchOutcome::End>(std::atoi(f[1].c_str())), f[2]);
        }
        if (next_hand_ == count_ - 1) {
            ReplaceHeldLogLines(f[6]);
        }
        made_(BatchCharacter{f[1], f[2], f[3], f[4], f[5]});
        maker.unread.erase(report);
        ++outcome_.made;
        done_ = ++next_hand_ == count_;
        return !done_;
    }

    bool Stop(BatchOutcome::End end, const std::string& error) {
        outcome_.end = end;
        outcome_.error = error;
        done_ = true;
        return false;
    }

    // Waits until a maker reports and reads what it sent.
    void Listen() {
        std::vector<pollfd> watched;
        for (const Maker& maker : makers_) {
            if (maker.open) {
                watched.push_back({maker.reports.Fd(), POLLIN, 0});
            }
        }
        if (watched.empty() || poll(watched.data(), watched.size(), -1) < 0) {
            return; // every maker has ended: the next hand-on tells why
        }
        for (const pollfd& ready : watched) {
            if (ready.revents == 0) {
                continue;
            }
            Maker& maker = *std::find_if(makers_.begin(), makers_.end(), [&](const Maker& m) {
                return m.reports.Fd() == ready.fd;
            });
            maker.open = maker.reports.Fill();
            while (auto message = maker.reports.Take()) {
                maker.unread.push_back(std::move(*message));
            }
        }
    }

    const long long count_;
    std::vector<Maker>& makers_;
    const std::function<void(const BatchCharacter&)>& made_;
    BatchOutcome outcome_;
    long long next_hand_ = 0;
    bool done_ = false;
};

// Each maker stays on a processor of its own. A maker woken by another (its character's turn to
// be named) would otherwise often be moved to the processor of the one that woke it, so that
// two makers shared one processor while the other idled.
void KeepToOneProcessor(int job) {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2) {
        return;
    }
    int nth = job % CPU_COUNT(&allowed);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &allowed) && nth-- == 0) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            sched_setaffinity(0, sizeof one, &one);
            return;
        }
    }
}

BatchOutcome RunShared(CharacterBatch& batch, const CharacterWish& wish, long long count, int jobs,
                       const std::function<void(const BatchCharacter&)>& made) {
    std::fflush(nullptr); // nothing buffered is written twice by the makers
    const std::unique_ptr<SharedNaming> naming = SharedNaming::Create();
    // The makers begin once all of them are started, so a batch that cannot start them all
    // saves nothing.
    int go[2];
    if (!naming || pipe(go) != 0) {
        return {BatchOutcome::End::kStopped, 0, kNotStarted};
    }
    std::vector<Maker> makers;
    for (int job = 0; job < jobs; ++job) {
        int reports[2];
        if (pipe(reports) != 0) {
            break;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            KeepToOneProcessor(job);
            for (const Maker& earlier : makers) {
                close(earlier.reports.Fd());
            }
            close(reports[0]);
            close(go[1]);
            char begin = 0;
            if (read(go[0], &begin, 1) != 1) {
                _exit(0); // the batch did not start
            }
            close(go[0]);
            MakeShare(batch, *naming, wish, count, jobs, job, reports[1]);
        }
        close(reports[1]);
        if (pid < 0) {
            close(reports[0]);
            break;
        }
        makers.push_back({pid, BatchReader(reports[0]), true, {}});
    }
    close(go[0]);
    BatchOutcome outcome;
    if (static_cast<int>(makers.size()) == jobs &&
        write(go[1], std::string(static_cast<std::size_t>(jobs), 'g').data(),
              static_cast<std::size_t>(jobs)) == jobs) {
        close(go[1]);
        outcome = BatchReports(count, makers, made).Run();
    } else {
        close(go[1]); // the makers started end without making anything
        outcome = {BatchOutcome::End::kStopped, 0, kNotStarted};
    }
    for (Maker& maker : makers) {
        close(maker.reports.Fd());
        if (outcome.end != BatchOutcome::End::kAllMade) {
            kill(maker.pid, SIGKILL);
        }
        waitpid(maker.pid, nullptr, 0);
    }
    return outcome;
}

} // namespace

BatchOutcome RunBatch(CharacterBatch& batch, const CharacterWish& wish, long long count, int jobs,
                      const std::function<void(const BatchCharacter&)>& made) {
    jobs = static_cast<int>(std::clamp<long long>(jobs, 1, std::max(count, 1LL)));
    if (jobs == 1) {
        return RunHere(batch, wish, count, made);
    }
    return RunShared(batch, wish, count, jobs, made);
}

int ProcessorCount() {
    const long count = sysconf(_SC_NPROCESSORS_ONLN);
    return count < 1 ? 1 : static_cast<int>(std::min(count, 64L));
}
