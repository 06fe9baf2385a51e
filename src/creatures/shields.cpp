// src/creatures/shields.cpp -- which body parts a shield covers from which direction, by how it is
// held against missiles (centre, high, by the side).
#include <initializer_list>
#include <cstring>

#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "creatures/missiles.h"
#include "items/items.h"
#include "items/wearing.h"
#include "maps/directions.h"
#include "core/notes.h"
#include "base/ui.h"

static bool round_shield(int item) {
    if (item <= 0) return false;
    const ItemStruct it = ObjToItem(item);
    char n[sizeof it.name + 1];
    memcpy(n, it.name, sizeof it.name);
    n[sizeof it.name] = 0;
    return strstr(n, "oundshield") != nullptr;
}

static bool among(int part, std::initializer_list<int> parts) {
    for (int p : parts)
        if (p == part) return true;
    return false;
}

int mslhit_shieldcheck(int target, int part, int, int shieldItem, int fromX, int fromY) {
    uint8_t mode;
    if (target == -1) mode = Plr.shield_guard;
    else if (target >= 0 && target < CRE_COUNT) mode = Cre[target].shieldmode;
    else return 0;
    const int d = reldir(target, fromX, fromY);
    const int hand = target == -1 ? 1 : 2;
    const bool side = hand == 1 ? d >= 5 && d <= 7 : d >= 1 && d <= 3;
    const bool round = round_shield(shieldItem);
    const bool front = d == 0 || d == 1 || d == 7, flank = d == 2 || d == 6;
    if (mode & GUARD_SIDE) {
        if (!side) return 0;
        if (among(part, {BP_FOREARM, BP_HAND, BP_THORAX})) return 1;
        return round && among(part, {BP_NECK, BP_SHOULDER, BP_ABDOMEN, BP_HIP, BP_GROIN, BP_THIGH, BP_KNEE});
    }
    if (mode & GUARD_HIGH) {
        if (front) {
            if (among(part, {BP_SKULL, BP_EYE, BP_FACE, BP_NECK, BP_FOREARM, BP_HAND})) return 1;
            return round && among(part, {BP_SHOULDER, BP_UPPERARM, BP_ELBOW, BP_THORAX, BP_ABDOMEN, BP_GROIN});
        }
        if (flank) {
            if (among(part, {BP_EYE, BP_FACE, BP_FOREARM, BP_HAND})) return 1;
            return round && among(part, {BP_UPPERARM, BP_ELBOW, BP_THORAX});
        }
        return 0;
    }
    if (mode & GUARD_CENTER) {
        if (front) {
            if (among(part, {BP_FOREARM, BP_HAND, BP_THORAX})) return 1;
            return round && among(part, {BP_NECK, BP_SHOULDER, BP_UPPERARM, BP_ELBOW, BP_ABDOMEN, BP_HIP,
                                         BP_GROIN, BP_THIGH, BP_KNEE});
        }
        if (flank) {
            if (among(part, {BP_FOREARM, BP_HAND})) return 1;
            return round && among(part, {BP_UPPERARM, BP_ELBOW, BP_THORAX, BP_GROIN});
        }
        return 0;
    }
    return side && among(part, {BP_FOREARM, BP_HAND}) ? 1 : 0;
}
