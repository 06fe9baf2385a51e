// src/quests/story_robbers.cpp -- "Homeland robbers" (kind 30): a band of robbers from a hostile
// neighbouring people roams the homeland's wilds; a fellow villager met them and barely escaped. The
// camp and its robbers are placed in the world; the giver pays by how the band fared.
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "creatures/creatures.h"
#include "maps/directions.h"
#include "maps/mapdesc.h"
#include "maps/worldsearch.h"
#include "quests/lairs.h"
#include "quests/questkinds.h"
#include "quests/stories_int.h"
#include "worldgen/culture.h"
#include "worldgen/culturegoods.h"

using namespace stories;

namespace {

enum { ROBBERS_KIND = 30, FORESTERS = 13, VAGABONDS = 10 };

QuestStruct qS, sivuqS;

struct Story {
    char witness[17], witness_full[80], giver_full[80];
    char own[40], robbers[40], camp[200], count[8], way[200];
};

const char *adjective(int culture) {
    return culture >= 0 && culture < CULTURE_COUNT && CULTURE_ADJECTIVE[culture] ? CULTURE_ADJECTIVE[culture] : "";
}

void giver_lines(QuestStruct &q, const Story &s) {
    say(q, 0, "", "I must warn you for there are robbers around our forests.");
    opt(q, 0, 0, "", "Robbers you say?|TALKLINE 1:Unfortunately that's how it seems.");
    opt(q, 0, 1, "", "Damned! Where they nest?|TALKLINE 4");
    opt(q, 0, 2, "", "Oh my, I hope to never meet them.|TALKLINE 2");

    say(q, 1, "",
        "True forest robbers are nesting in our vicinity. There they lurk in the woods, sneaking around and robbing "
        "lone wanderers - at our lands!");
    opt(q, 1, 0, "", "Who are they?|TALKLINE 3");
    opt(q, 1, 1, "", "Thanks for the warning. I better travel safe then.|TALKLINE 2:Better safe than sorry.");

    say(q, 2, "", "Nobody wants to meet them, but nobody wants them around either.");
    opt(q, 2, 0, "", "Hmm. Maybe I should learn more about them.|TALKLINE 3:So listen up.");
    opt(q, 2, 1, "[confirmopt]", "And I don't want to get involved in this.|REJECT:I don't blame you, but be warned.");

    sayf(q, 3, "[info]",
         "They aren't our own people, that's for sure. It's most likely a band of %s men. But little we know about "
         "them as they know how to keep hidden.",
         s.robbers);
    opt(q, 3, 0, "", "You don't know their whereabouts?|TALKLINE 4:No. Nobody knows for sure.");
    opt(q, 3, 1, "", "It might be wise to keep guard around here.|TALKLINE 5:We are on our toes, but I trust it's safe in the village.");
    opt(q, 3, 2, "", "I take the warning and try to avoid ever meeting them.|TALKLINE 2");

    sayf(q, 4, "[once] [info]",
         "They move around %s and can be lurking anywhere out there now. They are sighted at a different place each "
         "time. First it was wandering trespassers who told of being robbed, and now our %s has met them too!",
         s.camp, s.witness);
    opt(q, 4, 0, "[ifnsaid 3]", "And who are they exactly?|TALKLINE 3");
    opt(q, 4, 1, "",
        "What if they will find their way right here?|TALKLINE 5:They haven't come into villages, and I doubt they "
        "ever will.");
    optf(q, 4, 2, "[summary]", "%s met them? So he saw these robbers?|TALKLINE 6:He did.", s.witness);

    sayf(q, 5, "",
         "They are forest robbers and avoid settled areas knowing it's damn well safer for them! Of all the %s people "
         "around here only our %s has ever met them - and far from settlements. The neighbouring villages have hardly "
         "heard of them, and there may already be silent corpses in the woods. After what %s saw we know for sure how "
         "ruthless and pitiless bunch they are.",
         s.own, s.witness, s.witness);
    optf(q, 5, 0, "", "%s saw them? What? Where?|TALKLINE 6", s.witness);
    opt(q, 5, 1, "[ifnsaid 3]", "So you know who they are?|TALKLINE 3:Not exactly, but we know something.");

    sayf(q, 6, "[once] [info] [accept] [opensq:0]",
         "%s was out in the woods and stumbled into them by accident. He was lucky to get away alive as they didn't "
         "hesitate to attack. You really should go talk to %s and ask him the whole story.",
         s.witness, s.witness_full);
    opt(q, 6, 0, "",
        "Somebody should do something about it.|TALKLINE 7:You said it, but none of us is adventurous enough for "
        "hunting robbers.");
    opt(q, 6, 1, "[summary]", "Damn! Now I might go hunting these robbers.|TALKLINE 8:That would be a brave deed.");

    say(q, 7, "[introduce]", "I've been waiting for someone brave to step forward and go chase them away.");
    optf(q, 7, 0, "",
         "That brave one would be me. I will damn well find them and chase them away!|TALKLINE 8:Your bravery will "
         "appreciated by %s people!",
         s.own);
    opt(q, 7, 1, "",
        "I just might go after them, if there is a reward?|TALKLINE 9:But..isn't this your homeland too? It would serve "
        "us all to get rid of them.");
    opt(q, 7, 2, "[confirmopt]",
        "Don't look at me. I will not go after them.|REJECT:Neither do I. Let's hope things turn out for the best soon "
        "enough. Take care!");

    sayf(q, 8, "[accept] [info]",
         "Be prepared to fight once you find them. If you beat them properly they may be scared off our lands for "
         "good, or else their blood must be spilled. I hope you return safely, and that %s can help you to figure out "
         "their whereabouts.",
         s.witness);
    opt(q, 8, 0, "[summary]", "I will do what it takes.|EXIT:Good luck! I'm awaiting for you to return with good news.");
    opt(q, 8, 1, "[summary]", "If I can make it I expect to be rewarded.|TALKLINE 9:That can be arranged.");

    say(q, 9, "[once] [info]",
        "There is nothing much to offer except the products and possessions of our village. But once the robbers are "
        "defeated for good, you will be given a decent amount of whatever goods and supplies you want from us.");
    opt(q, 9, 0, "[ifnsaid 8]", "Fair enough. I will go after the robbers.|TALKLINE 8:I was hoping to hear that!");
    opt(q, 9, 1, "[ifsaid 8] [summary]",
        "Your offer is accepted. I will go after the robbers.|EXIT:Good luck! I'm awaiting for you to return with good "
        "news.");
    opt(q, 9, 2, "[confirmopt]",
        "Umm.. Now I don't think this robber hunt is for me after all.|REJECT:Finally you had guts to say it out loud. "
        "Take care then.");

    say(q, 15, "", "I'm awaiting good news about the robber chase...");
    opt(q, 15, 0, "[ask summary] [ifncond 0]", "I could talk about it again.|TALKLINE 4:Robbers been around our forests - remember?");
    opt(q, 15, 1, "[ifcond 0]", "And I have news for you. I did find the robbers.|TALKLINE 16:You truly were an adventurer of your word!");
    opt(q, 15, 2, "[ifncond 0] [confirmopt]",
        "I'm sorry, but I have to give up on this.|REJECT:That is unfortunate, but what can you do. Take care then, and "
        "be careful in the woods!");

    say(q, 16, "[credit reward:50] [cant cancel] [befriend]",
        "Now I'm eager to hear how it ended up there. I see you survived, but how about the robber band? Are they "
        "beaten and chased away now?");
    opt(q, 16, 0, "[ifsemicond 1]",
        "I fought them hard and cut down at least some of them.|TALKLINE 17:You have done well! Decreasing their "
        "strength ought to make them understand to leave our lands.");
    opt(q, 16, 1, "[ifcond 1]",
        "Let's just say that I made sure they won't be robbing no one no more.|TALKLINE 18:That is all we need to know. "
        "You did what you had to do.");
    opt(q, 16, 2, "[ifncond 1]", "I'm afraid they still just might be lurking in the woods....|TALKLINE 19:Oh...");

    say(q, 17, "[completed] [claim reward] [repinc:1]", "You have earned a reward, <plr_identity>. ");
    opt(q, 17, 0, "", "I'm very grateful for this.|EXIT:Oh, don't mention it. You have earned it.");

    say(q, 18, "[credit reward:100] [claim reward] [completed] [repinc:3]", "A hero needs a reward and you shall be given one. ");
    opt(q, 18, 0, "", "Thank you.|EXIT:You are welcome, champion.");

    say(q, 19, "[credit reward:20]", "So you found them, but didn't manage to chase them away?");
    opt(q, 19, 0, "[ifncond 2]",
        "Umm.. Yes... Something like that.|EXIT:Damn. I was hoping for news of their defeat. So the robber hunt is still "
        "on, if you are up to continue.");
    opt(q, 19, 1, "[ifcond 2]",
        "I caused them some trouble, but I don't know if it was enough to make them leave for good.|TALKLINE 17:I trust "
        "you did your best and this encourages us to continue the pursuit if need be.");
}

void witness_lines(QuestStruct &q, const Story &s) {
    copy_bounded(q.olText, sizeof q.olText, "I heard you met some robbers?|TALKLINE 0");
    sayf(q, 0, "[reset once]",
         "I sure did! And I was lucky it didn't end up to be the last time for me to roam in forests of %s. Down with "
         "them pitiless bunch!",
         s.camp);
    opt(q, 0, 0, "", "Now how did it happen?|TALKLINE 2");
    opt(q, 0, 1, "", "Do you know who they are?|TALKLINE  4:I can tell you that. I saw them real close with my own eyes.");

    say(q, 2, "",
        "It was a blessing in disguise that I met them. See, I was on a hunting trip but got a bit lost. The day went "
        "by as I circled around looking for a familiar landmark, and by late evening I smelled smoke. Figuring it "
        "might be a camp of local woodsman I went towards it, hoping for a warm fire and a way home. But instead of "
        "good people I found those robbers sitting by a campfire!");
    opt(q, 2, 0, "", "What they were doing?|TALKLINE 5:I don't know, but they were alert and I wasn't hidden.");
    opt(q, 2, 1, "", "Did you charge them?|TALKLINE 6:Me? No. I'm not a hero. So...");
    opt(q, 2, 2, "[once]", "Did you get to see who they are?|TALKLINE 4");

    sayf(q, 4, "[once] [keep options] [info]",
         "They are one filthy band of %s men - I took a notice of that. And there were %s of them, all armed and fit.",
         s.robbers, s.count);

    sayf(q, 5, "[once]",
         "As soon as they noticed me they grabbed their blades and stepped forward. Only then I realized having faced "
         "the danger and looking at these rumoured robbers with my own eyes. One of them commanded me to hand over my "
         "belongings and others joked about robbing at %s getting boringly easy.",
         s.camp);
    opt(q, 5, 0, "", "So, what did you do?|TALKLINE 6:I don't take commands from robbers! But I'm no hero either... ");
    opt(q, 5, 1, "",
        "What did they look like?|TALKLINE 4:To me they looked like someone you want to strangle and bury in a bog!");
    opt(q, 5, 2, "",
        "I see you survived, so let's waste no more time. Just tell me where you met them?|TALKLINE 7:Oh. Okay. But I'm "
        "not too sure of it.");

    sayf(q, 6, "",
         "I escaped. There were %s of them and I couldn't have fought such a band of armed %s men alone. If I was lost "
         "already now it took two full days to relocate myself and find finally a way back home.",
         s.count, s.robbers);
    opt(q, 6, 0, "", "Can you tell me exactly where you met them?|TALKLINE 7:Not exactly, only vaguely.");
    opt(q, 6, 1, "", "And you saw them properly?|TALKLINE 4:I had a good look at them from an unpleasantly close distance.");
    opt(q, 6, 2, "",
        "And they attacked you?|TALKLINE 5:Damn right they did! I stumbled upon their camp without knowing who they "
        "are.");

    sayf(q, 7, "[info] [area]",
         "I was lost in the woods when I met them and then ran for my life without watching scenery. But if I think "
         "about it, I guess it might have been %s. I'm sure they aren't stupid to have stayed there for a long time. "
         "Tresspassers have brought us rumors from every corner of %s so they are on the move a lot.",
         s.way, s.camp);
    opt(q, 7, 0, "", "Maybe I could try to find them.|TALKLINE 8:Mmm. Maybe.");
    opt(q, 7, 1, "", "Okay. We better be careful around that area then.|EXIT:You said it.");

    sayf(q, 8, "",
         "If you really are up to confronting them you should talk to %s about it. These ruthless bandits need to be "
         "chased away from our lands - and soon!",
         s.giver_full);
    opt(q, 8, 0, "", "Very well. Let's see how it goes.|EXIT:We'll see. Take care and be careful.");
}

}  // namespace

