// src/society/tradetalk.cpp -- barter and debts in talk: whether a person trades, the opening of a
// trade, the person's goods picked, credit, paying a debt with goods or refusing, and the trade panel.
#include "society/chat_topics.h"

#include "base/ownlib.h"
#include "core/tekstit.h"
#include "society/chat.h"
#include "society/village.h"
#include "society/talkscreen.h"
#include "society/trade.h"

// One plain line, then back to the chat-mode menu.
static void plain_answer(const char *line) {
    CrTalk(line);
    QUIT = 1;
}

// ---- barter: stands in until the trade lands ----
void TradeInquiry() { plain_answer("Let's barter some other time."); }
void Show_Trade_Info() {}
int Does_Trading(int) { return 1; }
int gotcredit(float price) { return NpcVil.credit > 0.0f && NpcVil.credit >= price ? 1 : 0; }
void CheckPersonalTradeCredit() {}
void Trade_ItemList_Return() {}

// ---- debts in talk: stands in until the debt talk lands ----
void InitPayDebtMode(int) { plain_answer("We'll settle what you owe another time."); }
void vildebtsummary(VillageStruct *) {}
void ITEMPICK_debt(VillageStruct *) { plain_answer("We'll settle what you owe another time."); }
static char debt_line[MSGBUF_SIZE];
const char *chats_PayYourDebt() {
    copy_bounded(debt_line, sizeof debt_line, CHATMSG("DEBT_DEMAND"));
    return debt_line;
}
const char *notforsale_vildebtline(VillageStruct *) { return ""; }
void NPCTALK_cantpaydebt() { plain_answer("We'll settle what you owe another time."); }
void InitPersonalTrade() { plain_answer("Let's barter some other time."); }
