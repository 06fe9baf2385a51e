// src/activities/puuharun.cpp -- the activity interpreter: one tick of a creature's current activity
// (see puuharun.h). A target that vanished cancels the activity so
// that the life routine chooses again in the same tick; a finished one uses the tick.
#include "activities/puuharun.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/cooking.h"
#include "activities/survival.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "creatures/animals.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/describe.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "activities/activities.h"
#include "activities/butchery.h"
#include "activities/hidework.h"
#include "creatures/bodyrec.h"
#include "creatures/weaponchoice.h"
#include "creatures/predicates.h"
#include "creatures/people.h"
#include "creatures/crefile.h"
#include "creatures/death.h"
#include "creatures/puuha.h"
#include "creatures/breaches.h"
#include "creatures/zoomservices.h"
#include "items/inventory.h"
#include "items/items.h"
#include "activities/mending.h"
#include "base/ui.h"
#include "core/worldservices.h"
#include "items/vildebt.h"
#include "maps/vilplace.h"
#include "core/tehtavat.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "activities/food.h"
#include "activities/harvest.h"
#include "items/plantlife.h"
#include "maps/squareevents.h"
#include "activities/timber.h"

// The raw meat or fish of a pack slot, ten pieces at the most, roasted by the fire: the raw pieces
// leave the pack and as many roasted ones take their place.
static void roast_pack_meat(int n, int slot) {
    CreatureStruct &c = Cre[n];
    const int count = c.packcount[slot] < 10 ? c.packcount[slot] : 10;
    const int roasted = Kokkaa(n, COOK_ROAST, "", 1, (int)c.pack[slot]);
    if (roasted <= 0) return;
    Poista_NpcItem(n, slot, count);
    new_AddCrPack(n, roasted, count, 0);
}
// A creature at a carcass skins it first, while it can be skinned, then cuts it up.
static int cut_carcass(int n, int dp) {
    if (HIDEWORK_skin(n, dp, 0)) return HIDEWORK_skin(n, dp, 1);
    return CutCorpse(n, dp, 0);
}
// Activity 70, a person coming to talk about its quest: -1 the activity ends, 0 the talk was started
// (or there is nothing to start), 1 it walks on toward the player.
static int quest_talk_turn(int n) {
    CreatureStruct &c = Cre[n];
    if (!(c.stateflags & SF_QUESTTALK) || (is_socmember(n) && !isloc_soccenter((int)c.community, IsoX(), IsoY())))
        return -1;
    int x, y;
    if (!creature_square(n, x, y) || koordinaattien_vali(x, y, PlayerX, PlayerY) > 1 || PLAYER_SLEEPING || SPENDING)
        return 1;
    if (!c.quest) return 0;
    static QuestStruct q;
    if (loadQuest(c.quest, q) && !q.closed && (q.accepted || Plr.daynumber <= q.createdDayNumber + 7)) {
        kaanna_NPC_kohti(n, PlayerX, PlayerY);
        cre_say(n, "NPC_TALKS");
        Pause();
        world_services.talk_quest(n);
        return 0;
    }
    c.stateflags &= ~SF_QUESTTALK;
    return -1;
}

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

// The time-out: the activity ends and the next one moves up.
static int time_out(int n) {
    CreatureStruct &c = Cre[n];
    if (c.Puuha[0] == 151) {
        c.moralebits[19] = 2;
        laumamoraali(n);
    }
    if (c.Puuha[0] == 4 && c.mode == CM_ASLEEP) HerataNPC(n);
    char line[64];
    snprintf(line, sizeof line, "puuha %d timeout", c.Puuha[0]);
    dbg(line);
    c.Puuha[0] = 0;
    Keskeyta_Puuha(n, 0);
    return 1;
}

