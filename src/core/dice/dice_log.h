#pragma once

#include <string>

// The dice log: every roll and decision of a creation is one line of a plain-text log file,
// shown at the same time in the log window.

// True while no log window is open. The log window clears it while it exists.
extern bool Early_Close;

// Names the log file "%i.log" from a roll of 12d12 when `name` holds fewer than 2 characters,
// then creates the file, emptying it if it exists. `name` holds 256 characters.
void Create_Filename(char* name);

// Appends `text`, a space and a line end to the file.
void Log_Entry(const std::string& file_name, const std::string& text);

// While held, the lines of the log stay in memory and reach the file when the log is read
// (ReadLogFile), when another log file is held and when the hold is released; a new log of the
// held file (Create_Filename with its name) only drops the lines of the last one, which the
// file would have lost anyway. A batch making thousands of characters so writes its log once,
// and the file ends as it would without the hold. A line that cannot be written is told when
// the lines go out. For a program that makes characters in bulk and owns its workspace
// meanwhile. Off by default, where every line reaches the file at once and a log file deleted
// meanwhile is made afresh by the next line.
void HoldLogFileOpen(bool hold);

// A batch whose characters are made in several processes writes its held log from one of
// them: the lines the held log buffers for its current log, and those lines replaced by the
// ones another process buffered (the file is emptied before they go out, as for any new log).
std::string HeldLogLines();
void ReplaceHeldLogLines(const std::string& lines);

// Logs `text` prefixed by the BP balance ("BP=%-6.1f | %s"). The caller's text is rewritten in
// place to the logged line followed by a line feed, as shown in the log window; the roll
// confirmation shows that line as its question.
void Format_Entry(float balance, std::string& text, const std::string& file_name);

// Logs one line of the creation in progress with the current BP balance, to the run's log.
void LogCreationLine(const std::string& text);

// The same without a balance, for the honor tracker: its log window is the full screen width
// and the character tree is not refreshed.
void Format_Entry(std::string& text, const std::string& file_name);

// Reads the whole log file (empty when it cannot be read).
std::string ReadLogFile(const std::string& file_name);

// The run's log of the creation in hand (program_data's log file), whole, as the file will
// hold it: read from the folder it was created in even when the workspace root has moved
// since (a batch saving into another folder), with the lines a held log still buffers. Empty
// when the run has no log yet.
std::string CreationLogText();
