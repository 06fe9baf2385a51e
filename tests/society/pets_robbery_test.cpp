// The player's pets and the animals a village sells, the robbers' hold-up, the village's confrontation
// over news of her crimes and its reproach for mischief, in a prepared village.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "activities/food.h"
#include "game/toimi.h"
#include "creatures/outfit.h"
#include "creatures/people.h"
#include "base/ui.h"
#include "common/harness.h"
#include "creatures/village_fixture.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/trade.h"

namespace {

class PetsAndRobbers : public VillageTest {
protected:
    oxatest::NoScreen *noscreen = nullptr;
    void SetUp() override {
        VillageTest::SetUp();
        noscreen = new oxatest::NoScreen();
        dir->copy_asset("messages/eng_pets.txt");
        dir->copy_asset("messages/eng_crelife.txt");
        MSG_forget_index();
        QUIT = EXIT_CHAT = 0;
        CANTCANCELCHAT = 0;
        Chat_Mode = CHAT_GREET;
        ClearChatOptStruct();
    }
    void TearDown() override {
        ui_script_clear();
        Chatting_With = -1000;
        Trade_ItemLoop = 0;
        ROBBERY_LOAD = 0.0f;
        Make_Animal_List();
        delete noscreen;
        VillageTest::TearDown();
    }
    // A domestic animal of the village: species, sex (1 male) and a name that tells it apart.
    int farm_animal(int n, int x, int species, int male, const char *name = "") {
        const int dp = animal(n, x, PlayerY + 5, species, 300.0f);
        CreatureStruct &c = Cre[n];
        strcpy(c.species, species == 620 ? "cow" : "sheep");
        c.domestic |= 2;
        c.sexage = (uint8_t)male;
        c.owner = SOC;
        if (name[0]) {
            strcpy(c.pname, name);
            c.namebits |= 2;
        }
        return dp;
    }
    // Her dog, a village's dog she bought: brought beside her, then where the case wants it.
    int her_dog(int n, int x, int y) {
        const int dp = animal(n, x, y, 618, 30.0f);
        strcpy(Cre[n].species, "dog");
        Cre[n].domestic |= 2;
        Cre[n].owner = SOC;
        Animal[0] = n;
        Trade_ItemLoop = 0;
        EXPECT_EQ(BringAnimal(), 1);
        Data[dp].x = (uint16_t)x;
        Data[dp].y = (uint16_t)y;
        Cre[n].Viimeisin_X = x;
        Cre[n].Viimeisin_Y = y;
        return dp;
    }
    void keys(const char *typed) {
        int k[64];
        int n = 0;
        for (const char *p = typed; *p && n < 64; p++) k[n++] = *p == '\n' ? (int)KEY_ENTER : *p == '\x1b' ? (int)KEY_ESC : (int)*p;
        ui_script_keys(k, n);
    }
    static bool offered(char key) {
        for (int i = 0; i < ValintojenMaara; i++)
            if (ValintaEntry[i].key == key) return true;
        return false;
    }
    static int option_with(const char *tag) {
        for (int i = 0; i < CHAT_OPTIONS; i++)
            if (ChatOptions[i].text[0] && !strcmp(ChatOptions[i].tag, tag)) return i;
        return -1;
    }
};

}  // namespace

