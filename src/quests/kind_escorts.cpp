// src/quests/kind_escorts.cpp -- the two escorts: a young villager walked to the player's homeland
// (kind 37) and a woodsman lost in the wild walked to any village (kind 38). The talk makes the giver
// an escortee; the creature code tells when it has arrived, and the quest's slot 0 is then met.
#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "quests/kinds_land_int.h"
#include "quests/questkinds.h"
#include "quests/questgen_int.h"
#include "quests/rewards.h"
#include "core/culture.h"
#include "worldgen/culturegoods.h"

enum : uint8_t { DEST_VILLAGE = 1, DEST_CULTURE = 2 };
enum { ESCORT_ARRIVED_LINE = 15, NEIGHBOUR_DRAWS = 10, LAST_HOME_CULTURE = 9, WILD_RADIUS = 10 };

static const TalkRow HOMELAND_TALK[] = {
    {0, "Tell me {adj} fellow, would you possibly be travelling back at your homeland anytime soon? To {dest}, I mean.",
     nullptr,
     {{"Yes. Possibly.|TALKLINE 3:That is good to hear. See, I need a little help.", nullptr},
      {"Why do you ask?|TALKLINE 2", nullptr},
      {"No. I don't think so.|REJECT:Alright. Farewell then.", "[confirmopt]"}}},
    {2, "I need to go to {dest} and would rather travel in a company with somebody who knows the route. So, I was "
        "thinking maybe you could be of use to me.",
     nullptr,
     {{"I see. You want me to travel with you?|TALKLINE 3:Yes.", nullptr},
      {"Sorry, but I'm not travelling there now.|REJECT:Alright. Farewell then.", "[confirmopt]"}}},
    {3, "Would you be able and willing to escort me to {dest}? Once we reach any village there I can go on by "
        "myself, but through the wilderness I would rather rely on somebody who knows the route and can keep a "
        "wayfarer safe from harm.",
     "[info]",
     {{"I think I can do that.|TALKLINE 4:Oh, good!", nullptr},
      {"Sorry, but I don't think I can do that.|REJECT:Fine. Farewell then.", "[confirmopt]"}}},
    {4, "Any {adj} village with decent folk is where I want to get. There is a reward waiting for you once we are "
        "there: I offer {rw_kind}. I would like us to set forth within a few days.",
     "[info]",
     {{"Agreed. I will escort you to {dest}.|TALKLINE 10", "[summary]"},
      {"{rw_question}|TALKLINE 7", "[summary]"},
      {"Sorry, but thinking again I'll have to pass.|REJECT:Fine. So be it.", "[confirmopt]"}}},
    {7, "{rw_explanation}", "[info] [once] [keep options]", {}},
    {10, "Good. Let me know when you are ready to set on our journey, and I will gladly follow you.", "[accept]",
     {{"I need a day or two to prepare.|EXIT:Then go and prepare. Just don't keep me waiting for too long.", nullptr},
      {"I'm ready. Let us go now.|TALKLINE 11", "[summary]"},
      {"Thinking again, I have to leave you to manage on your own.|REJECT:Hmpf. Well, if you really have to then so "
       "be it.",
       "[confirmopt] [summary]"}}},
    {11, "Good! Let us go then. The road goes ever on and on...", "[escort:10]",
     {{"You said it.|EXIT:Out from the door where it began...", "[summary]"}}},
    {12, "The road goes ever on and on, <plr_identity>, or what?", nullptr,
     {{"Umm, and where did you want to go again?|TALKLINE 4:Oh my. Who did I get to escort me?", "[ask summary]"},
      {"Don't worry, we are getting where you wanted.|EXIT:I have to trust you.", nullptr}}},
    {15, "So, here we are, at {dest}. Thank you for escorting me.", "[cant cancel] [completed] [befriend]",
     {{"You're welcome. {rw_claim}|TALKLINE 16:Yes. Let's settle that before we part.", "[ifsaid 7]"},
      {"You're welcome. I'm glad to have helped.|TALKLINE 16:Oh, and have a little reward for the trouble.",
       "[ifnsaid 7]"}}},
    {16, "{rw_giving}", "{rw_tags}", {{"Thank you for this.|EXIT:Farewell, and best of luck to you!", nullptr}}},
};

