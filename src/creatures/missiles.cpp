// src/creatures/missiles.cpp -- the flight of a thrown or shot thing: the roll that sets the
// accuracy, the speed and drag of the item, the step from square to square with gravity and the
// spread cone, the creature or obstacle in its way, and where it comes down.
#include "creatures/missiles.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "maps/squareevents.h"
#include "creatures/combat.h"
#include "creatures/outfit.h"
#include "core/creatures.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "core/crefile.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/player.h"

int MISSILE_original_target = -1000, MISSILE_living_target = -1000, MISSILE_aiming_modifier;
int MISSILE_success, MISSILE_osuman_laatu, MISSILE_target_suc;
int MISSILE_OGTARGET_osuman_laatu, MISSILE_OGTARGET_puolustus, MISSILE_OGTARGET_target_suc;
int MISSILE_tile_osuma, MISSILE_ground_hit, MISSILE_landX, MISSILE_landY;
int MISSILE_thrown_range, MISSILE_range_to_target;
float MISSILE_velocity;
int MISSILE_ke, MISSILE_tosiesine;
uint8_t MISSILE_symbol;
char MISSILE_tilename[13];
char MISSILE_carcass_tilename[13];
uint8_t MISSILE_rotate;
int MISSILE_accuracy;
float MISSILE_cone;
int MISSILE_DRAW = 1;

static int s_thrower = -1;   // who threw the missile in flight


static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }
static void body_xy(int n, int &x, int &y) {
    if (n == -1) x = PlayerX, y = PlayerY;
    else x = cre_x(n), y = cre_y(n);
}
static void skill_word(const ItemStruct &it, char *out, size_t size) {
    char s[sizeof it.skill + 1];
    memcpy(s, it.skill, sizeof it.skill);
    s[sizeof it.skill] = 0;
    copy_bounded(out, size, s);
}

// ---- small figures of the flight ----

float getmissilecone(int accuracy) { return (float)(101 - accuracy) / 100.0f * 0.35f; }

float floatrnd(float a, float b) { return a + (float)((double)rand() / 2147483648.0) * (b - a); }

float getangle(int x0, int y0, int x1, int y1) { return std::atan2((float)(y1 - y0), (float)(x1 - x0)); }

int getdistance(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    return 2 * (dx > dy ? dx : dy);
}

float get_terrainaltitude(int x, int y) {
    const float h = (float)Pinnan_Korkeus(x, y);
    if (terrain_flag(get_mapchar(x, y), TF_WATER) && h < 7.0f) return 7.0f;
    return h;
}

float olennon_korkeus(int n) {
    int x, y;
    body_xy(n, x, y);
    float h = get_terrainaltitude(x, y);
    if (creature(n)) {
        if (Cre[n].korkeus == 100) h += 30.0f;
        else if (Cre[n].korkeus == 200) h += 20.0f;
    }
    return h;
}

float GetMissileVelocity(const ItemStruct &item) {
    const float v = 20.0f - 0.5f * item.weight;
    return v < 1.0f ? 1.0f : v;
}

float GetBowVelocity(const ItemStruct &bow) {
    const float p = (float)bow.fig[2];
    float v = p * p + 60.0f;
    if (v < 60.0f) v = 60.0f;
    if (v > 150.0f) v = 150.0f;
    return v;
}

float GetMissileAerodynamics(const ItemStruct &item) {
    if (item.subtype == ST_ARROW) return 1.0f;
    if (item.type == IT_ARMOUR) return 600.0f - 10.0f * item.weight;
    if (item.type == IT_WEAPON) {
        const float f = (float)item.cover[2];
        return f != 0.0f ? f * f : 50.0f + 5.0f * item.weight;
    }
    if (item.type == IT_PLANT) return 800.0f;
    return item.weight < 0.25f ? 950.0f : 50.0f;
}

int GetMissileKE(float velocity0, float velocity, const ItemStruct &item) {
    if (velocity0 <= 0.0f) return 0;
    float e = velocity * velocity * item.weight;
    if (e > 1000.0f) e = 1000.0f;
    if (e < 0.0f) e = 0.0f;
    const int ke = (int)std::ceil(velocity / velocity0 * e / 100.0f);
    return ke > 10 ? 10 : ke < 0 ? 0 : ke;
}