static int sleep_handler(int n) {
    CreatureStruct &c = Cre[n];
    if (!onko_hyva_nukkua(n)) {
        c.wakinghour = (uint8_t)(Plr.hour + 1);   // 24 at 23 o'clock: it is compared with the hour + 1
        Keskeyta_Puuha(n, 0);
        return 0;
    }
    c.PuuhaAika[0] = onko_NPC_hereillaoloaika(n) ? 0 : 1000;
    if (onko_NPC_kumppani(n) || onko_NPC_lieassa(n)) c.PuuhaAika[0] = 0;
    const int p = crestep_pos(n);
    if (is_human(n) && p >= 0 && terrain_flag(get_mapchar(Data[p].x, Data[p].y), TF_WATER)) {
        Keskeyta_Puuha(n, 0);
        return 0;
    }
    AsetaPonnistelu(n, 0);
    if (c.PuuhaAika[0] == 0) {
        c.PuuhaAika[0] = -1;
        return time_out(n);
    }
    if (c.mode != CM_ASLEEP && p >= 0) {
        const int ch = get_mapchar(Data[p].x, Data[p].y);
        if (ch == '.' || ch == 22 || ch == '-') {
            c.Puuha[0] = 0;
        } else {
            Laskeudu(n);
            cre_spare(c, SPARE_RESTOREMODE) = c.mode;
            c.mode = CM_ASLEEP;
            c.wakinghour = 0;
        }
    }
    return -1;   // the normal timer step follows
}

static int near1(int n, int x, int y) {
    const int p = crestep_pos(n);
    return p >= 0 && koordinaattien_vali(Data[p].x, Data[p].y, x, y) <= 1;
}

static void eat_carcass_portion(int n, int cdp) {
    const int m = creature_slot_of(Data[cdp].id);
    if (m < 0) return;
    CreatureStruct &carcass = Cre[m];
    if (Cre[n].korkeus == 100) Laskeudu(n);
    // a portion of one pound of its meat
    ItemStruct meat = Lihaesine(carcass.species, 1.0f, carcass);
    const ravinto_struct v = ravinto(meat);
    Ravitse(n, v, meat, 1.0f, 0);
    // a bird not yet skinned sheds its feathers where it is eaten
    if (onko_NPC_lintu(m) && !is_carcass_skinned(carcass)) {
        const int p = crestep_pos(n);
        if (p >= 0)
            for (int k = 0; k < 3; k++) feather_drop(m, Data[p].x, Data[p].y, 0);
    }
    carcass.eaten &= (uint8_t)~1;
    carcass.weight -= 1.0f;
    if (carcass.weight <= 0.0f) {
        const int x = Data[cdp].x, y = Data[cdp].y;
        CrunchData(cdp);
        Keskeyta_Puuha(n, -1);
        CarcassDecayComplete(m, x, y);
        return;
    }
    if (Cre[n].energy >= maxenergiavaranto(n)) Keskeyta_Puuha(n, -1);
}

// Finds the food record the activity aims at: on the target square with the target object number.
static int food_record(int x, int y, int obj) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y && (d.type == DT_ITEM || d.type == DT_PLANT) && (int)d.id == obj) return i;
    }
    return -1;
}

