// src/quests/kinds_lore.cpp -- an old man's lessons in the lore of the spirits: the water folk (51) for
// one who fishes a lot, the spirit of the forest (52) for a hunter. Listening teaches a spell; telling
// him later of a meeting with the spirit teaches another and ends the lesson.
#include "quests/questkinds.h"

#include <cstdio>
#include <cstring>

#include "activities/magic.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "quests/kinds_people_int.h"
#include "quests/questgen_int.h"
#include "quests/rewards.h"

// ---- 51: the water folk --------------------------------------------------------------------------

static const TalkRow WATER_LORE[] = {
    {0, "You know what, <plr_identity>, I've been thinking it is the time you should get to know the water folk.", "",
     {{"Oh, the water folk?|TALKLINE 2:Yes.", ""},
      {"Aha, and what has made you think so?|TALKLINE 1:I've been watching you.", ""}}},
    {1,
     "You can fish and you can row, but you need to be aware of those who rule and guard the fish and the waters. "
     "You know next to nothing of the spirits of the water, <plr_identity>, and I would like to put that in order "
     "before it costs you your luck.",
     "[introduce]",
     {{"Very well. I am listening.|TALKLINE 3:Good. Let's get started then.", ""},
      {"I don't think concerns me at all.|REJECT:Hmpf. I must have been wrong about you.", "[confirmopt]"}}},
    {2,
     "I see you have done a good share of fishing during your days, so it is time I shared with you the lore of the "
     "lake dwellers and the spirits of the water. You must learn it if you are to get along with the water folk.",
     "[introduce]",
     {{"I see, and will gladly listen to you.|TALKLINE 3:Good. Let's get started then.", ""},
      {"Well, I don't know if that's actually necessary.|TALKLINE 1:Well, hear me out and you'll see.", ""}}},
    {3,
     "Each and every lake, even the smallest ponds, have a guardian spirit of their own. The spirits of the water "
     "are mighty and moody. Some of them are helpful and some are cranky, but every one of them is to be respected. "
     "And now and then they appear to people.",
     "[info]",
     {{"How do people get to meet them?|TALKLINE 4:Well, not everyone does but I'm hoping you would.", ""},
      {"Might they appear for me as well?|TALKLINE 4:I hope so.", "[summary]"},
      {"What are they like?|TALKLINE 5", "[summary]"}}},
    {4,
     "On rare occasion the old lake dwellers may come to loyal fisherman's campfire by themselves. Usually, though, "
     "people must seek an audience with them, and I can advise you how, where and when that is done.",
     "",
     {{"So, tell me all about it?|TALKLINE 6", "[summary]"},
      {"Hmm, what is this water folk like?|TALKLINE 5", ""},
      {"You think I should meet them?|TALKLINE 6:Maybe, but hear me out at least.", ""}}},
    {5,
     "Spirits of the water can appear in many forms. They are dressed in reeds and grass, and their voices are "
     "bright. The oldest of them are bowed, long-bearded gaffers. The younger ones are graceful men with reddish "
     "skin, big brown eyes and long black hair.",
     "[info] [once] [keep options]", {}},
    {6,
     "Like many otherworldly beings, also the water folk must be met alone, and at night. {spell} Seeing them is "
     "one thing, manners to notice their messages is another, more important thing.",
     "[info] [magicmeans:{means}] [magicvar:0]",
     {{"Firstly, what do they look like?|TALKLINE 5", ""},
      {nullptr, nullptr},
      {"And then, what should I know and how to behave?|TALKLINE 8", "[summary]"}}},
    {8,
     "Upon meeting spirits of the water, however it happens, do nothing but wait and observe. Their looks tell you "
     "how things are. Gentle looks or decorative clothes mean that they are pleased, and good catches will be given "
     "to you. Gloomy looks mean misfortune, or that sacrifices are best performed.",
     "[info] [accept]",
     {{"And what does this water folk actually look like?|TALKLINE 5", ""},
      {"I see. Anything else I should know about?|TALKLINE 12:You'll learn more over time, if it comes that.",
       "[summary]"}}},
    {12,
     "Spells and means to address the water folk are numerous, but I have told you enough already. It is for you to "
     "decide when to use this knowledge. I would be glad to hear one day that spirits of the water have appeared to "
     "you.",
     "[info]", {{"Very well. We'll see how it goes.|EXIT:Good. Take care now.", ""}}},
    {15, "Bear in mind, <plr_identity>, what I've told you about the water folk.", "",
     {{"Tell me again about the water folk?|TALKLINE 3:Oh, alright, then listen up again.", "[ask summary]"},
      {"I think I have met the spirit of the water!|TALKLINE 16:Good to hear that passing the knowledge on to you was "
       "worthwhile.",
       "[ifcond 0]"}}},
    {16,
     "It can be tricky and demanding, but try to stay in good terms with spirits of the water and you'll be "
     "favoured. Over time you will learn many means to please the water folk, but there is one last spell I want to "
     "give you. I am talking about {title}, which is something to bear in mind if you are to live off the waters.",
     "[cant cancel] [befriend]",
     {{"I see, and I am all ears.|TALKLINE 17:This the last advise I can give you, to make spirits at your fishing "
       "grounds happier.",
       ""}}},
    {17,
     "{last} Mmm. Now you are off to live and learn. Remember what you've heard and seen, and respect the beings "
     "who watch over the waters.",
     "[completed] [info] [tk:{last_means}.0]",
     {{"Very well. Thank you for your guidance.|EXIT:Mmm. Take care, and wherever you go I hope you fare and fish "
       "well.",
       ""}}},
};

