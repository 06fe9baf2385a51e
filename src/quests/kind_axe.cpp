// src/quests/kind_axe.cpp -- the adventurer's axe (kind 5): a wounded adventurer lies in the village,
// and his family's hunting weapon lies by his shelter out in the wild, where a wounded beast still
// prowls. The player brings back that one weapon.
#include <cstring>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "creatures/physical.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "creatures/zoomservices.h"
#include "maps/directions.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/kinds_land_int.h"
#include "quests/questgen_int.h"
#include "quests/rewards.h"
#include "quests/questkinds.h"
#include "worldgen/culturegoods.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

enum { CAMP_TRIES = 5, LEG_RIGHT = 13, LEG_LEFT = 14 };
// WHILE_LAME: an offer he made lapses once his legs carry him again (the talk drops it then).
enum : uint32_t { WHILE_LAME = 1 };
enum : uint8_t { STAYS_PUT = 4 };

static const TalkRow AXE_TALK[] = {
    {1, "You bet. I can't even think about walking as it hurts so much. I guess I'm stuck here for couple of weeks.",
     nullptr,
     {{"What happened?|TALKLINE 3", nullptr},
      {"Oh, I'll leave you to rest then.|TALKLINE 2", nullptr},
      {"You must need healing herbs and sauna.|TALKLINE 9:I've had my share already. ", nullptr}}},
    {2, "Well, I have no trouble talking and my wounds have already started to heal.", nullptr,
     {{"How did you get that wounded?|TALKLINE 3", nullptr},
      {"I don't want to bother you anyway.|REJECT:Alright. Farewell then.", "[confirmopt]"}}},
    {3, "I had been travelling for a week, and stopped for a night. I made a quick shelter and slept tight. "
        "Early in the morning, as I was gathering branches for a fire, I suddenly stumbled into an angry {beast}. "
        "I tried to disengage, but the {beast} kept following me, and eventually we fought. "
        "I had nothing but my knife to wield as I had left everything else by the shelter.",
     "[info]",
     {{"How did the struggle end?|TALKLINE 4", nullptr},
      {"Good that you survived! Where was that?|TALKLINE 7", nullptr}}},
    {4, "The beast managed to hit me hard couple of times until "
        "I landed a fierce counter-strike which made it to retreat into the woods. My equipment was at the "
        "shelter, but afraid of the {beast} still around I didn't dare to go get them and left while still "
        "conscious. I was bleeding bad, but determined to survive and "
        "crawled my way to this village.",
     nullptr,
     {{"You saved your life but lost all of your items?|TALKLINE 5:Well, I think all the items I had weren't worth "
       "that much.",
       nullptr},
      {"It must have been one painful travel!|TALKLINE 7:Luckily it wasn't too far away, but painful nevertheless.",
       nullptr},
      {"What did the locals say when you crawled here?|TALKLINE 9", nullptr}}},
    {5, "The only precious item that was left there is my {weapon}. My father gave it to me when I was a kid, and "
        "it's the only thing left of my family.",
     "[info]",
     {{"Hey, I can help you. I will seek that {weapon} of yours.|TALKLINE 6:That would be a noble deed!", "[summary]"},
      {"Precious enough to reward the one who finds it?|TALKLINE 8:Would you help me then? If so, I can offer "
       "{rw_kind}.",
       "[summary]"},
      {"I hope you get it back one day, though I can't help you.|EXIT:Don't worry. I will manage.", "[confirmopt]"}}},
    {6, "I surely want my {weapon} back if you care to go look for it. If you find my shelter, the {weapon} should be "
        "lying right beside it. If I get it back, you'll get rewarded with {rw_kind}. I have vague recollection of "
        "the shelter location, and if you go quickly there still might be bloodscapes and {beast} tracks to be "
        "found.",
     "[accept] [info]",
     {{"So tell me where was that shelter of yours?|TALKLINE 7", "[ifnsaid 7] [summary]"},
      {"Alright. I'll do my best.|TALKLINE 10:Good luck.", "[ifsaid 7] [summary]"},
      {"{rw_question}|TALKLINE 8", "[summary]"}}},
    {7, "It was {way}. I remember building my shelter at {area}.", "[once] [keep options] [info] [area]", {}},
    {8, "{rw_explanation}", "[info] [keep options] [once]", {}},
    {9, "The locals are good people. They tended my wounds and gave me a safe place to rest. They promised to give "
        "me food until I'm recovered.",
     "[once]",
     {{"How about the items you had to leave?|TALKLINE 5:At the moment I don't really need them all that much. ",
       "[ifsaid 4]"},
      {"I hope you recover soon, but what exactly happened?|TALKLINE 3", "[ifnsaid 4]"}}},
    {10, "I don't care to get back anything else than the {weapon}. Rest of my equipment out there is yours to keep, "
         "if you find them useful. You'll find me here. I won't be venturing back into the wilderness anytime "
         "soon.",
     "[info]", {{"Good. See you then.|EXIT:I'll wait.", nullptr}}},
    {15, "How is it going, have you found the {weapon} yet?", nullptr,
     {{"Tell me again how was it?|TALKLINE 5:I escaped the beast, but left my equipment at the shelter. Remember?",
       "[ask summary]"},
      {"Sorry, but I just can not find it.|REJECT:Well, thank you for trying.", "[confirmopt]"}}},
    {19, "{rw_giving}", "{rw_tags}",
     {{"Thank you for this. Well, farewell then.|EXIT:Farewell, you kind soul.", nullptr}}},
    {25, "My {weapon}! You really found it! I'm ever so thankful for your help.",
     "[cant cancel] [completed] [befriend] [leave]",
     {{"Good. You also mentioned compensating my efforts?|TALKLINE 19:And I am the man of my word.", "[ifsaid 8]"},
      {"You are welcome.|TALKLINE 19:Oh, and let me reward you with {rw_kind}.", "[ifnsaid 8]"}}},
};

