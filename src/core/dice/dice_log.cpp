#include "core/dice/dice_log.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/dice/dice.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"

bool Early_Close = true;

namespace {

// The log file Log_Entry holds open while HoldLogFileOpen is on.
struct HeldLog {
    bool hold = false;
    std::filesystem::path path;
    std::ofstream out;
};
HeldLog held_log;

} // namespace

void HoldLogFileOpen(bool hold) {
    held_log.hold = hold;
    held_log.out.close();
    held_log.path.clear();
}

void Create_Filename(char* name) {
    held_log.out.close();
    held_log.path.clear();
    if (std::strlen(name) < 2) {
        std::snprintf(name, kLogFileNameSize, "%i.log", DiceRoll(12, 12));
    }
    std::ofstream file(WorkspacePath(name), std::ios::trunc);
    if (!file) {
        Port().ShowMessage("Problem creating log file", "Create_Filename");
    }
}

void Log_Entry(const std::string& file_name, const std::string& text) {
    if (held_log.hold) {
        const std::filesystem::path path = WorkspacePath(file_name);
        if (path != held_log.path || !held_log.out.is_open()) {
            held_log.out.close();
            held_log.out.clear();
            held_log.out.open(path, std::ios::app);
            held_log.path = path;
        }
        held_log.out << text << " \n" << std::flush;
        if (!held_log.out) {
            held_log.out.close();
            held_log.path.clear();
            Port().ShowMessage("Problem creating entry in log file", "Log_Entry");
        }
        return;
    }
    std::ofstream file(WorkspacePath(file_name), std::ios::app);
    if (file) {
        file << text << " \n";
    }
    if (!file) {
        Port().ShowMessage("Problem creating entry in log file", "Log_Entry");
    }
}

namespace {

// Opens the window if needed (filled with the file as it was), then adds the line to the
// file and the window, so a reopened window shows every line once.
void LogLine(std::string& text, const std::string& file_name, bool full_width) {
    if (Early_Close) {
        Port().OpenLogWindow(file_name, full_width);
    }
    Log_Entry(file_name, text);
    text += '\n';
    Port().AppendLogText(text);
}

} // namespace

void Format_Entry(float balance, std::string& text, const std::string& file_name) {
    const int size =
        std::snprintf(nullptr, 0, "BP=%-6.1f | %s", static_cast<double>(balance), text.c_str());
    std::string line(static_cast<std::size_t>(size), '\0');
    std::snprintf(line.data(), line.size() + 1, "BP=%-6.1f | %s", static_cast<double>(balance),
                  text.c_str());
    text = std::move(line);
    LogLine(text, file_name, false);
    Port().UpdateTree();
}

void LogCreationLine(const std::string& text) {
    std::string line = text;
    Format_Entry(program_data.building_points, line, program_data.log_file_name);
}

void Format_Entry(std::string& text, const std::string& file_name) {
    LogLine(text, file_name, true);
}

std::string ReadLogFile(const std::string& file_name) {
    if (file_name.empty()) {
        return {};
    }
    std::ifstream file(WorkspacePath(file_name), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
