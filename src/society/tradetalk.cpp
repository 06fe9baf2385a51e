// src/society/tradetalk.cpp -- barter and debts in talk: whether a person trades, the opening of a
// trade, the person's goods picked, credit, paying a debt with goods or refusing, the offered slots
// and the trade panel beside the speech boxes.
#include "society/chat_topics.h"

#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/ui.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "creatures/deathdrop.h"
#include "creatures/describe.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/materials.h"
#include "society/chat.h"
#include "society/reputation.h"
#include "society/talkscreen.h"
#include "society/trade.h"
#include "society/village.h"
#include "items/inventory.h"

uint8_t DEBT_ULTIMATUM;

static_assert((int)PERSTRADE_ENTRIES == (int)INVDATA_MAX, "the picked goods are the chooser's rows");

namespace {

enum : uint8_t { PACK_FOR_SALE = 2, PACK_ALWAYS_FOR_SALE = 4 };   // pack bits of a slot
enum : uint8_t { ITEM_LENT = 0x40, ITEM_STOCK = 1 };              // item status bits
enum { ROLE_FUR_TRADER = 5, OWN_NOT_FOR_SALE = 8 };
enum { STOCKED_ALL_TRADABLE = 5 };        // from this many stocked slots on every slot is tradable
enum { PERSONAL_TRADE_OPTIONS = SEL_MULTI | SEL_ESC_AT_ONCE | SEL_TRADABLE };   // 5121

bool valid_object(int obj) {
    return (obj >= 1 && obj < CONSTANTOBJ_ROWS) || (obj >= OBJ_PLAYER_FIRST && obj <= OBJ_PLAYER_LAST);
}

// A chat text (CHATMSG's scratch answer) said when it is not empty.
void say_text(const char *text) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, text ? text : "");
    if (line[0]) CrTalk(line);
}

// Appends "<text>, " to a spoken list; once the list would pass `most` characters it ends with
// "so on, " and takes nothing more.
void add_to_list(char *list, size_t size, size_t most, bool &ended, const char *text) {
    if (ended) return;
    const size_t len = strlen(list);
    if (len + strlen(text) + 2 > most) {
        bprintf(list + len, size - len, "so on, ");
        ended = true;
        return;
    }
    bprintf(list + len, size - len, "%s, ", text);
}

// The list said as one sentence: "a, b and c."
void say_list(const char *list) {
    char line[1100];
    bprintf(line, sizeof line, "%s.", andlist(list));
    CrTalk(line);
}

// The active debt line of the record whose object is obj; nullptr none.
VillageDebtLine *owed_line(VillageStruct &v, int obj) {
    for (VillageDebtLine &d : v.debt)
        if (d.active && (int)d.object == obj) return &d;
    return nullptr;
}

// The person's stocked pack slots that may change hands in this talk, marked in npcitemtradable:
// his goods for sale, or every slot once he has five stocked or the player has credit; never a fur
// of the fur trader's, a lent item or one with a mark.
bool mark_tradable(const CreatureStruct &c, bool credit) {
    int stocked = 0;
    for (int s = 0; s < CRE_PACK; s++) stocked += c.packcount[s] > 0 && valid_object(c.pack[s]);
    const bool every = credit || stocked >= STOCKED_ALL_TRADABLE;
    bool any = false;
    for (int s = 0; s < CRE_PACK; s++) {
        npcitemtradable[s] = 0;
        if (c.packcount[s] == 0 || !valid_object(c.pack[s])) continue;
        const ItemStruct item = ObjToItem(c.pack[s]);
        bool ok = every || (c.packbits[s] & (PACK_FOR_SALE | PACK_ALWAYS_FOR_SALE));
        if (c.role == ROLE_FUR_TRADER && OnkoEsineId(item, OID_FUR)) ok = false;
        if ((item.status & ITEM_LENT) || item.magic) ok = false;
        npcitemtradable[s] = ok ? 1 : 0;
        any = any || ok;
    }
    return any;
}

// The chooser's chosen rows kept as the picked goods: only rows of the person's own tradable slots,
// with no more than the slot holds. Answers how many were kept.
int keep_picked(const CreatureStruct &c) {
    memset(PersTradeInvData, 0, sizeof PersTradeInvData);
    int kept = 0;
    for (int i = 0; i < INVDATA_MAX && kept < PERSTRADE_ENTRIES; i++) {
        const InvDataStruct &r = InvData[i];
        if (!r.pos || r.chosen <= 0 || r.source != INV_FROM_PACK) continue;
        if (r.index < 0 || r.index >= CRE_PACK || !npcitemtradable[r.index]) continue;
        if (c.pack[r.index] != r.pos || !valid_object(r.pos) || c.packcount[r.index] == 0) continue;
        PersTradeEntry &e = PersTradeInvData[kept++];
        e.mark = (uint32_t)r.source;
        e.slot = (uint32_t)r.index;
        e.object = (uint32_t)r.pos;
        e.pad12 = c.packcount[r.index];
        e.count = (uint32_t)(r.chosen < c.packcount[r.index] ? r.chosen : c.packcount[r.index]);
    }
    return kept;
}

