// A creature's choices around a fight: the weapon a person takes up, the bow it keeps or puts away,
// how long a bowman aims, the bear that shies from a charm, a snake's venom and the wolf's fate.
#include "combat_fixture.h"

#include "game/turnloop.h"
#include "creatures/bodyrec.h"
#include "creatures/death.h"
#include "creatures/decisions.h"
#include "core/datafunc.h"
#include "creatures/melee.h"
#include "creatures/life.h"
#include "creatures/predicates.h"
#include "creatures/weaponchoice.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "items/wearing.h"
#include "maps/facing.h"
#include "maps/maps.h"

namespace oxatest {

class DecisionsTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        dir->copy_asset("messages/eng_creatures.txt");
        MSG_forget_index();
        randomize(11);
    }
    // A person in slot c at (x, y) with one skill.
    static CreatureStruct &person(int c, int pos, int x, int y, const char *skill, int level) {
        creature(pos, c, x, y);
        CreatureStruct &p = Cre[c];
        p.kind = CK_HUMAN;
        p.endurance = p.dexterity = p.agility = 12;
        p.weight = 70.0f;
        p.socialid = 3000u + (uint32_t)c;
        p.enemy = CRE_NONE;
        p.culture = 255;
        strcpy(p.skillname[0], skill);
        p.skilllevel[0] = (uint8_t)level;
        return p;
    }
    // A beast in slot c at (x, y) that others can fight.
    static CreatureStruct &foe(int c, int pos, int x, int y) {
        creature(pos, c, x, y);
        CreatureStruct &w = Cre[c];
        w.kind = 3;
        w.speciescode = 601;
        w.weight = 40.0f;
        w.endurance = 12;
        w.socialid = 4000u + (uint32_t)c;
        w.enemy = CRE_NONE;
        strcpy(w.natattack[0], "bite");
        w.atkstrength[0] = 5;
        w.atkweight[0] = 20;
        w.atktype[0] = 3;
        w.atkskill[0] = 50;
        return w;
    }
    static int stored(const ItemStruct &it) { return Esineesta_Uniikki(it); }
    static void pack(CreatureStruct &c, int slot, int pos, int count = 1) {
        c.pack[slot] = pos;
        c.packcount[slot] = (uint8_t)count;
    }
    static ItemStruct bow(const char *skill) {
        ItemStruct b = weapon(skill, "Bow", 200, 200, 200, 2.0f);
        b.subtype = ST_BOW;
        return b;
    }
    static ItemStruct arrow() {
        ItemStruct a = weapon("BOW", "Broadhead arrow", 0, 6, 200, 0.1f);
        a.subtype = ST_ARROW;
        return a;
    }
    // Sets c on foe e as a fight begun.
    static void fighting(int c, int e) {
        Aseta_Vihollinen(c, e);
        Cre[c].mode = 99;
        Cre[c].stamina = 255;
    }
};

TEST_F(DecisionsTest, APersonTakesUpTheWeaponOfItsBestSkillAndNeverANet) {
    CreatureStruct &p = person(1, 10, PlayerX + 5, PlayerY, "DAGGER", 60);
    strcpy(p.skillname[1], "AXE");
    p.skilllevel[1] = 40;
    const int net = stored(weapon("FISHING", "Net", 200, 200, 200, 3.0f));
    const int knife = stored(weapon("KNIFE", "Knife", 1, 5, 3, 0.5f));
    const int axe = stored(weapon("AXE", "Axe", 4, 8, 200, 3.0f));
    pack(p, 0, net);
    foe(2, 11, PlayerX + 9, PlayerY);
    fighting(1, 2);
    EXPECT_EQ(NPC_paras_taistelukyky(1, 0), 0);
    EXPECT_STREQ(p.skillname[0], "KNIFE") << "a dagger is fought with as a knife";
    EXPECT_EQ(NPC_paras_taistelukyky(1, 2), 1) << "the best of another name";
    EXPECT_EQ(NPC_wield(1), 0) << "a net strikes no way and is never taken up";
    EXPECT_EQ(p.wielded, 0);
    pack(p, 1, axe);
    pack(p, 2, knife);
    EXPECT_EQ(NPC_wield(1), 1);
    EXPECT_EQ(p.wielded, knife) << "the weapon of its best skill beats a better axe";
    EXPECT_EQ(p.pack[2], 0) << "out of the pack into the hand";
    // With no weapon of its skill, the best weapon by its best aspect.
    CreatureStruct &q = person(3, 12, PlayerX + 5, PlayerY + 2, "SWORD", 70);
    pack(q, 0, knife);
    pack(q, 1, axe);
    fighting(3, 2);
    EXPECT_EQ(NPC_wield(3), 1);
    EXPECT_EQ(q.wielded, axe);
}

