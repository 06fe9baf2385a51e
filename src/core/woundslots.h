// src/core/woundslots.h -- the twenty wound slots of every body as the records hold them (the
// player's in her body fields, a creature's in its record), the kinds of wound and the body parts.
#pragma once
#include <cstdint>

// One wound slot of any body, in the order it is handed around.
struct WoundSlot {
    uint8_t kind, level, part, injury, bleeding, side, treatment;
};

enum { WOUND_SLOTS = 20, BODYPARTS = 19 };
enum {
    WK_BLUNT = 1, WK_CUT = 2, WK_PUNCTURE = 3, WK_BURN = 4, WK_FROST = 5, WK_TEAR = 6,
    ILL_FIRST = 10, ILL_LAST = 100, ILL_INFLUENZA = 10, ILL_PLAGUE = 11, ILL_NAUSEA = 20,
    ILL_STOMACH = 21, ILL_POISONING = 23, ILL_DEADLY = 24, ILL_HALLUCINATING = 25,
};
enum {
    BP_SKULL = 0, BP_EYE, BP_FACE, BP_NECK, BP_SHOULDER, BP_UPPERARM, BP_ELBOW, BP_FOREARM, BP_HAND,
    BP_THORAX, BP_ABDOMEN, BP_HIP, BP_GROIN, BP_THIGH, BP_KNEE, BP_CALF, BP_FOOT, BP_TAIL, BP_WING,
};

// The slot of a body: -1 the player, 0..499 a creature; false for anything else.
bool wound_get(int who, int slot, WoundSlot &out);
bool body_valid(int who);
