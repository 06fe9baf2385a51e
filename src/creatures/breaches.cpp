// src/creatures/breaches.cpp -- village breaches, debt collection and robbers (see breaches.h).
#include "creatures/breaches.h"

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/decisions.h"
#include "creatures/describe.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "core/worldservices.h"
#include "creatures/villagejudge.h"
#include "creatures/zoomservices.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/items.h"
#include "items/ownership.h"
#include "items/vessels.h"
#include "maps/facing.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "items/vildebt.h"
#include "maps/vilplace.h"

char rob_items_string[ROBITEMS_SIZE];
float &ROBBERY_LOAD = Plr.robbery_load;   // kept in her record: saved, loaded and new with her

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static int fighting(int n) { return Cre[n].mode == 2 || Cre[n].mode == 99; }

static int plr_dist(int n) {
    int x, y;
    if (!creature_square(n, x, y)) return 1000;
    return koordinaattien_vali(x, y, PlayerX, PlayerY);
}

static bool sees_player(int n) {
    int x, y;
    return creature_square(n, x, y) && NPC_see(x, y, PlayerX, PlayerY, Cre[n].Suunta);
}

// The person turns to the player and opens a talk of that kind.
static void open_talk(int n, int kind) {
    kaanna_NPC_kohti(n, PlayerX, PlayerY);
    cre_say(n, "NPC_TALKS");
    Pause();
    world_services.talk_prepare(n, kind);
    world_services.talk_hold(8);
}

// ---- shouts ----

// The first four shouts have a byte each; the others a bit of the village's flags, which a new visit
// clears with the rest of them.
static bool said(unsigned kind) {
    if (kind >= 1 && kind <= 4) return globVil.said[kind - 1] != 0;
    return kind < 32 && (globVil.flags & (1u << kind));
}

static void set_said(unsigned kind, bool on) {
    if (kind >= 1 && kind <= 4) globVil.said[kind - 1] = on ? 1 : 0;
    else if (kind < 32) globVil.flags = on ? globVil.flags | (1u << kind) : globVil.flags & ~(1u << kind);
}

int aggtalk(int n, unsigned kind, unsigned char flags) {
    if (!ask_valid(n) || Cre[n].community == 0) return 0;
    const int soc = (int)Cre[n].community;
    if (!GetGlobVil(soc)) return 0;
    socrepSummary(&TARGET_REPSUMMARY, globVil);
    if (flags & 1) {
        set_said(kind, false);
        if (kind == 2) set_said(10, false);
        SaveGlobVil();
        return 0;
    }
    if (said(kind) && !(flags & 4)) return 0;
    int x, y;
    if ((flags & 2) && (!creature_square(n, x, y) || !See(x, y))) return 0;
    if ((flags & 8) && !Cre[n].perception) return 0;
    char text[MSGBUF_SIZE] = "";
    switch (kind) {
    case 1: TARGET_NPC = n; copy_bounded(text, sizeof text, CHATMSG("DROP_OUR_GOODS")); break;
    case 2:
        copy_bounded(text, sizeof text, fighting(n) ? "Get away from here immediately!"
                                                    : "Leave now, or we will have to force you to leave!");
        break;
    case 3: copy_bounded(text, sizeof text, "You have begged for beating, troublemaker!"); break;
    case 4: copy_bounded(text, sizeof text, "Stop, you mischief-maker! I need to tell you something!"); break;
    case 10: copy_bounded(text, sizeof text, "Go away, now!"); break;
    default: break;
    }
    if (!Olento_Huutaa(n, text)) return 0;
    if (kind == 4 && SPENDING == 1) SPENDING = -2;
    GetGlobVil(soc);
    set_said(kind, true);
    SaveGlobVil();
    Pause();
    return 1;
}

void Shout_comebarter(int n) {
    if (!ask_valid(n) || !GetGlobVil((int)Cre[n].community)) return;
    char text[MSGBUF_SIZE];
    if (globVil.tradeban) {
        socrepSummary(&TARGET_REPSUMMARY, globVil);
        TARGET_NPC = n;
        copy_bounded(text, sizeof text, CHATMSG("TRADE_BANNED"));
    } else {
        copy_bounded(text, sizeof text, "When you've picked all the items you want, come chat with us and trade for the goods.");
    }
    Olento_Huutaa(n, text);
}

