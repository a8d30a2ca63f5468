// What a character file carries must come back: every saved field of the field table into its
// own member, whatever a player can type, and the references older files hold.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/files/saved_text.h"

namespace {

// Something in every field the file carries: field n gets the number n + 2 or the text
// `text(n)`, each list an item, the class two entries with some history.
void FillEverySavedField(const std::function<std::string(int)>& text) {
    int n = 0;
    for (const CharacterField& field : CharacterFields()) {
        ++n;
        FillPlainField(field, n + 2, text(n));
    }
    Character_Class& c = current_character;
    c.class_item = CharacterClass::pHead.get();
    c.class_long_name = "Fighter"; // found again, so the backgrounds are written again
    SkillDataItem::AddTail(MakeItem<SkillDataItem>(text(++n), 45));
    SpellDataItem::AddTail(MakeItem<SpellDataItem>(text(++n), 2));
    TalentDataItem::AddTail(MakeItem<TalentDataItem>(text(++n), 1));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>(text(++n), 3));
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>(text(++n), 4));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>(text(++n), 6));
    for (int i = 0; i < kSiblingLines; ++i) {
        SetSiblingLine(i, text(++n).substr(0, kSiblingLineSize - 1));
    }
    auto fighter = MakeClassEntry("Fighter", 3);
    fighter->experience = 1234567.5f; // neither six digits nor a whole number reads back
    fighter->read_languages[3] = 15;
    ClassDataItem::AddTail(std::move(fighter));
    auto second = MakeClassEntry(text(++n), 2);
    second->pick_pockets[2] = 40;
    ClassDataItem::AddTail(std::move(second));
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

class CharacterFileRoundTripTest : public CharacterFileTest {};

TEST_F(CharacterFileRoundTripTest, EverySavedFieldComesBackIntoItsOwnMember) {
    // A class of all three backgrounds, so every background field is written.
    WriteFile("Classes/FighterClass.qdf",
              DataRecord("CHARACTER_CLASS", "<NAME>Fighter</NAME>\n<FIGHTER>1</FIGHTER>\n"
                                            "<MAGE>1</MAGE>\n<CLERIC>1</CLERIC>\n"));
    // Round 0 gives every field a text of its own, so a field read into another member shows;
    // each later round gives the fields what a player may type, shifted by one.
    constexpr std::size_t kTexts = std::size(kTypedTexts);
    for (std::size_t round = 0; round <= kTexts; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        Read(""); // an empty record, the classes loaded
        FillEverySavedField([&](int n) {
            return round == 0 ? "Text " + std::to_string(n) : kTypedTexts[(n + round) % kTexts];
        });
        // Written again from what was read, the file shows any field lost or read into
        // another member.
        const std::string first = Written();
        const CharacterReadReport report = Read(first);
        EXPECT_TRUE(report.complete);
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();
        EXPECT_EQ(Written(), first);
    }
}

TEST_F(CharacterFileRoundTripTest, ReferencesOfOlderFilesAndBareAmpersands) {
    const std::pair<std::string, std::string> cases[] = {
        {"Sword & Shield", "Sword & Shield"}, // written before texts were escaped
        {"R&D;", "R&D;"},
        {"&amp;amp;", "&amp;"},
        {"&#65;&#x42;&quot;&apos;", "AB\"'"},
        {"&#0;", std::string(1, '\0')},
        {"&#xD800; &#99999999; &#; &", "&#xD800; &#99999999; &#; &"},
        {"&#233;", "\xC3\xA9"},
    };
    for (const auto& [saved, read] : cases) {
        EXPECT_EQ(UnescapeSavedText(saved), read) << saved;
    }
    EXPECT_EQ(EscapeSavedText("<a & b>\t\x7F"), "&lt;a &amp; b&gt;&#9;&#127;");
}

} // namespace
