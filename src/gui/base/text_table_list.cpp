#include "gui/base/text_table_list.h"

#include "gui/base/list_columns.h"

TextTableList::TextTableList(wxWindow* parent, wxWindowID id)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_VIRTUAL) {}

void TextTableList::SetTable(const std::vector<std::string>& columns,
                             std::vector<std::vector<wxString>> rows) {
    ClearAll();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        InsertColumn(static_cast<long>(i), wxString::FromUTF8(columns[i]));
    }
    std::vector<wxString> longest(columns.size());
    for (const std::vector<wxString>& row : rows) {
        for (std::size_t i = 0; i < row.size() && i < longest.size(); ++i) {
            if (row[i].length() > longest[i].length()) {
                longest[i] = row[i];
            }
        }
    }
    rows_ = std::move(rows);
    SetItemCount(static_cast<long>(rows_.size()));
    FitColumnsToList(this, longest);
    Refresh();
}

wxString TextTableList::OnGetItemText(long item, long column) const {
    if (item < 0 || static_cast<std::size_t>(item) >= rows_.size()) {
        return {};
    }
    const std::vector<wxString>& row = rows_[static_cast<std::size_t>(item)];
    return column >= 0 && static_cast<std::size_t>(column) < row.size()
               ? row[static_cast<std::size_t>(column)]
               : wxString();
}
