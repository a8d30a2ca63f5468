#pragma once

#include <string>
#include <vector>

#include <wx/listctrl.h>

// A report list drawn from a table of texts it holds: only the rows in view are asked for
// their texts, and the texts stay as the files give them (UTF-8) until a row comes into
// view, so a list of ten thousand rows fills at once.
class TextTableList : public wxListCtrl {
public:
    // One text per column, UTF-8.
    using Row = std::vector<std::string>;

    // How the columns take their widths when the table is set.
    enum class ColumnFit {
        // Into the list's width as FitColumnsToList does, each column from its heading and its
        // longest text alone (by count of characters): the measure of a list of many rows.
        kIntoList,
        // Each column as wide as its heading and its widest cell, measured cell by cell, as
        // FitColumnsToContent does; the list scrolls sideways when they are wider than it. For
        // tables of a few rows.
        kToContent,
    };

    TextTableList(wxWindow* parent, wxWindowID id);

    // Replaces the columns and the rows, in the order given, and fits the columns. Nothing
    // stays selected.
    void SetTable(const std::vector<std::string>& columns, std::vector<Row> rows,
                  ColumnFit fit = ColumnFit::kIntoList);

    // The selected row; -1 when none is.
    long SelectedRow() const;

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    std::vector<Row> rows_;
};
