// src/quests/rewards.cpp -- the rewards quest givers offer, and what the generators judge of the player
// to phrase their talk.
#include "quests/rewards.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/strupr.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "activities/magic.h"
#include "creatures/skills.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/items.h"
#include "maps/directions.h"
#include "quests/lairs.h"
#include "quests/questgen_int.h"

void InitRewardStructDefaults(RewardStruct *r) {
    memset(r, 0, sizeof *r);
    copy_bounded(r->kindText, sizeof r->kindText, "somekind of reward");
    copy_bounded(r->question, sizeof r->question, "What sort of reward is that?");
    copy_bounded(r->explanation, sizeof r->explanation,
                 "I can't speak of it beforehand, but you get a reward of some sort if you help me out.");
    copy_bounded(r->claimLine, sizeof r->claimLine, "Now how about my reward?");
    copy_bounded(r->givingText, sizeof r->givingText, "Here comes that reward of yours.");
}

// ---- a treasure ----

enum { TREASURE_MARK_SPREAD = 16, TREASURE_MARK_OFFSET = 8 };

RewardStruct GenerateReward_treasure(int x, int y, int culture, char *tagText, size_t tagSize, QuestStruct *quest) {
    RewardStruct r;
    InitRewardStructDefaults(&r);
    const UiPoint at = CreateTreasureLoc(x, y, 10, 200, 1, culture, tagText, tagSize);
    if (at.x == 0 && at.y == 0) return r;
    qgen_printf(r.kindText, sizeof r.kindText, "knowledge about treasure %s", TREASURESTR_missapain);
    copy_bounded(r.question, sizeof r.question, "There is a treasure you know and would tell me about?");
    char name[sizeof TREASURESTR_aarrenimi];
    copy_bounded(name, sizeof name, TREASURESTR_aarrenimi);
    qgen_printf(r.explanation, sizeof r.explanation,
                "I have heard there's a treasure %s. If you care to help me, I can tell you where it's said to be "
                "hidden. There is %s to be found.",
                TREASURESTR_missapain, TREASURESTR_aarretyyppi);
    copy_bounded(r.claimLine, sizeof r.claimLine, "Now how about that treasure?");
    char where[400];
    copy_bounded(where, sizeof where, navitxt_WorldLocation(at.x, at.y));
    qgen_printf(r.givingText, sizeof r.givingText,
                "There's a treasure %s %s. It is %s, %s. They say there is %s to be found. I wish you all the luck "
                "finding it!",
                TREASURESTR_aarrepaikka, where, TREASURESTR_piilotustapa, TREASURESTR_piilotuskohta,
                TREASURESTR_aarretyyppi);
    if (quest) {
        QuestMark &m = quest->marks[1];
        m.x = at.x + random(TREASURE_MARK_SPREAD) - TREASURE_MARK_OFFSET;
        m.y = at.y + random(TREASURE_MARK_SPREAD) - TREASURE_MARK_OFFSET;
        copy_bounded(m.label, sizeof m.label, name);
        if (m.label[0] >= 'a' && m.label[0] <= 'z') m.label[0] = (char)(m.label[0] - 'a' + 'A');
    }
    copy_bounded(r.tags, sizeof r.tags, "[info] [xarea]");
    r.valid = 1;
    return r;
}

// ---- a spell ----

RewardStruct GenerateReward_spell(const char *tagText) {
    RewardStruct r;
    InitRewardStructDefaults(&r);
    if (!tagText) tagText = "";
    copy_bounded(r.question, sizeof r.question, "What kind of spells are you talking about?");
    bool fishing;
    if (random(2) == 1) fishing = strstr(tagText, "[fishing]") != nullptr;
    else fishing = strstr(tagText, "[hunting]") == nullptr;
    int means = 0, aspect = 0, m2 = 0, a2 = 0;
    if (arvo_taikakeino(fishing ? MEANS_CLASS_WATER : MEANS_CLASS_FOREST, nullptr, means, aspect, m2, a2) <= 0) return r;
    char title[120], desc[300];
    copy_bounded(title, sizeof title, taikakeino_title(means));
    copy_bounded(desc, sizeof desc, taikakeino_desc(means, aspect));
    const char *ending = " I can reveal it to you as a favour in return, if that pleases you.";
    if (fishing) {
        copy_bounded(r.kindText, sizeof r.kindText, "some fishing spells");
        qgen_printf(r.explanation, sizeof r.explanation, "It's just a spell for a fisherman who wants to learn about %s.%s",
                    title, ending);
        qgen_printf(r.givingText, sizeof r.givingText, "I hope this suits you on your future fishing days. %s", desc);
    } else {
        copy_bounded(r.kindText, sizeof r.kindText, "some old woodsman spells");
        qgen_printf(r.explanation, sizeof r.explanation, "It's just a spell a hunter might appreciate. About %s.%s", title,
                    ending);
        qgen_printf(r.givingText, sizeof r.givingText, "I hope this will help you on your future hunting days. %s", desc);
    }
    qgen_printf(r.tags, sizeof r.tags, "[info] [magicmeans:%d] [magicvar:%d]", means, aspect);
    copy_bounded(r.claimLine, sizeof r.claimLine, "Now how about that spell?");
    r.valid = 1;
    return r;
}

