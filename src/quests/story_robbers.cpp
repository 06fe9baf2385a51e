// src/quests/story_robbers.cpp -- "Homeland robbers" (kind 30): a band of robbers from a hostile
// neighbouring people roams the homeland's wilds; a fellow villager met them and barely escaped. The
// camp and its robbers are placed in the world; the giver pays by how the band fared.
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "maps/directions.h"
#include "maps/mapdesc.h"
#include "maps/worldsearch.h"
#include "quests/lairs.h"
#include "quests/questkinds.h"
#include "quests/stories_int.h"
#include "core/culture.h"
#include "worldgen/culturegoods.h"

using namespace stories;

namespace {

enum { ROBBERS_KIND = 30, FORESTERS = 13, VAGABONDS = 10 };

QuestStruct story_qS, sivuqS;

struct Story {
    char witness[17], witness_full[80], giver_full[80];
    char own[40], robbers[40], camp[200], count[8], way[200];
};

const char *adjective(int culture) {
    return culture >= 0 && culture < CULTURE_COUNT && CULTURE_ADJECTIVE[culture] ? CULTURE_ADJECTIVE[culture] : "";
}

const TalkRow GIVER_TALK[] = {
    {0,
     "I must warn you for there are robbers around our forests.",
     "",
     {{"Robbers you say?|TALKLINE 1:Unfortunately that's how it seems.", ""},
      {"Damned! Where they nest?|TALKLINE 4", ""},
      {"Oh my, I hope to never meet them.|TALKLINE 2", ""}}},
    {1,
     "True forest robbers are nesting in our vicinity. There they lurk in the woods, sneaking around and robbing "
     "lone wanderers - at our lands!",
     "",
     {{"Who are they?|TALKLINE 3", ""},
      {"Thanks for the warning. I better travel safe then.|TALKLINE 2:Better safe than sorry.", ""}}},
    {2,
     "Nobody wants to meet them, but nobody wants them around either.",
     "",
     {{"Hmm. Maybe I should learn more about them.|TALKLINE 3:So listen up.", ""},
      {"And I don't want to get involved in this.|REJECT:I don't blame you, but be warned.", "[confirmopt]"}}},
    {3,
     "They aren't our own people, that's for sure. It's most likely a band of {robbers} men. But little we know about "
     "them as they know how to keep hidden.",
     "[info]",
     {{"You don't know their whereabouts?|TALKLINE 4:No. Nobody knows for sure.", ""},
      {"It might be wise to keep guard around here.|TALKLINE 5:We are on our toes, but I trust it's safe in the village.",
       ""},
      {"I take the warning and try to avoid ever meeting them.|TALKLINE 2", ""}}},
    {4,
     "They move around {camp} and can be lurking anywhere out there now. They are sighted at a different place each "
     "time. First it was wandering trespassers who told of being robbed, and now our {witness} has met them too!",
     "[once] [info]",
     {{"And who are they exactly?|TALKLINE 3", "[ifnsaid 3]"},
      {"What if they will find their way right here?|TALKLINE 5:They haven't come into villages, and I doubt they "
       "ever will.", ""},
      {"{witness} met them? So he saw these robbers?|TALKLINE 6:He did.", "[summary]"}}},
    {5,
     "They are forest robbers and avoid settled areas knowing it's damn well safer for them! Of all the {own} people "
     "around here only our {witness} has ever met them - and far from settlements. The neighbouring villages have hardly "
     "heard of them, and there may already be silent corpses in the woods. After what {witness} saw we know for sure how "
     "ruthless and pitiless bunch they are.",
     "",
     {{"{witness} saw them? What? Where?|TALKLINE 6", ""},
      {"So you know who they are?|TALKLINE 3:Not exactly, but we know something.", "[ifnsaid 3]"}}},
    {6,
     "{witness} was out in the woods and stumbled into them by accident. He was lucky to get away alive as they didn't "
     "hesitate to attack. You really should go talk to {witness_full} and ask him the whole story.",
     "[once] [info] [accept] [opensq:0]",
     {{"Somebody should do something about it.|TALKLINE 7:You said it, but none of us is adventurous enough for "
       "hunting robbers.", ""},
      {"Damn! Now I might go hunting these robbers.|TALKLINE 8:That would be a brave deed.", "[summary]"}}},
    {7,
     "I've been waiting for someone brave to step forward and go chase them away.",
     "[introduce]",
     {{"That brave one would be me. I will damn well find them and chase them away!|TALKLINE 8:Your bravery will "
       "appreciated by {own} people!", ""},
      {"I just might go after them, if there is a reward?|TALKLINE 9:But..isn't this your homeland too? It would serve "
       "us all to get rid of them.", ""},
      {"Don't look at me. I will not go after them.|REJECT:Neither do I. Let's hope things turn out for the best soon "
       "enough. Take care!", "[confirmopt]"}}},
    {8,
     "Be prepared to fight once you find them. If you beat them properly they may be scared off our lands for "
     "good, or else their blood must be spilled. I hope you return safely, and that {witness} can help you to figure out "
     "their whereabouts.",
     "[accept] [info]",
     {{"I will do what it takes.|EXIT:Good luck! I'm awaiting for you to return with good news.", "[summary]"},
      {"If I can make it I expect to be rewarded.|TALKLINE 9:That can be arranged.", "[summary]"}}},
    {9,
     "There is nothing much to offer except the products and possessions of our village. But once the robbers are "
     "defeated for good, you will be given a decent amount of whatever goods and supplies you want from us.",
     "[once] [info]",
     {{"Fair enough. I will go after the robbers.|TALKLINE 8:I was hoping to hear that!", "[ifnsaid 8]"},
      {"Your offer is accepted. I will go after the robbers.|EXIT:Good luck! I'm awaiting for you to return with good "
       "news.", "[ifsaid 8] [summary]"},
      {"Umm.. Now I don't think this robber hunt is for me after all.|REJECT:Finally you had guts to say it out loud. "
       "Take care then.", "[confirmopt]"}}},
    {15,
     "I'm awaiting good news about the robber chase...",
     "",
     {{"I could talk about it again.|TALKLINE 4:Robbers been around our forests - remember?",
       "[ask summary] [ifncond 0]"},
      {"And I have news for you. I did find the robbers.|TALKLINE 16:You truly were an adventurer of your word!",
       "[ifcond 0]"},
      {"I'm sorry, but I have to give up on this.|REJECT:That is unfortunate, but what can you do. Take care then, and "
       "be careful in the woods!", "[ifncond 0] [confirmopt]"}}},
    {16,
     "Now I'm eager to hear how it ended up there. I see you survived, but how about the robber band? Are they "
     "beaten and chased away now?",
     "[credit reward:50] [cant cancel] [befriend]",
     {{"I fought them hard and cut down at least some of them.|TALKLINE 17:You have done well! Decreasing their "
       "strength ought to make them understand to leave our lands.", "[ifsemicond 1]"},
      {"Let's just say that I made sure they won't be robbing no one no more.|TALKLINE 18:That is all we need to know. "
       "You did what you had to do.", "[ifcond 1]"},
      {"I'm afraid they still just might be lurking in the woods....|TALKLINE 19:Oh...", "[ifncond 1]"}}},
    {17,
     "You have earned a reward, <plr_identity>. ",
     "[completed] [claim reward] [repinc:1]",
     {{"I'm very grateful for this.|EXIT:Oh, don't mention it. You have earned it.", ""}}},
    {18,
     "A hero needs a reward and you shall be given one. ",
     "[credit reward:100] [claim reward] [completed] [repinc:3]",
     {{"Thank you.|EXIT:You are welcome, champion.", ""}}},
    {19,
     "So you found them, but didn't manage to chase them away?",
     "[credit reward:20]",
     {{"Umm.. Yes... Something like that.|EXIT:Damn. I was hoping for news of their defeat. So the robber hunt is still "
       "on, if you are up to continue.", "[ifncond 2]"},
      {"I caused them some trouble, but I don't know if it was enough to make them leave for good.|TALKLINE 17:I trust "
       "you did your best and this encourages us to continue the pursuit if need be.", "[ifcond 2]"}}},
};

void giver_lines(QuestStruct &q, const Story &s) {
    const TalkSub subs[] = {{"robbers", s.robbers}, {"camp", s.camp}, {"witness", s.witness}, {"own", s.own},
                            {"witness_full", s.witness_full}};
    talk_lines(q, GIVER_TALK, subs);
}

const TalkRow WITNESS_TALK[] = {
    {0,
     "I sure did! And I was lucky it didn't end up to be the last time for me to roam in forests of {camp}. Down with "
     "them pitiless bunch!",
     "[reset once]",
     {{"Now how did it happen?|TALKLINE 2", ""},
      {"Do you know who they are?|TALKLINE  4:I can tell you that. I saw them real close with my own eyes.", ""}}},
    {2,
     "It was a blessing in disguise that I met them. See, I was on a hunting trip but got a bit lost. The day went "
     "by as I circled around looking for a familiar landmark, and by late evening I smelled smoke. Figuring it "
     "might be a camp of local woodsman I went towards it, hoping for a warm fire and a way home. But instead of "
     "good people I found those robbers sitting by a campfire!",
     "",
     {{"What they were doing?|TALKLINE 5:I don't know, but they were alert and I wasn't hidden.", ""},
      {"Did you charge them?|TALKLINE 6:Me? No. I'm not a hero. So...", ""},
      {"Did you get to see who they are?|TALKLINE 4", "[once]"}}},
    {4,
     "They are one filthy band of {robbers} men - I took a notice of that. And there were {count} of them, all armed and fit.",
     "[once] [keep options] [info]",
     {}},
    {5,
     "As soon as they noticed me they grabbed their blades and stepped forward. Only then I realized having faced "
     "the danger and looking at these rumoured robbers with my own eyes. One of them commanded me to hand over my "
     "belongings and others joked about robbing at {camp} getting boringly easy.",
     "[once]",
     {{"So, what did you do?|TALKLINE 6:I don't take commands from robbers! But I'm no hero either... ", ""},
      {"What did they look like?|TALKLINE 4:To me they looked like someone you want to strangle and bury in a bog!",
       ""},
      {"I see you survived, so let's waste no more time. Just tell me where you met them?|TALKLINE 7:Oh. Okay. But I'm "
       "not too sure of it.", ""}}},
    {6,
     "I escaped. There were {count} of them and I couldn't have fought such a band of armed {robbers} men alone. If I was lost "
     "already now it took two full days to relocate myself and find finally a way back home.",
     "",
     {{"Can you tell me exactly where you met them?|TALKLINE 7:Not exactly, only vaguely.", ""},
      {"And you saw them properly?|TALKLINE 4:I had a good look at them from an unpleasantly close distance.", ""},
      {"And they attacked you?|TALKLINE 5:Damn right they did! I stumbled upon their camp without knowing who they "
       "are.", ""}}},
    {7,
     "I was lost in the woods when I met them and then ran for my life without watching scenery. But if I think "
     "about it, I guess it might have been {way}. I'm sure they aren't stupid to have stayed there for a long time. "
     "Tresspassers have brought us rumors from every corner of {camp} so they are on the move a lot.",
     "[info] [area]",
     {{"Maybe I could try to find them.|TALKLINE 8:Mmm. Maybe.", ""},
      {"Okay. We better be careful around that area then.|EXIT:You said it.", ""}}},
    {8,
     "If you really are up to confronting them you should talk to {giver_full} about it. These ruthless bandits need to be "
     "chased away from our lands - and soon!",
     "",
     {{"Very well. Let's see how it goes.|EXIT:We'll see. Take care and be careful.", ""}}},
};

void witness_lines(QuestStruct &q, const Story &s) {
    copy_bounded(q.olText, sizeof q.olText, "I heard you met some robbers?|TALKLINE 0");
    const TalkSub subs[] = {{"camp", s.camp}, {"robbers", s.robbers}, {"count", s.count}, {"way", s.way},
                            {"giver_full", s.giver_full}};
    talk_lines(q, WITNESS_TALK, subs);
}

}  // namespace