static int eat_food(int n, int dp) {
    CreatureStruct &c = Cre[n];
    const int tx = c.PuuhaX[0], ty = c.PuuhaY[0];
    Kulje_Paikkaan(n, tx, ty);
    const int p = crestep_pos(n);
    if (p < 0 || Data[p].x != tx || Data[p].y != ty) return -1;
    const int f = food_record(tx, ty, c.PuuhaKohde[0]);
    if (f < 0) {
        Keskeyta_Puuha(n, 0);
        return -1;
    }
    if (c.korkeus == 100) Laskeudu(n);
    if (Data[f].type == DT_ITEM) {
        ItemStruct item = ObjToItem((int)Data[f].id);
        if (!NPCruokaitem(n, 0, item)) {
            Keskeyta_Puuha(n, 0);
            return -1;
        }
        float amount = item.weight;
        const int bone = item.id == OID_BONE;
        if (bone) amount = random(5) == 1 ? (item.fullweight / 100.0f > 0.01f ? item.fullweight / 100.0f : 0.01f) : 0.0f;
        if (amount <= 0.0f) return 1;
        TARGET_ITEM = (int)Data[f].id;
        // the whole item goes, or only what was gnawed off the one bone; what cannot be taken off
        // the stack (no room for its rest) is not eaten
        if (kuluta_datapos(f, amount) <= 0.0f) {
            Keskeyta_Puuha(n, 0);
            return -1;
        }
        cre_say(n, "DO_EAT");
        const ravinto_struct v = ravinto(item);
        Ravitse(n, v, item, amount, 0);
        Keskeyta_Puuha(n, 0);
        if (onko_vironsusi(n) && strstr(item.name, "bread")) {
            paasta_noiduttuelain(n);
            Plr.BewitchedWolfState = (uint8_t)(Plr.BewitchedWolfState | 2u);
            return 1;
        }
        Lisaa_Puuha(n, 2, 3);
        ravinnonhankinta(n, dp, 1);
        return 1;
    }
    // a plant: grazed as it is picked, a ripe one as its fruit, an unripe one a whole plant at a time;
    // a plant that gives nothing feeds nothing
    if (HarvestBranch(n, f, onko_KASVI_korjuukypsa(f) ? HARVEST_PICK : HARVEST_WHOLE, 0) == HARVEST_OK) {
        c.energy = (int16_t)(c.energy + 100 > 32000 ? 32000 : c.energy + 100);
        if (c.energy > maxenergiavaranto(n)) c.energy = (int16_t)maxenergiavaranto(n);
    }
    Keskeyta_Puuha(n, 0);
    Lisaa_Puuha(n, 2, 2);
    ravinnonhankinta(n, dp, 1);
    return 1;
}

// A prey or game target: its creature, or its carcass when it died; -1 and the activity ended when
// neither is there.
static int hunt_target(int n, int code, int &prey) {
    CreatureStruct &c = Cre[n];
    prey = cre_of_socid((unsigned)c.PuuhaKohde[0]);
    if (prey >= 0) return 1;
    const int carcass = carcass_of_socid((unsigned)c.PuuhaKohde[0]);
    if (carcass >= 0) {
        Keskeyta_Puuha(n, -1);
        if (code == 55) aseta_ruhonsyonti(n, carcass);
        else aseta_ruhonkasittely(n, carcass, 0);
        return 0;
    }
    Keskeyta_Puuha(n, 0);
    dbg(code == 55 ? "Saalistus ohi - ei löydetty koordinaatteja" : "Metsästys ohi - ei löydetty koordinaatteja");
    return 0;
}

static int go_home(int n) {
    if (bigmap()) return -1;
    CreatureStruct &c = Cre[n];
    const int p = crestep_pos(n);
    if (p < 0) return -1;
    int wx, wy;
    square_worldcell(Data[p].x, Data[p].y, &wx, &wy);
    const int hx = c.PuuhaX[0], hy = c.PuuhaY[0];
    if (koordinaattien_vali(Data[p].x, Data[p].y, PlayerX, PlayerY) > 64 && !bigloc_on_zoomarea(hx, hy)) {
        c.memberbits &= (uint8_t)~MB_GOHOME;
        if (!cr_teleport(n, hx, hy)) return -1;   // no home map takes it: the timer runs on
        Poista_SotuOlento(c.socialid);
        return 1;
    }
    if (wx == hx && wy == hy) {
        c.memberbits &= (uint8_t)~MB_GOHOME;
        Keskeyta_Puuha(n, 0);
        return -1;
    }
    const int tx = Data[p].x + (hx > wx ? 25 : hx < wx ? -25 : 0), ty = Data[p].y + (hy > wy ? 25 : hy < wy ? -25 : 0);
    Kulje_Paikkaan(n, tx < AREA_MIN ? AREA_MIN : tx > AREA_MAX ? AREA_MAX : tx, ty < AREA_MIN ? AREA_MIN : ty > AREA_MAX ? AREA_MAX : ty);
    char line[64];
    snprintf(line, sizeof line, "headhome -> %d,%d (cr %d)", tx, ty, n);
    dbg(line);
    return -1;
}