// Wounds without a word to the player and without dropping what the creature holds: the slot is a
// workbench, not a place on the map.
static void wound_quietly(int slot, int type, int impact, int part, int side) {
    CreatureStruct &c = Cre[slot];
    const int32_t wielded = c.wielded, offhand = c.offhand;
    c.wielded = c.offhand = 0;
    const uint8_t notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    HAAVOITA(slot, type, impact, part, side, CAUSE_NO_HARM);
    DISABLE_NOTES = notes;
    c.wielded = wielded;
    c.offhand = offhand;
}

// The shelter's map with the camp laid, the weapon beside the shelter and blood around, kept until the
// beast is made to lie on it; where the shelter stands.
static ZoomStruct camp;
static int shelter_x, shelter_y;

static bool lay_camp(int x, int y, int weapon) {
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    bool laid = false;
    if (load_zoommap(x, y)) {
        // The scene looks for open ground in the middle of the map a few times over.
        for (int tries = 0; tries < CAMP_TRIES && !laid; tries++) {
            zoomscene_adventurers_camp(weapon, 0, "[blood]");
            for (const DataStruct &d : Zoom.data)
                if (d.type == DT_ITEM && d.id == (uint32_t)weapon) {
                    laid = true;
                    shelter_x = d.x - 1;
                    shelter_y = d.y - 1;
                }
        }
        if (laid) memcpy(&camp, &Zoom, sizeof camp);
    }
    memcpy(&Zoom, &kept, sizeof Zoom);
    return laid;
}

// The camp stored with the beast lying on the shelter; false when the map could not be stored.
static bool store_camp(int x, int y, int beast) {
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    memcpy(&Zoom, &camp, sizeof Zoom);
    const bool stored = aseta_data(shelter_x, shelter_y, DT_CREATURE, (uint32_t)beast, 1) >= 0 && save_zoommap(x, y, 1);
    memcpy(&Zoom, &kept, sizeof Zoom);
    return stored;
}

// The free slot as it was before it served as the workbench.
static CreatureStruct slot_was;

static QuestStruct give_up(QuestStruct &q, int slot) {
    if (slot >= 0) Cre[slot] = slot_was;
    memset(&q, 0, sizeof q);
    return q;
}

