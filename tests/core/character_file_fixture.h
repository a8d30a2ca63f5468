#pragma once

// The shared ground of the character file, sheet and list tests: the file written and read in
// memory, the sample character, and a record with something in every plain field.
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"
#include "support/sample_character.h"
#include "support/workspace_fixture.h"

class CharacterFileTest : public WorkspaceTest {
protected:
    static std::string Written() {
        std::ostringstream out;
        WriteCharacterFile(out);
        return out.str();
    }

    // Empties the record, loads the workspace's races and classes afresh and reads `text`.
    static CharacterReadReport Read(const std::string& text) {
        ResetProgramForTests();
        CRace.LoadRace();
        CClass.LoadClass();
        std::istringstream in(text);
        return XMLRead().ReadCharacterStream(in);
    }

    // A file of the given body lines between the root's tags.
    static std::string File(const std::string& body) {
        return "<?xml version=\"1.0\"?>\n<FRAYMARK_CHARACTER>\n" + body + "</FRAYMARK_CHARACTER>\n";
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    static int Count(const std::string& text, const std::string& part) {
        int count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }

    // Brenna in the record, her race and class written into the workspace and loaded.
    void MakeBrenna() const {
        WriteSampleRulesData(workspace);
        CRace.LoadRace();
        CClass.LoadClass();
        MakeSampleCharacter();
    }
};

inline std::unique_ptr<ClassDataItem> MakeClassEntry(const std::string& name, int level = 1) {
    auto entry = std::make_unique<ClassDataItem>();
    entry->name = name;
    entry->level = level;
    return entry;
}

// Puts `text` into a text field, `text` and another into an event list, `number` into a
// number and true into a flag; the lists of items and the arrays are left alone.
inline void FillPlainField(const CharacterField& field, int number, const std::string& text) {
    Character_Class& c = current_character;
    std::visit(
        [&](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, int32_t Character_Class::*>) {
                c.*member = number;
            } else if constexpr (std::is_same_v<Member, std::string Character_Class::*>) {
                c.*member = text;
            } else if constexpr (std::is_same_v<Member,
                                                std::vector<std::string> Character_Class::*>) {
                c.*member = {text, "and " + text};
            } else if constexpr (std::is_same_v<Member, bool Character_Class::*>) {
                c.*member = true;
            }
        },
        field.member);
}
