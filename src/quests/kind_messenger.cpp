// src/quests/kind_messenger.cpp -- the messenger (71): a villager with too slow legs sends the player
// with a cryptic message to a man in a distant village of his people, who is made for the errand and
// answers as cryptically; the reply brought back within three days pays a credit of village goods that
// grows with the way.
#include "quests/questkinds.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "creatures/describe.h"
#include "maps/directions.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/kinds_people_int.h"
#include "quests/questgen_int.h"
#include "quests/rewards.h"
#include "quests/stories_int.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

static const char *const MESSAGES[8] = {
    "the wind is raising",    "the forest is humming", "the rapids are calm",           "the old woman is asleep",
    "the lake turned red",    "the pine has spoken",   "there were two sons in a dream", "it is happening again"};
static const char *const REPLIES[7] = {"it's best to prepare the offerings", "it is in the north",
                                       "the knot needs to be untied",        "it is not ready yet",
                                       "the oath still remains",             "the stones have been collected",
                                       "the crow will come"};
static const char *const EXCLAMATIONS[3] = {"Aha. Of course!", "Oh, alright. I get it.", "Good, very good!"};
static const char *const FRIEND_WORDS[3] = {"clever friend of mine", "cunning old friend", "merry old pal"};
static const char *const REACTIONS[3] = {"I have to think about this", "I was hoping to hear that",
                                         "Good, this is good news"};

// The sender's lines. {to} the recipient as the player knows him, {his} his own name, {way} the way to his
// village, {span} the three days, {message} and {reply} the phrases, {heard} the side quest's reply line.
static const TalkRow MESSENGER_TALK[] = {
    {0, "Ho-hum...sometimes I wish I had faster legs.", "",
     {{"Heh, how come you say so?|TALKLINE 2:Busy times.", ""},
      {"Indeed, don't we all?|TALKLINE 1:Yeah, I guess so.", ""}}},
    {1, "You don't happen to be interested in some simple work, huh?", "",
     {{"What kind of work?|TALKLINE 3:Just a little something for your legs too.", ""},
      {"Sorry, but I have duties of my own.|REJECT:I understand. Bye then.", "[confirmopt]"}}},
    {2, "It's been too much of hopping around, keeping up with all the chores around here.", "",
     {{"I see. Just say if there's something I could help you with?|TALKLINE 3:Hmmm... Thinking of it, I might have a "
       "task for you.",
       ""},
      {"Sounds like you need a helping hand.|TALKLINE 1:Or a pair of extra legs, actually.", ""}}},
    {3, "Do you think you could deliver a message on my behalf?", "[info]",
     {{"Let's see. To whom should I deliver your message?|TALKLINE 4", ""},
      {"Well, it depends.|TALKLINE 6:Depends on the reward? Well...", ""},
      {"Sorry, but I don't think so.|REJECT:Aha. Well, bye then.", "[confirmopt]"}}},
    {4,
     "To {to}, he lives in a village {way}. If you deliver my message to {his} and return a reply within {span}, you "
     "have earned a little reward.",
     "[info]",
     {{"I think I can do that. And what is the message to be delivered?|TALKLINE 5:Now, listen carefully.", "[summary]"},
      {"Sorry, but I think I'll pass this task after all.|REJECT:Fine. Bye then.", "[confirmopt] [summary]"},
      {"What that little reward might be?|TALKLINE 6", "[summary]"}}},
    {5, "Go tell to {his} that {message}. Then, get his reply back to me as soon as possible.",
     "[info] [accept] [opensq:0] [introduce]",
     {{"Understood. I will go deliver the message.|EXIT:Good. Thank you. I'll await for his reply.", "[summary]"},
      {"Sounds suspicious! What is this?|TALKLINE 7:Rest assured, nothing bad will happen to you.", "[summary]"},
      {"And you compensate my efforts somehow, right?|TALKLINE 6:Certainly.", ""}}},
    {6, "Get the job done and {pay}.", "[once] [info] [keep options]", {}},
    {7,
     "You don't need to know what it means, and I won't explain. {his} will understand, that is enough, and I need "
     "to hear his reply. So, can you deliver this message?",
     "[info]",
     {{"Oh well, no problem. I will deliver the message.|EXIT:Good. Let me know what he said then.", "[summary]"},
      {"Maybe, but it depends on that reward.|TALKLINE 6:Very well. Just make up your mind.", ""},
      {"Hmm, I'm not convinced. I won't deliver the message.|REJECT:Right. Then forget about it.",
       "[confirmopt] [summary]"}}},
    {8, "Got the reply from {his} yet, <plr_identity>, huh?", "",
     {{"Umm, what was I supposed to do?|TALKLINE 4:You promised to deliver a message on my behalf.",
       "[ask summary] [ifnheard {heard}]"},
      {"No, I haven't got it just yet.|EXIT:Get going then. Chop chop.", "[ifnheard {heard}]"},
      {"Sorry, but I have to give this up.|REJECT:Hmpf. I don't even care to ask why. Bye then.",
       "[confirmopt] [ifnheard {heard}]"},
      {"Yes. He said that {reply}.|TALKLINE 15", "[ifheard {heard}]"}}},
    {15, "{exclamation} Thank you for your help. Well, let's settle that reward of yours now, shall we?",
     "[cant cancel] [repinc:1]",
     {{"Yes, please.|TALKLINE 16:Very well.", "[ifsaid 6]"},
      {"Oh, I get a reward?|TALKLINE 16:Sure thing.", "[ifnsaid 6]"}}},
    {16, "You have earned this, <plr_identity>.", "[claim reward] [completed]",
     {{"Thanks.|EXIT:It's for the work well done. Take care now.", ""}}},
};

