#include "core/gm/honor_awards.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

#include "core/data/data_numbers.h"

// clang-format off
const std::array<const char*, kHonorNotes> NoteBuffer = {
    "Notes",
    "Paladins, dark knights, cavaliers and knigh errants earn double Honor points for this action (add it twice)",
    "Includes stares, rude comments, disaproving glances, being 'eye-balled', etc",
    "Remember that perception often belays intent",
    "Includes tolerating bad service or rude behavior from merchants, waitstaff, barkeeps and hirelings",
    "ONLY if the character's class or race allows the use of such items",
    "For example, losing a haggle exchange or paying good money for bad or shoddy products",
    "Includes authority figures like guards, nobles, etc. Awartd points only if figuring being disparaged is in a position to do something about it",
    "If the character is witnessed humiliating an honorable character it could backfire resulting in the heckler taking a hit on honor as well",
    "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' first",
    "Includes doing ALL the work",
    "Note that this includes using the last of the toilet paper (without letting anyone know)",
    "Severity Level - Critical hits to the groin actually cause a loss of Honor equal to the amount indicated",
    "Where applicable, an evil cleric gains Honor and a good cleric loses HONOR for the recerse of these actions",
    "The token must be from a foe of equal or greater level/hit dice and be a significant portion of the foe",
    "See definitions of Name level in GMG Chapter 17 Schools and Training",
    "Evil characters must make an Honor check to establish believability of the lie and thus gain the Honor",
    "So others may be treated first or so the adventure isn't delayed or hindered",
    "See Table PHB 5B",
    "+50% of character's Honor",
    "+10% of Character's Honor",
    "+5 per level",
    "Lose 75% of Honor",
    "+25% of Honor",
    "+2 per level",
    "-1 per level",
    "lose 50% of Honor",
};

const std::array<const char*, kHonorTables + 1> kHonorFilterNames = {
    "Unfiltered - Honor Point Awards",
    "GMG Table 4B: Honor Point Awards - Combat-related Actions",
    "GMG Table 4C: Honor Point Awards - Social Encounters",
    "GMG Table 4D: Honor Point Awards - Personal Achievements/Failures",
    "GMG Table 4E: Honor Point Awards - Class/Professional",
    "GMG Table 4F: Honor Point Awards - NPC and Player Related",
    "GMG Table 4G: Honor Point Awards - Clan/Group Related",
    "GMG Table 4H: Honor Point Awards - Action/Event: Party Related",
};
// clang-format on

namespace {

// What a scaling note adds: a percentage of the character's honor, or so much per level.
struct NoteScale {
    int32_t note;
    int32_t percent_of_honor;
    int32_t per_level;
};

constexpr NoteScale kNoteScales[] = {
    {19, 50, 0}, {20, 10, 0}, {21, 0, 5},  {22, -75, 0},
    {23, 25, 0}, {24, 0, 2},  {25, 0, -1}, {26, -50, 0},
};

std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : name) {
        folded += (c == ' ' || c == '_')
                      ? '-'
                      : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

} // namespace

std::vector<std::string> HonorAwardTexts(int filter) {
    std::vector<std::string> texts;
    if (filter < 0 || filter > kHonorTables) {
        return texts;
    }
    for (const HonorAward* award = HonorData; award->text != nullptr; ++award) {
        if (filter == 0 || award->table == filter) {
            texts.emplace_back(award->text);
        }
    }
    return texts;
}

const HonorAward* FindHonorAward(std::string_view shown) {
    for (const HonorAward* award = HonorData; award->text != nullptr; ++award) {
        if (shown.find(award->text) != std::string_view::npos) {
            return award;
        }
    }
    return nullptr;
}

const char* HonorAwardNote(const HonorAward& award) {
    if (award.note < 0 || award.note >= kHonorNotes) {
        return NoteBuffer[0];
    }
    return NoteBuffer[static_cast<std::size_t>(award.note)];
}

int AlignmentColumn(std::string_view alignment) {
    for (std::size_t i = 0; i < kAlignmentNames.size(); ++i) {
        if (alignment == kAlignmentNames[i]) {
            return static_cast<int>(i);
        }
    }
    const std::string folded = Folded(alignment);
    for (std::size_t i = 0; i < kAlignmentNames.size(); ++i) {
        if (folded == Folded(kAlignmentNames[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int32_t AddHonor(int32_t a, int64_t b) {
    const int64_t sum = int64_t{a} + std::clamp<int64_t>(b, std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t HonorAwardPoints(const HonorAward& award, int column, int32_t honor,
                         std::string_view level) {
    int64_t points = 0;
    if (column >= 0 && column < kAlignments) {
        points = award.award[column];
    }
    for (const NoteScale& scale : kNoteScales) {
        if (scale.note == award.note) {
            // Integer division rounds a share toward zero.
            points += int64_t{honor} * scale.percent_of_honor / 100;
            points += int64_t{AtoiSaturating(level)} * scale.per_level;
        }
    }
    return AddHonor(0, points);
}