TEST_F(DecisionsTest, AnArcherShootsBetweenFourAndFifteenSquares) {
    CreatureStruct &p = person(1, 10, PlayerX, PlayerY + 6, "BOW", 70);
    const int b = stored(bow("BOW"));
    const int knife = stored(weapon("KNIFE", "Knife", 1, 5, 3, 0.5f));
    p.wielded = b;
    pack(p, 0, stored(arrow()), 5);
    pack(p, 1, knife);
    CreatureStruct &w = foe(2, 11, PlayerX + 10, PlayerY + 6);
    fighting(1, 2);
    EXPECT_EQ(NPC_jousi_perusteltu(1, 1), 1) << "ten squares";
    Data[11].x = (uint16_t)(PlayerX + 16);
    EXPECT_EQ(NPC_jousi_perusteltu(1, 1), 0) << "sixteen squares: too far to shoot";
    Data[11].x = (uint16_t)(PlayerX + 3);
    EXPECT_EQ(NPC_jousi_perusteltu(1, 1), 0) << "three squares: too close";
    w.korkeus = 200;
    EXPECT_EQ(NPC_jousi_perusteltu(1, 1), 1) << "unless the foe is up a tree";
    w.korkeus = 0;
    // Three squares from a walking foe the bow goes back into the pack and the knife comes out.
    EXPECT_EQ(NPC_wield(1), 1);
    EXPECT_EQ(p.wielded, knife);
    bool bow_packed = false;
    for (int s = 0; s < CRE_PACK; s++) bow_packed |= p.pack[s] == b;
    EXPECT_TRUE(bow_packed);
    // One arrow is not enough to start shooting.
    p.packcount[0] = 1;
    Data[11].x = (uint16_t)(PlayerX + 10);
    EXPECT_EQ(NPC_jousi_perusteltu(1, 1), 0);
}

TEST_F(DecisionsTest, ACrossbowAimsFourTurnsABowOne) {
    auto aiming_turns = [&](const char *skill) {
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        CreatureStruct &p = person(1, 10, PlayerX - 8, PlayerY + 6, skill, 70);
        p.wielded = stored(bow(skill));
        pack(p, 0, stored(arrow()), 9);
        foe(2, 11, PlayerX, PlayerY + 6);
        fighting(1, 2);
        kaanna_NPC_kohti(1, PlayerX, PlayerY + 6);
        // Aiming turns: it neither steps nor looses an arrow.
        int turns = 0;
        for (int t = 0; t < 10 && Data[10].x == PlayerX - 8 && p.packcount[0] == 9; t++) {
            Taistelu_Main(1, 10);
            if (Data[10].x == PlayerX - 8 && p.packcount[0] == 9) turns++;
        }
        return turns;
    };
    EXPECT_EQ(aiming_turns("BOW"), 1);
    EXPECT_EQ(aiming_turns("CROSSBOW"), 4);
}

TEST_F(DecisionsTest, ABearShiesFromACharmUntilItIsHurtThreeTimes) {
    CreatureStruct &bear = foe(1, 10, PlayerX + 1, PlayerY);
    bear.kind = 4;
    bear.speciescode = 605;
    bear.weight = 250.0f;
    ItemStruct strip = thing(IT_ARMOUR, "Strip of garment", 30, 0.1f);
    strip.magic = 16;
    strip.status = 32;
    Plr.inv_obj[0] = Luo_Esineen_Itempos(strip);
    Plr.inv_count[0] = 1;
    bear.woundcount = 2;
    NPC_hyokkaa(1, -1, 0);
    EXPECT_EQ(bear.mode, 4) << "two wounds: it flees the charm";
    bear.mode = 3;
    bear.woundcount = 3;
    NPC_hyokkaa(1, -1, 0);
    EXPECT_EQ(bear.mode, 99) << "three wounds: it fights on";
    EXPECT_EQ(bear.enemy, -1);
    // Carried but not worn, the strip does nothing.
    PlayerObj[Plr.inv_obj[0] - OBJ_PLAYER_FIRST].status = 0;
    bear.mode = 3;
    bear.woundcount = 0;
    NPC_hyokkaa(1, -1, 0);
    EXPECT_EQ(bear.mode, 99);
}

