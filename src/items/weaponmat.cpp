// src/items/weaponmat.cpp -- the material and shape of a weapon's striking aspect, and the wear a
// blocked blow leaves on the striking and the blocking item.
#include "items/weaponmat.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "core/notes.h"
#include "core/tekstit.h"

void matdef_rauta(MatStruct &m) { m.hardness = 255, m.material = 500, m.threshold = 30; }
void matdef_puu(MatStruct &m) { m.hardness = 20, m.material = 20, m.threshold = 5; }
void matdef_kivi(MatStruct &m) { m.hardness = 5, m.material = 5, m.threshold = 3; }

static int ceil_i(double v) { return (int)std::ceil(v); }
static uint8_t u8(int v) { return (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v); }
static uint16_t u16(int v) { return (uint16_t)(v < 0 ? 0 : v > 65535 ? 65535 : v); }

MatStruct getwpMat(const ItemStruct &item, int aspect) {
    char skill[sizeof item.skill + 1], name[sizeof item.name + 1];
    memcpy(skill, item.skill, sizeof item.skill);
    skill[sizeof item.skill] = 0;
    memcpy(name, item.name, sizeof item.name);
    name[sizeof item.name] = 0;
    const double W = item.weight, F = item.fullweight;
    const int blunt = item.fig[0], edge = item.fig[1], point = item.fig[2];

    MatStruct m{};
    matdef_puu(m);
    int blockarea = 10, itemarea = (int)(10.0 * F), cap = 50, attack = 1, c = 0;
    float velocity = aspect == ASPECT_EDGE ? 1.0f : 0.5f;
    const int value = aspect == ASPECT_EDGE ? edge : aspect == ASPECT_POINT ? point : blunt;
    if (value < 200) {
        attack = value;
        c = aspect == ASPECT_EDGE ? ceil_i((value + 1) * F) : ceil_i((value + 1) * W);
    }
    if (skill[0] && strstr(" DAGGER KNIFE AXE SWORD SPEAR ", skill)) {
        if (strstr(name, "Javelin") || strstr(name, "taff")) matdef_puu(m);
        else matdef_rauta(m);
    }
    if (item.material >= MAT_ROCK) matdef_kivi(m);
    if (strstr(skill, "AXE")) {
        cap = 2;
        velocity = 1.25f;
        c = ceil_i(5 * F);
        blockarea = c;
        itemarea = 3 * c;
        if (item.id == OID_SICKLE) velocity = 0.5f, cap = 100;
        if (strstr(name, "Maul") || strstr(name, "hammer")) velocity = 2.0f;
        if (aspect == ASPECT_EDGE && edge < 200) c = ceil_i(edge * F);
        if (aspect == ASPECT_POINT && point < 200) c = ceil_i(point * F);
    }
    if (strstr(skill, "DAGGER") || strstr(skill, "KNIFE")) {
        if (edge < 200) {
            c = ceil_i(6.0 * edge);
            itemarea = (int)(1.5 * c);
        } else {
            c = 6;
            itemarea = 9;
        }
        if (aspect == ASPECT_POINT) c /= 3;
        blockarea = 3;
    }
    if (strstr(skill, "CLUB")) {
        velocity = strstr(name, "Mace") ? 1.5f : 1.25f;
        cap = 15;
        c = 2 * blunt;
        itemarea = (int)(1.5 * c);
        blockarea = c;
    }
    if (strstr(skill, "SWORD")) {
        if (edge < 200) {
            c = ceil_i(10.0 * edge) + 10;
            itemarea = (int)(1.1 * c);
        } else {
            c = 30;
            itemarea = 33;
        }
        blockarea = 2;
        if (aspect == ASPECT_POINT) c /= 10;
        if (aspect == ASPECT_EDGE) velocity = 1.25f;
    }
    if (strstr(skill, "SPEAR")) {
        itemarea = ceil_i(10 * F);
        blockarea = 8;
        if (aspect == ASPECT_EDGE) {
            c = edge < 200 ? ceil_i(3.0 * edge) : 5;
            velocity = 1.0f;
        } else if (aspect == ASPECT_POINT) {
            c = point < 200 ? ceil_i(point + F) : 5;
            velocity = 1.25f;
        } else {
            c = 10;
        }
        if (strstr(name, "Ango")) {
            blockarea = 50;
            itemarea = 250;
            if (aspect == ASPECT_POINT) velocity = 1.5f;
        }
        if (wildcmp("*trident*", name)) {
            itemarea = 175, blockarea = 40;
            if (wildcmp("*small *", name)) itemarea = 150, blockarea = 30;
            if (wildcmp("*wide *", name)) {
                itemarea = 200, blockarea = 60;
                if (aspect == ASPECT_POINT) velocity = 1.3f;
            }
        }
    }
    int contact;
    if (strstr(skill, "SHIELD")) {
        if (strstr(name, "oundshield")) blockarea = 255, itemarea = 500, cap = 25;
        else itemarea = 50, blockarea = 80;
        contact = 20;
    } else {
        contact = c != 0 ? c : (int)(2.0 * F);
    }
    if (itemarea < blockarea) itemarea = blockarea;
    m.contact = u8(contact);
    m.blockarea = u8(blockarea);
    m.itemarea = u16(itemarea);
    m.cap = u8(cap);
    m.attack = u8(attack);
    m.velocity = velocity;
    return m;
}


