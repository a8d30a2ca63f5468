#include "core/dice/dice.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>

#include "core/dice/vexl_random.h"

namespace {
std::deque<int> queued_faces;

// The next queued face, if a test queued one.
bool TakeQueuedFace(int& face) {
    if (queued_faces.empty()) {
        return false;
    }
    face = queued_faces.front();
    queued_faces.pop_front();
    return true;
}

double UnitDraw() {
    return static_cast<double>(Vexlrand()) / 4294967296.0;
}
} // namespace

void QueueDieFaces(std::initializer_list<int> faces) {
    queued_faces.insert(queued_faces.end(), faces);
}

void ClearQueuedDieFaces() {
    queued_faces.clear();
}

int QueuedDieFacesLeft() {
    return static_cast<int>(queued_faces.size());
}

int RollDie(int sides) {
    if (int face = 0; TakeQueuedFace(face)) {
        return face;
    }
    return static_cast<int>(sides * UnitDraw() + 1.0);
}

int RollRange(int low, int high) {
    if (int face = 0; TakeQueuedFace(face)) {
        return face;
    }
    const double span = static_cast<double>(high) - static_cast<double>(low) + 1.0;
    return static_cast<int>(span * UnitDraw() + low);
}

namespace {
// A total beyond what an int holds stops at its limit.
int SaturatedTotal(int64_t total) {
    return static_cast<int>(std::clamp<int64_t>(total, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}
} // namespace

int DiceRollAll(int sides, int count, int modifier, int penetrate) {
    if (count < 1 || sides < 1) {
        return 0;
    }
    // Summed in 64 bits: a die of 2^31 - 1 sides and a modifier as large, once per die, fit
    // for every die a roll can take.
    int64_t total = 0;
    int64_t dice = count;
    for (int64_t i = 0; i < dice; ++i) {
        const int r = RollDie(sides);
        if (!penetrate) {
            total += r;
            continue;
        }
        total += (i > 0 ? r - 1 : r) + static_cast<int64_t>(modifier);
        // A one-sided die always shows its highest face; it cannot penetrate, or the roll
        // would never end.
        if (r == sides && sides > 1) {
            ++dice;
        }
    }
    return SaturatedTotal(penetrate ? total : total + modifier);
}

int DiceRoll(int sides, int count) {
    return DiceRollAll(sides, count, 0, 0);
}

int DiceRollM(int sides, int count, int modifier) {
    return DiceRollAll(sides, count, modifier, 0);
}

int DiceRollPen(int sides, int count) {
    return DiceRollAll(sides, count, 0, 1);
}

int DiceRollPenM(int sides, int count, int modifier) {
    return DiceRollAll(sides, count, modifier, 1);
}
