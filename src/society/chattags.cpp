// src/society/chattags.cpp -- how each chat mode opens, and what the command tag of a chosen line does.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "items/items.h"
#include "items/ownership.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/companions.h"
#include "society/smalltalk.h"
#include "society/talkscreen.h"
#include "society/trade.h"
#include "society/village.h"
#include "worldgen/worldgen.h"
#include "society/questlist.h"


static bool options_offered() {
    for (const ChatOptStruct &o : ChatOptions)
        if (o.text[0]) return true;
    return false;
}

// Says a text when it is not empty.
static void say_if(const char *text) {
    if (text && text[0]) CrTalk(text);
}

static void say_chatmsg(const char *key) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    say_if(line);
}

static void end_talk() {
    QUIT = 1;
    EXIT_CHAT = 1;
}

// ---- the openings ----

static void debt_opening() {
    if (NpcVil.tradeban == 1) {
        say_chatmsg("TRADE_BANNED");
        say_chatmsg("DROP_OUR_GOODS");
        end_talk();
        NpcVil.flags |= 0x4000;
        return;
    }
    if (NpcVil.tradeban == 2 && GOT_PROPERTY_ofsoc((int)NpcVil.socid)) {
        char line[MSGBUF_SIZE];
        copy_bounded(line, sizeof line, notforsale_vildebtline(&NpcVil));
        say_if(line);
        end_talk();
        NpcVil.flags |= 0x4000;
        return;
    }
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, chats_PayYourDebt());
    say_if(line);
    InitPayDebtMode(1);
}

static void trade_opening() {
    const bool trades = Does_Trading(1) != 0;
    if (trades && !NpcVil.hasdebt) return;
    if (NpcVil.hasdebt) {
        if (gotcredit(0.0f)) {
            CrTalk("To some extent our goods will be rewarded to you, but let's see how it is with the selections you've made so far.");
            AddChatOption(0, "\"Very well. Let's settle for the items I've picked.\"", "[PAY DEBT]");
        } else {
            char line[MSGBUF_SIZE];
            copy_bounded(line, sizeof line, chats_PayYourDebt());
            say_if(line);
            AddChatOption(0, "\"I would like to pay my debt.\"", "[PAY DEBT]");
        }
    }
    Chat_Mode = CHAT_GREET;
}

static void trade_mode_opening() {
    if (NpcVil.tradeban && NpcVil.tradeban_day && Plr.daynumber >= NpcVil.tradeban_day) {
        NpcVil.tradeban = 0;
        NpcVil.tradeban_day = 0;
    }
    if (!NpcVil.tradeban) {
        trade_opening();
    } else if (NpcVil.hasdebt) {
        Chat_Mode = CHAT_STARTED;
        NPC_Asia = ASIA_DEBT;
        debt_opening();
    } else if (!Does_Trading(1)) {
        Chat_Mode = CHAT_GREET;
    } else {
        trade_opening();
    }
}

// An answered question leaves the lines: the table is refilled, not rebuilt, after a name exchange.
// The lines below it move up, and a line numbered by its slot takes its new number.
template <class Gone> static void drop_options(Gone gone) {
    for (int i = 0; i < CHAT_OPTIONS;) {
        if (!ChatOptions[i].text[0] || !gone(ChatOptions[i])) {
            i++;
            continue;
        }
        for (int j = i; j + 1 < CHAT_OPTIONS; j++) {
            ChatOptStruct &o = ChatOptions[j];
            o = ChatOptions[j + 1];
            if (o.text[0] && o.key == (uint32_t)('2' + j) && o.text[0] == (char)o.key && o.text[1] == '.') {
                o.key = (uint32_t)('1' + j);
                o.text[0] = (char)o.key;
            }
        }
        ChatOptions[CHAT_OPTIONS - 1] = ChatOptStruct{0, "", "", "", -1000, -1000};
    }
}

static void drop_option(const char *tag) {
    drop_options([&](const ChatOptStruct &o) { return strcmp(o.tag, tag) == 0; });
}