// ---- breach records ----

static bool cache(int soc) {
    if (!GetGlobVil(soc)) return false;
    updglobnewstick();
    return true;
}

void breachrun_theft(int soc) {
    if (!cache(soc)) return;
    if (!globVil.theft) {
        // The dearer the debts she ran off with, the heavier the theft weighs.
        const int weight = globVil.debtlevel;
        globVil.theftcount = (uint8_t)(globVil.theftcount + weight > 255 ? 255 : globVil.theftcount + weight);
        globVil.theft = 1;
        globVil.theftday = (uint16_t)Plr.daynumber;
    }
    globVil.collect[0] = globVil.collect[1] = 0;
    globVil.duemin = 0;
    set_said(14, false);   // the debt told on this visit goes with the collection
    SaveGlobVil();
}

void breachrun_violence(int soc, unsigned char kinds) {
    if (!cache(soc)) return;
    if ((kinds & 1) && globVil.violence1 < 255) globVil.violence1++;
    if ((kinds & 2) && globVil.violence2 < 255) globVil.violence2++;
    globVil.violence = 1;
    SaveGlobVil();
}

void breachrun_banish(int soc, int minutes, unsigned kinds) {
    if (!cache(soc) || globVil.banished) return;
    int days = 3;
    if (kinds & 1) days = 7;
    if (kinds & 2) days = 30;
    if (kinds & 4) days = 180;
    if (kinds & 8) days = 360;
    if (kinds & 16) days = 3650;
    const uint32_t end = Plr.daynumber + (uint32_t)days;
    globVil.banish_day = (uint16_t)(end > 65535 ? 65535 : end);
    globVil.banished = 1;
    if (globVil.banish_minute == 0) globVil.banish_minute = Plr.minutes + (uint32_t)(minutes > 0 ? minutes : 0);
    set_said(2, false);
    set_said(10, false);
    SaveGlobVil();
}

void breachrun_mischief(int soc, int kind, int weight) {
    if (soc == 0) soc = (int)own_bigmaploc(IsoX(), IsoY()).soc;
    if (soc <= 0 || !cache(soc)) return;
    if (!isloc_soccenter(soc, IsoX(), IsoY()) && socseeplr(soc) == CRE_NONE) return;
    GetGlobVil(soc);
    if (!globVil.mischief) set_said(4, false);
    // Only a count already running grows: a first mischief is weighed when the village settles it.
    if (globVil.mischiefcount > 0 && globVil.mischiefcount < 255) globVil.mischiefcount++;
    bool known = false;
    for (int i = 0; i < 4; i++) known = known || globVil.mischiefkind[i] == (uint16_t)kind;
    if (!known) {
        for (int i = 3; i > 0; i--) {
            globVil.mischiefkind[i] = globVil.mischiefkind[i - 1];
            globVil.mischiefweight[i] = globVil.mischiefweight[i - 1];
        }
        globVil.mischiefkind[0] = (uint16_t)kind;
        globVil.mischiefweight[0] = (uint8_t)(weight < 0 ? 0 : weight > 255 ? 255 : weight);
    }
    globVil.mischief = 1;
    SaveGlobVil();
}

void breachrun_mischief_here(int kind, int weight) {
    const int keeper = own_bigmaploc_keeper(IsoX(), IsoY());
    if (keeper) breachrun_mischief(keeper, kind, weight);
}

bool banish_condition(int soc) { return isloc_soccenter(soc, IsoX(), IsoY()) || socmember_mindist(soc) <= 9; }

