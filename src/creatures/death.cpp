// src/creatures/death.cpp -- a creature dies: its kill is logged, its things fall to its square and
// it lies as a carcass; a living creature's condition each tick; the flight of a frightened one.
#include "creatures/death.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "maps/spiritdata.h"
#include "core/magicknow.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/weather.h"
#include "creatures/combat.h"
#include "creatures/cremove.h"
#include "core/creatures.h"
#include "creatures/deathdrop.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/melee_aside.h"
#include "creatures/melee.h"
#include "creatures/outfit.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "creatures/zoomservices.h"
#include "creatures/bodyrec.h"
#include "creatures/fightvillage.h"
#include "creatures/puuha.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "creatures/crestep.h"
#include "maps/maps.h"
#include "core/tehtavat.h"
#include "core/vilrecord.h"
#include "items/itemdefs.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/worldservices.h"

static_assert(sizeof(CreatureStruct) == KILL_LOG_RECORD, "a kill-log record is one creature record");

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

int kill_log_append(const CreatureStruct &c) {
    char path[1100];
    snprintf(path, sizeof path, "%s/KILL.LOG", CharacterPath);
    FILE *f = fopen(path, "ab");
    if (!f) return 0;
    long before = -1;
    if (fseek(f, 0, SEEK_END) == 0) before = ftell(f);
    const size_t written = fwrite(&c, sizeof c, 1, f);
    const bool flushed = fflush(f) == 0;
    const bool closed = fclose(f) == 0;
    if (written == 1 && flushed && closed) return 1;
    // A short write is cut back to the last whole record: the log never holds half a creature.
    if (before >= 0 && truncate(path, before) != 0) DebugNote("KILL.LOG could not be cut back");
    return 0;
}

// The player's leashes that name the creature let it go.
static void release_leashes(const CreatureStruct &c) {
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int obj = Plr.inv_obj[s];
        if (obj < OBJ_PLAYER_FIRST || obj > OBJ_PLAYER_LAST) continue;
        ItemStruct &it = PlayerObj[obj - OBJ_PLAYER_FIRST];
        if (it.type == IT_TOOL && leash_sotu(it) != 0 && leash_sotu(it) == c.socialid) set_leash_sotu(it, 0);
    }
}

// Game-course tasks a death reports.
enum { TASK_KILL = 12, TASK_BEAR = 31, TASK_RAIDERS = 32 };

static int live_raiders() {
    int count = 0;
    for (int k = 0; k < CRE_COUNT; k++)
        if (creature(k) && Cre[k].kind == CK_HUMAN && Cre[k].culture == 11 && Cre[k].mode != CM_CARCASS &&
            cre_datapos(k) >= 0)
            count++;
    return count;
}

// A village member's death: a murder when the player did it, and a place the fewer in its village.
static void village_loss(int n) {
    CreatureStruct &c = Cre[n];
    const int soc = (int)c.community;
    if (c.killer == -1) fight_murder(soc);
    npc_socroles_lost(n);
    char line[40];
    if (DEBUG_INFO) {
        snprintf(line, sizeof line, "socpopul before %d", socpopulation(soc));
        DebugNote(line);
    }
    fight_leave_population(n, soc);
    if (DEBUG_INFO) {
        snprintf(line, sizeof line, "socpopul after %d", socpopulation(soc));
        DebugNote(line);
    }
}

// A trap holding the dead on its square lets go: a sprung trap lies there as a trap item again.
static void release_traps_at(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_TRAP && Data[i].x == x && Data[i].y == y) PaastaAnsa(i);
}

// Her kills by the kind of creature and, for people, by culture.
static void count_players_kill(const CreatureStruct &c) {
    const int kind = c.speciescode;
    if (kind >= 0 && kind < (int)(sizeof Tappolista / sizeof Tappolista[0])) Tappolista[kind]++;
    if (c.kind == CK_HUMAN && c.culture < 15) Tappolista_kulttuuri[c.culture]++;
}

