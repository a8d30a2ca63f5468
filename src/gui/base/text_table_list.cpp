#include "gui/base/text_table_list.h"

#include <string_view>

#include "gui/base/list_columns.h"

namespace {

// The characters of a UTF-8 text: its bytes but those that continue a character.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

} // namespace

TextTableList::TextTableList(wxWindow* parent, wxWindowID id)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_VIRTUAL) {}

void TextTableList::SetTable(const std::vector<std::string>& columns, std::vector<Row> rows,
                             ColumnFit fit) {
    ClearAll();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        InsertColumn(static_cast<long>(i), wxString::FromUTF8(columns[i]));
    }
    rows_ = std::move(rows);
    SetItemCount(static_cast<long>(rows_.size()));
    if (fit == ColumnFit::kToContent) {
        FitColumnsToContent(this);
    } else {
        std::vector<const std::string*> longest(columns.size());
        std::vector<std::size_t> length(columns.size());
        for (const Row& row : rows_) {
            for (std::size_t i = 0; i < row.size() && i < longest.size(); ++i) {
                // Only a text longer in bytes can be longer in characters.
                if (row[i].size() > length[i] && CharacterCount(row[i]) > length[i]) {
                    longest[i] = &row[i];
                    length[i] = CharacterCount(row[i]);
                }
            }
        }
        std::vector<wxString> texts;
        for (const std::string* text : longest) {
            texts.push_back(text ? wxString::FromUTF8(*text) : wxString());
        }
        FitColumnsToList(this, texts);
    }
    Refresh();
}

long TextTableList::SelectedRow() const {
    return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

wxString TextTableList::OnGetItemText(long item, long column) const {
    if (item < 0 || static_cast<std::size_t>(item) >= rows_.size()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(item)];
    return column >= 0 && static_cast<std::size_t>(column) < row.size()
               ? wxString::FromUTF8(row[static_cast<std::size_t>(column)])
               : wxString();
}
