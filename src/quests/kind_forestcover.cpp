// src/quests/kind_forestcover.cpp -- the animal in the forest cover (kind 35): one of the village's
// animals got loose and the forest hid it. It is taken off the village map and kept, hidden in the
// cover, on the map of a place out in the forest with a beast of prey beside it; the village sage, who
// has bound the forest, tells where and teaches the spell that hastens its release.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "activities/magic.h"
#include "base/strupr.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/tekstit.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "creatures/outfit.h"
#include "creatures/zoomservices.h"
#include "maps/directions.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/kinds_land_int.h"
#include "quests/questgen_int.h"
#include "quests/questkinds.h"
#include "society/chat_topics.h"
#include "society/questoffer.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

enum : uint32_t { HIDDEN_IN_COVER = 128 };
enum { RELEASE_SPELL = 225, ANIMAL_BACK_LINE = 25 };

static const int BEASTS[4] = {605, 608, 611, 602};   // bear, lynx, wolf, wolverine

static const TalkRow COVER_TALK[] = {
    {0, "Extra eyes and ears are needed if you happen to roam {dir} from here, <plr_identity>. We've got {animal} "
        "missing in the forest there.",
     nullptr,
     {{"I might try to help you with that {animal}.|TALKLINE 3:Good. My fault that it got loose, but something "
       "unexplained made it disappear.",
       nullptr},
      {"How did you manage to lose a {animal} just like that?|TALKLINE 5:They can run off you know. For sure we've "
       "been searching but the forest has hid it good.",
       nullptr},
      {"I'm not too eager to run after stray animals.|TALKLINE 2:A-ha. Well...", nullptr}}},
    {2, "It is not your {animal} being lost, <plr_identity>, but we would surely appreciate some help.", nullptr,
     {{"First tell me what happened and I'll think about it.|TALKLINE 3:Well, okay. I must say I'm partially "
       "responsible for this misfortune.",
       nullptr},
      {"Sorry, but I'm really of no use right now.|REJECT:If you say so then I won't bother you with this any "
       "longer.",
       "[confirmopt]"}}},
    {3, "I was careless and the {animal} ran away from me right outside the village. I searched and called for it, "
        "and followed its trail until the trail went cold. It's been days without a trace or {voice} of it, and I "
        "fear the {animal} has gone into the forest cover.",
     "[info]",
     {{"In the forest cover, huh?|TALKLINE 5:Mmmm.", "[ifnsaid 5] [summary]"},
      {"If that's so is there anything left to be done at all?|TALKLINE 6", "[ifsaid 5] [summary]"},
      {"Any details about where in the forest it seemed to disappear?|TALKLINE 4", "[summary]"}}},
    {4, "I was able to follow it for {dist} to the {dir} from here, but then the trail went cold. That was some days "
        "ago and now the tracks have all faded, but the poor {animal} is likely somewhere around there...in the "
        "forest cover.",
     "[keep options] [info] [once]", {}},
    {5, "Our {sage_full} says this {animal} is in the forest cover, that is, hidden and covered by spirits of the "
        "forest. He claims that it can't be found by any of us, but I wouldn't want to give up the search.",
     "[info] [opensq:0]",
     {{"You lost it somewhere in the forest?|TALKLINE 3:No, but that's where it went. My fault it got loose, though.",
       "[ifnsaid 3]"},
      {"If that's the case what there is to be done about it?|TALKLINE 6", "[summary]"},
      {"Maybe it can be found, if I only knew where to search?|TALKLINE 4:I can tell you where it went, but I can "
       "also tell it went missing there for unexplained reasons.",
       "[summary]"},
      {"Umm, what {sage} speaks of confuses me.|TALKLINE 6:Well, he can tell you more about it. Anyway...", nullptr}}},
    {6, "{sage} already did bind the forest in order to free the {animal} and make it return, but it hasn't. Hunters "
        "have tried to pay attention out in the forest, but the {animal} has been missing for days already and the "
        "hope grows thinner by the day.",
     "[info]",
     {{"Maybe it can be found, if I only knew where to search?|TALKLINE 4", "[ifnsaid 4] [summary]"},
      {"I would still like to help if I can.|TALKLINE 8:That is good, and if it all turns out good your efforts will "
       "be compensated.",
       "[ifsaid 4] [summary]"},
      {"Now {sage} did what, exactly?|TALKLINE 7", "[summary]"},
      {"Sorry, but I have to give up already. If a sage can't help then neither can I.|REJECT:Hmm. Maybe so. We will "
       "continue the search on our own then.",
       "[confirmopt] [summary]"}}},
    {7, "Binding the forest is a sage thing. I don't know too much about it. It's something to force spirits of the "
        "forest to give back what they have taken, but you better ask {sage} himself about those things.",
     "[keep options] [once]", {}},
    {8, "If you can find the poor {animal} and bring it back to me I will make sure that you will be rewarded up to "
        "one third of its value with any of our goods you desire. How's that?",
     "[info] [accept]",
     {{"Sounds fair. I'll see what I can do.|TALKLINE 10", "[summary]"},
      {"Nah, I don't think that's worth the trouble.|REJECT:Hmpf. Begone then.", "[confirmopt] [summary]"}}},
    {10, "If it's still alive and found by you I'm sure it won't hesitate to follow. Just stay safe from beasts of the "
         "forest, both of you. I'll put my hope in you and await to see you return back to me with the {animal}.",
     nullptr, {{"Very well. I'll do my best.|EXIT:Thank you, and take care out in the forest.", nullptr}}},
    {15, "No luck with finding the {animal} yet, hmm?", nullptr,
     {{"Could you refresh my memory about that {animal}?|TALKLINE 3:Your memory went missing? Well, so did our "
       "{animal}.",
       "[ask summary]"},
      {"Not yet, but I'm trying my best.|EXIT:Please hurry if you can. I am worried about beasts of the forest "
       "finding it before us.",
       nullptr},
      {"Sorry, but I have to give up on this.|REJECT:By all means. Thank you for trying, and we still haven't given "
       "up hope.",
       "[confirmopt]"}}},
    {25, "Now look at that, you found and brought our runaway {animal} back! Now it is our turn to take good care of "
         "it, and to settle your reward.",
     "[cant cancel] [befriend]", {{"Yes. All is well, then.|TALKLINE 26", nullptr}}},
    {26, "You have done a great deed, <plr_identity>.", "[completed] [claim reward] [repinc:1]",
     {{"Thank you. I am grateful for this.|EXIT:You're welcome. We are grateful for getting our {animal} back.",
       nullptr}}},
};