int TargetSizeModifier(int n) {
    if (n == -1) return Plr.posture != 0 ? 50 : 100;
    if (!creature(n) || Cre[n].kind == CK_HUMAN) return 100;
    const float w = Cre[n].weight;
    return w < 5 ? 15 : w < 15 ? 30 : w < 30 ? 45 : w < 45 ? 60 : w < 60 ? 75 : 100;
}

// ---- what the missile meets ----

static void keep_target_values(int n) {
    if (n != MISSILE_original_target) return;
    MISSILE_OGTARGET_osuman_laatu = MISSILE_osuman_laatu;
    MISSILE_OGTARGET_puolustus = MISSILE_puolustus;
    MISSILE_OGTARGET_target_suc = MISSILE_target_suc;
}

int OsuukoMissileOlentoon(int x, int y, int quality) {
    if (MISSILE_original_target == -1000) return 0;
    int n;
    if (x == PlayerX && y == PlayerY && !bigmap()) n = -1;
    else if ((n = cre_xy(x, y)) < 0) return 0;
    if (n == s_thrower) return 0;
    if (n >= 0 && (!creature(n) || Cre[n].mode == CM_CARCASS)) return 0;
    const int target = MISSILE_original_target;
    if (n != target) {
        if (creature(s_thrower) && n >= 0 && Cre[s_thrower].community &&
            Cre[s_thrower].community == Cre[n].community)
            return 0;
        if (target != -1000 && (target == -1 || creature(target)) &&
            olennon_korkeus(n) + olennon_keskipiste(n) < olennon_korkeus(target) + olennon_keskipiste(target))
            return 0;
    } else {
        MISSILE_passed = 1;
    }
    MISSILE_osuman_laatu = quality;
    int size = TargetSizeModifier(n);
    static const double aimed[4] = {1.0, 0.5, 0.4, 0.3};
    if (MISSILE_aiming_modifier >= 1 && MISSILE_aiming_modifier <= 3)
        size = (int)std::ceil(size * aimed[MISSILE_aiming_modifier] - 1e-9);
    if (size <= 99 && quality < 100 - size) {
        MISSILE_puolustus = 3;
        MISSILE_target_suc = 3;
        keep_target_values(n);
        return -1;
    }
    const int moving = MOVEDODGE_kaytossa(n);
    if (moving) {
        int ml = MOVEDODGE_skill(n);
        if (ml < 0) ml = 0;
        const bool dodged = random((int)std::ceil(MISSILE_velocity)) < random(ml) ||
                            random(quality) < random(ml);
        if (dodged) {
            MISSILE_puolustus = moving;
            MISSILE_target_suc = 3;
            keep_target_values(n);
            return -1;
        }
    }
    MISSILE_puolustus = moving;
    MISSILE_target_suc = 0;
    MISSILE_living_target = n;
    MISSILE_osui = 1;
    return 1;
}

int OnkoMissileEste(int x, int y, int quality, int targetX, int targetY) {
    const int c = get_mapchar(x, y);
    if (terrain_flag(c, TF_WATER) || !terrain_flag(c, TF_BLOCKS)) return 0;
    if (terrain_flag(c, TF_ROOFED)) return 1;
    int cover = terrain_flag(c, TF_FENCE) ? 10 : terrain_flag(c, TF_BLOCKS_SIGHT) ? 90 : 50;
    if (terrain_flag(c, TF_TREE)) cover = terrain_flag(c, TF_BLOCKS_SIGHT) ? 66 : 33;
    if (quality == 1000) return 1;
    if (cover < 90 && quality > cover && !(x == targetX && y == targetY))
        return random(quality) < random(cover) ? 1 : 0;
    return quality >= 100 - cover ? 1 : 0;
}

// ---- the flight ----

static bool inside_area(int x, int y) { return x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX; }

int missile_sprites_drawn;

