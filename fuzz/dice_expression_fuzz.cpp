// Dice expressions as a player types them for `fraymark roll`: any text is parsed; an
// expression within the limits is rolled, and its totals stay within what its dice can
// show. No overflow, no hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/dice/dice.h"
#include "core/dice/dice_expression.h"
#include "core/dice/vexl_random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto dice = ParseDiceExpression(text);
    if (!dice || !DiceBeyondLimits(*dice).empty()) {
        return 0;
    }
    SeedVexlrandAsClock(static_cast<uint32_t>(size));
    const int64_t count = dice->count;
    const int64_t sides = dice->sides;
    const int64_t modifier = dice->modifier;
    for (int i = 0; i < 3; ++i) {
        const int64_t total = RollExpression(*dice);
        if (count < 1 || sides < 1) {
            if (total != 0) {
                __builtin_trap();
            }
        } else if (!dice->penetrating &&
                   (total < count + modifier || total > count * sides + modifier)) {
            __builtin_trap();
        }
    }
    return 0;
}
