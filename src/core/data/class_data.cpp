#include "core/data/class_data.h"

#include "core/data/data_reader.h"

CharacterClass CClass;

namespace {

using C = CharacterClass;

// Test order: the first tag found in an element's tag text wins. "<THIEF" comes after
// "<THIEFPOINTS" and "<THIEFSKILLS"; "<HITDIE_" and "<AGEDIE_" keep their underscore so
// that "<HITDIEROLL" and "<AGEDIEROLLS" elements are not taken for them.
const TagRule<C> kClassTags[] = {
    {"<NAME", ValueKind::kRunningText, &C::name},
    {"<BOOK", ValueKind::kInteger, &C::book},
    {"<AGEDIE_", ValueKind::kInteger, &C::agedie},
    {"<AGEDIEROLLS", ValueKind::kInteger, &C::agedierolls},
    {"<KICKER", ValueKind::kInteger, &C::kicker},
    {"<BP", ValueKind::kInteger, &C::bp},
    {"<MONEYROLL", ValueKind::kInteger, &C::moneyroll},
    {"<SPECIALIZE", ValueKind::kInteger, &C::specialize},
    {"<STRROLLS", ValueKind::kInteger, &C::strrolls},
    {"<DEXROLLS", ValueKind::kInteger, &C::dexrolls},
    {"<CONROLLS", ValueKind::kInteger, &C::conrolls},
    {"<INTROLLS", ValueKind::kInteger, &C::introlls},
    {"<WISROLLS", ValueKind::kInteger, &C::wisrolls},
    {"<CHRROLLS", ValueKind::kInteger, &C::chrrolls},
    {"<COMROLLS", ValueKind::kInteger, &C::comrolls},
    {"<STRDIE", ValueKind::kInteger, &C::strdie},
    {"<DEXDIE", ValueKind::kInteger, &C::dexdie},
    {"<CONDIE", ValueKind::kInteger, &C::condie},
    {"<INTDIE", ValueKind::kInteger, &C::intdie},
    {"<CHRDIE", ValueKind::kInteger, &C::chrdie},
    {"<COMDIE", ValueKind::kInteger, &C::comdie},
    {"<SOCIALREQ", ValueKind::kInteger, &C::socialreq},
    {"<MINSTR", ValueKind::kDecimal, &C::minstr},
    {"<MAXSTR", ValueKind::kDecimal, &C::maxstr},
    {"<MINDEX", ValueKind::kDecimal, &C::mindex},
    {"<MAXDEX", ValueKind::kDecimal, &C::maxdex},
    {"<MINCON", ValueKind::kDecimal, &C::mincon},
    {"<MAXCON", ValueKind::kDecimal, &C::maxcon},
    {"<MININT", ValueKind::kDecimal, &C::minint},
    {"<MAXINT", ValueKind::kDecimal, &C::maxint},
    {"<MINWIS", ValueKind::kDecimal, &C::minwis},
    {"<MAXWIS", ValueKind::kDecimal, &C::maxwis},
    {"<MINCHA", ValueKind::kDecimal, &C::mincha},
    {"<MAXCHA", ValueKind::kDecimal, &C::maxcha},
    {"<MINCOM", ValueKind::kDecimal, &C::mincom},
    {"<MAXCOM", ValueKind::kDecimal, &C::maxcom},
    {"<TOHITAS", ValueKind::kInteger, &C::tohitas},
    {"<SAVEAS", ValueKind::kInteger, &C::saveas},
    {"<SAVEVARIANCE", ValueKind::kInteger, &C::savevariance},
    {"<SPELLJACK", ValueKind::kInteger, &C::spelljack},
    {"<TURNUNDEAD", ValueKind::kInteger, &C::turnundead},
    {"<XPTABLE", ValueKind::kIndexed, &C::xptable},
    {"<CONMULTIPLIER_", ValueKind::kIndexed, &C::conmultiplier},
    {"<HITDIE_", ValueKind::kIndexed, &C::hitdie},
    {"<HITDIEROLL", ValueKind::kIndexed, &C::hitdieroll},
    {"<HITPOINTBONUS", ValueKind::kIndexed, &C::hitpointbonus},
    {"<THIEFPOINTS", ValueKind::kIndexed, &C::thiefpoints},
    {"<PROFSLOTS", ValueKind::kIndexed, &C::profslots},
    {"<SPELLLEVEL", ValueKind::kIndexed, &C::spelllevel},
    {"<ALIGNMENT", ValueKind::kListEntry, &C::alignment},
    {"<THIEFSKILLS", ValueKind::kRunningText, &C::thiefskills},
    {"<WEAPON", ValueKind::kListEntry, &C::weapon, &C::weapon_count},
    {"<CLERIC", ValueKind::kInteger, &C::cleric},
    {"<FIGHTER", ValueKind::kInteger, &C::fighter},
    {"<MAGE", ValueKind::kInteger, &C::mage},
    {"<THIEF", ValueKind::kInteger, &C::thief},
};

const FieldSpec<C> kClassFields[] = {
    {"name", &C::name},
    {"book", &C::book},
    {"xptable", &C::xptable},
    {"conmultiplier", &C::conmultiplier},
    {"hitdie", &C::hitdie},
    {"hitdieroll", &C::hitdieroll},
    {"kicker", &C::kicker},
    {"hitpointbonus", &C::hitpointbonus},
    {"thiefpoints", &C::thiefpoints},
    {"profslots", &C::profslots},
    {"spelllevel", &C::spelllevel},
    {"bp", &C::bp},
    {"socialreq", &C::socialreq},
    {"alignment", &C::alignment},
    {"thiefskills", &C::thiefskills},
    {"moneyroll", &C::moneyroll},
    {"cleric", &C::cleric},
    {"fighter", &C::fighter},
    {"mage", &C::mage},
    {"thief", &C::thief},
    {"strrolls", &C::strrolls},
    {"dexrolls", &C::dexrolls},
    {"conrolls", &C::conrolls},
    {"introlls", &C::introlls},
    {"wisrolls", &C::wisrolls},
    {"chrrolls", &C::chrrolls},
    {"comrolls", &C::comrolls},
    {"strdie", &C::strdie},
    {"dexdie", &C::dexdie},
    {"condie", &C::condie},
    {"intdie", &C::intdie},
    {"wisdie", &C::wisdie},
    {"chrdie", &C::chrdie},
    {"comdie", &C::comdie},
    {"minstr", &C::minstr},
    {"maxstr", &C::maxstr},
    {"mindex", &C::mindex},
    {"maxdex", &C::maxdex},
    {"mincon", &C::mincon},
    {"maxcon", &C::maxcon},
    {"minint", &C::minint},
    {"maxint", &C::maxint},
    {"minwis", &C::minwis},
    {"maxwis", &C::maxwis},
    {"mincha", &C::mincha},
    {"maxcha", &C::maxcha},
    {"mincom", &C::mincom},
    {"maxcom", &C::maxcom},
    {"weapon", &C::weapon},
    {"weapon_count", &C::weapon_count},
    {"tohitas", &C::tohitas},
    {"saveas", &C::saveas},
    {"savevariance", &C::savevariance},
    {"spelljack", &C::spelljack},
    {"turnundead", &C::turnundead},
    {"agedie", &C::agedie},
    {"agedierolls", &C::agedierolls},
    {"specialize", &C::specialize},
};

} // namespace

std::span<const TagRule<C>> CharacterClass::Tags() {
    return kClassTags;
}

std::span<const FieldSpec<C>> CharacterClass::Fields() {
    return kClassFields;
}

void CharacterClass::LoadClass() {
    LoadRulesList<CharacterClass>(nullptr);
}

void CharacterClass::ParseCXML(const std::filesystem::path& file, CharacterClass* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}

bool IsThiefType(const ClassDataItem& item) {
    const CharacterClass* record = CharacterClass::Named(item.name);
    return record && record->thief == 1;
}

ClassDataItem* ThiefSkillItem() {
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        if (IsThiefType(*item)) {
            return item;
        }
    }
    return nullptr;
}
