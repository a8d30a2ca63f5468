// The wound rules: how a critical hit's damage type, severity and location turn into effect
// codes. Every code family has its own small rule below; a wound is the codes whose rules
// fire, written in one fixed order (damage first, then what is lost, then what follows).
#include "wound_rules.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kNever = 99;

// When each kind of harm first appears for a damage type (a severity level; kNever for
// never), and how hard it lands. Points bleed early and reach the organs, edges sever and
// cut muscle and tendon, blunt weapons break bones and knock out, and a monster's jaws tear
// wide, crush and bite off.
struct TypeProfile {
    // Steps added on the damage ladder.
    int damage_bonus = 0;
    // By Sever class: the severity from which that much of a limb comes off.
    int sever[5] = {kNever, kNever, kNever, kNever, kNever};
    // mt on muscle, of (severity + tear_bonus) / tear_divisor, at least 1; the tear bonus
    // deepens tendon wounds (t) too. Jaws tear whatever they close on, not only muscle, and
    // leave a ragged stump where they bite a part off.
    int muscle = kNever;
    int tear_bonus = 0;
    int tear_divisor = 6;
    bool tears_everywhere = false;
    // t at a joint.
    int tendon = kNever;
    // b, bf, bm, bs on bone, and how much later a bone breaks under thick muscle.
    int bone[4] = {kNever, kNever, kNever, kNever};
    int bone_padding = 4;
    // v and ib in the belly, chest and armpit.
    int organ = kNever;
    int inner_bleed = kNever;
    // pb where a great vessel runs, and in other flesh.
    int artery_bleed = kNever;
    int flesh_bleed = kNever;
    // p over the spine.
    int paralysis = kNever;
    // At the skull: mc, sc, v, ib, u, and mt where teeth tear the scalp.
    int concussion = kNever;
    int skull_crack = kNever;
    int brain = kNever;
    int brain_bleed = kNever;
    int knock_out = kNever;
    int scalp_tear = kNever;
    // Added to the to-hit penalty of a face wound: a point finds the eyes.
    int face_to_hit = 0;
    // f anywhere on the body, not only on the legs.
    int knock_down = kNever;
    // Nothing is left of the head to describe.
    int brain_goo = kNever;
};

// clang-format off
constexpr TypeProfile kProfiles[kDamageTypeCount] = {
    {   // Puncturing: never severs; a narrow wound, less raw damage, but it bleeds early and
        // finds the organs and the brain.
        .damage_bonus = -1,
        .muscle = 7, .tear_bonus = -5, .tear_divisor = 8, .tendon = 9,
        .bone = {17, kNever, kNever, kNever},
        .organ = 8, .inner_bleed = 12, .artery_bleed = 10, .flesh_bleed = 14,
        .paralysis = 14, .concussion = 10, .skull_crack = 16, .brain = 14,
        .knock_out = 14, .face_to_hit = 2,
    },
    {   // Hacking: severs fingers first and whole limbs last; cuts muscle and tendon.
        .sever = {kNever, 10, 18, 21, 23},
        .muscle = 8, .tendon = 8,
        .bone = {14, 19, kNever, kNever},
        .organ = 12, .inner_bleed = 16, .artery_bleed = 12, .flesh_bleed = 16,
        .paralysis = 14, .concussion = 9, .skull_crack = 13, .brain = 20, .brain_bleed = 20,
        .knock_out = 14,
    },
    {   // Crushing: breaks bones from low severities, through muscle too; bleeds inside,
        // knocks down and out.
        .bone = {5, 10, 15, 20}, .bone_padding = 2,
        .organ = 14, .inner_bleed = 10,
        .paralysis = 12, .concussion = 5, .skull_crack = 12, .brain = 16, .brain_bleed = 14,
        .knock_out = 10, .knock_down = 8, .brain_goo = 24,
    },
    {   // Monster Bites: heavier damage; tears wide, crushes bone, bites parts off.
        .damage_bonus = 2,
        .sever = {kNever, 12, 19, 22, 24},
        .muscle = 8, .tear_bonus = 6, .tears_everywhere = true, .tendon = 10,
        .bone = {11, 14, 19, kNever},
        .organ = 12, .inner_bleed = 16, .artery_bleed = 12, .flesh_bleed = 15,
        .paralysis = 16, .concussion = 8, .skull_crack = 14, .brain = 18, .brain_bleed = 18,
        .knock_out = 14, .scalp_tear = 14, .knock_down = 11, .brain_goo = 24,
    },
};
// clang-format on

