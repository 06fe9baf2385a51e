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

// ---- companions: stands in until the companions land ----
int compchat(int, int, int) { return 0; }
void CrTalk_Ryhmaelama(int) { say_chatmsg("TALK_COMPANION"); }
void CrTalk_Puuha() {}
void Alusta_Puheenaihe_KOMENNA() { plain_answer("I won't take orders from you now."); }
void Alusta_Puheenaihe_VARVAA() { plain_answer("I can't come along with you now."); }
int CompanionRecruitChat() {
    plain_answer("Let's talk about it some other time.");
    return 0;
}
void PARSE_Kumppani(int, uint32_t, uint32_t) { plain_answer("I can't come along with you now."); }
void ReturnLoanedItems() {}
void NPCTALK_yhteiselo_ohi() { plain_answer("Let's talk about it some other time."); }
void CrTalk_weaponskills() { plain_answer("I'd rather not talk about that now."); }
void CrTalk_skills() { plain_answer("I'd rather not talk about that now."); }
int tell_stay(int) { return 0; }