QuestStruct Quest_HomelandRobbers(CreatureStruct *giver, int worldX, int worldY) {
    const int robbers_culture = giver ? ConflictNeighbour(giver->culture) : 0;
    memset(&qS, 0, sizeof qS);
    memset(&sivuqS, 0, sizeof sivuqS);
    if (!giver || giver->kind != CK_HUMAN) return qS;
    const int culture = giver->culture;
    if (culture == FORESTERS || culture == VAGABONDS || culture != Plr.culture) return qS;
    const int none[] = {giver >= Cre && giver < Cre + CRE_COUNT ? (int)(giver - Cre) : CRE_NONE, CRE_NONE};
    const int witness = pick_side_person("[man]", *giver, none);
    if (witness == CRE_NONE) return qS;
    const UiPoint camp = FindBigmapLoc(worldX, worldY, 100, 200, BIGLOC_CULTURE, culture, 0);
    if (camp.x == 0) return qS;
    if (cre_file_records() < 0) return qS;

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
    if (info[1] == 0) return qS;

    qS.kind = ROBBERS_KIND;
    qS.daysToComplete = 30;
    qS.offerLifeDays = 60;
    qS.markerFlag = 1;
    qS.questMode = 2;
    copy_bounded(qS.title, sizeof qS.title, "Homeland robbers");
    copy_bounded(qS.subject, 64, "restless times");
    qS.grade = 4;
    qS.giverUid = giver->socialid;
    qS.worldX = worldX;
    qS.worldY = worldY;
    qS.bandCommunity = band;
    qS.bandCount = (uint8_t)count;
    const uint8_t types[3] = {3, 4, 2};
    for (int k = 0; k < 3; k++) {
        qS.condType[k] = types[k];
        qS.condUid[k] = band;
    }
    qS.rewardKind = 2;
    qS.rewardCount = 100;
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");
    giver_lines(qS, s);

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
        memset(&qS, 0, sizeof qS);
        return qS;
    }
    Cre[witness].quest = sivuqS.id;
    qS.sideQuestIds[0] = sivuqS.id;
    return qS;
}