static void greet_opening(int again, CreatureStruct &c) {
    const bool has_quest = c.quest && !c.questexpiry;
    // The greeting asks what brings her here for a side role already: the quest's silence does not
    // ask it again in the same breath.
    bool asked = false;
    if (!again) asked = NPCpuhe_tervehdys(has_quest ? "[questmode]" : "");
    if ((c.craftstate == 1 || c.craftstate == 2) && c.craftproduct && ObjToItem((int)c.craftproduct).type) {
        char what[100], line[160];
        copy_bounded(what, sizeof what, ekuvaus((int)c.craftproduct, 1, 0));
        strlwr(what);
        snprintf(line, sizeof line, "\"How's that %s coming along?\"", what);
        AddChatOption(0, line, "[CRAFT ORDER QUERY]");
    }
    if (onko_NPC_parantaja(Chatting_With)) TryChatOption_Parannus();
    int quest_spoke = 0;
    // The quest's opening offered lines when it offered any, also one that stood in the table from an
    // earlier greeting of this talk; lines offered before it (a craft order asked after, healing) do
    // not count for it, nor against it.
    const uint32_t offered_before = chat_lines_offered();
    if (!globqS.completionDay) quest_spoke = NPCpuhe_quest("QUEST INI");
    const bool quest_options = quest_spoke && options_offered() && chat_lines_offered() != offered_before;
    if (!quest_spoke && has_quest && !asked) say_chatmsg("GREET_QUERY");
    if (CANTCANCELCHAT) return;
    if (!(c.namebits & 1)) AddChatOption(0, "\"Who are you?\"", "[WHO ARE YOU]");
    else drop_option("[WHO ARE YOU]");
    // Refilled after a name was learnt, the table loses what the quest's opening now answers: how it
    // goes, and the questions after people, which are asked anew in the words the name now allows.
    if (!quest_options) AddChatOption(0, "\"How is it going?\"", "[HOW IS IT GOING]");
    else drop_option("[HOW IS IT GOING]");
    if (!(c.greetbits & MEET_INTRODUCED)) {
        char line[100];
        snprintf(line, sizeof line, "\"I am %s.\"", Plr.name);
        AddChatOption(0, line, "[INTRODUCE]");
    } else {
        drop_option("[INTRODUCE]");
    }
    if (again) drop_options([](const ChatOptStruct &o) { return FindPeople_line(o.text, o.tag); });
    if (!quest_spoke) FindPeople();
}

void Start_Conversation(int again) {
    CreatureStruct *c = partner();
    if (!c) {
        end_talk();
        return;
    }
    if (!again) {
        CrTalk_Clear();
        TARGET_NPC = Chatting_With;
    }
    switch (Chat_Mode) {
        case CHAT_TRADE: trade_mode_opening(); break;
        case CHAT_GREET: greet_opening(again, *c); break;
        case CHAT_DIRECTIONS: Alusta_Puheenaihe_SEUTU(); break;
        case CHAT_COMMAND:
            CrTalk_Puuha();
            Alusta_Puheenaihe_KOMENNA();
            break;
        case CHAT_DELIVER:
        case CHAT_HELP:
            if (c->partyflags & PF_HIRED) {
                char line[200];
                snprintf(line, sizeof line, "So, we talked about me %s... Right?", YhteiselamanTeksti((int)c->partyflags));
                CrTalk(line);
                CompanionRecruitChat();
            } else if (Chat_Mode == CHAT_HELP) {
                Alusta_Puheenaihe_VARVAA();
            }
            break;
        case CHAT_STARTED:
            switch (NPC_Asia) {
                case ASIA_DEBT: debt_opening(); break;
                case ASIA_COMPANION: CrTalk_Ryhmaelama(0); QUIT = 1; break;
                case ASIA_NEWS: CrTalk_Wom(); QUIT = 1; break;
                case ASIA_ROBBERY: CrTalk_Ryosto(); break;
                case ASIA_REPROACH: CrTalk_Reaktio(); QUIT = 1; break;
                default: break;
            }
            break;
        default: break;
    }
}

