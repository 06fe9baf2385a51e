// The quests of the land played as she plays them, one row a kind: the offer, the talk to the
// acceptance, her journey out into the world for what is wanted, home again with it and the reward.
#include "quests/kinds_land_fixture.h"

#include "../items/row_letters.h"
#include "activities/itemcmd.h"
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

        // He takes the log up and carves it into the punt over the order's days.
        const uint32_t product = side.craftOrder[0];
        const int work = wait_for(DT_WORK, product, 200);
        ASSERT_GE(work, 0) << "he set to work on the log";
        EXPECT_GE(Data[work].ready_minute, Plr.minutes + side.craftOrder[2] - 60);
        EXPECT_LE(Data[work].ready_minute, Plr.minutes + side.craftOrder[2]);
        Data[work].ready_minute = Plr.minutes;   // the days of carving gone by
        ASSERT_GE(wait_for(DT_ITEM, product, 5), 0) << "the punt lies finished";
        for (int t = 0; t < 30 && Cre[carver].craftstate == 1; t++) command({SDLK_PERIOD});
        EXPECT_EQ(Cre[carver].craftstate, 2) << "his order is ready";
        const int punt = take_up([&](const DataStruct &d) { return d.id == product; });
        ASSERT_GT(punt, 0);
        go_to(hx, hy);
        hand_over(q.id, punt);
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
    // Up onto the world map and down into the cell.
    void go_to(int x, int y) {
        step_away_from_creatures();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap()) << notes();
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
                                           LandRow{50, "maids", &LandPlayed::maids}),
                         [](const ::testing::TestParamInfo<LandRow> &i) { return std::string(i.param.name); });