TEST_F(DecisionsTest, ASnakesFirstBiteIsVenomous) {
    CreatureStruct &snake = foe(1, 10, PlayerX + 1, PlayerY);
    snake.kind = 11;
    snake.speciescode = 622;
    auto poisoned = [] {
        int n = 0;
        for (int s = 0; s < 20; s++) n += slot(s).kind == 23;
        return n;
    };
    HAAVOITA(-1, 3, 12, BP_CALF, 1, 1);
    EXPECT_EQ(poisoned(), 1);
    EXPECT_EQ(snake.venom, 1);
    HAAVOITA(-1, 3, 12, BP_CALF, 1, 1);
    EXPECT_EQ(poisoned(), 1) << "the venom is spent";
}

TEST_F(DecisionsTest, AKilledBewitchedWolfIsMarkedInHerRecord) {
    CreatureStruct &w = foe(1, 10, PlayerX + 2, PlayerY);
    w.speciescode = 611;
    w.stateflags |= 2;   // bewitched
    plr_bytes(5038)[0] = 2;
    w.killer = -1;
    KillCreature(1, 0);
    EXPECT_EQ(plr_bytes(5038)[0], 1);
}

TEST_F(DecisionsTest, FleeingBirdsTakeWingAndAFleeingFoeSendsNoNote) {
    CreatureStruct &b = foe(1, 10, PlayerX + 3, PlayerY);
    b.kind = 21;
    b.speciescode = 630;
    b.weight = 1.0f;
    EXPECT_EQ(NPC_Pakene(1, -1, 0), 1);
    EXPECT_EQ(b.mode, 4);
    EXPECT_EQ(NPC_Pakene(1, -1, 0), 1) << "already fleeing";
    Pakene(1);
    EXPECT_EQ(b.korkeus, 100) << "a bird flies off";
    // A companion flees only when forced.
    CreatureStruct &p = person(2, 11, PlayerX + 1, PlayerY, "KNIFE", 50);
    p.partyflags |= 256;
    p.mode = 3;
    if (onko_NPC_kumppani(2)) {
        EXPECT_EQ(NPC_Pakene(2, 1, 0), 0);
        EXPECT_EQ(NPC_Pakene(2, 1, 1), 1);
    }
}

TEST_F(DecisionsTest, FeathersNeverOverOpenWaterFarFromLand) {
    CreatureStruct &b = foe(1, 10, PlayerX + 3, PlayerY);
    b.kind = 21;
    strcpy(b.species, "grouse");
    for (int y = 236; y < 246; y++)
        for (int x = 236; x < 246; x++) maailma[mapidx(x, y)] = CH_DEEP_WATER;
    auto items = [] {
        int n = 0;
        for (const DataStruct &d : Data) n += d.type == DT_ITEM;
        return n;
    };
    for (int i = 0; i < 20; i++) feather_drop(1, 240, 240, 0);
    EXPECT_EQ(items(), 0);
    feather_drop(1, 236, 240, 0);
    EXPECT_EQ(items(), 1) << "by the shore they fall";
}

