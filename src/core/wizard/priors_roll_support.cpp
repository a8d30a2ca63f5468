#include "core/wizard/priors_roll_support.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/app/program_state.h"
#include "core/dice/dice_log.h"

namespace priors {

std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(again);
    return text;
}

std::string WithResult(const std::string& line, const std::string& result) {
    if (!line.empty() && line.back() == ' ') {
        return line + result;
    }
    return line + " " + result;
}

void Log(const std::string& text) {
    std::string line = text;
    Format_Entry(program_data.building_points, line, program_data.log_file_name);
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
