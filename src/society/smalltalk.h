// src/society/smalltalk.h -- the small talk of a conversation: greetings by the hour and after a long
// absence, the exchange of names, how things go and the news of people who need help, the way to
// villages, lakes and caves, and questions after people.
#pragma once
#include "creatures/people.h"   // chats_TimeBasedGreeting, chats_MeetGapRemark

bool NPCpuhe_tervehdys(const char *tags);   // true when the person asked what brings her here
void KysyNimi();
void KerroOmaNimi();
void KysyKuulumiset();
void Alusta_Puheenaihe_SEUTU();
void PARSE_Etsimassa(int mapchar, const char *noun, int distant);
void Suuntaohjeet_Nollaus();
const char *KERRO_Aluetieto();
void FindPeople();
bool FindPeople_line(const char *text, const char *tag);   // a line FindPeople offers, in any of its forms
void KysySotuCreSijainti(int socid);
void PARSE_sage_around();

// The meeting bits byte of a person: MEET_GREETED, MEET_INTRODUCED (core/repsummary.h).

// The small talk keeps its own record of what it had the person say and which lines it offered, newest
// last, so that a test can hear the talk while the talk screen only draws. smalltalk_trace_clear
// empties it; the lines offered are forgotten whenever the small talk clears the options.
enum { SMALLTALK_TRACE = 24 };
struct SmalltalkTrace {
    int said_count;
    int offered_count;
    char said[SMALLTALK_TRACE][400];
    char offered_text[SMALLTALK_TRACE][100];
    char offered_tag[SMALLTALK_TRACE][100];
};
extern SmalltalkTrace smalltalk_trace;
void smalltalk_trace_clear();
