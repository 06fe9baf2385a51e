// src/society/robbery.cpp -- the talks other people force on the player: a robber's hold-up with its
// answers, the village's confrontation over what it heard of her crimes elsewhere, and the village's
// reproach for mischief on its property.
#include <cstdio>
#include <cstring>

#include "core/commandcodes.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/outfit.h"
#include "creatures/physical.h"
#include "creatures/puuha.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/smalltalk.h"
#include "society/talkscreen.h"
#include "society/village.h"
#include "items/inventory.h"

enum { ACT_WAIT_PLAYER_LEAVES = 151 };

static int robber() { return ask_valid(Chatting_With) ? Chatting_With : CRE_NONE; }

// A chat text said when it is not empty.
static void say_chatmsg(const char *key) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    if (line[0]) CrTalk(line);
}

static void end_talk() {
    QUIT = 1;
    EXIT_CHAT = 1;
    CANTCANCELCHAT = 0;
}

// The answers of one step of the hold-up take the place of the last ones; she must pick one.
static void offer(const char *const *lines, const char *const *tags, int n) {
    ClearChatOptStruct();
    for (int i = 0; i < n; i++) AddChatOption(0, lines[i], tags[i]);
    CANTCANCELCHAT = 1;
}

// ---- the hold-up ----

// The robber sends her off and waits for her to go; his band waits with him.
void CrTalk_FleeNow() {
    const int n = robber();
    ClearChatOptStruct();
    end_talk();
    CrTalk("You have few moments to leave this area if your life is precious to you. Now run!");
    Emote(1, "waves at you to go away.");
    if (n == CRE_NONE) return;
    Keskeyta_Puuha(n, -1);
    Lisaa_Puuha(n, ACT_WAIT_PLAYER_LEAVES, 50);
    laumapuuhaus(n);
}

void CrTalk_Ryosto() {
    const int n = robber();
    Chat_Mode = CHAT_GREET;
    if (n == CRE_NONE) {
        end_talk();
        return;
    }
    if (!rob_items(-1, n, 1)) {
        CrTalk("You have to go away now and I mean it.");
        CrTalk_FleeNow();
        return;
    }
    char greeting[MSGBUF_SIZE];
    copy_bounded(greeting, sizeof greeting, chats_TimeBasedGreeting(n));
    if (greeting[0]) CrTalk(greeting);
    CrTalk("You carry something we want - and we will take it.");
    CrTalk("Now hand over your stuff willingly and no-one gets hurt, ok?");
    static const char *const lines[] = {"\"Hah! Why would I give you my stuff?!\"", "\"Hand over what exactly?\"",
                                        "\"Oh, take what you want, but don't hurt me.\""};
    static const char *const tags[] = {"[ROB QUERY]", "[ROB DEMAND]", "[ROB ALLOW]"};
    offer(lines, tags, 3);
}

void CrTalk_robquery() {
    Chat_Mode = CHAT_GREET;
    CrTalk("Well, we sort of borrow a bit from those who can afford it. Actually, this is a robbery!");
    CrTalk("So either let us take what we want and or we will take it by force...");
    static const char *const lines[] = {"\"No. If you want my stuff you have to fight for it.\"",
                                        "\"Well, it depends on what you want?\"",
                                        "\"I surrender. Take what you want, just spare my life.\""};
    static const char *const tags[] = {"[ROB RESIST]", "[ROB DEMAND]", "[ROB ALLOW]"};
    offer(lines, tags, 3);
}

// The talk stays the robber's (its mode is kept) until a later answer.
void CrTalk_robdemand() {
    const int n = robber();
    rob_items(-1, n, 1);
    char line[ROBITEMS_SIZE + 40];
    snprintf(line, sizeof line, "We want your %s.", andlist(rob_items_string));
    CrTalk(line);
    CrTalk("Now either give them willingly or we will take them by force?");
    static const char *const lines[] = {"\"No! You have to fight for them!\"", "\"Hmpf. I surrender. Just take them.\""};
    static const char *const tags[] = {"[ROB FIGHT]", "[ROB ALLOW]"};
    offer(lines, tags, 2);
}

void CrTalk_robresist() {
    Chat_Mode = CHAT_GREET;
    CrTalk("Hah! You think you're tough guy? Now think again. We are going to rob you anyway - like it or not.");
    CrTalk("If you want to lose some blood too then so'll be it. Now, for the last time, will you hand over your stuff?");
    static const char *const lines[] = {"\"Never! I will fight back to the last drop of my blood!\"", "\"My stuff?\"",
                                        "\"Hmpf. I surrender. Take what you want.\""};
    static const char *const tags[] = {"[ROB FIGHT]", "[ROB DEMAND]", "[ROB ALLOW]"};
    offer(lines, tags, 3);
}

void CrTalk_roballow() {
    const int n = robber();
    Chat_Mode = CHAT_GREET;
    CrTalk("That is a wise decision. You can walk away unhurt afterwards.");
    Emote(1, "snatches some of your items.");
    if (n != CRE_NONE) rob_items(-1, n, 0);
    ClearChatOptStruct();
    CrTalk_Clear();
    PlrTalk_Clear();
    ROBBERY_LOAD = laske_Load_value(-1);
    CrTalk_FleeNow();
}

