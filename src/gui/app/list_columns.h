#pragma once

class wxListCtrl;

// Widens (or narrows) every column of a report list to the wider of its heading and its
// longest cell, so no name is cut; a list wider than its window scrolls sideways.
void FitColumnsToContent(wxListCtrl* list);