static const TalkRow SAGE_TALK[] = {
    {0, "That's true, but I have already bound the forest and my lock is strong. The forest ought to release our "
        "{animal} soon enough and then it is to be found, unless the spirits are greatly angered with us.",
     "[reset once]",
     {{"Binding the forest? That's beyond my knowledge.|TALKLINE 2:Of course it is. You are not a sage.", nullptr},
      {"The spirits are angry you say?|TALKLINE 3", nullptr},
      {"I was thinking if I could help to find this {animal}.|TALKLINE 5:Nobody can find it until it's freed.",
       nullptr}}},
    {2, "I went and bent three young birch trees upon a forest trail, tied the tops together with a rope and force. "
        "I spoke my commands, and now the forest is bound: not until the spirits release our {animal} shall I "
        "release the binds. The forest is upset, but my words and my forces make it obey.",
     nullptr,
     {{"Why is the forest upset?|TALKLINE 3:The spirits have their reasons.", "[ifnsaid 3]"},
      {"Aren't there other means to get the {animal} back?|TALKLINE 5:You seem willing to help, but first you need to "
       "learn something.",
       nullptr}}},
    {3, "It was {giver} who let the {animal} loose, but the forest wouldn't have taken it for no reason. Perhaps our "
        "hunters misbehaved out there, shouted and cursed, or slept where they should not have. I have done what is "
        "in my power, and now we wait.",
     nullptr,
     {{"Now is there anything else to be done?|TALKLINE 5:Hmpf. You seem willing to help, but listen up first.",
       nullptr},
      {"And what is it that you have done?|TALKLINE 2:The spell, of course.", "[ifnsaid 2]"}}},
    {5, "Creatures in the forest cover are not in our world, but in the world of spirits. One who runs into the "
        "{animal} would not see it at all, or would see nothing but a sheer tree trunk. It is freed only when the "
        "forest gives in to my commands, but you may help, if you are the kind.",
     "[info]",
     {{"Here I am if I'm of any use.|TALKLINE 6:You have to consider it by yourself.", nullptr},
      {"What kind?|TALKLINE 6:The kind who is in favour with the forest and its spirits.", nullptr}}},
    {6, "When the {animal} gets freed it would help to have somebody around there to guide it back safely. Whoever "
        "guides it must be on good terms with the spirits of the forest, or he brings back nothing but misfortune.",
     "[info] [ol:About that {animal}...|TALKLINE 2:Didn't I tell you already?]",
     {{"I think I'm up to the task.|TALKLINE 7:That is yet to be seen, but let me tell you what to do.", nullptr},
      {"Sorry, but I think I'm not the right kind.|EXIT:That is alright. These things are not for everyone.",
       nullptr}}},
    {7, "I have seen it in a dream that the {animal} is {way}. In the cover the {animal} itself can't be seen, but "
        "its tracks can, and there lies the chance to find it, and to hasten its release with a sage's advice, with "
        "a spell.",
     "[info] [area]",
     {{"Tell me what to do and I'll do it.|TALKLINE 8", nullptr},
      {"I feel this is not for me, after all.|EXIT:That is alright. These things are not for everyone.", nullptr}}},
    {8, "Go where the {animal} is, and there you can perform this spell. {spell} Then it's my binds together with "
        "beating with force of the fire, and the forest can nothing but release it.",
     "{spell_tags}", {{"I see, and then what?|TALKLINE 9:Then you can find it and bring it back.", nullptr}}},
    {9, "If the {animal} is still alive it's to be found around there when the spirits release it from the forest "
        "cover. Keep it safe from the beasts and I trust it's eager to follow you. Guide it back to {giver}. He must "
        "have promised you a reward.",
     "[info] [ol:About that {animal}...|TALKLINE 6:Having hesitations?]",
     {{"Very well. I'll do my best.|EXIT:We all would be glad to see you succeed.", nullptr}}},
};