void CrTalk_robfight() {
    const int n = robber();
    Chat_Mode = CHAT_GREET;
    CrTalk("So'll be it, you fool!");
    ClearChatOptStruct();
    end_talk();
    Emote(1, "lets out a loud whistle.");
    if (n == CRE_NONE) return;
    set_Cre_moralebit(n, -1, 3);
    laumamoraali(n);
}

// ---- the confrontation over news ----

// What the village heard and from whom, in the words of its chat texts.
struct HeardNews {
    int kind;              // 0 nothing, 1 theft, 2 violence
    int count;             // offences told
    int severity;          // how first-hand: 2 the nearest village, more the farther
    uint32_t from;         // the village that told
    char noun[120];        // "a thief", "a murderer"
};

static HeardNews heard_news(VillageStruct &v, RepSummary &source) {
    HeardNews h{};
    const VillageNews *rec = nullptr;
    if (v.newsapplied2) {
        h.kind = 2;
        v.newsapplied2 = 0;
        rec = &v.news_murder;
    } else if (v.newsapplied1) {
        h.kind = 1;
        rec = &v.news_theft;
    }
    memset(&source, 0, sizeof source);
    if (!rec) return h;
    h.count = rec->valuebyte;
    h.severity = rec->fromlevel;
    h.from = rec->from;
    if (h.from != 0 && h.from != v.socid) socrepSummary(&source, readVil(h.from));
    if (h.kind == 2) copy_bounded(h.noun, sizeof h.noun, "a murderer");
    else if (source.theft.noun[0]) copy_bounded(h.noun, sizeof h.noun, an(source.theft.noun));
    return h;
}

// The village banishes her as a precaution; the talk's copy of the village follows.
static void banish_precaution(int soc, unsigned kinds) {
    SaveNpcVil();
    say_chatmsg("BANISH_PRECAUTION");
    breachrun_banish(soc, 10, kinds);
    GetNpcVil(soc);
}

void CrTalk_Wom() {
    VillageStruct &v = NpcVil;
    v.hasnews = 0;
    RepSummary *source = new RepSummary;
    const HeardNews h = heard_news(v, *source);
    const int soc = (int)v.socid;

    if (h.kind) {
        char key[40];
        snprintf(key, sizeof key, "%s%s", h.severity <= 2 ? "WOM_BAD_INFO" : h.severity <= 4 ? "WOM_BAD_NEWS" : "WOM_BAD_RUMORS",
                 h.count > 1 ? ":many" : "");
        copy_bounded(vMSG_var, sizeof vMSG_var, h.noun);
        say_chatmsg(key);
    }
    v.newsapplied1 = v.newsapplied2 = 0;

    if (h.kind == 2) {
        if (h.severity == 2) {
            say_chatmsg("MURDER_CHARGE");
            v.violence = 1;
        } else if (h.severity < 4 && h.count > 2 && soc > 0) {
            banish_precaution(soc, 4);
        } else {
            say_chatmsg("MURDER_SUSPICION");
        }
    } else if (h.kind == 1) {
        int s = source->theft.level;
        if (s > 1 && h.count >= 3) s = 1;
        if (h.severity == 2 && soc > 0) {
            say_chatmsg("THEFT_CHARGE");
            banish_precaution(soc, 2);
        } else {
            say_chatmsg("THEFT_SUSPICION");
            if (s <= 1) {
                say_chatmsg("TRADE_STOPPAGE");
                NpcVil.tradeban = 1;
                NpcVil.tradeban_day = Plr.daynumber + (s == 1 ? 15u : 30u) + (uint32_t)(3 * h.count * s);
            }
        }
    }
    delete source;
}

// ---- the reproach for mischief ----

enum { MISCHIEF_BUILD = 240, MISCHIEF_PUSH = 701, MISCHIEF_RAW = -1 };

// The line for one recent kind of mischief; empty for none.
const char *mischief_line(int code, char *out, size_t size) {
    out[0] = 0;
    if (code == 0) return out;
    if (code == MISCHIEF_BUILD) copy_bounded(out, size, "We decide what is built in our village. Stop your construction at once!");
    else if (code == MISCHIEF_PUSH) copy_bounded(out, size, "Stop pushing things around!");
    else if ((code >= 2 && code <= 4) || code == 6) copy_bounded(out, size, "Don't use our timber for your own purposes!");
    else if (code == MISCHIEF_RAW) copy_bounded(out, size, "Stop using our raw materials for your own crafts!");
    else {
        char name[100];
        copy_bounded(name, sizeof name, Toiminta(code));
        for (char *p = name; *p; p++)
            if (*p >= 'A' && *p <= 'Z') *p = (char)(*p + 32);
        if (name[0]) snprintf(out, size, "You are not allowed to %s at our property!", name);
        else copy_bounded(out, size, "You don't seem to respect our property!");
    }
    return out;
}

void CrTalk_Reaktio() {
    say_chatmsg("MISCHIEF_TELL_OFF");
    for (uint16_t stored : NpcVil.mischiefkind) {
        char line[200];
        if (mischief_line((int16_t)stored, line, sizeof line)[0]) CrTalk(line);
    }
    const int soc = (int)NpcVil.socid;
    if (soc <= 0) return;
    SaveNpcVil();
    after_mischief(soc);
    GetNpcVil(soc);
}
