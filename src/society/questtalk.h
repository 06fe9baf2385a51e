// src/society/questtalk.h -- the quest giver's side of a talk (society/questtalk.cpp) beyond the
// quest topics the talk calls through society/chat_topics.h: conditions of options, deliveries,
// rewards and the refusal of a person who thinks little of the player.
#pragma once
#include <cstdint>

#include "core/tehtavat.h"

bool NPC_got_quest(int cre);       // a creature of the area with a quest not yet done
// 1, with "LOWREP_REFUSAL" said when it has words, while the overall reputation is below minlevel.
int reprefusal(int minlevel);
// Whether an option's control tags ("[ifcond 2]", "[ifsaid 4]", "[ifheard 77.3]", "[malepc]" ...)
// let it be offered with the quest as it stands.
bool quest_option_holds(const QuestStruct &q, const char *tags);
void AddQuestChatOpts(int line);   // the options of talk line `line` of globqS that hold now
void AddOpt_Deliver();             // "I have something for you..." with "[DELIVER]"
int IsFetchItem(int obj);          // the object is what the delivery quest wants
// The counted items of a player slot offered to the quest: 0 not a delivery of the quest, 1 the
// quest is fulfilled, 2 handled here (taken in part or refused). Items move only when taken, and
// exactly the counted ones.
int QuestDelivery(int slot, int count);
// The player gives `count` of slot `slot` to the person talked to: a delivery, a gift or a lent item.
void deliver_item(int slot, int count);
void ClaimReward();
void ClaimCraft();
void ClaimMagic(const char *tags);
void NPC_TeachSkill(const char *skill);