bool clever_thievery(int n) {
    if (!is_socmember(n)) return false;
    const int soc = (int)Cre[n].community;
    if (!GOT_PROPERTY_ofsoc(soc) || !GetGlobVil(soc) || globVil.murders) return false;
    CreatureStruct &c = Cre[n];
    if (!globVil.mischief && !globVil.banished) {
        if (globVil.theft || !(c.alarm & 6)) return false;
        if (fighting(n)) c.alarm = 1;
        breachrun_theft(soc);
        return false;
    }
    if (fighting(n)) c.alarm = 1;
    if (globVil.theft) return false;
    if (globVil.banished) {
        breachrun_theft(soc);
        return true;
    }
    if (isloc_soccenter(soc, IsoX(), IsoY())) return false;
    breachrun_theft(soc);
    return false;
}

// ---- reactions ----

static bool step_and_talk(int n, int kind) {
    askel_kohti_paikkaa(n, PlayerX, PlayerY);
    if (plr_dist(n) > 2) return false;
    open_talk(n, kind);
    return true;
}

bool vio_act(int n) {
    if (!is_socmember(n) || Cre[n].mode == CM_ASLEEP || Cre[n].posture >= 3) return false;
    if (INVISIBLE || CLOAK || Plr.posture == 4 || PLAYER_SLEEPING) return false;
    CreatureStruct &c = Cre[n];
    const int soc = (int)c.community;
    if (clever_thievery(n)) return true;
    if (!GetGlobVil(soc)) return false;
    const bool free = onko_NPC_vapaa_reagoimaan(n) != 0;
    if (globVil.murders > 0) {
        globVil.violence = 0;
        SaveGlobVil();
        if (free) {
            NPC_hyokkaa(n, -1, 0);
            c.alarm = 0;
        }
        return true;
    }
    // The village is read again after a rule that ran something (which may have read or written it);
    // after a rule whose flag was not even up, the record read last is still the one in hand.
    const bool theft = globVil.theft != 0;
    if (theft) {
        if (!GOT_PROPERTY_ofsoc(soc)) {
            char line[40];
            snprintf(line, sizeof line, "after theft: %d", after_theft(soc));
            dbg(line);
            GetGlobVil(soc);
            globVil.theft = 0;
            SaveGlobVil();
        } else {
            if (free) {
                aggtalk(n, 1, 2);
                GetGlobVil(soc);
                if (is_socnearestadult(n) || has_socrole_susp(n, globVil.debtlevel < 2 ? 1 : 2)) {
                    NPC_hyokkaa(n, -1, 0);
                    c.alarm |= 1;
                }
            }
            return true;
        }
    }
    if (theft) GetGlobVil(soc);
    const bool violence = globVil.violence && free;
    if (violence) {
        if (has_socrole_susp(n, 2)) {
            NPC_hyokkaa(n, -1, 0);
            c.alarm |= 4;
            return true;
        }
        if (socmember_mindist(soc) > 15) {
            GetGlobVil(soc);
            globVil.violence = 0;
            SaveGlobVil();
            after_violence(soc);
            return true;
        }
    }
    if (violence) GetGlobVil(soc);
    if (globVil.banished && free) {
        if (Plr.daynumber >= globVil.banish_day) {
            aggtalk(n, 2, 1);
            GetGlobVil(soc);
            globVil.banished = 0;
            globVil.banish_day = 0;
            globVil.banish_minute = 0;
            SaveGlobVil();
            return false;
        }
        globVil.violence = 0;
        globVil.mischief = 0;
        if (globVil.banish_minute == 0) globVil.banish_minute = Plr.minutes;
        SaveGlobVil();
        if (!said(2) && aggtalk(n, 2, 2)) {
            GetGlobVil(soc);
            // Told just as her time ran out: she gets one minute more, and the person goes on its way.
            if (Plr.minutes >= globVil.banish_minute) {
                globVil.banish_minute = Plr.minutes + 1;
                SaveGlobVil();
                return false;
            }
        }
        GetGlobVil(soc);
        if (Plr.minutes > globVil.banish_minute && banish_condition(soc) && has_socrole_susp(n, 2)) {
            aggtalk(n, 10, 8);
            NPC_hyokkaa(n, -1, 0);
            c.alarm |= 2;
        }
        return true;
    }
    const bool mischief = globVil.mischief && free;
    if (mischief && (has_socrole_susp(n, 2) || is_socnearestadult(n)) && plr_dist(n) <= 64) {
        if (!said(4)) aggtalk(n, 4, 8);
        if (step_and_talk(n, 1000)) {
            GetGlobVil(soc);
            globVil.mischief = 0;
            SaveGlobVil();
        }
        return true;
    }
    // The village asks for a word with her when it has heard of her deeds from its neighbours.
    if (mischief) GetGlobVil(soc);
    if ((globVil.talkrequest || globVil.hasnews) && free && has_socrole_susp(n, 2)) {
        if (step_and_talk(n, 5)) {
            GetGlobVil(soc);
            globVil.talkrequest = 0;
            SaveGlobVil();
        }
        return true;
    }
    return false;
}

