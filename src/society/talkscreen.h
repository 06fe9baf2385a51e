// src/society/talkscreen.h -- the talk screen: the player's and the person's speech boxes with their
// names and portraits, what each says, scene lines, the talk's two menus with their keys, and shares
// said in words. The screen lays it all out (base/ui.h's talk screen).
#pragma once
#include <cstdint>

void Talk_Screen();                // the background, "Chatting with ..." and both boxes
void Piirra_PLR_Puheboksi();       // the player's box anew; her next words go on where they were
void Piirra_NPC_Puheboksi();
void CrTalk_Clear();               // the person's box anew, his next words at its top
void PlrTalk_Clear();
void CrTalk(const char *text);     // the person says text ("" nothing)
void PlrTalk(const char *text);    // the player says text
void CrTalkBr();                   // the person's next words on a line of their own
void Emote(int named, const char *text);   // a scene line shown until a key; named: after the person's name
const char *verbal_percent(float part, float whole);

// The talk's menus. An entry is a key code and its line; a key of -1 is a blank line. The answer is
// the key of the entry chosen, 27 for ESC.
struct TalkMenuLine {
    int key;
    char text[104];
};
enum { TALK_MENU_MODES = 0, TALK_MENU_OPTIONS = 1 };
int Talk_Menu(int which, const char *title, const TalkMenuLine *lines, int n);

// The picture file of a person's face: the record names it, ".png" added when the name has none;
// "" when the record names none.
struct CreatureStruct;
const char *portrait_file(const CreatureStruct &c);
