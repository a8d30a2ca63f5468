#include "core/dice/dice_log.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/dice/dice.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"

bool Early_Close = true;

namespace {

// The log file Log_Entry holds open while HoldLogFileOpen is on.
struct HeldLog {
    bool hold = false;
    std::string file_name; // as the caller names it, within
    std::string root;      // the workspace root it was opened in
    std::ofstream out;

    bool Holds(const std::string& name) const {
        return out.is_open() && name == file_name && WorkspaceRoot().native() == root;
    }
};
HeldLog held_log;

// Closes the held log, writing out the lines it still buffers.
void CloseHeldLog() {
    held_log.file_name.clear();
    if (!held_log.out.is_open()) {
        return;
    }
    held_log.out.close();
    if (!held_log.out) {
        Port().ShowMessage("Problem creating entry in log file", "Log_Entry");
    }
}

// Opens the held log `file_name`, emptied or to append to; false when it cannot be opened.
bool OpenHeldLog(const std::string& file_name, std::ios::openmode mode) {
    CloseHeldLog();
    held_log.out.clear();
    held_log.out.open(WorkspacePath(file_name), mode);
    held_log.file_name = file_name;
    held_log.root = WorkspaceRoot().native();
    return held_log.out.is_open();
}

} // namespace

void HoldLogFileOpen(bool hold) {
    held_log.hold = hold;
    CloseHeldLog();
}

void Create_Filename(char* name) {
    CloseHeldLog();
    if (std::strlen(name) < 2) {
        std::snprintf(name, kLogFileNameSize, "%i.log", DiceRoll(12, 12));
    }
    const bool created = held_log.hold
                             ? OpenHeldLog(name, std::ios::trunc)
                             : std::ofstream(WorkspacePath(name), std::ios::trunc).is_open();
    if (!created) {
        Port().ShowMessage("Problem creating log file", "Create_Filename");
    }
}

void Log_Entry(const std::string& file_name, const std::string& text) {
    if (held_log.hold) {
        if (!held_log.Holds(file_name)) {
            OpenHeldLog(file_name, std::ios::app);
        }
        held_log.out << text << " \n";
        if (!held_log.out) {
            held_log.out.close();
            held_log.file_name.clear();
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
    text = Printf("BP=%-6.1f | ", static_cast<double>(balance)) + text;
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
    held_log.out.flush(); // lines a held log still buffers belong to the file
    std::ifstream file(WorkspacePath(file_name), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