int PUUHA_varjosta(int n) {
    if (INVISIBLE || CLOAK || !ask_valid(n)) return 0;
    if (!isloc_soccenter((int)Cre[n].community, IsoX(), IsoY())) return 0;
    if (!sees_player(n)) {
        kaanna_NPC_kohti(n, PlayerX, PlayerY);
        return 0;
    }
    if (plr_dist(n) <= 9) return 0;
    askel_kohti_paikkaa(n, PlayerX, PlayerY);
    return 1;
}

int PUUHA_perinta(int, int n) {
    if (!ask_valid(n)) return 0;
    const int soc = (int)Cre[n].community;
    int level = perinta_taso(soc);
    if (INVISIBLE || !GetGlobVil(soc) || globVil.theft) return 0;
    if (level > 0) {
        if (!globVil.goods) {
            deaktivoi_perinta(soc);
            soc_reclaim_check(soc);
            return 0;
        }
        if (level == 1 && globVil.tradeban) {
            aktivoi_perinta(soc, 2);
            GetGlobVil(soc);
            globVil.collect[0] = 2;
            SaveGlobVil();
            perinta_armonaika(soc, 10, 3);
            level = 2;
        }
        if (level > 1) Keskeyta_Puuha(n, -1);
        char line[32];
        snprintf(line, sizeof line, "perinta: %d", level);
        dbg(line);
    }
    GetGlobVil(soc);
    if (globVil.duemin && Plr.minutes >= globVil.duemin) {
        int speaker = socseeplr(soc);
        if (speaker == CRE_NONE) speaker = socnearestnpc(soc);
        if (speaker != CRE_NONE && globVil.collect[0] == 2) {
            char text[64];
            copy_bounded(text, sizeof text, "You need to pay for those goods right now!");
            if (Olento_Huutaa(speaker, text)) Pause();
        }
        GetGlobVil(soc);
        globVil.duemin = 0;
        SaveGlobVil();
        aktivoi_perinta(soc, (unsigned char)level);
    }
    if (level == 1) return 0;
    if (level == 2) {
        if (plr_dist(n) <= 1 || askel_kohti_paikkaa(n, PlayerX, PlayerY)) {
            if (SPENDING == 1) {
                SPEND_INTERRUPT = 2;
                return 1;
            }
            GetGlobVil(soc);
            if (globVil.tradeban && !GOT_PROPERTY_ofsoc(soc)) after_theft(soc);
            GetGlobVil(soc);
            // Told of the debt on this visit already, in a talk of hers or of the collector's: no second one.
            if (!(globVil.visitstate() & 64) && !globVil.debttalked && (!globVil.tradeban || globVil.collect[0])) {
                globVil.debttalked = 1;   // one debt talk a visit
                SaveGlobVil();
                kaanna_NPC_kohti(n, PlayerX, PlayerY);
                cre_say(n, "NPC_TALKS");
                Pause();
                world_services.talk_debt(n);
            }
            return 1;
        }
        if (locdist_soccenter(soc, IsoX(), IsoY()) <= 1) return 1;
        breachrun_theft(soc);
        return 1;
    }
    if (level == 3) breachrun_theft(soc);
    return 1;
}

