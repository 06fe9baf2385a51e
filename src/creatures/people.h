// src/creatures/people.h -- the life of people: one tick of a person (village duties, greeting,
// companions, dressing, following, robbers, the daily routine), how creatures speak and shout, and
// companions joining and leaving the party and escortees reaching their place.
#pragma once
#include <cstdint>

#include "core/crefunc.h"      // compword and its flags
#include "core/repsummary.h"   // basefam, SocFam

// Membership bits byte (memberbits): going home (a trap spares one on its way), away from the village,
// getting to land, leaving the area.
enum : uint8_t { MB_GOHOME = 1, MB_AWAY = 2, MB_TOLAND = 8, MB_LEAVE = 16 };
// Companion word (partyflags): companion, waiting until a minute, heeling, keeping close.
enum : uint32_t { PF_COMPANION = 256, PF_WAITING = 512, PF_HEEL = 4096, PF_CLOSE = 8192 };
enum : uint32_t { GREET_DONE = 16 };           // greeting bits: greeted this visit
enum : uint32_t { SF_QUESTTALK = 1u << 4, SF_ARRIVED = 1u << 9 };   // state flags of people
// State flag of an animal the spirits let out of the forest cover: it follows the player home until
// it is back in its pen.
enum : uint32_t { SF_COVER_FREED = 1u << 8 };

// Pack slot flags: stock goods of its village; lent by the player. The item's own lent mark.
enum : uint8_t { PACK_STOCK = 1, PACK_LENT = 4, ITEM_LENT_MARK = 0x40 };

void set_compword(int n, uint32_t w);

// A headless run hears every word through this log (key "NPC_SAYS" or "NPC_SHOUTS", the words);
// while it is set the words count as heard.
extern void (*people_speech_log)(int n, const char *key, const char *text);

void Ela_Ihminen(int dp);
int Olento_Puhuu(int n, const char *text);     // 1 when the words were shown
int Olento_Huutaa(int n, const char *text);    // 1 when the shout was shown
void noisy_agree(int n);
void noisy_disagree(int n);
void wounded_disagree(int n);
void response_happy(int n);
void response_confused(int n);
int socmember_greets(int n);                   // 1 when it spoke
const char *chats_TimeBasedGreeting(int n);        // "" when none
const char *chats_MeetGapRemark(int n, int days);  // "" when none
int comp_tries_talking(int n);
int comp_partymorale(int n);                   // 1 when the companion wants to talk
void pet_hunger(int n);                        // the day's hunger marks of her pet, read by its menu
void comp_count_day(int n);                    // prepaid days down, days in service up, days left kept
int comp_days_left(int n);                     // of the term; an escortee's until its quest is due
int come_along(int n, int mode);            // 1 when it follows (mode 1: and stepped after its leader)
// 1 when come_along(n, ...) answers 0 at once, changing nothing and drawing no number: an animal that
// is nobody's pet, is not led and follows nobody.
int follows_nobody(int n);
void unjoin_npc(int n);
void liitayhteisoon(int n, unsigned soc);
int EscorteeAtDest(int n, int x, int y);
int PUUHASE_pukeudu(int n);

// ---- arms ----
// The familiarity of a person or a village with the player: basefam and SocFam (core/repsummary.h).
int NPC_riittavasti_aseita(int n, int k);       // 1 when person n bears k weapons of its own or more

// ---- a companion's wage ----
// The wage: value units for each day of service.
enum { WAGE_PER_DAY = 8 };
// What companion n expects for its service (its value at hiring and the days served) and what it
// carries, by value; reckoned false for no person of the map or an escortee, who is owed nothing.
struct CompanionWage {
    bool reckoned;
    float expected, carried;
};
CompanionWage companion_wage(int n);
// The shortfall of a reckoned wage that what it carries does not pay, kept in the companion's compdebt,
// rounded up.
int companion_keep_debt(int n, const CompanionWage &wage);
// What companion n is still owed for its service, kept in its compdebt; 0 when it is paid (the talk
// that says so is the society's CompanionInvDebt).
int companion_owed(int n);
