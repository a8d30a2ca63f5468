#include "gui/wizard/list_view_fill.h"

#include <wx/listctrl.h>

#include "gui/base/list_columns.h"

void FillListView(wxListCtrl* list, const std::vector<std::string>& columns,
                  const std::vector<int>& widths,
                  const std::vector<std::vector<std::string>>& rows) {
    list->ClearAll();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        list->InsertColumn(static_cast<long>(i), wxString::FromUTF8(columns[i]), wxLIST_FORMAT_LEFT,
                           i < widths.size() ? widths[i] : wxLIST_AUTOSIZE_USEHEADER);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const long index = list->InsertItem(static_cast<long>(r), "");
        for (std::size_t i = 0; i < rows[r].size() && i < columns.size(); ++i) {
            list->SetItem(index, static_cast<int>(i), wxString::FromUTF8(rows[r][i]));
        }
    }
    if (widths.empty()) {
        FitColumnsToList(list);
    }
}

int SelectedRow(const wxListCtrl* list) {
    return static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

std::string RowName(const wxListCtrl* list, int row) {
    return std::string(list->GetItemText(row, 0).utf8_str());
}