bool IsLeg(Region r) {
    return r == Region::kFoot || r == Region::kAnkle || r == Region::kLowerLeg ||
           r == Region::kKnee || r == Region::kUpperLeg;
}
bool IsLowerBody(Region r) {
    return IsLeg(r) || r == Region::kHip || r == Region::kGroin;
}
bool IsForeArm(Region r) {
    return r == Region::kElbow || r == Region::kForearm || r == Region::kWrist ||
           r == Region::kHand;
}
bool IsUpperArm(Region r) {
    return r == Region::kUpperArm || r == Region::kShoulder || r == Region::kArmpit;
}
bool IsBack(Region r) {
    return r == Region::kLowerBack || r == Region::kUpperBack;
}
bool IsBelly(Region r) {
    return r == Region::kAbdomen || r == Region::kChest || r == Region::kArmpit;
}
bool IsTorso(Region r) {
    return IsBelly(r) || IsBack(r);
}
// The belly, groin and armpit have no bone to break; the skull cracks instead (sc).
bool HasBone(const Location& at) {
    return at.region != Region::kAbdomen && at.region != Region::kGroin &&
           at.region != Region::kArmpit && at.region != Region::kSkull;
}

// One effect code and how much it tells: when a line is too long, the lowest ranks go first.
struct Code {
    std::string text;
    int rank;
};

// The wound being composed, one field per code family of the legend.
struct Wound {
    std::string damage;
    bool severed = false;
    int to_hit = 0;
    std::string bone; // "b", "bf", "bm" or "bs"
    int bone_weeks = 0;
    int dexterity = 0;
    int strength = 0;
    int vital = 0;
    bool fall = false;
    bool unconscious = false;
    bool skull_crack = false;
    bool concussion = false;
    int move = 0;
    int muscle = 0;
    int tendon = 0;
    bool inner_bleed = false;
    bool bleed_out = false;
    bool paralysis = false;
    bool drop_unless_strong = false;
    bool drop = false;
    int honor = 0;

    // A severed part takes its muscle, tendon and bone with it, and its bleeding is part of
    // the code; only a ragged stump keeps its tear. The unconscious fall and drop what they
    // hold anyway.
    void Settle(bool ragged) {
        if (severed) {
            bone.clear();
            muscle = ragged ? std::max(muscle, tendon) : 0;
            tendon = 0;
            bleed_out = false;
            drop = drop_unless_strong = false;
        }
        if (unconscious) {
            fall = false;
            drop = drop_unless_strong = false;
        }
        if (skull_crack) {
            concussion = false;
        }
        if (drop) {
            drop_unless_strong = false;
        }
    }

    std::vector<Code> Codes() const {
        std::vector<Code> codes;
        auto add = [&codes](bool present, std::string text, int rank) {
            if (present) {
                codes.push_back({std::move(text), rank});
            }
        };
        auto n = [](int value) { return std::to_string(value); };
        add(true, damage, 99);
        add(severed, "ls", 98);
        add(to_hit > 0, "a" + n(to_hit), 2);
        add(!bone.empty(), bone + n(bone_weeks), 90);
        add(dexterity > 0, "d" + n(dexterity), 5);
        add(strength > 0, "s" + n(strength), 3);
        add(vital > 0, "v" + n(vital), 95);
        add(fall, "f", 6);
        add(unconscious, "u", 97);
        add(skull_crack, "sc", 92);
        add(concussion, "mc", 91);
        add(move > 0, "m" + n(move), 80);
        add(muscle > 0, "mt" + n(muscle), 70);
        add(tendon > 0, "t" + n(tendon), 71);
        add(inner_bleed, "ib", 93);
        add(bleed_out, "pb", 96);
        add(paralysis, "p", 94);
        add(drop_unless_strong, "ws", 4);
        add(drop, "w", 4);
        add(honor > 0, "h" + n(honor), 1);
        return codes;
    }
};

