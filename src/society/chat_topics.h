// src/society/chat_topics.h -- the topics a talk turns to: barter and its panel, debts in talk,
// quests in talk, companions and their orders, pets and animals for sale, the hold-up and the
// village's reproaches. The talk (society/chat.h) calls them; they fill the chat options and speak.
#pragma once
#include <cstddef>
#include <cstdint>

#include "society/village.h"
#include "core/tehtavat.h"

// ---- barter (the valuation of offered goods is in society/trade.h) ----
void TradeInquiry();               // the opening of "T.Trade items": the tradable goods marked
void InitPersonalTrade();          // "[PERSONAL TRADE]": the player picks of the person's goods
void CheckPersonalTradeCredit();
void Show_Trade_Info();            // the trade panel (drawn only with a screen)
int Does_Trading(int say);         // 1 when the person trades now; else the reason said
// 0 no credit, 1 the village's credit covers the amount, 2 only a part. An amount of 0 is the whole
// debt, or in trade mode the trade's price.
int gotcredit(float amount);
void NPCpuhe_ClaimedAndRewardRemains(float value);
void NPCpuhe_RewardCoversOnlySome(float price);
// The 20 offered slots: cleared (objects and counts 0, no debt line), the first free one taking
// obj and count (its slot, TRADE_SLOTS when all are used), whether the last one is used, and every
// offered stack given back to the player and the slots cleared.
void Clear_Trade_Itemlist();
int AddTradeItemList(int obj, int count);
bool TRADELIST_MAXED();
void Trade_ItemList_Return();

// ---- debts in talk ----
extern uint8_t DEBT_ULTIMATUM;     // set when a debt payment opens
void InitPayDebtMode(int n);       // n has no effect
void vildebtsummary(VillageStruct *v);
// The player offers goods for the debt or returns owed goods. v is the talk's copy (NpcVil): a
// payment that leaves no debt saves it and reads it again.
void ITEMPICK_debt(VillageStruct *v);
const char *chats_PayYourDebt();   // the debt reminder
const char *notforsale_vildebtline(VillageStruct *v);   // "" none
void NPCTALK_cantpaydebt();

// ---- quests in talk ----
int NPCpuhe_quest(const char *tag);   // 1 when it spoke or offered something
void NPCpuhe_talk(const char *tag);
void QuestCondMaint(QuestStruct *q);
void DoAcceptQuest();
void TryChatOption_Parannus();
void Healing();
void ITEMPICK_deliver();
void NPCpuhe_tilaus();

// ---- companions ----
int compchat(int cre, int x, int range);   // 1 ends the talk
void CrTalk_Ryhmaelama(int quiet);
void CrTalk_Puuha();
void Alusta_Puheenaihe_KOMENNA();
void Alusta_Puheenaihe_VARVAA();
int CompanionRecruitChat();        // 1 when the recruit is satisfied
void PARSE_Kumppani(int days, uint32_t recruitword, uint32_t companionword);
void ReturnLoanedItems();
void NPCTALK_yhteiselo_ohi();
void CrTalk_weaponskills();
void CrTalk_skills();
int tell_stay(int cre);            // 0 on the world map

// ---- pets and animals for sale ----
enum { ANIMALS_FOR_SALE = 5 };
extern int Animal[ANIMALS_FOR_SALE];             // creature numbers, 0 free
extern char AnimalDesc[ANIMALS_FOR_SALE][100];
extern float AnimalPrice[ANIMALS_FOR_SALE];
extern int LastAnimalsKept;        // the last list passed over animals the village keeps
void do_petchat(int cre, int far);      // far: picked from the dogs out of sight a shout reaches
void christen(int cre);                 // the player names her pet
// The pet's command menu built into the choice menu: the number of orders offered, and whether an
// order is left out because the pet is out of earshot.
int pet_menu_entries(int cre, int far, int group_mode, int group_size, int *out_of_earshot);
void Make_Animal_List();                // the animals the village sells, rebuilt
int NonDogCre_From_Animal_List();       // the first listed animal that is not a dog, -1000 none
// The animal bought (Animal[Trade_ItemLoop]) brought beside the player, made hers, and a rope for it;
// 0 when the animal is gone.
int BringAnimal();

// ---- the hold-up and the village's reproaches ----
void CrTalk_Ryosto();
void CrTalk_Wom();
void CrTalk_Reaktio();
void CrTalk_robquery();
void CrTalk_robdemand();
void CrTalk_roballow();
void CrTalk_robfight();
void CrTalk_robresist();
void CrTalk_FleeNow();             // the robber sends her off and waits for her to leave
// The reproach's line for one recent kind of mischief (an action code, or 240 building, 701 pushing,
// -1 raw materials), written into out; empty for 0.
const char *mischief_line(int code, char *out, size_t size);