// ---- 52: the spirit of the forest ----------------------------------------------------------------

static const TalkRow FOREST_LORE[] = {
    {0, "Tell me, <plr_identity>, how would you like to get to know those whose forests you roam?", "",
     {{"Who you might be talking about?|TALKLINE 2:The spirits, silly. Who else?", ""},
      {"What's it to you where I roam?|TALKLINE 1:To me? Sigh.", ""}}},
    {1,
     "I believe you have been given a decent share of preys during your hunting times, but you are not properly "
     "aware of those who rule the forests and the animals. You have not met the spirit of the forest yet, "
     "<plr_identity>, and I would like to help you with that.",
     "[introduce]",
     {{"Oh. I am listening.|TALKLINE 3:Good for you. Let's get started then.", ""},
      {"Hmpf. I do not need your help.|REJECT:Begone then, you ignorant fool!", "[confirmopt] [befoe]"}}},
    {2,
     "It is evident that you can find the trails and hunt the game, but the spirit of the forest is a ruler a "
     "hunter had better know closely. I have been watching you, and I find you worthy of the lore.",
     "[introduce]",
     {{"I am thankfully listening.|TALKLINE 3:I knew you would. Let's get started then.", ""},
      {"I don't think it is that important.|TALKLINE 1:You are all wrong.", ""}}},
    {3,
     "There are many otherwordly beings in the woods, but the mightiest is the spirit of the forest. A hunter must "
     "observe the rules, make sacrifices and appease the spirits. Each forest has a ruler of its own, and all the "
     "game in it is his. His favour is best assured by meeting the spirit in person.",
     "[info]",
     {{"How do people get to meet these spirits?|TALKLINE 4:Well, not everyone does but I'm hoping you would.", ""},
      {"Would it possible for me to meet the spirit of forest?|TALKLINE 4:I hope so.", "[summary]"},
      {"What are they like?|TALKLINE 5", "[summary]"}}},
    {4,
     "Rarely does the spirit of the forest appear spontaneously before one's eyes. When he does, it shows either "
     "great satisfaction or fury. But there are means to summon him for an audience, to seek his advice and to keep "
     "on good terms with him.",
     "",
     {{"Yes, I certainly would like to learn all there is to it.|TALKLINE 6:Here the essentials are proper location "
       "and possessions.",
       "[summary]"},
      {"Oh, and what kind of sight this spirit of the forest might be?|TALKLINE 5", ""},
      {"You think I should meet the spirit of the forest?|TALKLINE 6:It's the best way to know where you stand in his "
       "eyes.",
       ""}}},
    {5,
     "The spirit of the forest appears in form of an old man with extremely long beard, grey like tree lichen. He is "
     "often dressed in lichen and moss. At first he may stand as tall as the forest, and then be a short old man. "
     "All of them wear a grey hat you will recognize.",
     "[info] [once] [keep options]", {}},
    {6,
     "{spell} Not only what the spirit might tell you, but also how he looks like, are both important messages "
     "from the forest you need to observe.",
     "[info] [magicmeans:{means}] [magicvar:0]",
     {{"Firstly, how does this spirit look like, if he arrives?|TALKLINE 5", ""},
      {nullptr, nullptr},
      {"And then, what should I do or say to behave right?|TALKLINE 8", "[summary]"}}},
    {8,
     "The custom is to let the spirit do the talking. Let him approach you, and listen. A pleased spirit looks at "
     "you with gentle big brown eyes, an upset one is gloomy. His words may lash you, advise you or praise you, and "
     "a favoured hunter may even be told where the game roams.",
     "[info] [accept]",
     {{"I wonder how is the appearance of the forest spirit then?|TALKLINE 5", ""},
      {"I see. Anything else I should know about?|TALKLINE 12:Do not underestimate the forest.", "[summary]"}}},
    {12,
     "An angered spirit of the forest may revenge with sickness or getting you lost. Hunting spells and sacrifices "
     "keep you on good terms with him, but meeting the spirit proves the alliance. I hope to hear one day that the "
     "spirit of the forest has appeared to you.",
     "[info]", {{"Very well. We'll see how it goes.|EXIT:Good. Take care now.", ""}}},
    {15, "As you roam the woods, <plr_identity>, remember what I've told you about the spirit of the forest.", "",
     {{"Could you please tell me again about the spirit of the forest?|TALKLINE 3:Oh, alright, then listen up and pay "
       "attention.",
       "[ask summary]"},
      {"You were right! I did meet the spirit of the forest!|TALKLINE 16:Ah, great! So you were worth the knowledge "
       "and wise enough to respect my advice.",
       "[ifcond 0]"}}},
    {16,
     "Stay away from angering the spirit of the forest. Always be humble and modest, and you'll be favoured. You "
     "will learn more from your own experience, but there is one spell I would like to teach you. It is {title}, "
     "which is something to bear in mind if you'd like to see your trapping and hunting prosperous.",
     "[cant cancel] [befriend]",
     {{"That sure is interesting. I'm listening.|TALKLINE 17:Listen carefully, you are one of the few I've ever told "
       "this.",
       ""}}},
    {17,
     "{last} With all this knowledge you are now on a solid path. Remember that the spirits of the forest are "
     "always watching you.",
     "[completed] [info] [tk:{last_means}.0]",
     {{"Very well. Thank you for your guidance.|EXIT:Mmm. Take care, and wherever you go I hope you remember my "
       "advice.",
       ""}}},
};

