// src/society/tradevalue.cpp -- what the offered goods are worth to the partner, the price after the
// village's credit and goodwill, whether the partner takes a stack (with the reason when not), the
// player's offering step and the partner's own suggestion of what would settle the deal.
#include "society/trade.h"

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "creatures/zoomservices.h"
#include "core/crefunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/materials.h"
#include "items/ownership.h"
#include "items/vessels.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/talkscreen.h"
#include "society/village.h"

PersTradeEntry PersTradeInvData[PERSTRADE_ENTRIES];
char tradeacc_rejreason[1024];
// The partner's picked goods are the chooser's rows copied whole: the object and the chosen count.
static_assert(sizeof(PersTradeEntry) == sizeof(InvDataStruct), "a picked line is a chooser's row");
static_assert(offsetof(PersTradeEntry, object) == offsetof(InvDataStruct, pos), "picked line layout");
static_assert(offsetof(PersTradeEntry, count) == offsetof(InvDataStruct, chosen), "picked line layout");

enum {
    ROLE_FURTRADER = 5, SURPLUS_COUNT = 50, SUGGEST_PASSES = 100, SUGGEST_LISTED = 10, PICK_REASONS = 10,
};
constexpr float SURPLUS_PRICE = 80.0f;

// ---- helpers ----

// An object number that names a record: a definition row or a stored object.
static bool valid_object(int64_t n) {
    return (n >= 1 && n < CONSTANTOBJ_ROWS) || (n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST);
}


// The partner's village, 0 when the partner belongs to none.
static uint32_t partner_soc() {
    const CreatureStruct *c = partner();
    return c ? c->community : 0;
}

static bool partner_in_village() { return partner() && is_socmember(Chatting_With); }

// The item is goods of the partner's own village.
static bool partners_goods(const ItemStruct &item) {
    const uint32_t soc = partner_soc();
    if (!soc) return false;
    const OwnerStruct o = own_item(item);
    return !o.free && o.soc == soc;
}

static bool same_name(const ItemStruct &a, const ItemStruct &b) { return strncmp(a.name, b.name, sizeof a.name) == 0; }

static void say(const char *text) {
    if (text && text[0]) CrTalk(text);
}

static void say_chat(const char *key) { say(CHATMSG(key)); }

// The refusal's reason: the message of `key` with its "%s" filled by `name`.
static int refuse(const char *key, const char *name = "") {
    copy_bounded(tradeacc_rejreason, sizeof tradeacc_rejreason, msg_with(key, name));
    return 0;
}

static const char *capitalised(const char *text) {
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, text);
    out[0] = (char)toupper((unsigned char)out[0]);
    return out;
}

static bool slot_used(int i) { return Trade_ItemList[i] != 0; }

static int free_offer_slot() {
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (!slot_used(i)) return i;
    return -1;
}

// ---- value, weight and price ----

float goods_price(const ItemStruct &item, int count, float markup) {
    return esinehinta(-1, item) * markup * (float)count;
}

void open_bargain(float price, const char *what) {
    Trade_Price = price;
    copy_bounded(Trade_Item, sizeof Trade_Item, what ? what : "");
    Trade_Phase = 1;
}

float tradelistvalue() {
    float value = 0.0f;
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (valid_object(Trade_ItemList[i]) && Trade_ItemCount[i] > 0)
            value += goods_price(ObjToItem(Trade_ItemList[i]), Trade_ItemCount[i]);
    return value;
}

float PCTradelistWT() {
    float weight = 0.0f;
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (valid_object(Trade_ItemList[i]) && Trade_ItemCount[i] > 0)
            weight += ObjToItem(Trade_ItemList[i]).weight * (float)Trade_ItemCount[i];
    return weight;
}

// Credit is drawn first; a player who never had a debt forgiven gets goodwill's discount, one who had
// pays more.
float pricecutter(float price) {
    if (!partner_in_village()) return price;
    if (NpcVil.credit != 0.0f) return price - NpcVil.credit;
    if (NpcVil.everdebt == 0.0f) {
        if (NpcVil.generosity == 0.0f) return price;
        return NpcVil.generosity > 0.5f * price ? price * 0.8f : price * 0.9f;
    }
    return NpcVil.everdebt > 0.5f * price ? price * 1.2f : price * 1.1f;
}

