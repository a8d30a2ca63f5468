#include "core/app/workspace_choice.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/files/saved_files.h"

namespace fs = std::filesystem;

namespace {

fs::path Normal(const fs::path& path) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path.lexically_normal() : resolved;
}

bool IsWithin(const fs::path& path, const fs::path& folder) {
    const fs::path inner = Normal(path);
    const fs::path outer = Normal(folder);
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first ==
           outer.end();
}

bool EndsWithQdf(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string suffix = name.substr(name.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".qdf";
}

// "missing", "empty" or "" for a folder that holds at least one data file.
const char* FolderWant(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return "missing";
    }
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && EndsWithQdf(it->path().filename().string())) {
            return "";
        }
    }
    return "empty";
}

} // namespace

std::optional<fs::path> UserDataFolder(const std::string& xdg_data_home, const std::string& home) {
    // A relative $XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    if (!xdg_data_home.empty() && fs::path(xdg_data_home).is_absolute()) {
        return fs::path(xdg_data_home) / "fraymark";
    }
    if (!home.empty()) {
        return fs::path(home) / ".local" / "share" / "fraymark";
    }
    return std::nullopt;
}

WorkspaceChoice ChooseWorkspace(const WorkspaceInputs& inputs) {
    WorkspaceChoice choice;
    std::error_code ec;
    const fs::path data = Normal(inputs.program.parent_path() / inputs.installed_data_relative);
    if (!inputs.program.empty() && fs::is_directory(data, ec)) {
        choice.installed_data = data;
    }
    const auto user_folder = UserDataFolder(inputs.xdg_data_home, inputs.home);
    if (inputs.argument) {
        const fs::path asked = Normal(inputs.current_directory / *inputs.argument);
        if (!choice.installed_data || !IsWithin(asked, *choice.installed_data)) {
            choice.source = WorkspaceSource::kArgument;
            choice.root = asked;
            return choice;
        }
        choice.note = "The folder " + asked.string() +
                      " belongs to the installed game data, which the toolkit never writes into.";
    }
    if (choice.installed_data && user_folder) {
        choice.source = WorkspaceSource::kUserDataFolder;
        choice.root = *user_folder;
        return choice;
    }
    choice.source = WorkspaceSource::kCurrentDirectory;
    choice.root = Normal(inputs.current_directory);
    if (choice.installed_data) {
        choice.note += (choice.note.empty() ? "" : " ") +
                       std::string("Neither $XDG_DATA_HOME nor $HOME is set, so the toolkit "
                                   "works in the current folder.");
    }
    return choice;
}

std::string LayOutWorkspace(const fs::path& root, const std::optional<fs::path>& installed_data) {
    std::error_code ec;
    for (const char* folder : {kCharacterXmlDirectory, kCharacterHtmlDirectory}) {
        fs::create_directories(root / folder, ec);
        if (ec) {
            return "Cannot create " + (root / folder).string() + ": " + ec.message();
        }
    }
    if (!installed_data) {
        return "";
    }
    for (const char* folder : kGameDataFolders) {
        const fs::path from = *installed_data / folder;
        if (!fs::is_directory(from, ec)) {
            continue;
        }
        fs::create_directories(root / folder, ec);
        fs::copy(from, root / folder, fs::copy_options::skip_existing | fs::copy_options::recursive,
                 ec);
        if (ec) {
            return "Cannot copy the game data from " + from.string() + " to " +
                   (root / folder).string() + ": " + ec.message();
        }
    }
    return "";
}

std::string MissingGameDataMessage(const fs::path& root,
                                   const std::optional<fs::path>& installed_data) {
    std::string wanting;
    for (const char* folder : kGameDataFolders) {
        const std::string want = FolderWant(root / folder);
        if (!want.empty()) {
            wanting += std::string("\n    ") + folder + ": " + want;
        }
    }
    if (wanting.empty()) {
        return "";
    }
    std::string message =
        "The game data was not found, so the lists of races, classes, skills, spells, talents, "
        "proficiencies and equipment will be empty.\n\nThe toolkit looked in the folder\n    " +
        Normal(root).string() + "\nfor the data folders:" + wanting + "\n\nTo fix it, ";
    if (installed_data) {
        message += "copy the folders of " + installed_data->string() +
                   " into that folder, or reinstall the toolkit if they are not there either.";
    } else {
        message += "start the toolkit with ./run from its source folder, which lays out "
                   "workspace/ with the shipped game data, or copy the folders of gamedata/ "
                   "into that folder.";
    }
    return message + " Each data folder holds one .qdf file per record.\n\nThe toolkit starts "
                     "anyway; restart it once the data is in place.";
}
