// The quests of the land played as she plays them, one row a kind: the offer, the talk to the
// acceptance, her journey out into the world for what is wanted (a thing, a spirit met at night, a
// man given a message), home again with it and the reward.
#include "quests/kinds_land_fixture.h"

#include <utility>

#include "../items/row_letters.h"
#include "activities/itemcmd.h"
#include "activities/magic.h"
#include "creatures/skills.h"
#include "base/keys.h"
#include "base/ui.h"
#include "game/command.h"
#include "game/wizard.h"
#include "creatures/bodyrec.h"
#include "maps/spiritdata.h"
#include "core/crefunc.h"
#include "core/maintenance.h"
#include "core/weatherengine.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/melee.h"
#include "items/culturegoods.h"
#include "creatures/crefile.h"
#include "creatures/zoomservices.h"
#include "game/turnloop.h"
#include "maps/picker.h"
#include "items/wearing.h"
#include "activities/survival.h"
#include "creatures/throwing.h"
#include "items/items.h"
#include "core/magicknow.h"
#include "creatures/predicates.h"
#include "creatures/people.h"
#include "activities/timber.h"
#include "core/obj_func.h"
#include "creatures/creation.h"
#include "maps/mapquery.h"
#include "society/meetings.h"
#include "items/vessels.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "society/questtalk.h"
#include "society/smalltalk.h"
#include "worldgen/culturegoods.h"

using namespace oxatest;

namespace {

class LandPlayed;
struct LandRow {
    int kind;
    const char *name;
    void (LandPlayed::*play)(int soc);
};
void PrintTo(const LandRow &r, std::ostream *os) { *os << "kind " << r.kind; }

class LandPlayed : public LandQuestTest, public ::testing::WithParamInterface<LandRow> {
public:
    // ---- 5: the adventurer's weapon, left beside his shelter out in the wild ----
    void axe(int soc) {
        const int asked = villager(soc);
        ASSERT_GE(asked, 0);
        ASSERT_EQ(force(5, asked, soc), 1) << questoffer_log();
        const int adv = holder(5);
        ASSERT_GE(adv, 0);
        QuestStruct q;
        ASSERT_TRUE(loadQuest(Cre[adv].quest, q));
        accept(adv, {1, 3, 4, 5, 6});
        // The shelter: the stored map near the mark he gave with his weapon on it.
        int sx = 0, sy = 0;
        static ZoomStruct kept;
        memcpy(&kept, &Zoom, sizeof kept);
        for (int y = q.marks[0].y - 8; y <= q.marks[0].y + 8 && !sx; y++)
            for (int x = q.marks[0].x - 8; x <= q.marks[0].x + 8 && !sx; x++)
                if (ZoomMapPos(x, y) && load_zoommap(x, y))
                    for (const DataStruct &d : Zoom.data)
                        if (d.type == DT_ITEM && ObjToItem((int)d.id).origin == q.fetchItemId) sx = x, sy = y;
        memcpy(&Zoom, &kept, sizeof Zoom);
        ASSERT_NE(sx, 0) << "the weapon lies near the mark";
        const int hx = IsoX(), hy = IsoY();
        go_to(sx, sy);
        const int weapon = take_up([&](const DataStruct &d) { return ObjToItem((int)d.id).origin == q.fetchItemId; });
        ASSERT_GT(weapon, 0) << "the weapon lies by the shelter";
        go_to(hx, hy);
        hand_over(q.id, weapon);
    }

    // ---- 10: the old man's punt, carved by a carver of a village nearby from a log she brings ----
    void punt(int soc) {
        int old = -1;
        for (int c = 0; c < CRE_COUNT && old < 0; c++)
            if (Cre[c].kind == CK_HUMAN && Cre[c].community == (uint32_t)soc && Cre[c].speciescode == 560) old = c;
        if (old < 0) old = villager(soc);   // the village drawn for this run may have no old man
        ASSERT_GE(old, 0);
        // A village of his people ten cells from hers (her world has none so near).
        const int hx = IsoX(), hy = IsoY();
        maailma_alltime[mapidx(hx + 10, hy)] = 239;
        set_alltime_kulttuuri(hx + 10, hy, Cre[old].culture);
        ASSERT_EQ(force(10, old, soc), 1) << questoffer_log();
        QuestStruct q, side;
        ASSERT_TRUE(loadQuest(Cre[old].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], side));
        accept(old, {2, 4, 5, 7, 6, 8});

