#include "gui/gm/party_frame.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "core/app/character_open.h"
#include "core/data/data_numbers.h"
#include "core/files/saved_files.h"
#include "core/gm/party_table.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"
#include "gui/base/app_icon.h"
#include "gui/base/character_window.h"
#include "gui/base/html_printing.h"

wxBEGIN_EVENT_TABLE(PartyFrame, wxFrame)
    EVT_BUTTON(ID_PartyRefresh, PartyFrame::OnRefresh)
    EVT_BUTTON(ID_PartyOpenMember, PartyFrame::OnOpenMember)
    EVT_MENU(ID_PartyPrint, PartyFrame::OnPrint)
    EVT_MENU(ID_PartyPreview, PartyFrame::OnPreview)
    EVT_LIST_COL_CLICK(ID_PartyTable, PartyFrame::OnColumnClick)
wxEND_EVENT_TABLE()

namespace {

constexpr int kGap = 6;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

// Cells that are numbers sort as numbers ("9" before "10"), the others as text.
bool CellBefore(const std::string& a, const std::string& b) {
    const bool a_number = ClassifyInteger(a) == NumberText::kNumber;
    const bool b_number = ClassifyInteger(b) == NumberText::kNumber;
    if (a_number && b_number) {
        return AtoiSaturating(a) < AtoiSaturating(b);
    }
    return a < b;
}

wxString CharacterFolder() {
    return Wx(WorkspacePath(kCharacterXmlDirectory).string());
}

} // namespace

PartyFrame::PartyFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size),
      // The sheet prints the table as the window shows it, sorted as it is.
      printing_(std::make_unique<HtmlPrinting>(
          this, "Party Sheet", kPartyPreviewTitle,
          [this] {
              return Wx(PartySheetHtml(PartyTable{rows_, {}, ""}, "Party"));
          },
          CharacterFolder)) {
    SetIcon(SampleIcon());
    printing_->UseLandscape();
    CreateStatusBar(1);
    auto* menu = new wxMenu;
    menu->Append(ID_PartyPrint, "&Print Party Sheet...", "Print the party's table");
    menu->Append(ID_PartyPreview, "Print Pre&view...",
                 "Show the party's table as it will be printed");
    auto* bar = new wxMenuBar;
    bar->Append(menu, "&Party");
    SetMenuBar(bar);

    auto* panel = new wxPanel(this);
    table_ = new TextTableList(panel, ID_PartyTable);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(panel, ID_PartyRefresh, "Refresh"), 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(panel, ID_PartyOpenMember, "Open as Character"), 0, wxRIGHT, kGap);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(table_, 1, wxEXPAND | wxALL, kGap);
    column->Add(buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    panel->SetSizer(column);
    Refill();
}

PartyFrame::~PartyFrame() = default;

void PartyFrame::Refill() {
    const PartyTable table = ReadPartyTable();
    std::string told = table.refusal;
    for (const std::string& problem : table.problems) {
        told += (told.empty() ? "" : "; ") + problem;
    }
    SetStatusText(Wx(told));
    rows_ = table.rows;
    sorted_by_ = -1;
    ShowRows();
    // The character in hand was put aside while the members were read.
    SendOpenedCharacterToTree();
}

void PartyFrame::ShowRows() {
    table_->SetTable(PartyTableColumns(), rows_, TextTableList::ColumnFit::kToContent);
}

void PartyFrame::OnColumnClick(wxListEvent& event) {
    const int column = event.GetColumn();
    if (column < 0) {
        return;
    }
    ascending_ = column == sorted_by_ ? !ascending_ : true;
    sorted_by_ = column;
    const auto at = static_cast<std::size_t>(column);
    std::stable_sort(rows_.begin(), rows_.end(), [&](const auto& a, const auto& b) {
        const std::string& left = at < a.size() ? a[at] : std::string();
        const std::string& right = at < b.size() ? b[at] : std::string();
        return ascending_ ? CellBefore(left, right) : CellBefore(right, left);
    });
    ShowRows();
}

void PartyFrame::OnRefresh(wxCommandEvent&) {
    Refill();
}

void PartyFrame::OnOpenMember(wxCommandEvent&) {
    const long row = table_->SelectedRow();
    if (row < 0) {
        SetStatusText("Choose the member to open");
        return;
    }
    const Outcome opened = OpenPartyMember(std::string(table_->GetItemText(row).utf8_str()));
    SetStatusText(wxString::FromUTF8(opened.refusal()));
    if (opened) {
        RetireCharacterWindows(); // windows of the character before must not edit this one
    }
}

void PartyFrame::OnPrint(wxCommandEvent&) {
    printing_->Print();
}

void PartyFrame::OnPreview(wxCommandEvent&) {
    if (!printing_->Preview()) {
        Port().ShowMessage("The party sheet cannot be laid out for printing here.",
                           kPartyWindowTitle);
    }
}
