#include "core/files/character_sheet.h"

#include "core/files/character_sheet_sections.h"
#include "core/files/saved_files.h"
#include "core/files/sheet_markup.h"
#include "core/model/character.h"
#include "core/model/user_port.h"

void WriteCharacterSheet(std::ostream& out) {
    const Character_Class& c = current_character;
    out << "<HTML>\n <HEAD>\n <TITLE>Fraymark Character Generator " << HtmlEscape(c.character_name)
        << ' ' << HtmlEscape(c.class_long_name) << "</TITLE>\n </HEAD>\n<BODY>\n";
    const auto sections = SheetSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (i > 0) {
            out << "<BR>\n";
        }
        sections[i](out);
    }
    out << "<P>\n"
        << kSheetFooterProgram << "\n<BR>\n"
        << kSheetFooterGame << "\n</P>\n</BODY>\n</HTML>\n";
}

bool CreateHTMLSheet(const std::string& file_name, int /*unused*/) {
    const auto target = SavedFilePath(kCharacterHtmlDirectory, file_name);
    std::string error;
    if (ReplaceFileSafely(target, WriteCharacterSheet, error)) {
        return true;
    }
    Port().ShowMessage("The character sheet " + target.filename().string() +
                           " was not saved: " + error + ".",
                       "CreateHTMLSheet");
    return false;
}