// ---- the command tags ----

// "#n": animal n of the list for sale; any other number, or an empty slot, is passed over.
static void pick_animal(const char *tag) {
    char *end = nullptr;
    const long n = strtol(tag + 1, &end, 10);
    if (end == tag + 1 || *end || n < 0 || n >= ANIMALS_FOR_SALE) return;
    if (Animal[n] <= 0 || Animal[n] >= CRE_COUNT) return;
    Trade_ItemLoop = (int)n;
    open_bargain(AnimalPrice[n], AnimalDesc[n]);
    char line[300];
    snprintf(line, sizeof line, "You want that %s? Very well. Now make a trade and we'll see about that.", Trade_Item);
    CrTalk(line);
}

static void trade_proceed() {
    CreatureStruct *c = partner();
    const int slot = Trade_ItemLoop;
    if (!c || slot < 0 || slot >= CRE_PACK || c->pack[slot] <= 0) return;
    const ItemStruct it = ObjToItem(c->pack[slot]);
    open_bargain(goods_price(it, c->packcount[slot], STOCK_MARKUP), ekuvaus(c->pack[slot], c->packcount[slot], 0));
    CrTalk("Okay, what you can offer me in this trade?");
}

// True when the trade mode ended.
static bool trade_clear() {
    Trade_ItemList_Return();
    Trade_Phase = 1;
    if (Chat_Mode == CHAT_PAY_DEBT && gotcredit(0.0f) == 1) {
        Trade_Phase = 0;
        CrTalk("Of course. In case you don't want those goods then bring them back where you got them.");
        Show_Trade_Info();
        ExitChatMode();
        return true;
    }
    if (Chat_Mode == CHAT_TRADE) {
        if (gotcredit(0.0f)) {
            Trade_Phase = 0;
            CrTalk("Of course if you want something else instead.");
            Show_Trade_Info();
            ExitChatMode();
            return true;
        }
        CheckPersonalTradeCredit();
    }
    CrTalk("Well, give me another offer then if you want it...");
    return false;
}

static void fire_command() {
    const int n = Chatting_With;
    Keskeyta_Puuha(n, -1);
    const int r = Lisaa_Puuha(n, 110, 150);
    if (r == -2) {
        CrTalk("But we do have a perfectly good fire already burning. I wouldn't want to set up another one.");
    } else if (r == -1) {
        CrTalk("I'm afraid I'm unable to set and light a proper fire here.");
    } else {
        CrTalk("Ok, I'll go light a fire.");
        Emote(0, "");
        QUIT = 1;
    }
}

static void go_away() {
    CreatureStruct *c = partner();
    if (!c) return;
    if (!your_residence()) {
        CrTalk("I won't go nowhere. This place doesn't belong to you.");
        return;
    }
    Keskeyta_Puuha(Chatting_With, -1);
    c->memberbits |= 16;
    CrTalk("Huh. I didn't mean no harm, but I'll be gone soon.");
    Emote(1, "turns around and leaves.");
    QUIT = 1;
}

static void restart_paydebt() {
    ClearChatOptStruct();
    Chat_Mode = CHAT_PAY_DEBT;
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, chats_PayYourDebt());
    say_if(line);
    InitPayDebtMode(1);
}

static void no_deal() {
    ClearChatOptStruct();
    Trade_ItemList_Return();
    if (Chat_Mode == CHAT_TRADE) Trade_Status = 0;
    else Chat_Mode = CHAT_GREET;
    Trade_Phase = 0;
    Show_Trade_Info();
}

