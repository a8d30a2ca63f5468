#include "gui/app/wx_user_port.h"

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/choicdlg.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
#include <wx/toplevel.h>
#include <wx/treectrl.h>

#include "gui/app/dice_log_frame.h"
#include "gui/app/form_main.h"
#include "gui/base/number_entry.h"
#include "gui/base/window_registry.h"
#include "gui/tree/pc_tree_frame.h"

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

// What the player does in a window: a command, or closing it by its close box.
bool IsPlayerCommand(wxEventType type) {
    return type == wxEVT_BUTTON || type == wxEVT_MENU || type == wxEVT_COMBOBOX ||
           type == wxEVT_CHOICE || type == wxEVT_LISTBOX || type == wxEVT_LIST_ITEM_ACTIVATED ||
           type == wxEVT_TREE_ITEM_ACTIVATED || type == wxEVT_CLOSE_WINDOW;
}

// The top-level window a command came from; a menu's command comes from the window of its bar.
wxWindow* CommandWindow(const wxEvent& event) {
    wxObject* source = event.GetEventObject();
    wxWindow* window = dynamic_cast<wxWindow*>(source);
    if (auto* menu = dynamic_cast<wxMenu*>(source)) {
        window = menu->GetWindow();
    }
    return window ? wxGetTopLevelParent(window) : nullptr;
}

bool StillShown(wxWindow* window) {
    return window && window->IsShown() && !window->IsBeingDeleted() &&
           !wxTheApp->IsScheduledForDestruction(window);
}

} // namespace

int WxUserPort::PlayerWindowTracker::FilterEvent(wxEvent& event) {
    // A dialog's own buttons answer the question; the window that asked stays the one in use.
    if (IsPlayerCommand(event.GetEventType())) {
        wxWindow* window = CommandWindow(event);
        if (window && !dynamic_cast<wxDialog*>(window)) {
            last_used = window;
        }
    }
    return Event_Skip;
}

WxUserPort::WxUserPort() {
    wxEvtHandler::AddFilter(&tracker_);
}

WxUserPort::~WxUserPort() {
    wxEvtHandler::RemoveFilter(&tracker_);
}

wxWindow* WxUserPort::AskingWindow() const {
    wxWindow* window = tracker_.last_used.get();
    return StillShown(window) ? window : MasterFrame;
}

template <typename Show> auto WxUserPort::AskOver(Show show) {
    const wxWeakRef<wxWindow> asking = AskingWindow();
    auto answer = show(asking.get());
    if (asking && asking.get() != MasterFrame && StillShown(asking.get())) {
        asking->Raise();
    }
    return answer;
}

bool WxUserPort::AskYesNo(const std::string& message, const std::string& caption) {
    return AskOver([&](wxWindow* parent) {
        wxMessageDialog dialog(parent, Wx(message), Wx(caption), wxYES_NO | wxICON_QUESTION);
        return dialog.ShowModal() == wxID_YES;
    });
}

long WxUserPort::AskNumber(const std::string& message, const std::string& prompt,
                           const std::string& caption, long value, long min, long max) {
    return AskOver([&](wxWindow* parent) {
        NumberEntryDialog dialog(parent, Wx(message), Wx(prompt), Wx(caption), value, min, max);
        return dialog.ShowModal() == wxID_OK ? dialog.Value() : -1;
    });
}

std::optional<long> WxUserPort::AskInteger(const std::string& message, const std::string& caption,
                                           long value, long min, long max) {
    return AskOver([&](wxWindow* parent) -> std::optional<long> {
        NumberEntryDialog dialog(parent, Wx(message), "", Wx(caption), value, min, max);
        if (dialog.ShowModal() != wxID_OK) {
            return std::nullopt;
        }
        return dialog.Value();
    });
}

// The text dialog is not centred over its window: it opens where the desktop puts a new
// dialog, as the name question always has.
std::optional<std::string> WxUserPort::AskText(const std::string& message,
                                               const std::string& caption,
                                               const std::string& value) {
    return AskOver([&](wxWindow* parent) -> std::optional<std::string> {
        wxTextEntryDialog dialog(parent, Wx(message), Wx(caption), Wx(value), wxOK | wxCANCEL);
        if (dialog.ShowModal() != wxID_OK) {
            return std::nullopt;
        }
        return std::string(dialog.GetValue().utf8_str());
    });
}

std::optional<int> WxUserPort::AskChoice(const std::string& message, const std::string& caption,
                                         const std::vector<std::string>& choices) {
    wxArrayString items;
    for (const std::string& choice : choices) {
        items.Add(Wx(choice));
    }
    return AskOver([&](wxWindow* parent) -> std::optional<int> {
        const int index = wxGetSingleChoiceIndex(Wx(message), Wx(caption), items, parent);
        if (index < 0) {
            return std::nullopt;
        }
        return index;
    });
}

void WxUserPort::ShowMessage(const std::string& text, const std::string& caption) {
    AskOver([&](wxWindow* parent) {
        return wxMessageBox(Wx(text), Wx(caption), wxOK | wxICON_INFORMATION, parent);
    });
}

void WxUserPort::OpenLogWindow(const std::string& log_file, bool full_width) {
    OpenDiceLog(log_file, full_width);
}

void WxUserPort::AppendLogText(const std::string& text) {
    if (theLogText) {
        theLogText->AppendText(Wx(text));
    }
}

void WxUserPort::UpdateTree() {
    OpenPCTree();
}

void WxUserPort::ClearTree() {
    ClearPCTree();
}

void WxUserPort::UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                                  const std::vector<std::string>& values) {
    UpdatePCTreeBranch(branch, keys, values);
}
