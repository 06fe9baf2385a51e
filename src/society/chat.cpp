// src/society/chat.cpp -- the talk: its state, the chat options and the talks people open.
// Stands in until conversation lands: a talk is the person's opening line, said in a note.
#include "society/chat.h"

#include <cstring>

#include "base/ownlib.h"
#include "core/tekstit.h"
#include "items/invlist.h"
#include "creatures/breaches.h"
#include "creatures/creatures.h"
#include "creatures/people.h"
#include "society/village.h"

ChatOptStruct ChatOptions[CHAT_OPTIONS];
int Chatting_With = -1000;
int Chat_Mode, NPC_Asia, QUIT, EXIT_CHAT, LAST_TALKNUM;
uint8_t CANTCANCELCHAT, TALKGLOBAL_QUEST_ACCEPTED, QUEST_SUMMARY_TALK;

// Until conversation lands a talk is the person's opening line, said in a note.
static int talk_kind = 0;

void Init_Talk_NPC(int n, int kind) {
    Chatting_With = n;
    talk_kind = kind;
}

void Do_Talk(int) {
    if (Chatting_With < 0 || (unsigned)Chatting_With >= (unsigned)CRE_COUNT) return;
    const char *key = talk_kind == 4 ? "TALK_COMPANION" : talk_kind == 5 ? "TALK_REQUEST" : talk_kind == 1000 ? "TALK_MISCHIEF" : "GREETING";
    TARGET_NPC = Chatting_With;
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    Olento_Puhuu(Chatting_With, line);
    Chatting_With = -1000;
}

void npc_talkstart_questissue(int) {}

void npc_talkstart_robissue(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return;
    TARGET_NPC = n;
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG("ROBBERY_DEMAND"));
    Olento_Puhuu(n, line);
    rob_items(-1, n, 0);
    if (rob_items_string[0]) {
        copy_bounded(vMSG_var, sizeof vMSG_var, rob_items_string);
        const size_t len = strlen(vMSG_var);
        if (len >= 2) vMSG_var[len - 2] = 0;   // the last ", "
        copy_bounded(line, sizeof line, CHATMSG("ROBBERY_TAKEN"));
        Olento_Puhuu(n, line);
    }
}

void npc_talkstart_debtissue(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return;
    TARGET_NPC = n;
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG("DEBT_DEMAND"));
    Olento_Puhuu(n, line);
}

void Init_Talk(int cre) { Chatting_With = cre; }
int Execute_Talk() { return 1; }
void Start_Conversation(int) {}
void RunParser(const char *) {}
int AddChatOption(uint32_t, const char *, const char *) { return -1000; }
void AddCodedChatOption(const char *, int, int) {}
void ClearChatOptStruct() {}
void ClearChatOptStructExcept(int) {}
void ExitChatMode() {}
void NollaaJuttumuuttujat() {}
void GoodBye() {}
