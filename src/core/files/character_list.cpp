#include "core/files/character_list.h"

#include <fstream>
#include <memory>

#include "core/data/data_reader.h"
#include "core/files/character_line_source.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"
#include "core/files/saved_text.h"

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

void AssignListed(std::string_view line, VexlFileClass& record) {
    const auto parts = SplitElement(line);
    if (!parts) {
        return;
    }
    for (const ListedTag& tag : kListedTags) {
        if (parts->tag_text.find(tag.tag) != std::string_view::npos) {
            (record.*tag.field).append(UnescapeSavedText(parts->value));
            return;
        }
    }
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
    while (source.Next(line)) {
        if (line.find("</FRAYMARK_CHARACTER") != std::string::npos) {
            return;
        }
        AssignListed(line, *record);
    }
    record->read_error = source.ReadError();
}

void VexlFileClass::LoadCharacter() {
    Clear();
    const std::filesystem::path directory = WorkspacePath(kCharacterXmlDirectory);
    const ReadContext silent{nullptr, directory, 0};
    for (const std::filesystem::path& file : ListDataFiles(directory, ".xml", silent).files) {
        auto record = std::make_unique<VexlFileClass>();
        record->file_name = file.filename().string();
        ParseCXML(file, record.get());
        AddTail(std::move(record));
    }
}

VexlFileClass* VexlFileClass::Find(std::string_view name) {
    for (VexlFileClass* p = pHead.get(); p; p = p->next.get()) {
        if (p->character_name.find(name) != std::string::npos) {
            return p;
        }
    }
    return nullptr;
}