// The share of an item's area the contact wears away, in percent.
static double wear_share(int area, const MatStruct &m, float ownFull, float otherFull, int grade) {
    const int itemarea = m.itemarea ? m.itemarea : 1;
    double share = (double)area / itemarea;
    if (std::ceil(100.0 * share) > m.cap) share = m.cap / 100.0;
    if (ownFull > otherFull && ownFull > 0.0f) share *= (double)otherFull / ownFull;
    if (grade == 0 || grade == 1) share *= 0.6;
    else if (grade == 2) share *= 0.8;
    DebugNotef("c_area(%d) vs. item_area(%d) = %.2f%% destroyed", area, itemarea, 100.0 * share);
    return 100.0 * share;
}

int wpwp_energy(const ItemStruct &a, const MatStruct &A, int grade) {
    int s = (int)std::ceil((double)A.attack * a.weight * A.velocity);
    DebugNotef("KE: %d", s * s);
    switch (grade) {
    case 0: s = s / 2; break;
    case 1: s = (int)(s * 0.8); break;
    case 2: s = (int)(s * 0.9); break;
    case 4: s = (int)(s * 1.1); break;
    default: break;
    }
    return s * s;
}

const char *WpWpDmg_items(const ItemStruct &a, const ItemStruct &b, int aspect, int grade) {
    const MatStruct A = getwpMat(a, aspect), B = getwpMat(b, aspect);
    DebugNotef("att ca:%d block ca:%d", A.contact, B.blockarea);
    DebugNotef("aQ: %d bQ: %d", ItemGet_laatu(&a), ItemGet_laatu(&b));
    char aname[sizeof a.name + 1];
    memcpy(aname, a.name, sizeof a.name);
    aname[sizeof a.name] = 0;
    DebugNotef("wp %s strikes with ca %d vlc: %.2f", aname, A.contact, A.velocity);
    const int E = wpwp_energy(a, A, grade);
    DebugNotef("KE after velocity (%.2f): %d", A.velocity, E);
    // An area of 0 counts as 1: a broken record never divides by zero.
    const int hit_area = A.contact ? A.contact : 1;
    int target_area = B.blockarea < A.contact ? B.blockarea : A.contact;
    if (target_area == 0) target_area = 1;
    const int hitfpa = E / hit_area, blockfpa = E / target_area;
    DebugNotef("KE = %d FPA = %d", E, hitfpa);
    DebugNotef("KE = %d FPA ont target = %d", E, blockfpa);
    const int T = (hitfpa + blockfpa) / 2;
    DebugNotef("TRUEFPA:%d -- HITFPA:%d BLOCKFPA:%d", T, hitfpa, blockfpa);
    char ad[40] = "", bd[40] = "";
    if (T >= A.threshold && B.hardness >= A.hardness) {
        DebugNotef("!%s can damage!", "blocker");
        DebugNotef("%d times exceed, %.2f contact pct", A.threshold ? (T + A.threshold - 1) / A.threshold : 0,
               (double)target_area / (A.itemarea ? A.itemarea : 1));
        snprintf(ad, sizeof ad, "[AD:%.0f]", wear_share(target_area, A, a.fullweight, b.fullweight, grade));
    }
    if (T >= B.threshold && B.hardness <= A.hardness) {
        DebugNotef("!%s can damage!", "striker");
        DebugNotef("%d times exceed, %.2f contact pct", B.threshold ? (T + B.threshold - 1) / B.threshold : 0,
               (double)target_area / (B.itemarea ? B.itemarea : 1));
        snprintf(bd, sizeof bd, "[BD:%.0f]", wear_share(target_area, B, b.fullweight, a.fullweight, grade));
    }
    char *out = sbuf();
    snprintf(out, SBUF_SIZE, "%s %s", ad, bd);
    return out;
}

const char *WpWpDmg(int striking, int blocking, int aspect, int grade) {
    return WpWpDmg_items(ObjToItem(striking), ObjToItem(blocking), aspect, grade);
}

int wpdmg_tag(const char *answer, const char *tag) {
    const char *value = tag_find(answer, tag, nullptr);
    return value ? atoi(value) : 0;
}