TEST_F(DecisionsTest, CompanionsAndTheDogJoinHerFightButNotOneWhoStaysOut) {
    CreatureStruct &w = foe(1, 10, PlayerX + 2, PlayerY);
    fighting(1, -1);
    CreatureStruct &helper = person(2, 11, PlayerX - 1, PlayerY, "SPEAR", 50);
    helper.partyflags |= 256;
    CreatureStruct &aside = person(3, 12, PlayerX, PlayerY - 1, "SPEAR", 50);
    aside.partyflags |= 256 | 512;
    CreatureStruct &dog = foe(4, 13, PlayerX, PlayerY + 1);
    dog.speciescode = 618;
    dog.kind = 15;
    dog.owner = -1;
    dog.partyflags |= 512;
    EXPECT_EQ(Tarkista_Kumppanit(1), 2);
    EXPECT_EQ(helper.mode, 99);
    EXPECT_EQ(helper.enemy, 1);
    EXPECT_NE(aside.mode, 99) << "flag 512 keeps a companion out";
    EXPECT_EQ(dog.mode, 99) << "a tame dog always joins";
    EXPECT_EQ(Tarkista_Kumppanit(1), 2) << "those fighting already count";
    // A foe that only means to beat her: a companion will not fight for that and runs.
    w.fightbits = 4;
    Taistelu_OHI(2);
    helper.mode = 3;
    Tarkista_Kumppanit(1);
    EXPECT_EQ(helper.mode, 4);
}

TEST_F(DecisionsTest, AReclaimerCalmsDownWhenSheHoldsNothingOfTheVillage) {
    CreatureStruct &p = person(1, 10, PlayerX + 1, PlayerY, "CLUB", 50);
    p.community = 7;
    p.homemode = 3;
    fighting(1, -1);
    p.fightbits = 1;
    Taistelu_Main(1, 10);
    EXPECT_NE(p.mode, 99);
    EXPECT_EQ(p.fightbits, 0);
    EXPECT_EQ(p.enemy, CRE_NONE);
}

TEST_F(DecisionsTest, LootForAFightIsAWeaponThatStrikes) {
    person(1, 10, PlayerX + 3, PlayerY, "KNIFE", 50);
    set_data(DT_ITEM, PlayerX + 4, PlayerY, stored(weapon("FISHING", "Net", 200, 200, 200, 3.0f)), 1);
    EXPECT_EQ(combatwise_dp(1, PlayerX + 4, PlayerY), -1000) << "a net is no weapon to pick up";
    set_data(DT_ITEM, PlayerX + 4, PlayerY, stored(weapon("KNIFE", "Knife", 1, 5, 3, 0.5f)), 1);
    const int dp = combatwise_dp(1, PlayerX + 4, PlayerY);
    ASSERT_GE(dp, 0);
    EXPECT_EQ(ObjToItem((int)Data[dp].id).fig[1], 5);
}

TEST_F(DecisionsTest, HerLeashedBeastIsButcheredAndADogHoldsABeastAtBay) {
    CreatureStruct &sheep = foe(1, 10, PlayerX + 1, PlayerY);
    sheep.role = 9;
    EXPECT_EQ(ARMONISKU(-1, 1), 2);
    sheep.role = 0;
    EXPECT_EQ(ARMONISKU(-1, 1), 0);
    // A dog lighter than the elk it bays never bites it; a heavier one does now and then.
    CreatureStruct &elk = foe(2, 11, PlayerX + 5, PlayerY + 5);
    elk.weight = 400.0f;
    elk.mode = 3;
    CreatureStruct &dog = foe(3, 12, PlayerX + 6, PlayerY + 5);
    dog.speciescode = 618;
    dog.kind = 15;
    fighting(3, 2);
    int bites = 0;
    for (int i = 0; i < 40; i++) bites += Taistelu_LIIKE(3, 12);
    EXPECT_EQ(bites, 0);
    dog.weight = 500.0f;
    for (int i = 0; i < 40; i++) bites += Taistelu_LIIKE(3, 12);
    EXPECT_GT(bites, 0);
    EXPECT_LT(bites, 40);
}

TEST_F(DecisionsTest, ADeadAnimalLetsGoOfTheTrapAndHerDogGoesToWhereItFell) {
    CreatureStruct &hare = foe(1, 10, PlayerX + 4, PlayerY);
    hare.kind = 2;
    hare.speciescode = 620;
    hare.weight = 4.0f;
    ASSERT_EQ(set_data(DT_TRAP, PlayerX + 4, PlayerY, 300, 1), 1);
    int trap = -1;
    for (int i = 0; i < DATA_MAX && trap < 0; i++)
        if (Data[i].type == DT_TRAP) trap = i;
    ASSERT_GE(trap, 0);
    Data[trap].extra = 'd';
    Data[trap].flags = 2;
    CreatureStruct &dog = foe(2, 11, PlayerX + 1, PlayerY + 1);
    dog.speciescode = 618;
    dog.kind = 15;
    dog.owner = -1;
    Aseta_Vihollinen(2, 1);
    hare.killer = 2;
    KillCreature(1, 0);
    EXPECT_EQ(Data[trap].type, DT_ITEM) << "the sprung trap lies there to be taken";
    EXPECT_EQ(Data[trap].extra, 0);
    EXPECT_EQ(dog.Puuha[0], 50) << "the dog goes to the carcass";
}

}  // namespace oxatest