QuestStruct Quest_AdventurersAxe(int x, int y, int &npc) {
    qgen_begin();
    const int culture = get_alltime_kulttuuri(x, y);
    const int species = random(3) == 0 ? SPECIES_WOLF : SPECIES_BEAR;

    // Everything that can fail is asked first; nothing is made or moved before the last check.
    const int weapon = KULTTUURIESINE_Era_ase(culture, 1);
    if (weapon == 0) return qS;
    static ItemStruct lost;
    ObjToItem(lost, weapon);
    if (!lost.type) return qS;
    lost.origin = crID();
    char weaponname[sizeof lost.name + 1];
    memcpy(weaponname, lost.name, sizeof lost.name);
    weaponname[sizeof lost.name] = 0;
    copy_bounded(weaponname, sizeof weaponname, StrLwr(weaponname));

    const UiPoint shelter = FindBigmapLoc(x, y, 20, 50, 0, 0, 0);
    if (shelter.x == 0) return qS;
    if (!spotgenerate(shelter.x, shelter.y, 0) || !ZoomMapPos(shelter.x, shelter.y)) return qS;
    const UiPoint bed = IndoorLocation(x, y);
    if (bed.x == 0 && bed.y == 0) return qS;
    if (cre_file_records() <= 0 || land_free_pool_records(1) < 1) return qS;
    // The camp is laid on a copy of the shelter's map first: a shelter with no room for it makes no quest.
    const int object = Luo_Esineen_Itempos(lost);
    if (object < OBJ_PLAYER_FIRST || !lay_camp(shelter.x, shelter.y, object)) return qS;
    const int slot = land_free_slot(-1);
    if (slot < 0) return qS;
    slot_was = Cre[slot];

    // The beast is made and wounded on the free slot, then kept aside.
    Luo_Olento(species);
    static CreatureStruct beast;
    beast = Creature;
    char beastname[60];
    copy_bounded(beastname, sizeof beastname, StrLwr(monnam_cre(beast, 0)));
    beast.morale1 = (uint8_t)(50 + random(50));
    beast.morale5 = (uint8_t)(20 + random(20));
    beast.morale6 = 95;
    beast.rhythm = 4;
    Cre[slot] = beast;
    const int part = RandomBodypart(0, -1);
    wound_quietly(slot, 2, 8 + random(6), part, Side);
    beast = Cre[slot];

    // The adventurer, wounded on the same slot: he must be unable to walk.
    static CreatureStruct adventurer;
    synnyta_IHMISOLENTO(adventurer, SPECIES_ADVENTURER, culture, 0);
    adventurer.endurance = 18;
    adventurer.memberbits |= STAYS_PUT;
    adventurer.stateflags |= WHILE_LAME;
    Cre[slot] = adventurer;
    const int side = random(2) + 1;
    wound_quietly(slot, 3, 18, LEG_RIGHT, side);
    wound_quietly(slot, 3, 18, LEG_LEFT, side);
    const int third = RandomBodypart(0, -1);
    wound_quietly(slot, 3, 6 + random(5), third, Side);
    if (INVASUHDE_liikuntaelimet(slot) < 1.0f) return give_up(qS, slot);
    Cre[slot].stateflags |= SF_KEEPS_GOODS | SF_NOT_HIRED;
    memset(Cre[slot].pack, 0, sizeof Cre[slot].pack);
    memset(Cre[slot].packcount, 0, sizeof Cre[slot].packcount);
    if (const int knife = KULTTUURIESINE_Erapuukko(culture)) AddCrPack(slot, knife, 1);

    // The reward: a lesson, or one time in five a treasure.
    RewardStruct rw = GenerateReward_skill(slot, &qS, "");
    if (random(5) == 0) {
        char tags[40];
        snprintf(tags, sizeof tags, "[trscult:%d]", DistantNeighbour(culture));
        rw = GenerateReward_treasure(IsoX(), IsoY(), culture, tags, sizeof tags, &qS);
        qS.rewardKind = 0;
        memset(qS.rewardSkill, 0, sizeof qS.rewardSkill);
    }
    if (!rw.valid) return give_up(qS, slot);

    // Every check held: the adventurer goes to bed in the village, the beast lies on the shelter.
    adventurer = Cre[slot];
    Cre[slot] = slot_was;
    CreUndo made, beastmade;
    const int number = land_save_new(adventurer, made);
    const int placed = number ? lisaa_realcreature(number, 0) : CRE_NONE;
    if (placed == CRE_NONE) {
        land_undo(made);
        return give_up(qS, -1);
    }
    npc = placed - CRE_DATAID;
    set_data(DT_CREATURE, bed.x, bed.y, placed, 1);
    const int beastno = land_save_new(beast, beastmade);
    if (!beastno || !store_camp(shelter.x, shelter.y, beastno)) {
        Poista_Olento(npc);
        Cre[npc] = slot_was;
        RealCreaturePos[npc] = 0;
        land_undo(beastmade);
        land_undo(made);
        return give_up(qS, -1);
    }

    qS.marks[0].x = shelter.x + random(16) - 8;
    qS.marks[0].y = shelter.y + random(16) - 8;
    copy_bounded(qS.marks[0].label, sizeof qS.marks[0].label, "Possible location of the shelter");
    qS.marks[0].smallSpot = 0;
    qS.kind = 5;
    qS.giverUid = Cre[npc].socialid;
    qS.worldX = IsoX();
    qS.worldY = IsoY();
    qS.daysToComplete = 14;
    qS.offerLifeDays = 7;
    qS.fetchItemId = lost.origin;
    qS.grade = 2;
    qS.sideRole = 1;
    qS.questMode = 1;
    copy_bounded(qS.subject, sizeof qS.subject, "we've got one wounded adventurer here");
    copy_bounded(qS.olText, sizeof qS.olText, "You seem to be badly wounded.|TALKLINE 1");
    copy_bounded(qS.statusTags, sizeof qS.statusTags, "[ok] [noname_ok]");
    char way[200], area[200];
    copy_bounded(way, sizeof way, navitxt_Full(IsoX(), IsoY(), shelter.x, shelter.y, 1));
    copy_bounded(area, sizeof area, navitxt_Area(shelter.x, shelter.y));
    const TalkSub subs[] = {{"beast", beastname},         {"weapon", weaponname},
                            {"way", way},                 {"area", area},
                            {"rw_kind", rw.kindText},     {"rw_question", rw.question},
                            {"rw_explanation", rw.explanation}, {"rw_giving", rw.givingText},
                            {"rw_tags", rw.tags},         {nullptr, nullptr}};
    talk_field(qS.title, "Adventurer's {weapon}", subs);
    talk_lines(qS, AXE_TALK, sizeof AXE_TALK / sizeof AXE_TALK[0], subs);
    copy_bounded(qS.pendingText, sizeof qS.pendingText, "TALKLINE 15");
    qS.id = crID();
    return qS;
}
