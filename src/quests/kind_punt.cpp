// src/quests/kind_punt.cpp -- the old man's punt (kind 10): an old fisherman wants a punt with the force
// of water in it, and a carver in a village nearby will carve one from a log of the proper tree. The
// carver is made and settled in his village with a side-role quest of his own; the punt he will carve
// is kept among the player's objects until it is handed to the old man.
#include <cstdio>
#include <cstring>

#include "activities/magic.h"
#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "maps/directions.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/kinds_land_int.h"
#include "quests/questgen_int.h"
#include "quests/questkinds.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

enum { LOG_CLASS = 200, PROPER_LOG = 3, FISHING_SPELLS = 100, MINUTES_A_DAY = 1440 };

static const TalkRow PUNT_TALK[] = {
    {0, "Oh, this miserable season... Woe is me...", nullptr,
     {{"You seem quite sad. What is wrong?|TALKLINE 2", nullptr},
      {"Sorry for disturbing you. Maybe I'd better go now.|TALKLINE 1", nullptr}}},
    {1, "You are not disturbing. It's just these sorrows of mine.", nullptr,
     {{"Would you like to tell me your tale of woe?|TALKLINE 2:It is not a long tale at all.", nullptr},
      {"Sorry to hear that, but I'm not interested in your sorrows.|REJECT:Then I won't bother you with them.",
       "[confirmopt]"}}},
    {2, "I've been fishing for as long as I can remember. But now my dear old punt is broken. Oh, woe and sorrow! It "
        "was such a good punt!",
     "[info]",
     {{"Oh. If I catch fish I'll give some to you.|TALKLINE 3:Oh, thanks. But it is not just the fish - it is "
       "fishing itself.",
       nullptr},
      {"It must have been a very special punt to you.|TALKLINE 4:It was.", nullptr},
      {"Would you buy a punt if I trade you one?|TALKLINE 5:No thanks. I don't approve just any punt.", nullptr}}},
    {3, "Everytime I hear a Kuikka calling I want to be out at the lake, to paddle down to the places where I've "
        "spent so many golden moments. But it's all broken now, that trusty punt of mine.",
     nullptr,
     {{"You really should get yourself a new punt.|TALKLINE 5:But not just any punt.", nullptr},
      {"You really must have liked that punt.|TALKLINE 4:We had good times. And were given good catches too.",
       nullptr}}},
    {4, "It had {force} in it like a proper punt ought to have. Water folk was pleased with us. Going out at the "
        "lake with just any punt is not for me.",
     "[info]",
     {{"Oh! I'm interested in what you are saying.|TALKLINE 5:Mmm. If you would care to help me you might learn a "
       "bit more.",
       nullptr},
      {"Now how can you ever find a new punt like that?|TALKLINE 5:It can't be found, it needs to be carved.",
       nullptr}}},
    {5, "See, {carver} already promised to make me a new punt if I just bring him a log to be carved. But I'm too "
        "old to cut down a tree and to haul a log.",
     "[info]",
     {{"Maybe I can help you.|TALKLINE 7:It would be great if you could.", nullptr},
      {"Who is this {carver}?|TALKLINE 6", nullptr},
      {nullptr, nullptr},
      {"I hope you find a helping hand. It's not me, though.|REJECT:Fine. You were not the right one.",
       "[confirmopt]"}}},
    {6, "{carver_title}. He lives nearby in a village {place}.", "[opensq:0] [keep options] [info] [once]", {}},
    {7, "You would need to fell a proper tree and carve it into a log. Then haul the log to {carver} and tell my "
        "regards. Once the punt is ready, bring it to me and I will surely reward your efforts.",
     "[info] [summary]",
     {{"Very well. I think I can manage.|TALKLINE 8:Maybe so, but there's more to it.", "[ifsaid 6] [summary]"},
      {"Where would I find this {carver}?|TALKLINE 6", "[summary]"},
      {"What sort of reward you had in mind?|TALKLINE 9", "[summary]"},
      {"Sorry, sounds like too much work to me.|REJECT:It's too much for me too. Oh, woe and sorrow.",
       "[confirmopt]"}}},
    {8, "The log you should bring to {carver} needs to be carved out of not just any tree. {tree} Follow this "
        "advice, or otherwise it's no good for my punt.",
     "[info] [summary] [accept]", {{"Very well. I will back with your new punt.|EXIT:I hope you do. ", nullptr}}},
    {15, "How is it with the punt?", nullptr,
     {{"Umm, what was I supposed to do?|TALKLINE 7", "[ask summary]"},
      {"I'm working on it.|EXIT:Good. Then I'll just await for you to deliver me a fine new punt sooner or later.",
       nullptr},
      {"Sorry, but I can't do it.|REJECT:Oh. That is unfortunate, but what can you do.", "[confirmopt]"}}},
    {25, "That is my new punt! Thanks to you, {carver} and {force} I'll be out at the lake again.",
     "[cant cancel] [completed] [befriend] [leave]",
     {{"Good! Now I'm eager to hear your fishing advices.|TALKLINE 19", "[ifsaid 9]"},
      {"Good! I'm happy to have helped.|TALKLINE 19:You know what, you deserve a reward.", "[ifnsaid 9]"}}},
};

