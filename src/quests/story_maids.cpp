// src/quests/story_maids.cpp -- "Forest Maids" (kind 50): in the autumn an old man talks of the forest
// maids; a young man of the village says he met one, a maiden mocks his tale, and his uncle in another
// village knows how to make a fire that draws them. Won once the player has met a forest maid.
#include <cstring>

#include "activities/magic.h"
#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/describe.h"
#include "maps/directions.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "quests/questkinds.h"
#include "quests/stories_int.h"

using namespace stories;

namespace {

enum { MAIDS_KIND = 50, MAID_MET = 2, MAID_MEANS = 25, AUTUMN_MONTH = 9, AUTUMN_DAY = 15 };

QuestStruct story_qS, boyqS, maidqS, uncleqS;

struct Story {
    char giver[17], boy[17], maiden[17];
    char boy_full[80], uncle_full[80], way[200];
    unsigned boy_id, maid_id, uncle_id;
};

const TalkRow OLDMAN_TALK[] = {
    {0,
     "It's this time of the year again, <plr_identity>. Always gets me thinking if they have been met yet. Forest "
     "maids, I mean. Met by you, by any chance?",
     "",
     {{"Forest maids, huh? I wouldn't know.|TALKLINE 3:Haven't seen, or even heard about? Well...", ""},
      {"What is it about this time of the year?|TALKLINE 2", ""},
      {"You just dream on, old man.|TALKLINE 1", "[femalepc]"},
      {"Oh you babbling oldsters!|TALKLINE 1", "[malepc]"}}},
    {1,
     "You don't care to listen to an old man?",
     "",
     {{"Well, alright, go on then.|TALKLINE 2:And you pay attention, youngster.", ""},
      {"No. I don't.|REJECT:As you wish.", "[confirmopt] [befoe]"}}},
    {2,
     "We live the transition period now. Summer is passing and winter is coming, and in between the spirits, the "
     "dead and the forest folk move about more freely than at any other time. And as the nights grow darker, the "
     "forest maids are all the keener to find their way to lone campfires.",
     "",
     {{"Just what kind of creatures are you talking about?|TALKLINE 3:Creatures of the forest. That's what I'm "
       "talking about.", "[ifnsaid 3]"},
      {"Maids who come at campfires? For what?|TALKLINE 6:For all I know it is one of their things.",
       "[ifnsaid 3] [malepc]"},
      {"Silly maids. I always build campfires of my own.|TALKLINE 7:Right, but they are not womenfolk of your kind.",
       "[ifnsaid 3] [femalepc]"},
      {"I see, but what is that they come or appear for?|TALKLINE 6", "[ifsaid 3] [summary] [malepc]"},
      {"I see, but what is that they come or appear for?|TALKLINE 7", "[ifsaid 3] [summary] [femalepc]"}}},
    {3,
     "Forest maids are pretty and secretive otherworldly forest folk who may sometimes appear to favoured "
     "wanderers, especially these days. Pretty maids in pretty dresses, they are, and a delight in the night for "
     "those who are lucky enough.",
     "[info]",
     {{"Hmm... What is that they come or appear for?|TALKLINE 6", "[ifnsaid 6] [malepc] [summary]"},
      {"Sure. In the eyes and minds of men at least.|TALKLINE 7", "[ifnsaid 7] [femalepc] [summary]"},
      {"Something special about these days then?|TALKLINE 2", "[summary] [ifnsaid 2]"},
      {"And you have met forest maids yourself?|TALKLINE 10:Mmm. I have met a few during my younger years.",
       "[ifsaid 6] [malepc] [summary]"},
      {"Sure. In the eyes and minds of men at least.|TALKLINE 10:Well, you are pretty too, but I have also met forest "
       "maids during my younger years.", "[ifsaid 7] [femalepc] [summary]"}}},
    {6,
     "They are playful creatures, keen of delighting lone woodsmen. They show themselves off and murmur their "
     "secrets to those they fancy. Some men find them intimidating, I know, but my own times in their company were "
     "always good ones.",
     "[info]",
     {{"Oh! You don't seem to be talking about quite ordinary maids at all?|TALKLINE 3:Oh no. They are not people at "
       "all.", "[ifnsaid 3]"},
      {"I'm all ears now.|TALKLINE 3:Well...", "[ifnsaid 3]"},
      {"Oh, you have actually met them?|TALKLINE 10:I was fortunate to meet a few during my younger years.",
       "[ifsaid 3]"},
      {"What is it like, their company?|TALKLINE 10:Well, I can tell you some of it. I was fortunate to meet a few "
       "during my younger years.", "[ifsaid 3] [summary]"}}},
    {7,
     "They are playful creatures and keen of delighting...well...lone woodsmen. I too enjoyed the company of a forest "
     "maid years ago. Who knows, maybe they also appear to women wanderers they fancy. Nobody has told me otherwise.",
     "[info]",
     {{"Whatever they are, they sound like generous maids.|TALKLINE 3:Ahem. But they are not people at all.",
       "[ifnsaid 3]"},
      {"Don't be shy. I'm all ears.|TALKLINE 3:Oh. Well...", "[ifnsaid 3]"},
      {"You are telling me to have actually met a forest maid?|TALKLINE 10:Yes, if you care to listen. I was "
       "fortunate to meet a few during my younger years.", "[ifsaid 3]"},
      {"And how was the company of a forest maid like?|TALKLINE 10:Well, I can tell you some of it. I was fortunate to "
       "meet a few during my younger years.", "[ifsaid 3] [summary]"}}},
    {10,
     "I reckon the forest was pleased with me, as were the forest maids. They told me where the game was and shared "
     "the night and the fire with me. My days of appealing to them are long gone now, but I still long to hear "
     "stories and sightings of them.",
     "[info]",
     {{"Oh, now I'd like to meet a forest maid myself too.|TALKLINE 13:It happens if it happens.",
       "[summary] [malepc]"},
      {"Yeah, right, but I'm a maid myself too, so...|TALKLINE 13:Hmm. Right. But forest maids can be unpredictable, "
       "and curious.", "[summary] [femalepc]"},
      {"So have you heard about sightings of them?|TALKLINE 12:In the past, yes, but not lately.", "[summary]"}}},
    {12,
     "It was last year that our {boy_full} met a forest maid. I can speak of my encounters but I don't gossip, so if you "
     "are interested have a word with him yourself.",
     "[once] [info] [keep options] [openQno:{boy_id}]",
     {}},
    {13,
     "They tend to come at nighttime campfires of those who they fancy. That's how it went with {boy} too. He was "
     "always keen to meet them and eventually he did. Maybe it goes the same way for you, and if it does, I would "
     "be delighted to hear of it.",
     "[accept]",
     {{"And who is {boy}?|TALKLINE 12:The other one here besides me who has seen forest maids.", "[malepc] [summary]"},
      {"You think? Well, who is {boy}?|TALKLINE 12:The other one here besides me who has seen forest maids.",
       "[femalepc] [summary]"},
      {"Very well. We shall see.|EXIT:Alright. Bye for now, youngster.", "[ifsaid 12] [summary]"}}},
    {15,
     "Well, <plr_identity>, there they prance in the woods, the forest maids. Hmm.",
     "",
     {{"Tell me again about the forest maids?|TALKLINE 3:With pleasure. They are something to talk about.",
       "[ask summary]"},
      {"And I think I have seen one!|TALKLINE 16:Ooh! I am happy for these news, but say no more. It is all between "
       "you and forest maids now. One last advise though.", "[ifcond 0]"}}},
    {16,
     "If they ever reward you with something it's usually to be found behind nearby trees or so. Whatever you may "
     "receive, keep it to yourself and never tell anyone how you got it. Otherwise it disappears or gets ruined.",
     "[completed] [info]",
     {{"Thank you for your guidance.|EXIT:Take care, and stay in good terms with the forest folk.", ""}}},
};

void oldman_lines(QuestStruct &q, const Story &s) {
    char boy_id[16];
    snprintf(boy_id, sizeof boy_id, "%u", s.boy_id);
    const TalkSub subs[] = {{"boy_id", boy_id}, {"boy_full", s.boy_full}, {"boy", s.boy}};
    talk_lines(q, OLDMAN_TALK, subs);
}

const TalkRow BOY_TALK[] = {
    {0,
     "Aha. So you have heard, <plr_identity>. From who?",
     "",
     {{"Just somebody.|TALKLINE 1:Just somebody? Right. Let me me guess.", ""},
      {"It was {giver} who told me.|TALKLINE 2:Oh! Alright.", ""}}},
    {1,
     "Our {maiden} has been very willing of telling her version of the story. Meh. That little local know-it-all maiden "
     "always knows everyone's affairs better than themselves.",
     "[openQno:{maid_id}]",
     {{"Be that as it may, but I want to hear it all from you.|TALKLINE 3:Oh... Well...", ""},
      {"Oh, but it wasn't her who told me.|TALKLINE 2", "[ifnsaid 2]"}}},
    {2,
     "That is good to hear. For a moment I thought you have been informed by our common gossiper just like "
     "everybody else around here. She loves to talk on my behalf, but she is just all wrong.",
     "",
     {{"Umm, about whom are you talking?|TALKLINE 1:I wouldn't even care to mention, but well, you may meet her "
       "anyway.", "[ifnsaid 1]"},
      {"I see, but now I just want to hear what happened from you.|TALKLINE 3", ""}}},
    {3,
     "I truly met a forest maid last year while working in the woods. I slept under the open sky, and in the night "
     "I woke up to see a pretty maid sitting by my campfire. She came and snuggled beside me, warm and soft, and I "
     "was so mesmerised that I fell asleep again in her arms.",
     "[info]",
     {{"Sounds like a pleasant encounter.|TALKLINE 4:So far it was. But then it turned unpleasant.", ""}}},
    {4,
     "When I woke up, the fire was out, and she stood in the distance asking me to follow. So I followed her, far "
     "away from my camp. Then she turned, and her back was hollow, like the bark of an old tree. And then she "
     "vanished among the trees.",
     "[info]",
     {{"And, that's it?|TALKLINE 5:The forest maid was gone, yes, but my troubles continued.", ""}}},
    {5,
     "I was freezing and frightened and barely found back to the camp, and there I found I had forgotten where I "
     "had left my axe. I searched for it in vain and had to return to the village without it. Whoever wants to "
     "laugh at me should first ask my uncle.",
     "[openQno:{uncle_id}]",
     {{"Your uncle?|TALKLINE 6:I told you my story, and he is the one who can confirm.", ""}}},
    {6,
     "My uncle {uncle_full} lives in a village {way}. If forest maids still interest you just go find him.",
     "[info] [ol:Could you tell your forest maid story again?|TALKLINE 1:Sure!]",
     {{"Very well. Nice that you told me.|EXIT:Mmm. It was nice that you asked.", ""}}},
};

void boy_lines(QuestStruct &q, const Story &s) {
    copy_bounded(q.olText, sizeof q.olText, "I heard you have met a forest maid.|TALKLINE 0");
    char maid_id[16];
    snprintf(maid_id, sizeof maid_id, "%u", s.maid_id);
    char uncle_id[16];
    snprintf(uncle_id, sizeof uncle_id, "%u", s.uncle_id);
    const TalkSub subs[] = {{"giver", s.giver}, {"maid_id", maid_id}, {"maiden", s.maiden}, {"uncle_id", uncle_id},
                            {"uncle_full", s.uncle_full}, {"way", s.way}};
    talk_lines(q, BOY_TALK, subs);
}

const TalkRow UNCLE_TALK[] = {
    {1,
     "Yes, that's me. So {boy} has told you about his encounter. Mmm. Forest maids, always so unpredictable.",
     "",
     {{"Have you ever met forest maids?|TALKLINE 2:Yes, but I keep it to myself. If you are curious, go and see for "
       "yourself.", ""},
      {"I wonder if {boy} really met one?|TALKLINE 2:Of course. He was always keen to see them, and it was me who "
       "advised him.", ""},
      {"Could you tell me more about forest maids?|TALKLINE 2:That's what {boy} also asked me once. But, sure, I can tell "
       "you.", ""}}},
    {2,
     "They dwell in distant forests of spruce and moss. The fall and the dirt months are their time. Spend the night "
     "alone at a spruce mire, sleeping on the moss by your campfire, and you might meet them - if they find you "
     "appealing, or if you follow the means to attract them.",
     "",
     {{"What is it like to meet them?|TALKLINE 4:It depends. They treat you and speak to you as they find you.", ""},
      {"How do you attract them?|TALKLINE 3:There are special means for building a fire where you want forest maids to "
       "appear.", ""}}},
    {3,
     "{desc}",
     "[once] [keep options] [info] [magicmeans:{means}] [magicvar:0]",
     {}},
    {4,
     "They can tease and seduce, but also to favour and reward. There are rumours of their dearest being given "
     "clothes that never wear out. My advice is to stay put when one comes, wait for her to take the initiative, "
     "and see where it goes.",
     "[info]",
     {{"You also mentioned about attracting them?|TALKLINE 3:Mmm. There are special means for building a fire where "
       "you want them to appear.", "[ifnsaid 3]"},
      {"I see. Good to know this.|TALKLINE 5:Mmm.", "[ifsaid 3]"}}},
    {5,
     "Well, now you know what I know about forest maids. Take care, <plr_identity>, and stay in good terms with the "
     "forest and all its beings and folk. That would be my final advise to you.",
     "[reset once] [ol:About forest maids again...|TALKLINE 2:I told it all.]",
     {{"Alright. Take care you too.|EXIT:Mmm. Bye for now.", ""}}},
};

void uncle_lines(QuestStruct &q, const Story &s) {
    fieldf(q.olText, sizeof q.olText, "%s's uncle, right? And you know about forest maids?|TALKLINE 1", s.boy);
    char means[16];
    snprintf(means, sizeof means, "%d", MAID_MEANS);
    const TalkSub subs[] = {{"boy", s.boy}, {"means", means}, {"desc", taikakeino_desc(MAID_MEANS, 0)}};
    talk_lines(q, UNCLE_TALK, subs);
}

const TalkRow MAIDEN_TALK[] = {
    {0,
     "He met the most beautiful maid in the woods and it was a night to remember. Ha, ha, ha! That's what {boy} says, "
     "anyway. Too many days of lone timberwork deep in the forest, and a young man starts dreaming.",
     "",
     {{"What do you think happened then?|TALKLINE 1", ""},
      {"How can you be so sure?|TALKLINE 2:Oh, you should know how young men are.", ""}}},
    {1,
     "He worked hard for the day and dreamed hard for the night, and woke up with a mouthful of moss, hugging a tree "
     "stump. Poor {boy} lost an axe there, and had to come up with a story. One that his fellows enjoy to this day.",
     "",
     {{"That's what you think?|TALKLINE 2:Of course. You know how young men are.", ""},
      {"Maybe you are wrong?|TALKLINE 2:Or maybe I've heard enough young mens tales to know for sure.", ""}}},
    {2,
     "They talk and imagine this and that of us next door maids as well. But now {boy} and the forest maid are a famous "
     "tale among us real maids. It's like that, <plr_identity>, and that's it.",
     "",
     {{"Is that so?|EXIT:You heard me. Bye, bye.", "[malepc]"},
      {"Is that so?|EXIT:Fellow maiden, that's the way it is. See you around.", "[femalepc]"}}},
};

void maiden_lines(QuestStruct &q, const Story &s) {
    fieldf(q.olText, sizeof q.olText, "You know about %s and the forest maid?|TALKLINE 0:Heh, sure I do. Doesn't everybody?",
           s.boy);
    const TalkSub subs[] = {{"boy", s.boy}};
    talk_lines(q, MAIDEN_TALK, subs);
}

}  // namespace