// ---- the rules, one per code family ----

// Extra damage climbs the dice (d1 up to d20), then multiplies: x2 from step 12, one more
// every 7 steps. The skull and the neck take one multiple more once the blow is heavy.
std::string Damage(const Location& at, const TypeProfile& type, int severity) {
    int step = severity + type.damage_bonus;
    int extra_multiple = 0;
    switch (at.region) {
    case Region::kSkull:
    case Region::kNeck:
        step += 2;
        extra_multiple = 1;
        break;
    case Region::kFace:
    case Region::kAbdomen:
    case Region::kChest:
    case Region::kGroin:
        step += 1;
        break;
    case Region::kFoot:
    case Region::kAnkle:
    case Region::kWrist:
    case Region::kHand:
        step -= 1;
        break;
    default:
        break;
    }
    if (at.tissue == Tissue::kDigit) {
        step -= 1;
    }
    constexpr int kDice[] = {1, 2, 3, 4, 6, 8, 10, 10, 12, 12, 20};
    if (step < 12) {
        return std::to_string(kDice[std::clamp(step, 1, 11) - 1]);
    }
    return "x" + std::to_string(2 + (step - 12) / 7 + (step >= 16 ? extra_multiple : 0));
}

// Blood in the eyes, a ringing skull, a hurt sword arm or torso: a penalty to hit.
int ToHit(Region r, int s) {
    if (r == Region::kFace) {
        return s >= 4 ? s / 2 : 0;
    }
    if (r == Region::kSkull) {
        return s >= 6 ? (s - 2) / 2 : 0;
    }
    if (r == Region::kNeck) {
        return s >= 10 ? (s - 6) / 3 : 0;
    }
    if (IsForeArm(r)) {
        return s >= 6 ? (s - 2) / 4 : 0;
    }
    if (IsUpperArm(r)) {
        return s >= 9 ? (s - 5) / 4 : 0;
    }
    if (IsBelly(r)) {
        return s >= 14 ? (s - 10) / 4 : 0;
    }
    return 0;
}

// Lost nimbleness: legs and hands, a damaged brain, a shattered hip.
int Dexterity(Region r, int s) {
    if (IsLeg(r)) {
        return s >= 10 ? (s - 8) / 2 : 0;
    }
    if (r == Region::kHand || r == Region::kWrist) {
        return s >= 7 ? (s - 4) / 3 : 0;
    }
    if (r == Region::kForearm || r == Region::kElbow || r == Region::kUpperArm ||
        r == Region::kShoulder) {
        return s >= 11 ? (s - 8) / 3 : 0;
    }
    if (r == Region::kSkull) {
        return s >= 10 ? (s - 2) / 2 : 0;
    }
    if (r == Region::kHip) {
        return s >= 14 ? (s - 10) / 2 : 0;
    }
    return 0;
}

// Lost strength: the muscles that lift and swing.
int Strength(Region r, int s) {
    if (IsUpperArm(r) || r == Region::kUpperBack) {
        return s >= 11 ? (s - 8) / 3 : 0;
    }
    if (r == Region::kForearm || r == Region::kElbow) {
        return s >= 13 ? (s - 10) / 3 : 0;
    }
    if (r == Region::kChest || r == Region::kLowerBack) {
        return s >= 15 ? (s - 12) / 3 : 0;
    }
    return 0;
}

