// The field table: every tagged field is read back into its own member, and "New Character"
// empties every field but the kept ones.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/files/saved_character_tags.h"
#include "support/scripted_port.h"

namespace {

bool IsEmpty(const CharacterField& field) {
    const Character_Class& c = current_character;
    return std::visit(
        [&](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, SpecialField>) {
                return true; // the lists and arrays are checked by name below
            } else {
                return c.*member == std::remove_cvref_t<decltype(c.*member)>{};
            }
        },
        field.member);
}

TEST(CharacterFields, NamesAndMembersAreUniqueAndEveryTaggedFieldIsReadBackIntoItself) {
    std::set<std::string_view> names;
    const auto fields = CharacterFields();
    for (const CharacterField& field : fields) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        // The reader and the writer both take a tag's member from here: a field given another
        // field's member would be written and read back without either noticing.
        for (const CharacterField& other : fields) {
            EXPECT_TRUE(&other == &field || !(other.member == field.member))
                << field.name << " and " << other.name << " share a member";
        }
        if (field.file_tag.empty() || std::holds_alternative<SpecialField>(field.member)) {
            continue;
        }
        // The reader takes an element by the first tag of its test order the element holds, so
        // a field whose tag another tag shadows would be read into the wrong member.
        const SavedTag* tag = MatchSavedTag("<" + std::string(field.file_tag));
        ASSERT_NE(tag, nullptr) << field.name;
        std::visit(
            [&](const auto& read_into) {
                using Read = std::decay_t<decltype(read_into)>;
                if constexpr (std::is_constructible_v<FieldMember, Read>) {
                    EXPECT_TRUE(FieldMember(read_into) == field.member) << field.name;
                } else {
                    ADD_FAILURE() << field.name << " is read as something else";
                }
            },
            tag->field);
    }
}

class NewCharacterTest : public WorkspaceTest {
protected:
    ScriptedPort port;
};

TEST_F(NewCharacterTest, EmptiesEveryFieldButTheKeptOnes) {
    for (const CharacterField& field : CharacterFields()) {
        FillPlainField(field, 7, "filled");
    }
    current_character.thief_skill[8] = 30;
    current_character.quirk_count[17] = 2;
    current_character.skills.AddTail(MakeItem<SkillDataItem>("Climbing", 40));
    current_character.classes.AddTail(std::make_unique<ClassDataItem>());
    SetSiblingLine(0, "Older brother");

    Clear_All();
    for (const CharacterField& field : CharacterFields()) {
        if (field.on_new == OnNewCharacter::kCleared) {
            EXPECT_TRUE(IsEmpty(field)) << field.name;
        }
    }
    const Character_Class& c = current_character;
    EXPECT_EQ(c.thief_skill[8], 0);
    EXPECT_EQ(c.quirk_count[17], 0);
    EXPECT_EQ(SkillDataItem::pHead, nullptr);
    EXPECT_EQ(ClassDataItem::pHead, nullptr);
    ASSERT_EQ(EquipDataItem::Count(), 1u);
    EXPECT_EQ(EquipDataItem::pHead->name, "Starting Clothes");
    EXPECT_STREQ(c.sibling[0], "Older brother") << "the family step writes the siblings afresh";

    ResetProgramForTests();
    EXPECT_STREQ(current_character.sibling[0], "");
    EXPECT_EQ(EquipDataItem::pHead, nullptr);
}

} // namespace