float whatstheprice() {
    if (Chat_Mode == CHAT_PAY_DEBT) return pricecutter(vildebtvalue(&NpcVil));
    return Chat_Mode == CHAT_TRADE ? Trade_Price - NpcVil.credit : Trade_Price;
}

// Goodwill is booked in the village's file at once: the barter may end without writing the record.
uint32_t soctradegenerosity(float paid, float asked) {
    if (!partner_in_village()) return 0;
    const float over = paid - asked;
    if (NpcVil.everdebt == 0.0f) {
        if (paid < asked * 1.2f || asked <= 40.0f) return 0;
        NpcVil.generosity += over * 0.8f;
        SaveNpcVil();
        return over != 0.0f ? 1 : 0;
    }
    if (paid > asked) {
        NpcVil.everdebt -= over;
        if (NpcVil.everdebt < 0.0f) NpcVil.everdebt = 0.0f;
        SaveNpcVil();
    }
    return 0;
}

const char *payed_vs_asked_txt(float paid, float asked) {
    static char phrase[200];
    static const struct {
        float upto;                // the ratio at most; the last row that holds wins
        const char *key;
    } rows[] = {{0.9f, "TRADERATIO_90"}, {0.8f, "TRADERATIO_80"}, {0.7f, "TRADERATIO_70"}, {0.6f, "TRADERATIO_60"},
                {0.5f, "TRADERATIO_50"}, {0.4f, "TRADERATIO_40"}, {0.3f, "TRADERATIO_30"}, {0.2f, "TRADERATIO_20"},
                {0.1f, "TRADERATIO_10"}};
    const float ratio = asked > 0.0f ? paid / asked : 1.0f;
    const char *key = "TRADERATIO_ABOVE90";
    for (const auto &r : rows)
        if (ratio <= r.upto) key = r.key;
    copy_bounded(phrase, sizeof phrase, MSG(key));
    return phrase;
}

// ---- what the village already has ----

// The record an object number names, read in place (the walks over the village's goods copy nothing).
static const ItemStruct &item_at(int n) { return n < CONSTANTOBJ_ROWS ? ConstantObj[n] : PlayerObj[n - OBJ_PLAYER_FIRST]; }

// Every item record of the pool that is the village's, and every pack slot of its people, handed to
// `visit` with its item and count when `wanted` takes the item (asked first: it is the cheaper test).
template <typename Wanted, typename Visit>
static void village_goods(int soc, Wanted wanted, Visit visit) {
    if (soc <= 0) return;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.count == 0 || !valid_object(d.id)) continue;
        const ItemStruct &it = item_at((int)d.id);
        if (!wanted(it)) continue;
        const OwnerStruct o = d.owner == SOC_OWNER ? own_datapos(i) : own_item(it);
        if (o.free || o.soc != (uint32_t)soc) continue;
        visit(it, (int)d.count);
    }
    for (const CreatureStruct &c : Cre) {
        if (c.kind != CK_HUMAN || c.mode == CM_CARCASS || c.community != (uint32_t)soc) continue;
        for (int s = 0; s < CRE_PACK; s++)
            if (valid_object(c.pack[s]) && c.packcount[s] > 0 && wanted(item_at(c.pack[s])))
                visit(item_at(c.pack[s]), (int)c.packcount[s]);
    }
}

uint32_t SocTradeChecker(int soc, const ItemStruct &item) {
    uint32_t n = 0;
    village_goods(
        soc, [&](const ItemStruct &it) { return itemtypesequal(it, item) != 0; },
        [&](const ItemStruct &, int count) { n += (uint32_t)count; });
    return n;
}

// Raw meat and fish and what is made of them are food, or the raw meat and fish objects themselves:
// nothing else needs the slower test of the class.
static bool food_class_id(int cls) {
    return cls == OID_RAWMEAT || cls == OID_RAWFISH || cls == OID_PRESERVED_MEAT || cls == OID_PRESERVED_FISH;
}
static bool may_be_food(const ItemStruct &it) { return it.type == IT_FOOD || it.id == OID_RAWMEAT || it.id == OID_RAWFISH; }