// Vital organs: belly, chest and armpit first, through the back later, the windpipe in
// between; the brain by its own onset.
int Vital(const Location& at, const TypeProfile& type, int s) {
    int onset = kNever;
    if (IsBelly(at.region) || at.region == Region::kGroin) {
        onset = type.organ;
    } else if (IsBack(at.region)) {
        onset = type.organ + 4;
    } else if (at.region == Region::kNeck && at.tissue == Tissue::kOrgan) {
        onset = type.organ + 2;
    } else if (at.region == Region::kSkull) {
        onset = type.brain;
    }
    return s >= onset ? 1 + (s - onset) / 4 : 0;
}

// Down: a leg gives way, a head is rung; a heavy enough blow or bite to the body bowls the
// victim over. A hit to the arm alone does not.
bool Fall(Region r, const TypeProfile& type, int s) {
    if (IsLowerBody(r) && s >= 9) {
        return true;
    }
    if ((r == Region::kSkull || r == Region::kNeck) && s >= 12) {
        return true;
    }
    const bool arm = IsForeArm(r) || r == Region::kUpperArm || r == Region::kShoulder;
    return !arm && s >= type.knock_down;
}

// Knocked out: soonest at the skull, then face and neck; anywhere big, the shock of a
// terrible wound.
bool Unconscious(const Location& at, const TypeProfile& type, int s) {
    const Region r = at.region;
    if (r == Region::kSkull) {
        return s >= type.knock_out;
    }
    if (r == Region::kFace) {
        return s >= type.knock_out + 4;
    }
    if (r == Region::kNeck || r == Region::kGroin) {
        return s >= 18;
    }
    if (IsTorso(r)) {
        return s >= 21;
    }
    const bool big = at.sever == Sever::kLimb || at.sever == Sever::kMidLimb || r == Region::kHip ||
                     r == Region::kShoulder;
    return big && s >= 22;
}

// Movement: the lower the wound on the leg, the sooner a step hurts; hips, groin and the
// small of the back slow a body down too.
int Move(const Location& at, int s) {
    int lead = 0;
    switch (at.region) {
    case Region::kFoot:
    case Region::kAnkle:
    case Region::kKnee:
        lead = 2;
        break;
    case Region::kLowerLeg:
    case Region::kUpperLeg:
        lead = 0;
        break;
    case Region::kHip:
    case Region::kGroin:
    case Region::kLowerBack:
        lead = -2;
        break;
    default:
        return 0;
    }
    return std::clamp((s + lead) * 10 / 24, 0, 10);
}

// Bone: b, bf, bm, bs as the blow grows; the number is the weeks of mending. Under thick
// muscle the bone breaks later.
void Bone(const Location& at, const TypeProfile& type, int s, Wound& w) {
    if (!HasBone(at)) {
        return;
    }
    const int padding = at.tissue == Tissue::kMuscle ? type.bone_padding : 0;
    constexpr const char* kKinds[] = {"b", "bf", "bm", "bs"};
    for (int i = 3; i >= 0; --i) {
        if (s >= type.bone[i] + padding) {
            w.bone = kKinds[i];
            w.bone_weeks = (s + 3) / 4;
            return;
        }
    }
}

bool BleedOut(const Location& at, const TypeProfile& type, int s) {
    if (at.region == Region::kSkull || at.region == Region::kFace || at.tissue == Tissue::kDigit) {
        return false;
    }
    const int onset = at.artery ? type.artery_bleed
                      : at.tissue == Tissue::kBone || at.tissue == Tissue::kJoint
                          ? type.flesh_bleed + 2
                          : type.flesh_bleed;
    return s >= onset;
}

bool InnerBleed(const Location& at, const TypeProfile& type, int s) {
    if (at.region == Region::kSkull) {
        return s >= type.brain_bleed;
    }
    if (IsBelly(at.region) || at.region == Region::kGroin) {
        return s >= type.inner_bleed;
    }
    if (IsBack(at.region)) {
        return s >= type.inner_bleed + 2;
    }
    if (at.region == Region::kHip) {
        return s >= type.inner_bleed + 4;
    }
    return false;
}

bool Paralysis(const Location& at, const TypeProfile& type, int s) {
    if (!at.spine) {
        return false;
    }
    const int shift = at.region == Region::kNeck ? -2 : at.region == Region::kSkull ? 4 : 0;
    return s >= type.paralysis + shift;
}

