// src/society/chat.cpp -- the talk: choosing whom to talk to, the chat-mode menu, the option loop with
// its lines for the player, and the talks that people open themselves. Each mode's opening and each
// line's command tag are in chattags.cpp; the topics themselves in files of their own (questtalk,
// companions, pets, robbery).
#include "society/chat.h"

#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "creatures/animals.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "core/datafunc.h"
#include "items/invlist.h"
#include "items/ownership.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/trade.h"
#include "society/village.h"
#include "society/questlist.h"
#include "items/inventory.h"

ChatOptStruct ChatOptions[CHAT_OPTIONS];
int Chatting_With = -1000;
int Chat_Mode, NPC_Asia, QUIT, EXIT_CHAT, LAST_TALKNUM;
uint8_t CANTCANCELCHAT, TALKGLOBAL_QUEST_ACCEPTED, QUEST_SUMMARY_TALK;
uint8_t CHAT_CONFIRM;
QuestStruct globqS;
int shout_dogs[SHOUT_DOGS];

// Picks that chose no line in a row before the talk gives up: a closed key source answers ESC for
// ever, and a talk that can't be cancelled offers no ESC.
enum { IDLE_PICKS_MAX = 50 };
static int idle_picks;

// The byte of the village record that says it has news of the player's deeds.
static uint8_t vil_hasnews(const VillageStruct &v) { return v.hasnews; }

CreatureStruct *partner() { return ask_valid(Chatting_With) ? &Cre[Chatting_With] : nullptr; }

static void note_msg(int cre, const char *key) {
    TARGET_NPC = cre;
    Note(MSG(key));
}

static void clear_trade_slots() {
    for (int i = 0; i < TRADE_SLOTS; i++) {
        Trade_ItemList[i] = 0;
        Trade_ItemCount[i] = 0;
        Trade_DebtCheck[i] = -1000;
    }
}

// ---- the chat options ----

static void clear_slot(ChatOptStruct &o) {
    memset(&o, 0, sizeof o);
    o.questline = -1000;
    o.questoption = -1000;
}

void ClearChatOptStruct() {
    for (ChatOptStruct &o : ChatOptions) clear_slot(o);
}

// The kept line goes to slot 1. A line numbered by its slot is numbered anew, so that the line added
// next into slot 0 does not answer to the same key.
void ClearChatOptStructExcept(int slot) {
    if (slot < 0 || slot >= CHAT_OPTIONS) {
        ClearChatOptStruct();
        return;
    }
    ChatOptStruct kept = ChatOptions[slot];
    ClearChatOptStruct();
    if (kept.key == (uint32_t)('1' + slot) && kept.text[0] == (char)kept.key && kept.text[1] == '.') {
        kept.key = '2';
        kept.text[0] = '2';
    }
    ChatOptions[1] = kept;
}

// A line offered again while it stands in the table counts as offered: whoever asks what a routine
// offered learns it from the count, not from a table that did not change.
static uint32_t lines_offered = 0;

uint32_t chat_lines_offered() { return lines_offered; }

int AddChatOption(uint32_t key, const char *text, const char *tag) {
    if (!text) text = "";
    if (!tag) tag = "";
    for (int i = 0; i < CHAT_OPTIONS; i++) {
        const ChatOptStruct &o = ChatOptions[i];
        if (!o.text[0] || strcmp(o.tag, tag) != 0) continue;
        if ((!o.reply[0] && !strstr(tag, "TALKLINE")) || strstr(o.text, text)) {
            lines_offered++;
            return i;
        }
    }
    for (int i = 0; i < CHAT_OPTIONS; i++) {
        ChatOptStruct &o = ChatOptions[i];
        if (o.text[0]) continue;
        lines_offered++;
        clear_slot(o);
        if (key) {
            o.key = key;
            copy_bounded(o.text, sizeof o.text, text);
        } else {
            o.key = (uint32_t)('1' + i);
            snprintf(o.text, sizeof o.text, "%c.%s", (char)o.key, text);
        }
        if (!o.text[0]) o.text[0] = ' ';   // an empty line given would leave the slot free
        copy_bounded(o.tag, sizeof o.tag, tag);
        return i;
    }
    return -1000;
}

