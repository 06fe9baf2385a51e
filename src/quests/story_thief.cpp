// src/quests/story_thief.cpp -- "Bird thief" (kind 15): a trapper's snares are emptied by a two-legged
// thief; an old man of the village teaches a spell that burns the thief's conscience until he comes to
// confess. The thief is a new person of a neighbouring village; his robbed snare site is laid out on
// the map.
#include <cstring>

#include "activities/magic.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/directions.h"
#include "maps/maps.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/questkinds.h"
#include "quests/stories_int.h"
#include "worldgen/culturegoods.h"
#include "worldgen/localgen.h"

using namespace stories;

namespace {

enum { THIEF_KIND = 15 };

QuestStruct story_qS, sivuqS, thsivuqS;

struct Story {
    unsigned main_id, oldman_id, thief_id;
    int vx, vy, sx, sy;
    char to_village[200], to_site[200], site_area[200];
    char giver[17], oldman[17];
    char oldman_title[80], thief_title[80];
    char charm[100];
};

const TalkRow GIVER_TALK[] = {
    {0,
     "Now may I ask you, <plr_identity>, have you tried trapping birds around here lately?",
     "",
     {{"Yes, I have done some bird trapping here.|TALKLINE 2:A-ha! See, I've been wondering how it goes with others. "
       "Do the birds seem to disappear from your snares too?", ""},
      {"No. Not really.|TALKLINE 1:Mmm.", ""},
      {"Might be, but not all that much.|TALKLINE 1:I see. I have also thought about giving up trapping once and for "
       "all.", ""}}},
    {1,
     "Now is it because you don't think it's worth the trouble anymore? That the winged prey would disappear from "
     "your traps too, huh?",
     "",
     {{"Your snares remain empty? Well, a fox might snatch a bird from a trap.|TALKLINE 2:Sure. And a raven could too. "
       "But it's not that.", ""},
      {"No. It's just that this doesn't concern or interest me at all.|TALKLINE 3:Oh. That is unfortunate.", ""},
      {"Now what exactly are you trying to say?|TALKLINE 2:Ahem.", ""}}},
    {2,
     "The thing is that there's a creature more cunning than a fox around here that keeps stealing birds - at least "
     "from my traps. And he walks on two feet.",
     "[info]",
     {{"Well, that's what you say, but I don't know.|TALKLINE 5:I can assure my traps have been hit by a bird thief.",
       ""},
      {"Now wait, you think there's a bird thief?|TALKLINE 4:Yes. That's what I'm talking about.", ""},
      {"Bad for you.|TALKLINE 3:Of course it is.", ""}}},
    {3,
     "I kind of hoped that you could have helped me with this matter.",
     "",
     {{"Oh, go on then. Tell me.|TALKLINE 4:So listen up now.", ""},
      {"Sorry, but I'm not interested.|REJECT:Very well. So be it.", ""}}},
    {4,
     "I have been trapping birds quite succesfully for a long time but lately I started to find my snares emptied. "
     "Consistently. Somebody keeps stealing my winged prey.",
     "",
     {{"Have you investigated it further?|TALKLINE 5:Only enough to be sure it's a two legged thief in question.", ""},
      {"Who could this somebody be?|TALKLINE 6:That is what I would like to find out.", ""},
      {"You keep losing every prey from every trap, huh?|TALKLINE 7:I only trap birds, and now I've given it up until "
       "the thief is revealed - but yes. Want to see it for yourself?", ""},
      {"I wish you better times in the future, but this is not my problem.|REJECT:Hmph. I thought you would have "
       "cared.", "[confirmopt]"}}},
    {5,
     "I've found footprints and feathers by the triggered snares, but never a drop of blood, as there would be if a "
     "fox or a marten had taken the birds. See for yourself at my last trapping site if you like. It's the usual "
     "sight there, and it wasn't the first time at all. Now I don't have the nerve to continue trapping until the "
     "thief is revealed.",
     "[once]",
     {{"Any ideas who the thief might be?|TALKLINE 6:No idea. Maybe one of us, maybe someone from neighbouring "
       "villages.", "[ifsaid 4] [summary]"},
      {"Now where can I find that trapping site of yours?|TALKLINE 7:It's not far.", ""},
      {"I guess I have to believe what you say.|TALKLINE 4:Good. I am not making this up.", "[ifnsaid 4]"},
      {"Couldn't you just set an ambush for the thief?|TALKLINE 8:Direct encounter is not an option now.", ""}}},
    {6,
     "I don't suspect anyone specifically, but I certainly want the thief to be revealed in a righteous manner. But "
     "if I go asking around I fear it might cause bad blood among the neighbourhood.",
     "[summary] [introduce]",
     {{"I understand. But what can you do?|TALKLINE 10:There's a way, but it's a bit complicated.", "[summary]"},
      {"What do you mean by righteous manner?|TALKLINE 8:In this case it comes down to relying on designated spells.",
       ""},
      {"Sounds troublesome. I can do nothing but wish you good luck.|REJECT:Luck, huh? It doesn't help me now, but "
       "thanks anyway.", "[confirmopt]"}}},
    {7,
     "My last trapping site lies {to_site} at {site_area}. I abandoned it right after discovering the theft and left the emptied "
     "snares and everything untouched.",
     "[area] [info] [once] [keep options]",
     {}},
    {8,
     "Stealing somebody's catch is a serious offense, but nobody should get hurt over birds, and I won't have anyone "
     "falsely accused either. Besides, a thief who knows harmful witchcraft could cast hardship on you from a "
     "distance if you cornered him.",
     "[keep options] [once]",
     {}},
    {10,
     "There are spells for revealing bird thieves, you know. The old bird hunters of our village must know some. "
     "But it is awkward for me to go asking my fellow villagers about such things when I don't know which one of "
     "them might be the thief.",
     "[summary]",
     {{"Spells you say?|TALKLINE 11:Mmm.", "[summary]"},
      {"Blah. I would rather set an ambush for the thief.|TALKLINE 8", ""},
      {"Maybe so, but this doesn't concern me.|REJECT:Begone then.", "[confirmopt]"}}},
    {11,
     "I've heard about spells to make bird thieves confess. But if I went asking for one, or cast it on my own, "
     "everyone would know of it at once. No, this matter should be judged by a spell, if there only was a fair {gender} "
     "to do it on my behalf.",
     "[info] [summary]",
     {{"Then let me help you.|TALKLINE 15:That would be a noble deed! I already do have a hunch about who you could "
       "talk to.", "[summary]"},
      {"I might try to help you...but would you compensate my efforts somehow?|TALKLINE 14:I would like to, but I need "
       "to think about the way to do so.", "[summary]"},
      {"Sounds complicated. I can do nothing but wish you good luck.|REJECT:So be it, but I'm afraid this can't be "
       "solved with luck.", "[confirmopt]"}}},
    {14,
     "I don't have wealth to offer, but I ask you to trust that I'll find a little something precious to give you if "
     "you help me and things work out.",
     "[keep options]",
     {}},
    {15,
     "Our {oldman_title} might know spells for the purpose, but it may be a different story to get him to speak. I'll lay low "
     "now and hope that you'll learn to do what it takes. Oh, and visit my last trapping site if you need to "
     "examine the traces of theft.",
     "[summary] [info] [accept] [opensq:0]",
     {{"Your last trapping site?|TALKLINE 7:It's the usual sight there, and it wasn't the first time at all.",
       "[summary] [ifnsaid 7]"},
      {"Very well. I will do my best.|EXIT:I can't thank you enough. Good luck, and let me know how it goes.",
       "[summary] [ifsaid 7]"}}},
    {18,
     "I guess the bird thief case isn't solved yet, or let me know if you've figured out something.",
     "",
     {{"Umm...what bird thief?|TALKLINE 11:The one who has been snatching birds from my snares. Remember?",
       "[ifnheard {oldman_id}.15] [ask summary]"},
      {"{oldman} did tell me how to make a bird thief confess.|TALKLINE 19:That is excellent news!",
       "[ifheard {oldman_id}.15]"},
      {"I'm still working to get it solved.|EXIT:Okay. Good.", "[ifnheard {oldman_id}.15]"},
      {"I'm sorry, but I can't do it.|REJECT:That is unfortunate, but it was nice that you cared to listen to my "
       "troubles.", "[confirmopt]"}}},
    {19,
     "Have you performed the spell yet?",
     "",
     {{"Yes, have I performed the spell.|TALKLINE 20", ""},
      {"No. Not yet.|EXIT:Oh, I shall keep waiting then - and trust that you get it done sooner or later.", ""}}},
    {20,
     "I guess now we just have to wait for the results. If the spell works, the thief should come and confess "
     "before long, though it may take a few days for the heat to get to him. Let us talk again after a while.",
     "[pending:TALKLINE 21]",
     {{"Alright. Let's do like that.|EXIT:Good. Talk to you again then.", ""}}},
    {21,
     "We still have to wait, <plr_identity>. I have no news about the thief.",
     "",
     {{"So we'll wait and hope that the thief eventually comes forward.|EXIT:Let's do like that. Maybe we'll be wiser "
       "tomorrow.", ""}}},
    {25,
     "You know what, <plr_identity>, it did happen! The thief came to visit me and confessed it all. Whatever you "
     "did, it worked!",
     "[cant cancel] [befriend]",
     {{"Oh! Now who was it, and what did he say?|TALKLINE 27:This thief wasn't our own people, but one of our "
       "neighbours.", ""}}},
    {27,
     "It was {thief_title} from the village {to_village}. He confessed and apologized but didn't say much more and left hastily. Sweaty "
     "he was, and looked like not having slept for days.",
     "[info] [cant cancel] [completed] [opensq:1]",
     {{"Very good! I guess my work is done here.|TALKLINE 28:Yes, and I've made up my mind about how to thank you.",
       ""}}},
    {28,
     "I have this lucky {charm} which I now want to give you. It's actually partial reason for my success with birds, "
     "but now I think my lucky catches also made people envious. I've had my share of this lucky charm and I hope "
     "it turns out to be a fine reward for you. Apply the paw when you desire luck with any attempt at all, but do "
     "so within reason as it will wear out in use.",
     "[info] [cant cancel] [claim reward]",
     {{"Oh! Thank you. I'll try to be wise with it.|EXIT:Mmm. Take care now, and thank you once again.", ""}}},
};

void giver_lines(QuestStruct &q, const Story &s) {
    char oldman_id[16];
    snprintf(oldman_id, sizeof oldman_id, "%u", s.oldman_id);
    const TalkSub subs[] = {{"to_site", s.to_site}, {"site_area", s.site_area},
                            {"gender", Vaihtuva_MSG_Avain("plr_gender")}, {"oldman_title", s.oldman_title},
                            {"oldman_id", oldman_id}, {"oldman", s.oldman}, {"thief_title", s.thief_title},
                            {"to_village", s.to_village}, {"charm", s.charm}};
    talk_lines(q, GIVER_TALK, subs);
}

const TalkRow OLDMAN_TALK[] = {
    {0,
     "You may have come to the right man. Speak up, <plr_identity>, what is it?",
     "",
     {{"Well, it's about birds..and thieves...in general.|TALKLINE 1:Mmm.", ""}}},
    {1,
     "I have met a few of both during my time, and I also know the means to deal with them both if need be.",
     "",
     {{"If there was say a bird thief, are there spells to reveal him?|TALKLINE 3:There are spells to put heat on the "
       "thief until he reveals himself. But those means are not for everyone to learn.", ""}}},
    {3,
     "I speak of it only with bird hunters. If you need to know then prove yourself worthy. Go hunt a bird, bring "
     "it to me and then we'll talk.",
     "[info] [fetch] [fetchtip] [pending:TALKLINE 4]",
     {{"Umm..you want me to bring you a whole bird?|EXIT:The whole bird, and nothing but the bird. Anything you can "
       "catch, with the feathers and all.", ""}}},
    {4,
     "Go ahead, <plr_identity> and prove to be a bird hunter.",
     "[pending:TALKLINE 4]",
     {{"A bird hunter? I've forgotten how was it.|TALKLINE 3:At least you have a memory of a bird.", ""}}},
    {15,
     "{spell}",
     "[info] [close]",
     {{"Thank you. I'm grateful for this advice.|EXIT:Well, that's how it goes. Take care.", ""}}},
    {25,
     "Look at that, you brought me a bird! Seems like you are a bird hunter of a sort, <plr_identity>.",
     "",
     {{"I did what you asked, now how about that spell?|TALKLINE 15:Ah, the spell! Indeed.", ""}}},
};

void oldman_lines(QuestStruct &q) {
    copy_bounded(q.olText, sizeof q.olText, "Erm..I seek advice about..umm..certain spells..|TALKLINE 0");
    const TalkSub subs[] = {{"spell", taikakeino_desc(160, 0)}};
    talk_lines(q, OLDMAN_TALK, subs);
}

const TalkRow THIEF_TALK[] = {
    {0,
     "Apparently the word has spread. Well, I have confessed it already and I can confess it again. But what's it to "
     "you anyway?",
     "",
     {{"Well, I'm just wondering what urged you to confess.|TALKLINE 1", ""},
      {"Well, it was actually I who revealed you.|TALKLINE 2", ""}}},
    {1,
     "I guess somebody made a spell. I started to burn hot, sweated all day long and barely slept at night. After a "
     "few days of such suffering I had to go and confess, and only then did my condition ease.",
     "",
     {{"Somebody indeed made a spell. It was me.|TALKLINE 2", ""},
      {"You got what you deserved. Stealing somebody's catch is outrageous.|TALKLINE 3", ""}}},
    {2,
     "You! You made me burn! Get away from my sight!",
     "[befoe] [close] [cant cancel]",
     {{"It served you right, thief.|SHUT UP:Go!", ""},
      {"It had to be done.|SHUT UP:Hmpf.", ""}}},
    {3,
     "I'm no villain. I did it only out of envy. I only stole from {giver} who is all too fortunate with his snares, "
     "whereas mine can remain empty for weeks on end. I have never had much luck with anything, so... But it's "
     "over now, and this is all I have to say about it.",
     "[pending:silence] [fetch]",
     {{"All right.|EXIT:Fine.", ""}}},
    {15,
     "I can't accept your precious gift unless I can give you something in return. I have this little valuable "
     "which is now yours to keep.",
     "[cant cancel] [claim reward] [info]",
     {{"I guess all is well then.|EXIT:Oh, indeed. Thank you, and farewell, you kind soul.", ""}}},
    {25,
     "You are handing your hare's paw to me? I know what it is. A lucky charm surely suits me, but this is all too "
     "kind.",
     "[cant cancel] [completed] [befriend]",
     {{"Well, I thought you might need it more than I do.|TALKLINE 15", ""}}},
};

void thief_lines(QuestStruct &q, const Story &s) {
    copy_bounded(q.olText, sizeof q.olText, "It must be you who kept stealing birds around here some time ago.|TALKLINE 0");
    const TalkSub subs[] = {{"giver", s.giver}};
    talk_lines(q, THIEF_TALK, subs);
}

// The robbed snare site laid on the stored map of the site's cell for the thief of social id `thief`;
// the buffer `Zoom` is kept as it was. 1 when laid and stored.
int lay_site(int culture, int sx, int sy, int thief, bool store) {
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    int laid = load_zoommap(sx, sy) && zoomscene_bird_trap_area(culture, "[bird theft]", thief);
    if (laid && store) laid = save_zoommap(sx, sy, 1);
    memcpy(&Zoom, &kept, sizeof Zoom);
    return laid;
}

}  // namespace

