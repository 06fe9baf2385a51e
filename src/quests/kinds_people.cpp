// src/quests/kinds_people.cpp -- the quests people ask of the player nearby: an old man short of a herb
// (3), a woodsman who wants some of her gear (40) and the village chores of sauna stones and branches
// (70, 72).
#include "quests/questkinds.h"

#include <cstdio>
#include <cstring>

#include "activities/herblore.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/creatures.h"
#include "creatures/weaponchoice.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "quests/kinds_people_int.h"
#include "quests/questgen_int.h"
#include "quests/rewards.h"
#include "worldgen/culturegoods.h"

// ---- 3: fetch herbs ------------------------------------------------------------------------------

static const TalkRow HERBS_ASK[] = {
    {0, "I see you have an eye for herbs. I just might have use for your knowledge of herblore if you're interested.", "",
     {{"Oh, I'm sure you have a much sharper eye for local herbs than I do.|TALKLINE 2", ""},
      {"I am available if my herblore skills are of any use to you.|TALKLINE 3:That's good to hear.", ""}}},
    {1, "I really need to find someone to help me in restocking my herb stores.", "",
     {{"Wait, I'm still willing to try to help you.|TALKLINE 3:That's the spirit.", ""},
      {"Good luck with that.|REJECT:Damn right!", "[confirmopt]"}}},
    {2,
     "I certainly possess the knowledge and experience but old age doesn't come alone. My eyes have grown weak and "
     "my knees ache after a short walk. Searching the shores and the groves for healing plants far from home is "
     "still a pleasure to me, but it takes me a long time now, and every step of it hurts.",
     "",
     {{"I see. So where do my herblore skills come into picture?|TALKLINE 3", ""},
      {"Well I might be younger, but I'm nevertheless weak in herblore skills.|TALKLINE 1:That's too bad.", ""}}},
    {3,
     "My store of healing herbs is growing low, and my duties leave me too little time to go gathering on these "
     "clumsy legs of mine. If you know the local herbs and have the time, would you go and find me something I am "
     "short of?",
     "[info]",
     {{"Of course. What do you need me to get for you?|TALKLINE 4:You are a good person.", ""},
      {"Sorry, I don't have time to pick your weeds.|REJECT:Unfortunate. Begone with your hurries then.", "[confirmopt]"},
      {"Unfortunately I'm not familiar with the plants around here.|TALKLINE 1:That's too bad. ", ""}}},
};

static const TalkRow HERBS_DEAL[] = {
    {4, "If you could bring me {wanted} I would be very grateful.", "[info]",
     {{"Okay, I can do that for you.|TALKLINE 7", ""},
      {"Is there some benefit in it for me?|TALKLINE 5", "[summary]"},
      {"I'm sorry, but I just don't know the area that well.|TALKLINE 1", ""}}},
    {5,
     "I can offer you a dose that will cure anything that ails you. I only have a little bit left at this time of "
     "year, but if you help me I'll give you some for your trouble.",
     "[info] [once]",
     {{"And just what sort of dose contains that kind of healing force?|TALKLINE 6", "[summary]"},
      {"That sounds good, I'll help you.|TALKLINE 7", ""},
      {"No, I'm not interested.|REJECT:As you wish.", "[confirmopt]"}}},
    {6,
     "It's an herbal cure I make with the most potent herbs around. I call it {blend}. A dose of it is a handy thing "
     "to have when you are in a bad fix out in the wilderness. It is effective in treating wounds, and it makes a "
     "healthy herbal beverage too.",
     "[info]",
     {{"That sounds good, I'll help you.|TALKLINE 7", ""},
      {"No, I'm not interested.|REJECT:As you wish.", "[confirmopt]"}}},
    {7, "Wonderful, come back when you have the herbs I need.", "[accept]",
     {{"I'll bring them to you soon.|EXIT:I'll be here.", ""},
      {"...but I also want some reward for the effort.|TALKLINE 5:Fair enough.", ""}}},
    {15, "How is it going with the herb picking?", "",
     {{"Could you refresh my memory about the herbs?|TALKLINE 4", "[ask summary]"},
      {"I'm working on to find and fetch your herbs.|EXIT:Good, good. Enjoy the search.", ""},
      {"Sorry, but I can't do it.|REJECT:That is unfortunate.", "[confirmopt]"}}},
    {25,
     "Oh! You've fetched me all the precious {thanks} I wanted! May the spirits smile on you, friend, thank you.",
     "[completed] [befriend] [repinc:1] [cant cancel]",
     {{"You are welcome. You also had something for me, right?|TALKLINE 19:Right. You shall have what I promised.",
       "[ifsaid 5]"},
      {"You are welcome.|TALKLINE 19:Oh, and I insist to reward you for your services.", "[ifnsaid 5]"}}},
    {19,
     "Here, take this herbal blend. It's good for wounds and makes a healthy herbal beverage too. May we meet again "
     "in friendship.",
     "[info] [claim reward] [completed]",
     {{"Thanks! See you.|EXIT:Oh, don't mention it. Take care now!", ""}}},
};