// The missile's picture on the square it passes, turned to the angle of its flight (a missile that
// does not turn keeps its own frame): the first frame of its tile, not a frame numbered by the angle.
// A carcass flies as its creature looks, and a little faster on the screen than a thrown thing.
static void draw_step(int x, int y, int angle, float vh, float v0) {
    if (!MISSILE_DRAW || DISABLE_MAP || !ui_has_screen()) return;
    const bool carcass = MISSILE_carcass_tilename[0] != 0;
    const char *tile = carcass ? MISSILE_carcass_tilename : MISSILE_tilename;
    if (ui_missile_sprite(x, y, MISSILE_rotate ? angle : 0, tile, carcass ? 0 : MISSILE_tosiesine))
        missile_sprites_drawn++;
    if (OXA_NODELAY || DISABLE_NOTES) return;
    int pause = (int)std::ceil(100.0f - vh / v0 * 100.0f) + (carcass ? 10 : 30);
    const int most = carcass ? 150 : 200;
    if (pause > most) pause = most;
    if (pause > 0) oxa_delay(pause);
}

void shoot_missile(int rotate, int x0, int y0, int x1, int y1, float cone, float launchHeight,
                   float targetHeight, float velocity, float aero) {
    MISSILE_landX = x0, MISSILE_landY = y0;
    MISSILE_thrown_range = 0;
    MISSILE_velocity = velocity;
    const float D = (float)getdistance(x0, y0, x1, y1);
    MISSILE_range_to_target = (int)D;
    if (D <= 0.0f || velocity <= 0.0f) return;   // at its own feet: nothing flies
    // Drag above 1000 would turn the missile round in the air: it stops dead instead.
    if (aero < 0.0f) aero = 0.0f;
    if (aero > 1000.0f) aero = 1000.0f;
    float drop = 4.905f * (D / velocity) * (D / velocity);
    if (drop > D) drop = D;
    float rise = drop - (launchHeight - targetHeight);
    if (D >= 6.0f && get_terrainaltitude(x0, y0) > get_terrainaltitude(x1, y1)) rise += 0.5f;
    const float theta = std::atan2(rise, D) + floatrnd(0.0f, cone * 0.5f);
    float vh = velocity * std::cos(theta), vz = -velocity * std::sin(theta);
    const float base = getangle(x0, y0, x1, y1);
    float phi;
    if (cone >= 0.2625f) phi = random(2) ? base - cone + floatrnd(0.0f, 0.75f * cone) : base + cone - floatrnd(0.0f, 0.75f * cone);
    else phi = base - cone + floatrnd(0.0f, 2.0f * cone);
    const float c = std::cos(phi), s = std::sin(phi);
    const bool xmajor = std::fabs(c) >= std::fabs(s);
    float sx, sy;
    if (xmajor) sx = c >= 0 ? 1.0f : -1.0f, sy = sx * s / c;
    else sy = s >= 0 ? 1.0f : -1.0f, sx = sy * c / s;
    int angle = (int)calcAngle(x0, y0, x1, y1) + 90;
    angle %= 360;
    if (angle < 0) angle += 360;
    if (rotate == 2) {
        angle -= 40;
        if (angle <= 0) angle += 320;
    }
    float height = launchHeight;
    for (int k = 1;; k++) {
        if (vh <= 0.001f) break;
        const float dt = 2.0f / vh;
        const float px = (float)x0 + k * sx + 0.5f, py = (float)y0 + k * sy + 0.5f;
        const int lx = (int)std::floor(px), ly = (int)std::floor(py);
        // The flight ends at the border of the local area: it comes down on the last square inside.
        if (!inside_area(lx, ly)) break;
        MISSILE_landX = lx, MISSILE_landY = ly;
        MISSILE_thrown_range = getdistance(x0, y0, lx, ly);
        draw_step(lx, ly, angle, vh, velocity);
        const float minor = xmajor ? py : px;
        const float frac = minor - std::floor(minor);
        const int quality = (int)std::floor(101.0f - 2.0f * std::fabs(frac - 0.5f) * 100.0f);
        const int met = OsuukoMissileOlentoon(lx, ly, quality);
        if (met == 1) break;
        if ((k > 1 || (lx == x1 && ly == y1)) && OnkoMissileEste(lx, ly, quality, x1, y1)) {
            MISSILE_tile_osuma = 1;
            break;
        }
        vz += 9.81f * dt;
        height -= vz * dt;
        vh -= aero / 1000.0f * vh;
        MISSILE_velocity = vh;
        if (get_terrainaltitude(lx, ly) > height) break;
    }
    if (MISSILE_osui || MISSILE_tile_osuma) return;
    const int travelled = MISSILE_thrown_range;
    if (travelled < D - 4) MISSILE_short = 1;
    const float here = get_terrainaltitude(MISSILE_landX, MISSILE_landY);
    if (here != get_terrainaltitude(x1, y1) || here != get_terrainaltitude(x0, y0)) {
        const bool water = terrain_flag(get_mapchar(MISSILE_landX, MISSILE_landY), TF_WATER);
        if (!water && travelled >= D - 4 && travelled < D - 3) {
            MISSILE_ground_hit = 1;
            MISSILE_short = 0;
        }
    }
}

