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

#include "gui/base/list_columns.h"
#include "gui/app/start_up.h"
#include "gui/base/window_registry.h"

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

// The room a button's label leaves to its edges, and a column heading's to its column's.
constexpr int kButtonMargin = 16;
constexpr int kHeadingMargin = 12;
// The title bar a window manager takes out of a window's size; the tests run on a bare virtual
// display (tests/gui/run_gui_tests.sh), which has none.
constexpr int kTitleBarAllowance = 30;

template <class Control> void Collect(wxWindow* window, std::vector<Control*>& controls) {
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel()) {
            continue;
        }
        if (auto* control = dynamic_cast<Control*>(child)) {
            controls.push_back(control);
        }
        Collect(child, controls);
    }
}

// Lays a top-level window's content (the child that fills it) out in the room a player has:
// its client area less the title bar a window manager takes out of the window's size (the
// tests run without one). Returns the height taken; Layout() gives it back.
int TakeTitleBar(wxTopLevelWindow* top) {
    const int taken = kTitleBarAllowance;
    const wxSize client = top->GetClientSize();
    for (wxWindow* child : top->GetChildren()) {
        if (child->GetRect() == wxRect(client)) {
            child->SetSize(client - wxSize(0, taken));
            child->Layout();
        }
    }
    wxTheApp->Yield(true);
    return taken;
}

int WidestLine(wxWindow* control, const wxString& text) {
    int widest = 0;
    for (const wxString& line : wxSplit(text, '\n', '\0')) {
        widest = std::max(widest, control->GetTextExtent(line).x);
    }
    return widest;
}

// Whether the whole text of a cut cell shows in the list's tooltip when the mouse rests on it.
bool ShownWhole(wxListCtrl* list, long row, int column) {
    wxWindow* rows = RowsArea(list);
    wxRect cell;
    list->GetSubItemRect(row, column, cell);
    wxMouseEvent rest(wxEVT_MOTION);
    rest.SetPosition(rows->ScreenToClient(list->ClientToScreen(cell.GetLeftTop())) +
                     wxPoint(2, cell.height / 2));
    rows->ProcessWindowEvent(rest);
    return rows->GetToolTipText() == list->GetItemText(row, column);
}

wxString Heading(wxListCtrl* list, int column) {
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    list->GetColumn(column, heading);
    return heading.GetText();
}

// The headings and cells of a list that their columns or the list's width cut short; a cell
// that ends in an ellipsis and shows whole in a tooltip is not cut.
void AppendCutCells(wxListCtrl* list, std::string& out) {
    const int room = RowsArea(list)->GetClientSize().x;
    for (int column = 0, x = 0; column < list->GetColumnCount(); ++column) {
        const int width = list->GetColumnWidth(column);
        const int in_view = std::clamp(room - x, 0, width);
        x += width;
        if (list->GetTextExtent(Heading(list, column)).x + kHeadingMargin > in_view) {
            out += "cut: | " + Heading(list, column).utf8_string() + "\n";
        }
        for (long row = 0; row < list->GetItemCount(); ++row) {
            const wxString text = list->GetItemText(row, column);
            const bool cut = in_view < width
                                 ? list->GetTextExtent(text).x + kHeadingMargin > in_view
                                 : CellIsCut(list, row, column) && !ShownWhole(list, row, column);
            if (cut) {
                out += "cut: " + text.utf8_string() + "\n";
            }
        }
    }
}

// Appends every shown label, button, list heading and cell whose text does not fit its
// control or the window, and every label or button that overlaps another.
void AppendCutOrCrowdedLabels(wxTopLevelWindow* window, std::string& out) {
    const int taken = TakeTitleBar(window);
    std::vector<wxControl*> controls;
    Collect(window, controls);
    const wxRect visible(window->ClientToScreen(wxPoint(0, 0)),
                         window->GetClientSize() - wxSize(0, taken));
    const long ellipsis = wxST_ELLIPSIZE_START | wxST_ELLIPSIZE_MIDDLE | wxST_ELLIPSIZE_END;
    std::vector<wxControl*> labelled;
    for (wxControl* control : controls) {
        const bool button = dynamic_cast<wxButton*>(control) != nullptr;
        if (!button && (!dynamic_cast<wxStaticText*>(control) || control->HasFlag(ellipsis))) {
            continue; // neither a button nor a label that may be cut
        }
        labelled.push_back(control);
        const int margin = button ? kButtonMargin : 0;
        if (WidestLine(control, control->GetLabel()) + margin > control->GetSize().x ||
            !visible.Contains(control->GetScreenRect())) {
            out += "cut: " + control->GetLabel().utf8_string() + "\n";
        }
    }
    for (std::size_t a = 0; a < labelled.size(); ++a) {
        for (std::size_t b = a + 1; b < labelled.size(); ++b) {
            if (labelled[a]->GetScreenRect().Intersects(labelled[b]->GetScreenRect())) {
                out += "crowded: " + labelled[a]->GetLabel().utf8_string() + " / " +
                       labelled[b]->GetLabel().utf8_string() + "\n";
            }
        }
    }
    std::vector<wxListCtrl*> lists;
    Collect(window, lists);
    for (wxListCtrl* list : lists) {
        AppendCutCells(list, out);
    }
    window->Layout();
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
                    out += "  | " + Heading(table, column).utf8_string() + "\n";
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
    AppendCutOrCrowdedLabels(dynamic_cast<wxTopLevelWindow*>(window), out);
    return out;
}
