// src/creatures/puuha.cpp -- the activity queue (see puuha.h): adding with the checks of each code,
// ending and cancelling, the herd's leader, shared queue, morale and cohesion.
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/maintenance.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/animals.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/cremove.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "creatures/perception.h"
#include "creatures/crestep.h"
#include "creatures/timberwork.h"
#include "maps/mapunit.h"
#include "core/weatherengine.h"
#include "maps/area.h"

int apukoord[3];

static void clear_slot(CreatureStruct &c, int i) {
    c.Puuha[i] = c.PuuhaAika[i] = c.PuuhaTila[i] = c.PuuhaX[i] = c.PuuhaY[i] = c.PuuhaKohde[i] = 0;
}

int Lisaa_Puuha(int n, int code, int timer) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return -1;
    CreatureStruct &c = Cre[n];
    int slot = -1;
    for (int i = 0; i < PUUHA_SLOTS; i++)
        if (c.Puuha[i] == 0) {
            slot = i;
            break;
        }
    if (slot < 0) return -1;
    c.PuuhaX[slot] = c.PuuhaY[slot] = c.PuuhaKohde[slot] = 0;
    const int pos = crestep_pos(n);
    const int cx = pos >= 0 ? Data[pos].x : 0, cy = pos >= 0 ? Data[pos].y : 0;
    int tx = 0, ty = 0;
    switch (code) {
    case 2:
        if (!onko_NPCn_elinymparistoa(n, cx, cy)) return -1;
        break;
    case 50:
        tx = apukoord[0], ty = apukoord[1];
        aantelylaskuri(n, 2);
        break;
    case 52: case 53: case 60: case 68:
        tx = apukoord[0], ty = apukoord[1];
        break;
    case 65:
        if (c.kind == CK_HUMAN ? c.community == 0 : !is_socanimal(n)) return -1;
        if (c.home_x == 0) return -1;
        tx = c.home_x, ty = c.home_y;
        break;
    case 110: {
        if (HaePaikka_Datamerkki(cx, cy, 30, DT_FIRE, DT_FIRE).x) return -2;
        Paikka p = HaePaikka_Datamerkki(cx, cy, 20, DT_FIRE_REMAINS, DT_FIRE_REMAINS);
        if (!p.x) p = HaePaikka_Karttamerkki(cx, cy, 50, 4, 4);
        if (!p.x) p = HaePaikka_Karttamerkki(cx, cy, 20, CH_GROUND, CH_GROUND);
        if (!p.x) return -1;
        tx = p.x, ty = p.y;
        break;
    }
    case 120: {
        const int y = cy - 5 + random(11);   // the row is drawn before the column
        const Paikka p = HaePaikka_Karttamerkki(cx - 5 + random(11), y, 50, 13, 18);
        if (!p.x || !timber_creature_can(n, code, p.x, p.y)) return -1;
        tx = p.x, ty = p.y;
        break;
    }
    case 121: case 122: {
        const int y = cy - 5 + random(11);   // the row is drawn before the column
        const Paikka p = HaePaikka_EsineId(cx - 5 + random(11), y, 10, code == 121 ? 402 : 400,
                                           code == 121 ? 402 : 400);
        if (!p.x || !timber_creature_can(n, code, p.x, p.y)) return -1;
        tx = p.x, ty = p.y;
        break;
    }
    case 130:
        if (npc_got_ESINE(n, 495) == -1000) return -1;
        break;
    case 200: {
        const Paikka p = Luo_Elaimen_Tutkimusmatkan_Maaranpaa(n, pos);
        if (!p.x) return -1;
        tx = p.x, ty = p.y;
        break;
    }
    default:
        break;
    }
    // a target square lies on the map: the local area, or the grid on the world map
    if (code != 65 && (tx || ty)) {
        if (!bigmap() && (tx < AREA_MIN || tx > AREA_MAX || ty < AREA_MIN || ty > AREA_MAX)) {
            tx = tx < AREA_MIN ? AREA_MIN : tx > AREA_MAX ? AREA_MAX : tx;
            ty = ty < AREA_MIN ? AREA_MIN : ty > AREA_MAX ? AREA_MAX : ty;
        }
        if (!in_grid(tx, ty)) return -1;
    }
    c.PuuhaX[slot] = tx;
    c.PuuhaY[slot] = ty;
    c.Puuha[slot] = code;
    c.PuuhaTila[slot] = 0;
    c.PuuhaAika[slot] = timer;
    return slot;
}

