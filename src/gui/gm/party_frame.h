#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/frame.h>

#include "gui/base/text_table_list.h"

class HtmlPrinting;
class wxListEvent;

// Command identifiers of the party window.
enum PartyWindowId : int {
    ID_PartyRefresh = 10190,
    ID_PartyOpenMember = 10191,
    ID_PartyPrint = 10192,
    ID_PartyPreview = 10193,
    ID_PartyTable = 10194,
};

// The party side by side for the game master at the table: one row per member of the honor
// tracker's party with the figures of its character file (classes and levels, experience,
// hit points, honor with standing and die, the saving throws, movement, alignment). A click on
// a heading sorts by that column (again: the other way); "Open as Character" makes the chosen
// member the character in hand; its "&Party" menu prints the table on one landscape sheet.
class PartyFrame : public wxFrame {
public:
    PartyFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~PartyFrame() override;

    // Reads the members' files again and shows them.
    void Refill();

    wxListCtrl* Table() const { return table_; }
    void OnOpenMember(wxCommandEvent& event);

private:
    void OnRefresh(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPreview(wxCommandEvent& event);
    void OnColumnClick(wxListEvent& event);
    void ShowRows();

    TextTableList* table_ = nullptr;
    std::vector<std::vector<std::string>> rows_;
    int sorted_by_ = -1;
    bool ascending_ = true;
    std::unique_ptr<HtmlPrinting> printing_;
    wxDECLARE_EVENT_TABLE();
};

constexpr const char* kPartyWindowTitle = "Party";
constexpr const char* kPartyPreviewTitle = "Party Sheet Preview";