static const TalkRow WOODSMAN_TALK[] = {
    {0, "Can you help me? The strangest thing happened, I got lost in the forest and can't seem to find my way "
        "anymore.",
     "[introduce]",
     {{"Let's see, where are you heading?|TALKLINE 4:Away from here, among the people.", nullptr},
      {"How come you got lost like that?|TALKLINE 3:It was all strange.", nullptr},
      {"I'm afraid I can't help you.|TALKLINE 2", nullptr}}},
    {2, "Don't say that. I can't make it on my own. I fear I will eventually perish here if it happens again.",
     nullptr,
     {{"Umm, what happens again?|TALKLINE 3:If I get lost again. It was so strange.", nullptr},
      {"Let's hope not, but unfortunately I can't take care of you.|REJECT:Fine. Let's keep our troubles to "
       "ourselves then.",
       "[confirmopt]"}}},
    {3, "I was roaming a familiar trail, and then all of a sudden I couldn't recognize the terrain anymore. The "
        "forest fell silent, as if a thick fog had come down on it, and I walked in circles for days without "
        "knowing where. Perhaps I was in the forest cover. At last the forest seemed familiar again, but I'm "
        "still very disoriented.",
     "[info]",
     {{"Quite an incident! Just tell me where to take you now?|TALKLINE 4:Away from the forest. Among the people.",
       "[ifnsaid 4] [summary]"},
      {"Phew! You better walk with me, then.|TALKLINE 6:Oh yes.", "[ifsaid 4] [summary]"},
      {"In the forest cover, huh?|TALKLINE 5:Well, I think that's what happened.", "[summary]"},
      {"Even so, I have to leave you to manage on your own.|REJECT:Then get lost you too!", "[confirmopt] [befoe]"}}},
    {4, "Would you be able take me to nearest village? To any village at all with decent folk where I could rest "
        "and clear my head. After how terribly lost I got I really need travel in a company.",
     "[info]",
     {{"I think I can do that.|TALKLINE 6:Oh, good!", "[summary]"},
      {"Just what has happened to you?|TALKLINE 3:It was so very strange.", "[ifnsaid 3] [summary]"},
      {"Unfortunately I don't think I can do that.|REJECT:I must hurry.", "[confirmopt]"}}},
    {5, "I've heard that if you get frightened in the forest you may end up in the forest cover. The forest folk "
        "take you into the world of spirits, where everything is different and backwards, just as it all felt to "
        "me. Well, a certain {animal} had startled me earlier, but it didn't frighten me. Something unexplainable "
        "came upon me all the same.",
     "[info] [once] [keep options]",
     {}},
    {6, "If you know the route I will gladly follow you. Oh, and when we reach the village I would surely like to "
        "reward you, say with {rw_kind}.",
     "[info] [accept] [escort:5]",
     {{"Very well. Let's go then.|EXIT:Good! I follow you. The sooner we reach there the better.", "[summary]"},
      {"{rw_question}|TALKLINE 9", "[summary]"},
      {"Thinking again, I have to leave you to manage on your own.|REJECT:Let us both get lost then!",
       "[confirmopt] [befoe] [summary]"}}},
    {9, "{rw_explanation}", "[info] [keep options] [once]", {}},
    {10, "Would you please just walk me to the village, <plr_identity>.", nullptr,
     {{"Umm, how was it again?|TALKLINE 4:Now don't you play the fool with this matter.", "[ask summary]"},
      {"Don't worry, we are getting there.|EXIT:I have to trust you.", nullptr}}},
    {15, "Thank you for bringing me here, <plr_identity>. This is where I'll stay. But before we part now let me "
         "reward your efforts.",
     "[cant cancel] [completed] [befriend]",
     {{"Very well. I'm glad to have helped.|TALKLINE 16", nullptr}}},
    {16, "{rw_giving}", "{rw_tags}",
     {{"Thank you for this.|EXIT:Farewell now. Maybe our paths will cross again one day.", nullptr}}},
};

static bool giver_ok(int npc) { return npc >= 0 && npc < CRE_COUNT && Cre[npc].kind == CK_HUMAN; }

// The giver walks with the player until the destination: a trader's talk and no recruiting meanwhile,
// and no local knowledge to tell of on the way.
static void make_traveller(CreatureStruct &c, uint8_t mode, uint8_t culture) {
    c.stateflags |= SF_KEEPS_GOODS | SF_NOT_HIRED;
    c.escortdest = mode;
    c.escortculture = culture;
    c.localknowledge = 0;
}

