#include "gui/app/workspace_start.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <wx/stdpaths.h>

#include "core/model/workspace.h"
#include "core/app/workspace_choice.h"

#ifndef FRAYMARK_INSTALLED_DATA_RELATIVE
#define FRAYMARK_INSTALLED_DATA_RELATIVE "../share/fraymark/gamedata"
#endif

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string StartWorkspace(const std::optional<std::string>& argument) {
    namespace fs = std::filesystem;
    std::error_code ec;
    WorkspaceInputs inputs;
    if (argument) {
        inputs.argument = fs::path(*argument);
    }
    inputs.program = wxStandardPaths::Get().GetExecutablePath().utf8_string();
    inputs.installed_data_relative = FRAYMARK_INSTALLED_DATA_RELATIVE;
    inputs.current_directory = fs::current_path(ec);
    inputs.xdg_data_home = Environment("XDG_DATA_HOME");
    inputs.home = Environment("HOME");
    const WorkspaceChoice choice = ChooseWorkspace(inputs);

    std::string notes = choice.note;
    const auto add = [&notes](const std::string& text) {
        if (!text.empty()) {
            notes += (notes.empty() ? "" : "\n\n") + text;
        }
    };
    // A checkout's workspace is laid out by ./run; the toolkit only adds what is missing.
    add(LayOutWorkspace(choice.root, choice.installed_data));
    fs::current_path(choice.root, ec);
    if (ec) {
        add("Cannot work in the folder " + choice.root.string() + ": " + ec.message() +
            ". The toolkit works in " + fs::current_path(ec).string() + " instead.");
    } else {
        SetWorkspaceRoot(choice.root);
    }
    add(MissingGameDataMessage(WorkspacePath("."), choice.installed_data));
    return notes;
}