// "player's line|command:reply": the command in brackets, the line in double quotes.
void AddCodedChatOption(const char *coded, int questline, int questoption) {
    if (!coded) return;
    const char *bar = strchr(coded, '|');
    if (!bar) return;
    const char *colon = strchr(bar + 1, ':');
    char reply[151] = "";
    if (colon) copy_bounded(reply, sizeof reply, colon + 1);
    const size_t cmdlen = colon ? (size_t)(colon - bar - 1) : strlen(bar + 1);
    char tag[100];
    snprintf(tag, sizeof tag, "[%.*s]", (int)(cmdlen < 96 ? cmdlen : 96), bar + 1);
    const size_t linelen = (size_t)(bar - coded);
    char line[100];
    if (coded[0] == '"') snprintf(line, sizeof line, "%.*s", (int)(linelen < 97 ? linelen : 97), coded);
    else snprintf(line, sizeof line, "\"%.*s\"", (int)(linelen < 95 ? linelen : 95), coded);
    const int slot = AddChatOption(0, line, tag);
    if (slot < 0) return;
    copy_bounded(ChatOptions[slot].reply, sizeof ChatOptions[slot].reply, reply);
    if (questline != -1000) {
        ChatOptions[slot].questline = questline;
        ChatOptions[slot].questoption = questoption;
    }
}

void NollaaJuttumuuttujat() {
    Trade_Price = 0;
    Trade_ItemLoop = 0;
    Make_Animal_List();
    Trade_Phase = 0;
}

void ExitChatMode() {
    CANTCANCELCHAT = 0;
    ClearChatOptStruct();
    NollaaJuttumuuttujat();
}

void GoodBye() {
    Trade_Status = 1000;
    QUIT = 1;
}

// ---- the starters ----

void Init_Talk_NPC(int cre, int topic) {
    Chat_Mode = topic == ASIA_QUEST ? CHAT_GREET : CHAT_STARTED;
    clear_trade_slots();
    Chatting_With = cre;
    NPC_Asia = topic;
}

static void talkstart(int cre, int mode, int topic) {
    if (!ask_valid(cre)) return;
    Chat_Mode = mode;
    clear_trade_slots();
    Chatting_With = cre;
    NPC_Asia = topic;
    Do_Talk(8);
}

void npc_talkstart_debtissue(int cre) { talkstart(cre, CHAT_STARTED, ASIA_DEBT); }
void npc_talkstart_robissue(int cre) { talkstart(cre, CHAT_STARTED, ASIA_ROBBERY); }
void npc_talkstart_questissue(int cre) { talkstart(cre, CHAT_GREET, ASIA_QUEST); }

// ---- the option loop ----

static void reset_speech_boxes() {
    Piirra_NPC_Puheboksi();
    Piirra_PLR_Puheboksi();
    ui_talk_restart(UI_TALK_PERSON);
    ui_talk_restart(UI_TALK_PLAYER);
}

static bool trade_offered() {
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (Trade_ItemList[i]) return true;
    return false;
}

static void animal_pass() {
    Show_Trade_Info();
    bool any = false;
    for (int i = 0; i < ANIMALS_FOR_SALE; i++)
        if (Animal[i] > 0 && Animal[i] < CRE_COUNT) any = true;
    if (!any) {
        CrTalk(LastAnimalsKept ? "Sorry, but the animals we have are kept for ourselves." : "We don't have animals to sell here.");
        AddChatOption(0, "\"Ok, no problem.\"", "[GOODBYE]");
        Chat_Mode = CHAT_GREET;
        return;
    }
    if (!Does_Trading(1)) {
        Chat_Mode = CHAT_GREET;
        return;
    }
    CrTalk("What kind of animals you need? ");
    char list[600] = "";
    for (int i = 0; i < ANIMALS_FOR_SALE; i++) {
        if (Animal[i] <= 0 || Animal[i] >= CRE_COUNT) continue;
        char tag[8], desc[100];
        snprintf(tag, sizeof tag, "#%d", i);
        copy_bounded(desc, sizeof desc, AnimalDesc[i]);
        AddChatOption(0, desc, tag);
        const size_t n = strlen(list);
        snprintf(list + n, sizeof list - n, "%s, ", desc);
    }
    char line[800];
    snprintf(line, sizeof line, "We might have %s for sale, if you are interested.", andlist(list));
    CrTalk(line);
}

