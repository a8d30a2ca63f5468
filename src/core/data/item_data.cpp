#include "core/data/item_data.h"

#include <algorithm>

#include "core/data/data_reader.h"
#include "core/model/text.h"

CharacterSkill CSkill;
CharacterTalent CTalent;
CharacterProf CProfs;
CharacterSpell CSpell;
CharacterEquip CEquip;

// Each table below is in test order: the first tag found in an element's tag text wins.

namespace {

using S = CharacterSkill;
const TagRule<S> kSkillTags[] = {
    {"<NAME", ValueKind::kRunningText, &S::name},
    {"<BOOK", ValueKind::kInteger, &S::book},
    {"<BP", ValueKind::kInteger, &S::bp},
    {"<EP_ADJ", ValueKind::kInteger, &S::ep_adj},
    {"<COURSE_COST", ValueKind::kInteger, &S::ep_adj},
    {"<COURSE_DIE", ValueKind::kInteger, &S::course_die},
    {"<NUM_OF_COURSE_DIE", ValueKind::kInteger, &S::num_of_course_die},
    {"<DIFFICULTY", ValueKind::kInteger, &S::difficulty},
    {"<CATEGORY", ValueKind::kInteger, &S::category},
    {"<PAGE", ValueKind::kText, &S::page},
    {"<MASTERY_ABILITIES", ValueKind::kText, &S::mastery_abilities},
    {"<COURSE_PREREQS", ValueKind::kListEntry, &S::course_prereqs, &S::course_prereqs_count},
    {"<SKILL_SUITE_SUBS", ValueKind::kListEntry, &S::skill_suite_subs, &S::skill_suite_subs_count},
    {"<EXTEND", ValueKind::kFlag, &S::extend},
};
const FieldSpec<S> kSkillFields[] = {
    {"name", &S::name},
    {"bp", &S::bp},
    {"book", &S::book},
    {"page", &S::page},
    {"ep_adj", &S::ep_adj},
    {"mastery_abilities", &S::mastery_abilities},
    {"course_die", &S::course_die},
    {"num_of_course_die", &S::num_of_course_die},
    {"difficulty", &S::difficulty},
    {"course_prereqs", &S::course_prereqs},
    {"skill_suite_subs", &S::skill_suite_subs},
    {"course_prereqs_count", &S::course_prereqs_count},
    {"skill_suite_subs_count", &S::skill_suite_subs_count},
    {"category", &S::category},
    {"extend", &S::extend},
};

using T = CharacterTalent;
const TagRule<T> kTalentTags[] = {
    {"<NAME", ValueKind::kRunningText, &T::name},
    {"<BOOK", ValueKind::kInteger, &T::book},
    {"<BP", ValueKind::kInteger, &T::bp},
    {"<EP_ADJ", ValueKind::kInteger, &T::ep_adj},
    {"<PAGE", ValueKind::kText, &T::page},
    {"<MAX", ValueKind::kInteger, &T::max},
    {"<EXTEND", ValueKind::kFlag, &T::extend},
    {"<DESCRIPTION", ValueKind::kText, &T::description},
};
const FieldSpec<T> kTalentFields[] = {
    {"name", &T::name},     {"bp", &T::bp},
    {"book", &T::book},     {"page", &T::page},
    {"ep_adj", &T::ep_adj}, {"max", &T::max},
    {"extend", &T::extend}, {"description", &T::description},
};

using P = CharacterProf;
const TagRule<P> kProfTags[] = {
    {"<NAME", ValueKind::kRunningText, &P::name}, {"<BOOK", ValueKind::kInteger, &P::book},
    {"<TYPE", ValueKind::kInteger, &P::type},     {"<SPCOST", ValueKind::kInteger, &P::spcost},
    {"<EXTEND", ValueKind::kFlag, &P::extend},
};
const FieldSpec<P> kProfFields[] = {
    {"name", &P::name}, {"book", &P::book},     {"spcost", &P::spcost},
    {"type", &P::type}, {"extend", &P::extend},
};

using M = CharacterSpell;
const TagRule<M> kSpellTags[] = {
    {"<NAME", ValueKind::kRunningText, &M::name},
    {"<BOOK", ValueKind::kInteger, &M::book},
    {"<LEVEL", ValueKind::kInteger, &M::level},
    {"<TYPE", ValueKind::kRunningText, &M::type},
    {"<SPECIALIZATION", ValueKind::kRunningText, &M::specialization},
    {"<RANGE", ValueKind::kRunningText, &M::range},
    {"<COMPONENT", ValueKind::kRunningText, &M::component},
    {"<DURATION", ValueKind::kRunningText, &M::duration},
    {"<CASTING_TIME", ValueKind::kRunningText, &M::casting_time},
    {"<AREA_OF_EFFECT", ValueKind::kText, &M::area_of_effect},
    {"<SAVING_THROW", ValueKind::kText, &M::saving_throw},
    {"<CATEGORY", ValueKind::kRunningText, &M::category},
    {"<PAGES", ValueKind::kInteger, &M::pages},
};
const FieldSpec<M> kSpellFields[] = {
    {"name", &M::name},
    {"book", &M::book},
    {"type", &M::type},
    {"specialization", &M::specialization},
    {"range", &M::range},
    {"component", &M::component},
    {"duration", &M::duration},
    {"casting_time", &M::casting_time},
    {"area_of_effect", &M::area_of_effect},
    {"saving_throw", &M::saving_throw},
    {"level", &M::level},
    {"category", &M::category},
    {"spare_text", &M::spare_text},
    {"pages", &M::pages},
};

using E = CharacterEquip;
// "<START_CATEGORY" does not contain "<CATEGORY" ("<START_" stands before it), so testing
// "<CATEGORY" first keeps the two apart.
const TagRule<E> kEquipTags[] = {
    {"<NAME", ValueKind::kRunningText, &E::name},
    {"<TABLEID", ValueKind::kInteger, &E::tableid},
    {"<WEIGHT", ValueKind::kDecimal, &E::weight},
    {"<COST_IN_GOLD", ValueKind::kCost, &E::cost, nullptr, &E::cost_unit, "Gold"},
    {"<COST_IN_SILVER", ValueKind::kCost, &E::cost, nullptr, &E::cost_unit, "Silver"},
    {"<COST_IN_COPPER", ValueKind::kCost, &E::cost, nullptr, &E::cost_unit, "Copper"},
    {"<COMBINE", ValueKind::kFlag, &E::combine},
    {"<CATEGORY", ValueKind::kListEntry, &E::categories, &E::categories_count},
    {"<START_CATEGORY", ValueKind::kListReset, &E::categories, &E::categories_count},
};
const FieldSpec<E> kEquipFields[] = {
    {"categories", &E::categories},
    {"categories_count", &E::categories_count},
    {"name", &E::name},
    {"weight", &E::weight},
    {"tableid", &E::tableid},
    {"cost", &E::cost},
    {"cost_unit", &E::cost_unit},
    {"combine", &E::combine},
};

} // namespace

