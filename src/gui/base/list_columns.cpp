#include "gui/base/list_columns.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <wx/listctrl.h>
#include <wx/settings.h>

namespace {

// The room a cell's text leaves to the cell's edges, and a heading's.
constexpr int kCellMargin = 8;
constexpr int kHeadingMargin = 12;

// The column of `row` under `at`, a point of the rows' area; -1 when none is.
int ColumnAt(wxListCtrl* list, wxWindow* area, long row, const wxPoint& at) {
    const wxPoint on_list = list->ScreenToClient(area->ClientToScreen(at));
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        wxRect cell;
        if (list->GetSubItemRect(row, column, cell) && cell.Contains(on_list)) {
            return column;
        }
    }
    return -1;
}

// Shows the whole text of the cut cell under the mouse as the list's tooltip.
void ShowCutCellUnderMouse(wxListCtrl* list, wxWindow* area, wxMouseEvent& event) {
    event.Skip();
    int flags = 0;
    const long row = list->HitTest(event.GetPosition(), flags);
    const int column = row >= 0 ? ColumnAt(list, area, row, event.GetPosition()) : -1;
    wxString tip;
    if (column >= 0 && CellIsCut(list, row, column)) {
        tip = list->GetItemText(row, column);
    }
    if (tip.empty()) {
        area->UnsetToolTip();
    } else if (area->GetToolTipText() != tip) {
        area->SetToolTip(tip);
    }
}

} // namespace

void FitColumnsToContent(wxListCtrl* list) {
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        list->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    }
}

namespace {

// The width of a column's heading with its margin.
int HeadingWidth(wxListCtrl* list, int column) {
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    list->GetColumn(column, heading);
    return list->GetTextExtent(heading.GetText()).x + kHeadingMargin;
}

// Narrows the widest columns until all of them are in view, and shows a cut cell's whole text
// in a tooltip.
void FitColumnsToRoom(wxListCtrl* list) {
    std::vector<int> widths;
    std::vector<int> headings;
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        widths.push_back(list->GetColumnWidth(column));
        headings.push_back(HeadingWidth(list, column));
    }
    // The list keeps room for its scroll bar, whether or not the rows need one.
    const int room =
        list->GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list) - 2;
    // The widest column gives a pixel at a time, none narrower than its heading.
    for (int excess = std::accumulate(widths.begin(), widths.end(), 0) - room; excess > 0;
         --excess) {
        int widest = -1;
        for (std::size_t column = 0; column < widths.size(); ++column) {
            const bool can_give = widths[column] > headings[column];
            if (can_give && (widest < 0 || widths[column] > widths[widest])) {
                widest = static_cast<int>(column);
            }
        }
        if (widest < 0) {
            break;
        }
        --widths[widest];
    }
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        list->SetColumnWidth(column, widths[column]);
    }
    if (!list->GetClientData()) {
        // Marks the list so that the mouse is followed once, however often it is refilled.
        list->SetClientData(list);
        wxWindow* rows = RowsArea(list);
        rows->Bind(wxEVT_MOTION,
                   [list, rows](wxMouseEvent& event) { ShowCutCellUnderMouse(list, rows, event); });
    }
}

} // namespace

void FitColumnsToList(wxListCtrl* list) {
    FitColumnsToContent(list);
    FitColumnsToRoom(list);
}

void FitColumnsToList(wxListCtrl* list, const std::vector<wxString>& longest) {
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        const std::size_t at = static_cast<std::size_t>(column);
        const int text = at < longest.size() ? list->GetTextExtent(longest[at]).x + kCellMargin : 0;
        list->SetColumnWidth(column, std::max(text, HeadingWidth(list, column)));
    }
    FitColumnsToRoom(list);
}

bool CellIsCut(const wxListCtrl* list, long row, int column) {
    const int text = list->GetTextExtent(list->GetItemText(row, column)).x;
    return text + kCellMargin > list->GetColumnWidth(column);
}

wxWindow* RowsArea(const wxListCtrl* list) {
    // The toolkit's own list is two windows, the headings above the rows; a native list takes
    // its mouse itself.
    wxWindow* rows = const_cast<wxListCtrl*>(list);
    for (wxWindow* area : list->GetChildren()) {
        if (rows == list || area->GetPosition().y > rows->GetPosition().y) {
            rows = area;
        }
    }
    return rows;
}