void Keskeyta_Puuha(int n, int i) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return;
    CreatureStruct &c = Cre[n];
    if (i == -1) {
        clear_slot(c, 0);
        return;
    }
    if (i < -1) return;
    if (i <= 8) {
        for (int j = i + 1; j < PUUHA_SLOTS; j++) {
            c.Puuha[j - 1] = c.Puuha[j];
            c.PuuhaAika[j - 1] = c.PuuhaAika[j];
            c.PuuhaTila[j - 1] = c.PuuhaTila[j];
            c.PuuhaX[j - 1] = c.PuuhaX[j];
            c.PuuhaY[j - 1] = c.PuuhaY[j];
            c.PuuhaKohde[j - 1] = c.PuuhaKohde[j];
        }
    }
    c.Puuha[9] = c.PuuhaAika[9] = c.PuuhaTila[9] = c.PuuhaKohde[9] = 0;
}

void kopioipuuhat(int from, int to) {
    if ((unsigned)from >= (unsigned)CRE_COUNT || (unsigned)to >= (unsigned)CRE_COUNT || from == to) return;
    CreatureStruct &a = Cre[from], &b = Cre[to];
    memcpy(b.Puuha, a.Puuha, sizeof a.Puuha);
    memcpy(b.PuuhaAika, a.PuuhaAika, sizeof a.PuuhaAika);
    memcpy(b.PuuhaTila, a.PuuhaTila, sizeof a.PuuhaTila);
    memcpy(b.PuuhaX, a.PuuhaX, sizeof a.PuuhaX);
    memcpy(b.PuuhaY, a.PuuhaY, sizeof a.PuuhaY);
    memcpy(b.PuuhaKohde, a.PuuhaKohde, sizeof a.PuuhaKohde);
}

void ClrNpcPaapuuha(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return;
    Cre[n].Paapuuha = 0;
    Cre[n].mainwords[0] = Cre[n].mainwords[1] = Cre[n].mainwords[2] = 0;
    Cre[n].mainflags = 0;
}

// ---- herds ---------------------------------------------------------------------------------------

static int belongs(int n, int m) {
    const CreatureStruct &a = Cre[n], &b = Cre[m];
    // two animals of different kinds that share no herd and no master never belong together
    if (a.kind != CK_HUMAN && b.kind != CK_HUMAN && a.speciescode != b.speciescode && a.speciescode != SPECIES_DOG &&
        b.speciescode != SPECIES_DOG && !(a.community && a.community == b.community))
        return 0;
    if ((a.kind == CK_HUMAN) != (b.kind == CK_HUMAN)) return 0;
    if (a.kind == CK_HUMAN && a.community != b.community && b.community != 0) return 0;
    return ovatko_NPCt_yhteisossa(n, m);
}

// The leader found last for each creature, and the minute a creature was last found alone: during
// the creatures' passes a lone animal looks for a herd once a minute.
static int leader_seen[CRE_COUNT];
static uint32_t alone_minute[CRE_COUNT];

void herd_memory_reset() {
    memset(leader_seen, 0, sizeof leader_seen);
    memset(alone_minute, 0, sizeof alone_minute);
}

