// The spell book: which spells a caster may hold, learning Magic-User spells by the roll,
// choosing Priest spells, and the book kept in the character file.
#include "core/advance/spell_book.h"

#include <sstream>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/dice/dice.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/wizard/spell_access.h"
#include "step_fixture.h"

namespace {

CharacterSpell& AddSpell(const std::string& name, const char* type, int level, int book = 0) {
    CharacterSpell& spell = AddRecord<CharacterSpell>(name);
    spell.type = type;
    spell.level = level;
    spell.book = book;
    spell.specialization = "Evocation";
    return spell;
}

// A wizard casting spells of level 1 at level 1, up to 5 at level 9; a cleric alike.
CharacterClass& AddCaster(const std::string& name, bool mage) {
    CharacterClass& record = AddRecord<CharacterClass>(name);
    (mage ? record.mage : record.cleric) = 1;
    for (int level = 1; level <= 9; ++level) {
        record.spelllevel[level] = (level + 1) / 2;
    }
    return record;
}

class SpellBookTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        current_character.intelligence_base = 18; // 9th level, 85% to learn, 18 a level
        AddCaster("Wizard", true);
        AddCaster("Cleric", false);
        wizard = &AddRecord<ClassDataItem>("Wizard");
        wizard->level = 1;
    }

    static std::vector<std::string> Open() {
        std::vector<std::string> names;
        for (const CharacterSpell* spell : SpellsOpenToCharacter()) {
            names.push_back(spell->name);
        }
        return names;
    }

    ClassDataItem* wizard = nullptr;
};

TEST_F(SpellBookTest, TheClassGroupBookClassLevelAndIntelligenceDecideWhatIsOpen) {
    AddSpell("Spark", kMagicUserSpells, 1);
    AddSpell("Far Spark", kMagicUserSpells, 1, 1); // a book switched off
    AddSpell("Flare", kMagicUserSpells, 2);
    AddSpell("Deep Flare", kMagicUserSpells, 5);
    AddSpell("Blessing", kPriestSpells, 1);
    AddSpell("Hum", "Bard", 1);
    BooksToUse[1] = 0;
    EXPECT_EQ(Open(), (std::vector<std::string>{"Spark"}));
    wizard->level = 3;
    EXPECT_EQ(Open(), (std::vector<std::string>{"Spark", "Flare"}));
    wizard->level = 9;
    EXPECT_EQ(Open(), (std::vector<std::string>{"Spark", "Flare", "Deep Flare"}));
    current_character.intelligence_base = 9; // "4th"
    EXPECT_EQ(HighestSpellLevel(kMagicUserSpells), 4);
    EXPECT_EQ(Open(), (std::vector<std::string>{"Spark", "Flare"}));

    AddRecord<ClassDataItem>("Cleric").level = 1; // two classes: both kinds of spells
    EXPECT_EQ(Open(), (std::vector<std::string>{"Spark", "Flare", "Blessing"}));
    BooksToUse[1] = 1;
    EXPECT_EQ(Open().size(), 4u);
}

TEST_F(SpellBookTest, ARollOfTheChanceLearnsAFailureWaitsForTheNextLevel) {
    AddSpell("Spark", kMagicUserSpells, 1).pages = 3;
    AddSpell("Glow", kMagicUserSpells, 1);
    SpellBookStep book;
    QueueDieFaces({85});
    ASSERT_TRUE(book.Learn("Spark"));
    EXPECT_EQ(book.Told(), "Spark learned");
    EXPECT_EQ(Lines().back(), "Rolling d100 to learn Spark: 85 against 85%: learned");

    QueueDieFaces({86});
    ASSERT_TRUE(book.Learn("Glow"));
    EXPECT_EQ(book.Told(), "Glow not learned: 86 against 85%");
    EXPECT_EQ(book.Learn("Glow").refusal(),
              "Glow was not learned at level 1: it may be tried again at the next level");
    EXPECT_EQ(book.Learn("Spark").refusal(), "Spark is in the book already");
    wizard->level = 2;
    QueueDieFaces({10});
    ASSERT_TRUE(book.Learn("Glow"));
    EXPECT_EQ(book.BookRows(),
              (std::vector<std::vector<std::string>>{{"Spark", "1", "3"}, {"Glow", "1", "1"}}));
    EXPECT_EQ(SpellAttemptItem::pHead, nullptr);

    ASSERT_TRUE(book.Remove(0));
    EXPECT_EQ(Lines().back(), "Striking the spell Spark from the book");
    EXPECT_EQ(book.ShopRows(0).size(), 1u);
}