static void accuracy_message(const char *key) { copy_bounded(MISSILE_message, sizeof MISSILE_message, MSG(key)); }

void MissileTarkistukset(int thrower, int targetX, int targetY, const ItemStruct &item, int launcher) {
    int x0, y0;
    body_xy(thrower, x0, y0);
    s_thrower = thrower;
    ATTACKER = thrower;
    const int d = koordinaattien_vali(x0, y0, targetX, targetY);
    MISSILE_osui = MISSILE_passed = MISSILE_short = 0;
    MISSILE_tile_osuma = MISSILE_ground_hit = 0;
    MISSILE_puolustus = MISSILE_target_suc = MISSILE_osuman_laatu = 0;
    MISSILE_OGTARGET_osuman_laatu = MISSILE_OGTARGET_puolustus = MISSILE_OGTARGET_target_suc = 0;
    MISSILE_living_target = -1000;
    MISSILE_ke = 0;
    MISSILE_aimed = MISSILE_aiming_modifier != 0;
    MISSILE_rotate = (uint8_t)(onko_HEITTOASE(item) || onko_NUOLI(item) ? 1 : onko_MELEEASE(item) ? 2 : 0);
    MISSILE_tosiesine = Luo_Esineen_Itempos(item);
    copy_bounded(vMSG_attack_weapon, sizeof vMSG_attack_weapon,
                 MISSILE_tosiesine ? ekuvaus(MISSILE_tosiesine, 1, 4) : "something");
    {
        char t[sizeof item.tile + 1];
        memcpy(t, item.tile, sizeof item.tile);
        t[sizeof item.tile] = 0;
        copy_bounded(MISSILE_tilename, sizeof MISSILE_tilename, t);
        MISSILE_symbol = item.tilesym;
        MISSILE_carcass_tilename[0] = 0;
        static CreatureStruct dead;
        if (item.type == IT_CARCASS && getsotucrstruct(dead, item.id, 52)) {
            // Its own tile name fills all twelve bytes of the record at most, with no end.
            char own[sizeof dead.tilename + 1];
            memcpy(own, dead.tilename, sizeof dead.tilename);
            own[sizeof dead.tilename] = 0;
            copy_bounded(MISSILE_carcass_tilename, sizeof MISSILE_carcass_tilename,
                         own[0] ? own : tilename_of_graphic(dead));
        }
    }
    DebugNotef("Missile: %d,%d -> %d,%d : Etaisyys: %d", x0, y0, targetX, targetY, d);
    DebugNotef("Lentava ase: %s", vMSG_attack_weapon);

    // The skill: the item's own when the thrower has it, else plain throwing; a launcher's with one.
    char skill[32];
    bool crossbow = false;
    float base = 0.0f;
    int ml;
    if (launcher <= 0) {
        skill_word(item, skill, sizeof skill);
        ml = skill[0] ? Skill_ML(thrower, skill) : 0;
        if (ml == 0 || ml >= 1000) {
            copy_bounded(skill, sizeof skill, "THROWING");
            ml = Skill_ML(thrower, skill);
        }
    } else {
        const ItemStruct bow = ObjToItem(launcher);
        skill_word(bow, skill, sizeof skill);
        base = GetBowVelocity(bow);
        crossbow = strcmp(skill, "CROSSBOW") == 0;
        ml = Skill_ML(thrower, skill);
        DebugNotef("Ampuva jousi: %s", ekuvaus(launcher, 1, 4));
    }
    if (ml >= 1000) ml = 0;
    DebugNotef("Missiletaito: %s ML: %d", skill, ml);

    int penalty = Laske_BITFIELD_Penalty(thrower, 6), bonus = 0;
    if (COMBATPROFILE(thrower) == 1) penalty += 30;
    if (crossbow) penalty /= 2, bonus = 10;
    int level;
    if (thrower == -1) {
        const int k = MISSILE_original_target != -1000 ? 0 : d > 4 ? -1 : -2;
        level = Kayta_Taitoa(penalty, bonus, skill, k);
    } else {
        level = SuccessRoll(penalty, ml + bonus);
    }
    const int q = ItemGet_laatu(&item);
    if (q == 1 && level == 3) level = 2;
    if (crossbow && level == 0) level = 2;
    if (MISSILE_original_target >= 0 && onko_NPC_haltija(MISSILE_original_target)) level = 0;
    if (level < 0) level = 0;
    if (level > 3) level = 3;
    MISSILE_success = level;

    int A;
    switch (level) {
    case 0:
        accuracy_message("MISSILE_INFERIOR");
        A = random(25) + 1;
        break;
    case 1:
        accuracy_message("MISSILE_MARGINAL");
        A = random(16) + (crossbow ? 45 : 35);
        if (A < ml) A += random((ml - A) / 3);
        break;
    case 2: {
        accuracy_message("MISSILE_GOOD");
        A = random(11) + (crossbow ? 75 : 65);
        if (A < ml) {
            const int third = (ml - A) / 3;
            A += third + random(third) + random(third);
        }
        break;
    }
    default:
        accuracy_message("MISSILE_SUPERIOR");
        A = random(10) + 91;
        if (A < ml) A += random(ml - A);
        break;
    }
    DebugNotef("Missile_success:%d accuracy:%d", level, A);

    const float v0 = base + GetMissileVelocity(item);
    const float aero = GetMissileAerodynamics(item);
    DebugNotef("Velocity: %.2f Aero: %.2f", v0, aero);
    if (SB_SOUND) {
        Aseta_AudioPos(x0, y0);
        if (launcher > 0) play_sample("arrow", 0);
        else play_sample("throw", 0);
    }

    const float launch = get_terrainaltitude(x0, y0) + 1.75f;
    float aim;
    const int target = MISSILE_original_target;
    if (target != -1000 && (target == -1 || creature(target))) {
        aim = olennon_korkeus(target) + olennon_keskipiste(target);
    } else {
        aim = get_terrainaltitude(targetX, targetY);
        if (OnkoMissileEste(targetX, targetY, 1000, targetX, targetY)) aim += 1.75f;
    }
    switch (q) {
    case 1: A /= 2; break;
    case 2: A -= 15; break;
    case 4: A += 5; break;
    case 5: A += 10; break;
    default: break;
    }
    if (A < 0) A = 0;
    if (A > 100) A = 100;
    if (target == -1000 && d == 1) A = 100;
    MISSILE_accuracy = A;
    MISSILE_cone = getmissilecone(A);
    DebugNotef("laukaisukorkeus: %.2f m / maali: %.2f m cone: %.2f", launch, aim, MISSILE_cone);

    shoot_missile(MISSILE_rotate, x0, y0, targetX, targetY, MISSILE_cone, launch, aim, v0, aero);

    MISSILE_ke = GetMissileKE(v0, MISSILE_velocity, item);
    DebugNotef("MslHit VC:%.2f m/2 KE:%d", MISSILE_velocity, MISSILE_ke);
    if (!MISSILE_osui && !MISSILE_tile_osuma && MISSILE_tosiesine)
        aseta_heitetty_esine(MISSILE_landX, MISSILE_landY, MISSILE_tosiesine);
    UPDATE_SCREEN = 1;
}

void Missile_Tileosuma(int item, int x, int y) {
    const ItemStruct it = ObjToItem(item);
    copy_bounded(vMSG_var, sizeof vMSG_var, terrain_desc(get_mapchar(x, y)));
    TARGET_ITEM = item;
    const bool seen = See(x, y);
    if (seen) Note(MSG("MISSILE_HITS_OBSTACLE"));
    if (onko_NUOLI(it) && random(15) == 0) {
        if (seen) Note(MSG("MISSILE_BREAKS"));
        break_item_at(x, y, item);
        return;
    }
    aseta_heitetty_esine(x, y, item);
}

void Missile_Groundhit(int item) {
    TARGET_ITEM = item;
    Note(MSG("CANT_THROW_PAST_CONTOUR"));
}
