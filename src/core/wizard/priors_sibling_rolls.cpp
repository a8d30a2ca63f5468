#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/model/character.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/priors_rolls.h"

using priors::RollAccepted;
using priors::WithResult;

namespace {

// A part of a sibling's line without the ", " or ". " that joins it to the line before, as
// the log names it ("sibling is alive").
std::string Bare(const std::string& part) {
    if (part.size() >= 2 && (part[0] == ',' || part[0] == '.') && part[1] == ' ') {
        return part.substr(2);
    }
    return part;
}

// One sibling's description as it grows; every accepted part goes into the record's line
// at once.
class SiblingLine {
public:
    explicit SiblingLine(int index) : index_(index), text_("This sibling is ") { Store(); }

    void Append(const std::string& part) {
        text_ += part;
        Store();
    }
    int Number() const { return index_ + 1; }

private:
    void Store() const { SetSiblingLine(index_, text_); }

    int index_;
    std::string text_;
};

// One part of the line: `part(roll)` is its text for the die; the log shows `shown`
// (the roll, or a total made from it) and the bare part.
template <typename Part, typename Shown>
void RollPart(SiblingLine& line, int sides, const std::string& caption, const char* format,
              Part part, Shown shown) {
    RollAccepted(
        sides, 1, caption,
        [&](const std::string& label, int roll) {
            return Printf(format, label.c_str(), line.Number(), shown(roll),
                          Bare(part(roll)).c_str());
        },
        [&](int roll) { line.Append(part(roll)); });
}

int Same(int roll) {
    return roll;
}

void SiblingSex(SiblingLine& line) {
    RollPart(line, 20, "Rolling for sex of sibling",
             "%s for sex of sibling %i (d20): rolled %i, sibling is %s", SiblingSexFor, Same);
}

void SiblingDeadorAlive(SiblingLine& line) {
    RollPart(line, 100, "Rolling for dead or alive status of sibling",
             "%s for dead or alive status of sibling %i (d100): rolled %i, sibling is %s",
             SiblingDeadOrAliveFor, Same);
}

void SiblingRivalry(SiblingLine& line) {
    // The total, then the die and the Charisma that make it, as the legitimacy line shows them.
    const int charisma = current_character.charisma_base;
    RollAccepted(
        100, 1, "Rolling for nature of relationship with of sibling",
        [&](const std::string& label, int roll) {
            return Printf("%s for nature of relationship with sibling %i (d100): rolled %i "
                          "(%i%+i), sibling is %s",
                          label.c_str(), line.Number(), roll + charisma, roll, charisma,
                          Bare(SiblingRelationshipFor(roll + charisma)).c_str());
        },
        [&](int roll) { line.Append(SiblingRelationshipFor(roll + charisma)); });
}

void SiblingTwin(SiblingLine& line) {
    // The log names the Charisma beside the die, but a twin is a plain d100.
    const std::string format =
        Printf("%%s for twin possibility with sibling %%i (d100+%i): rolled %%i, sibling is %%s",
               current_character.charisma_base);
    RollPart(line, 100, "Rolling for twin possibility sibling", format.c_str(), SiblingTwinFor,
             Same);
}

void SiblingKnownUnknownFather(SiblingLine& line) {
    RollPart(line, 100, "Rolling for known or unknown status of siblings father",
             "%s for known or unknown status of sibling %i father (d100): rolled %i, sibling is %s",
             SiblingFatherFor, Same);
}

void SiblingIllNature(SiblingLine& line) {
    const auto lowered = [](int roll) { return roll - 10; };
    int code = 0;
    RollAccepted(
        100, 1, "Rolling for nature of illigitimate siblings birth",
        [&](const std::string& label, int roll) {
            return Printf("%s for nature of illigitimate siblings birth sibling %i (d100): rolled "
                          "%i, sibling is %s",
                          label.c_str(), line.Number(), lowered(roll),
                          Bare(SiblingIllegitimateNatureFor(lowered(roll)).text).c_str());
        },
        [&](int roll) {
            const SiblingNature nature = SiblingIllegitimateNatureFor(lowered(roll));
            line.Append(nature.text);
            code = nature.code;
        });
    if (code == 2) {
        line.Append(" father");
        SiblingKnownUnknownFather(line);
    }
}

} // namespace

void SiblingCount() {
    int count = 0;
    RollAccepted(
        100, 1, "Rolling for quantity of siblings",
        [](const std::string& label, int roll) {
            const int siblings = SiblingCountFor(roll);
            if (siblings == kIllegitimateSiblings) {
                return Printf(
                    "%s for quantity of siblings (d100): rolled %i = 1d4 illigitimate siblings",
                    label.c_str(), roll);
            }
            return Printf("%s for quantity of siblings (d100): rolled %i = %i siblings",
                          label.c_str(), roll, siblings);
        },
        [&](int roll) { count = SiblingCountFor(roll); });
    if (count == kIllegitimateSiblings) {
        IllSiblingCount();
    } else {
        current_character.siblings = count;
    }
}

void IllSiblingCount() {
    RollAccepted(
        4, 1, "Rolling for quantity of illigitimate siblings",
        [](const std::string& label, int roll) {
            return Printf("%s for quantity of illigitimate siblings (d4): rolled %i", label.c_str(),
                          roll);
        },
        [](int roll) { current_character.siblings = -roll; });
}

void SiblingSetup() {
    // Lines past this family's siblings are emptied, so no earlier character's remain.
    for (int i = 0; i < kSiblingLines; ++i) {
        SetSiblingLine(i, "");
    }
    const bool illegitimate = current_character.siblings < 0;
    const int count = std::min(std::abs(current_character.siblings), kSiblingLines);
    for (int i = 0; i < count; ++i) {
        SiblingLine line(i);
        SiblingSex(line);
        SiblingDeadorAlive(line);
        SiblingRivalry(line);
        SiblingTwin(line);
        if (illegitimate) {
            SiblingIllNature(line);
        }
    }
}

bool OrderofBirth() {
    const int siblings = std::abs(current_character.siblings);
    RollAccepted(
        100, 1, "Rolling for order of birth",
        [&](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for order of birth (d100): rolled %i", label.c_str(), roll),
                BirthOrderFor(siblings, roll));
        },
        [&](int roll) { current_character.birth_order = BirthOrderFor(siblings, roll); });
    return IsMiddleBorn(current_character.birth_order);
}
