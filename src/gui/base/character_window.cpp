#include "gui/base/character_window.h"

#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/toplevel.h>

#include "core/model/user_port.h"
#include "core/wizard/creation_flow.h"
#include "gui/base/window_registry.h"

namespace {

constexpr const char* kEndCreationQuestion =
    "End this character's creation? Closing this window ends it: what was rolled and chosen so "
    "far stays with the character, but the creation cannot be taken up again.";

} // namespace

void RetireCharacterWindows() {
    std::vector<CharacterWindow*> open;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* character_window = dynamic_cast<CharacterWindow*>(window)) {
            open.push_back(character_window);
        }
    }
    for (CharacterWindow* window : open) {
        window->retired_ = true;
        ForgetWindow(&window->frame_);
        window->frame_.Destroy();
    }
}

bool MayCloseCreationWindow(wxCloseEvent& event, const wxFrame& window) {
    if (!event.CanVeto() || !CreationInProgress()) {
        return true;
    }
    if (Port().AskYesNo(kEndCreationQuestion, std::string(window.GetTitle().utf8_str()))) {
        return true;
    }
    event.Veto();
    return false;
}