QuestStruct Quest_HomelandEscort(int npc, int x, int y) {
    qgen_begin();
    if (!giver_ok(npc)) return qS;
    CreatureStruct &giver = Cre[npc];
    const int village = get_alltime_kulttuuri(x, y), own = giver.culture, home = Plr.culture;
    if (village > LAST_HOME_CULTURE || home == own || home == village) return qS;
    bool neighbour = false;
    for (int i = 0; i < NEIGHBOUR_DRAWS; i++)
        if (DistantNeighbour(own) == home) neighbour = true;
    if (!neighbour) return qS;

    // The reward is settled before the giver is changed: a quest that can't offer one leaves it be.
    char tags[40];
    snprintf(tags, sizeof tags, "[trscult:%d]", DistantNeighbour(own));
    const RewardStruct rw = GenerateReward_treasure(IsoX(), IsoY(), own, tags, sizeof tags, &qS);
    if (!rw.valid) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }
    qS.daysToComplete = 15;
    qS.offerLifeDays = 30;
    qS.markerFlag = 1;
    qS.kind = 37;
    qS.questMode = 3;
    qS.giverUid = giver.socialid;
    qS.worldX = x;
    qS.worldY = y;
    qS.grade = 1;
    copy_bounded(qS.subject, sizeof qS.subject, "travelling");
    make_traveller(giver, DEST_VILLAGE | DEST_CULTURE, (uint8_t)home);

    const char *dest = CULTURE_REGION[culture_row(home)];
    const TalkSub subs[] = {{"dest", dest},
                            {"adj", CULTURE_ADJECTIVE[culture_row(home)]},
                            {"from", CULTURE_REGION[culture_row(village)]},
                            {"rw_kind", rw.kindText},
                            {"rw_question", rw.question},
                            {"rw_explanation", rw.explanation},
                            {"rw_claim", rw.claimLine},
                            {"rw_giving", rw.givingText},
                            {"rw_tags", rw.tags},
                            {nullptr, nullptr}};
    talk_field(qS.title, "From {from} to {dest}", subs);
    talk_lines(qS, HOMELAND_TALK, sizeof HOMELAND_TALK / sizeof HOMELAND_TALK[0], subs);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 12");
    qS.condType[0] = 6;
    qS.condLine[0] = ESCORT_ARRIVED_LINE;
    return qS;
}

QuestStruct Quest_DisorientedWoodsman(int npc, int x, int y) {
    qgen_begin();
    if (!giver_ok(npc)) return qS;
    CreatureStruct &woodsman = Cre[npc];
    if (is_settled_area(IsoX(), IsoY(), WILD_RADIUS)) return qS;
    if (onko_NPClla_kesyelain(npc) != CRE_NONE) return qS;
    const RewardStruct rw = random(2) == 0 ? GenerateReward_spell("[hunting]") : GenerateReward_skill(npc, &qS, "");
    if (!rw.valid) {
        memset(&qS, 0, sizeof qS);
        return qS;
    }
    char kind[sizeof woodsman.species + 1];
    memcpy(kind, woodsman.species, sizeof woodsman.species);
    kind[sizeof woodsman.species] = 0;
    const TalkSub subs[] = {{"kind", kind},
                            {"animal", cultAnimName(woodsman.culture, 1)},
                            {"rw_kind", rw.kindText},
                            {"rw_question", rw.question},
                            {"rw_explanation", rw.explanation},
                            {"rw_giving", rw.givingText},
                            {"rw_tags", rw.tags},
                            {nullptr, nullptr}};
    talk_field(qS.title, "Disoriented {kind}", subs);
    qS.kind = 38;
    qS.giverUid = woodsman.socialid;
    make_traveller(woodsman, DEST_VILLAGE, 0);
    qS.offerLifeDays = 5;
    qS.daysToComplete = 5;
    qS.markerFlag = 1;
    qS.questMode = 3;
    qS.worldX = x;
    qS.worldY = y;
    talk_lines(qS, WOODSMAN_TALK, sizeof WOODSMAN_TALK / sizeof WOODSMAN_TALK[0], subs);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 10");
    qS.condType[0] = 6;
    qS.condLine[0] = ESCORT_ARRIVED_LINE;
    return qS;
}
