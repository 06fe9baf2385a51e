// src/society/chat_topics.cpp -- the topics of a talk.
// Each group below stands in until its own work lands: the person answers in one plain line and the
// talk goes back to the chat-mode menu; nothing is traded, paid, hired, commanded or sold here.
#include "society/chat_topics.h"

#include <cstring>

#include "base/ownlib.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "creatures/breaches.h"
#include "creatures/creatures.h"
#include "creatures/people.h"
#include "society/chat.h"
#include "society/talkscreen.h"
#include "society/trade.h"

// One plain line, then back to the chat-mode menu.
static void plain_answer(const char *line) {
    CrTalk(line);
    QUIT = 1;
}

// A chat text said when it is not empty; 1 when said.
static int say_chatmsg(const char *key) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    if (!line[0]) return 0;
    CrTalk(line);
    return 1;
}

// ---- quests in talk: stands in until the quests land ----
int NPCpuhe_quest(const char *) { return 0; }
void NPCpuhe_talk(const char *) {}
void QuestCondMaint(QuestStruct *) {}
void DoAcceptQuest() {}
void TryChatOption_Parannus() {}
void Healing() { plain_answer("I can't tend to you now."); }
void ITEMPICK_deliver() { plain_answer("Keep it. I have no need for anything now."); }
void NPCpuhe_tilaus() { plain_answer("It isn't ready yet."); }

// ---- pets and animals for sale: stands in until the pets land ----
int Animal[ANIMALS_FOR_SALE];
char AnimalDesc[ANIMALS_FOR_SALE][100];
float AnimalPrice[ANIMALS_FOR_SALE];
int LastAnimalsKept;

void do_petchat(int cre, int) {
    if (cre < 0 || cre >= CRE_COUNT) return;
    TARGET_NPC = cre;
    Note(MSG("SOUND_NORMAL"));
}

// No animal is for sale yet.
void Make_Animal_List() {
    memset(Animal, 0, sizeof Animal);
    memset(AnimalDesc, 0, sizeof AnimalDesc);
    memset(AnimalPrice, 0, sizeof AnimalPrice);
    LastAnimalsKept = 0;
}

// ---- the hold-up and the reproaches: stands in until the robbery talk lands ----

// The robber's plain demand, said aloud on the map, and he takes what he wants.
static void robber_says(int n, const char *key) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    if (line[0]) Olento_Puhuu(n, line);
}

void CrTalk_Ryosto() {
    const int n = Chatting_With;
    if (n < 0 || n >= CRE_COUNT) return;
    TARGET_NPC = n;
    robber_says(n, "ROBBERY_DEMAND");
    rob_items(-1, n, 0);
    if (rob_items_string[0]) {
        copy_bounded(vMSG_var, sizeof vMSG_var, rob_items_string);
        const size_t len = strlen(vMSG_var);
        if (len >= 2) vMSG_var[len - 2] = 0;   // the last ", "
        robber_says(n, "ROBBERY_TAKEN");
    }
    QUIT = 1;
    EXIT_CHAT = 1;
}

void CrTalk_Wom() { say_chatmsg("TALK_REQUEST"); }
void CrTalk_Reaktio() { say_chatmsg("TALK_MISCHIEF"); }
// The hold-up offers no answers yet; one given ends the talk.
static void rob_answer() {
    CrTalk("Enough talk.");
    QUIT = 1;
    EXIT_CHAT = 1;
}
void CrTalk_robquery() { rob_answer(); }
void CrTalk_robdemand() { rob_answer(); }
void CrTalk_roballow() { rob_answer(); }
void CrTalk_robfight() { rob_answer(); }
void CrTalk_robresist() { rob_answer(); }
