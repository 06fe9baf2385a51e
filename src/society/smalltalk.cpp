// src/society/smalltalk.cpp -- greetings, names, news and directions.
// Stands in until the small talk lands: the greetings only.
#include "society/smalltalk.h"

#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/predicates.h"

const char *chats_TimeBasedGreeting(int n) {
    const int h = Plr.hour;
    const char *key = onko_NPC_kumppani(n) ? "GREET" : h >= 5 && h <= 9 ? "GREET_MORNING" : h >= 10 && h <= 21 ? "GREET" : "GREET_NIGHT";
    TARGET_NPC = n;
    return CHATMSG(key);
}

const char *chats_MeetGapRemark(int n, int days) {
    if (onko_NPC_kumppani(n)) return "";
    if (days > 30) return CHATMSG("GREET_LONGER_TIME");
    if (days > 4) return CHATMSG("GREET_LONG_TIME");
    return "";
}

void NPCpuhe_tervehdys(const char *) {}
void KysyNimi() {}
void KerroOmaNimi() {}
void KysyKuulumiset() {}
void Alusta_Puheenaihe_SEUTU() {}
void PARSE_Etsimassa(int, const char *, int) {}
void Suuntaohjeet_Nollaus() {}
const char *KERRO_Aluetieto() { return ""; }
void FindPeople() {}
void KysySotuCreSijainti(int) {}
void PARSE_sage_around() {}
