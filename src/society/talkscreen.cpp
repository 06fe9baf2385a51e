// src/society/talkscreen.cpp -- the talk screen's speech boxes and menus.
// Stands in until the talk screen lands: nothing is drawn and every menu answers ESC.
#include "society/talkscreen.h"

int CRTALKLINE = 255, CRTALKCOL = 15, PLRTALKLINE = 55, PLRTALKCOL = 175;
int XX = 15, YY = 255;

void Talk_Screen() {}
void Piirra_PLR_Puheboksi() {}
void Piirra_NPC_Puheboksi() {}
void CrTalk_Clear() {}
void PlrTalk_Clear() {}
void CrTalk(const char *) {}
void PlrTalk(const char *) {}
void CrTalkBr() {}
void Emote(int, const char *) {}
const char *verbal_percent(float, float) { return ""; }
int Talk_Menu(int, const char *, const TalkMenuLine *, int) { return 27; }
