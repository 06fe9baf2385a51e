// src/quests/story_wolf.cpp -- "Of wolf and woman" (kind 20): a young woman begs the player to spare a
// lone wolf, her lover cursed by a jealous man of the village; an elder knows the cure (bread). The
// wolf is a real creature near the village; the rival and the elder get records of their own.
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/kindtable.h"
#include "items/itemdefs.h"
#include "maps/directions.h"
#include "maps/worldsearch.h"
#include "quests/questkinds.h"
#include "quests/stories_int.h"
#include "worldgen/culturegoods.h"

using namespace stories;

namespace {

enum { WOLF_KIND = 20, NORTHERN_CIRCLE = 3, HAS_QUEST_FLAG = 16, OFFER_DAYS = 60 };

QuestStruct story_qS, qSjealous, qSoldman;

struct Names {
    char giver[17], rival[17], elder[17];
    char place[200];
    unsigned main_id, rival_id, elder_id, rival_uid;
};

const TalkRow GIVER_TALK[] = {
    {0,
     "You have talked to {rival}, right? You should not take his words for granted...",
     "",
     {{"Well, {rival} just spoke about a wolf that needs to be hunted down.|TALKLINE 3:That's what I mean.",
       "[ifheard {rival_id}.1]"},
      {"Well, {rival} did warn me about a troublesome wolf.|TALKLINE 3:So he says. And he wants it hunted down.",
       "[ifheard {rival_id}.2]"},
      {"Umm..what exactly are you talking about?|EXIT:Oh..just forget about it. I would like to be left alone now.",
       "[ifnheard {rival_id}.1]"}}},
    {3,
     "I'm begging you, please don't hunt that wolf. You don't understand what is really going on here.",
     "[introduce]",
     {{"I have no time for bleeding-heart maidens. There's a wolf in the area in need of killing.|TALKLINE 4", ""},
      {"Well maybe you should tell me then.|TALKLINE 5:Of course. ", ""}}},
    {4,
     "But it isn't a wolf at all! If you hunt it down you'll be murdering an innocent man. Please let me explain.",
     "[introduce]",
     {{"You'd better have a good explanation to back up such a wild claim.|TALKLINE 5:Of course.", ""},
      {"You're out of your mind, maiden. Now get out of my way.|REJECT:You'll be sorry!", "[confirmopt]"}}},
    {5,
     "Some time ago an adventurer came to our village. It was a time of foul weather, when the wild beasts came "
     "close to the houses, and this stranger came out of the storm looking for a warm bed and supplies for his "
     "journey.",
     "[info] [summary]",
     {{"And did he find what he was looking for?|TALKLINE 6:Ahem... well he stayed, so I suppose he did.", ""},
      {"Now this is interesting. Tell me more about this stranger.|TALKLINE 6:Very well.", "[summary]"}}},
    {6,
     "We met that evening by the light of the fireside, and he was the most handsome man I had ever seen. The men "
     "of the village listened to his tales of far lands, and the women fawned over him all night long.",
     "",
     {{"I take it his charm worked on you too, hmm?|TALKLINE 7:Mmm. He seemed to pay special attention to me, "
       "complimenting me on my looks and smiling whenever he caught me looking at him.", "[summary]"}}},
    {7,
     "He invited me to sit next to him after the evening meal, and we talked deep into the night. When the fire "
     "burned low and the others had gone to sleep, I shared my furs with him.",
     "[info]",
     {{"You did what?!|TALKLINE 8:Hmph. We womenfolk have needs too, silly.", "[malepc]"},
      {"I see. Maybe not the smartest thing to do, huh?|TALKLINE 8:Well you know, where hearts lead, fools follow, I "
       "guess.", "[femalepc]"},
      {"Just how does this have anything to do with the wolf {rival} wants hunted down?|TALKLINE 9:Let me continue.",
       "[summary]"}}},
    {8,
     "Anyway I thought that he shared my feelings, and maybe he did. He rested here for some days and traded his "
     "furs for food, and then he went back into the wilderness, promising to return to me before long.",
     "",
     {{"Right. But you just keep going on about your affair, and {rival} speaks of the wolf.|TALKLINE 9:Hold on, I'm just "
       "coming to that part!", "[malepc]"},
      {"Sometimes men need to roam the wilderness. Does anyone know about the affair?|TALKLINE 9:{rival} does, and that's "
       "why he acted as he did.", "[femalepc]"},
      {"Are you ever going to get to the point?|TALKLINE 9:The point is {rival}'s obsession about me and what he's willing "
       "to do about it.", "[summary]"}}},
    {9,
     "{rival} saw the stranger come from my door that morning. He has wanted me for himself for years, and he guessed at "
     "once what had happened. From that day on {rival} looked at the adventurer as a rival to be got rid of.",
     "",
     {{"Obsession is a dangerous thing, but it still doesn't explain the wolf.|TALKLINE 10:In this case it does.", ""},
      {"What do you think he's done?|TALKLINE 10:Wicked magic! That's what he did!", "[summary]"}}},
    {10,
     "There are old spells that can curse a man to take the form of a wolf, and I'm very afraid {rival} knows how it is "
     "done. I believe in his jealousy {rival} turned to evil ways and cursed that poor adventurer. That lone wolf showed "
     "up after the adventurer disappeared, and {rival} has been trying to convince everyone that it's a dangerous animal "
     "that needs to be hunted down.",
     "[info]",
     {{"Sounds like a far-fetched tale, but I've heard stranger things.|TALKLINE 12:Oh, you have to believe me.",
       "[summary]"},
      {"You must be crazy. Go back to your mushrooms, woman, and stop bothering me with this.|REJECT:Oh, woe is me! "
       "You are cruel!", "[malepc] [confirmopt]"},
      {"Oh you're just being silly. Men can't turn into wolves. Stop bothering me with this.|REJECT:How can you not "
       "believe me! Oh how will this end...", "[femalepc] [confirmopt]"}}},
    {12,
     "I saw the wolf once at the edge of the forest and it looked at me with the eyes of the adventurer. Oh, he "
     "needs to be found and made a man again before it is too late. Can I put my hope in you?",
     "[accept]",
     {{"How can one ever find a particular lone wolf in the wilderness?|TALKLINE 14:That worries me too.", "[summary]"},
      {"And you believe the curse can broken too?|TALKLINE 16:I hope so. I've been asking among the trusted wise men "
       "here.", "[ifsaid 14] [summary]"}}},
    {14,
     "The morning I saw my beloved adventurer the last time he spoke about a place {place}. He was heading there to "
     "dwell for a while. Maybe he roams around there in his poor cursed wolf form too.",
     "[info] [area] [keep options] [once]",
     {}},
    {16,
     "I think {elder}, one of our village elders, might be able to help to turn back the curse. He knows what is going "
     "on, but refuses to reveal me how to remedy the situation in order to protect me from further harm. Maybe you "
     "could speak to him and find out what can be done?",
     "[info] [opensq:1]",
     {{"Sure. I will help you with this.|EXIT:Oh, thank you so much! Let's talk again then.", "[summary]"},
      {"Nah. Take care of your own love troubles and leave me out of it.|REJECT:Oh how will this end...",
       "[confirmopt]"}}},
    {20,
     "Oh how I long to see my beloved adventurer again - alive. <plr_identity>, I seek help from you...",
     "",
     {{"Could you repeat how it all went?|TALKLINE 7:Of course.", "[ask summary]"},
      {"Just try to hang on, I'm working hard to save him. |EXIT:The wait is killing me. Please, hurry.", ""},
      {"I'm afraid there is nothing I can do to help you.|REJECT:Then go and leave me to mourn...", "[confirmopt]"}}},
    {25,
     "Oh, <plr_identity>, I'm so relieved. My dear adventurer is alive and a man again! He came back to me and we met "
     "outside the village, in secret. The curse is broken, and it is all thanks to you. I can never thank you "
     "enough.",
     "[cant cancel] [completed] [befriend] [sotu_befoe:{rival_uid}]",
     {{"I really went after him and did as advised, but..huh..I'm still astounded by all this.|TALKLINE 26:We all are, "
       "but it was you who saved us.", ""}}},
    {26,
     "He remembers nothing but having fainted outside our village, and then waking up in the woods devouring a "
     "bread, among wolf tracks and without a stitch of clothing. He is recovering out there now and I will follow "
     "him soon. But first I want to reward you with something that only a woman like me can offer.",
     "",
     {{"Erm, I guess that is fine.|TALKLINE 27:You freed my beloved one from the curse and maybe I can help to make "
       "your journeys more safe in return.", ""}}},
    {27,
     "See, my very clothes are loaded with force of womanhood, the force that bears are afraid of. Take this strip of "
     "my garment and wear it on your loin, and no bear will come at you as long as you wear it.",
     "[claim reward] [info] [leave]",
     {{"My, that is exceptional. Thanks, and all the best for your future.|EXIT:I will remember you. Farewell.", ""}}},
};

void giver_lines(QuestStruct &q, const Names &n) {
    char rival_id[16];
    snprintf(rival_id, sizeof rival_id, "%u", n.rival_id);
    char rival_uid[16];
    snprintf(rival_uid, sizeof rival_uid, "%u", n.rival_uid);
    const TalkSub subs[] = {{"rival", n.rival}, {"rival_id", rival_id}, {"place", n.place}, {"elder", n.elder},
                            {"rival_uid", rival_uid}};
    talk_lines(q, GIVER_TALK, subs);
}

const TalkRow RIVAL_TALK[] = {
    {0,
     "Have you've been told about the wolf yet?",
     "",
     {{"What wolf?|TALKLINE 1:Let me tell you.", "[malepc]"},
      {"What wolf?|TALKLINE 2:Well, it's nothing out of the ordinary.", "[femalepc]"},
      {"Yes, I've heard about a certain wolf from {giver}.|TALKLINE 5", "[ifheard {main_id}.5]"}}},
    {1,
     "There's a lone, troublesome wolf around here and able men are needed to hunt it down. Wouldn't you want to go "
     "after it and get yourself a nice fur, huh?",
     "[info] [introduce] [pending:TALKLINE 1]",
     {{"Maybe, if I knew where it roams and why is it a troublesome one?|TALKLINE 6:People haven't seen it, but I have. "
       "It ran past our village some time ago. Looked like a bloodthirsty beast.", ""},
      {"Nah, I'm not into wolf hunt right now.|TALKLINE 8:Oh, okay. However, be prepared to fight if you happen to "
       "stumble into that beast by accident. ", ""}}},
    {2,
     "There might be a troublesome wolf around here, but you womenfolk shouldn't interfere. I just wanted tell you "
     "it's best to leave this region, it's not safe around here.",
     "[info] [introduce]",
     {{"I'd like to hear more about this wolf?|TALKLINE 3:Just take my advice, and stop being so curious. That's all "
       "you need to know about it.", ""},
      {"I'm not afraid of no wolf.|TALKLINE 3:Hmpf. Why don't you just take my advice. That's all I have to say to you "
       "about it.", ""}}},
    {3,
     "I think you should leave now, <plr_identity>.",
     "[pending:TALKLINE 3]",
     {{"I'm still curious about that wolf.|EXIT:Then stop being curious. That is all.", ""},
      {"{giver} told me all about this wolf you seem to know.|TALKLINE 5:Mind you tongue, woman!",
       "[ifheard {main_id}.5]"}}},
    {5,
     "{giver} is telling you women's tales. I'm not going to speak more about this with you, <plr_identity>. Why don't "
     "you just leave.",
     "[befoe]",
     {}},
    {6,
     "Where it went that I don't know, but it's still around howling in the distance at night. Lone wolves always "
     "mean trouble, you know, but luckily they are also easier prey without a pack.",
     "[info]",
     {{"I'll see about it.|TALKLINE 8:Okay. I've told you how it is and can't you help you more than this. Hunt it at "
       "will.", ""},
      {"If that's all you can tell me it's a long shot to find it.|TALKLINE 8:This is all I know, but you can trust "
       "the wolf is out there. Hunt it at will.", ""}}},
    {8,
     "Down with the lone troublesome wolves.",
     "[pending:TALKLINE 8]",
     {{"You know, {giver} told me about a certain lone wolf.|TALKLINE 5", "[ifheard {main_id}.5]"},
      {"Okay, okay, I heard you.|TALKLINE 9", ""},
      {"Could you repeat it all again?|TALKLINE 1:Gladly.", "[malepc]"}}},
    {9,
     "And in this matter I'm the one to listen to around here.",
     "[keep options]",
     {}},
};

void rival_lines(QuestStruct &q, const Names &n) {
    char main_id[16];
    snprintf(main_id, sizeof main_id, "%u", n.main_id);
    const TalkSub subs[] = {{"main_id", main_id}, {"giver", n.giver}};
    talk_lines(q, RIVAL_TALK, subs);
}

const TalkRow ELDER_TALK[] = {
    {0,
     "If a man has really been reduced to crawling on his belly because of a female something must be done for "
     "him, don't you think? I know what was done to that adventurer, and by whom, though I have kept quiet about "
     "it. I am old, but I still hope this mess turns out good for {giver} and her cherished one.",
     "",
     {{"Yes, and I'd like to help her out.|TALKLINE 1:Truly? That would mean to find the bewitched wolf and make it a "
       "man again.", ""}}},
    {1,
     "If you're not afraid of waking up with a tail of your own for your efforts I can tell you how the curse can "
     "be turned back. You do it, let {giver} stay and wait here, alright?",
     "",
     {{"Very well. Just tell me what to do?|TALKLINE 3", ""}}},
    {3,
     "They say that if bewitched wolf gets to eat bread the cursed person is released back into people's world in "
     "his human form. Wolves just don't fancy bread that much so you need to go close and trick it to eat. Or "
     "throw the bread right into its mouth, if you are quick and brave. However it eats, all is well once it does.",
     "[info]",
     {{"Oh. Can it be dangerous?|TALKLINE 4:Of course.", ""}}},
    {4,
     "We are talking about a beast in the wilderness. Even approaching it can be dangerous, not to mention tossing "
     "a bread at it. See, wolves are wolves even if there was a human spirit inside them. I can't help you more "
     "than this. Good luck.",
     "",
     {{"Okay. Thank you.|EXIT:Your help is appreciated, but be careful.", ""}}},
};

void elder_lines(QuestStruct &q, const Names &n) {
    fieldf(q.olText, sizeof q.olText, "Let us speak of wolf and %s.|TALKLINE 0:She told you? Good.", n.giver);
    const TalkSub subs[] = {{"giver", n.giver}};
    talk_lines(q, ELDER_TALK, subs);
}

}  // namespace

