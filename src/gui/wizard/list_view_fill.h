#pragma once

#include <string>
#include <vector>

class wxListCtrl;

// Refills a report-style list: its columns (with their widths) and its rows of texts. Without
// widths the columns fit their texts into the list (FitColumnsToList).
void FillListView(wxListCtrl* list, const std::vector<std::string>& columns,
                  const std::vector<int>& widths,
                  const std::vector<std::vector<std::string>>& rows);

// The selected row of a report-style list; -1 when none.
int SelectedRow(const wxListCtrl* list);

// The text of the first column of a row.
std::string RowName(const wxListCtrl* list, int row);