int laumanjohtaja(int n) {
    if (!ask_valid(n)) return -1;
    CreatureStruct &c = Cre[n];
    if (c.herd == 1) return n;
    // the leader found before still leads the same herd: no scan
    const int l = leader_seen[n] - 1;
    if (l >= 0 && l != n && c.community && Cre[l].kind != CK_NONE && Cre[l].herd && Cre[l].community == c.community &&
        Cre[l].mode != CM_CARCASS && crestep_pos(l) >= 0)
        return l;
    if (crestep_pass_active() && alone_minute[n] == Plr.minutes + 1 && !c.community) return -1;
    int found = 0;
    // an animal of a kind that never herds, outside any community, belongs with no one: the scan
    // below would find nobody
    if (c.kind != CK_HUMAN && c.speciescode != SPECIES_DOG && yhteisoton_elain(n)) {
        alone_minute[n] = Plr.minutes + 1;
        return -1;
    }
    const int *roster;
    const int count = crestep_roster(&roster);
    for (int k = 0; k < (count >= 0 ? count : DATA_MAX); k++) {
        const int i = count >= 0 ? roster[k] : k;
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) continue;
        const int m = creature_slot_of(d.id);
        if (m < 0 || m == n || Cre[m].kind == CK_NONE || Cre[m].mode == CM_CARCASS) continue;
        if (!belongs(n, m)) continue;
        found = 1;
        if (c.community == 0) c.community = crID();
        Cre[m].community = c.community;
        if (Cre[m].herd) {
            leader_seen[n] = m + 1;
            return m;
        }
    }
    if (!found) {
        alone_minute[n] = Plr.minutes + 1;   // looked again next minute
        return -1;
    }
    if (is_cub(n)) return n;
    c.herd = 1;
    return n;
}

template <typename F> static void for_herd(int n, F f) {
    if (laumanjohtaja(n) == -1) return;
    const uint32_t comm = Cre[n].community;
    const int *roster;
    const int count = crestep_roster(&roster);
    for (int k = 0; k < (count >= 0 ? count : DATA_MAX); k++) {
        const int i = count >= 0 ? roster[k] : k;
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int m = creature_slot_of(d.id);
        // a fallen member's carcass keeps its own queue (its burning and skinning)
        if (m < 0 || Cre[m].kind == CK_NONE || Cre[m].mode == CM_CARCASS || Cre[m].community != comm) continue;
        if (Cre[m].mode == CM_ASLEEP) HerataNPC(m);
        f(m);
    }
}

void laumapuuhaus(int n) {
    if (!ask_valid(n)) return;
    const int leaving = Cre[n].speciescode == SPECIES_FOREIGN_TRADER && (Cre[n].memberbits & 16);
    for_herd(n, [&](int m) {
        kopioipuuhat(n, m);
        if (leaving) Cre[m].memberbits |= 16;
    });
}

void laumamoraali(int n) {
    if (!ask_valid(n)) return;
    for_herd(n, [&](int m) {
        if (m != n) memcpy(Cre[m].moralebits, Cre[n].moralebits, sizeof Cre[n].moralebits);
    });
}

int laumautumistarve(int n, int) {
    if (!ask_valid(n) || onko_NPC_kesyelain(n)) return 0;
    const int leader = laumanjohtaja(n);
    if (leader < 0 || leader == n) return 0;
    const int a = crestep_pos(n), b = crestep_pos(leader);
    if (a < 0 || b < 0) return 0;
    const int allowed = (Cre[n].sexage & 2) ? 3 : 10;
    if (koordinaattien_vali(Data[a].x, Data[a].y, Data[b].x, Data[b].y) <= allowed) return 0;
    if (Cre[n].mode == CM_ASLEEP) HerataNPC(n);
    Kulje_Paikkaan(n, Data[b].x, Data[b].y);
    return 1;
}

// ---- the questions the work asks of a creature, and its main activity ----

int cre_of_socid(unsigned soc) {
    if (!soc) return -1;
    for (int m = 0; m < CRE_COUNT; m++) {
        const CreatureStruct &c = Cre[m];
        if (c.kind == CK_NONE || c.mode == CM_CARCASS || c.socialid != soc) continue;
        if (crestep_pos(m) >= 0) return m;
    }
    return -1;
}

int carcass_of_socid(unsigned soc) {
    if (!soc) return -1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CARCASS) continue;
        const int m = creature_slot_of(d.id);
        if (m >= 0 && Cre[m].socialid == soc) return i;
    }
    return -1;
}