std::span<const TagRule<S>> CharacterSkill::Tags() {
    return kSkillTags;
}
std::span<const FieldSpec<S>> CharacterSkill::Fields() {
    return kSkillFields;
}
std::span<const TagRule<T>> CharacterTalent::Tags() {
    return kTalentTags;
}
std::span<const FieldSpec<T>> CharacterTalent::Fields() {
    return kTalentFields;
}
std::span<const TagRule<P>> CharacterProf::Tags() {
    return kProfTags;
}
std::span<const FieldSpec<P>> CharacterProf::Fields() {
    return kProfFields;
}
std::span<const TagRule<M>> CharacterSpell::Tags() {
    return kSpellTags;
}
std::span<const FieldSpec<M>> CharacterSpell::Fields() {
    return kSpellFields;
}
std::span<const TagRule<E>> CharacterEquip::Tags() {
    return kEquipTags;
}
std::span<const FieldSpec<E>> CharacterEquip::Fields() {
    return kEquipFields;
}

void CharacterSkill::LoadSkill() {
    LoadRulesList<CharacterSkill>(nullptr);
}
void CharacterTalent::LoadTalent() {
    LoadRulesList<CharacterTalent>(nullptr);
}
void CharacterProf::LoadProfs() {
    LoadRulesList<CharacterProf>(nullptr);
}
void CharacterSpell::LoadSpell() {
    LoadRulesList<CharacterSpell>(nullptr);
}
void CharacterEquip::LoadEquip() {
    LoadRulesList<CharacterEquip>(nullptr);
}

void CharacterSkill::ParseSkillXML(const std::filesystem::path& file, CharacterSkill* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}
void CharacterTalent::ParseTalentXML(const std::filesystem::path& file, CharacterTalent* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}
void CharacterProf::ParseProfXML(const std::filesystem::path& file, CharacterProf* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}
void CharacterSpell::ParseSpellXML(const std::filesystem::path& file, CharacterSpell* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}
void CharacterEquip::ParseEquipXML(const std::filesystem::path& file, CharacterEquip* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}

int SpellPages(const CharacterSpell& spell) {
    return spell.pages > 0 ? spell.pages : std::max(spell.level, 1);
}

std::string SpellBookEntryText(const std::string& name, int pages) {
    const std::string page_text = Printf("%i %s", pages, pages == 1 ? "page" : "pages");
    if (const CharacterSpell* spell = CharacterSpell::Named(name)) {
        return Printf("level %i, %s, ", spell->level, spell->specialization.c_str()) + page_text;
    }
    return page_text;
}