// One pass's fixed lines by mode and trade phase (before the menu).
static void pass_lines() {
    if (Chat_Mode == CHAT_TRADE || Chat_Mode == CHAT_BUY_ANIMAL || Chat_Mode == CHAT_PAY_DEBT || Chat_Mode == CHAT_TRADE_TEST)
        ClearChatOptStruct();
    if (Chat_Mode == CHAT_DELIVER && Trade_Phase == 0) AddChatOption(0, "\"I have something for you...\"", "[DELIVER]");
    if (Chat_Mode == CHAT_BUY_ANIMAL && Trade_Phase == 0) animal_pass();
    if (Chat_Mode == CHAT_TRADE && Trade_Phase == 0) TradeInquiry();
    if (Trade_Phase == 2) {
        ClearChatOptStruct();
        Show_Trade_Info();
        AddChatOption(0, "\"Ok. It's a deal.\"", "[TRADECOMPLETE]");
        AddChatOption(0, "\"Let me think again...\"", "[TRADECLEAR]");
    }
    if (Trade_Phase == 1 && (Chat_Mode == CHAT_TRADE || Chat_Mode == CHAT_BUY_ANIMAL || Chat_Mode == CHAT_TRADE_TEST)) {
        Show_Trade_Info();
        AddChatOption(0, "Offer an item", "[ITEMPICK]");
        AddChatOption(0, "\"What of my items you'd prefer in this trade?\"", "[TRADE SUGGESTION]");
        if (trade_offered()) AddChatOption(0, "Start the trade again from the start", "[TRADECLEAR]");
        AddChatOption(0, "\"This doesn't please me. It's no deal.\"", "[NODEAL]");
    }
    if (Chat_Mode == CHAT_PAY_DEBT) {
        if (NpcVil.tradeban == 2) {
            CrTalk("NOT FOR SALE!");
            QUIT = 1;
            EXIT_CHAT = 1;
            return;
        }
        if (Trade_Phase == 1) {
            Show_Trade_Info();
            AddChatOption(0, "Offer items for payment", "[DEBT ITEMPICK]");
            AddChatOption(0, "\"What of my items you'd prefer in this trade?\"", "[TRADE SUGGESTION]");
            AddChatOption(0, "\"Remind me about what I owe you?\"", "[DEBT SUMMARY]");
            if (NpcVil.reclaimlevel > 1) {
                CANTCANCELCHAT = 1;
                AddChatOption(0, "\"I am not able to pay. Take what is yours.\"", "[CANT PAY DEBT]");
                AddChatOption(0, "\"I will never pay you!\"", "[I WONT PAY]");
            }
            if (trade_offered()) AddChatOption(0, "Start the trade again from the start", "[TRADECLEAR]");
        }
    }
}

int chat_option_lines(TalkMenuLine *lines) {
    int n = 0;
    for (const ChatOptStruct &o : ChatOptions) {
        if (!o.text[0]) continue;
        lines[n].key = (int)o.key;
        copy_bounded(lines[n].text, sizeof lines[n].text, o.text);
        n++;
    }
    if (ChatOptions[0].text[0]) {
        lines[n].key = -1;
        lines[n++].text[0] = 0;
    }
    if (!CANTCANCELCHAT) {
        lines[n].key = KEY_ESC;
        copy_bounded(lines[n++].text, sizeof lines[0].text, "ESC.\"Goodbye\"");
        lines[n].key = -1;
        lines[n++].text[0] = 0;
        lines[n].key = '0';
        copy_bounded(lines[n++].text, sizeof lines[0].text, "0.Back to chat mode selection");
    }
    return n;
}

static bool has_tag(const char *tags, const char *t) { return strstr(tags, t) != nullptr; }