        go_to(side.worldX, side.worldY);
        const int carver = sotu_Crepos(side.giverUid);
        ASSERT_GE(carver, 0) << "the carver lives in his village";
        const int cdp = cre_datapos(carver);
        ASSERT_GE(cdp, 0);
        bool beside = false;
        for (int dy = -1; dy <= 1 && !beside; dy++)
            for (int dx = -1; dx <= 1 && !beside; dx++)
                if ((dx || dy) && entry_square_free(Data[cdp].x + dx, Data[cdp].y + dy))
                    PlayerX = Data[cdp].x + dx, PlayerY = Data[cdp].y + dy, beside = true;
        ASSERT_TRUE(beside);
        // The log she carved from a trunk felled in the rain, laid down beside him.
        ItemStruct log = ObjToItem(object("Log", 1));
        ASSERT_STREQ(log.name, "Log");
        log.magic = TIMBER_RAIN_MARK;
        ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, Luo_Esineen_Itempos(log), 1), 0);
        // His side opens with the old man's greetings once she knows his name; he takes the log.
        Chatting_With = carver;
        KysyNimi();
        open_talk(carver);
        ASSERT_EQ(walk({0, 2}), -1) << "the log is the proper one";
        EXPECT_EQ(Cre[carver].quest, 0u) << "his quest link is dropped";
        EXPECT_EQ(Cre[carver].craftstate, 1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        int stamped = -1;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM && ObjToItem((int)Data[i].id).origin == side.condRestamp[0]) stamped = i;
        ASSERT_GE(stamped, 0) << "the log he counted carries the stamp";

        // She leaves him at once and comes back eight days later: he carved the log into the punt
        // while she was away.
        const uint32_t product = side.craftOrder[0];
        go_to(side.worldX, side.worldY, Plr.daynumber + 8);
        ASSERT_GE(wait_for(DT_ITEM, product, 5), 0) << "the punt lies finished";
        const int back = sotu_Crepos(side.giverUid);
        ASSERT_GE(back, 0) << "the carver is at home";
        for (int t = 0; t < 30 && Cre[back].craftstate == 1; t++) command({SDLK_PERIOD});
        EXPECT_EQ(Cre[back].craftstate, 2) << "his order is ready";
        const int punt = take_up([&](const DataStruct &d) { return d.id == product; });
        ASSERT_GT(punt, 0);
        go_to(hx, hy);
        hand_over(q.id, punt);
        a_year_on(q.id);
    }

    // ---- 37: a maiden walked to the land of a distant people ----
    void escort(int soc) {
        const int maiden = maiden_in_village(soc);   // the village drawn for this run may have no maiden
        ASSERT_GE(maiden, 0);
        // She is of a distant people: the maiden wants to see their land.
        const int far = DistantNeighbour(Cre[maiden].culture);
        Plr.culture = (uint8_t)far;
        ASSERT_EQ(force_seeded(37, maiden, soc), 1) << questoffer_log();
        const uint32_t qid = Cre[maiden].quest, uid = Cre[maiden].socialid;
        accept(maiden, {3, 4, 10, 11});
        // A village of that people a few cells from hers (her world has none so near), in the next
        // block of the culture map: her own village stays of its people, or she would be there already.
        const int hx = IsoX(), hy = IsoY(), vx = ((hx >> 5) + 1) * 32 + 2;
        set_bigmapchar(vx, hy, 239);   // kept in her world's file: the way there reads it again
        set_alltime_kulttuuri(vx, hy, far);
        ASSERT_NE(get_alltime_kulttuuri(hx, hy), far);
        go_to(vx, hy);
        const int there = sotu_Crepos(uid);
        ASSERT_GE(there, 0) << "the maiden came along";
        open_talk(there);
        EXPECT_EQ(globqS.conditions[0], 1) << "she has arrived";
        EXPECT_TRUE(pick_line(16));
        QuestStruct q;
        ASSERT_TRUE(loadQuest(qid, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
    }

    // ---- 38: a woodsman lost in the wild, walked to a village ----
    void woodsman(int soc) {
        const int hx = IsoX(), hy = IsoY();
        int wx = 0, wy = 0;   // a cell with no settlement within 10 cells
        for (int d = 10; d < 60 && !wx; d++)
            for (int dx = -d; dx <= d && !wx; dx++)
                if (!is_settled_area(hx + dx, hy + d, 10) && get_alltime_maailmachar(hx + dx, hy + d) >= 128)
                    wx = hx + dx, wy = hy + d;
        ASSERT_NE(wx, 0);
        go_to(wx, wy);
        // A lone woodsman met there after days away offers his quest.
        static CreatureStruct p;
        synnyta_IHMISOLENTO(p, 540, 0, 0);
        int w = -1;
        for (int d = 2; d < 8 && w < 0; d++)
            for (int dx = -d; dx <= d && w < 0; dx++)
                if (entry_square_free(PlayerX + dx, PlayerY + d)) {
                    const int id = new_creature_to_DATA(p);
                    ASSERT_NE(id, CRE_NONE);
                    set_data(DT_CREATURE, PlayerX + dx, PlayerY + d, id, 1);
                    w = id - CRE_DATAID;
                }
        ASSERT_GE(w, 0);
        for (int seed = 1; seed < 20 && !Cre[w].quest; seed++) {
            srand(seed);
            Plr.lastquest_day = 0;
            Cre[w].daysaved = (int32_t)Plr.daynumber - 5;
            creature_update(w, cre_datapos(w));
        }
        ASSERT_NE(Cre[w].quest, 0u) << questoffer_log();
        const uint32_t qid = Cre[w].quest, uid = Cre[w].socialid;
        accept(w, {4, 6});
        // Home to her village and in among the houses, and he with her.
        go_to(hx, hy);
        const UiRect r = bigxy_zoomrect(hx, hy);
        for (int t = 0; t < 12; t++) step_toward(r.x + r.w / 2, r.y + r.h / 2);
        const int there = sotu_Crepos(uid);
        ASSERT_GE(there, 0) << "the woodsman came along";
        open_talk(there);
        EXPECT_EQ(globqS.conditions[0], 1) << "he has arrived";
        EXPECT_TRUE(pick_line(16));
        QuestStruct q;
        ASSERT_TRUE(loadQuest(qid, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        (void)soc;
    }

    // ---- 35: an animal of the village in the forest cover, let out by a fire on its track ----
    void cover(int soc) {
        // Sheep the village keeps and a sage (the village drawn for this run may have neither).
        ASSERT_EQ(animals(616).size(), 3u);
        sage_of(soc);
        const int man = villager(soc);
        ASSERT_GE(man, 0);
        ASSERT_EQ(force(35, man, soc), 1) << questoffer_log();
        const int giver = holder(35);
        ASSERT_GE(giver, 0);
        QuestStruct q, side;
        ASSERT_TRUE(loadQuest(Cre[giver].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], side));
        const uint32_t uid = q.condUid[0];
        accept(giver, {5, 4, 6, 8});
        // The sage, once she knows his name, tells where it hides and teaches the spell.
        const int sage = sotu_Crepos(side.giverUid);
        ASSERT_GE(sage, 0);
        Chatting_With = sage;
        KysyNimi();
        open_talk(sage);
        ASSERT_EQ(walk({0, 5, 6, 7, 8, 9}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        ASSERT_TRUE(taikakeino_tuttu(225, 0)) << "she learnt the spell";

        // Out to the place: the hidden animal left its tracks while it lived there unseen.
        const int hx = IsoX(), hy = IsoY();
        go_to(side.marks[0].x, side.marks[0].y);
        int fresh = -1;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_TRACKS && Data[i].ready_minute == uid &&
                (fresh < 0 || Data[i].spent_minutes > Data[fresh].spent_minutes))
                fresh = i;
        ASSERT_GE(fresh, 0) << "the animal left tracks";
        const int tx = Data[fresh].x, ty = Data[fresh].y;
        // Spruce twigs and firewood she cut on the way, laid on the track, and a fire lit there from
        // beside it.
        const int twig = object("Spruce twig", 1), wood = object("Firewood", 1);
        ASSERT_GT(twig, 0);
        ASSERT_GT(wood, 0);
        ASSERT_GE(set_data(DT_ITEM, tx, ty, twig, 3), 0);
        ASSERT_GE(set_data(DT_ITEM, tx, ty, wood, 5), 0);
        static const struct {
            int dx, dy;
            SDL_Keycode key;
        } sides[] = {{-1, 0, SDLK_RIGHT}, {1, 0, SDLK_LEFT}, {0, -1, SDLK_DOWN}, {0, 1, SDLK_UP}};
        bool beside = false;
        for (const auto &s : sides)
            if (!beside && entry_square_free(tx + s.dx, ty + s.dy)) {
                PlayerX = tx + s.dx, PlayerY = ty + s.dy, beside = true;
                for (int t = 0; t < 10 && get_datatype(DT_FIRE, tx, ty) < 0; t++) {
                    push_key(s.key);
                    SURVIVAL_fire();
                }
            }
        ASSERT_TRUE(beside);
        ASSERT_GE(get_datatype(DT_FIRE, tx, ty), 0) << notes();
        int animal = -1;
        for (int c = 0; c < CRE_COUNT; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].socialid == uid && cre_datapos(c) >= 0) animal = c;
        ASSERT_GE(animal, 0) << "the spirits let it out";
        EXPECT_NE(Cre[animal].stateflags & SF_COVER_FREED, 0u);
        // It comes to her, and home with her among the houses, near the giver.
        int ax, ay;
        for (int t = 0; t < 80 && creature_square(animal, ax, ay) && koordinaattien_vali(ax, ay, PlayerX, PlayerY) > 5; t++)
            command({SDLK_PERIOD});
        go_to(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "the giver is at home";
        int gx, gy;
        ASSERT_TRUE(creature_square(g, gx, gy));
        for (int t = 0; t < 40 && koordinaattien_vali(gx, gy, PlayerX, PlayerY) > 2; t++) step_toward(gx, gy);
        const int back = sotu_Crepos(uid);
        ASSERT_GE(back, 0) << "the animal came along";
        // It keeps a few squares behind her, or is held up among the houses: she goes to meet it.
        for (int t = 0; t < 30 && creature_square(back, ax, ay) && koordinaattien_vali(ax, ay, PlayerX, PlayerY) > 5; t++)
            step_toward(ax, ay);
        ASSERT_TRUE(creature_square(back, ax, ay));
        EXPECT_LE(koordinaattien_vali(ax, ay, PlayerX, PlayerY), 10);
        open_talk(g);
        EXPECT_EQ(globqS.conditions[0], 1) << "it is back";
        EXPECT_TRUE(pick_line(26));
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        a_year_on(q.id);
    }

    // ---- 20: the wolf a jealous man cursed, made a man again by bread ----
    void wolf(int soc) {
        const int woman = cast("[woman]", 520, soc);
        ASSERT_GE(woman, 0);
        const int man = cast("[man]", 530, soc, {woman});
        ASSERT_GE(man, 0);
        ASSERT_GE(cast("[any old man]", 560, soc, {woman, man}), 0);
        ASSERT_EQ(force_seeded(20, woman, soc), 1) << questoffer_log();
        QuestStruct q, rivalq, elderq;
        ASSERT_TRUE(loadQuest(Cre[woman].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], rivalq));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[1], elderq));
        // The rival warns her off first; the maiden tells her side and she takes it on.
        const int rival = sotu_Crepos(rivalq.giverUid), elder = sotu_Crepos(elderq.giverUid);
        ASSERT_GE(rival, 0);
        ASSERT_GE(elder, 0);
        open_talk(rival);
        ASSERT_TRUE(pick_line(2)) << "Aino is a woman";
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        accept(woman, {3, 5, 6, 7, 9, 10, 12, 14, 16});
        // The elder, once she knows his name, tells how the curse is broken.
        Chatting_With = elder;
        KysyNimi();
        open_talk(elder);
        ASSERT_EQ(walk({0, 1, 3, 4}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;

        // Out to the wolf's area: its cell lies within a cell of the mark she was shown.
        int wx = 0, wy = 0;
        static ZoomStruct kept;
        memcpy(&kept, &Zoom, sizeof kept);
        for (int y = q.marks[0].y - 1; y <= q.marks[0].y + 1 && !wx; y++)
            for (int x = q.marks[0].x - 1; x <= q.marks[0].x + 1 && !wx; x++)
                if (ZoomMapPos(x, y) && load_zoommap(x, y))
                    for (const DataStruct &d : Zoom.data)
                        if (d.type == DT_CREATURE && d.id >= (uint32_t)CRE_DATAID) {
                            CreatureStruct c{};
                            if (getsotucrstruct(c, d.id, 0) && c.speciescode == 611 && (c.stateflags & 2)) wx = x, wy = y;
                        }
        memcpy(&Zoom, &kept, sizeof Zoom);
        ASSERT_NE(wx, 0) << "the wolf roams near the mark";
        const int hx = IsoX(), hy = IsoY();
        go_to(wx, wy);
        int wolf = -1;
        for (int c = 0; c < CRE_COUNT; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].speciescode == 611 && (Cre[c].stateflags & 2) && cre_datapos(c) >= 0) wolf = c;
        ASSERT_GE(wolf, 0) << "the wolf is about";
        // Her bread thrown to the wolf from a couple of squares off, out of its reach, facing it: the
        // item list and the aim answer from scripted keys with no window to wait on, and the turns
        // that follow are waited the same way.
        static const struct {
            int dx, dy, key;
        } aims[] = {{-1, 0, KEY_RIGHT}, {1, 0, KEY_LEFT}, {0, 1, KEY_UP}, {0, -1, KEY_DOWN},
                    {-1, -1, KEY_PGDN}, {1, -1, KEY_END}, {-1, 1, KEY_PGUP}, {1, 1, KEY_HOME}};
        for (int throws = 0; throws < 4 && !(Plr.BewitchedWolfState & 2); throws++) {
            // A loaf in her hand, ready to throw at once.
            int s = -1;
            for (int k = 0; k < PLR_SLOTS && s < 0; k++)
                if (Plr.inv_obj[k] && strstr(ObjToItem(Plr.inv_obj[k]).name, "bread")) s = k;
            ASSERT_GE(s, 0) << "she has bread left";
            ASSERT_NE(Wield(s, 0, 1), 0);
            const int loaf = Plr.inv_obj[wielding(1) < PLR_SLOTS && strstr(ObjToItem(Plr.inv_obj[wielding(1)]).name, "bread")
                                             ? wielding(1)
                                             : wielding(2)];
            int x = 0, y = 0, key = 0, far = 0;
            // A clear line of a few squares to it on dry land; elsewhere she waits for it to come there.
            for (int t = 0; t < 40 && !key; t++) {
                ASSERT_TRUE(creature_square(wolf, x, y)) << "the wolf is about";
                // no water about it for a loaf thrown a little wide to sink in
                bool dry = true;
                for (int dy = -2; dy <= 2; dy++)
                    for (int dx = -2; dx <= 2; dx++) dry = dry && !terrain_flag(get_mapchar(x + dx, y + dy), TF_WATER);
                for (int r = 2; r <= 3 && !key && dry; r++)
                    for (const auto &a : aims) {
                        bool open = !key;
                        for (int k = 1; k <= r && open; k++) open = entry_square_free(x + k * a.dx, y + k * a.dy);
                        if (!open) continue;
                        // From there, facing it (what is behind her she does not see), she sees it.
                        PlayerX = x + r * a.dx, PlayerY = y + r * a.dy;
                        turn_towards(x, y);
                        PlayerView();
                        if (See(x, y)) key = a.key, far = r;
                    }
                if (!key) keyed_turn({'.'});
            }
            ASSERT_NE(key, 0) << "room about the wolf";
            picker_reset();
            {
                NoScreen hidden;
                std::vector<int> keys = {row_letter(loaf)};
                for (int k = 0; k < far; k++) keys.push_back(key);
                keys.push_back(KEY_ENTER);
                ui_script_keys(keys.data(), (int)keys.size());
                Heita();
                turn_answer();   // the world answers the throw
                ui_script_clear();
            }
            // She waits while it goes for the bread.
            for (int t = 0; t < 8 && !(Plr.BewitchedWolfState & 2); t++) keyed_turn({'.'});
        }
        ASSERT_NE(Plr.BewitchedWolfState & 2, 0) << "the wolf ate the bread";
        go_to(hx, hy);
        const int giver = sotu_Crepos(q.giverUid);
        ASSERT_GE(giver, 0) << "she is at home";
        open_talk(giver);
        EXPECT_EQ(globqS.conditions[0], 1) << "he is a man again";
        ASSERT_EQ(walk({26, 27}), -1);
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        int strips = 0;
        for (int s = 0; s < PLR_SLOTS; s++) strips += Plr.inv_obj[s] == (int)q.rewardItem;
        EXPECT_EQ(strips, 1) << "the strip of her garment";
    }

    // ---- 15: the bird thief, made to confess by his own feathers laid on a burnt-out fire ----
    void thief(int soc) {
        const int giver = cast("[man]", 530, soc);
        ASSERT_GE(giver, 0);
        const int oldman = cast("[any old man]", 560, soc, {giver});
        ASSERT_GE(oldman, 0);
        // A village of her people a few cells off for the thief to live in (her world has none so near).
        const int hx = IsoX(), hy = IsoY();
        maailma_alltime[mapidx(hx + 12, hy - 10)] = 239;
        set_alltime_kulttuuri(hx + 12, hy - 10, Cre[giver].culture);
        ASSERT_EQ(force_seeded(15, giver, soc), 1) << questoffer_log();
        QuestStruct q;
        ASSERT_TRUE(loadQuest(Cre[giver].quest, q));
        ASSERT_EQ(q.kind, 15);
        accept(giver, {2, 4, 6, 10, 11, 15});
        // The old man, once she knows his name, wants a bird before he tells the spell.
        Chatting_With = oldman;
        KysyNimi();
        open_talk(oldman);
        ASSERT_EQ(walk({0, 1, 3}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        // A bird she shot (the shot is no part of this): it falls dead beside her and she takes it up.
        const int kind = getcultAnim(Cre[giver].culture, 4);
        ASSERT_GT(kind, 0);
        int bird = -1;
        for (int d = 2; d < 8 && bird < 0; d++)
            if (entry_square_free(PlayerX + d, PlayerY)) {
                Luo_Olento(kind);
                static CreatureStruct b;
                b = Creature;
                const int id = new_creature_to_DATA(b);
                ASSERT_NE(id, CRE_NONE);
                set_data(DT_CREATURE, PlayerX + d, PlayerY, id, 1);
                bird = id - CRE_DATAID;
            }
        ASSERT_GE(bird, 0);
        KillCreature(bird, 0);
        const int carcass = take_up_carcass(bird);
        ASSERT_GT(carcass, 0) << "she carries the bird";
        int slot = -1;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == carcass) slot = s;
        ASSERT_GE(slot, 0);
        open_talk(oldman);
        deliver_item(slot, 1);
        EXPECT_TRUE(pick_line(15)) << "he tells the spell";
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        // She tells the trapper she knows how; they wait for the spell to work.
        open_talk(giver);
        ASSERT_EQ(walk({19, 20}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;

        // At the robbed snares: three of the thief's feathers taken up from where they lie.
        go_to(q.marks[0].x, q.marks[0].y);
        int feather = 0;
        for (int i = 0; i < DATA_MAX && carried(feather) < 3; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM || ObjToItem((int)d.id).origin != q.targetUid) continue;
            feather = (int)d.id;
            PlayerX = d.x;
            PlayerY = d.y;
            const int want = 3 - carried(feather);
            ASSERT_EQ(GetIt(i, d.count < want ? d.count : want, 0), 1);
        }
        ASSERT_EQ(carried(feather), 3) << "three of his feathers";
        // A fire made beside her (the spruce twigs and firewood cut on the way laid down by hand) and
        // let burn out, the day passing by the game's own clock.
        int fx = 0, fy = 0;
        static const struct {
            int dx, dy;
            SDL_Keycode key;
        } sides[] = {{-1, 0, SDLK_RIGHT}, {1, 0, SDLK_LEFT}, {0, -1, SDLK_DOWN}, {0, 1, SDLK_UP}};
        for (int r = 1; r < 20 && !fx; r++)
            for (const auto &s : sides)
                if (!fx && entry_square_free(PlayerX + r, PlayerY) && entry_square_free(PlayerX + r + s.dx, PlayerY + s.dy)) {
                    fx = PlayerX + r, fy = PlayerY;
                    ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Spruce twig", 1), 3), 0);
                    ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Firewood", 1), 5), 0);
                    PlayerX = fx + s.dx, PlayerY = fy + s.dy;
                    for (int t = 0; t < 10 && get_datatype(DT_FIRE, fx, fy) < 0; t++) {
                        push_key(s.key);
                        SURVIVAL_fire();
                    }
                }
        ASSERT_GE(get_datatype(DT_FIRE, fx, fy), 0) << notes();
        command({SDLK_PERIOD});   // it burns
        wizard_pass_days(1);
        command({SDLK_PERIOD});
        ASSERT_LT(get_datatype(DT_FIRE, fx, fy), 0) << "the fire burnt out";
        ASSERT_GE(get_datatype(DT_FIRE_REMAINS, fx, fy), 0);
        // The three feathers laid on what is left of it: the thief's conscience starts to burn.
        PlayerX = fx, PlayerY = fy;
        {
            NoScreen hidden;
            // the feathers' row, three of them, and on
            const int keys[] = {(int)oxatest::carried_letter(oxatest::item_name_of(feather).c_str()), '3', KEY_SPACE};
            ui_script_keys(keys, 3);
            dropCmd();
            ui_script_clear();
        }
        EXPECT_EQ(carried(feather), 0) << notes();
        CreatureStruct thief{};
        ASSERT_TRUE(getsotucrstruct(thief, q.targetUid, 0));
        ASSERT_GE(NPCstruct_omatunto_mins(thief), 0) << "the spell took";

        // Three days later the thief has been to confess; she is back home with the trapper.
        wizard_pass_days(3);
        go_to(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "the trapper is at home";
        open_talk(g);
        EXPECT_EQ(globqS.conditions[0], 1) << "the thief confessed";
        ASSERT_EQ(walk({27, 28}), -1);
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        EXPECT_EQ(carried((int)q.rewardItem), 1) << "the hare's paw";
    }

    // ---- 30: the robbers of a hostile people in the homeland's forests, found and fought ----
    void robbers(int soc) {
        const int giver = cast("[man]", 530, soc);
        ASSERT_GE(giver, 0);
        ASSERT_GE(cast("[man]", 530, soc, {giver}), 0);
        ASSERT_EQ(force_seeded(30, giver, soc), 1) << questoffer_log();
        QuestStruct q, w;
        ASSERT_TRUE(loadQuest(Cre[giver].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], w));
        accept(giver, {1, 3, 4, 6});
        // The witness, once she knows his name, tells where he met them.
        const int witness = sotu_Crepos(w.giverUid);
        ASSERT_GE(witness, 0);
        Chatting_With = witness;
        KysyNimi();
        open_talk(witness);
        ASSERT_EQ(walk({0, 2, 5, 7}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        ASSERT_TRUE(loadQuest(w.id, w));
        // Out to the camp: the cell within eight of his mark where the band stays.
        int cx = 0, cy = 0;
        static ZoomStruct kept;
        memcpy(&kept, &Zoom, sizeof kept);
        for (int y = w.marks[0].y - 8; y <= w.marks[0].y + 8 && !cx; y++)
            for (int x = w.marks[0].x - 8; x <= w.marks[0].x + 8 && !cx; x++)
                if (ZoomMapPos(x, y) && load_zoommap(x, y))
                    for (const DataStruct &d : Zoom.data)
                        if (d.type == DT_CREATURE && d.id >= (uint32_t)CRE_DATAID) {
                            CreatureStruct c{};
                            if (getsotucrstruct(c, d.id, 0) && c.community == q.bandCommunity) cx = x, cy = y;
                        }
        memcpy(&Zoom, &kept, sizeof Zoom);
        ASSERT_NE(cx, 0) << "the band camps near his mark";
        const int hx = IsoX(), hy = IsoY();
        go_to(cx, cy);
        // She goes at the nearest of them with her knife until one falls.
        std::vector<int> band;
        for (int c = 0; c < CRE_COUNT; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].community == q.bandCommunity && cre_datapos(c) >= 0) band.push_back(c);
        ASSERT_FALSE(band.empty()) << "the band is there";
        int knife = -1;
        for (int s = 0; s < PLR_SLOTS && knife < 0; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_WEAPON) knife = s;
        ASSERT_GE(knife, 0) << "she carries a blade";
        if (wielding(1) >= PLR_SLOTS) Wield(knife, 1, 1);
        auto fallen = [&] {
            for (int c : band)
                if (Cre[c].mode == CM_CARCASS) return true;
            return false;
        };
        int tries = 0;
        for (int blows = 0; blows < 150 && !fallen() && Plr.posture != 4; blows++) {
            int target = -1, tx = 0, ty = 0;
            for (int c : band)
                if (Cre[c].mode != CM_CARCASS && creature_square(c, tx, ty)) {
                    target = c;
                    break;
                }
            ASSERT_GE(target, 0);
            static const struct {
                int dx, dy, key;
            } sides[] = {{-1, 0, KEY_RIGHT}, {1, 0, KEY_LEFT}, {0, 1, KEY_UP}, {0, -1, KEY_DOWN},
                         {-1, -1, KEY_PGDN}, {1, -1, KEY_END}, {-1, 1, KEY_PGUP}, {1, 1, KEY_HOME}};
            int key = 0;
            for (const auto &s : sides)
                if (!key && (entry_square_free(tx + s.dx, ty + s.dy) || (PlayerX == tx + s.dx && PlayerY == ty + s.dy)))
                    PlayerX = tx + s.dx, PlayerY = ty + s.dy, key = s.key;
            ASSERT_NE(key, 0);
            turn_towards(tx, ty);
            PlayerView();
            NoScreen hidden;
            // The way to it, the blade's edge when it asks which side, and the body; the neck of one
            // down (the death blow asks its own places); where a blow finds no such choice, the next
            // tries the other.
            const int keys[3][3] = {{key, 'E', 'B'}, {key, 'E', 'N'}, {key, 'N', 0}};
            ui_script_keys(keys[tries % 3], keys[tries % 3][2] ? 3 : 2);
            if (!MELEEHYOKKAYS_pelaaja(1)) tries++;
            turn_answer();
            ui_script_clear();
        }
        ASSERT_TRUE(fallen()) << "one of them fell";
        go_to(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "he is at home";
        open_talk(g);
        EXPECT_EQ(globqS.conditions[0], 1) << "she found them";
        ASSERT_TRUE(pick_line(16));
        ASSERT_TRUE(pick_line(17) || pick_line(18)) << "cut down some, or all";
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
    }

    // ---- 50: the forest maids, met by a fire of seven spruce twigs on the moss of a remote forest ----
    // The byte of the player record whose value 2 marks a forest maid met.
    enum { PB_MAID_MEETINGS = 5625, SURFACE_MOSS = 2 };
    void maids(int soc) {
        ASSERT_EQ(wizard_set_month(10), 1);   // autumn, the forest maids' time, by the game's own clock
        const int old = cast("[old man]", 560, soc);
        ASSERT_GE(old, 0);
        const int young = cast("[young man]", 530, soc, {old}, "Peasant");
        ASSERT_GE(young, 0);
        ASSERT_GE(cast("[maiden]", 520, soc, {old, young}, "Maiden"), 0);
        // A village of her people a few cells off for the uncle (her world has none so near).
        const int hx = IsoX(), hy = IsoY();
        maailma_alltime[mapidx(hx + 12, hy - 10)] = 239;
        set_alltime_kulttuuri(hx + 12, hy - 10, Cre[old].culture);
        ASSERT_EQ(force_seeded(50, old, soc), 1) << questoffer_log();
        QuestStruct q, boyq, uncleq;
        ASSERT_TRUE(loadQuest(Cre[old].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], boyq));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[1], uncleq));
        accept(old, {2, 7, 3, 10, 12, 13});
        // The young man tells his tale and sends her to his uncle.
        const int boy = sotu_Crepos(boyq.giverUid);
        ASSERT_GE(boy, 0);
        Chatting_With = boy;
        KysyNimi();
        open_talk(boy);
        ASSERT_EQ(walk({0, 1, 3, 4, 5, 6}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        // The uncle, in his village, teaches the fire that draws them.
        go_to(uncleq.worldX, uncleq.worldY);
        const int uncle = sotu_Crepos(uncleq.giverUid);
        ASSERT_GE(uncle, 0) << "the uncle is at home";
        Chatting_With = uncle;
        KysyNimi();
        open_talk(uncle);
        ASSERT_EQ(walk({1, 2, 3}), -1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        ASSERT_TRUE(taikakeino_tuttu(25, 0)) << "she learnt the fire";
        // Out to a forest of spruce and moss far from any village.
        int mx = 0, my = 0;
        for (int d = 10; d < 80 && !mx; d++)
            for (int k = -d; k <= d && !mx; k++)
                for (const auto &c : {WorldCell{uncleq.worldX + k, uncleq.worldY - d}, WorldCell{uncleq.worldX + k, uncleq.worldY + d},
                                      WorldCell{uncleq.worldX - d, uncleq.worldY + k}, WorldCell{uncleq.worldX + d, uncleq.worldY + k}}) {
                    const int w = get_alltime_maailmachar(c.x, c.y);
                    if (!mx && (w == 235 || w == 15) && !is_settled_area(c.x, c.y, 10)) mx = c.x, my = c.y;
                }
        ASSERT_NE(mx, 0) << "a spruce forest far from people";
        go_to(mx, my);
        // A bed of moss with room beside it for the fire.
        int bx = 0, by = 0, fx = 0, fy = 0;
        SDL_Keycode toward_fire = 0;
        static const struct {
            int dx, dy;
            SDL_Keycode key;
        } sides[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, 1, SDLK_DOWN}, {0, -1, SDLK_UP}};
        for (int r = 0; r < 40 && !bx; r++)
            for (int y = PlayerY - r; y <= PlayerY + r && !bx; y++)
                for (int x = PlayerX - r; x <= PlayerX + r && !bx; x++) {
                    if (koordinaattien_vali(x, y, PlayerX, PlayerY) != r || !entry_square_free(x, y) ||
                        PINTA(pintakartta_value(x, y)) != SURFACE_MOSS)
                        continue;
                    for (const auto &sd : sides) {
                        const int ex = x + sd.dx, ey = y + sd.dy;
                        if (bx || !entry_square_free(ex, ey)) continue;
                        // and room by the fire, a step farther off, for one to come and stand
                        bool room = false;
                        for (int d = 0; d < 8; d++) {
                            const int sx = ex + Heds_x(d), sy = ey + Heds_y(d);
                            room = room || (koordinaattien_vali(sx, sy, x, y) == 2 && entry_square_free(sx, sy));
                        }
                        if (room) bx = x, by = y, fx = ex, fy = ey, toward_fire = sd.key;
                    }
                }
        ASSERT_NE(bx, 0) << "moss to sleep on";
        PlayerX = bx, PlayerY = by;
        // The hours pass by the game's own clock while she stands by there, tiring, until night falls
        // and she can sleep: tired enough, and in rain or snow too tired to mind it.
        for (int h = 0; h < 24; h++) {
            const int sleepy = plr_get<int32_t>(PB_SLEEPINESS);
            if (GlobWeather.sun_alt < 0 && (sleepy >= 2000 || (sleepy >= 500 && !is_it_raining()))) break;
            AsetaPonnistelu(CRE_PLAYER, 1);
            MinuteTick(60, 2);
            Time();
        }
        // The fire of seven spruce twigs and a good pile of firewood to last the night (cut on the way,
        // laid down by hand).
        ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Spruce twig", 1), 7), 0);
        ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Firewood", 1), 30), 0);
        for (int t = 0; t < 10 && get_datatype(DT_FIRE, fx, fy) < 0; t++) {
            push_key(toward_fire);
            SURVIVAL_fire();
        }
        ASSERT_GE(get_datatype(DT_FIRE, fx, fy), 0) << notes();
        ASSERT_GT(get_SpiritData_attractmingap(bx, by, 700), 0) << "the fire calls them";
        // She sleeps on the moss by it.
        keyed_turn({'Z'});
        // Woken, she looks to the fire, where one has come to stand.
        for (int t = 0; t < 4 && !(plr_get<uint8_t>(PB_MAID_MEETINGS) & 2); t++) {
            turn_towards(fx, fy);
            PlayerView();
            keyed_turn({'.'});
        }
        ASSERT_NE(plr_get<uint8_t>(PB_MAID_MEETINGS) & 2, 0) << "she met a forest maid";
        // Home to the old man with the news.
        go_to(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "he is at home";
        open_talk(g);
        EXPECT_EQ(globqS.conditions[0], 1) << "she has met one";
        ASSERT_TRUE(pick_line(16));
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        ASSERT_TRUE(loadQuest(uncleq.id, uncleq));
        EXPECT_EQ(uncleq.completionDay, Plr.daynumber) << "and the uncle's part with it";
    }

    // ---- 51, 52: the lore of the spirits, the spirit met, and the last spell ----
    // The byte of the player record whose bits mark the spirits met: 4 the water folk, 16 the spirit
    // of the forest.
    enum { PB_SPIRITS_MET_BYTE = 5016, MET_WATER = 4, MET_FOREST = 16 };
    static bool met(int bit) { return (plr_get<uint8_t>(PB_SPIRITS_MET_BYTE) & bit) != 0; }
    // The old man's lesson taken to his acceptance: the first spell learnt on the way, and no report
    // offered in the talk after it.
    void lore_lesson(int kind, int soc, int first, QuestStruct &q) {
        const int old = cast("[any old man]", 560, soc);
        ASSERT_GE(old, 0);
        ASSERT_EQ(force(kind, old, soc), 1) << questoffer_log();
        ASSERT_TRUE(loadQuest(Cre[old].quest, q));
        EXPECT_EQ(dump_fault(q), "");
        accept(old, {2, 3, 4, 6, 8});
        EXPECT_TRUE(taikakeino_tuttu(first, 0)) << "the lesson taught the first spell";
        open_talk(old);
        EXPECT_FALSE(pick_line(16)) << "no report before she has met them";
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
    }
    // The hours go by the game's clock until the hour h has begun.
    static void until_hour(int h) {
        for (int t = 0; t < 24 && Plr.hour != h; t++) {
            MinuteTick(60, 2);
            Time();
        }
    }
    // She stands waiting until a spirit shows himself (his coming breaks off her wait: "y" to each
    // question of the wait, the space bar past each note that waits), then looks round for him while
    // he comes near.
    void meet_spirit(int bit) {
        KeyFeeder waiting;
        waiting.at_waits().key(SDLK_MINUS);
        for (int k = 0; k < 8; k++) waiting.key(SDLK_y).key(SDLK_SPACE);
        int r;
        waiting.typed([&] { return turn_pass(&r); });
        for (int t = 0; t < 40 && !met(bit); t++) command({t % 4 ? SDLK_PERIOD : SDLK_LEFT});
    }
    // Home to the old man with the news: the report, the last spell, the quest completed.
    void lore_report(QuestStruct &q, int hx, int hy, int last) {
        go_to(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "he is at home";
        open_talk(g);
        EXPECT_EQ(globqS.conditions[0], 1) << "she has met them";
        ASSERT_EQ(walk({16, 17}), -1);
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        EXPECT_TRUE(taikakeino_tuttu(last, 0));
    }

    // 52: the spirit of the forest, called by silver carved into an ant nest at night.
    void forest_spirit(int soc) {
        Plr.skill_level[findskillpos("TRACKING")] = 85;   // she has the look of a hunter
        QuestStruct q;
        lore_lesson(52, soc, 190, q);
        // Out into the forests with no village within five cells, to an ant nest with a clearing
        // beside it where she can see round her in the night.
        const int hx = IsoX(), hy = IsoY();
        auto clearing = [](int x, int y) {
            if (!entry_square_free(x, y)) return false;
            for (int dy = -2; dy <= 2; dy++)
                for (int dx = -2; dx <= 2; dx++)
                    if (terrain_flag(get_mapchar(x + dx, y + dy), TF_BLOCKS_SIGHT)) return false;
            return true;
        };
        // A square of `c` in the cell's map with a clearing beside it: she stands in the clearing.
        constexpr int ANT_NEST = 29;
        int sx = 0, sy = 0, nx = 0, ny = 0;
        auto beside = [&](int wx, int wy, int c) {
            const UiRect r = bigxy_zoomrect(wx, wy);
            for (int y = r.y; y < r.y + r.h && !sx; y++)
                for (int x = r.x; x < r.x + r.w && !sx; x++)
                    for (int n = 0; n < 8 && !sx && get_mapchar(x, y) == c; n++)
                        if (clearing(x + Heds_x(n), y + Heds_y(n))) sx = x + Heds_x(n), sy = y + Heds_y(n), nx = x, ny = y;
        };
        // The map of a coniferous cell has its nest on bare ground in one draw of five: where the
        // cells she looks at were drawn with none, the last one has it where its map could have.
        constexpr uint32_t CONIFEROUS = 0x40000;
        for (int d = 6, tries = 0; d < 60 && !sx && tries < 8; d++)
            for (int k = -d; k <= d && !sx && tries < 8; k += 3) {
                const int wx = hx + k, wy = hy + d, w = get_alltime_maailmachar(wx, wy);
                if (terrain_flag(w, TF_WATER) || !terrain_flag(w, TF_OPEN) || !(terrain[w & 255].nature & CONIFEROUS) ||
                    is_settled_area(wx, wy, 5))
                    continue;
                tries++;
                go_to(wx, wy);
                beside(wx, wy, ANT_NEST);
                if (sx || tries < 8) continue;
                beside(wx, wy, CH_GROUND);
                if (sx) set_mapchar(nx, ny, ANT_NEST);
            }
        ASSERT_NE(sx, 0) << "an ant nest in the wilds";
        PlayerX = sx, PlayerY = sy;
        // At night she carves a silver ring into the nest from her spells page (the general
        // sacrifice, the ring picked from her things) and waits there for him.
        ASSERT_GE(Lisaa_Inventoryyn(object("silver ring", 0), 1, 0, -1), 0);
        until_hour(22);
        command({SDLK_F4, SDLK_a, carried_letter("silver ring")});
        EXPECT_NE(notes().find("into an ant nest as a sacrifice."), std::string::npos) << notes();
        meet_spirit(MET_FOREST);
        ASSERT_TRUE(met(MET_FOREST)) << notes();
        EXPECT_NE(notes().find("You feel strong presence of the spirits."), std::string::npos) << notes();
        lore_report(q, hx, hy, 192);
    }

    // 51: the water folk, met naked on a lone rock in a lake between 23:00 and 01:00.
    void water_folk(int soc) {
        Plr.skill_level[findskillpos("FISHING")] = 85;   // she has the look of a fisherman
        QuestStruct q;
        lore_lesson(51, soc, 135, q);
        // Out to the lakes: a shore cell beside open water, and a lone rock in the water of the land
        // she has in view from it.
        const int hx = IsoX(), hy = IsoY();
        auto lone_rock = [](int x, int y) {
            if (maapera_arvo(x, y) != 1 || get_mapchar(x, y) != CH_GROUND) return false;
            if (zoommap_ulkoluoto(x, y, nullptr, nullptr)) return true;
            for (int d = 0; d < 8; d++)
                if (!avovesi(x + Heds_x(d), y + Heds_y(d))) return false;
            return true;
        };
        auto lake = [](int x, int y) {
            const int w = get_alltime_maailmachar(x, y);
            return w == CH_SHALLOW_WATER || w == CH_SHALLOW_SEA;
        };
        int sx = 0, sy = 0, ex = 0, ey = 0;
        for (int d = 1, tries = 0; d < 60 && !sx && tries < 8; d++)
            for (int y = hy - d; y <= hy + d && !sx && tries < 8; y++)
                for (int x = hx - d; x <= hx + d && !sx && tries < 8; x++) {
                    if ((std::abs(x - hx) != d && std::abs(y - hy) != d) || (x + y) % 3) continue;
                    const int w = get_alltime_maailmachar(x, y);
                    if (terrain_flag(w, TF_WATER) || !terrain_flag(w, TF_OPEN)) continue;
                    int wet = 0;
                    for (int k = 0; k < 8; k++) wet += lake(x + 2 * Heds_x(k), y + 2 * Heds_y(k));
                    if (wet < 3) continue;
                    tries++;
                    go_to(x, y);
                    ex = PlayerX, ey = PlayerY;
                    for (int yy = PlayerY - 150; yy < PlayerY + 150 && !sx; yy++)
                        for (int xx = PlayerX - 150; xx < PlayerX + 150 && !sx; xx++)
                            if (lone_rock(xx, yy)) sx = xx, sy = yy;
                    if (sx || tries < 8) continue;
                    // The lakes' maps were drawn with no rock standing alone: the last one has one
                    // where its map could have raised it, bare rock a step above the open water.
                    for (int yy = PlayerY - 150; yy < PlayerY + 150 && !sx; yy++)
                        for (int xx = PlayerX - 150; xx < PlayerX + 150 && !sx; xx++) {
                            bool open = avovesi(xx, yy);
                            for (int d = 0; d < 8; d++) open = open && avovesi(xx + Heds_x(d), yy + Heds_y(d));
                            if (!open) continue;
                            const int i = mapidx(xx, yy);
                            set_mapchar(xx, yy, CH_GROUND);
                            pintakartta[i] = (uint8_t)aseta_MAAPERA(pintakartta[i], 1);
                            korkeuskartta[i] = (uint8_t)(korkeuskartta[mapidx(xx + 1, yy)] + 1);
                            layer_rows_written(pintakartta, yy, yy);
                            layer_rows_written(korkeuskartta, yy, yy);
                            if (lone_rock(xx, yy)) sx = xx, sy = yy;
                        }
                }
        ASSERT_NE(sx, 0) << "a lone rock in the water";
        // She swims out to it and there takes off her clothes one by one.
        PlayerX = sx, PlayerY = sy;
        for (int t = 0; t < 20 && !plr_naked(); t++)
            for (int s = 0; s < PLR_SLOTS; s++) {
                const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
                if (Plr.inv_obj[s] && it.type == IT_ARMOUR && (it.status & ISTAT_WORN)) {
                    keyed_turn({'T', row_letter(Plr.inv_obj[s]), ' '});
                    break;
                }
            }
        ASSERT_TRUE(plr_naked()) << notes();
        // She stands on the rock through the midnight hours, night after night, until they come.
        for (int night = 0; night < 4 && !met(MET_WATER); night++) {
            until_hour(22);
            meet_spirit(MET_WATER);
        }
        ASSERT_TRUE(met(MET_WATER)) << notes();
        EXPECT_NE(notes().find("You feel strong presence of the spirits."), std::string::npos) << notes();
        // She swims back to where she came down to the shore.
        PlayerX = ex, PlayerY = ey;
        lore_report(q, hx, hy, 111);
    }

    // ---- 71: a message carried to a far village, and the reply carried home ----
    void messenger(int soc) {
        const int man = cast("[man]", 530, soc);
        ASSERT_GE(man, 0);
        // A village of his people 45 cells east (her world has none 30 to 60 cells off).
        const int hx = IsoX(), hy = IsoY();
        maailma_alltime[mapidx(hx + 45, hy)] = 210;
        set_alltime_kulttuuri(hx + 45, hy, Cre[man].culture);
        ASSERT_EQ(force_seeded(71, man, soc), 1) << questoffer_log();
        QuestStruct q, side;
        ASSERT_TRUE(loadQuest(Cre[man].quest, q));
        ASSERT_TRUE(loadQuest(q.sideQuestIds[0], side));
        ASSERT_EQ(side.worldX, hx + 45);
        EXPECT_EQ(dump_fault(q), "");
        EXPECT_EQ(dump_fault(side), "");
        accept(man, {2, 3, 4, 5});
        open_talk(man);
        EXPECT_FALSE(pick_line(15)) << "no reply to report before she has it";
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        // Over the world map by her keys to his village, where she asks after him by name.
        journey(side.worldX, side.worldY);
        const int him = sotu_Crepos(side.giverUid);
        ASSERT_GE(him, 0) << "he lives there";
        greet(him);
        ASSERT_TRUE(say("Who are you?"));
        ASSERT_TRUE(say("Erm, I have a message")) << "his side opens once she knows his name";
        ASSERT_TRUE(say("He asked me to tell you"));
        ASSERT_TRUE(say("He said I should bring"));
        ASSERT_TRUE(say("Thanks. I will go deliver"));
        EXPECT_EQ(Cre[him].quest, 0u) << "his part is done";
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        // Home again with the reply within the three days, and paid in the village's goods.
        journey(hx, hy);
        const int g = sotu_Crepos(q.giverUid);
        ASSERT_GE(g, 0) << "he is at home";
        ASSERT_EQ(GetGlobVil(soc), 1);
        const float credit = globVil.credit;
        open_talk(g);
        EXPECT_FALSE(offered("No, I haven't got it")) << "the reply is heard";
        ASSERT_EQ(walk({15, 16}), -1);
        ASSERT_TRUE(loadQuest(q.id, q));
        EXPECT_EQ(q.completionDay, Plr.daynumber);
        ASSERT_EQ(GetGlobVil(soc), 1);
        EXPECT_FLOAT_EQ(globVil.credit, credit + 8.0f * (float)q.rewardCount);
    }

protected:
    // A command typed as the turn loop reads one, with no window to wait on: the keys scripted, the
    // command taken and the world's answer to it.
    static void keyed_turn(std::initializer_list<int> keys) {
        NoScreen hidden;
        const std::vector<int> k(keys);
        ui_script_keys(k.data(), (int)k.size());
        PlayerAction();
        turn_answer();
        ui_script_clear();
    }
    // The letter of the row of her things that shows object `obj`.
    static int row_letter(int obj) {
        InvGet_character(CRE_PLAYER, 0);
        doInvList(0, 0);
        for (int i = 0; i < INVDATA_MAX && InvData[i].pos; i++)
            if (InvData[i].pos == obj) return NAPPAIN[i];
        ADD_FAILURE() << "no row shows " << obj;
        return KEY_ESC;
    }
    // Things of object `obj` she carries.
    static int carried(int obj) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (obj && Plr.inv_obj[s] == obj) n += Plr.inv_count[s] ? Plr.inv_count[s] : 1;
        return n;
    }
    // The carcass of creature n taken up from where it lies: its object number in her pack, 0 none.
    static int take_up_carcass(int n) {
        const uint32_t uid = Cre[n].socialid;
        for (int i = 0; i < DATA_MAX; i++) {
            if (Data[i].type != DT_CARCASS || creature_slot_of(Data[i].id) != n) continue;
            PlayerX = Data[i].x;
            PlayerY = Data[i].y;
            if (GetIt(i, 1, 0) != 1) return 0;
            for (int s = 0; s < PLR_SLOTS; s++)
                if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_CARCASS && ObjToItem(Plr.inv_obj[s]).id == uid)
                    return Plr.inv_obj[s];
        }
        return 0;
    }
    static int holder(int kind) {
        for (int n = 0; n < CRE_COUNT; n++) {
            QuestStruct q;
            if (Cre[n].kind == CK_HUMAN && Cre[n].quest && loadQuest(Cre[n].quest, q) && q.kind == kind) return n;
        }
        return -1;
    }
    static void accept(int giver, std::initializer_list<int> lines) {
        open_talk(giver);
        ASSERT_EQ(walk(lines), -1);
        EXPECT_EQ(globqS.accepted, 1);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
    }
    // Up onto the world map and down into the cell; with a day given, she stays out on the world map
    // until that day has come.
    void go_to(int x, int y, uint32_t until_day = 0) {
        step_away_from_creatures();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap()) << notes();
        if (until_day > Plr.daynumber) wizard_pass_days((int)(until_day - Plr.daynumber));
        PlayerX = x;
        PlayerY = y;
        for (int t = 0; t < 3 && bigmap(); t++) {   // what she came across on the way is passed by
            command({SDLK_RETURN});
            command({SDLK_SPACE, SDLK_PERIOD});
        }
        ASSERT_FALSE(bigmap()) << notes();
        ASSERT_EQ(IsoX(), x);
        ASSERT_EQ(IsoY(), y);
    }
    // Up onto the world map, over it by her keys a cell at a time, and down into the cell.
    void journey(int x, int y) {
        step_away_from_creatures();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap()) << notes();
        for (int t = 0; t < 200 && (PlayerX != x || PlayerY != y); t++) {
            step_toward(x, y);
            if (!bigmap()) command({SDLK_RETURN});   // what she came across on the way is passed by
        }
        ASSERT_TRUE(PlayerX == x && PlayerY == y) << notes();
        command({SDLK_RETURN});
        command({SDLK_SPACE, SDLK_PERIOD});
        ASSERT_FALSE(bigmap()) << notes();
    }
    // A talk begun as she begins one: his greeting and what she can say to it.
    static void greet(int n) {
        Chatting_With = n;
        Chat_Mode = CHAT_GREET;
        QUIT = EXIT_CHAT = 0;
        CANTCANCELCHAT = QUEST_SUMMARY_TALK = 0;
        ClearChatOptStruct();
        ASSERT_TRUE(loadQuest(Cre[n].quest, globqS));
        QuestCondMaint(&globqS);
        Start_Conversation(0);
    }
    // The offered line holding `words` said; false when none is offered.
    static bool say(const char *words) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && strstr(o.text, words)) {
                chat_pick((int)o.key);
                return true;
            }
        return false;
    }
    static bool offered(const char *words) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && strstr(o.text, words)) return true;
        return false;
    }
    // A step by the compass toward the square (Ctrl with a keypad key).
    static void step_toward(int x, int y) {
        static const SDL_Keycode keypad[3][3] = {{SDLK_KP_7, SDLK_KP_4, SDLK_KP_1},
                                                 {SDLK_KP_8, SDLK_KP_5, SDLK_KP_2},
                                                 {SDLK_KP_9, SDLK_KP_6, SDLK_KP_3}};
        const int dx = (x > PlayerX) - (x < PlayerX), dy = (y > PlayerY) - (y < PlayerY);
        KeyFeeder typing;
        typing.key(keypad[dx + 1][dy + 1], KMOD_CTRL);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // The first lying thing that `is` picks, taken up from its square: its object number, 0 none.
    template <class F> static int take_up(F is) {
        for (int i = 0; i < DATA_MAX; i++) {
            if (Data[i].type != DT_ITEM || !is(Data[i])) continue;
            const int obj = (int)Data[i].id;
            PlayerX = Data[i].x;
            PlayerY = Data[i].y;
            return GetIt(i, 1, 0) == 1 ? obj : 0;
        }
        return 0;
    }
    // Turns waited until a record of the type and object lies on the map: its index, -1 never.
    static int wait_for(int type, uint32_t obj, int turns) {
        for (int t = 0; t < turns; t++) {
            command({SDLK_PERIOD});
            for (int i = 0; i < DATA_MAX; i++)
                if (Data[i].type == type && Data[i].id == obj) return i;
        }
        return -1;
    }
    // A quest done is remembered by its giver and by the people of its side roles for 364 days from
    // the day it was done, however long before that it was taken on, and forgotten the day after:
    // she is away on the world map and meets them again in their village.
    void a_year_on(uint32_t qid) {
        QuestStruct q;
        ASSERT_TRUE(loadQuest(qid, q));
        ASSERT_NE(q.completionDay, 0u);
        std::vector<std::pair<uint32_t, uint32_t>> holders;   // social id, quest id
        holders.push_back({q.giverUid, qid});
        for (uint32_t id : q.sideQuestIds) {
            QuestStruct side;
            if (!id || !loadQuest(id, side)) continue;
            const int p = sotu_Crepos(side.giverUid);
            if (p >= 0 && Cre[p].quest == id) holders.push_back({Cre[p].socialid, id});
        }
        bool leaves = false;
        for (const QuestTalkLine &l : q.talk)
            leaves = leaves || std::string(l.actionTags, strnlen(l.actionTags, sizeof l.actionTags)).find("[leave]") != std::string::npos;
        const int hx = IsoX(), hy = IsoY();
        const struct {
            uint32_t days;
            bool kept;
        } visits[] = {{364, true}, {365, false}};
        for (const auto &v : visits) {
            SCOPED_TRACE(v.days);
            go_to(hx, hy, q.completionDay + v.days);
            ASSERT_EQ(Plr.daynumber, q.completionDay + v.days);
            for (const auto &h : holders) {
                const int p = sotu_Crepos(h.first);
                // A giver who leaves once it is done walks off while she stays among the houses.
                if (p < 0 && h.second == qid && !v.kept && leaves) continue;
                ASSERT_GE(p, 0) << "the person of quest " << h.second << " is at home";
                EXPECT_EQ(Cre[p].quest, v.kept ? h.second : 0u) << "quest " << h.second;
                EXPECT_EQ(Cre[p].questexpiry, v.kept ? q.completionDay : 0u) << "quest " << h.second;
            }
        }
    }
    // What was wanted handed to the giver, who completes the quest and rewards her.
    void hand_over(uint32_t qid, int obj) {
        QuestStruct q;
        ASSERT_TRUE(loadQuest(qid, q));
        const int giver = sotu_Crepos(q.giverUid);
        ASSERT_GE(giver, 0) << "the giver is at home";
        int slot = -1;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == obj) slot = s;
        ASSERT_GE(slot, 0) << "she carries it";
        open_talk(giver);
        deliver_item(slot, 1);
        EXPECT_TRUE(pick_line(19));
        ASSERT_TRUE(loadQuest(qid, q));
        EXPECT_EQ(q.talk[25].said, 1);
        EXPECT_EQ(q.talk[19].said, 1);
        EXPECT_EQ(q.completionDay, Plr.daynumber);
    }
};

}  // namespace

TEST_P(LandPlayed, FromTheOfferToTheReward) {
    const int soc = village();
    ASSERT_GT(soc, 0);
    srand(11);
    (this->*GetParam().play)(soc);
}

INSTANTIATE_TEST_SUITE_P(Kinds, LandPlayed,
                         ::testing::Values(LandRow{5, "axe", &LandPlayed::axe}, LandRow{10, "punt", &LandPlayed::punt},
                                           LandRow{37, "escort", &LandPlayed::escort},
                                           LandRow{38, "woodsman", &LandPlayed::woodsman},
                                           LandRow{35, "cover", &LandPlayed::cover},
                                           LandRow{20, "wolf", &LandPlayed::wolf},
                                           LandRow{15, "thief", &LandPlayed::thief},
                                           LandRow{30, "robbers", &LandPlayed::robbers},
                                           LandRow{50, "maids", &LandPlayed::maids},
                                           LandRow{51, "water_folk", &LandPlayed::water_folk},
                                           LandRow{52, "forest_spirit", &LandPlayed::forest_spirit},
                                           LandRow{71, "messenger", &LandPlayed::messenger}),
                         [](const ::testing::TestParamInfo<LandRow> &i) { return std::string(i.param.name); });
