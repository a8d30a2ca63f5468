#include "core/gm/party_table.h"

#include <functional>

#include "core/data/class_progress.h"
#include "core/data/data_numbers.h"
#include "core/data/honor_die_table.h"
#include "core/data/saving_throws.h"
#include "core/files/derived_values.h"
#include "core/files/sheet_markup.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_work.h"
#include "core/model/character.h"

namespace {

// The member's classes, one text each, joined by "/".
std::string PerClass(const std::function<std::string(const ClassProgress&)>& text) {
    std::string joined;
    for (const ClassProgress& progress : ClassProgressOfCharacter()) {
        joined += (joined.empty() ? "" : "/") + text(progress);
    }
    return joined;
}

std::vector<std::string> RowOfRecord() {
    const Character_Class& c = current_character;
    std::vector<std::string> row = {
        c.character_name,
        c.race,
        c.sex,
        PerClass([](const ClassProgress& p) { return p.item->name; }),
        PerClass([](const ClassProgress& p) { return std::to_string(p.level); }),
        PerClass([](const ClassProgress& p) { return ExperienceText(p.experience); }),
        PerClass([](const ClassProgress& p) {
            return p.next_level_experience ? std::to_string(*p.next_level_experience) : "-";
        }),
        std::to_string(c.hit_points),
        std::to_string(c.honor),
        HonorStandingText(c.level, c.honor),
    };
    for (const SavingThrowLine& save : SavingThrowLines()) {
        row.push_back(std::to_string(GetSave(save.lookup, c.level)));
    }
    row.push_back(MovementBands().front().rate);
    row.push_back(c.alignment);
    return row;
}

} // namespace

std::vector<std::string> PartyTableColumns() {
    std::vector<std::string> columns = {"Name",  "Race",       "Sex",        "Class",
                                        "Level", "Experience", "Next Level", "Hit Points",
                                        "Honor", "Standing"};
    for (const SavingThrowLine& save : SavingThrowLines()) {
        columns.push_back(save.abbr);
    }
    columns.push_back("Movement");
    columns.push_back("Alignment");
    return columns;
}

PartyTable ReadPartyTable() {
    PartyTable table;
    if (const auto refusal = PartyWork::Refusal()) {
        table.refusal = *refusal;
        return table;
    }
    PartyWork work;
    const int count = PartyCount();
    for (int i = 0; i < count; ++i) {
        const PartyCharacter& member = pcs[static_cast<std::size_t>(i)];
        if (const std::string problem = work.ReadMember(member); !problem.empty()) {
            table.problems.push_back((member.file.empty() ? member.name : member.file) + ": " +
                                     problem);
            continue;
        }
        table.rows.push_back(RowOfRecord());
    }
    return table;
}

std::string PartySheetHtml(const PartyTable& table, std::string_view title) {
    std::string html = "<HTML>\n<HEAD>\n<TITLE>" + HtmlEscape(title) +
                       "</TITLE>\n<STYLE>\n"
                       "@page { size: landscape; margin: 1cm; }\n"
                       "BODY { font-family: sans-serif; }\n"
                       "TABLE { border-collapse: collapse; width: 100%; font-size: 8pt; }\n"
                       "TH, TD { border: 1px solid black; padding: 1px 3px; }\n"
                       "TD { text-align: center; }\n"
                       "</STYLE>\n</HEAD>\n<BODY>\n<H3>" +
                       HtmlEscape(title) + "</H3>\n<TABLE>\n<TR>";
    for (const std::string& column : PartyTableColumns()) {
        html += "<TH>" + HtmlEscape(column) + "</TH>";
    }
    html += "</TR>\n";
    for (const std::vector<std::string>& row : table.rows) {
        html += "<TR>";
        for (const std::string& cell : row) {
            html += "<TD>" + HtmlEscape(cell) + "</TD>";
        }
        html += "</TR>\n";
    }
    return html + "</TABLE>\n<P><SMALL>Made with Orlund's Plainspun Fraymark Toolkit</SMALL></P>\n"
                  "</BODY>\n</HTML>\n";
}