// The control tags of a quest line picked; false when the line waits for its repeat.
static void quest_controls(int slot) {
    CreatureStruct *c = partner();
    const ChatOptStruct &o = ChatOptions[slot];
    if (!c || !c->quest || o.questline < 0 || o.questline >= QUEST_TALKLINES || o.questoption < 0 ||
        o.questoption >= QUEST_LINE_OPTIONS)
        return;
    QuestOption &qo = globqS.talk[o.questline].options[o.questoption];
    char tags[sizeof qo.optionTags + 1];
    copy_bounded(tags, sizeof tags, qo.optionTags);
    // A line to be confirmed only asks on its first pick: nothing it carries acts before the
    // second pick, so "Oops" leaves the quest as it was.
    if (has_tag(tags, "[confirmopt]")) {
        if (CHAT_CONFIRM == 0) {
            CrTalk("Oh? Could you repeat that if you really mean it.");
            ClearChatOptStructExcept(slot);
            AddChatOption(0, "\"Oops, no, I didn't mean that.\"", "[REPEAT LAST TALK]");
            CHAT_CONFIRM = 1;
            return;
        }
        if (CHAT_CONFIRM == 1) {
            if (has_tag(tags, "[befoe]")) set_NPC_foeship(Chatting_With, 1);
            CHAT_CONFIRM = 2;
        }
    }
    if (has_tag(tags, "[accept]") && !globqS.accepted) DoAcceptQuest();
    if (has_tag(tags, "[ask summary]")) QUEST_SUMMARY_TALK = 1;
    if (has_tag(tags, "[once]")) {
        qo.coded[0] = 0;
        SaveQuest(&globqS);
    }
    if (has_tag(tags, "[close]")) disableNPCquest(Chatting_With, c->quest);
}

const char *chat_player_words(const char *text) {
    if (!text || strlen(text) < 3 || text[2] != '"') return nullptr;
    return text + 2;
}

int chat_pick(int key) {
    reset_speech_boxes();
    if (key == KEY_ESC || key == '0') {
        // A line she cannot walk away from waits for her answer, but a closed window ends the talk:
        // no key will come to a window that is gone.
        if (CANTCANCELCHAT && !CLOSE_WINDOW && ++idle_picks < IDLE_PICKS_MAX) return 0;
        RunParser("[GOODBYE]");
        NollaaJuttumuuttujat();
        if (key == KEY_ESC) {
            EXIT_CHAT = 1;
            return 1;
        }
        return 0;
    }
    int slot = -1;
    for (int i = 0; i < CHAT_OPTIONS && slot < 0; i++)
        if (ChatOptions[i].text[0] && ChatOptions[i].key == (uint32_t)key) slot = i;
    if (slot < 0) {
        if (++idle_picks >= IDLE_PICKS_MAX || CLOSE_WINDOW) {
            GoodBye();
            EXIT_CHAT = 1;
            return 1;
        }
        return 0;
    }
    idle_picks = 0;
    // Copied: the quest tags and the tag itself may rebuild the table.
    const ChatOptStruct picked = ChatOptions[slot];
    if (const char *words = chat_player_words(picked.text)) PlrTalk(words);
    quest_controls(slot);
    if (CHAT_CONFIRM != 1) CrTalk(picked.reply);
    if (CHAT_CONFIRM == 1) {
        if (!strstr(picked.tag, "[REPEAT LAST TALK]")) return 0;
    }
    RunParser(picked.tag);
    CHAT_CONFIRM = 0;
    return 0;
}

// The partner's link to its quest closed: the talk goes on as with one who has no quest.
static void close_partner_quest(CreatureStruct &c) {
    closeNPCquest(Chatting_With, c.quest);
    memset(&globqS, 0, sizeof globqS);
}

static void load_partner_quest(uint8_t &accepted_at_start) {
    CreatureStruct &c = Cre[Chatting_With];
    accepted_at_start = 0;
    if (c.quest == 0) {
        memset(&globqS, 0, sizeof globqS);
        return;
    }
    // A quest that can't be read, or one closed since the person was last met (it expired, or its
    // offer ended, at a day's upkeep while she stayed on the map), is nothing more to talk of.
    if (!loadQuest(c.quest, globqS) || globqS.closed) {
        close_partner_quest(c);
        return;
    }
    if (globqS.completionDay && c.questexpiry == 0) c.questexpiry = globqS.completionDay;
    accepted_at_start = globqS.accepted;
    QuestCondMaint(&globqS);
    if (!globqS.accepted && (c.stateflags & 1) && INVASUHDE_liikuntaelimet(Chatting_With) < 1.0f)
        close_partner_quest(c);
}