// The weights the village holds of two material classes, in one walk over its goods.
static void class_weights(int soc, int cls_a, int cls_b, float &a, float &b) {
    const bool food = food_class_id(cls_a) && food_class_id(cls_b);
    a = b = 0.0f;
    bool in_a = false, in_b = false;
    const ItemStruct *last = nullptr;   // stacks of one kind share their record: tested once
    village_goods(
        soc,
        [&](const ItemStruct &it) {
            if (food && !may_be_food(it)) return false;
            if (&it != last) {
                last = &it;
                in_a = OnkoEsineId(it, cls_a) != 0;
                in_b = cls_b == cls_a ? in_a : OnkoEsineId(it, cls_b) != 0;
            }
            return in_a || in_b;
        },
        [&](const ItemStruct &it, int count) {
            if (in_a) a += (float)count * it.weight;
            if (in_b) b += (float)count * it.weight;
        });
}

// ---- the acceptance test ----

// The partner already wants this kind for himself: one of his goods the player picked, or, in a debt
// payment, goods the player owes.
static bool wanted_back(const ItemStruct &item, uint8_t flags) {
    const bool debt = flags & 1;
    if (Chat_Mode != CHAT_BUY_ANIMAL && Chat_Mode != CHAT_TRADE_TEST && !(flags & 3))
        for (const PersTradeEntry &e : PersTradeInvData)
            if (e.count > 0 && valid_object(e.object) && same_name(ObjToItem((int)e.object), item)) return true;
    if (debt)
        for (const VillageDebtLine &d : NpcVil.debt)
            if (d.active && valid_object(d.object) && same_name(ObjToItem((int)d.object), item)) return true;
    return false;
}

// The village's quota of boards, portable traps and paw-board traps: its people on the map decide.
static int quota(const ItemStruct &item, int pop) {
    int q = 0;
    if (item.id == OID_BOARD) q = pop / 2;
    if (item.type == IT_TOOL && item.subtype == ST_TRAP) q = pop / 5;
    if (item.id == OID_FOX_TRAP) q = pop / 4;
    return q;
}

static bool quota_item(const ItemStruct &item) {
    return item.id == OID_BOARD || item.id == OID_FOX_TRAP || (item.type == IT_TOOL && item.subtype == ST_TRAP);
}

// Raw meat and fish and their products: refused (with the reason) when the village's stores of that
// class are above what its people on the map need.
static bool stores_full(const ItemStruct &item, int soc, int pop) {
    // The class that decides (a later match overrides), the class whose stores lower the need, and
    // what a head needs.
    struct Reserve {
        int cls, less;
        float per_head;
        const char *label;
    };
    static const Reserve rules[] = {{OID_RAWMEAT, OID_PRESERVED_MEAT, 10.0f, "TRADELABEL_MEAT"},
                 {OID_RAWFISH, OID_PRESERVED_FISH, 7.0f, "TRADELABEL_FISH"},
                 {OID_PRESERVED_MEAT, 0, 15.0f, "TRADELABEL_MEATFOOD"},
                 {OID_PRESERVED_FISH, 0, 15.0f, "TRADELABEL_FISHFOOD"}};
    const Reserve *rule = nullptr;
    for (const auto &r : rules)
        if (OnkoEsineId(item, r.cls)) rule = &r;
    if (!rule) return false;
    const int cls = rule->cls, less = rule->less;
    float held, stored;
    class_weights(soc, cls, less ? less : cls, held, stored);
    const float need = rule->per_head * (float)pop - (less ? stored : 0.0f);
    if (need == 0.0f || held <= need) return false;
    char what[100];
    copy_bounded(what, sizeof what, MSG(rule->label));
    refuse("TRADEACC_RESERVES", what);
    return true;
}

static bool food_class(const ItemStruct &item) {
    return may_be_food(item) && (OnkoEsineId(item, OID_RAWMEAT) || OnkoEsineId(item, OID_RAWFISH) || OnkoEsineId(item, OID_PRESERVED_MEAT) ||
           OnkoEsineId(item, OID_PRESERVED_FISH));
}

// The partner carries 50 or more of goods of that name already.
static bool partner_has_plenty(const ItemStruct &item) {
    const CreatureStruct *c = partner();
    if (!c) return false;
    for (int s = 0; s < CRE_PACK; s++)
        if (valid_object(c->pack[s]) && c->packcount[s] >= SURPLUS_COUNT && same_name(ObjToItem(c->pack[s]), item))
            return true;
    return false;
}