// One handler by code: 0 or 1 is the tick's answer; -1 goes on to the timer step.
static int run_handler(int n, int dp, int code) {
    CreatureStruct &c = Cre[n];
    const int p = crestep_pos(n);
    const int cx = p >= 0 ? Data[p].x : 0, cy = p >= 0 ? Data[p].y : 0;
    switch (code) {
    case 1: {
        int h = c.Suunta + random(3) - 1;
        if (h < 0) h = 7;
        if (h > 7) h = 0;
        c.Suunta = h;
        Elain_Eteenpain(dp);
        if (c.korkeus == 100 && c.PuuhaAika[0] < 10) {
            const int q = crestep_pos(n);
            if (q >= 0 && terrain_flag(get_mapchar(Data[q].x, Data[q].y), TF_TREE)) {
                c.korkeus = 200;
                c.PuuhaAika[0] = 0;
            }
        }
        return -1;
    }
    case 50: {
        const int y = c.PuuhaY[0] + random(3) - 1;   // the row is drawn before the column
        Kulje_Paikkaan(n, c.PuuhaX[0] + random(3) - 1, y);
        if ((onko_NPC_kesyelain(n) || onko_NPC_kumppani(n)) && aantelylaskuri(n, 0)) {
            if (!is_human(n)) cre_say(n, "SOUND_NORMAL");
            else Olento_Huutaa(n, "Come here!");
            const int q = crestep_pos(n);
            if (q >= 0) aseta_maailmaan_meteli(Data[q].x, Data[q].y, 3, n);
            aantelylaskuri(n, 2 + random(5));
        }
        const int q = crestep_pos(n);
        if (q >= 0 && See(Data[q].x, Data[q].y) && koordinaattien_vali(Data[q].x, Data[q].y, PlayerX, PlayerY) <= 4)
            Keskeyta_Puuha(n, 0);
        return -1;
    }
    case 52: {
        const int cdp = carcass_of_socid((unsigned)c.PuuhaKohde[0]);
        if (cdp < 0) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        Kulje_Paikkaan(n, Data[cdp].x, Data[cdp].y);
        if (near1(n, Data[cdp].x, Data[cdp].y)) eat_carcass_portion(n, cdp);
        return -1;
    }
    case 53:
        return eat_food(n, dp);
    case 55: {
        int prey;
        if (!hunt_target(n, 55, prey)) return 0;
        if (onko_NPC_lintu(n)) {
            if (c.korkeus != 100 && !(OSAAKO_LENTAA(n) && Lenna(n))) {
                Keskeyta_Puuha(n, 0);
                return 0;
            }
        } else if (huono_saalis_maaelaimelle(n, prey)) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        const int q = crestep_pos(prey);
        if (q < 0) {
            Keskeyta_Puuha(n, -1);
            return 0;
        }
        if (koordinaattien_vali(cx, cy, Data[q].x, Data[q].y) < 10) cre_attacks(n, prey, 0);
        else Kulje_Paikkaan(n, Data[q].x, Data[q].y);
        return -1;
    }
    case 69: {
        int prey;
        if (!hunt_target(n, 69, prey)) return 0;
        const int q = crestep_pos(prey);
        const bool up = Cre[prey].korkeus == 100 || Cre[prey].korkeus == 200;
        if (q < 0 || (up && !NPC_jousi_perusteltu(n, 0)) || crestep_open_water(Data[q].x, Data[q].y)) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        if (koordinaattien_vali(cx, cy, Data[q].x, Data[q].y) < 10) cre_attacks(n, prey, 0);
        else Kulje_Paikkaan(n, Data[q].x, Data[q].y);
        return -1;
    }
    case 68: {
        const int cdp = carcass_of_socid((unsigned)c.PuuhaKohde[0]);
        if (cdp < 0) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        Kulje_Paikkaan(n, Data[cdp].x, Data[cdp].y);
        if (near1(n, Data[cdp].x, Data[cdp].y)) {
            dbg("Ruhoa käsitellään.");
            if (!cut_carcass(n, cdp)) Keskeyta_Puuha(n, 0);
        }
        return -1;
    }
    case 70: {
        const int r = quest_talk_turn(n);
        if (r < 0) Keskeyta_Puuha(n, -1);
        if (r <= 0) return 0;
        askel_kohti_paikkaa(n, PlayerX, PlayerY);
        return -1;
    }
    case 80: case 81: {
        // the record aimed at must still be an item on the square where it was seen
        const int r = c.PuuhaKohde[0];
        const bool there = (unsigned)r < (unsigned)DATA_MAX && Data[r].type == DT_ITEM &&
                           (!c.PuuhaX[0] || (Data[r].x == c.PuuhaX[0] && Data[r].y == c.PuuhaY[0]));
        const int soc = (int)c.community;
        if (code == 80 && !(there && socwants_reclaim_dp(r, soc))) {
            Keskeyta_Puuha(n, -1);
            soc_reclaim_check(soc);
            return 0;
        }
        if (code == 81 && !(there && robber_wanted_item(ObjToItem((int)Data[r].id)))) {
            Keskeyta_Puuha(n, -1);
            return 0;
        }
        if (askel_kohti_paikkaa(n, Data[r].x, Data[r].y)) {
            const int obj = (int)Data[r].id, count = Data[r].count;
            if (code == 80) {
                remitemdebt(soc, (unsigned)obj, (unsigned)count);
                new_cr_pickup(n, r, count, 1);
            } else {
                new_cr_pickup(n, r, cancarry(n, obj, count) ? count : 1, 0);
            }
            Keskeyta_Puuha(n, -1);
        }
        return -1;
    }
    case 100: case 101: {
        const Paikka t = HaePaikka_Karttamerkki(cx, cy, code == 100 ? 100 : 50, code == 100 ? 95 : 19, code == 100 ? 95 : 19);
        if (!t.x) {
            c.Puuha[0] = 0;
            return -1;
        }
        if (code == 100) c.PuuhaAika[0] = 100;
        if (Kulje_Paikkaan(n, t.x, t.y)) c.Puuha[0] = 0;
        return -1;
    }
    case 60:
        if (DEBUG_INFO) {
            char line[64];
            snprintf(line, sizeof line, "#%d Menepaikkaan: %d,%d", n, c.PuuhaX[0], c.PuuhaY[0]);
            DebugNote(line);
        }
        if (Kulje_Paikkaan(n, c.PuuhaX[0], c.PuuhaY[0])) {
            dbg("Menepaikkaan reached - cancel now");
            Keskeyta_Puuha(n, 0);
        }
        return -1;
    case 200:
        Kulje_Paikkaan(n, c.PuuhaX[0], c.PuuhaY[0]);
        if (p >= 0 && koordinaattien_vali(Data[p].x, Data[p].y, PlayerX, PlayerY) > 36) {
            c.memberbits &= (uint8_t)~16;
            Poista_Olento(n);
        }
        return 1;
    case 65:
        return go_home(n);
    case 110:
        if (c.PuuhaTila[0] == PUUHA_WAITED) {
            if (c.PuuhaX[0] == PlayerX && c.PuuhaY[0] == PlayerY) {
                kaanna_NPC_kohti(n, PlayerX, PlayerY);
                return 1;
            }
            if (!datatype_around(DT_FIRE, c.PuuhaX[0], c.PuuhaY[0])) SetFireBurning(c.PuuhaX[0], c.PuuhaY[0], 200);
            Keskeyta_Puuha(n, 0);
            return -1;
        }
        if (Kulje_Paikkaan(n, c.PuuhaX[0], c.PuuhaY[0])) {
            c.PuuhaAika[0] = 10;
            c.PuuhaTila[0] = PUUHA_WAITING;
        }
        return -1;
    case 130: {
        const int slot = npc_got_ESINE(n, 495);
        if (slot == -1000) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        const Paikka f = HaePaikka_Datamerkki(cx, cy, 30, DT_FIRE, DT_FIRE);
        if (!f.x) {
            Keskeyta_Puuha(n, 0);
            Lisaa_Puuha(n, 110, 100);
            Lisaa_Puuha(n, 130, 100);
            return 0;
        }
        if (Kulje_Paikkaan(n, f.x, f.y) || near1(n, f.x, f.y)) {
            kaanna_NPC_kohti(n, f.x, f.y);
            if (c.PuuhaTila[0] == 0) {
                c.PuuhaAika[0] = 25;
                c.PuuhaTila[0] = PUUHA_WAITING;
            } else if (c.PuuhaTila[0] == PUUHA_WAITED) {
                roast_pack_meat(n, slot);
                Keskeyta_Puuha(n, 0);
                Lisaa_Puuha(n, 130, 100);
            }
        }
        return -1;
    }
    case 120: case 121: case 122:
        if (bigmap()) {
            Keskeyta_Puuha(n, 0);
            return 0;
        }
        if (near1(n, c.PuuhaX[0], c.PuuhaY[0])) {
            if (timber_creature_step(n, code, c.PuuhaX[0], c.PuuhaY[0])) Keskeyta_Puuha(n, 0);
        } else {
            Kulje_Paikkaan(n, c.PuuhaX[0], c.PuuhaY[0]);
        }
        return -1;
    case 140:
        PUUHAUS_HuolehdiRuoista(n);
        return -1;
    case 150:
        PUUHASE_rosmous(n);
        return -1;
    case 151:
        // her load grew since the robbery was settled: she kept something back
        if (rob_items(-1, n, 1)) {
            Keskeyta_Puuha(n, -1);
            c.moralebits[19] = 3;
            laumamoraali(n);
            return -1;
        }
        kaanna_NPC_kohti(n, PlayerX, PlayerY);
        NPC_wield(n);
        return -1;
    case 4:
        return sleep_handler(n);
    default:
        return -1;
    }
}