// The tags compared whole that end the parser once run; answers true when the tag was one of them.
static bool ending_tag(const char *tag) {
    if (!strcmp(tag, "[BYE]") || !strcmp(tag, "[GOODBYE]")) {
        GoodBye();
        return true;
    }
    static const struct {
        const char *tag;
        void (*run)();
    } rob[] = {{"[ROB QUERY]", CrTalk_robquery}, {"[ROB DEMAND]", CrTalk_robdemand}, {"[ROB ALLOW]", CrTalk_roballow},
               {"[ROB FIGHT]", CrTalk_robfight}, {"[ROB RESIST]", CrTalk_robresist}};
    for (const auto &r : rob)
        if (!strcmp(tag, r.tag)) {
            r.run();
            return true;
        }
    return false;
}

void RunParser(const char *tag_in) {
    if (!tag_in) return;
    char tag[sizeof ChatOptions[0].tag];
    copy_bounded(tag, sizeof tag, tag_in);
    CreatureStruct *c = partner();
    const int n = Chatting_With;
    auto is = [&](const char *t) { return strcmp(tag, t) == 0; };
    auto has = [&](const char *t) { return strstr(tag, t) != nullptr; };

    if (tag[0] == '#') {
        pick_animal(tag);
        return;
    }
    if (is("[TRADE SUGGESTION]")) npc_trade_suggestion(whatstheprice(), 0);
    if (is("[ITEMPICK]")) ITEMPICK_parseline();
    if (is("[DEBT ITEMPICK]")) ITEMPICK_debt(&NpcVil);
    if (is("[DEBT SUMMARY]")) vildebtsummary(&NpcVil);
    if (is("[DELIVER]")) ITEMPICK_deliver();
    if (is("[RETURN LOANED]")) {
        ReturnLoanedItems();
        ClearRecruitFlags();
    }
    if (ending_tag(tag)) return;
    if (is("[CONDFLAG 1]") || is("[CONDFLAG 2]")) memset(globqS.conditions, is("[CONDFLAG 1]") ? 1 : 2, sizeof globqS.conditions);
    if (is("[EXIT]")) {
        ExitChatMode();
        return;
    }
    if (is("[REJECT]")) {
        ExitChatMode();
        if (c) closeNPCquest(n, c->quest);
        return;
    }
    if (is("[DIRECTIONS]")) {
        ClearChatOptStruct();
        Chat_Mode = CHAT_DIRECTIONS;
        Alusta_Puheenaihe_SEUTU();
        return;
    }
    if (is("[STAY HERE]") && c && onko_NPC_kumppani(n)) {
        if (tell_stay(n)) {
            CrTalk("Alright, I will stay here. But whatever you have in your mind don't let it take for too long.");
            c->partyflags |= PF_STAY;
        } else {
            CrTalk("I really don't feel like wanting to wait you here in the wilderness.");
            CrTalk("What do you say if go find a nice local area for me and then talk about this again.");
        }
    }
    if (is("[FOLLOW ME]") && c && onko_NPC_kumppani(n)) {
        Keskeyta_Puuha(n, -1);
        CrTalk("Alright, let's work together then.");
        c->partyflags &= ~PF_STAY;
    }
    if (is("[TRADECLEAR]") && trade_clear()) return;
    if (is("[ASK WEAPON SKILLS]")) CrTalk_weaponskills();
    if (is("[ASK SKILLS]")) CrTalk_skills();
    if (is("[RECRUIT CLEAR]") && c) {
        ClearRecruitFlags();
        CrTalk("Alright, fine. Let me know if you need my help some other time.");
        ClearChatOptStruct();
    }
    if (is("[PAY DEBT]")) {
        InitPayDebtMode(0);
        vildebtsummary(&NpcVil);
    }
    if (is("[PERSONAL TRADE]")) InitPersonalTrade();
    if (is("[HEALING]")) Healing();
    if (is("[RECRUIT HUNTING]")) PARSE_Kumppani(7, 14, 1026);
    if (is("[RECRUIT WORK]")) PARSE_Kumppani(5, 6, 1028);
    if (is("[RECRUIT ADVENTURE]")) PARSE_Kumppani(14, 14, 1032);
    if (is("[LOOKING FOR SAGE]")) PARSE_sage_around();
    if (is("[LOOKING FOR VILLAGE]")) PARSE_Etsimassa(239, "settlement", 0);
    if (is("[LOOKING FOR DISTANT VILLAGE]")) PARSE_Etsimassa(239, "settlement", 1);
    if (is("[LOOKING FOR LAKE]")) PARSE_Etsimassa(247, "lake", 0);
    if (is("[LOOKING FOR CAVE]")) PARSE_Etsimassa(60, "cave", 0);
    if (is("[TRADECOMPLETE]")) {
        if (Chat_Mode == CHAT_PAY_DEBT) Debt_Complete();
        else Trade_Complete();
    }
    if (is("[TRADEPROCEED]")) trade_proceed();
    if (is("[CRAFT ORDER QUERY]")) NPCpuhe_tilaus();
    if (is("[WHO ARE YOU]")) {
        KysyNimi();
        Start_Conversation(1);
    }
    if (has("DEBUG SIDEQUESTS")) {
        for (int i = 0; i < 4; i++)
            if (globqS.sideQuestIds[i]) SidequestOpen(globqS.sideQuestIds[i], "[ok]");
        CrTalk("Sidequests opened.");
    }
    if (is("[HOW IS IT GOING]")) KysyKuulumiset();
    if (has("[NPC SOTU QUERY:")) KysySotuCreSijainti(atoi(tag_value(tag, "NPC SOTU QUERY", "0")));
    if (is("[INTRODUCE]")) {
        KerroOmaNimi();
        Start_Conversation(1);
    }
    if (is("[SHUT UP]")) {
        Emote(1, "shuts up.");
        end_talk();
    }
    if (has("[QUEST ")) {
        ClearChatOptStruct();
        NPCpuhe_quest(tag);
    }
    if (has("[REPEAT LAST TALK]")) {
        CrTalk("So... ");
        char line[32];
        snprintf(line, sizeof line, "[TALKLINE %d]", LAST_TALKNUM);
        NPCpuhe_talk(line);
    }
    if (has("[TALKLINE ")) NPCpuhe_talk(tag);
    if (is("[FIRE COMMAND]") && c) fire_command();
    if (is("[RESTART PAYDEBT]")) restart_paydebt();
    if (is("[I STEAL]")) {
        const int soc = (int)NpcVil.socid;
        SaveNpcVil();
        CrTalk("You foolish thief!!");
        breachrun_theft(soc);
        GetNpcVil(soc);
        Emote(1, "shuts up.");
        QUIT = 1;
    }
    if (is("[I WONT PAY]")) {
        CrTalk("What!? Are you trying to rob us?");
        ClearChatOptStruct();
        Chat_Mode = CHAT_GREET;
        AddChatOption(0, "\"No, no, no. I didn't mean that.\"", "[RESTART PAYDEBT]");
        AddChatOption(0, "\"Yes, I am. This is a robbery!\"", "[I STEAL]");
    }
    if (is("[CANT PAY DEBT]")) NPCTALK_cantpaydebt();
    if (is("[UNJOIN]")) {
        CrTalk("Oh, I was prepared to stay with you a little longer, but if you are absolutely sure my work is done here then I'll be gone.");
        ClearChatOptStruct();
        AddChatOption(0, "\"I'm sure of it. You can go now.\"", "[UNJOIN CONFIRM]");
        AddChatOption(0, "\"Well, I think I changed my mind. Please stay.\"", "[UNJOIN NOCONFIRM]");
    }
    if (is("[UNJOIN NOCONFIRM]")) {
        CrTalk("Very well, let's wander together for a little longer.");
        ClearChatOptStruct();
        Alusta_Puheenaihe_KOMENNA();
        CrTalk("So, just tell me if you want me to do something right now.");
    }
    if (is("[UNJOIN CONFIRM]")) NPCTALK_yhteiselo_ohi();
    if (is("[GO AWAY]") && c) go_away();
    if (is("[NODEAL]")) no_deal();
}