QuestStruct Quest_ForestMaids(int npc, int worldX, int worldY) {
    memset(&story_qS, 0, sizeof story_qS);
    memset(&boyqS, 0, sizeof boyqS);
    memset(&maidqS, 0, sizeof maidqS);
    memset(&uncleqS, 0, sizeof uncleqS);
    if (npc < 0 || npc >= CRE_COUNT || Cre[npc].kind != CK_HUMAN) return story_qS;
    if (Plr.month == AUTUMN_MONTH && Plr.day < AUTUMN_DAY) return story_qS;
    if (Plr.forest_maiden & MAID_MET) return story_qS;
    CreatureStruct &giver = Cre[npc];
    const int none[] = {npc, CRE_NONE};
    const int boy = pick_side_person("[young man]", giver, none);
    if (boy == CRE_NONE) return story_qS;
    const int taken[] = {npc, boy, CRE_NONE};
    const int maiden = pick_side_person("[maiden]", giver, taken);
    if (maiden == CRE_NONE) return story_qS;
    const UiPoint village = FindBigmapVillage(IsoX(), IsoY(), 10, 50, BIGLOC_CULTURE, giver.culture);
    if (village.x == 0) return story_qS;
    if (!stored_map_made(village.x, village.y) || !stored_map_has_room(village.x, village.y)) return story_qS;

    Story s{};
    static CreatureStruct uncle;
    synnyta_IHMISOLENTO(uncle, SPECIES_ELDER, giver.culture, 0);
    s.uncle_id = crID();
    uncle.quest = s.uncle_id;
    uncle.community = Mapinfo_socID(village.x, village.y);
    const unsigned uncle_uid = new_person_placed(uncle, village.x, village.y);
    if (!uncle_uid) return story_qS;
    s.boy_id = crID();
    s.maid_id = crID();

    personal_name(giver, s.giver);
    personal_name(Cre[boy], s.boy);
    personal_name(Cre[maiden], s.maiden);
    copy_bounded(s.boy_full, sizeof s.boy_full, monnam(boy, 8));
    copy_bounded(s.uncle_full, sizeof s.uncle_full, monnam_cre(uncle, 8));
    copy_bounded(s.way, sizeof s.way, navitxt_Full(worldX, worldY, village.x, village.y, 1));

    story_qS.kind = MAIDS_KIND;
    story_qS.daysToComplete = 60;
    story_qS.offerLifeDays = 15;
    copy_bounded(story_qS.title, sizeof story_qS.title, "Forest Maids");
    copy_bounded(story_qS.subject, 64, "talkative about the certain creatures again");
    story_qS.grade = 3;
    story_qS.giverUid = giver.socialid;
    story_qS.worldX = worldX;
    story_qS.worldY = worldY;
    story_qS.sideQuestIds[0] = s.boy_id;
    story_qS.sideQuestIds[1] = s.uncle_id;
    story_qS.sideQuestIds[2] = s.maid_id;
    copy_bounded(story_qS.pendingText, sizeof story_qS.pendingText, "TALKLINE 15");
    oldman_lines(story_qS, s);

    boyqS.id = s.boy_id;
    boyqS.giverUid = Cre[boy].socialid;
    boyqS.worldX = worldX;
    boyqS.worldY = worldY;
    boyqS.sideRole = 1;
    boy_lines(boyqS, s);

    uncleqS.id = s.uncle_id;
    uncleqS.giverUid = uncle_uid;
    uncleqS.worldX = village.x;
    uncleqS.worldY = village.y;
    uncleqS.sideRole = 1;
    uncle_lines(uncleqS, s);

    maidqS.id = s.maid_id;
    maidqS.giverUid = Cre[maiden].socialid;
    maidqS.worldX = worldX;
    maidqS.worldY = worldY;
    maidqS.sideRole = 1;
    maiden_lines(maidqS, s);
    QuestStruct *const sides[] = {&boyqS, &uncleqS, &maidqS, nullptr};
    if (!save_all(sides)) {
        unmake_person(uncle_uid);
        memset(&story_qS, 0, sizeof story_qS);
        return story_qS;
    }
    Cre[boy].quest = s.boy_id;
    Cre[maiden].quest = s.maid_id;
    return story_qS;
}
