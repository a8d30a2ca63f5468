#include "core/files/character_list.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "core/data/data_reader.h"
#include "core/files/character_line_source.h"
#include "core/files/character_summary_cache.h"
#include "core/files/saved_files.h"
#include "core/files/saved_text.h"
#include "core/model/workspace.h"

namespace {

// The fields of the list, in the order their tags are tested. Each value is added to what
// the field holds, so a text split over several lines of one tag comes back whole.
struct ListedTag {
    const char* tag;
    std::string VexlFileClass::*field;
};

const ListedTag kListedTags[] = {
    {"<RACE", &VexlFileClass::race},
    {"<ALIGNMENT", &VexlFileClass::alignment},
    {"<HONOR_BASE", &VexlFileClass::honor_base},
    {"<SEX", &VexlFileClass::sex},
    {"<CLASS_LONG_NAME", &VexlFileClass::class_long_name},
    {"<CHARACTER_NAME", &VexlFileClass::character_name},
    {"<LEVEL", &VexlFileClass::level},
};

constexpr unsigned kEveryListedTag = (1u << std::size(kListedTags)) - 1;

// Adds the line's value to the field its tag names; the bit of that tag (0 for another line).
unsigned AssignListed(std::string_view line, VexlFileClass& record) {
    const auto parts = SplitElement(line);
    if (!parts) {
        return 0;
    }
    for (std::size_t i = 0; i < std::size(kListedTags); ++i) {
        if (parts->tag_text.find(kListedTags[i].tag) != std::string_view::npos) {
            (record.*kListedTags[i].field).append(UnescapeSavedText(parts->value));
            return 1u << i;
        }
    }
    return 0;
}

} // namespace

void VexlFileClass::ParseCXML(const std::filesystem::path& file, VexlFileClass* record) {
    if (!record) {
        return;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        record->read_error = "cannot be opened";
        return;
    }
    CharacterLineSource source(in);
    std::string line;
    unsigned seen = 0;
    while (source.Next(line)) {
        if (line.find("</FRAYMARK_CHARACTER") != std::string::npos) {
            return;
        }
        seen |= AssignListed(line, *record);
        // A file the toolkit wrote holds every listed field before its attributes end, and
        // none after them: the rest of it (three fifths of the file) need not be read. A file
        // missing one of them by then is read to its end, where the field may yet come.
        if (seen == kEveryListedTag && line.find("</ATTRIBUTES>") != std::string::npos) {
            return;
        }
    }
    record->read_error = source.ReadError();
}

void VexlFileClass::LoadCharacter() {
    Clear();
    const std::filesystem::path directory = WorkspacePath(kCharacterXmlDirectory);
    const ReadContext silent{nullptr, directory, 0};
    CharacterSummaryCache cache(directory);
    for (const std::filesystem::path& file : ListDataFiles(directory, ".xml", silent).files) {
        auto record = std::make_unique<VexlFileClass>();
        std::string name = file.filename().string();
        if (const SavedCharacterSummary* known = cache.Lookup(file, name)) {
            static_cast<SavedCharacterSummary&>(*record) = *known;
        } else {
            ParseCXML(file, record.get());
            if (record->read_error.empty()) {
                cache.Remember(file, name, *record);
            }
        }
        record->file_name = std::move(name);
        AddTail(std::move(record));
    }
    cache.Save();
}

VexlFileClass* VexlFileClass::Find(std::string_view name) {
    for (VexlFileClass* p = pHead.get(); p; p = p->next.get()) {
        if (p->character_name.find(name) != std::string::npos) {
            return p;
        }
    }
    return nullptr;
}