void PUUHASE_reclaimnearest(int n) {
    int x, y;
    if (!ask_valid(n) || Cre[n].community == 0 || !creature_square(n, x, y)) return;
    const int soc = (int)Cre[n].community;
    int best = -1, bestd = 1 << 30;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_ITEM || !socwants_reclaim_dp(i, soc)) continue;
        const int d = koordinaattien_vali(x, y, Data[i].x, Data[i].y);
        if (d < bestd) bestd = d, best = i;
    }
    if (best < 0) {
        if (GetGlobVil(soc)) {
            globVil.reclaimflag = 0;
            SaveGlobVil();
        }
        return;
    }
    const int slot = Lisaa_Puuha(n, 80, 100);
    if (slot < 0) return;
    Cre[n].PuuhaKohde[slot] = best;
    Cre[n].PuuhaX[slot] = Data[best].x;
    Cre[n].PuuhaY[slot] = Data[best].y;
}

// ---- robbers ----

int PUUHASE_snatchnearest(int n) {
    int x, y;
    if (!ask_valid(n) || !creature_square(n, x, y)) return 0;
    int best = -1, bestd = 48;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.count == 0) continue;
        const int dist = koordinaattien_vali(x, y, d.x, d.y);
        if (dist >= bestd || !robber_wanted_item(ObjToItem((int)d.id)) || !cancarry(n, (int)d.id, 1)) continue;
        bestd = dist;
        best = i;
    }
    if (best < 0) return 0;
    const int slot = Lisaa_Puuha(n, 81, 100);
    if (slot < 0) return 0;
    Cre[n].PuuhaKohde[slot] = best;
    Cre[n].PuuhaX[slot] = Data[best].x;
    Cre[n].PuuhaY[slot] = Data[best].y;
    return 1;
}

int Ryostele(int n) {
    if (CLOAK || INVISIBLE || !ask_valid(n) || plr_dist(n) > 64) return 0;
    if (Lisaa_Puuha(n, 150, 255) < 0) return 0;
    laumapuuhaus(n);
    return 1;
}

// The band is done with its robbery and goes its way.
static void band_leaves(int n) {
    const uint32_t band = Cre[n].community;
    for (int m = 0; m < CRE_COUNT; m++) {
        if (Cre[m].kind == CK_NONE || (m != n && (band == 0 || Cre[m].community != band)) || !onko_NPC_rosvo(m)) continue;
        if (Cre[m].Puuha[0] == 150) Keskeyta_Puuha(m, 0);
        Cre[m].memberbits |= MB_LEAVE;
    }
}

void PUUHASE_rosmous(int n) {
    if (INVISIBLE || CLOAK || bigmap() || !ask_valid(n)) return;
    if (laumanjohtaja(n) == n) laumapuuhaus(n);
    // A player lying hidden is not walked up to: the robber only prowls round where she may be.
    if (!LURK && sees_player(n)) {
        int x, y;
        creature_square(n, x, y);
        if (koordinaattien_vali(x, y, PlayerX, PlayerY) > 1) Kulje_Paikkaan(n, PlayerX, PlayerY);
        if (plr_dist(n) <= 1) {
            kaanna_NPC_kohti(n, PlayerX, PlayerY);
            cre_say(n, "NPC_TALKS");
            Pause();
            world_services.talk_robbery(n);
            band_leaves(n);
        }
        return;
    }
    const int y = PlayerY - 10 + random(20);   // the row is drawn before the column
    Kulje_Paikkaan(n, PlayerX - 10 + random(20), y);
}