static const char *const HERBAL_BLENDS[4] = {"All Healing herbal blend", "Essential herbal blend",
                                             "Forest Force herbal blend", "Bear Strong herbal blend"};

QuestStruct Quest_FetchHerbs(CreatureStruct *giver, int x, int y) {
    QuestStruct &qS = qgen_begin();
    qS.daysToComplete = 30;
    qS.offerLifeDays = 30;
    qS.giverUid = giver ? giver->socialid : 0;
    talk_lines(qS, HERBS_ASK);
    qS.worldX = x;
    qS.worldY = y;

    const ItemStruct herb = seasonal_herb(x, y, "herb");
    char name[sizeof herb.name + 1];
    memcpy(name, herb.name, sizeof herb.name);
    name[sizeof herb.name] = 0;
    if (!name[0]) return qS;   // nothing of the kind grows here now

    snprintf(qS.fetchPattern, 92, "*%s", name);
    const int count = 30 + 10 * random(4);
    qS.fetchWeight = (float)count * herb.weight;
    copy_bounded(qS.title, sizeof qS.title, name);

    char wanted[200], thanks[200];
    copy_bounded(wanted, sizeof wanted, ekuvaus_item(herb, count, 9));
    copy_bounded(thanks, sizeof thanks, ekuvaus_item(herb, count, 8));

    qS.questMode = 1;
    qS.kind = 3;
    qS.markerFlag = 1;
    copy_bounded(qS.subject, sizeof qS.subject, "herbs");
    qS.grade = 1;

    const char *blend = HERBAL_BLENDS[random(4)];
    const int obj = Luo_Esineen_Itempos(Luo_Ihmeyrttisekoitus(blend));
    if (obj <= 0) {
        // A promise of a blend that could not be stored is no quest.
        qS.title[0] = 0;
        return qS;
    }
    qS.rewardItem = (uint32_t)obj;

    const TalkSub fills[] = {{"wanted", wanted}, {"thanks", thanks}, {"blend", blend}};
    talk_lines(qS, HERBS_DEAL, fills);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");
    return qS;
}

// ---- 40: items wanted ----------------------------------------------------------------------------

static const TalkRow WANTED_TALK[] = {
    {0,
     "It appears you've got {label} and that's just what I happen to need. Say, would it be possible for you to "
     "give me {wanted}, huh?",
     "[info]",
     {{"Well, if that's what you truly need you can have it.|TALKLINE 3", ""},
      {"Why would I just hand out my gear to you?|TALKLINE 1:I just thought we would have helped each others.", ""},
      {"No no, you won't get it from me.|REJECT:Keep it then. Thinking again, they don't seem that good to me after all.",
       "[confirmopt]"}}},
    {1, "I need all my gear, <plr_identity>, and if you do also then so be it. {Kind} is all I can trade away, if you care.",
     "",
     {{"{question}|TALKLINE 2", ""},
      {"Sounds good to me. It is a deal.|TALKLINE 3", ""},
      {"Nah, I'm not interested.|REJECT:As you wish. Your gear is not that fine after all.", "[confirmopt]"}}},
    {2, "{explanation}", "[info] [once] [keep options]", {}},
    {3, "I appreciate your kindness, <plr_identity>. So, {wanted} is what I'm asking.", "[accept]",
     {{"So let me give it to you...|DELIVER", ""},
      {"I would have appreciated to get something in return.|TALKLINE 2:Unfortunately I need all my gear, but maybe I "
       "have something for you too.",
       ""}}},
    {19, "{giving}", "[info] {tags}", {{"Alright. Good know this.|EXIT:Yes. So, farewell then.", ""}}},
    {25, "This was very helpful of you, <plr_identity>. Many thanks.", "[cant cancel] [completed] [befriend]",
     {{"You're welcome. {claim}|TALKLINE 19:Here you go.", "[ifsaid 2]"},
      {"You're welcome.|TALKLINE 19:Now before we part, let me thank you with something.", "[ifnsaid 2]"}}},
};

