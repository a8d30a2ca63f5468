#include "gui/app/list_columns.h"

#include <wx/listctrl.h>

void FitColumnsToContent(wxListCtrl* list) {
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        list->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    }
}