static const int handler_order[] = {80, 70, 81, 151, 1, 52, 68, 53, 150, 55, 69, 100, 50, 60, 200, 65, 110, 130, 101, 120, 121, 122, 140, 4};

int Tee_Puuha(int dp) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CREATURE) return 0;
    const int n = creature_slot_of(Data[dp].id);
    if (n < 0) return 0;
    CreatureStruct &c = Cre[n];
    if (c.Puuha[0] == 0) return 0;
    if (DEBUG_INFO) {
        char line[80];
        snprintf(line, sizeof line, "Tee_Puuha (dp %d) Cre[%d].Puuha[0] = %d", dp, n, c.Puuha[0]);
        DebugNote(line);
    }
    if (c.PuuhaTila[0] == PUUHA_WAITING) {
        c.PuuhaAika[0]--;
        if (c.PuuhaAika[0] > 0) return 1;
        c.PuuhaTila[0] = PUUHA_WAITED;
    }
    if (c.mode == CM_ASLEEP && c.Puuha[0] != 4) {
        HerataNPC(n);
        return 1;
    }
    // the handlers in their order; one that replaces the current code hands the tick on to the new
    // code's handler when that comes later in the order
    for (int k = 0; k < (int)(sizeof handler_order / sizeof handler_order[0]); k++) {
        if (c.Puuha[0] != handler_order[k]) continue;
        const int r = run_handler(n, dp, handler_order[k]);
        if (r >= 0) return r;
        if (Data[dp].type != DT_CREATURE || creature_slot_of(Data[dp].id) != n) return 1;   // it left the map
    }
    c.PuuhaAika[0]--;
    if (c.PuuhaAika[0] < 1) return time_out(n);
    if (c.Puuha[0] == 0) {
        if (DEBUG_INFO) {
            char line[40];
            snprintf(line, sizeof line, "#%d puuha on 0", n);
            DebugNote(line);
        }
        Keskeyta_Puuha(n, 0);
    }
    return 1;
}
