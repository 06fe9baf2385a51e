// src/quests/rewards_standin.h -- the reward offers the quests across the land ask for. Stands in until
// the rewards land (src/quests/lairs.h): a skill lesson, a spell or a treasure is offered by name only.
#pragma once
#include <cstdint>

#include "quests/tehtavat.h"

struct RewardStruct {
    uint8_t valid;
    char kindText[100];
    char question[100];
    char explanation[400];
    char claimLine[100];
    char givingText[400];
    char tags[100];
};

RewardStruct GenerateReward_treasure(int x, int y, int culture, const char *tags, QuestStruct *q);
RewardStruct GenerateReward_spell(const char *tags);
RewardStruct GenerateReward_skill(int giver, QuestStruct *q, const char *tags);
