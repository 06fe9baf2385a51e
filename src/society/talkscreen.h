// src/society/talkscreen.h -- the talk screen: the player's and the person's speech boxes with their
// portraits, what each says written into its box word by word, scene lines, the talk's two menus,
// and shares said in words.
#pragma once
#include <cstdint>

// The pens: where the next word of each speaker goes, in pixels of the window.
extern int CRTALKLINE, CRTALKCOL, PLRTALKLINE, PLRTALKCOL;
extern int XX, YY;                 // the person's pen as last reset (15, 255)

void Talk_Screen();                // the background, "Chatting with ..." and both boxes
void Piirra_PLR_Puheboksi();
void Piirra_NPC_Puheboksi();
void CrTalk_Clear();               // the person's box anew, the pen at its start
void PlrTalk_Clear();
void CrTalk(const char *text);     // the person says text ("" nothing)
void PlrTalk(const char *text);    // the player says text
void CrTalkBr();                   // a line break when the person's pen is not at the line's start
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