// The first companion or tame dog that was after the dead goes to where it fell.
static void send_to_deathplace(int n, int x, int y) {
    const uint16_t soc = (uint16_t)Cre[n].socialid;
    for (int k = 0; k < CRE_COUNT; k++) {
        if (k == n || !creature(k) || Cre[k].mode == CM_CARCASS || Cre[k].enemy_soc != soc) continue;
        if (!onko_NPC_kumppani(k) && !(Cre[k].speciescode == SPECIES_DOG && onko_NPC_kesyelain(k))) continue;
        apukoord[0] = x;
        apukoord[1] = y;
        Lisaa_Puuha(k, 50, 100);
        return;
    }
}

void KillCreature(int n, int show) {
    if (!creature(n)) return;
    CreatureStruct &c = Cre[n];
    if (c.mode == CM_CARCASS) return;
    if (onko_noiduttuelain(n) && onko_vironsusi(n))
        Plr.BewitchedWolfState = (uint8_t)((Plr.BewitchedWolfState & ~2u) | 1u);
    const bool diving = c.korkeus == -100;
    // A creature lost in the water, and a spirit, leave nothing: no carcass, no record, no kill of hers.
    // The player's leash lets go of it all the same.
    if (c.kind == CK_SPIRIT || (diving && random(2) == 0)) {
        if (c.role == 9) {
            release_leashes(c);
            c.role = 0;
        }
        // A villager lost so is gone from the village all the same: no place is kept for him.
        if (is_socmember(n)) {
            npc_socroles_lost(n);
            fight_leave_population(n, (int)c.community);
        }
        Poista_Olento(n);
        c.mode = CM_CARCASS;
        c.kind = CK_NONE;
        return;
    }
    if (c.killer == -1 || c.killer == CAUSE_TRAP) {
        if (!kill_log_append(c)) Note(MSG("KILL_LOG_FAILED"));
        if (c.killer == -1) count_players_kill(c);
        if (c.speciescode == SPECIES_BEAR) {
            set_SpiritData_mood(PlayerX, PlayerY, 702, -15);
            bearmagic_SkullPlacement(0);
        }
    } else if (c.speciescode == SPECIES_BEAR && creature(c.killer) &&
               (onko_NPC_kumppani(c.killer) || onko_NPC_kesyelain(c.killer))) {
        bearmagic_SkullPlacement(0);
    }
    if (is_socmember(n)) village_loss(n);
    const int lastx = cre_x(n), lasty = cre_y(n);
    if (c.role == 9) {
        release_leashes(c);
        c.role = 0;
    }
    if (c.killer == -1 && c.kind != CK_HUMAN) {
        world_services.course_task_check(TASK_KILL);
        const int fall = (int)std::ceil(c.weight / 30.0f);
        if (fall > 0) set_SpiritData_mood(PlayerX, PlayerY, 702, -(fall > 5 ? 5 : fall));
    }
    if (c.speciescode == SPECIES_BEAR || c.kind == 4) world_services.course_task_check(TASK_BEAR);
    // The last raider but one falling counts for the course of war.
    if (c.kind == CK_HUMAN && c.culture == 11 && live_raiders() - 1 < 2) world_services.course_task_check(TASK_RAIDERS);
    if (show && !diving) cre_say(n, c.posture == 4 ? "NPC_DEATH_PEACEFUL" : "NPC_DEATH");
    makepersonal_NPCitems(n, 0);
    PudotaKasista(n, 0);
    for (int s = 0; s < CRE_PACK; s++) {
        if (c.pack[s] && c.packcount[s]) NpcDropItem(n, c.pack[s], c.packcount[s]);
        c.pack[s] = 0;
        c.packcount[s] = 0;
        c.packbits[s] = 0;
    }
    // Each worn piece falls once and leaves its slot: the carcass wears no copies of it.
    for (int s = 0; s < CRE_WORN; s++) {
        DropCrArmor(n, s);
        c.worn[s] = 0;
    }
    TappoTarkistukset(n);
    const int pos = cre_datapos(n);
    c.mode = CM_CARCASS;
    c.daysaved = (int32_t)Plr.daynumber;
    c.korkeus = 0;
    c.Viimeisin_X = c.Viimeisin_Y = 0;
    c.enemy_x = c.enemy_y = 0;   // the dead have no foe: the carcass tells how much of it is cut or eaten
    c.fatigue = c.weight;
    if (pos >= 0) {
        Data[pos].type = DT_CARCASS;
        Data[pos].day = (uint16_t)Plr.daynumber;
        make_datapos_top(pos);
        death_pack_mark();
    }
    release_traps_at(lastx, lasty);
    send_to_deathplace(n, lastx, lasty);
    UPDATE_SCREEN = 1;
}

