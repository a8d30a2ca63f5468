#include "gui/app/recent_characters.h"

#include <system_error>

#include <wx/config.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include "core/app/character_open.h"
#include "core/files/saved_files.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"
#include "gui/base/character_window.h"
#include "gui/app/form_main.h"
#include "gui/base/window_registry.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kConfigGroup = "/RecentCharacters";

fs::path Normal(const fs::path& path) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path : resolved;
}

} // namespace

RecentCharacters::RecentCharacters(wxFrame* frame, wxMenuItem* item) : item_(item) {
    if (wxConfigBase* config = wxConfigBase::Get(false)) {
        config->SetPath(kConfigGroup);
        history_.Load(*config);
        config->SetPath("/");
    }
    history_.UseMenu(item->GetSubMenu());
    history_.AddFilesToMenu(item->GetSubMenu());
    item_->Enable(history_.GetCount() > 0);
    frame->Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
            Open(static_cast<std::size_t>(event.GetId() - wxID_FILE1));
        },
        wxID_FILE1, wxID_FILE9);
}

void RecentCharacters::Add(const fs::path& file) {
    history_.AddFileToHistory(wxString::FromUTF8(Normal(file).string()));
    Store();
}

void RecentCharacters::Store() {
    item_->Enable(history_.GetCount() > 0);
    if (wxConfigBase* config = wxConfigBase::Get(false)) {
        config->SetPath(kConfigGroup);
        history_.Save(*config);
        config->SetPath("/");
        config->Flush();
    }
}

// A character is opened from its own workspace's "CharacterXML" folder; one saved in another
// workspace needs the toolkit started there, since its race and class come from that
// workspace's data.
void RecentCharacters::Open(std::size_t index) {
    if (index >= history_.GetCount()) {
        return;
    }
    const fs::path file(history_.GetHistoryFile(index).utf8_string());
    const fs::path folder = Normal(WorkspacePath(kCharacterXmlDirectory));
    if (Normal(file.parent_path()) != folder) {
        Port().ShowMessage("The character file " + file.string() +
                               " belongs to another workspace. Start the toolkit with its "
                               "folder to open it:\n    fraymark-toolkit " +
                               file.parent_path().parent_path().string(),
                           "Recent Characters");
        return;
    }
    if (OpenSavedCharacter(file.filename().string()).opened) {
        RetireCharacterWindows();
        Add(file);
    } else {
        history_.RemoveFileFromHistory(index);
        Store();
    }
}

fs::path SavedCharacterPath(const std::string& file_name) {
    return Normal(SavedFilePath(kCharacterXmlDirectory, file_name));
}

void NoteRecentCharacter(const std::string& file_name) {
    if (auto* main = dynamic_cast<FormMain*>(MasterFrame)) {
        main->Recent().Add(SavedCharacterPath(file_name));
    }
}