QuestStruct Quest_BirdThief(CreatureStruct *giver, int x, int y) {
    Story s{};
    s.main_id = crID();
    s.oldman_id = crID();
    s.thief_id = crID();
    memset(&story_qS, 0, sizeof story_qS);
    memset(&sivuqS, 0, sizeof sivuqS);
    memset(&thsivuqS, 0, sizeof thsivuqS);
    if (!giver || giver->kind != CK_HUMAN) return story_qS;
    const int culture = giver->culture;

    const UiPoint village = FindBigmapVillage(x, y, 5, 25, 1, culture);
    if (village.x == 0) return story_qS;
    s.vx = village.x;
    s.vy = village.y;
    copy_bounded(s.to_village, sizeof s.to_village, navitxt_Full(x, y, s.vx, s.vy, 1));
    const UiPoint site = FindBigmapLoc(x, y, 10, 40, 0, 0, 0);
    if (site.x == 0) return story_qS;
    s.sx = site.x;
    s.sy = site.y;
    copy_bounded(s.to_site, sizeof s.to_site, navitxt_Full(x, y, s.sx, s.sy, 1));
    const int none[] = {giver >= Cre && giver < Cre + CRE_COUNT ? (int)(giver - Cre) : CRE_NONE, CRE_NONE};
    const int oldman = pick_side_person("[any old man]", *giver, none);
    if (oldman == CRE_NONE) return story_qS;
    const int charm = Luo_Esineen_Itempos(Luo_janiksenkapala());
    if (charm <= 0) return story_qS;

    // Every place is made and tried before the thief is born: nobody is left in the creature file
    // holding a quest that was never written.
    if (!stored_map_made(s.vx, s.vy) || !stored_map_has_room(s.vx, s.vy)) return story_qS;
    if (!stored_map_made(s.sx, s.sy)) return story_qS;
    const int thief_uid = cre_file_next_id();
    if (thief_uid == CRE_NONE || !lay_site(culture, s.sx, s.sy, thief_uid, false)) return story_qS;

    static CreatureStruct thief;
    synnyta_IHMISOLENTO(thief, SPECIES_VILLAGER, culture, 0);
    thief.quest = s.thief_id;
    thief.community = Mapinfo_socID(s.vx, s.vy);
    const int born = SaveNewRealCreature(thief);
    if (born != thief_uid || !lay_site(culture, s.sx, s.sy, born, true) ||
        !spawn_sotucre_on_zoommap(born, s.vx, s.vy)) {
        static CreatureStruct blank;
        memset(&blank, 0, sizeof blank);
        Talleta_RealCreature(blank, born);
        return story_qS;
    }

    personal_name(*giver, s.giver);
    personal_name(Cre[oldman], s.oldman);
    titled_name(Cre[oldman], s.oldman_title, sizeof s.oldman_title);
    char tname[17], tkind[sizeof thief.species + 1];
    personal_name(thief, tname);
    memcpy(tkind, thief.species, sizeof thief.species);
    tkind[sizeof thief.species] = 0;
    fieldf(s.thief_title, sizeof s.thief_title, "%s called %s", StrLwr(tkind), tname);
    copy_bounded(s.site_area, sizeof s.site_area, navitxt_Area(s.sx, s.sy));
    copy_bounded(s.charm, sizeof s.charm, enimi(charm, 1, 0));

    story_qS.id = s.main_id;
    story_qS.kind = THIEF_KIND;
    copy_bounded(story_qS.title, sizeof story_qS.title, "Bird thief");
    story_qS.giverUid = giver->socialid;
    story_qS.offerLifeDays = 15;
    story_qS.daysToComplete = 30;
    story_qS.worldX = x;
    story_qS.worldY = y;
    story_qS.markerFlag = 1;
    story_qS.marks[0].x = s.sx;
    story_qS.marks[0].y = s.sy;
    copy_bounded(story_qS.marks[0].label, sizeof story_qS.marks[0].label, "Trapping site from where the birds were stolen");
    story_qS.marks[0].smallSpot = 1;
    copy_bounded(story_qS.pendingText, sizeof story_qS.pendingText, "TALKLINE 18");
    story_qS.condLine[0] = 25;
    story_qS.sideQuestIds[0] = s.oldman_id;
    story_qS.sideQuestIds[1] = s.thief_id;
    story_qS.rewardItem = (uint32_t)charm;
    giver_lines(story_qS, s);

    sivuqS.id = s.oldman_id;
    sivuqS.giverUid = Cre[oldman].socialid;
    sivuqS.worldX = x;
    sivuqS.worldY = y;
    sivuqS.sideRole = 1;
    sivuqS.questMode = 1;
    copy_bounded(sivuqS.fetchPattern, sizeof sivuqS.fetchPattern, "[bird]");
    oldman_lines(sivuqS);

    thsivuqS.id = s.thief_id;
    thsivuqS.giverUid = (uint32_t)born;
    thsivuqS.worldX = s.vx;
    thsivuqS.worldY = s.vy;
    thsivuqS.sideRole = 1;
    thsivuqS.ownCompletion = 1;
    thsivuqS.questMode = 1;
    copy_bounded(thsivuqS.fetchPattern, sizeof thsivuqS.fetchPattern, "Hare's paw");
    thsivuqS.rewardItem = (uint32_t)KULTTUURIESINE_Aarrekoru(culture);
    thief_lines(thsivuqS, s);
    QuestStruct *const sides[] = {&sivuqS, &thsivuqS, nullptr};
    if (!save_all(sides)) {
        unmake_person((unsigned)born);
        memset(&story_qS, 0, sizeof story_qS);
        return story_qS;
    }
    Cre[oldman].quest = s.oldman_id;
    story_qS.targetUid = (uint32_t)born;
    return story_qS;
}