void cre_kill(int c, int show) { KillCreature(c, show); }

static bool pack_pending;
void death_pack_mark() { pack_pending = true; }
void death_pack_reset() { pack_pending = false; }
void death_pack_pending() {
    if (!pack_pending || SPENDING_CRITICAL) return;
    pack_pending = false;
    Siivoa_DATA();
}

// ---- condition ----

void NPC_Kuntotarkistus(int n) {
    if (!creature(n) || Cre[n].mode == CM_CARCASS) return;
    CreatureStruct &c = Cre[n];
    if (c.bodytemp == 0.0f) c.bodytemp = 37.0f;
    const int injury = body_injury_sum(n), bleeding = body_bleeding_sum(n);
    c.injury = (uint8_t)(injury > 255 ? 255 : injury);
    c.bleedtick = (uint8_t)(bleeding > 255 ? 255 : bleeding);
    if (INVASUHDE_liikuntaelimet(n) >= 1.0f) FallProne(n, 0);
    if (c.korkeus < 1) {
        const int pos = crestep_pos(n);
        const int x = pos < 0 ? 0 : Data[pos].x, y = pos < 0 ? 0 : Data[pos].y;
        const int t = water_temp();
        if (terrain_flag(get_mapchar(x, y), TF_WATER)) {
            // Cold open water chills all but the water's own; the player's own are kept warm near her.
            if (!onko_NPC_vesielaja(n) && avovesi(x, y) && t <= 9) {
                const float step = c.kind == CK_HUMAN ? 0.05f : 0.025f;
                c.bodytemp -= step;
                if (t < 6) c.bodytemp -= step;
                if ((onko_NPC_kumppani(n) || onko_NPC_kesyelain(n)) &&
                    koordinaattien_vali(x, y, PlayerX, PlayerY) <= 8 && c.bodytemp < 37.0f)
                    c.bodytemp += 0.2f;
            }
        } else if (c.bodytemp < 37.0f) {
            c.bodytemp += 0.1f;
        }
    } else if (c.posture == 3 || c.posture == 4) {
        FallProne(n, 0);
    } else if (c.korkeus == 200) {
        const int pos = crestep_pos(n);
        if (!terrain_flag(pos < 0 ? get_mapchar(0, 0) : get_mapchar(Data[pos].x, Data[pos].y), TF_TREE)) FallProne(n, 0);
    }
}

// ---- flight ----

static int enemy_square(int n, int &x, int &y) {
    const int e = Cre[n].enemy;
    if (e == -1) {
        x = PlayerX, y = PlayerY;
        return 1;
    }
    if (creature(e) && e != n && cre_datapos(e) >= 0) {
        x = cre_x(e), y = cre_y(e);
        return 1;
    }
    if (Cre[n].enemy_x) {
        x = Cre[n].enemy_x, y = Cre[n].enemy_y;
        return 1;
    }
    return 0;
}

