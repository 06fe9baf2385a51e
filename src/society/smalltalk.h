// src/society/smalltalk.h -- the small talk of a conversation: greetings by the hour and after a long
// absence, the exchange of names, how things go and the news of people who need help, the way to
// villages, lakes and caves, and questions after people.
#pragma once

void NPCpuhe_tervehdys(const char *tags);
const char *chats_TimeBasedGreeting(int n);        // "" when none
const char *chats_MeetGapRemark(int n, int days);  // "" when none
void KysyNimi();
void KerroOmaNimi();
void KysyKuulumiset();
void Alusta_Puheenaihe_SEUTU();
void PARSE_Etsimassa(int mapchar, const char *noun, int distant);
void Suuntaohjeet_Nollaus();
const char *KERRO_Aluetieto();
void FindPeople();
void KysySotuCreSijainti(int socid);
void PARSE_sage_around();
