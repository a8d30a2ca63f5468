#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/wizard/priors_tables.h"
#include "support/golden.h"

// The background tables band by band, over their dice and past them where a modifier can
// push the total out, against the reviewed golden tests/golden/priors_tables.txt.
namespace {

std::string Text(const char* text) {
    return text;
}

TEST(PriorsTables, EveryBandMatchesTheReviewedGolden) {
    std::ostringstream out;
    const auto table = [&out](const char* title, int low, int high, auto value) {
        out << "== " << title << '\n' << Bands(low, high, value);
    };
    for (bool small : {false, true}) {
        for (bool dex : {false, true}) {
            out << "== Handedness small=" << small << " high_dex=" << dex << '\n'
                << Bands(1, 100, [&](int r) { return Text(HandednessFor(r, small, dex)); });
        }
    }
    table("Social class (d100)", 1, 100, [](int r) {
        return std::string(SocialClassFor(r).name) + " #" +
               std::to_string(SocialClassFor(r).social_id);
    });
    table("Slave nature (d20)", 1, 20, [](int r) {
        return std::string(SlaveNatureFor(r).text) + " #" +
               std::to_string(SlaveNatureFor(r).social_id);
    });
    table("Social modifiers by rank: money honor", 1, 12, [](int id) {
        return std::to_string(SocialModifiersFor(id).money) + ' ' +
               std::to_string(SocialModifiersFor(id).honor);
    });
    table("Legitimacy (d100 + race)", -10, 130, [](int t) { return Text(LegitimacyFor(t)); });
    table("Illegitimate birth (d100 + race)", -10, 130, [](int t) {
        const IllegitimateBirth b = IllegitimateBirthFor(t);
        return std::string(b.circumstance) + " #" + std::to_string(b.code) + " honor " +
               std::to_string(b.honor_modifier);
    });
    for (int code : {kAffair, kSurrogate}) {
        out << "== Extension for circumstance " << code << '\n'
            << Bands(1, 100, [code](int r) {
                   return std::string(ExtensionFor(code, r).text) + " #" +
                          std::to_string(ExtensionFor(code, r).code);
               });
    }
    table("Parent status (d100)", 1, 100, [](int r) {
        return std::string(ParentStatusFor(r).status) + " #" +
               std::to_string(ParentStatusFor(r).code);
    });
    table("Step parent (d20)", 1, 20, [](int r) { return Text(StepParentFor(r) ? "yes" : "no"); });
    table("Step mother (d100)", 1, 100, [](int r) { return Text(StepMotherFor(r)); });
    table("Step father (d100)", 1, 100, [](int r) { return Text(StepFatherFor(r)); });
    table("Parent quality (d100, +35 illegitimate)", 1, 135, [](int t) {
        const ParentQuality q = ParentQualityFor(t);
        return std::string(q.quality) + " bp " + std::to_string(q.bp_bonus) + " minor " +
               std::to_string(q.minor_quirk) + " major " + std::to_string(q.major_quirk) +
               " note '" + q.note + "'";
    });
    table("Family heritage (d100)", 1, 100, [](int r) { return Text(FamilyHeritageFor(r)); });
    table("Sibling count (d100)", 1, 100, [](int r) { return std::to_string(SiblingCountFor(r)); });
    table("Sibling sex (d20)", 1, 20, [](int r) { return Text(SiblingSexFor(r)); });
    table("Sibling alive (d100)", 1, 100, [](int r) { return Text(SiblingDeadOrAliveFor(r)); });
    table("Sibling relationship (d100 + Charisma)", 1, 125,
          [](int t) { return Text(SiblingRelationshipFor(t)); });
    table("Sibling twin (d100)", 1, 100, [](int r) { return Text(SiblingTwinFor(r)); });
    table("Sibling illegitimate nature (d100 - 10)", -9, 90, [](int t) {
        return std::string(SiblingIllegitimateNatureFor(t).text) + " #" +
               std::to_string(SiblingIllegitimateNatureFor(t).code);
    });
    table("Sibling father (d100)", 1, 100, [](int r) { return Text(SiblingFatherFor(r)); });
    for (int siblings = 0; siblings <= 9; ++siblings) {
        out << "== Birth order, " << siblings << " siblings\n"
            << Bands(1, 100, [siblings](int r) { return BirthOrderFor(siblings, r); });
    }
    out << "== Race names: fixed handedness, small folk\n";
    for (const char* name : {"Elf", "Half-Elf", "Grey Elf", "elf", "Human", "Dwarf", "Hill Dwarf",
                             "Gnome", "Gnome Titan", "gnome", "Halfling"}) {
        out << name << ": " << HandednessIsFixed(name) << ' ' << IsSmallRace(name) << '\n';
    }
    out << "== Birth order: money modifier, abandoned, middle child\n";
    for (const char* order : {"First born", "2nd born", "2nd to last born", "Last born",
                              "Only child", "Middle born (2nd)", "Middle born (8th)", ""}) {
        out << '\'' << order << "': " << BirthOrderMoneyModifier(order, false) << ' '
            << BirthOrderMoneyModifier(order, true) << ' ' << IsMiddleBorn(order) << '\n';
    }
    ExpectMatchesGolden("priors_tables.txt", out.str());
}

} // namespace