int PakoHyokkays(int n) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    const int fatigue = FATIGUE_PENALTY(n);
    if (c.morale7 == 0 || fatigue <= 14 || c.weight < 5.0f) return 0;
    const bool hesitant = random(100) >= c.morale6;
    const bool predator = onko_JOKU_petoelain(n) != 0;
    int ex, ey;
    if (!enemy_square(n, ex, ey)) return 0;
    const int d = koordinaattien_vali(cre_x(n), cre_y(n), ex, ey);
    if (!(d < 3 || (predator && d < 7))) return 0;
    int chance = fatigue / 2 + c.morale6 + c.morale3 + 5 * c.morale7;
    if (chance > 95) chance = 95;
    if (hesitant && !predator) chance -= c.weight <= 30.0f ? 20 : 10;
    if (random(100) > chance) return 0;
    if (d == 1) {
        // Next to its enemy it strikes at once if it sees it, else it first turns to face it.
        if (NPCSee(n, ex, ey)) {
            if (Taistelu_ISKU(n, cre_datapos(n)) == 1) return 1;
        } else {
            kaanna_NPC_kohti(n, ex, ey);
        }
    }
    if (predator || !hesitant) {
        NPC_hyokkaa(n, c.enemy, d + random(c.morale7));
        return 1;
    }
    return 0;
}

void Pakene(int n) {
    if (!creature(n)) return;
    CreatureStruct &c = Cre[n];
    if (DEBUG_INFO) {
        char line[40];
        snprintf(line, sizeof line, "Pakene (%d)", n);
        DebugNote(line);
    }
    if (c.magicburden > 0) c.magicburden--;
    uint8_t &treestay = cre_spare(c, SPARE_TREESTAY);
    if (c.korkeus == 200 && treestay > 0) {
        treestay--;
        return;
    }
    for (int i = 3; i < 20; i++) c.movehist_x[i] = c.movehist_y[i] = 0;
    const int pos = cre_datapos(n);
    const bool caught = pos >= 0 && crestep_trap_at(Data[pos].x, Data[pos].y) >= 0;
    if (!caught) {
        // A flier takes wing, a squirrel unhurt makes for a tree, a swimmer dives.
        if (OSAAKO_LENTAA(n)) Lenna(n);
        else if (c.speciescode == SPECIES_SQUIRREL && c.injury == 0) Kiipea_Puuhun(n);
        else if (onko_NPC_vesielaja(n)) Sukella(n);
    } else if (c.posture == 5 || c.posture == 6) {
        c.posture = 0;
        c.korkeus = 0;
    }
    int ex, ey;
    bool moved = false;
    if (enemy_square(n, ex, ey)) {
        const int x0 = cre_x(n), y0 = cre_y(n);
        const Paikka p = Hae_Pakopaikka(n, ex, ey);
        if (p.x) Kulje_Paikkaan(n, p.x, p.y);
        moved = cre_x(n) != x0 || cre_y(n) != y0;
    }
    if (!moved && PakoHyokkays(n)) return;
    if (c.offhand) c.shieldmode = 8;
    if (c.refuge_counter > 0) c.refuge_counter--;
    if (c.mode == 4 && Onko_Turvassa(n)) {
        c.mode = c.homemode == 4 || c.homemode == 0 || c.homemode == 2 || c.homemode == 99 ? 3 : c.homemode;
        Nollaa_Pakopaikka(n);
    }
}

// ---- feathers ----

static int water_square(int x, int y) { return terrain_flag(get_mapchar(x, y), TF_WATER); }

int feather_drop(int n, int x, int y, unsigned limit) {
    if (!creature(n) || Cre[n].kind != 21) return 0;
    if (water_square(x, y) && water_square(x + 1, y) && water_square(x - 1, y) && water_square(x, y + 1) &&
        water_square(x, y - 1))
        return 0;
    const ItemStruct feather = TeeSulka(Cre[n], "");
    if (limit) {
        int lying = 0;
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM || koordinaattien_vali(x, y, d.x, d.y) > 31) continue;
            const ItemStruct it = ObjToItem((int)d.id);
            if (it.id == feather.id && it.origin == feather.origin) lying += d.count;
        }
        if (lying > 5) return 0;
    }
    const int pos = Luo_Esineen_Itempos(feather);
    if (pos) set_data(DT_ITEM, x, y, pos, 1 + random(2));
    return 0;
}