namespace oxatest {

// A shield goes up against whoever holds a bow, the player too.
TEST_F(DecisionsTest, AShieldIsRaisedAgainstAnArcherAndHerBowToo) {
    const int shield = stored(weapon("SHIELD", "Round shield", 1, 200, 200, 6.0f));
    struct Case { const char *what; bool foe_is_her; bool bow; bool raised; };
    const Case cases[] = {
        {"her bow", true, true, true},
        {"her knife", true, false, false},
        {"a beast's archer", false, true, true},
        {"a beast with a knife", false, false, false},
    };
    int k = 0;
    for (const Case &c : cases) {
        Plr.inv_obj[0] = Plr.inv_count[0] = 0;
        const ItemStruct held = c.bow ? bow("BOW") : weapon("KNIFE", "Knife", 1, 5, 3, 0.5f);
        const int n = 1 + 2 * k++;
        memset(&Cre[n], 0, sizeof Cre[n]);
        CreatureStruct &p = person(n, 10 + n, PlayerX, PlayerY + 6, "CLUB", 50);
        pack(p, 0, shield);
        if (c.foe_is_her) {
            give(0, held);
            ASSERT_EQ(Wield(0, 1, 1), 1) << c.what;
            fighting(n, -1);
        } else {
            memset(&Cre[n + 1], 0, sizeof Cre[n + 1]);
            CreatureStruct &a = person(n + 1, 11 + n, PlayerX + 6, PlayerY + 6, "BOW", 50);
            a.wielded = stored(held);
            fighting(n, n + 1);
        }
        ASSERT_EQ(NPC_shieldwield(n), 1) << c.what;
        EXPECT_EQ(p.offhand, shield) << c.what;
        EXPECT_EQ(onko_JOKU_jousimies(c.foe_is_her ? -1 : n + 1), c.bow ? 1 : 0) << c.what;
        if (c.raised) EXPECT_TRUE(p.shieldmode == 2 || p.shieldmode == 4) << c.what << " " << (int)p.shieldmode;
        else EXPECT_EQ(p.shieldmode, 0) << c.what;
    }
}

// Her own animal or companion that she strikes takes her for its foe, counts the wound and fights
// or runs.
TEST_F(DecisionsTest, HerOwnAnimalOrCompanionAnswersHerBlow) {
    struct Case { const char *what; bool companion; int aggressiveness; int mode; };
    const Case cases[] = {
        {"a fierce dog bites back", false, 100, 99},
        {"a timid dog runs", false, 0, 4},
        {"a fierce companion fights", true, 100, 99},
        {"a timid companion stands: it runs only when made to", true, 0, 3},
    };
    int n = 0;
    for (const Case &c : cases) {
        n++;
        memset(&Cre[n], 0, sizeof Cre[n]);
        CreatureStruct *x;
        if (c.companion) {
            x = &person(n, 10 + n, PlayerX + 1, PlayerY + n, "SPEAR", 50);
            x->partyflags |= 256;
        } else {
            x = &foe(n, 10 + n, PlayerX + 1, PlayerY + n);
            x->speciescode = 618;
            x->kind = 15;
            x->owner = -1;
        }
        x->aggressiveness = (uint8_t)c.aggressiveness;
        x->mode = 3;
        NPC_moraalitarkistus_haavoitus(n, -1, 1);
        EXPECT_EQ(x->enemy, -1) << c.what;
        EXPECT_EQ(x->woundcount, 1) << c.what;
        EXPECT_EQ(x->mode, c.mode) << c.what;
    }
}

}  // namespace oxatest