// Two fishing spells taught.
static const TalkRow PUNT_SPELLS[] = {
    {9, "I happen to know some fishing tricks and spells that you too might appreciate. Give me a hand here and I'll "
        "teach you some for the trouble.",
     "[info] [keep options]", {}},
    {19, "Here's a fishing spell that might interest you. {spell1}", "{spell1_tags}",
     {{"A-ha. I see.|TALKLINE 20", nullptr}}},
    {20, "And there's one more spell you ought to know. {spell2}", "{spell2_tags}",
     {{"Thank you for these.|EXIT:Don't mention it. Take care now, friend!", nullptr}}},
};

// A fishing lesson, when too few spells are left to teach.
static const TalkRow PUNT_LESSON[] = {
    {9, "You must know quite a bit about fishing already, but if you help me with the punt I'll teach you to "
        "improve those skills a bit more.",
     "[info] [keep options]", {}},
    {19, "It's some fishing instructions for you then. ", "[claim reward]",
     {{"Thank you for this.|EXIT:Don't mention it. Take care now, friend!", nullptr}}},
};

static const TalkRow CARVER_TALK[] = {
    {0, "A-ha, punt for {giver}. Sure. I just need a log to get started.", "[info]",
     {{"I have the log.|TALKLINE 2", "[ifcond 0]"},
      {"I have a log.|TALKLINE 3:Well, I don't think it's a proper kind.", "[ifsemicond 0]"},
      {"Indeed. You need that log.|TALKLINE 3:Mmm. And I don't see that log lying around here.", "[ifncond 0]"}}},
    {2, "You brought the log. Good. I'll start carving right away.", "[claim craft] [close]",
     {{"How long does it take? I promised to take the punt to him.|EXIT:About a week. I'll do my best.", nullptr}}},
    {3, "{giver} must have told you what kind of log it should be, right? Let's talk again when you have hauled it "
        "over to me so that I can see you've got a proper one.",
     nullptr, {{"Very well.|EXIT:I'm in no hurry.", nullptr}}},
};

static void personal_name(char (&out)[sizeof CreatureStruct::pname + 1], const CreatureStruct &c) {
    memcpy(out, c.pname, sizeof c.pname);
    out[sizeof c.pname] = 0;
}

