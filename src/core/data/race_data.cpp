#include "core/data/race_data.h"

#include "core/data/data_reader.h"

CharacterRace CRace;

namespace {

using R = CharacterRace;

// Test order: the first tag found in an element's tag text wins. No tag here occurs inside
// another, and "<AGEDIE_", "<HEIGHTDIE_", "<WEIGHTDIE_" keep their underscore apart from
// the "...ROLLS" tags.
const TagRule<R> kRaceTags[] = {
    {"<NAME", ValueKind::kRunningText, &R::name},
    {"<SEX", ValueKind::kRunningText, &R::sex},
    {"<RSID", ValueKind::kInteger, &R::rsid},
    {"<BOOK", ValueKind::kInteger, &R::book},
    {"<SIZE", ValueKind::kInteger, &R::size},
    {"<MOVE", ValueKind::kInteger, &R::move},
    {"<FLY", ValueKind::kInteger, &R::fly},
    {"<LANGUAGES", ValueKind::kListEntry, &R::languages, &R::languages_count},
    {"<RTEXT", ValueKind::kListEntry, &R::rtext, &R::rtext_count},
    {"<RTALENTS", ValueKind::kListEntry, &R::rtalents, &R::rtalents_count},
    {"<RDOWNSIDE", ValueKind::kListEntry, &R::rdownside, &R::rdownside_count},
    {"<MINSTR", ValueKind::kInteger, &R::minstr},
    {"<MAXSTR", ValueKind::kInteger, &R::maxstr},
    {"<MINDEX", ValueKind::kInteger, &R::mindex},
    {"<MAXDEX", ValueKind::kInteger, &R::maxdex},
    {"<MINCON", ValueKind::kInteger, &R::mincon},
    {"<MAXCON", ValueKind::kInteger, &R::maxcon},
    {"<MININT", ValueKind::kInteger, &R::minint},
    {"<MAXINT", ValueKind::kInteger, &R::maxint},
    {"<MINWIS", ValueKind::kInteger, &R::minwis},
    {"<MAXWIS", ValueKind::kInteger, &R::maxwis},
    {"<MINCHA", ValueKind::kInteger, &R::mincha},
    {"<MAXCHA", ValueKind::kInteger, &R::maxcha},
    {"<MINCOM", ValueKind::kInteger, &R::mincom},
    {"<MAXCOM", ValueKind::kInteger, &R::maxcom},
    {"<STRADJ", ValueKind::kInteger, &R::stradj},
    {"<DEXADJ", ValueKind::kInteger, &R::dexadj},
    {"<CONADJ", ValueKind::kInteger, &R::conadj},
    {"<INTADJ", ValueKind::kInteger, &R::intadj},
    {"<WISADJ", ValueKind::kInteger, &R::wisadj},
    {"<CHAADJ", ValueKind::kInteger, &R::chaadj},
    {"<COMADJ", ValueKind::kInteger, &R::comadj},
    {"<BP", ValueKind::kInteger, &R::bp},
    {"<ILLIGITMOD", ValueKind::kInteger, &R::illigitmod},
    {"<ILLIGITBIRTHMOD", ValueKind::kInteger, &R::illigitbirthmod},
    {"<BASEAGE", ValueKind::kInteger, &R::baseage},
    {"<AGEDIE_", ValueKind::kInteger, &R::agedie},
    {"<AGEDIEROLLS", ValueKind::kInteger, &R::agedierolls},
    {"<BASEHEIGHT", ValueKind::kInteger, &R::baseheight},
    {"<HEIGHTDIE_", ValueKind::kInteger, &R::heightdie},
    {"<HEIGHTDIEROLLS", ValueKind::kInteger, &R::heightdierolls},
    {"<BASEWEIGHT", ValueKind::kInteger, &R::baseweight},
    {"<WEIGHTDIE_", ValueKind::kInteger, &R::weightdie},
    {"<WEIGHTDIEROLLS", ValueKind::kInteger, &R::weightdierolls},
    {"<BASEPICKPOCKETS", ValueKind::kInteger, &R::basepickpockets},
    {"<BASEOPENLOCKS", ValueKind::kInteger, &R::baseopenlocks},
    {"<BASEFINDTRAPS", ValueKind::kInteger, &R::basefindtraps},
    {"<BASEREMOVETRAPS", ValueKind::kInteger, &R::baseremovetraps},
    {"<BASEMOVESILENTLY", ValueKind::kInteger, &R::basemovesilently},
    {"<BASEHIDEINSHADOWS", ValueKind::kInteger, &R::basehideinshadows},
    {"<BASEDETECTNOISE", ValueKind::kInteger, &R::basedetectnoise},
    {"<BASECLIMBWALLS", ValueKind::kInteger, &R::baseclimbwalls},
    {"<BASEREADLANGUAGES", ValueKind::kInteger, &R::basereadlanguages},
    {"<LEVELLIMIT", ValueKind::kListEntry, &R::levellimit, &R::levellimit_count},
    {"<TALENT", ValueKind::kListEntry, &R::talent, &R::talent_count},
};

const FieldSpec<R> kRaceFields[] = {
    {"rsid", &R::rsid},
    {"name", &R::name},
    {"sex", &R::sex},
    {"book", &R::book},
    {"size", &R::size},
    {"move", &R::move},
    {"fly", &R::fly},
    {"languages", &R::languages},
    {"rtext", &R::rtext},
    {"rtalents", &R::rtalents},
    {"rdownside", &R::rdownside},
    {"languages_count", &R::languages_count},
    {"rtext_count", &R::rtext_count},
    {"rtalents_count", &R::rtalents_count},
    {"rdownside_count", &R::rdownside_count},
    {"minstr", &R::minstr},
    {"maxstr", &R::maxstr},
    {"mindex", &R::mindex},
    {"maxdex", &R::maxdex},
    {"mincon", &R::mincon},
    {"maxcon", &R::maxcon},
    {"minint", &R::minint},
    {"maxint", &R::maxint},
    {"minwis", &R::minwis},
    {"maxwis", &R::maxwis},
    {"mincha", &R::mincha},
    {"maxcha", &R::maxcha},
    {"mincom", &R::mincom},
    {"maxcom", &R::maxcom},
    {"stradj", &R::stradj},
    {"dexadj", &R::dexadj},
    {"conadj", &R::conadj},
    {"intadj", &R::intadj},
    {"wisadj", &R::wisadj},
    {"chaadj", &R::chaadj},
    {"comadj", &R::comadj},
    {"bp", &R::bp},
    {"illigitmod", &R::illigitmod},
    {"illigitbirthmod", &R::illigitbirthmod},
    {"baseage", &R::baseage},
    {"agedie", &R::agedie},
    {"agedierolls", &R::agedierolls},
    {"baseheight", &R::baseheight},
    {"heightdie", &R::heightdie},
    {"heightdierolls", &R::heightdierolls},
    {"baseweight", &R::baseweight},
    {"weightdie", &R::weightdie},
    {"weightdierolls", &R::weightdierolls},
    {"levellimit", &R::levellimit},
    {"talent", &R::talent},
    {"levellimit_count", &R::levellimit_count},
    {"talent_count", &R::talent_count},
    {"basepickpockets", &R::basepickpockets},
    {"baseopenlocks", &R::baseopenlocks},
    {"basefindtraps", &R::basefindtraps},
    {"baseremovetraps", &R::baseremovetraps},
    {"basemovesilently", &R::basemovesilently},
    {"basehideinshadows", &R::basehideinshadows},
    {"basedetectnoise", &R::basedetectnoise},
    {"baseclimbwalls", &R::baseclimbwalls},
    {"basereadlanguages", &R::basereadlanguages},
};

} // namespace

std::span<const TagRule<R>> CharacterRace::Tags() {
    return kRaceTags;
}

std::span<const FieldSpec<R>> CharacterRace::Fields() {
    return kRaceFields;
}

void CharacterRace::LoadRace() {
    LoadRulesList<CharacterRace>(nullptr);
}

void CharacterRace::ParseRaceXML(const std::filesystem::path& file, CharacterRace* record) {
    if (record) {
        ReadRecordFile(file, *record, nullptr);
    }
}
