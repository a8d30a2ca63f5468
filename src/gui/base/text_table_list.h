#pragma once

#include <string>
#include <vector>

#include <wx/listctrl.h>

// A report list drawn from a table of texts it holds: only the rows in view are asked for
// their texts, and the columns are fitted from each column's longest text alone, so a list of
// ten thousand rows fills at once.
class TextTableList : public wxListCtrl {
public:
    TextTableList(wxWindow* parent, wxWindowID id);

    // Replaces the columns and the rows (one text per column each) and fits the columns into
    // the list as FitColumnsToList does.
    void SetTable(const std::vector<std::string>& columns, std::vector<std::vector<wxString>> rows);

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    std::vector<std::vector<wxString>> rows_;
};