QuestStruct Quest_OldMansPunt(CreatureStruct *giver, int x, int y) {
    static QuestStruct sivuqS;
    qgen_begin();
    memset(&sivuqS, 0, sizeof sivuqS);
    if (!giver || giver->kind != CK_HUMAN) return qS;
    qS.daysToComplete = 30;
    qS.offerLifeDays = 30;

    // Everything that can fail is asked before the carver is made.
    const UiPoint village = FindBigmapVillage(IsoX(), IsoY(), 5, 50, 1, giver->culture);
    const int punt = object("Punt", 1);
    if (village.x == 0 || punt == 0 || cre_file_records() <= 0) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }
    if (!ZoomMapPos(village.x, village.y)) spotgenerate(village.x, village.y, 0);
    if (!ZoomMapPos(village.x, village.y)) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }

    const uint32_t sideid = crID(), stamp = crID(), puntid = crID();
    static ItemStruct boat;
    ObjToItem(boat, punt);
    boat.magic = PROPER_LOG;
    boat.origin = puntid;
    const int boatobj = Luo_Esineen_Itempos(boat);
    if (boatobj < OBJ_PLAYER_FIRST) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }

    static CreatureStruct carver;
    synnyta_IHMISOLENTO(carver, SPECIES_CRAFTSMAN, giver->culture, 0);
    carver.quest = sideid;
    carver.community = Mapinfo_socID(village.x, village.y);
    CreUndo made;
    const int carverno = land_save_new(carver, made);
    if (!carverno) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }

    char giver_name[sizeof giver->pname + 1], carver_name[sizeof carver.pname + 1], title[80], place[200];
    personal_name(giver_name, *giver);
    personal_name(carver_name, carver);
    copy_bounded(title, sizeof title, monnam_cre(carver, 8));
    copy_bounded(place, sizeof place, navitxt_Full(IsoX(), IsoY(), village.x, village.y, 1));

    char exclusion[16];
    snprintf(exclusion, sizeof exclusion, "[%d.0]", FISHING_SPELLS);
    int means1 = 0, part1 = 0, means2 = 0, part2 = 0;
    const bool spells = arvo_taikakeino(FISHING_SPELLS, exclusion, means1, part1, means2, part2) >= 2 && means1 != 0;
    char spell1[460], spell2[460], tags1[60], tags2[60];
    copy_bounded(spell1, sizeof spell1, spells ? taikakeino_desc(means1, part1) : "");
    copy_bounded(spell2, sizeof spell2, spells ? taikakeino_desc(means2, part2) : "");
    snprintf(tags1, sizeof tags1, "[info] [magicmeans:%d] [magicvar:%d]", means1, part1);
    snprintf(tags2, sizeof tags2, "[info] [magicmeans:%d] [magicvar:%d]", means2, part2);
    const TalkSub subs[] = {{"giver", giver_name},
                            {"carver", carver_name},
                            {"carver_title", title},
                            {"place", place},
                            {"force", "force of water"},
                            {"tree", taikakeino_desc(FISHING_SPELLS, 0)},
                            {"spell1", spell1},
                            {"spell2", spell2},
                            {"spell1_tags", tags1},
                            {"spell2_tags", tags2},
                            {nullptr, nullptr}};
    talk_lines(qS, PUNT_TALK, sizeof PUNT_TALK / sizeof PUNT_TALK[0], subs);
    if (spells) {
        talk_lines(qS, PUNT_SPELLS, sizeof PUNT_SPELLS / sizeof PUNT_SPELLS[0], subs);
    } else {
        talk_lines(qS, PUNT_LESSON, sizeof PUNT_LESSON / sizeof PUNT_LESSON[0], subs);
        qS.rewardKind = 1;
        copy_bounded(qS.rewardSkill, sizeof qS.rewardSkill, "FISHING");
    }
    qS.kind = 10;
    qS.questMode = 1;
    copy_bounded(qS.title, sizeof qS.title, "Old man's punt");
    copy_bounded(qS.subject, sizeof qS.subject, "wistful for his old fishing days");
    qS.grade = 3;
    qS.giverUid = giver->socialid;
    qS.worldX = x;
    qS.worldY = y;
    qS.fetchItemId = puntid;
    qS.fetchCount = 1;
    qS.fetchTip = 1;
    qS.sideQuestIds[0] = sideid;
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");

    // The carver's side of it: the log he waits for and the punt he will carve from it.
    sivuqS.id = sideid;
    sivuqS.giverUid = (uint32_t)carverno;
    sivuqS.worldX = village.x;
    sivuqS.worldY = village.y;
    sivuqS.sideRole = 1;
    talk_coded(sivuqS.olText, sizeof sivuqS.olText,
               "Greetings from old {giver}. He said you'll make him a new punt.|TALKLINE 0", subs);
    sivuqS.condType[0] = 1;
    sivuqS.condItemId[0] = LOG_CLASS;
    sivuqS.condItemByte[0] = PROPER_LOG;
    sivuqS.condRestamp[0] = stamp;
    sivuqS.craftOrder[0] = (uint32_t)boatobj;
    sivuqS.craftOrder[1] = stamp;
    sivuqS.craftOrder[2] = (uint32_t)(MINUTES_A_DAY * (random(3) + 5));
    talk_lines(sivuqS, CARVER_TALK, sizeof CARVER_TALK / sizeof CARVER_TALK[0], subs);

    // The carver settles in his village only once his side of the quest is kept.
    if (!SaveQuest(&sivuqS) || !spawn_sotucre_on_zoommap(carverno, village.x, village.y)) {
        quest_file_drop(sideid);
        land_undo(made);
        memset(&qS, 0, sizeof qS);
        return qS;
    }
    return qS;
}