static void partner_reputation() {
    const CreatureStruct &c = Cre[Chatting_With];
    if (is_socmember(Chatting_With)) {
        GetNpcVil((int)c.community);
        vildebtrefresh(&NpcVil);
        socrepSummary(&TARGET_REPSUMMARY, NpcVil);
    } else {
        memset(&NpcVil, 0, sizeof NpcVil);
        NpcVil.socid = (uint32_t)-1000;
        npcrepSummary(&TARGET_REPSUMMARY, Chatting_With);
    }
}

int Execute_Talk() {
    CANTCANCELCHAT = 0;
    CHAT_CONFIRM = 0;
    QUIT = 0;
    EXIT_CHAT = 0;
    QUEST_SUMMARY_TALK = 0;
    idle_picks = 0;
    if (!partner()) return 1;
    uint8_t accepted_at_start = 0;
    load_partner_quest(accepted_at_start);
    partner_reputation();

    Talk_Screen();
    reset_speech_boxes();
    ClearChatOptStruct();
    memset(npcitemtradable, 0, sizeof npcitemtradable);
    Start_Conversation(0);
    if (QUIT && Chat_Mode == CHAT_STARTED) Emote(0, "");

    int result = 0;
    while (!QUIT && !EXIT_CHAT) {
        CreatureStruct *c = partner();
        if (!c) break;
        Creature = *c;
        pass_lines();
        if (QUIT || EXIT_CHAT) break;
        TalkMenuLine lines[CHAT_OPTIONS + 4];
        const int n = chat_option_lines(lines);
        // The window closed while he spoke (his words' pauses take the close too): no key will come.
        const int key = CANTCANCELCHAT && CLOSE_WINDOW
                            ? KEY_ESC
                            : Talk_Menu(TALK_MENU_OPTIONS, "Choose a line / reaction:", lines, n);
        if (chat_pick(key)) result = 1;
    }

    Trade_ItemList_Return();
    SaveNpcVil();
    if (EXIT_CHAT) result = 1;
    const CreatureStruct *c = partner();
    if (!accepted_at_start && globqS.accepted && c && c->quest) TALKGLOBAL_QUEST_ACCEPTED = 1;
    return result;
}

// ---- the chat-mode menu ----

static bool player_in_village() { return on_kyla(PlayerX, PlayerY, 0) != 0; }

int chat_mode_lines(TalkMenuLine *lines) {
    static const struct {
        int key;
        const char *text;
    } modes[] = {{'G', "G.Greet"}, {'A', "A.Ask for directions"}, {'C', "C.Command"},
                 {'H', "H.Ask help/company"}, {'D', "D.Deliver an item"}, {'T', "T.Trade items"}};
    int n = 0;
    for (const auto &m : modes) {
        lines[n].key = m.key;
        copy_bounded(lines[n++].text, sizeof lines[0].text, m.text);
    }
    if (player_in_village() && !onko_NPC_kumppani(Chatting_With)) {
        lines[n].key = 'B';
        copy_bounded(lines[n++].text, sizeof lines[0].text, "B.Buy an animal");
    }
    lines[n].key = -1;
    lines[n++].text[0] = 0;
    lines[n].key = KEY_ESC;
    copy_bounded(lines[n++].text, sizeof lines[0].text, "ESC.Exit");
    return n;
}

// The mode a key of the chat-mode menu chooses, -1 none.
static int mode_of_key(int key, const TalkMenuLine *lines, int n) {
    if (key >= 'a' && key <= 'z') key -= 32;
    bool offered = false;
    for (int i = 0; i < n; i++)
        if (lines[i].key == key) offered = true;
    if (!offered) return -1;
    switch (key) {
        case 'G': return CHAT_GREET;
        case 'A': return CHAT_DIRECTIONS;
        case 'C': return CHAT_COMMAND;
        case 'H': return CHAT_HELP;
        case 'D': return CHAT_DELIVER;
        case 'T': return CHAT_TRADE;
        case 'B': return CHAT_BUY_ANIMAL;
        default: return -1;
    }
}