void end_talk() {
    QUIT = 1;
    EXIT_CHAT = 1;
}

}  // namespace

// ---- whether a person trades ----

int Does_Trading(int say) {
    const int n = Chatting_With;
    if (!partner()) return 0;
    if (onko_NPC_rosvo(n)) {
        CrTalk_Clear();
        CrTalk("Hah! Trading! I'm not that kind of a person.");
        return 0;
    }
    if (onko_NPC_kumppani(n)) {
        CrTalk("I'm your companion, not somebody to trade with.");
        return 0;
    }
    if (compword(n) & CF_OWING) {
        CrTalk("It's so that you owe me for my services. Don't you talk about trading before that is settled.");
        return 0;
    }
    if (onko_NPC_lapsi(n)) {
        if (say) say_text(CHATMSG("ADULT_TOPIC"));
        return 0;
    }
    if (NpcVil.tradeban == 0 && Plr.daynumber >= NpcVil.tradeban_day) return 1;
    if (say) say_text(CHATMSG("TRADE_STOPPAGE"));
    return 0;
}

// ---- credit ----

int gotcredit(float amount) {
    if (Chat_Mode == CHAT_BUY_ANIMAL) return 0;
    if (amount == 0.0f) amount = Chat_Mode == CHAT_TRADE ? Trade_Price : vildebtvalue(&NpcVil);
    const float credit = NpcVil.credit;
    if (!(credit > 0.0f)) return 0;
    if (NpcVil.wholereward == 0.0f) NpcVil.wholereward = credit;
    return credit >= amount ? 1 : 2;
}

void NPCpuhe_RewardCoversOnlySome(float price) {
    char line[200];
    bprintf(line, sizeof line, "Your reward covers %s of this. The rest of it you have to pay.", verbal_percent(NpcVil.credit, price));
    CrTalk(line);
}

void NPCpuhe_ClaimedAndRewardRemains(float value) {
    const float whole = NpcVil.wholereward;
    char line[200];
    bprintf(line, sizeof line, "So far you have been given %s of your whole reward. You can claim the rest whenever you please.",
            verbal_percent(whole - NpcVil.credit + value, whole));
    CrTalk(line);
}

// The credit pays the whole price: the deal stands without payment.
static void credit_covers(float price) {
    char line[200];
    bprintf(line, sizeof line, "It's all yours to keep, and makes up for %s of your remaining reward.", verbal_percent(price, NpcVil.credit));
    CrTalk(line);
    Trade_Phase = 2;
}

void CheckPersonalTradeCredit() {
    if (Chat_Mode != CHAT_TRADE) return;
    const int credit = gotcredit(0.0f);
    if (credit == 1) credit_covers(Trade_Price);
    else if (credit == 2) NPCpuhe_RewardCoversOnlySome(Trade_Price);
}

// ---- the personal trade ----

void TradeInquiry() {
    ClearChatOptStruct();
    const int credit = gotcredit(0.0f);
    CreatureStruct *c = partner();
    if (!c) return;
    if (mark_tradable(*c, credit != 0) && !(c->stateflags & SF_KEEPS_GOODS)) {
        say_text(CHATMSG("NPC_CAN_TRADE"));
        if (credit) CrTalk("To some extent my goods can be given to you for free as a reward, but let's see how it goes.");
        AddChatOption(0, "\"Let's see what I can trade from you.\"", "[PERSONAL TRADE]");
        return;
    }
    say_text(CHATMSG("NPC_CANT_TRADE"));
    if (is_socmember(Chatting_With)) say_text(CHATMSG("TRADE_BRIEFING"));
}

