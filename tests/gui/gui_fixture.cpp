#include "gui_fixture.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "gui/app/start_up.h"
#include "gui/app/window_registry.h"

void GuiTest::SetUp() {
    WorkspaceTest::SetUp();
    port = new ScriptedPort;
    main_window = StartToolkit();
}

void GuiTest::TearDown() {
    for (wxWindow* window : wxTopLevelWindows) {
        window->Destroy();
    }
    Flush();
    MasterFrame = nullptr;
    delete port;
    WorkspaceTest::TearDown();
}

void GuiTest::Menu(wxFrame* frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

void GuiTest::Click(wxWindow* window, int id) {
    auto* button = dynamic_cast<wxButton*>(window->FindWindow(id));
    ASSERT_NE(button, nullptr) << "no button with id " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

void GuiTest::Pick(wxControlWithItems* list, const wxString& entry, wxEventType event) {
    const int index = list->FindString(entry);
    ASSERT_NE(index, wxNOT_FOUND) << entry.utf8_str();
    list->SetSelection(index);
    wxCommandEvent picked(event, list->GetId());
    picked.SetEventObject(list);
    picked.SetInt(index);
    picked.SetString(entry);
    list->ProcessWindowEvent(picked);
}

void GuiTest::ActivateRow(wxListCtrl* list, long row) {
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    event.SetEventObject(list);
    event.m_itemIndex = row;
    list->ProcessWindowEvent(event);
}

void GuiTest::Flush() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

std::vector<wxFrame*> GuiTest::WindowsTitled(const wxString& title) {
    std::vector<wxFrame*> frames;
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetLabel() == title && !window->IsBeingDeleted()) {
            frames.push_back(dynamic_cast<wxFrame*>(window));
        }
    }
    return frames;
}

namespace {

void CollectLabels(wxWindow* window, std::vector<wxStaticText*>& labels) {
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel()) {
            continue;
        }
        if (auto* label = dynamic_cast<wxStaticText*>(child)) {
            labels.push_back(label);
        }
        CollectLabels(child, labels);
    }
}

// Appends the shown labels whose text is wider than the label, or that overlap another.
void AppendCutOrCrowdedLabels(wxWindow* window, std::string& out) {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->Yield(true);
    }
    std::vector<wxStaticText*> labels;
    CollectLabels(window, labels);
    const long ellipsis = wxST_ELLIPSIZE_START | wxST_ELLIPSIZE_MIDDLE | wxST_ELLIPSIZE_END;
    for (wxStaticText* label : labels) {
        int widest = 0;
        for (const wxString& line : wxSplit(label->GetLabel(), '\n', '\0')) {
            widest = std::max(widest, label->GetTextExtent(line).x);
        }
        if (widest > label->GetSize().x && !label->HasFlag(ellipsis)) {
            out += "cut: " + label->GetLabel().utf8_string() + "\n";
        }
    }
    for (std::size_t a = 0; a < labels.size(); ++a) {
        for (std::size_t b = a + 1; b < labels.size(); ++b) {
            if (labels[a]->GetScreenRect().Intersects(labels[b]->GetScreenRect())) {
                out += "crowded: " + labels[a]->GetLabel().utf8_string() + " / " +
                       labels[b]->GetLabel().utf8_string() + "\n";
            }
        }
    }
}

template <class Control> bool Is(wxWindow* window) {
    return dynamic_cast<Control*>(window) != nullptr;
}

// The kinds of control the player reads; a combo box is a choice too, so it comes first.
const std::pair<bool (*)(wxWindow*), const char*> kKinds[] = {
    {Is<wxButton>, "button"},    {Is<wxCheckBox>, "check box"}, {Is<wxRadioButton>, "radio"},
    {Is<wxStaticText>, "label"}, {Is<wxTextCtrl>, "box"},       {Is<wxComboBox>, "combo"},
    {Is<wxChoice>, "choice"},    {Is<wxListBox>, "list"},       {Is<wxListCtrl>, "table"},
};

const char* KindOf(wxWindow* control) {
    for (const auto& [is, kind] : kKinds) {
        if (is(control)) {
            return kind;
        }
    }
    return nullptr;
}

void AppendControls(wxWindow* window, std::string& out) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown()) {
            continue;
        }
        if (const char* kind = KindOf(child)) {
            wxString text = child->GetLabel();
            if (auto* box = dynamic_cast<wxTextCtrl*>(child)) {
                text = box->GetValue();
            } else if (auto* combo = dynamic_cast<wxComboBox*>(child)) {
                text = combo->GetValue();
            }
            out += std::string(kind) + ": " + text.utf8_string() + "\n";
            wxArrayString entries;
            if (auto* items = dynamic_cast<wxItemContainerImmutable*>(child)) {
                entries = items->GetStrings();
            }
            if (auto* table = dynamic_cast<wxListCtrl*>(child)) {
                for (int column = 0; column < table->GetColumnCount(); ++column) {
                    wxListItem heading;
                    heading.SetMask(wxLIST_MASK_TEXT);
                    table->GetColumn(column, heading);
                    out += "  | " + heading.GetText().utf8_string() + "\n";
                }
                for (long row = 0; row < table->GetItemCount(); ++row) {
                    wxString cells;
                    for (int column = 0; column < table->GetColumnCount(); ++column) {
                        cells << (column ? "|" : "") << table->GetItemText(row, column);
                    }
                    entries.push_back(cells);
                }
            }
            // A long list passed on from the game's tables: its size and first entry.
            const std::size_t shown = entries.size() > 40 ? 1 : entries.size();
            for (std::size_t i = 0; i < shown; ++i) {
                out += "  - " + entries[i].utf8_string() + "\n";
            }
            if (shown < entries.size()) {
                out += "  ... " + std::to_string(entries.size()) + " entries\n";
            }
        }
        AppendControls(child, out);
    }
}

// A menu item's identifier; the toolkit numbers the ones the program leaves to it.
std::string IdText(int id) {
    return id < 0 ? std::string("- ") : std::to_string(id) + " ";
}

} // namespace

std::string GuiTest::Captions(wxWindow* window) {
    std::string out = "title: " + window->GetLabel().utf8_string() + "\n";
    const wxSize size = window->GetSize();
    out += "size: " + std::to_string(size.x) + "x" + std::to_string(size.y) + "\n";
    auto* frame = dynamic_cast<wxFrame*>(window);
    if (frame && frame->GetMenuBar()) {
        wxMenuBar* bar = frame->GetMenuBar();
        for (std::size_t m = 0; m < bar->GetMenuCount(); ++m) {
            out += "menu: " + bar->GetMenuLabel(m).utf8_string() + "\n";
            for (const wxMenuItem* item : bar->GetMenu(m)->GetMenuItems()) {
                out += item->IsSeparator()
                           ? std::string("  ---")
                           : "  " + IdText(item->GetId()) + item->GetItemLabel().utf8_string() +
                                 " | " + item->GetHelp().utf8_string();
                out += "\n";
            }
        }
    }
    AppendControls(window, out);
    AppendCutOrCrowdedLabels(window, out);
    return out;
}