QuestStruct Quest_BewitchedWolf(int npc, int worldX, int worldY) {
    memset(&story_qS, 0, sizeof story_qS);
    memset(&qSjealous, 0, sizeof qSjealous);
    memset(&qSoldman, 0, sizeof qSoldman);
    if (npc < 0 || npc >= CRE_COUNT || Cre[npc].kind != CK_HUMAN) return story_qS;
    if (Plr.BewitchedWolfState != 0) return story_qS;
    CreatureStruct &giver = Cre[npc];
    if (Kulttuuripiiri(giver.culture) == NORTHERN_CIRCLE) return story_qS;
    const int none[] = {npc, CRE_NONE};
    const int rival = pick_side_person("[man]", giver, none);
    if (rival == CRE_NONE) return story_qS;
    const int taken[] = {npc, rival, CRE_NONE};
    const int elder = pick_side_person("[any old man]", giver, taken);
    if (elder == CRE_NONE) return story_qS;
    const UiPoint cell = FindBigmapLoc(worldX, worldY, 30, 100, 0, 0, 0);
    if (cell.x == 0) return story_qS;
    const int strip = Luo_Esineen_Itempos(Luo_Karhunkarkotinriepu());
    if (strip <= 0) return story_qS;
    if (!stored_map_made(cell.x, cell.y) || !stored_map_has_room(cell.x, cell.y)) return story_qS;

    static CreatureStruct wolf;
    Luo_NoiduttuSusi(wolf);
    if (!new_person_placed(wolf, cell.x, cell.y)) return story_qS;

    Names n{};
    personal_name(giver, n.giver);
    personal_name(Cre[rival], n.rival);
    personal_name(Cre[elder], n.elder);
    n.rival_uid = Cre[rival].socialid;
    n.main_id = crID();
    const int mx = cell.x + random(3) - 1;
    const int my = cell.y + random(3) - 1;
    copy_bounded(n.place, sizeof n.place, navitxt_Full(worldX, worldY, mx, my, 3));
    n.rival_id = crID();
    n.elder_id = crID();

    qSjealous.id = n.rival_id;
    qSjealous.giverUid = Cre[rival].socialid;
    qSjealous.worldX = worldX;
    qSjealous.worldY = worldY;
    rival_lines(qSjealous, n);
    qSoldman.id = n.elder_id;
    qSoldman.giverUid = Cre[elder].socialid;
    qSoldman.worldX = worldX;
    qSoldman.worldY = worldY;
    qSoldman.sideRole = 1;
    elder_lines(qSoldman, n);
    QuestStruct *const sides[] = {&qSjealous, &qSoldman, nullptr};
    if (!save_all(sides)) {
        unmake_person(wolf.socialid);
        memset(&story_qS, 0, sizeof story_qS);
        return story_qS;
    }
    Cre[rival].quest = n.rival_id;
    Cre[rival].stateflags |= HAS_QUEST_FLAG;
    Cre[rival].questexpiry = 0;
    Cre[elder].quest = n.elder_id;
    Cre[elder].questexpiry = 0;

    story_qS.id = n.main_id;
    story_qS.kind = WOLF_KIND;
    story_qS.daysToComplete = 30;
    story_qS.offerLifeDays = OFFER_DAYS;
    copy_bounded(story_qS.title, sizeof story_qS.title, "Of wolf and woman");
    copy_bounded(story_qS.subject, 64, "some wolf he wants hunted down");
    copy_bounded(story_qS.subject + 64, 64, "seemingly upset lately");
    story_qS.grade = 5;
    story_qS.newsKind[1] = 3;
    story_qS.newsAsk[0] = n.rival_uid;
    story_qS.giverUid = giver.socialid;
    story_qS.worldX = worldX;
    story_qS.worldY = worldY;
    story_qS.marks[0].x = mx;
    story_qS.marks[0].y = my;
    copy_bounded(story_qS.marks[0].label, sizeof story_qS.marks[0].label, "Area where the wolf might dwell");
    story_qS.marks[0].smallSpot = 1;
    story_qS.condLine[0] = 25;
    story_qS.rewardItem = (uint32_t)strip;
    story_qS.sideQuestIds[0] = n.rival_id;
    story_qS.sideQuestIds[1] = n.elder_id;
    copy_bounded(story_qS.pendingText, sizeof story_qS.pendingText, "TALKLINE 20");
    giver_lines(story_qS, n);
    return story_qS;   // the offering gives her the quest once its file stands
}