int tradeacc(int object, int count, uint8_t flags) {
    tradeacc_rejreason[0] = 0;
    if (!valid_object(object) || count <= 0) return 0;
    const ItemStruct item = ObjToItem(object);
    const bool debt = flags & 1, delivery = flags & 2;
    const CreatureStruct *c = partner();
    const float compared = debt ? vildebtvalue(&NpcVil) : Trade_Price;
    if (debt && partners_goods(item)) return 1;
    if (wanted_back(item, flags)) return refuse("TRADEACC_YOU_WANT_IT", enimi(object, 2, 2));
    if (c && c->role == ROLE_FURTRADER && !delivery) {
        if (item.type != IT_SKIN || item.id != OID_FUR) return refuse("TRADEACC_FURS_ONLY");
        if (!cancarryWT(Chatting_With, PCTradelistWT() + (float)count * item.weight))
            return count == 1 ? refuse("TRADEACC_TOO_HEAVY_ONE", enimi(object, 1, 0))
                              : refuse("TRADEACC_TOO_HEAVY", enimi(object, 2, 2));
    }
    if (npcleash_check(item) >= 0) return 0;   // a rope leading an animal: refused without a word
    if (oe_pilaantunut(item) || oe_ummehtunut(item)) return refuse("TRADEACC_SPOILED", capitalised(enimi(object, 1, 0)));
    if (item.id == OID_SEED) return refuse("TRADEACC_NOT_NEEDED", capitalised(enimi(object, 1, 0)));
    if (item.type == IT_CARCASS) return refuse("TRADEACC_CARCASS", enimi(object, 1, 0));
    if (partner_in_village()) {
        const int soc = (int)partner_soc();
        // The people are counted only for the goods whose rules ask for them.
        const bool food = food_class(item);
        const int pop = quota_item(item) || food ? zoomarea_socpopulation(soc) : 0;
        const int q = quota(item, pop);
        if (q && SocTradeChecker(soc, item) > (uint32_t)q) return refuse("TRADEACC_ENOUGH", enimi(object, 2, 2));
        if (pop && food && stores_full(item, soc, pop)) return 0;
    }
    if (!debt && (item.ownerflags & (OWN_UNPAID | OWN_TAKEN)) && partners_goods(item))
        return refuse("TRADEACC_NOT_YOURS", enimi(object, 1, 0));
    if (delivery) return 1;
    const float price = esinehinta(-1, item);
    if (price <= SURPLUS_PRICE && !OnkoEsineId(item, OID_FUR) && partner_has_plenty(item))
        return refuse("TRADEACC_SURPLUS", enimi(object, 2, 0));
    if (ItemGet_laatu(&item) <= 1) return refuse("TRADEACC_QUALITY", enimi(object, 1, 0));
    if (item.plantname > 1) return refuse("TRADEACC_UNKNOWN", enimi(object, 1, 0));
    if (item.type == IT_SKIN && item.id != OID_FUR && item.id != OID_LEATHER) return refuse("TRADEACC_TAN_FIRST", enimi(object, 1, 0));
    if (price * (float)count < compared / 100.0f) return refuse("TRADEACC_UNWORTHY", enimi(object, 1, 0));
    return 1;
}

// ---- offering ----

void tradepicker(uint8_t mode) {
    if (slot_used(TRADE_SLOTS - 1)) {
        say(MSG("TRADEPICK_START_OVER"));
        return;
    }
    const int r = InvSel(INV_FROM_PACK, CRE_PLAYER, PlayerX, PlayerY, "What do you want to trade?", "trade",
                         SEL_MULTI | SEL_NO_INUSE | SEL_QUIET | SEL_ESC_AT_ONCE | SEL_MAX_TEN, 0, 0);
    if (r < 0) {
        say(invNotebuf);
        return;
    }
    char spoken[PICK_REASONS][sizeof tradeacc_rejreason];
    int nspoken = 0, offered = 0, refused = 0, added = 0;
    for (InvDataStruct &row : InvData) {
        if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_PACK) continue;
        const int slot = row.index;
        // A row whose slot no longer holds its item offers nothing; a count is never above the slot's.
        if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] != row.pos || Plr.inv_count[slot] <= 0) continue;
        const int count = row.chosen < Plr.inv_count[slot] ? row.chosen : Plr.inv_count[slot];
        offered++;
        if (!tradeacc(row.pos, count, mode == 1 ? 1 : 0)) {
            refused++;
            bool said = false;
            for (int i = 0; i < nspoken && !said; i++) said = !strcmp(spoken[i], tradeacc_rejreason);
            if (!said && tradeacc_rejreason[0]) {
                CrTalk(tradeacc_rejreason);
                if (nspoken < PICK_REASONS) copy_bounded(spoken[nspoken++], sizeof spoken[0], tradeacc_rejreason);
            }
            continue;
        }
        if (free_offer_slot() < 0) continue;
        const int taken = Poista_PlrItem_NoCrunch(slot, count);
        if (taken <= 0) continue;
        AddTradeItemList(row.pos, taken);
        added++;
    }
    if (added && refused) say(MSG("TRADEPICK_REST_ACCEPTED"));
    if (!added && offered > 1) say(MSG("TRADEPICK_UNACCEPTABLE"));
    Show_Trade_Info();
}

