#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Which folder the toolkit works in. Run from a source checkout (./run) it works in the
// current directory, which ./run has laid out; installed, it works in the user's data folder
// ($XDG_DATA_HOME/fraymark, by default ~/.local/share/fraymark) and lays that out from the
// installed game data; a folder named on the command line wins over both. The workspace is
// never the installed game data itself, so nothing is written into the installation.

struct WorkspaceInputs {
    std::optional<std::filesystem::path> argument; // the folder named on the command line
    std::filesystem::path program;                 // the running program's own file
    // From the program's folder to the installed game data ("../share/fraymark/gamedata").
    std::filesystem::path installed_data_relative;
    std::filesystem::path current_directory;
    std::string xdg_data_home; // $XDG_DATA_HOME, "" when unset
    std::string home;          // $HOME, "" when unset
};

enum class WorkspaceSource { kArgument, kUserDataFolder, kCurrentDirectory };

struct WorkspaceChoice {
    WorkspaceSource source = WorkspaceSource::kCurrentDirectory;
    std::filesystem::path root;
    // The installed game data the workspace is laid out from; none when not installed.
    std::optional<std::filesystem::path> installed_data;
    std::string note; // why a folder asked for was not used, for the user; "" when none
};

// The program counts as installed when the game data lies where the install puts it,
// relative to the program's own folder.
WorkspaceChoice ChooseWorkspace(const WorkspaceInputs& inputs);

// The user's data folder for the toolkit: $XDG_DATA_HOME/fraymark when that is an absolute
// path, otherwise $HOME/.local/share/fraymark; nullopt without either.
std::optional<std::filesystem::path> UserDataFolder(const std::string& xdg_data_home,
                                                    const std::string& home);

// Creates `root` with the character folders, and copies each game data folder of
// `installed_data` into it, file by file, leaving every file already there as it is (the
// user may have changed it). Returns "" on success, else what went wrong.
std::string LayOutWorkspace(const std::filesystem::path& root,
                            const std::optional<std::filesystem::path>& installed_data);

// The seven game data folders the toolkit loads at start-up, in load order.
inline constexpr const char* kGameDataFolders[] = {"Races",   "Classes",       "Skills",   "Spells",
                                                   "Talents", "Proficiencies", "Equipment"};

// A message for the user when any game data folder under `root` is missing or holds no
// ".qdf" file: where the toolkit looked, which folders are wanting and how to fix it.
// "" when all seven hold data.
std::string MissingGameDataMessage(const std::filesystem::path& root,
                                   const std::optional<std::filesystem::path>& installed_data);