int huono_saalis_maaelaimelle(int n, int prey) {
    if (prey == -1) return 0;
    if (!ask_valid(prey)) return 1;
    if (Cre[prey].korkeus == 100) return 1;
    const int p = crestep_pos(prey);
    if (p >= 0 && crestep_open_water(Data[p].x, Data[p].y)) return !onko_NPC_kesyelain(n);
    return 0;
}

int onko_hyva_nukkua(int n) {
    if (n >= 500) return 1;
    if (!ask_valid(n)) return 0;
    const int p = crestep_pos(n);
    if (p < 0) return 0;
    const int x = Data[p].x, y = Data[p].y;
    if (is_human(n)) {
        if (crestep_open_water(x, y)) return 0;
        if (GlobWeather.rain_kind == 1) return onkokatto(x, y);
        return 1;
    }
    if (onko_NPC_kesyelain(n)) return 1;
    return koordinaattien_vali(x, y, PlayerX, PlayerY) > 24;
}

// The item of record i worked where it lies into the main activity's object, from the minute given on
// for the activity's time.
static void begin_work(const CreatureStruct &c, int i, uint32_t from) {
    const int x = Data[i].x, y = Data[i].y;
    CrunchData(i);
    ClearDTEMP();
    DTEMP.type = DT_WORK;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.owner = (int16_t)c.socialid;
    DTEMP.id = c.mainwords[0];
    DTEMP.count = 1;
    DTEMP.ready_minute = c.mainwords[1] + from;
    SetDTEMP(-1);
}

int PaaPuuha(int n) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.Paapuuha == 0) return 0;
    if (c.Paapuuha == 69) {
        if (c.mainwords[1] == 0) c.mainwords[1] = Plr.minutes + 720;
        if (Plr.minutes > c.mainwords[1]) {
            ClrNpcPaapuuha(n);
            return 0;
        }
        Keskeyta_Puuha(n, -1);
        if (Metsasta(n)) return 1;
        return aseta_ruhonkasittely(n, 0, 1);
    }
    if (c.mainflags & 1) {
        ClrNpcPaapuuha(n);
        return 0;
    }
    if (c.Paapuuha == 2) return 0;
    if (c.Paapuuha != 1) return 1;
    const int p = crestep_pos(n);
    if (p < 0) return 1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_WORK && d.owner == (int16_t)c.socialid) {
            apukoord[0] = d.x;
            apukoord[1] = d.y;
            Lisaa_Puuha(n, 60, 20);
            return 1;
        }
        if (d.type != DT_ITEM) continue;
        if (d.id == c.mainwords[0]) {
            c.Paapuuha = 2;
            if (c.craftstate == 1 && c.craftproduct == d.id) c.craftstate = 2;   // the order is ready
            return 0;
        }
        if (ObjToItem((int)d.id).origin != c.mainwords[2]) continue;
        if (koordinaattien_vali(Data[p].x, Data[p].y, d.x, d.y) > 2) {
            apukoord[0] = d.x;
            apukoord[1] = d.y;
            Lisaa_Puuha(n, 60, 100);
            return 1;
        }
        begin_work(c, i, Plr.minutes);
        return 1;
    }
    return 1;
}

void PaaPuuha_unseen(int n, uint32_t minutes) {
    if (!ask_valid(n) || minutes == 0) return;
    const CreatureStruct &c = Cre[n];
    if (c.Paapuuha != 1 || (c.mainflags & 1)) return;
    for (const DataStruct &d : Data) {
        if (d.type == DT_WORK && d.owner == (int16_t)c.socialid) return;   // begun while she was here
        if (d.type == DT_ITEM && d.id == c.mainwords[0]) return;           // done
    }
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || ObjToItem((int)d.id).origin != c.mainwords[2]) continue;
        begin_work(c, i, Plr.minutes > minutes ? Plr.minutes - minutes : 0);
        return;
    }
}