// The village keeps the first two of each kind; of the rest it lists one description once and two of a
// kind and sex at most, five in all. Pets are not counted, and outside a settlement nothing is sold.
TEST_F(PetsAndRobbers, AnimalsForSaleAfterTheTwoKept) {
    struct Animal_ {
        int species, male;
        const char *name;
    };
    struct Case {
        const char *what;
        Animal_ herd[12];
        bool settled;
        int listed, kept;
        int first;   // the slot of the first listed animal
    };
    const Case cases[] = {
        {"two cows", {{620, 0, ""}, {620, 0, ""}}, true, 0, 1, 0},
        {"a third cow", {{620, 0, ""}, {620, 0, ""}, {620, 0, ""}}, true, 1, 1, 5},
        {"a fourth the same", {{620, 0, ""}, {620, 0, ""}, {620, 0, ""}, {620, 0, ""}}, true, 1, 1, 5},
        {"two of a sex, then no more",
         {{620, 0, ""}, {620, 0, ""}, {620, 0, "A"}, {620, 0, "B"}, {620, 0, "C"}, {620, 1, "D"}}, true, 3, 1, 5},
        {"five at most",
         {{620, 0, ""}, {620, 0, ""}, {620, 0, "A"}, {620, 1, "B"}, {616, 0, ""}, {616, 0, ""}, {616, 0, "C"},
          {616, 1, "D"}, {616, 1, "E"}, {616, 0, "F"}},
         true, 5, 1, 5},
        {"no settlement", {{620, 0, ""}, {620, 0, ""}, {620, 0, ""}}, false, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(Cre, 0, sizeof Cre);
        put_world(1500, 1000, c.settled ? 210 : CH_GROUND);
        her_dog(1, PlayerX + 1, PlayerY);   // hers: never for sale, never counted
        int n = 3;
        for (const Animal_ &a : c.herd) {
            if (!a.species) break;
            farm_animal(n, PlayerX - 10 + n, a.species, a.male, a.name);
            n++;
        }
        Make_Animal_List();
        int listed = 0;
        for (int a : Animal) listed += a != 0;
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(LastAnimalsKept, c.kept);
        if (c.listed) {
            EXPECT_EQ(Animal[0], c.first);
            EXPECT_FLOAT_EQ(AnimalPrice[0], (float)elainhinta(c.first));
            EXPECT_NE(std::string(AnimalDesc[0]).find(c.herd[0].species == 620 ? "cow" : "sheep"), std::string::npos);
            EXPECT_NE(NonDogCre_From_Animal_List(), -1000);
        }
    }
    put_world(1500, 1000, 210);
}

// A bought animal comes to a free square beside her and is hers, with a rope; with no room it waits
// where it is; a slot out of range or an animal gone brings nothing.
TEST_F(PetsAndRobbers, BoughtAnimalIsBroughtBesideHer) {
    struct Case {
        const char *what;
        int slot;
        bool walled, gone;
        int brought;
        bool beside;
    };
    const Case cases[] = {
        {"room beside her", 0, false, false, 1, true},
        {"walled in", 0, true, false, 1, false},
        {"slot out of range", 7, false, false, 0, false},
        {"the animal died", 0, false, true, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(Cre, 0, sizeof Cre);
        for (int y = PlayerY - 1; y <= PlayerY + 1; y++)
            for (int x = PlayerX - 1; x <= PlayerX + 1; x++) put(x, y, c.walled && (x != PlayerX || y != PlayerY) ? CH_DEEP_WATER : CH_GROUND);
        farm_animal(4, PlayerX + 20, 616, 0);
        Cre[4].energy = 1;
        Cre[4].domestic |= 16;   // tied in its pen
        Cre[4].memberbits |= MB_GOHOME;   // on its way back to its pen
        Animal[0] = 4;
        if (c.gone) Cre[4].mode = CM_CARCASS;
        Trade_ItemLoop = c.slot;
        EXPECT_EQ(BringAnimal(), c.brought);
        const int x = cx(4), y = cy(4);
        const bool beside = koordinaattien_vali(x, y, PlayerX, PlayerY) == 1;
        EXPECT_EQ(beside, c.beside);
        EXPECT_FALSE(x == PlayerX && y == PlayerY) << "never on her own square";
        if (c.brought) {
            EXPECT_TRUE(onko_NPC_kesyelain(4));
            EXPECT_FALSE(is_socanimal(4));
            EXPECT_FALSE(is_tied(4));
            EXPECT_EQ(Cre[4].energy, maxenergiavaranto(4));
            EXPECT_EQ(Cre[4].memberbits & MB_GOHOME, 0) << "it no longer heads back to its pen";
            EXPECT_EQ(Animal[0], 0) << "sold once";
        }
    }
}

// The pet's menu by distance: beside her every order, 11 squares away neither "Stay" nor naming and a
// note that it is too far; shouted to from out of sight no note; a staying pet is told to follow.
TEST_F(PetsAndRobbers, PetMenuByDistanceAndState) {
    struct Case {
        const char *what;
        int dx, far;
        bool hungry, staying;
        const char *keys_offered, *keys_not;
        int out_of_earshot;
    };
    const Case cases[] = {
        {"beside her, hungry", 1, 0, true, false, "EASN", "CF", 0},
        {"5 away", 5, 0, false, false, "ASCN", "EF", 0},
        {"11 away", 11, 0, true, false, "AC", "SNE", 1},
        {"shouted to", 30, 1, false, false, "AC", "SNE", 1},
        {"staying", 3, 0, false, true, "AFN", "SC", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(Cre, 0, sizeof Cre);
        her_dog(1, PlayerX + c.dx, PlayerY);
        set_compword(1, c.hungry ? (uint32_t)CF_HUNGRY : 0u);
        Cre[1].partyflags = c.staying ? (uint32_t)PF_STAY : 0u;
        int ooe = -1;
        EXPECT_GT(pet_menu_entries(1, c.far, 0, 1, &ooe), 0);
        EXPECT_EQ(ooe, c.out_of_earshot);
        for (const char *k = c.keys_offered; *k; k++) EXPECT_TRUE(offered(*k)) << *k;
        for (const char *k = c.keys_not; *k; k++) EXPECT_FALSE(offered(*k)) << *k;
        EXPECT_FALSE(offered('+'));
    }
    // A second dog near makes a group; in group mode the orders are for all.
    her_dog(2, PlayerX - 2, PlayerY);
    int ooe;
    pet_menu_entries(1, 0, 1, 2, &ooe);
    EXPECT_TRUE(offered('-'));
    EXPECT_FALSE(offered('N'));
    EXPECT_STREQ(ValintaEntry[0].text + 2, "Attack (all)");
    // "C": called, no longer staying.
    Cre[1].partyflags = PF_STAY;
    keys("F");
    do_petchat(1, 0);
    EXPECT_EQ(Cre[1].partyflags & PF_STAY, 0u);
    EXPECT_NE(Cre[1].ownerbits & 4, 0);
}

// Naming: the name is cut to its field and the pet is known by it; ESC or an empty line changes nothing.
TEST_F(PetsAndRobbers, NamingCutsTheNameToItsField) {
    struct Case {
        const char *typed, *name;
    };
    const Case cases[] = {
        {"Musti\n", "Musti"},
        {"Halvornalandssons\n", "Halvornalandsso"},
        {"Ra\bex\n", "Rex"},
        {"\n", ""},
        {"Mus\x1b", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        memset(Cre, 0, sizeof Cre);
        her_dog(1, PlayerX + 1, PlayerY);
        keys(c.typed);
        christen(1);
        EXPECT_STREQ(Cre[1].pname, c.name);
        EXPECT_EQ((Cre[1].namebits & 3) == 3, c.name[0] != 0);
        EXPECT_EQ(Cre[1].pname[sizeof Cre[1].pname - 1], 0);
    }
}

// The hold-up: the opening offers three answers she must pick from; "[ROB DEMAND]" keeps the robber's
// mode; giving in hands over the goods and sends her off; fighting ends the talk with the band roused;
// with nothing worth taking she is only told to go.
TEST_F(PetsAndRobbers, HoldUpAnswers) {
    enum { ROBBER = 2 };
    struct Case {
        const char *what;
        bool rich;
        const char *tags[2];   // answered after the opening, in turn
        int mode, options, quit, activity;
        bool robbed, fight;
    };
    const Case cases[] = {
        {"the opening", true, {}, CHAT_GREET, 3, 0, 0, false, false},
        {"nothing worth taking", false, {}, CHAT_GREET, 0, 1, 151, false, false},
        {"what exactly?", true, {"[ROB DEMAND]"}, CHAT_STARTED, 2, 0, 0, false, false},
        {"why would I?", true, {"[ROB QUERY]"}, CHAT_GREET, 3, 0, 0, false, false},
        {"I resist", true, {"[ROB QUERY]", "[ROB RESIST]"}, CHAT_GREET, 3, 0, 0, false, false},
        {"take it", true, {"[ROB ALLOW]"}, CHAT_GREET, 0, 1, 151, true, false},
        {"fight", true, {"[ROB DEMAND]", "[ROB FIGHT]"}, CHAT_GREET, 0, 1, 0, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Cre, 0, sizeof Cre);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        person(ROBBER, PlayerX + 1, PlayerY);
        Cre[ROBBER].role = 20;
        const int brooch = item("silver brooch", IT_VALUABLE, 80.0f);
        if (c.rich) {
            Plr.inv_obj[0] = brooch;
            Plr.inv_count[0] = 1;
        }
        ROBBERY_LOAD = 0.0f;
        Chatting_With = ROBBER;
        Chat_Mode = CHAT_STARTED;
        NPC_Asia = ASIA_ROBBERY;
        QUIT = EXIT_CHAT = 0;
        ClearChatOptStruct();
        Start_Conversation(0);
        for (const char *tag : c.tags) {
            if (!tag) break;
            ASSERT_GE(option_with(tag), 0) << tag;
            Chat_Mode = CHAT_STARTED;
            RunParser(tag);
        }
        int options = 0;
        for (const ChatOptStruct &o : ChatOptions) options += o.text[0] != 0;
        EXPECT_EQ(Chat_Mode, c.mode);
        EXPECT_EQ(options, c.options);
        EXPECT_EQ(QUIT, c.quit);
        EXPECT_EQ(CANTCANCELCHAT, c.options ? 1 : 0);
        EXPECT_EQ(Cre[ROBBER].Puuha[0] == 151, c.activity == 151);
        EXPECT_EQ(Plr.inv_obj[0] == 0, !c.rich || c.robbed);
        if (c.robbed) {
            EXPECT_NE(Cre[ROBBER].pack[0], 0) << "the brooch is his";
        }
        EXPECT_EQ(get_Cre_bfmorale(ROBBER, CRE_PLAYER) == 3, c.fight);
    }
}

// News of her crimes from a neighbour: a murder told first-hand brings the charge, a murder told more
// than twice by a near village banishes her, rumours only raise suspicion; a theft told first-hand
// banishes her, and a thief's reputation stops trade: level 0 for 30 days, level 1 for 15 plus 3 a
// theft told. The news flags are spent.
TEST_F(PetsAndRobbers, ConfrontationOverNews) {
    enum { SOURCE = 4712 };
    struct Case {
        const char *what;
        bool murder;
        int severity, count, source_thefts;
        uint8_t violence, banished, ban;
        uint32_t ban_days;
    };
    const Case cases[] = {
        {"murder, first-hand", true, 2, 1, 0, 1, 0, 0, 0},
        {"murder, first-hand, many", true, 2, 5, 0, 1, 0, 0, 0},
        {"murder, told 3 times", true, 3, 3, 0, 0, 1, 0, 0},
        {"murder, rumours", true, 5, 3, 0, 0, 0, 0, 0},
        {"theft, first-hand", false, 2, 1, 5, 0, 1, 0, 0},
        {"theft, level 0", false, 3, 2, 5, 0, 0, 1, 30},
        {"theft, level 1", false, 4, 2, 3, 0, 0, 1, 15 + 6},
        {"theft, a level 2 thief told 3 times", false, 5, 3, 1, 0, 0, 1, 15 + 9},
        {"theft, level 2", false, 5, 2, 1, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        clrVillages();
        GetGlobVil(SOURCE);
        globVil.theftcount = (uint8_t)c.source_thefts;
        SaveGlobVil();
        GetNpcVil(SOC);
        VillageNews &news = c.murder ? NpcVil.news_murder : NpcVil.news_theft;
        news.sources = 1;
        news.from = SOURCE;
        news.fromlevel = (uint8_t)c.severity;
        news.valuebyte = (uint8_t)c.count;
        (c.murder ? NpcVil.newsapplied2 : NpcVil.newsapplied1) = 1;
        NpcVil.hasnews = 1;
        CrTalk_Wom();
        EXPECT_EQ(NpcVil.hasnews, 0);
        EXPECT_EQ(NpcVil.newsapplied1 | NpcVil.newsapplied2, 0);
        EXPECT_EQ(NpcVil.violence, c.violence);
        EXPECT_EQ(NpcVil.banished, c.banished);
        EXPECT_EQ(NpcVil.tradeban, c.ban);
        if (c.ban) {
            EXPECT_EQ(NpcVil.tradeban_day, Plr.daynumber + c.ban_days);
        }
    }
    // The texts: the noun filled in, the many-times variant only for ":many".
    copy_bounded(vMSG_var, sizeof vMSG_var, "a murderer");
    const std::string one = CHATMSG("WOM_BAD_NEWS"), many = CHATMSG("WOM_BAD_NEWS:many");
    EXPECT_NE(one.find("a murderer"), std::string::npos);
    EXPECT_NE(many.find("a murderer"), std::string::npos);
    EXPECT_NE(one, many);
    for (const char *key : {"WOM_BAD_INFO", "WOM_BAD_RUMORS", "MURDER_CHARGE", "MURDER_SUSPICION", "THEFT_CHARGE",
                            "THEFT_SUSPICION", "BANISH_PRECAUTION", "MISCHIEF_TELL_OFF"}) {
        const std::string text = CHATMSG(key);
        EXPECT_EQ(text.find("taught"), std::string::npos) << key;
        EXPECT_EQ(text.find("many"), std::string::npos) << key;
    }
}

// The reproach names a mischief that has no line of its own by its action, in lower case, and one
// whose action has no name in general words.
TEST_F(PetsAndRobbers, ReproachNamesTheMischief) {
    char line[200];
    EXPECT_STREQ(mischief_line(0, line, sizeof line), "");
    EXPECT_STREQ(mischief_line(29999, line, sizeof line), "You don't seem to respect our property!");
    const std::string named = mischief_line(5, line, sizeof line);
    ASSERT_NE(Toiminta(5)[0], 0);
    EXPECT_EQ(named.rfind("You are not allowed to ", 0), 0u);
    EXPECT_EQ(named.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1), std::string::npos);
}

// A village that has heard of her thefts from a neighbour sends someone to confront her when he sees
// her: the talk opens by itself, spends the news and stops trade with her.
TEST_F(PetsAndRobbers, HeardNewsBringsAVillagerToConfrontHer) {
    enum { SOURCE = 4713 };
    GetGlobVil(SOURCE);
    globVil.theftcount = 5;
    SaveGlobVil();
    villager(1, PlayerX + 1, PlayerY, true);
    Cre[1].suspicion = 1u << 2;
    GetGlobVil(SOC);
    globVil.news_theft.sources = 1;
    globVil.news_theft.from = SOURCE;
    globVil.news_theft.fromlevel = 3;
    globVil.news_theft.valuebyte = 2;
    globVil.newsapplied1 = 1;
    globVil.hasnews = 1;
    SaveGlobVil();
    EXPECT_TRUE(vio_act(1));
    EXPECT_EQ(Chatting_With, 1);
    EXPECT_EQ(NPC_Asia, ASIA_NEWS);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.hasnews, 0);
    EXPECT_EQ(globVil.tradeban, 1);
    EXPECT_EQ(globVil.tradeban_day, Plr.daynumber + 30);
    EXPECT_FALSE(vio_act(1)) << "once told, nothing more to say";
}