// ---- a skill lesson ----

enum { LESSON_DRAWS = 10, LESSON_MAX_LEVEL = 80, LESSON_SKILLED = 39 };

static const char *lesson_skill(int giver) {
    if (giver >= 0 && giver < CRE_COUNT && Cre[giver].speciescode == SPECIES_ADVENTURER) {
        switch (random(6)) {
        case 0: return "STEALTH";
        case 1: return "TRACKING";
        case 2: return "BOW";
        case 3: return "SWORD";
        case 5: return "KNIFE";
        default: return "SPEAR";
        }
    }
    switch (random(7)) {
    case 0: return "TRAPPING";
    case 1: return "TRACKING";
    case 2: return "FISHING";
    case 3: return "BOW";
    case 4: return "HIDEWORKING";
    case 5: return "HERBLORE";
    default: return "SPEAR";
    }
}

RewardStruct GenerateReward_skill(int giver, QuestStruct *quest, const char *) {
    RewardStruct r;
    InitRewardStructDefaults(&r);
    const char *skill = nullptr;
    int level = 0;
    // A skill she lacks reads as out of reach (its level is 1000): there is nothing to build on.
    for (int d = 0; d < LESSON_DRAWS && !skill; d++) {
        const char *s = lesson_skill(giver);
        level = Skill_ML(-1, s);
        if (level <= LESSON_MAX_LEVEL) skill = s;
    }
    if (!skill) return r;
    char lower[40];
    copy_bounded(lower, sizeof lower, skill);
    strlwr(lower);
    const char *word = taitoteksti_perus(level);
    qgen_printf(r.kindText, sizeof r.kindText, "a %s lesson", lower);
    qgen_printf(r.question, sizeof r.question, "You could teach me some %s skills?", lower);
    if (level > LESSON_SKILLED)
        qgen_printf(r.explanation, sizeof r.explanation,
                    "I trust you are %s already, but with my %s experience I could teach you to improve with that a bit more.",
                    word, lower);
    else
        qgen_printf(r.explanation, sizeof r.explanation,
                    "I reckon your %s skills are of %s level so I could surely teach you to improve with that a bit more.",
                    lower, word);
    qgen_printf(r.givingText, sizeof r.givingText, "It's some %s instructions for you then.", lower);
    copy_bounded(r.tags, sizeof r.tags, "[claim reward]");
    qgen_printf(r.claimLine, sizeof r.claimLine, "Now I'm eager to have that %s lesson.", lower);
    r.valid = 1;
    if (quest) {
        quest->rewardKind = 1;
        copy_bounded(quest->rewardSkill, sizeof quest->rewardSkill, skill);
    }
    return r;
}

// ---- small judgements ----

const char *QTalkStr_rahapalkkio(int amount) {
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "you will be given %d squirrel hides worth of goods of your choice", amount);
    return out;
}

enum { SKILL_ABSENT = 1000, LOOKS_SKILLED = 79 };

// A skill she lacks reads 1000: that is no mastery.
static bool masters(const char *skill) {
    const int level = Skill_ML(-1, skill);
    return level > LOOKS_SKILLED && level < SKILL_ABSENT;
}

bool plr_appears_fisherman() { return masters("FISHING") || Skill_MLImproved(-1, "FISHING") > 3; }

bool plr_appears_hunter() {
    for (const char *s : {"TRACKING", "TRAPPING", "HIDEWORKING"})
        if (masters(s) || Skill_MLImproved(-1, s) >= 2) return true;
    return false;
}
