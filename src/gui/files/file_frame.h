#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <wx/frame.h>

#include "gui/base/text_table_list.h"

class wxListCtrl;
class wxListEvent;

// Command identifiers of the open window.
enum FileFrameCommandId : int {
    ID_FileList = 10090,
    ID_FileOpen = 10091,
};

// "Load Character": the saved characters of the workspace's "CharacterXML" directory, one
// row each with name, class, level and race as their files give them. Activating a row
// clears the current character (any creation in progress ends), loads the saved one, shows it
// in the character tree and closes the window; so does "Open" with a row selected.
class FileFrame : public wxFrame {
public:
    FileFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    // (Re)builds the list from the files as they are now.
    void OnSelectionStart();
    // Opens the character of the activated row.
    void OnOpen(wxListEvent& event);
    // Opens the character of the selected row, if one is selected.
    void OnOpenButton(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    // What the main window does with a file once its character is opened (it notes it among
    // the recent characters).
    void OnCharacterOpened(std::function<void(const std::string& file)> opened) {
        opened_ = std::move(opened);
    }

    wxListCtrl* List() const { return list_; }
    // The file each row was read from, by row.
    const std::vector<std::string>& RowFiles() const { return row_files_; }

private:
    void OpenRow(long row);

    TextTableList* list_ = nullptr;
    std::vector<std::string> row_files_;
    std::function<void(const std::string&)> opened_;
    wxDECLARE_EVENT_TABLE();
};
