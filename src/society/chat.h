// src/society/chat.h -- talking with a person of the map: the conversation's state, the lines the
// player may say next (the chat options), the talk itself and the talks that people open.
#pragma once
#include <cstdint>

// Conversation modes.
enum {
    CHAT_GREET = 0, CHAT_TRADE = 2, CHAT_BUY_ANIMAL = 3, CHAT_DIRECTIONS = 4, CHAT_COMMAND = 5,
    CHAT_DELIVER = 6, CHAT_HELP = 7, CHAT_STARTED = 8, CHAT_PAY_DEBT = 10, CHAT_TRADE_TEST = 11
};
// Topics of a talk the person started.
enum { ASIA_DEBT = 3, ASIA_COMPANION = 4, ASIA_NEWS = 5, ASIA_ROBBERY = 6, ASIA_QUEST = 7, ASIA_REPROACH = 1000 };

// A line the player may say: picked by its key, shown as its text, running its tag, answered by the
// reply; a line that came from a quest talk remembers where (-1000 none).
enum { CHAT_OPTIONS = 10 };
struct ChatOptStruct {
    uint32_t key;
    char text[100];
    char tag[100];
    char reply[200];
    int32_t questline;
    int32_t questoption;
};
extern ChatOptStruct ChatOptions[CHAT_OPTIONS];

extern int Chatting_With;          // the person talked to, -1000 none
struct CreatureStruct;
// The person talked to: null when nobody is, or the number names no living record.
CreatureStruct *partner();
extern int Chat_Mode;
extern int NPC_Asia;
extern int QUIT, EXIT_CHAT;
extern uint8_t CANTCANCELCHAT, TALKGLOBAL_QUEST_ACCEPTED, QUEST_SUMMARY_TALK;
extern int LAST_TALKNUM;
// npcitemtradable: items/invlist.h

void Do_Talk(int mode);            // 0 talk to someone, 1 shout to pets and companions, 8 a talk set up
void npc_talkstart_debtissue(int cre);
void npc_talkstart_robissue(int cre);
void npc_talkstart_questissue(int cre);
void Init_Talk_NPC(int cre, int topic);
int Execute_Talk();                // 1 when the whole talk ends
void Start_Conversation(int again);
void RunParser(const char *tag);

int AddChatOption(uint32_t key, const char *text, const char *tag);   // the slot, -1000 when full
uint32_t chat_lines_offered();     // lines offered so far, a line already in the table counted again
void AddCodedChatOption(const char *coded, int questline, int questoption);
void ClearChatOptStruct();
void ClearChatOptStructExcept(int slot);
void ExitChatMode();
void NollaaJuttumuuttujat();
void GoodBye();

// ---- appended: what the talk keeps besides, and its two menus ----
#include "core/tehtavat.h"
#include "society/talkscreen.h"

extern QuestStruct globqS;         // the quest of the person talked to, loaded at each option loop
extern uint8_t CHAT_CONFIRM;       // 0 none, 1 a "[confirmopt]" line waits for its repeat, 2 confirmed
enum { SHOUT_DOGS = 10 };
extern int shout_dogs[SHOUT_DOGS]; // dogs out of sight that a shout may reach, -1000 empty

// The companion word (partyflags): told to stay here; hired.
enum : uint32_t { PF_STAY = 512, PF_HIRED = 1024 };

// The chat-mode menu and the option menu as they are shown now: the lines written into `lines`
// (room for at least 16), their number answered.
int chat_mode_lines(TalkMenuLine *lines);
int chat_option_lines(TalkMenuLine *lines);
// Runs the line chosen by key in the option loop (the player's words, the quest control tags, the
// reply and the tag); 1 when the whole talk is to end (ESC).
int chat_pick(int key);
// What the player says when the line of that menu text is chosen: the text past its "n." when it
// begins with a double quote; nullptr for a menu action.
const char *chat_player_words(const char *text);