QuestStruct Quest_HomelandRobbers(CreatureStruct *giver, int worldX, int worldY) {
    const int robbers_culture = giver ? ConflictNeighbour(giver->culture) : 0;
    memset(&story_qS, 0, sizeof story_qS);
    memset(&sivuqS, 0, sizeof sivuqS);
    if (!giver || giver->kind != CK_HUMAN) return story_qS;
    const int culture = giver->culture;
    if (culture == FORESTERS || culture == VAGABONDS || culture != Plr.culture) return story_qS;
    const int none[] = {giver >= Cre && giver < Cre + CRE_COUNT ? (int)(giver - Cre) : CRE_NONE, CRE_NONE};
    const int witness = pick_side_person("[man]", *giver, none);
    if (witness == CRE_NONE) return story_qS;
    const UiPoint camp = FindBigmapLoc(worldX, worldY, 100, 200, BIGLOC_CULTURE, culture, 0);
    if (camp.x == 0) return story_qS;
    if (cre_file_records() < 0) return story_qS;

    Story s{};
    personal_name(Cre[witness], s.witness);
    titled_name(Cre[witness], s.witness_full, sizeof s.witness_full);
    titled_name(*giver, s.giver_full, sizeof s.giver_full);
    copy_bounded(s.own, sizeof s.own, adjective(culture));
    copy_bounded(s.robbers, sizeof s.robbers, adjective(robbers_culture));
    copy_bounded(s.camp, sizeof s.camp, terdesc(camp.x, camp.y, 0));

    const unsigned band = crID();
    const int count = random(4) + 3;
    fieldf(s.count, sizeof s.count, "%d", count);
    char line[160];
    fieldf(line, sizeof line, "do r_lair (%d num) at %d,%d / soc %u cult %d", count, camp.x, camp.y, band, robbers_culture);
    debuglog("quest", line);
    robber_lair(camp.x, camp.y, (int)band, robbers_culture, count, 0);
    debuglog("quest", "r_lair done");
    // A camp whose people could not be placed is no quest: nobody could ever be found there.
    uint8_t info[5];
    GetCRSBasedSocInfo(info, (int)band);
    if (info[1] == 0) return story_qS;

    story_qS.kind = ROBBERS_KIND;
    story_qS.daysToComplete = 30;
    story_qS.offerLifeDays = 60;
    story_qS.markerFlag = 1;
    story_qS.questMode = 2;
    copy_bounded(story_qS.title, sizeof story_qS.title, "Homeland robbers");
    copy_bounded(story_qS.subject, 64, "restless times");
    story_qS.grade = 4;
    story_qS.giverUid = giver->socialid;
    story_qS.worldX = worldX;
    story_qS.worldY = worldY;
    story_qS.bandCommunity = band;
    story_qS.bandCount = (uint8_t)count;
    const uint8_t types[3] = {3, 4, 2};
    for (int k = 0; k < 3; k++) {
        story_qS.condType[k] = types[k];
        story_qS.condUid[k] = band;
    }
    story_qS.rewardKind = 2;
    story_qS.rewardCount = 100;
    copy_bounded(story_qS.pendingText, sizeof story_qS.pendingText, "TALKLINE 15");
    giver_lines(story_qS, s);

    sivuqS.id = crID();
    sivuqS.giverUid = Cre[witness].socialid;
    sivuqS.worldX = worldX;
    sivuqS.worldY = worldY;
    sivuqS.sideRole = 1;
    sivuqS.marks[0].x = camp.x + random(16) - 8;
    sivuqS.marks[0].y = camp.y + random(16) - 8;
    copy_bounded(sivuqS.marks[0].label, sizeof sivuqS.marks[0].label, "Probable area where the robbers were met");
    copy_bounded(s.way, sizeof s.way, navitxt_Full(worldX, worldY, sivuqS.marks[0].x, sivuqS.marks[0].y, 3));
    witness_lines(sivuqS, s);
    QuestStruct *const sides[] = {&sivuqS, nullptr};
    if (!save_all(sides)) {
        memset(&story_qS, 0, sizeof story_qS);
        return story_qS;
    }
    Cre[witness].quest = sivuqS.id;
    story_qS.sideQuestIds[0] = sivuqS.id;
    return story_qS;
}