enum { WANTED_OFFER_DAYS = 7, WANTED_DAYS = 3, OWNER_NOT_HERS = 3 };

static bool is_knife(const ItemStruct &it) {
    char skill[sizeof it.skill + 1];
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    return strstr(skill, "DAGGER") || strstr(skill, "KNIFE");
}

static bool carries_bow(int npc) {
    if (npc < 0 || npc >= CRE_COUNT) return false;
    for (int s = 0; s < 20; s++)
        if (Cre[npc].pack[s] > 0 && onko_JOUSIPYSSY(ObjToItem(Cre[npc].pack[s]))) return true;
    return false;
}

QuestStruct Quest_ItemsWanted(int npc, int x, int y) {
    QuestStruct &qS = qgen_begin();
    if (npc < 0 || npc >= CRE_COUNT) return qS;
    const bool bow = carries_bow(npc);

    // The last good stack of arrows and the last good knife, when she has more than one knife in all.
    int arrows = -1, knife = -1;
    uint8_t knives = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] <= 0) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (!it.type || (it.ownerflags & OWNER_NOT_HERS)) continue;
        const int grade = ItemGet_laatu(&it);
        if (onko_NUOLI(it) && Plr.inv_count[s] > 5 && grade > 3) arrows = s;
        if (is_knife(it) && !(it.material & MAT_ROCK)) {
            knives = (uint8_t)(knives + Plr.inv_count[s]);
            if (grade > 3 && knives > 1) knife = s;
        }
    }
    if (!bow) arrows = -1;
    const int slot = arrows >= 0 ? arrows : knife;
    if (slot < 0) return qS;

    const int obj = Plr.inv_obj[slot];
    int count = 1;
    char label[40], wanted[160];
    if (slot == arrows) {
        count = Plr.inv_count[slot] / 2;
        if (count > 9) count = 3 + random(5);
        copy_bounded(label, sizeof label, "quality arrows");
        snprintf(wanted, sizeof wanted, "%d of those %s", count, ekuvaus(obj, 2, 0));
    } else {
        copy_bounded(label, sizeof label, "nice knives");
        snprintf(wanted, sizeof wanted, "one %s", ekuvaus(obj, 1, 0));
    }

    static RewardStruct offer;
    offer = GenerateReward_spell("[hunting] [fishing]");
    const int culture = get_alltime_kulttuuri(IsoX(), IsoY());
    if (culture <= 9 && random(10) == 0) {
        char tags[100];
        snprintf(tags, sizeof tags, "[trscult:%d]", DistantNeighbour(culture));
        offer = GenerateReward_treasure(IsoX(), IsoY(), culture, tags, sizeof tags, &qS);
    }
    if (!offer.valid) return qS;

    const ItemStruct item = ObjToItem(obj);
    qS.id = qgen_new_id();
    qS.kind = 40;
    qS.giverUid = Cre[npc].socialid;
    qS.worldX = x;
    qS.worldY = y;
    qS.offerLifeDays = WANTED_OFFER_DAYS;
    snprintf(qS.title, sizeof qS.title, "Need for %s", label);
    qS.daysToComplete = WANTED_DAYS;
    qS.markerFlag = 1;
    qS.questMode = 1;
    memcpy(qS.fetchPattern, item.name, sizeof item.name);
    qS.fetchPattern[sizeof item.name] = 0;
    qS.fetchCount = (uint8_t)count;
    qS.fetchMinQuality = (uint8_t)ItemGet_laatu(&item);

    CreatureStruct &g = Cre[npc];
    g.quest = qS.id;
    g.questexpiry = 0;
    g.questday = (uint16_t)(Plr.daynumber + qS.offerLifeDays);
    g.stateflags |= SF_KEEPS_GOODS | SF_NOT_HIRED;

    char kind[sizeof offer.kindText + 1], question[sizeof offer.question + 1], claim[sizeof offer.claimLine + 1];
    char explanation[sizeof offer.explanation + 1], giving[sizeof offer.givingText + 1], tags[sizeof offer.tags + 1];
    copy_bounded(kind, sizeof kind, offer.kindText);
    Alkuk(kind);
    copy_bounded(question, sizeof question, offer.question);
    copy_bounded(claim, sizeof claim, offer.claimLine);
    copy_bounded(explanation, sizeof explanation, offer.explanation);
    copy_bounded(giving, sizeof giving, offer.givingText);
    copy_bounded(tags, sizeof tags, offer.tags);
    const TalkSub fills[] = {{"label", label},   {"wanted", wanted},       {"Kind", kind},
                                {"question", question}, {"explanation", explanation}, {"giving", giving},
                                {"tags", tags},     {"claim", claim}};
    talk_lines(qS, WANTED_TALK, fills);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 0");
    return qS;
}