// The recipient's lines; {sender} the sender's own name.
static const TalkRow RECIPIENT_TALK[] = {
    {0, "If that's so, <plr_identity>, then let me hear it.", "",
     {{"He asked me to tell you that {message}.|TALKLINE 1", ""}}},
    {1, "Aha! {sender}, that {friend}. {reaction}. Thanks for telling me.", "[info] [befriend]",
     {{"He said I should bring your reply back to him.|TALKLINE 2", ""}}},
    {2, "Ah, yes. Tell him that {reply}.", "[info]",
     {{"Thanks. I will go deliver your reply back to {sender}.|EXIT:Good. You do that.", "[close]"},
      {"This gets sillier and sillier! What is this about?|TALKLINE 3", ""}}},
    {3, "Don't you worry about that. It is a long story. Just go tell him that {reply}.", "[info] [close]",
     {{"Aha. Alright then.|EXIT:Yes. Well, off you go now.", ""}}},
};

enum { MESSENGER_OFFER_DAYS = 7, MESSENGER_DAYS = 3, RING_NEAR = 30, RING_FAR = 60 };

// The credit a message earns over that many cells of way.
static int messenger_pay(int cells) {
    const int pay = cells / 10 + 2;
    return pay < 3 ? 3 : pay;
}

// A person's own name, terminated whatever the record held.
static void own_name(char (&out)[sizeof(CreatureStruct::pname) + 1], const CreatureStruct &c) {
    memcpy(out, c.pname, sizeof c.pname);
    out[sizeof c.pname] = 0;
}

QuestStruct Quest_Messenger(int giver, int x, int y) {
    static QuestStruct sivuqS;
    QuestStruct &qS = qgen_begin();
    memset(&sivuqS, 0, sizeof sivuqS);
    if (giver < 0 || giver >= CRE_COUNT) return qS;
    const CreatureStruct &g = Cre[giver];

    const UiPoint v = FindBigmapVillage(IsoX(), IsoY(), RING_NEAR, RING_FAR, 1, g.culture);
    if (v.x == 0) return qS;
    // A village whose map could not be made, or has no room for him, has nobody to take the message.
    if (!stories::stored_map_made(v.x, v.y) || !stories::stored_map_has_room(v.x, v.y)) return qS;

    static CreatureStruct recipient;
    memset(&recipient, 0, sizeof recipient);
    synnyta_IHMISOLENTO(recipient, SPECIES_VILLAGER, g.culture, 0);
    const uint32_t side_id = qgen_new_id();
    recipient.quest = side_id;
    recipient.community = Mapinfo_socID(v.x, v.y);
    const unsigned socid = stories::new_person_placed(recipient, v.x, v.y);
    if (!socid) return qS;

    const int pay = messenger_pay(koordinaattien_vali(x, y, v.x, v.y));
    const char *message = MESSAGES[random(8)];
    const char *reply = REPLIES[random(7)];
    snprintf(qS.title, sizeof qS.title, "\"%s\"", message);

    char to[100], way[200], span[100], his[sizeof recipient.pname + 1], sender[sizeof g.pname + 1], heard[20];
    char paytext[120];
    copy_bounded(to, sizeof to, monnam_cre(recipient, 8));
    copy_bounded(way, sizeof way, navitxt_Full(x, y, v.x, v.y, 1));
    copy_bounded(span, sizeof span, TIMESPAN_days(MESSENGER_DAYS));
    copy_bounded(paytext, sizeof paytext, QTalkStr_rahapalkkio(pay));
    own_name(his, recipient);
    own_name(sender, g);
    snprintf(heard, sizeof heard, "%u.2", side_id);
    const char *exclamation = EXCLAMATIONS[random(3)];

    qS.kind = 71;
    copy_bounded(qS.subject, sizeof qS.subject, "some chores");
    qS.grade = 1;
    qS.offerLifeDays = MESSENGER_OFFER_DAYS;
    qS.daysToComplete = MESSENGER_DAYS;
    qS.giverUid = g.socialid;
    qS.worldX = x;
    qS.worldY = y;
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 8");
    qS.rewardKind = 2;
    qS.rewardCount = (uint8_t)pay;
    qS.sideQuestIds[0] = side_id;
    const TalkSub main_fills[] = {{"to", to},           {"way", way},         {"his", his},
                                     {"span", span},       {"message", message}, {"reply", reply},
                                     {"pay", paytext},     {"heard", heard},     {"exclamation", exclamation}};
    talk_lines(qS, MESSENGER_TALK, main_fills);

    const char *friend_word = FRIEND_WORDS[random(3)];
    const char *reaction = REACTIONS[random(3)];
    sivuqS.id = side_id;
    sivuqS.giverUid = (uint32_t)socid;
    sivuqS.worldX = v.x;
    sivuqS.worldY = v.y;
    sivuqS.sideRole = 1;
    const TalkSub side_fills[] = {
        {"sender", sender}, {"message", message}, {"reply", reply}, {"friend", friend_word}, {"reaction", reaction}};
    talk_field(sivuqS.olText, "Erm, I have a message to you from {sender}.|TALKLINE 0", side_fills, 1);
    talk_lines(sivuqS, RECIPIENT_TALK, side_fills);
    if (!SaveQuest(&sivuqS)) {
        // no errand without the man's side of it, and no man waiting for it
        stories::unmake_person(socid);
        memset(&qS, 0, sizeof qS);
    }
    return qS;
}