void InitPersonalTrade() {
    CreatureStruct *c = partner();
    if (!c) return;
    int x = PlayerX, y = PlayerY;   // his square when he has one on the map
    creature_square(Chatting_With, x, y);
    const int rows = InvSel(INV_FROM_PACK, Chatting_With, x, y, "What do you want to trade from me?",
                            "start trading about", PERSONAL_TRADE_OPTIONS, 0, 0);
    // A row number, or the number of rows chosen: either way the chosen rows carry their counts.
    const int picked = rows >= 0 ? keep_picked(*c) : 0;
    if (picked == 0) {
        PlrTalk("\"Your goods didn't interest me.\"");
        if (is_socmember(Chatting_With)) say_text(CHATMSG("TRADE_BRIEFING"));
        else CrTalk("My goods don't interest you?");
        return;
    }
    float price = 0.0f;
    for (int i = 0; i < picked; i++)
        price += goods_price(ObjToItem((int)PersTradeInvData[i].object), (int)PersTradeInvData[i].count);
    const PersTradeEntry &first = PersTradeInvData[0];
    char what[sizeof Trade_Item];
    bprintf(what, sizeof what, "%s%s", ekuvaus((int)first.object, (int)first.count, 8), picked > 1 ? " etc." : "");
    open_bargain(price, what);
    ClearChatOptStruct();
    CrTalk_Clear();
    if (gotcredit(0.0f)) CheckPersonalTradeCredit();
    else say_text(CHATMSG("TRADE_LETS_BARTER"));
}

// ---- the offered slots ----

void Clear_Trade_Itemlist() {
    for (int i = 0; i < TRADE_SLOTS; i++) {
        Trade_ItemList[i] = 0;
        Trade_ItemCount[i] = 0;
        Trade_DebtCheck[i] = -1000;
    }
}

int AddTradeItemList(int obj, int count) {
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (Trade_ItemList[i] == 0) {
            Trade_ItemList[i] = obj;
            Trade_ItemCount[i] = count;
            return i;
        }
    return TRADE_SLOTS;
}

bool TRADELIST_MAXED() { return Trade_ItemList[TRADE_SLOTS - 1] != 0; }

// A stack that could not become the player's own record (the object table full) goes to her slots
// as it is, or to the ground beside her: nothing offered is ever lost.
void Trade_ItemList_Return() {
    for (int i = 0; i < TRADE_SLOTS; i++) {
        const int obj = Trade_ItemList[i], count = Trade_ItemCount[i];
        if (obj <= 0 || count <= 0) continue;
        if (!AddNewItem(obj, count)) Lisaa_Inventoryyn(obj, count, 1, -1);
    }
    Clear_Trade_Itemlist();
}

// ---- the trade panel ----

static_assert((int)TRADE_SLOTS == (int)UI_TRADE_OFFERED, "the panel shows every offered slot");

// What the trade panel shows: the goods asked for and what she offers, by the item's words.
void Show_Trade_Info() {
    if (Chat_Mode != CHAT_TRADE && Chat_Mode != CHAT_BUY_ANIMAL && Chat_Mode != CHAT_PAY_DEBT && Chat_Mode != CHAT_TRADE_TEST)
        return;
    if (!ui_has_screen()) return;
    UiTradePanel panel{};
    panel.about = Chat_Mode == CHAT_BUY_ANIMAL ? "animals." : Chat_Mode == CHAT_TRADE_TEST ? "companionship services." : "some goods.";
    panel.deal = Trade_Phase == 2;
    char offered[TRADE_SLOTS][128];
    if (Trade_Phase != 0) {
        panel.asked = Trade_Item;
        for (int i = 0; i < TRADE_SLOTS; i++) {
            if (Trade_ItemList[i] <= 0 || Trade_ItemCount[i] <= 0) continue;
            copy_bounded(offered[panel.n_offered], sizeof offered[0], ekuvaus(Trade_ItemList[i], Trade_ItemCount[i], 0));
            panel.offered[panel.n_offered] = offered[panel.n_offered];
            panel.n_offered++;
        }
    }
    ui_talk_trade_panel(&panel);
}

// ---- debts in talk ----

const char *chats_PayYourDebt() {
    const char *line = "I would like you to pay for the goods you've got.";
    if (is_socmember(Chatting_With)) {
        if (NpcVil.reclaimlevel == 1) line = "You've got some goods you want, so let's barter.";
        else if (NpcVil.reclaimlevel == 2) line = "You need to pay your debt right now.";
    }
    return line;
}

void InitPayDebtMode(int) {
    Chat_Mode = CHAT_PAY_DEBT;
    copy_bounded(Trade_Item, sizeof Trade_Item, "paying your debt");
    Trade_Phase = 1;
    DEBT_ULTIMATUM = 1;
    const int credit = gotcredit(0.0f);
    const float debt = vildebtvalue(&NpcVil);
    if (credit == 0) say_text(CHATMSG("TRADE_LETS_BARTER"));
    else if (credit == 1) credit_covers(debt);
    else NPCpuhe_RewardCoversOnlySome(debt);
}