// A hurt hand or arm may let go of what it holds: first unless a Strength check is made, at
// worse wounds for certain.
void Drop(Region r, int s, Wound& w) {
    if (IsForeArm(r)) {
        w.drop_unless_strong = s >= 5;
        w.drop = s >= 12;
    } else if (IsUpperArm(r)) {
        w.drop_unless_strong = s >= 8;
        w.drop = s >= 16;
    }
}

// A wound in the backside or the groin is mocked; a face scarred by a terrible blow is
// stared at.
int Honor(const Location& at, int s) {
    if (at.region == Region::kHip && at.tissue == Tissue::kMuscle) {
        return s >= 3 ? 1 + s / 8 : 0;
    }
    if (at.region == Region::kGroin) {
        return s >= 6 ? s / 6 : 0;
    }
    if (at.region == Region::kFace) {
        return s >= 12 ? (s - 8) / 4 : 0;
    }
    return 0;
}

Wound Compose(const Location& at, int damage_type, int s) {
    const TypeProfile& type = kProfiles[damage_type];
    const Region r = at.region;
    Wound w;
    w.damage = Damage(at, type, s);
    w.severed = s >= type.sever[static_cast<int>(at.sever)];
    w.to_hit = ToHit(r, s);
    if (r == Region::kFace && w.to_hit > 0) {
        w.to_hit += type.face_to_hit;
    }
    Bone(at, type, s, w);
    w.dexterity = Dexterity(r, s);
    w.strength = Strength(r, s);
    w.vital = Vital(at, type, s);
    w.fall = Fall(r, type, s);
    w.unconscious = Unconscious(at, type, s);
    if (r == Region::kSkull) {
        w.skull_crack = s >= type.skull_crack;
        w.concussion = s >= type.concussion;
    } else if (r == Region::kFace) {
        w.concussion = s >= type.concussion + 2;
    }
    w.move = Move(at, s);
    const bool torn =
        at.tissue == Tissue::kMuscle ||
        (type.tears_everywhere && at.tissue != Tissue::kJoint && at.tissue != Tissue::kHead);
    if (torn && s >= type.muscle) {
        w.muscle = std::max(1, (s + type.tear_bonus) / type.tear_divisor);
    }
    if (at.tissue == Tissue::kHead && s >= type.scalp_tear) {
        w.muscle = std::max(1, (s - 14) / 4);
    }
    if (at.tissue == Tissue::kJoint && s >= type.tendon) {
        w.tendon = std::max(1, (s + type.tear_bonus - 3) / 5);
    }
    w.inner_bleed = InnerBleed(at, type, s);
    w.bleed_out = BleedOut(at, type, s);
    w.paralysis = Paralysis(at, type, s);
    Drop(r, s, w);
    w.honor = Honor(at, s);
    w.Settle(type.tears_everywhere);
    return w;
}

std::string Join(const std::vector<Code>& codes) {
    std::string text;
    for (const Code& code : codes) {
        if (!text.empty()) {
            text += ", ";
        }
        text += code.text;
    }
    return text;
}

bool IsBrainGoo(const Location& at, int damage_type, int severity) {
    return at.region == Region::kSkull && severity >= kProfiles[damage_type].brain_goo;
}

} // namespace

std::string ComposeText(const Location& where, int damage_type, int severity, int* dropped) {
    const std::string prefix = std::string(where.name) + ": ";
    if (IsBrainGoo(where, damage_type, severity)) {
        return prefix + "brain goo";
    }
    std::vector<Code> codes = Compose(where, damage_type, severity).Codes();
    while (prefix.size() + Join(codes).size() > kMaxTextLength) {
        const auto least =
            std::min_element(codes.begin(), codes.end(),
                             [](const Code& a, const Code& b) { return a.rank < b.rank; });
        codes.erase(least);
        if (dropped) {
            ++*dropped;
        }
    }
    return prefix + Join(codes);
}