// ---- the lesson ----------------------------------------------------------------------------------

struct Lesson {
    int kind;
    int met;                 // the meeting bit that ends the lesson
    bool (*looks_fit)();     // whom the old man would teach
    const char *title, *subject;
    int days;
    int first, last;         // the means taught at line 6 and at the end
    const TalkRow *talk;
    size_t lines;
};

static bool appears_fisherman() { return plr_appears_fisherman(); }
static bool appears_hunter() { return plr_appears_hunter(); }

static const Lesson LESSONS[2] = {
    {51, MET_WATER_SPIRIT, appears_fisherman, "The water folk", "fishing related matters", 90, 135, 111, WATER_LORE,
     sizeof WATER_LORE / sizeof WATER_LORE[0]},
    {52, MET_FOREST_SPIRIT, appears_hunter, "Spirit of the Forest", "forest manners", 240, 190, 192, FOREST_LORE,
     sizeof FOREST_LORE / sizeof FOREST_LORE[0]},
};

static QuestStruct lesson(const Lesson &l, int npc, int x, int y) {
    QuestStruct &qS = qgen_begin();
    if (*plr_bytes(PB_SPIRITS_MET) & l.met) return qS;   // she has met the spirit: nothing left to teach
    if (!l.looks_fit()) return qS;

    qS.kind = (uint16_t)l.kind;
    qS.daysToComplete = (uint8_t)l.days;
    qS.offerLifeDays = 30;
    copy_bounded(qS.title, sizeof qS.title, l.title);
    copy_bounded(qS.subject, sizeof qS.subject, l.subject);
    qS.grade = 7;
    qS.giverUid = npc >= 0 && npc < CRE_COUNT ? Cre[npc].socialid : 0;
    qS.worldX = x;
    qS.worldY = y;
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");

    char spell[400], title[100], last[400], means[12], last_means[12];
    copy_bounded(spell, sizeof spell, taikakeino_desc(l.first, 0));
    copy_bounded(title, sizeof title, taikakeino_title(l.last));
    copy_bounded(last, sizeof last, taikakeino_desc(l.last, 0));
    snprintf(means, sizeof means, "%d", l.first);
    snprintf(last_means, sizeof last_means, "%d", l.last);
    const TalkSub fills[] = {
        {"spell", spell}, {"title", title}, {"last", last}, {"means", means}, {"last_means", last_means}};
    talk_lines(qS, l.talk, l.lines, fills, sizeof fills / sizeof fills[0]);
    return qS;
}

QuestStruct Quest_WaterFolk(int npc, int x, int y) { return lesson(LESSONS[0], npc, x, y); }
QuestStruct Quest_ForestSpirit(int npc, int x, int y) { return lesson(LESSONS[1], npc, x, y); }
