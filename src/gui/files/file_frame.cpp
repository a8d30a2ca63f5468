#include "gui/files/file_frame.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "core/app/character_open.h"
#include "core/files/character_list.h"
#include "gui/base/app_icon.h"
#include "gui/base/character_window.h"
#include "gui/base/command_ids.h"
#include "gui/base/text_table_list.h"

wxBEGIN_EVENT_TABLE(FileFrame, wxFrame)
    EVT_MENU(ID_Exit, FileFrame::OnClose)
    EVT_LIST_ITEM_ACTIVATED(ID_FileList, FileFrame::OnOpen)
    EVT_BUTTON(ID_FileOpen, FileFrame::OnOpenButton)
wxEND_EVENT_TABLE()

FileFrame::FileFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                     const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    SetIcon(SampleIcon());
    auto* file = new wxMenu;
    file->Append(ID_Exit, "E&xit", "Close window");
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    SetMenuBar(bar);

    // Inside a panel, so the button row has the window's own background.
    auto* panel = new wxPanel(this);
    list_ = new TextTableList(panel, ID_FileList);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND);
    sizer->Add(new wxButton(panel, ID_FileOpen, "Open"), 0, wxALIGN_RIGHT | wxALL, 4);
    panel->SetSizer(sizer);
    // The columns fit the list's width, so it takes its place first.
    Layout();
    panel->Layout();
    OnSelectionStart();
}

void FileFrame::OnSelectionStart() {
    row_files_.clear();
    VexlFileClass scanner;
    scanner.LoadCharacter();
    std::vector<TextTableList::Row> rows;
    for (VexlFileClass* r = VexlFileClass::pHead.get(); r; r = r->next.get()) {
        // A file that cannot be read shows under its file name, marked as such.
        const bool unreadable = !r->read_error.empty();
        rows.push_back({unreadable ? r->file_name : std::move(r->character_name),
                        unreadable ? "(unreadable)" : std::move(r->class_long_name),
                        std::move(r->level), std::move(r->race)});
        row_files_.push_back(std::move(r->file_name));
    }
    VexlFileClass::Clear();
    list_->SetTable({"Name", "Class", "Level", "Race"}, std::move(rows));
}

void FileFrame::OnOpen(wxListEvent& event) {
    OpenRow(event.GetIndex());
}

void FileFrame::OnOpenButton(wxCommandEvent&) {
    OpenRow(list_->SelectedRow());
}

// The row's own file is opened, so two characters of similar names never stand in for each
// other.
void FileFrame::OpenRow(long row) {
    if (row < 0 || static_cast<std::size_t>(row) >= row_files_.size()) {
        return;
    }
    const std::string& file = row_files_[static_cast<std::size_t>(row)];
    if (OpenSavedCharacter(file).opened) {
        RetireCharacterWindows();
        if (opened_) {
            opened_(file);
        }
        Close(true);
    } else {
        OnSelectionStart();
    }
}

void FileFrame::OnClose(wxCommandEvent&) {
    Close(true);
}