// ---- choosing whom to talk to ----

struct Party {
    int members = 0, seen = 0, dogs = 0;
};

static Party count_party() {
    Party p;
    for (int &d : shout_dogs) d = -1000;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = datapos_Crepos(i);
        if (!ask_valid(c)) continue;
        const bool pet = onko_NPC_kesyelain(c) != 0;
        if (!pet && !onko_NPC_kumppani(c)) continue;
        p.members++;
        if (See(Data[i].x, Data[i].y)) p.seen++;
        else if (pet && Cre[c].speciescode == SPECIES_DOG && p.dogs < SHOUT_DOGS) shout_dogs[p.dogs++] = c;
    }
    return p;
}

// The shout menu: the dog chosen, -2 to pick a target in sight, -1 nothing.
static int shout_menu(const Party &p) {
    Note(MSG("SHOUT_INFO"));
    Valinta_Tyhjaa();
    for (int i = 0; i < p.dogs; i++) {
        char name[64];
        copy_bounded(name, sizeof name, monnam(shout_dogs[i], 0));
        if (name[0] >= 'a' && name[0] <= 'z') name[0] = (char)(name[0] - 32);
        Valinta_Lisaa('A' + i, name);
    }
    if (p.seen) {
        Valinta_Lisaa(-1, "");
        Valinta_Lisaa('T', "Choose a target in sight");
    }
    const int k = TeeValinta("SHOUT A COMMAND TO");
    if (k == 0 || k == KEY_ESC) return -1;
    if (p.seen && (k == 'T' || k == 't' || k == '1')) return -2;
    const int i = k - 'A';
    if (i >= 0 && i < p.dogs) return shout_dogs[i];
    return -1;
}

// The checks of a village member before it talks; false ends the talk.
static bool village_member_talks(int t) {
    const CreatureStruct &c = Cre[t];
    const int soc = (int)c.community;
    meet_soc(soc);
    burglary(soc, 1);
    if ((c.fightbits & 1) && aggtalk(t, 1, 4)) return false;
    GetGlobVil(soc);
    if (globVil.theft && aggtalk(t, 1, 4)) return false;
    if (globVil.banished && aggtalk(t, 2, 4)) return false;
    if (globVil.violence && aggtalk(t, 3, 4)) return false;
    if (vil_hasnews(globVil)) {
        note_msg(t, "NPC_DOESNT_RESPOND");
        return false;
    }
    if (globVil.mischief && aggtalk(t, 4, 4)) return false;
    if (globVil.hasdebt && globVil.reclaimlevel > 1) {
        npc_talkstart_debtissue(t);
        return false;
    }
    talk_soc(soc);
    return true;
}

// Those who will not talk, spirits, robbers and animals; true when the target is a person to talk to.
static bool answers(int t, int mode, bool far) {
    CreatureStruct &c = Cre[t];
    if (pakeneeko_NPC(t) || taisteleeko_NPC(t) || c.posture == 4 || c.culture == 11) {
        note_msg(t, "NPC_DOESNT_RESPOND");
        return false;
    }
    if (cre_spare(c, SPARE_NOTALK)) {
        char line[200];
        snprintf(line, sizeof line, "No, %s. We are not talking. Go.", plraddress(t, 0));
        Olento_Puhuu(t, line);
        return false;
    }
    if (onko_NPC_haltija(t)) {
        if (c.speciescode == SPECIES_FOREST_MAIDEN) {
            note_msg(t, "NPC_TALK_STARTLED");
            NPC_Pakene(t, -1, 0);
        } else {
            note_msg(t, "NPC_DOESNT_RESPOND");
        }
        return false;
    }
    if (c.Puuha[0] == 151) {
        if (!aggtalk(t, 2, 4)) note_msg(t, "NPC_DOESNT_RESPOND");
        return false;
    }
    if (onko_NPC_rosvo(t)) {
        npc_talkstart_robissue(t);
        return false;
    }
    const bool pet = onko_NPC_kesyelain(t) != 0;
    if (c.kind != CK_HUMAN && !pet) {
        note_msg(t, "SOUND_NORMAL");
        return false;
    }
    if (pet) {
        if (mode != 1) Note("?Since version 3.63 commanding pets and companions should be now done with ! key command.");
        do_petchat(t, far ? 1 : 0);
        return false;
    }
    return true;
}

