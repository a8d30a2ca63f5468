#include "core/wizard/priors_roll_support.h"

#include <cstdio>

#include "core/dice/dice_log.h"
#include "core/model/program_state.h"

namespace priors {

std::string WithResult(const std::string& line, const std::string& result) {
    if (!line.empty() && line.back() == ' ') {
        return line + result;
    }
    return line + " " + result;
}

int RollAccepted(int sides, int count, const std::string& caption, const DescribeRoll& describe,
                 const StoreRoll& store) {
    RollRequest request;
    request.sides = sides;
    request.count = count;
    request.caption = caption;
    return RollUntilAccepted(request, describe, store).roll;
}

} // namespace priors