int rob_items(int victim, int n, unsigned char check) {
    rob_items_string[0] = 0;
    if (victim != -1) return 0;
    if (check && laske_Load_value(-1) <= ROBBERY_LOAD) return 0;
    // the wanted goods of the pack, dearest first
    int slots[PLR_SLOTS];
    float price[PLR_SLOTS];
    int count = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int pos = Plr.inv_obj[s];
        if (pos <= 0 || Plr.inv_count[s] <= 0 || !robber_wanted_item(ObjToItem(pos))) continue;
        const float p = esinehinta(0, ObjToItem(pos));
        int k = count++;
        while (k > 0 && price[k - 1] < p) {
            slots[k] = slots[k - 1];
            price[k] = price[k - 1];
            k--;
        }
        slots[k] = s;
        price[k] = p;
    }
    int taken = 0, clothes = 0;
    float last = 0.0f;
    for (int k = 0; k < count && k < 10; k++) {
        const int s = slots[k];
        const int pos = Plr.inv_obj[s], units = Plr.inv_count[s];
        ItemStruct item = ObjToItem(pos);
        if (taken > 0 && price[k] < last / 3.0f && price[k] < 96.0f) continue;
        if (item.type == IT_ARMOUR && clothes > 2) continue;
        taken++;
        last = price[k];
        if (item.type == IT_ARMOUR) clothes++;
        const size_t used = strlen(rob_items_string);
        snprintf(rob_items_string + used, sizeof rob_items_string - used, "%s, ", ekuvaus(pos, units, 0));
        if (check) continue;
        const unsigned soc = item.ownersoc;
        Poista_PlrItem_NoCrunch(s, units);
        if (pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST)
            StatusUnset(pos - OBJ_PLAYER_FIRST, PlayerObj[pos - OBJ_PLAYER_FIRST].status & (ISTAT_WORN | ISTAT_PRIMARY | ISTAT_SECOND));
        item = ObjToItem(pos);
        item.ownersoc = 0;
        item.ownerflags = 0;
        item.ownerword1 = item.ownerword2 = 0;
        item.status &= (uint8_t)~(ISTAT_WORN | ISTAT_PRIMARY | ISTAT_SECOND);
        const int stored = Luo_Esineen_Itempos(item);
        const int give = stored > 0 ? stored : pos;
        if (!ask_valid(n) || !new_AddCrPack(n, give, units, 0)) {
            int x = PlayerX, y = PlayerY;
            if (ask_valid(n)) creature_square(n, x, y);
            set_data(DT_ITEM, x, y, give, units);
        }
        if (soc) GOT_recount((int)soc);
    }
    if (!check) CrunchItems();
    laske_Load(-1);
    return taken;
}

// ---- leaving with goods ----

// A taken item found with someone watching (or forced) turns unpaid and is booked; the new position.
static int book_taken(int soc, int pos, int count) {
    ItemStruct item = ObjToItem(pos);
    item.ownerflags = (uint8_t)((item.ownerflags & ~OWN_TAKEN) | OWN_UNPAID);
    const int stored = Luo_Esineen_Itempos(item);
    if (stored <= 0) return pos;
    additemdebt(soc, stored, count);
    SET_UNPAID_ofsoc(soc);
    return stored;
}

