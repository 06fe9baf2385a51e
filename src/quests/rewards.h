// src/quests/rewards.h -- the rewards a quest giver offers (a treasure's whereabouts, a spell, a skill
// lesson) and the small judgements of the player the quest kinds phrase their talk by.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/tehtavat.h"

// A reward offer, filled by a builder and copied by a generator into its talk lines and tags.
struct RewardStruct {              // 1201 bytes
    uint8_t valid;                 // 0: 1 when the builder found a reward
    char    kindText[100];         // 1: what the reward is, for the giver's lines
    char    question[100];         // 101: the player's question about it
    char    explanation[400];      // 201: the giver's answer
    char    claimLine[100];        // 601: the player's line asking for it
    char    givingText[400];       // 701: what the giver says when giving it
    char    tags[100];             // 1101: action tags of the giving line
};
static_assert(sizeof(RewardStruct) == 1201, "RewardStruct");
static_assert(offsetof(RewardStruct, question) == 101 && offsetof(RewardStruct, explanation) == 201 &&
              offsetof(RewardStruct, claimLine) == 601 && offsetof(RewardStruct, givingText) == 701 &&
              offsetof(RewardStruct, tags) == 1101, "RewardStruct layout");

void InitRewardStructDefaults(RewardStruct *r);   // zeroed, with the plain texts of a reward untold
// The whereabouts of a treasure hidden 10 to 200 cells from world cell x, y; the quest's second mark
// is set near it. `tagText` may hold "[trstype:...]" and "[trscult:...]"; it is cut to `tagSize`.
RewardStruct GenerateReward_treasure(int x, int y, int culture, char *tagText, size_t tagSize, QuestStruct *quest);
RewardStruct GenerateReward_spell(const char *tagText);   // "[fishing]" / "[hunting]" lean the draw
// A lesson in a skill the player is not yet good at; sets the quest's rewardKind and rewardSkill.
RewardStruct GenerateReward_skill(int giver, QuestStruct *quest, const char *tagText);

// "you will be given %d squirrel hides worth of goods of your choice", in a scratch buffer.
const char *QTalkStr_rahapalkkio(int amount);
bool plr_appears_fisherman();
bool plr_appears_hunter();
