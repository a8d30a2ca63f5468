#include "core/dice/vexl_random.h"

#include <ctime>

namespace {

constexpr int kWords = 25;
constexpr int kShift = 7;
constexpr uint32_t kSeedMultiplier = 69069u;
constexpr uint32_t mag01[2] = {0x0u, 0x8ebfd028u};

uint32_t x[kWords] = {};
int k = 0;
bool seeded = false;
ClockSource clock_source = nullptr;

uint32_t RealClock() {
    return static_cast<uint32_t>(std::time(nullptr));
}

void Seed(uint32_t seconds) {
    x[0] = seconds | 1u;
    for (int i = 1; i < kWords; ++i) {
        x[i] = x[i - 1] * kSeedMultiplier;
    }
    seeded = true;
}

void Regenerate() {
    int i = 0;
    for (; i < kWords - kShift; ++i) {
        x[i] = x[i + kShift] ^ (x[i] >> 1) ^ mag01[x[i] & 1u];
    }
    for (; i < kWords; ++i) {
        x[i] = x[i + kShift - kWords] ^ (x[i] >> 1) ^ mag01[x[i] & 1u];
    }
    k = 0;
}

} // namespace

uint32_t Vexlrand() {
    if (!seeded) {
        Seed(VexlClockNow());
    }
    if (k == kWords) {
        Regenerate();
    }
    uint32_t y = x[k++];
    y ^= (y << 7) & 0x2b5b2500u;
    y ^= (y << 15) & 0xdb8b0000u;
    y ^= y >> 16;
    return y;
}

void SeedVexlrandAsClock(uint32_t seconds) {
    Seed(seconds);
    k = 0;
}

void ResetVexlrand() {
    for (auto& word : x) {
        word = 0;
    }
    k = 0;
    seeded = false;
}

void SetVexlClock(ClockSource clock) {
    clock_source = clock;
}

uint32_t VexlClockNow() {
    return clock_source ? clock_source() : RealClock();
}
