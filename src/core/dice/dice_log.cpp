#include "core/dice/dice_log.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/dice/dice.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"

bool Early_Close = true;

namespace {

// The log a held dice log keeps in memory: the lines of the file's current log that have not
// reached the file yet. A new log of the same file only empties the buffer, so a batch that
// makes many characters touches the file once, when the log is read or the hold ends.
struct HeldLog {
    bool hold = false;
    std::string file_name;   // as the caller names it, within
    std::string root;        // the workspace root it belongs to
    bool empty_file = false; // the file is emptied before the lines go out
    std::string lines;

    bool Holds(const std::string& name) const {
        return !file_name.empty() && name == file_name && WorkspaceRoot().native() == root;
    }
};
HeldLog held_log;

// The log file Create_Filename last made, and the workspace root it was made in.
struct CreatedLog {
    std::string file_name;
    std::filesystem::path root;
};
CreatedLog created_log;

// Writes the lines the held log still buffers to its file and keeps holding it.
void WriteOutHeldLog() {
    if (held_log.file_name.empty() || (held_log.lines.empty() && !held_log.empty_file)) {
        return;
    }
    const auto mode = held_log.empty_file ? std::ios::trunc : std::ios::app;
    std::ofstream out(std::filesystem::path(held_log.root) / held_log.file_name,
                      std::ios::binary | std::ios::out | mode);
    out << held_log.lines;
    out.close();
    held_log.lines.clear();
    held_log.empty_file = false;
    if (!out) {
        Port().ShowMessage("Problem creating entry in log file", "Log_Entry");
    }
}

// Starts holding `file_name`, whose lines will go out after what the file already holds.
void HoldLog(const std::string& file_name) {
    WriteOutHeldLog();
    held_log.file_name = file_name;
    held_log.root = WorkspaceRoot().native();
    held_log.empty_file = false;
    held_log.lines.clear();
}

} // namespace

void HoldLogFileOpen(bool hold) {
    WriteOutHeldLog();
    held_log.file_name.clear();
    held_log.hold = hold;
}

std::string HeldLogLines() {
    return held_log.lines;
}

void ReplaceHeldLogLines(const std::string& lines) {
    held_log.lines = lines;
    held_log.empty_file = true;
}

void Create_Filename(char* name) {
    if (std::strlen(name) < 2) {
        std::snprintf(name, kLogFileNameSize, "%i.log", DiceRoll(12, 12));
    }
    created_log = {name, WorkspaceRoot()};
    if (held_log.hold && held_log.Holds(name)) {
        // The next character's log of a held file: its lines replace the last one's.
        held_log.lines.clear();
        held_log.empty_file = true;
        return;
    }
    // The file is made (or emptied) at once, so a log that cannot be written is told now.
    if (!std::ofstream(WorkspacePath(name), std::ios::trunc).is_open()) {
        Port().ShowMessage("Problem creating log file", "Create_Filename");
    } else if (held_log.hold) {
        HoldLog(name);
    }
}

void Log_Entry(const std::string& file_name, const std::string& text) {
    if (held_log.hold) {
        if (!held_log.Holds(file_name)) {
            HoldLog(file_name);
        }
        held_log.lines += text;
        held_log.lines += " \n";
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
    if (held_log.Holds(file_name)) {
        WriteOutHeldLog(); // the lines a held log still buffers belong to the file
    }
    return ReadWholeFile(WorkspacePath(file_name)).value_or("");
}

std::string CreationLogText() {
    const std::string name = program_data.log_file_name;
    if (name.empty()) {
        return {};
    }
    const std::filesystem::path root =
        name == created_log.file_name ? created_log.root : WorkspaceRoot();
    const bool held = held_log.file_name == name && held_log.root == root.native();
    const std::string text =
        held && held_log.empty_file ? "" : ReadWholeFile(root / name).value_or("");
    return held ? text + held_log.lines : text;
}
