#pragma once

#include <ostream>
#include <string>
#include <string_view>

// The building blocks of the HTML character sheet: upper-case HTML 3 markup, one tag group a
// line, every text from the record escaped so that names with "<" or "&" show as typed.

std::string HtmlEscape(std::string_view text);

// One section of the sheet: a full-width bordered table holding a centred table whose first
// row is the section's heading. The section is closed when the object goes.
class SheetSection {
public:
    SheetSection(std::ostream& out, std::string_view heading, int columns);
    ~SheetSection();
    SheetSection(const SheetSection&) = delete;
    SheetSection& operator=(const SheetSection&) = delete;

    // Rows of cells; a cell's markup is written as given.
    void BeginRow();
    void EndRow();
    void Cell(std::string_view markup, int span = 1);
    // A left-aligned cell of a label and an escaped value: "Race: Dwarf".
    void LabelCell(std::string_view label, std::string_view value);

    // Label cells `columns` to a row (the section's column count), the last row left short.
    void GridCell(std::string_view label, std::string_view value);

    std::ostream& out() { return out_; }

private:
    std::ostream& out_;
    int columns_;
    int in_row_ = 0; // grid cells in the open grid row
    bool row_open_ = false;
};

// A bulleted list: <UL>, then one <LI> a line, then </UL>.
class SheetList {
public:
    explicit SheetList(std::ostream& out);
    ~SheetList();
    SheetList(const SheetList&) = delete;
    SheetList& operator=(const SheetList&) = delete;

    // One item; the text is escaped.
    void Item(std::string_view text);
    // One item whose markup is written as given (a heading for a nested list).
    void MarkupItem(std::string_view markup);

private:
    std::ostream& out_;
};