TEST_F(SpellBookTest, IntelligenceLimitsTheSpellsOfALevelUnlessItSaysAll) {
    current_character.intelligence_base = 9; // 6 a level
    for (int i = 0; i < 7; ++i) {
        AddSpell("Spell " + std::to_string(i), kMagicUserSpells, 1);
    }
    SpellBookStep book;
    for (int i = 0; i < 6; ++i) {
        QueueDieFaces({1});
        ASSERT_TRUE(book.Learn("Spell " + std::to_string(i)));
    }
    EXPECT_EQ(book.Learn("Spell 6").refusal(),
              "The book holds 6 spells of level 1, the most Intelligence allows");
    current_character.intelligence_base = 19; // "all"
    EXPECT_EQ(MostSpellsPerLevel(), std::nullopt);
    QueueDieFaces({1});
    EXPECT_TRUE(book.Learn("Spell 6"));
}

TEST_F(SpellBookTest, PriestSpellsAreChosenAndTheBookIsKeptInTheFile) {
    AddSpell("Blessing", kPriestSpells, 1);
    AddSpell("Spark", kMagicUserSpells, 1);
    AddRecord<ClassDataItem>("Cleric").level = 1;
    SpellBookStep book;
    ASSERT_TRUE(book.Learn("Blessing")); // no roll queued: none is made
    EXPECT_EQ(Lines().back(), "Taking the Priest spell Blessing of level 1");
    QueueDieFaces({99});
    ASSERT_TRUE(book.Learn("Spark"));

    std::ostringstream saved;
    WriteCharacterFile(saved);
    WriteFile("CharacterXML/Book.xml", saved.str());
    Clear_All();
    XMLRead().ReadCharacterFile((workspace / "CharacterXML/Book.xml").string());
    std::ostringstream again;
    WriteCharacterFile(again);
    const auto book_of = [](const std::string& file) {
        const std::size_t from = file.find("<SPELL_SECTION>");
        return file.substr(from, file.find("<FAMILY_INFORMATION>") - from);
    };
    EXPECT_EQ(book_of(again.str()), book_of(saved.str()));
    EXPECT_EQ(book_of(saved.str()),
              "<SPELL_SECTION>\n<SPELLNAME>Blessing</SPELLNAME>\n"
              "<SPELLPAGES>1</SPELLPAGES>\n</SPELL_SECTION>\n"
              "<FAILED_SPELL_SECTION>\n<FAILEDSPELLNAME>Spark</FAILEDSPELLNAME>\n"
              "<FAILEDSPELLLEVEL>1</FAILEDSPELLLEVEL>\n</FAILED_SPELL_SECTION>\n");
    EXPECT_EQ(SpellBookEntryText("Blessing", 1), "level 1, Evocation, 1 page");
}

TEST_F(SpellBookTest, TheShopOffersTheBookToACasterWhoseBookIsEmpty) {
    port.AnswerYes();
    EXPECT_EQ(ShopClosed(), StepExit::kSpellCaster);
    EXPECT_EQ(port.questions.back().message, kOpenSpellBookQuestion);
    port.AnswerNo();
    EXPECT_EQ(ShopClosed(), StepExit::kContinue);
    current_character.spells.AddTail(MakeItem<SpellDataItem>("Spark", 1));
    EXPECT_EQ(ShopClosed(), StepExit::kContinue); // a book already: no question
    ClassDataItem::Clear();
    current_character.spells.Clear();
    EXPECT_EQ(ShopClosed(), StepExit::kContinue); // no caster: no question
    EXPECT_EQ(port.questions.size(), 2u);
}

} // namespace