static void mode_menu() {
    for (;;) {
        Talk_Screen();
        TalkMenuLine lines[12];
        const int n = chat_mode_lines(lines);
        const int key = Talk_Menu(TALK_MENU_MODES, "Chat mode", lines, n);
        laske_Load(-1);
        if (key == KEY_ESC || key <= 0 || CLOSE_WINDOW) {
            EXIT_CHAT = 1;
            return;
        }
        const int mode = mode_of_key(key, lines, n);
        if (mode < 0) continue;
        Chat_Mode = mode;
        if (Execute_Talk() == 1) return;
    }
}

void Do_Talk(int mode) {
    for (int &d : shout_dogs) d = -1000;
    memset(npcitemtradable, 0, sizeof npcitemtradable);
    if (PLAYER_SLEEPING) {
        DISABLE_NOTES = 0;
        Note("You wake up to someone talking to you...");
        Wakeup_Mapreturn();
        Pause();
        SLEEP_INTERRUPT = 'd';
    }
    SaveGlobVil();
    globVilID = -1000;

    if (mode == 8) {
        if (SPENDING) SPENDING = -2;
        if (!partner()) return;
        game_save();
        TALKGLOBAL_QUEST_ACCEPTED = 0;
        {
            UiScreenHold hold;   // the talk screen owns the window until it ends
            Execute_Talk();
        }
        game_restore();
        return;
    }
    if (non_outdoor()) return;

    const Party p = count_party();
    int target = -1000;
    bool far = false;
    if (mode == 1) {
        if (p.members == 0) {
            Note("!There's no one to command! No pets or companions around.");
            return;
        }
        if (p.seen == 0 && p.dogs == 0) {
            Note("!There are no pets or companions in sight which you could command!");
            return;
        }
        if (p.dogs) {
            const int k = shout_menu(p);
            if (k == -1) return;
            if (k >= 0) {
                target = k;
                far = true;
            }
        }
    } else if (p.dogs) {
        Note("?To command pets out of sight use ! key command.");
    }
    if (!far) {
        if (!ValitseLokaatio(PICK_TARGET | PICK_ON_CREATURE, "Talk to whom?")) return;
        target = cre_xy(GeneralX, GeneralY);
        if (!ask_valid(target)) {
            Note(MSG("GOOF_NO_CREATURE"));
            return;
        }
    }
    TurnUsed = 0;
    int tx, ty;
    if (!creature_square(target, tx, ty)) return;
    if (koordinaattien_vali(PlayerX, PlayerY, tx, ty) > (far ? 50 : 10) && !onko_NPC_kesyelain(target)) {
        note_msg(target, "TALK_FAR_AWAY");
        return;
    }
    if (nukkuuko_NPC(target) || Cre[target].mode == CM_ASLEEP) HerataNPC(target);

    if (is_socmember(target) && !village_member_talks(target)) return;
    if (!answers(target, mode, far)) return;

    const bool companion = onko_NPC_kumppani(target) != 0;
    if (companion && mode == 1 && compchat(target, 0, 10) == 1) return;
    Chatting_With = target;
    kaanna_NPC_kohti(target, PlayerX, PlayerY);
    Trade_Price = 0;
    Trade_ItemLoop = 0;
    TALKGLOBAL_QUEST_ACCEPTED = 0;
    Make_Animal_List();
    Trade_Phase = 0;
    Creature = Cre[target];
    game_save();
    {
        UiScreenHold hold;   // the talk screen owns the window until it ends
        mode_menu();
    }
    game_restore();
    Statistics();
    if (companion && mode == 0) Note("?If you want to command your companion use ! key command.");
    if (TALKGLOBAL_QUEST_ACCEPTED) {
        Note("=You have gotten involved in a quest.");
        Note("_Press [F2] to view quest journal.");
        TALKGLOBAL_QUEST_ACCEPTED = 0;
    }
}