int forestcover_credit(int value) {
    const double credit = std::ceil(value / 3.0 * 0.125);
    if (credit > 255) return 255;
    return credit < 1 ? 1 : (int)credit;
}

static void personal_name(char (&out)[sizeof CreatureStruct::pname + 1], const CreatureStruct &c) {
    memcpy(out, c.pname, sizeof c.pname);
    out[sizeof c.pname] = 0;
}

// The animal and the beast onto the place's stored map in one go: both are there, or neither is.
static bool hide_on_map(int x, int y, int animal, int beast) {
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    bool ok = load_zoommap(x, y) && aseta_data(-1, -1, DT_CREATURE, (uint32_t)animal, 1) >= 0 &&
              aseta_data(-1, -1, DT_CREATURE, (uint32_t)beast, 1) >= 0;
    if (ok) ok = save_zoommap(x, y, 1) != 0;
    memcpy(&Zoom, &kept, sizeof Zoom);
    return ok;
}

// No quest: the record empty, and the sage's side of it gone again when it was kept already.
static QuestStruct give_up(QuestStruct &q, uint32_t side = 0) {
    if (side) quest_file_drop(side);
    memset(&q, 0, sizeof q);
    return q;
}

QuestStruct Quest_AnimalForestCover(int giver, int x, int y) {
    static QuestStruct sivuqS;
    qgen_begin();
    memset(&sivuqS, 0, sizeof sivuqS);
    if (giver < 0 || giver >= CRE_COUNT || Cre[giver].kind != CK_HUMAN) return qS;

    // Everything that can fail is asked before the animal is touched.
    Make_Animal_List();
    if (Animal[0] == 0) return qS;
    const int animal = NonDogCre_From_Animal_List();
    if (animal < 0 || animal >= CRE_COUNT) return qS;
    const int stored = RealCreaturePos[animal];
    const uint32_t animal_uid = Cre[animal].socialid;
    if (stored < CRE_DATAID || animal_uid != (uint32_t)stored || cre_datapos(animal) < 0) return qS;
    const int sage = pick_socsivuNPC("[sage]", (int)Cre[giver].community, (int)Cre[giver].socialid);
    if (sage < 0 || sage >= CRE_COUNT) return qS;
    const UiPoint place = FindBigmapLoc(x, y, 30, 60, 2, 0, 0);
    if (place.x == 0) return qS;
    if (!ZoomMapPos(place.x, place.y)) spotgenerate(place.x, place.y, 0);
    if (!ZoomMapPos(place.x, place.y)) return qS;

    char animalword[80], voice[sizeof Cre[0].voice2 + 1];
    copy_bounded(animalword, sizeof animalword, StrLwr(monnam(animal, 0)));
    memcpy(voice, Cre[animal].voice2, sizeof Cre[animal].voice2);
    voice[sizeof Cre[animal].voice2] = 0;
    const int value = elainhinta(animal);

    char dir[100], dist[100], way[200], sage_full[80], sage_name[sizeof Cre[0].pname + 1],
        giver_name[sizeof Cre[0].pname + 1], spell_tags[60];
    copy_bounded(way, sizeof way, navitxt_Full(x, y, place.x, place.y, 1));
    copy_bounded(dir, sizeof dir, navitxt_Dir(x, y, place.x, place.y, 6));
    copy_bounded(dist, sizeof dist, navitxt_Dist(x, y, place.x, place.y, 2));
    copy_bounded(sage_full, sizeof sage_full, monnam(sage, 8));
    personal_name(sage_name, Cre[sage]);
    personal_name(giver_name, Cre[giver]);
    snprintf(spell_tags, sizeof spell_tags, "[info] [magicmeans:%d] [magicvar:0]", RELEASE_SPELL);
    const TalkSub subs[] = {{"animal", animalword}, {"voice", voice},       {"dir", dir},
                            {"dist", dist},         {"way", way},           {"sage", sage_name},
                            {"sage_full", sage_full}, {"giver", giver_name}, {"spell", taikakeino_desc(RELEASE_SPELL, 0)},
                            {"spell_tags", spell_tags}, {nullptr, nullptr}};

    qS.kind = 35;
    qS.daysToComplete = 15;
    qS.offerLifeDays = 15;
    char title[sizeof qS.title];
    talk_field(title, "{animal} in the forest cover", subs);
    copy_bounded(qS.title, sizeof qS.title, Alkuk(title));
    talk_field(qS.subject, "we've got some {animal} troubles", subs);
    qS.grade = 6;
    qS.giverUid = Cre[giver].socialid;
    qS.worldX = x;
    qS.worldY = y;
    qS.condType[0] = 5;
    qS.condUid[0] = animal_uid;
    qS.condLine[0] = ANIMAL_BACK_LINE;
    qS.rewardKind = 2;
    qS.rewardCount = (uint8_t)forestcover_credit(value);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");
    talk_lines(qS, COVER_TALK, sizeof COVER_TALK / sizeof COVER_TALK[0], subs);

    // The sage's side of it, kept before anything is moved.
    sivuqS.id = crID();
    qS.sideQuestIds[0] = sivuqS.id;
    sivuqS.giverUid = Cre[sage].socialid;
    sivuqS.worldX = x;
    sivuqS.worldY = y;
    sivuqS.sideRole = 1;
    sivuqS.marks[0].x = place.x;
    sivuqS.marks[0].y = place.y;
    talk_field(sivuqS.marks[0].label, "Assumed whereabouts of the {animal}", subs);
    sivuqS.marks[0].smallSpot = 1;
    talk_coded(sivuqS.olText, sizeof sivuqS.olText, "I heard there's a {animal} in the forest cover.|TALKLINE 0", subs);
    talk_lines(sivuqS, SAGE_TALK, sizeof SAGE_TALK / sizeof SAGE_TALK[0], subs);
    if (!SaveQuest(&sivuqS)) return give_up(qS);

    // The animal goes into the cover: its record marked and written, and the map it waits on.
    static CreatureStruct was, hidden;
    if (!land_read_record(stored, was)) return give_up(qS, sivuqS.id);
    hidden = Cre[animal];
    hidden.stateflags |= HIDDEN_IN_COVER;
    if (!Talleta_RealCreature(hidden, stored)) return give_up(qS, sivuqS.id);
    Luo_Olento(BEASTS[random(4)]);
    static CreatureStruct beast;
    beast = Creature;
    CreUndo made;
    const int beastno = land_save_new(beast, made);
    if (!beastno || !hide_on_map(place.x, place.y, stored, beastno)) {
        if (beastno) land_undo(made);
        Talleta_RealCreature(was, stored);
        return give_up(qS, sivuqS.id);
    }
    Cre[animal].stateflags |= HIDDEN_IN_COVER;
    Poista_Olento(animal);
    Cre[sage].quest = sivuqS.id;
    return qS;
}
