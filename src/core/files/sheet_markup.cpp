#include "core/files/sheet_markup.h"

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

SheetSection::SheetSection(std::ostream& out, std::string_view heading, int columns)
    : out_(out), columns_(columns < 1 ? 1 : columns) {
    out_ << "<TABLE BORDER=1 WIDTH=100%>\n<TR>\n<TD>\n<TABLE ALIGN=CENTER WIDTH=100%>\n<TR>\n"
         << "<TD COLSPAN=" << columns_ << "><BIG><B><CENTER>" << heading
         << "</CENTER></B></BIG></TD>\n</TR>\n";
}

SheetSection::~SheetSection() {
    EndRow();
    out_ << "</TABLE>\n</TD>\n</TR>\n</TABLE>\n";
}

void SheetSection::BeginRow() {
    EndRow();
    out_ << "<TR>\n";
    row_open_ = true;
}

void SheetSection::EndRow() {
    if (row_open_) {
        out_ << "</TR>\n";
        row_open_ = false;
    }
    in_row_ = 0;
}

void SheetSection::Cell(std::string_view markup, int span) {
    if (!row_open_) {
        BeginRow();
    }
    out_ << "<TD ALIGN=LEFT";
    if (span > 1) {
        out_ << " COLSPAN=" << span;
    }
    out_ << '>' << markup << "</TD>\n";
}

void SheetSection::LabelCell(std::string_view label, std::string_view value) {
    Cell(std::string(label) + HtmlEscape(value));
}

void SheetSection::GridCell(std::string_view label, std::string_view value) {
    if (!row_open_ || in_row_ == columns_) {
        BeginRow();
    }
    LabelCell(label, value);
    ++in_row_;
}

SheetList::SheetList(std::ostream& out) : out_(out) {
    out_ << "<UL>\n";
}

SheetList::~SheetList() {
    out_ << "</UL>\n";
}

void SheetList::Item(std::string_view text) {
    out_ << "<LI>" << HtmlEscape(text) << '\n';
}

void SheetList::MarkupItem(std::string_view markup) {
    out_ << "<LI>" << markup << '\n';
}