// ---- 70, 72: simple chores -----------------------------------------------------------------------

static const TalkRow CHORES_ASK[] = {
    {0, "Busy busy, busy days, busy weeks it is.", "",
     {{"What keeps you busy? I mean, is there anything I could help with?|TALKLINE 2", ""},
      {"Ah, sorry for interrupting, just go ahead with your busy chores.|TALKLINE 1:Yeah. I guess I have to.", ""}}},
    {1, "You don't happen to be interested in some simple work, huh?", "",
     {{"What kind of work?|TALKLINE 3", ""},
      {"Sorry, but I have duties of my own.|REJECT:I understand. Bye then.", "[confirmopt]"}}},
    {2, "Ah, mend this, fix that, gather, stack, store, prepare ... so many things going on all the time!", "",
     {{"{simple}|TALKLINE 3:{simple_reply}", ""}, {"Sounds like you might need a helping hand.|TALKLINE 1:Or maybe even two.", ""}}},
};

// The player's line and the giver's reply.
static const char *const CHORES_SIMPLE[2][2] = {
    {"I see. Just let me know if there is something simple I could do on my own.", "Simple, simple. Ah, sure!"},
    {"Ah, yes. So, if there is a task you could give me, I'd be glad to help.", "A task, hmm... Sure!"}};

// The chore's own lines: {count} the items, {days} the days to do it in, {pay} the promise.
static const TalkRow CHORES_TASK[] = {
    {3, "{task}", "[info]",
     {{"{agree}|TALKLINE 4", "[summary]"},
      {"That sure is a simple kind of work, but I'm sorry I can't do it just now.|REJECT:Begone with your hurries then, "
       "and let me continue mine.",
       "[confirmopt] [summary]"},
      {"I'll do it, but I expect to be paid too.|TALKLINE 5:Ah, I see.", "[summary]"}}},
    {4, "{where}", "[info] [accept]",
     {{"Sounds good, I'll do my best.|EXIT:So get started with it, and come tell me when it's done.", "[summary]"},
      {"And you pay for this work, right?|TALKLINE 5", ""},
      {"Sorry, but thinking again I'll have to pass.|REJECT:Fine. Pass out of my way then.",
       "[ifsaid 5] [summary] [confirmopt]"}}},
    {5, "Some reward for the work. Sure. I can promise that {pay}.", "[once] [info] [keep options]", {}},
    {8, "{asking}", "",
     {{"Umm, what was I supposed to do?|TALKLINE 3:Oh my.", "[ask summary]"},
      {"I guess I'm not done just yet.|EXIT:That was no news. Go continue, then.", ""},
      {"Sorry, but I have to give it up.|REJECT:Hmpf. I don't even care to ask why. Bye then.", "[confirmopt]"}}},
    {15,
     "Hey, it appears that you have got the work done. Good, thank you. Now let's settle that reward of yours, shall "
     "we?",
     "[cant cancel] [repinc:1]",
     {{"Yes, please.|TALKLINE 16:Very well.", "[ifsaid 5]"},
      {"Oh, I get a reward?|TALKLINE 16:Sure thing.", "[ifnsaid 5]"}}},
    {16, "You have earned this, <plr_identity>.", "[claim reward] [completed]",
     {{"Thanks.|EXIT:It's for the work well done. Take care now.", ""}}},
};

