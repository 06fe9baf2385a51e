// src/quests/rewards_standin.cpp -- stands in until the rewards land: every offer is a plain lesson.
#include "quests/rewards_standin.h"

#include <cstring>

#include "base/ownlib.h"

static RewardStruct plain_offer() {
    RewardStruct r{};
    r.valid = 1;
    copy_bounded(r.kindText, sizeof r.kindText, "somekind of reward");
    copy_bounded(r.question, sizeof r.question, "What sort of reward is that?");
    copy_bounded(r.explanation, sizeof r.explanation,
                 "I can't speak of it beforehand, but you get a reward of some sort if you help me out.");
    copy_bounded(r.claimLine, sizeof r.claimLine, "Now how about my reward?");
    copy_bounded(r.givingText, sizeof r.givingText, "Here comes that reward of yours.");
    return r;
}

RewardStruct GenerateReward_treasure(int, int, int, const char *, QuestStruct *) { return plain_offer(); }
RewardStruct GenerateReward_spell(const char *) { return plain_offer(); }
RewardStruct GenerateReward_skill(int, QuestStruct *, const char *) { return plain_offer(); }
