#pragma once

#include <vector>

#include <wx/string.h>

class wxListCtrl;
class wxWindow;

// Widens (or narrows) every column of a report list to the wider of its heading and its
// longest cell, so no name is cut; a list wider than its window scrolls sideways.
void FitColumnsToContent(wxListCtrl* list);

// Sizes the columns of a report list to their headings and cells as FitColumnsToContent does,
// then, when they are together wider than the list, narrows the widest of them until every
// column is in view. A cell cut short that way ends in an ellipsis and shows its whole text in
// a tooltip while the mouse rests on it.
void FitColumnsToList(wxListCtrl* list);

// The same for a list of many rows, without measuring every cell: each column is as wide as
// its heading and `longest[column]` (the column's longest text, by count of characters).
void FitColumnsToList(wxListCtrl* list, const std::vector<wxString>& longest);

// Whether the text of a list's cell is wider than the room its column gives it.
bool CellIsCut(const wxListCtrl* list, long row, int column);

// The part of a report list that holds its rows (below the headings), which the mouse moves
// over.
wxWindow* RowsArea(const wxListCtrl* list);