void ITEMPICK_parseline() {
    tradepicker(0);
    float value = tradelistvalue();
    if (value == 0.0f) return;
    if (Chat_Mode == CHAT_TRADE) value += NpcVil.credit;
    if (value >= Trade_Price) {
        say_chat("TRADE_ACCEPT_OFFER");
        Trade_Phase = 2;
        return;
    }
    if (slot_used(TRADE_SLOTS - 1)) {
        say(MSG("TRADEPICK_FRUITLESS"));
        return;
    }
    say(MSG("TRADEPICK_OFFERED"));
    say(payed_vs_asked_txt(value, Trade_Price));
    say(MSG(Chat_Mode == CHAT_TRADE_TEST ? "TRADEPICK_TO_SETTLE" : "TRADEPICK_FOR_YOURSELF"));
}

// ---- the partner's suggestion ----

void npc_trade_suggestion(float price, uint32_t) {
    struct Candidate {
        int slot, pos, available, picked;
        float unit;
    } cand[PLR_SLOTS];
    int n = 0;
    const bool barter = (Chat_Mode == CHAT_TRADE || Chat_Mode == CHAT_BUY_ANIMAL || Chat_Mode == CHAT_TRADE_TEST) && Trade_Phase == 1;
    const uint8_t flags = barter ? 0 : 1;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int pos = Plr.inv_obj[s], count = Plr.inv_count[s];
        if (!valid_object(pos) || count <= 0) continue;
        const ItemStruct item = ObjToItem(pos);
        if (partners_goods(item) || !tradeacc(pos, count, flags)) continue;
        cand[n++] = {s, pos, count, 0, esinehinta(-1, item)};
    }
    tradeacc_rejreason[0] = 0;
    const float target = price == 0.0f ? 0.08f : price;
    float remaining = target - tradelistvalue();
    bool too_valuable = false;
    for (int pass = 0; pass < SUGGEST_PASSES && remaining > 0.0f; pass++) {
        int best = -1;
        float best_ratio = 0.0f;
        for (int i = 0; i < n; i++) {
            if (cand[i].picked >= cand[i].available) continue;
            const float ratio = cand[i].unit / remaining;
            if (ratio > 1.25f) {
                too_valuable = true;
                continue;
            }
            if (best < 0 || ratio >= best_ratio) {
                best = i;
                best_ratio = ratio;
            }
        }
        if (best < 0) break;
        cand[best].picked++;
        remaining -= cand[best].unit;
    }
    if (remaining > 0.0f && remaining / target > 0.6f) {
        say(MSG(too_valuable ? "TRADESUGG_NOT_GREEDY" : "TRADESUGG_NOT_ENOUGH"));
        return;
    }
    char list[1000] = "";
    int kinds = 0, listed = 0;
    for (int i = 0; i < n; i++) {
        if (!cand[i].picked) continue;
        kinds++;
        if (listed >= SUGGEST_LISTED) continue;
        listed++;
        const bool worn = ObjToItem(cand[i].pos).status & ISTAT_WORN;
        const size_t at = strlen(list);
        snprintf(list + at, sizeof list - at, "%s%s, ", ekuvaus(cand[i].pos, cand[i].picked, 1), worn ? " (being worn)" : "");
    }
    const char *opener;
    if (kinds > SUGGEST_LISTED) opener = "TRADESUGG_TAKES_MORE";
    else if (remaining > 0.0f && !too_valuable) opener = listed ? "TRADESUGG_DOUBT" : "TRADESUGG_NOTHING";
    else if (remaining > 0.0f) opener = listed ? "TRADESUGG_HARD" : "TRADESUGG_YOU_OFFER";
    else opener = "TRADESUGG_AGREE";
    say(MSG(opener));
    if (!listed) return;
    char line[1100];
    snprintf(line, sizeof line, "%s.", andlist(list));
    CrTalk(line);
}