void vildebtsummary(VillageStruct *v) {
    if (!v) return;
    char list[600] = "You've got ";
    bool ended = false, any = false;
    for (const VillageDebtLine &d : v->debt) {
        if (!d.active || !valid_object((int)d.object) || !ObjToItem((int)d.object).name[0]) continue;
        add_to_list(list, sizeof list, 199, ended, ekuvaus((int)d.object, (int)d.count, 0));
        any = true;
    }
    if (any) say_list(list);
    if (!gotcredit(0.0f)) CrTalk("That's what you have to pay for.");
    if (DEBUG_INFO)
        for (int i = 0; i < VILLAGE_DEBTS; i++) {
            const VillageDebtLine &d = v->debt[i];
            if (!d.active) continue;
            char line[64];
            bprintf(line, sizeof line, "#%d %u*%u", i, d.object, d.count);
            CrTalk(line);
        }
    AddChatOption(0, "\"I would like to pay my debt.\"", "[PAY DEBT]");
}

const char *notforsale_vildebtline(VillageStruct *v) {
    char *line = sbuf();
    line[0] = 0;
    if (!v) return line;
    for (const VillageDebtLine &d : v->debt) {
        if (!d.active || !valid_object((int)d.object)) continue;
        const ItemStruct item = ObjToItem((int)d.object);
        if ((item.ownerflags & OWN_NOT_FOR_SALE) && item.name[0])
            bprintf(line, SBUF_SIZE, "Give our %s back! It's not for trade!", ekuvaus((int)d.object, (int)d.count, 0));
    }
    return line;
}

// The owed goods among the offered ones go back to the person; answers whether any did.
static bool return_owed_goods(VillageStruct &v) {
    const int n = Chatting_With;
    char said[400] = "You want to return our ";
    bool returned = false, ended = false;
    for (int i = 0; i < TRADE_SLOTS; i++) {
        const int obj = Trade_ItemList[i], count = Trade_ItemCount[i];
        if (obj <= 0 || count <= 0 || !owed_line(v, obj)) continue;
        returned = true;
        add_to_list(said, sizeof said, 149, ended, ekuvaus(obj, count, 0));
        remvildebtitem(&v, (int)v.socid, obj, count);
        // Stock goods lose their stock mark as a record of their own.
        int given = obj;
        ItemStruct item = ObjToItem(obj);
        if (item.status & ITEM_STOCK) {
            item.status &= (uint8_t)~ITEM_STOCK;
            const int own = Esineesta_Uniikki(item);
            if (own > 0) given = own;
        }
        if (!new_AddCrPack(n, given, count, 1)) NpcDropItem(n, given, count);
        Trade_ItemList[i] = 0;
        Trade_ItemCount[i] = 0;
        Trade_DebtCheck[i] = -1000;
    }
    if (returned) {
        say_list(said);
        CrTalk("That's fine. I've got them now.");
    }
    return returned;
}

void ITEMPICK_debt(VillageStruct *v) {
    if (!v) return;
    tradepicker(1);
    if (!partner()) return;   // nobody to take anything: the offer goes back when the talk ends
    if (return_owed_goods(*v)) {
        vildebtrefresh(v);
        if (!v->hasdebt) {
            const int soc = (int)v->socid;
            Trade_ItemList_Return();
            Trade_Phase = 0;
            SaveNpcVil();
            deaktivoi_perinta(soc);
            GetNpcVil(soc);
            if (NpcVil.paytrouble < 255) NpcVil.paytrouble++;
            CrTalk("You just returned all of our goods. Nothing traded.");
            Emote(1, "walks away mumbling about waste of time.");
            end_talk();
            SaveNpcVil();
            return;
        }
        SaveNpcVil();
    }
    const float value = tradelistvalue();
    if (value == 0.0f) return;
    const float asked = pricecutter(vildebtvalue(&NpcVil));
    if (value >= asked) {
        say_text(CHATMSG("TRADE_ACCEPT_OFFER"));
        Trade_Phase = 2;
    } else if (!TRADELIST_MAXED()) {
        CrTalk("What you have offered");
        CrTalk(payed_vs_asked_txt(value, asked));
        CrTalk("to get those goods for yourself.");
    } else {
        CrTalkBr();
        CrTalk("This bargain is fruitless. There's too many items in your pile. Start over, and give me new a offer.");
    }
}

// The village takes back what is its own; the offered goods are the player's again first, so that
// its goods among them are taken back too.
void NPCTALK_cantpaydebt() {
    const int n = Chatting_With;
    Trade_ItemList_Return();
    if (partner() && is_socmember(n)) {
        const int soc = (int)NpcVil.socid;
        SaveNpcVil();
        get_stolen_items(-1, n);
        after_theft(soc);
        GetNpcVil(soc);
        say_text(CHATMSG("FAILED_PAYMENT"));
        Emote(0, "");
    }
    end_talk();
}
