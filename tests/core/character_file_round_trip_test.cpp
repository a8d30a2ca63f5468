// What a character file carries must come back: every shipped multi-class keeps its class,
// whatever a player can type survives save and open, and the experience reads back exactly.
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/files/saved_character_tags.h"
#include "core/files/saved_text.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "support/sample_character.h"
#include "support/workspace_fixture.h"

namespace {

std::unique_ptr<ClassDataItem> ClassEntry(const std::string& name) {
    auto entry = std::make_unique<ClassDataItem>();
    entry->name = name;
    entry->level = 1;
    return entry;
}

class CharacterFileRoundTripTest : public WorkspaceTest {
protected:
    static std::string Written() {
        std::ostringstream out;
        WriteCharacterFile(out);
        return out.str();
    }

    // Empties the record, loads the workspace's classes afresh and reads `text`.
    static CharacterReadReport Read(const std::string& text) {
        ResetProgramForTests();
        CClass.LoadClass();
        std::istringstream in(text);
        return XMLRead().ReadCharacterStream(in);
    }

    static CharacterClass* ClassNamed(const std::string& name) {
        for (CharacterClass* cls = CharacterClass::pHead.get(); cls; cls = cls->next.get()) {
            if (cls->name == name) {
                return cls;
            }
        }
        return nullptr;
    }
};

TEST_F(CharacterFileRoundTripTest, EveryShippedMultiClassKeepsItsClassAndItsBackgrounds) {
    std::filesystem::copy(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata/Classes",
                          workspace / "Classes");
    CClass.LoadClass();
    std::vector<std::string> multi_classes;
    for (const CharacterClass* cls = CharacterClass::pHead.get(); cls; cls = cls->next.get()) {
        if (cls->name.find('/') != std::string::npos) {
            multi_classes.push_back(cls->name);
        }
    }
    ASSERT_EQ(multi_classes.size(), 6u);
    for (const std::string& name : multi_classes) {
        ResetProgramForTests();
        CClass.LoadClass();
        Character_Class& c = current_character;
        c.class_long_name = name;
        c.class_item = ClassNamed(name);
        c.level = 1;
        // One entry per single class the name joins, in list order, as the class step makes
        // them: "Wizard/Thief" lists Thief before Wizard.
        for (const CharacterClass* cls = CharacterClass::pHead.get(); cls; cls = cls->next.get()) {
            if (cls->name.find('/') == std::string::npos &&
                name.find(cls->name) != std::string::npos) {
                ClassDataItem::AddTail(ClassEntry(cls->name));
            }
        }
        ASSERT_EQ(ClassDataItem::Count(), 2u) << name;
        // Every background the class can have, so a wrong class record drops one.
        c.requires_hwg_class = c.requires_wg_class = c.requires_vg_class = true;
        c.school_location = "Far Tower";
        c.camp_type = "Mountain Camp";
        c.vg_the_call = "A dream";
        const std::string first = Written();
        const CharacterReadReport report = Read(first);
        EXPECT_TRUE(report.problems.empty()) << name;
        ASSERT_NE(current_character.class_item, nullptr) << name;
        EXPECT_EQ(current_character.class_item->name, name);
        EXPECT_EQ(Written(), first) << name;
    }
}

// Texts as a player may type them into a name, a language or a tree edit.
const std::string kTypedTexts[] = {
    "Kira <the Quick> & Co",
    "a\ttab",
    std::string(300, 'x'),
    "</SIBLING1> and </FRAYMARK_CHARACTER>",
    "&amp; &lt; &#9; typed as such",
    "R&D; 5 > 3 < 4 &",
    "  blanks around  ",
    "line\r\nbreak",
    "Zo\xC3\xAB \xE2\x80\x94 \xF0\x9F\x97\xA1",
    "",
};

TEST_F(CharacterFileRoundTripTest, WhateverIsTypedIntoATextReadsBackExactly) {
    // A class of all three backgrounds, so every background text is written.
    WriteFile("Classes/FighterClass.qdf",
              DataRecord("CHARACTER_CLASS", "<NAME>Fighter</NAME>\n<FIGHTER>1</FIGHTER>\n"
                                            "<MAGE>1</MAGE>\n<CLERIC>1</CLERIC>\n"));
    constexpr std::size_t kTexts = std::size(kTypedTexts);
    for (std::size_t shift = 0; shift < kTexts; ++shift) {
        ResetProgramForTests();
        CClass.LoadClass();
        Character_Class& c = current_character;
        c.class_item = CharacterClass::pHead.get();
        c.requires_hwg_class = c.requires_wg_class = c.requires_vg_class = true;
        // Every saved text of the record gets one of the texts, each round another one.
        std::size_t next = shift;
        const auto text = [&] { return kTypedTexts[next++ % kTexts]; };
        for (const SavedTag& tag : SavedCharacterTags()) {
            std::visit(
                [&](const auto& field) {
                    using Field = std::decay_t<decltype(field)>;
                    if constexpr (std::is_same_v<Field, std::string Character_Class::*>) {
                        c.*field = text();
                    } else if constexpr (std::is_same_v<
                                             Field, std::vector<std::string> Character_Class::*>) {
                        c.*field = {text(), text()};
                    } else if constexpr (std::is_same_v<Field, SiblingLine>) {
                        SetSiblingLine(field.index, text().substr(0, kSiblingLineSize - 1));
                    }
                },
                tag.field);
        }
        c.class_long_name = "Fighter"; // found again, so the backgrounds are written again
        ClassDataItem::AddTail(ClassEntry(text()));
        SkillDataItem::AddTail(MakeItem<SkillDataItem>(text(), 45));
        EquipDataItem::AddTail(MakeItem<EquipDataItem>(text(), 2));
        SpellDataItem::AddTail(MakeItem<SpellDataItem>(text(), 3));
        const std::string first = Written();
        // Keep what was written, field by field.
        std::vector<std::string> before;
        const auto collect = [](std::vector<std::string>& out) {
            const Character_Class& r = current_character;
            for (const SavedTag& tag : SavedCharacterTags()) {
                std::visit(
                    [&](const auto& field) {
                        using Field = std::decay_t<decltype(field)>;
                        if constexpr (std::is_same_v<Field, std::string Character_Class::*>) {
                            out.push_back(tag.tag + ("=" + r.*field));
                        } else if constexpr (std::is_same_v<Field, std::vector<std::string>
                                                                       Character_Class::*>) {
                            for (const std::string& entry : r.*field) {
                                out.push_back(tag.tag + ("+" + entry));
                            }
                        } else if constexpr (std::is_same_v<Field, SiblingLine>) {
                            out.push_back(tag.tag + ("=" + std::string(r.sibling[field.index])));
                        }
                    },
                    tag.field);
            }
            out.push_back("class=" + ClassDataItem::pHead->name);
            out.push_back("skill=" + SkillDataItem::pHead->name);
            out.push_back("equipment=" + EquipDataItem::pHead->name);
            out.push_back("spell=" + SpellDataItem::pHead->name);
        };
        collect(before);
        const CharacterReadReport report = Read(first);
        EXPECT_TRUE(report.complete);
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();
        std::vector<std::string> after;
        collect(after);
        EXPECT_EQ(after, before) << "round " << shift;
        EXPECT_EQ(Written(), first);
    }
}

TEST_F(CharacterFileRoundTripTest, ExperienceReadsBackExactly) {
    for (const float experience : {1234567.0f, 16777215.0f, 2250000.0f, 0.1f, 1500.5f, 3.4e38f}) {
        ResetProgramForTests();
        ClassDataItem::AddTail(ClassEntry("Fighter"));
        ClassDataItem::pHead->experience = experience;
        Read(Written());
        ASSERT_EQ(ClassDataItem::Count(), 1u);
        EXPECT_EQ(ClassDataItem::pHead->experience, experience);
    }
}

TEST_F(CharacterFileRoundTripTest, ReferencesOfOlderFilesAndBareAmpersands) {
    const struct {
        std::string saved;
        std::string read;
    } cases[] = {
        {"Sword & Shield", "Sword & Shield"}, // written before texts were escaped
        {"R&D;", "R&D;"},
        {"&amp;amp;", "&amp;"},
        {"&#65;&#x42;&quot;&apos;", "AB\"'"},
        {"&#0;", std::string(1, '\0')},
        {"&#xD800; &#99999999; &#; &", "&#xD800; &#99999999; &#; &"},
        {"&#233;", "\xC3\xA9"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(UnescapeSavedText(k.saved), k.read) << k.saved;
    }
    EXPECT_EQ(EscapeSavedText("<a & b>\t\x7F"), "&lt;a &amp; b&gt;&#9;&#127;");
}

} // namespace