void burglary(int soc, int force) {
    if (INVISIBLE || soc == 0 || (soc == BURGLARYSOC && !force)) return;
    if (!GetGlobVil(soc)) return;
    if (!GOT_PROPERTY_ofsoc(soc) && !globVil.hasdebt) return;
    BURGLARYSOC = soc;
    const int seer = socseeplr(soc), nearest = socnearestnpc(soc);
    int unpaid = 0, packed_taken = 0;
    bool called_back = false;
    auto examine = [&](int &pos, int count, bool in_pack) {
        if (pos <= 0 || count <= 0) return;
        const ItemStruct item = ObjToItem(pos);
        if ((item.ownerflags & OWN_FREE) || item.ownersoc != (uint32_t)soc) return;
        if (item.ownerflags & OWN_TAKEN) {
            if (in_pack) packed_taken = 1;
            if (seer == CRE_NONE && !force) return;
            pos = book_taken(soc, pos, count);
            if (!called_back && seer != CRE_NONE && perinta_taso(soc) == 0) {
                called_back = true;
                Shout_comebarter(seer);
                aktivoi_perinta(soc, 1);
                perinta_armonaika(soc, 15, 2);
            }
        } else if (item.ownerflags & OWN_UNPAID) {
            unpaid = 1;
        }
    };
    for (int s = 0; s < PLR_SLOTS; s++) {
        int pos = Plr.inv_obj[s];
        examine(pos, Plr.inv_count[s], false);
        Plr.inv_obj[s] = pos;
    }
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.owner != -1 || d.extra != 4) continue;
        int pos = (int)d.id;
        examine(pos, d.count, false);
        d.id = (uint32_t)pos;
    }
    const bool packed = GOT_PACKED_ofsoc(soc);
    if (packed)
        for (int c = 0; c < CRE_COUNT; c++) {
            if (Cre[c].kind == CK_NONE || !(onko_NPC_kumppani(c) || onko_NPC_kesyelain(c))) continue;
            for (int k = 0; k < CRE_PACK; k++) {
                int pos = Cre[c].pack[k];
                examine(pos, Cre[c].packcount[k], true);
                Cre[c].pack[k] = pos;
            }
        }
    if (packed && !unpaid && !packed_taken) CLR_PACKED_ofsoc(soc);
    GOT_recount(soc);
    GetGlobVil(soc);
    const int level = perinta_taso(soc);
    const int speaker = seer != CRE_NONE ? seer : nearest;
    if (unpaid && Mapinfo_socID(IsoX(), IsoY()) != (unsigned)soc && speaker != CRE_NONE && level <= 2) {
        if (level <= 1) {
            char text[80];
            copy_bounded(text, sizeof text, seer != CRE_NONE ? "Don't you dare to leave with unpaid goods!"
                                                             : "Come back you thief! I saw you carry our goods!");
            if (Olento_Huutaa(speaker, text)) Pause();
            aktivoi_perinta(soc, 2);
        }
        perinta_armonaika(soc, 15, 3);
    }
    GetGlobVil(soc);
    if (globVil.theftrun || perinta_taso(soc)) return;
    if (debtminlimit(soc, 10) && !globVil.paydeadline && seer != CRE_NONE) {
        char text[80];
        copy_bounded(text, sizeof text, "You have found something to barter about? Let's talk about it.");
        Olento_Puhuu(seer, text);
        aktivoi_perinta(soc, 1);
        Pause();
        perinta_armonaika(soc, 10, 2);
    }
    GetGlobVil(soc);
    if (globVil.paydeadline && seer != CRE_NONE) {
        Shout_comebarter(seer);
        aktivoi_perinta(soc, 2);
        Pause();
        perinta_armonaika(soc, 10, 3);
    }
}

// ---- an owned thing picked up ----

int owned_item_catch(OwnerStruct owner, int position, int count, int unseen) {
    if (position <= 0) return position;
    ItemStruct item = ObjToItem(position);
    if (item.type == 0) return position;
    if (position < OBJ_PLAYER_FIRST) {
        const int made = Esineesta_Uniikki(item);
        if (made <= 0) return position;
        position = made;
    }
    if (owner.free && item.ownersoc == 0) return position;
    if (!owner.free && item.ownersoc == 0) item.ownersoc = owner.soc;
    const int soc = (int)item.ownersoc;
    if (item.ownerflags & OWN_UNPAID) {
        SET_UNPAID_ofsoc(soc);
        const int again = Luo_Esineen_Itempos(item);
        return again > 0 ? again : position;
    }
    const int seer = socseeplr(soc);
    const bool seen = seer != CRE_NONE && !(unseen & 1);
    if (!seen) {
        item.ownerflags = (uint8_t)((item.ownerflags & ~OWN_UNPAID) | OWN_TAKEN);
    } else {
        char line[80], name[sizeof Cre[0].pname + 1];
        copy_bounded(name, sizeof name, Cre[seer].pname);
        snprintf(line, sizeof line, "soc member %s sees pickup", name);
        dbg(line);
        item.ownerflags = (uint8_t)((item.ownerflags & ~OWN_TAKEN) | OWN_UNPAID);
    }
    if (item.ownerword1 == 0) {
        item.ownerword1 = (int16_t)IsoX();
        item.ownerword2 = (int16_t)IsoY();
        char line[64];
        snprintf(line, sizeof line, "debtitem got og.coordinates %d,%d", item.ownerword1, item.ownerword2);
        dbg(line);
    }
    const int stored = Luo_Esineen_Itempos(item);
    if (stored <= 0) return position;
    if (seen && !owner.free) {
        additemdebt(soc, stored, count);
        SET_UNPAID_ofsoc(soc);
    } else if (!seen) {
        SET_TAKEN_ofsoc(soc);
    }
    return stored;
}
