#include "core/player/shared_naming.h"

#include <linux/futex.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>

#include "core/player/character_batch.h"

namespace {

// The characters whose names stay in the shared memory: more than twice the most processes a
// batch may have, since no process names a character before every earlier one is named and
// each learns the names since its own last one.
constexpr int kKept = 256;

// Room for the texts of a name in the shared memory, ending zero included.
constexpr std::size_t kRaceRoom = 128;
constexpr std::size_t kSexRoom = 32;
constexpr std::size_t kNameRoom = 256;

// Waits a little on this processor before sleeping: the character before is usually a few
// microseconds from its name, and a sleeping process costs a wake-up across processors.
constexpr int kSpins = 4000;

void CopyText(char* room, const std::string& text) {
    std::memcpy(room, text.c_str(), text.size() + 1);
}

} // namespace

struct SharedNaming::Shared {
    std::atomic<int32_t> named{0};   // every character before this one has its name below
    std::atomic<int32_t> waiting{0}; // processes asleep until `named` moves
    struct Entry {
        bool asked = false;
        int32_t start = 0;
        char race[kRaceRoom] = {};
        char sex[kSexRoom] = {};
        char name[kNameRoom] = {};
    };
    Entry entries[kKept];
};

std::unique_ptr<SharedNaming> SharedNaming::Create() {
    void* memory =
        mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return nullptr;
    }
    return std::unique_ptr<SharedNaming>(new SharedNaming(new (memory) Shared));
}

SharedNaming::~SharedNaming() {
    munmap(shared_, sizeof(Shared));
}

void SharedNaming::WaitForTurn(long long index, const std::function<void()>& before_waiting) {
    std::atomic<int32_t>& named = shared_->named;
    for (int spin = 0; spin < kSpins && named.load() < index; ++spin) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
    bool told = false;
    for (int32_t now = named.load(); now < index; now = named.load()) {
        if (!told) {
            before_waiting();
            told = true;
        }
        shared_->waiting.fetch_add(1);
        if (named.load() == now) {
            syscall(SYS_futex, reinterpret_cast<int32_t*>(&named), FUTEX_WAIT, now, nullptr,
                    nullptr, 0);
        }
        shared_->waiting.fetch_sub(1);
    }
}

bool SharedNaming::LearnUpTo(CharacterBatch& batch, long long index, std::string& error) {
    for (; learned_ < index; ++learned_) {
        const Shared::Entry& entry = shared_->entries[learned_ % kKept];
        if (entry.asked && !batch.LearnName(entry.race, entry.sex, entry.start, entry.name)) {
            error = "the names of the batch went out of step at character " +
                    std::to_string(learned_ + 1) +
                    ": a character file appeared in the output folder meanwhile";
            return false;
        }
    }
    return true;
}

std::optional<std::string> SharedNaming::Name(CharacterBatch& batch, long long index,
                                              const std::optional<NameAsk>& ask,
                                              const std::function<void()>& before_waiting,
                                              std::string& error) {
    if (ask && (ask->race.size() >= kRaceRoom || ask->sex.size() >= kSexRoom)) {
        error = "the race '" + ask->race + "' or the sex '" + ask->sex +
                "' is too long a text for a batch of several jobs: make it with --jobs 1";
        return std::nullopt;
    }
    WaitForTurn(index, before_waiting);
    if (!LearnUpTo(batch, index, error)) {
        return std::nullopt;
    }
    std::string name = ask ? batch.Names().NameFrom(ask->race, ask->sex, ask->start) : "";
    if (name.size() >= kNameRoom) {
        error = "the name '" + name +
                "' is too long a text for a batch of several jobs: make "
                "it with --jobs 1";
        return std::nullopt;
    }
    Shared::Entry& entry = shared_->entries[index % kKept];
    entry.asked = ask.has_value();
    if (ask) {
        entry.start = ask->start;
        CopyText(entry.race, ask->race);
        CopyText(entry.sex, ask->sex);
        CopyText(entry.name, name);
    }
    learned_ = index + 1;
    shared_->named.store(static_cast<int32_t>(index + 1));
    if (shared_->waiting.load() > 0) {
        syscall(SYS_futex, reinterpret_cast<int32_t*>(&shared_->named), FUTEX_WAKE, INT_MAX,
                nullptr, nullptr, 0);
    }
    return name;
}