struct ChoreTexts {
    const char *title, *task, *agree, *where, *asking;
    uint32_t item;          // the item class counted
    uint8_t place;          // where the items count
};
static const ChoreTexts CHORES[2] = {
    {"Sauna stones",
     "The sauna stove needs to be rebuilt some time soon. But we lack a pile of suitable stones. If you could go "
     "gather say {count} of stones, that would be of great help.",
     "Sounds like something I can do. Where do you want me to drop the stones?",
     "Just pile them up somewhere at the sauna corner. If you get the stones there in {days} days, I'll reward you.",
     "I suppose you're not done with the stones yet, <plr_identity>, huh?", 300, 11},
    {"Collecting branches",
     "We will need heaps of branches for firewood. If you could go gather branches from the woods, that would be of "
     "great help. We would need around {count} branches for a reserve at the moment.",
     "Good, I'll go collect the branches. Where do you want me to pile them?",
     "Just pile them up anywhere in the yard. If you get them here in {days} days, I'll reward you.",
     "I suppose you're not done with the branches yet, <plr_identity>, huh?", 203, 12},
};

enum { CHORE_OFFER_DAYS = 7, CHORE_DAYS = 5, CHORE_PAY = 5, CHORE_DONE_LINE = 15, CH_SAUNA_STOVE = 5 };

QuestStruct Quest_SimpleChores(int kind, int giver, int x, int y) {
    int count = 25 + 5 * random(4);   // the stones, drawn for either chore
    QuestStruct &qS = qgen_begin();
    if (kind != 70 && kind != 72) return qS;
    if (kind == 70) {
        const UiRect r = bigxy_zoomrect(x, y);
        if (r.w <= 0 || !got_mc_around(r.x + r.w / 2, r.y + r.h / 2, CH_SAUNA_STOVE, r.w / 2)) return qS;
    }
    const ChoreTexts &c = CHORES[kind == 70 ? 0 : 1];
    qS.kind = (uint16_t)kind;
    copy_bounded(qS.title, sizeof qS.title, c.title);
    copy_bounded(qS.subject, sizeof qS.subject, "some chores");
    qS.grade = 1;
    qS.offerLifeDays = CHORE_OFFER_DAYS;
    qS.daysToComplete = CHORE_DAYS;
    qS.giverUid = giver >= 0 && giver < CRE_COUNT ? Cre[giver].socialid : 0;
    qS.worldX = x;
    qS.worldY = y;
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 8");

    const char *const *said = CHORES_SIMPLE[random(2)];
    const TalkSub simple[] = {{"simple", said[0]}, {"simple_reply", said[1]}};
    talk_lines(qS, CHORES_ASK, simple);

    if (kind == 72) count = 100 + 20 * random(4);
    char counted[12], days[12];
    snprintf(counted, sizeof counted, "%d", count);
    snprintf(days, sizeof days, "%d", qS.daysToComplete);
    char task[sizeof(QuestTalkLine::npcText)], where[sizeof(QuestTalkLine::npcText)];
    const TalkSub numbers[] = {{"count", counted}, {"days", days}};
    talk_fill(task, sizeof task, c.task, numbers, 2);
    talk_fill(where, sizeof where, c.where, numbers, 2);
    const TalkSub fills[] = {{"task", task},        {"agree", c.agree},   {"where", where},
                                {"pay", QTalkStr_rahapalkkio(CHORE_PAY)}, {"asking", c.asking}};
    talk_lines(qS, CHORES_TASK, fills);

    qS.condType[0] = 1;
    qS.condItemId[0] = c.item;
    qS.condPlace[0] = c.place;
    qS.condCount[0] = (uint8_t)count;
    qS.condLine[0] = CHORE_DONE_LINE;
    qS.rewardKind = 2;
    qS.rewardCount = CHORE_PAY;
    return qS;
}
