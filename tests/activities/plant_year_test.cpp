// tests/activities/plant_year_test.cpp -- the plant year: patches waking, ripening, flowering and
// withering day by day, sown plants out of season, the growth days, the lines and notes of a patch,
// grazing, the frost of the soil, and the months of every shipped plant.
#include "activity_fixture.h"

#include "activities/herblore.h"
#include "items/plantlife.h"
#include "base/tags.h"
#include "core/notes.h"
#include "core/weatherengine.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace {

using oxatest::ActivityTest;

enum { ROW = 300, YEAR_BASE = 3600 };

class PlantYear : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_plants.txt");
        MSG_forget_index();
        saved_days.assign(weatherengine.days, weatherengine.days + WEATHER_DAYRECORDS);
        srand(4145);
    }
    void TearDown() override {
        std::copy(saved_days.begin(), saved_days.end(), weatherengine.days);
        ActivityTest::TearDown();
    }
    std::vector<WeatherStruct> saved_days;

    // A plant definition in row `row`: kind, sprouting and withering months, days to ripen, weeks
    // of flowering.
    static void define(int row, uint32_t kind, int S, int W, int mature, int weeks, const char *name = "sorrel") {
        ItemStruct &p = ConstantObj[row];
        ClrItemstruct(p);
        p.type = IT_PLANT;
        p.id = kind;
        SET_ITEM_TEXT(p.name, name);
        p.fig[4] = (uint8_t)S;
        p.fig[5] = (uint8_t)W;
        p.fig[3] = (uint8_t)mature;
        p.state = (uint16_t)weeks;
        p.weight = 0.5f;
    }
    static int plant(int pos, int type, int row, int count = 3) {
        DataStruct &d = Data[pos];
        memset(&d, 0, sizeof d);
        d.type = (uint8_t)type;
        d.x = 10;
        d.y = (uint16_t)(10 + pos);
        d.id = (uint32_t)row;
        d.count = (uint16_t)count;
        return pos;
    }
    static void date(int month, int dom) {
        Plr.month = (uint8_t)month;
        Plr.day = (uint8_t)dom;
        Plr.daynumber = (uint32_t)(YEAR_BASE + (month - 1) * 30 + dom);
    }
    static long today() { return (long)Plr.daynumber; }
};

// A year of wild patches, day by day from the first of March: each rests until its sprouting month,
// wakes within its first fortnight, ripens MATURE days later (the few days of chance added),
// flowers its weeks, starts withering on day 16 of its withering month, is withered 15 days later
// and rests again no earlier than 10 days after that.
TEST_F(PlantYear, AYearOfWildPatches) {
    struct Kind {
        int S, W, mature, weeks;
    } kinds[] = {{5, 9, 60, 2}, {6, 10, 30, 0}, {4, 8, 45, 1}};
    const int PER = 20;
    for (const Kind &k : kinds) {
        SCOPED_TRACE(k.S * 100 + k.W);
        memset(Data, 0, sizeof Data);
        define(ROW, 430, k.S, k.W, k.mature, k.weeks);
        for (int i = 0; i < PER; i++) plant(i, DT_PLANT_DORMANT, ROW);
        std::vector<long> woke(PER, -1), ripe(PER, -1), flowered_last(PER, -1), wither_from(PER, -1),
            withered(PER, -1), rested(PER, -1);
        for (int m = 3; m <= 12; m++)
            for (int dom = 1; dom <= 30; dom++) {
                date(m, dom);
                VegetationGrowth();
                for (int i = 0; i < PER; i++) {
                    const DataStruct &d = Data[i];
                    if (m < k.S) {
                        ASSERT_EQ(d.type, DT_PLANT_DORMANT) << "month " << m;
                    }
                    if (woke[i] < 0 && d.type == DT_PLANT) woke[i] = today();
                    if (ripe[i] < 0 && d.type == DT_PLANT && d.flags != PLANT_GROWING) ripe[i] = today();
                    if (d.type == DT_PLANT && d.flags == PLANT_FLOWERING) flowered_last[i] = today();
                    if (wither_from[i] < 0 && KASVIDATA_kuihtumisarvo(i) > 0 && d.type == DT_PLANT) wither_from[i] = today();
                    if (withered[i] < 0 && d.type == DT_PLANT_PICKED) {
                        withered[i] = today();
                        EXPECT_EQ(d.flags, PLANT_WITHERED);
                        EXPECT_EQ(onko_KASVI_kuihtunut(i), 1);
                    }
                    if (withered[i] >= 0 && rested[i] < 0 && d.type == DT_PLANT_DORMANT) rested[i] = today();
                }
            }
        const long sprout = YEAR_BASE + (k.S - 1) * 30, wither_month = YEAR_BASE + (k.W - 1) * 30;
        for (int i = 0; i < PER; i++) {
            EXPECT_GT(woke[i], sprout);
            EXPECT_LE(woke[i], sprout + 15);
            EXPECT_GE(ripe[i] - woke[i], k.mature);
            EXPECT_LE(ripe[i] - woke[i], k.mature + 1 + k.mature / 10);
            EXPECT_EQ(flowered_last[i], k.weeks ? ripe[i] + 7 * k.weeks : -1);
            EXPECT_EQ(wither_from[i], wither_month + 16);
            EXPECT_EQ(withered[i] - wither_from[i], 14) << "15 withering days";
            EXPECT_GE(rested[i] - withered[i], 10);
            EXPECT_LE(rested[i] - withered[i], 25);
        }
    }
}

// Sown plants keep growing out of season only within 29 days of their sprouting day; a withered or
// picked patch rests when its day is past, before its season or two months after it, never in the
// month before its withering month.
TEST_F(PlantYear, OutOfSeasonAndBackToRest) {
    define(ROW, 438, 5, 9, 60, 0);
    struct Case {
        int type, month, dom, sown_in, ready_in;
        int type_after;
    } cases[] = {
        {DT_PLANT, 4, 10, 7, 60, DT_PLANT},            // sown, sprouts in a week: grows
        {DT_PLANT, 4, 10, -29, 60, DT_PLANT},          // sprouted 29 days ago
        {DT_PLANT, 4, 10, 30, 60, DT_PLANT_DORMANT},   // a month ahead: rests
        {DT_PLANT, 3, 1, -40, 60, DT_PLANT_DORMANT},
        {DT_PLANT, 4, 10, 0, 0, DT_PLANT_DORMANT},     // wild, before its month
        {DT_PLANT, 10, 1, -5, 60, DT_PLANT_DORMANT},   // after its season even when sown
        {DT_PLANT_PICKED, 6, 10, 0, -1, DT_PLANT_DORMANT},
        {DT_PLANT_PICKED, 6, 10, 0, 5, DT_PLANT_PICKED},
        {DT_PLANT_PICKED, 8, 10, 0, -1, DT_PLANT_PICKED},   // the month before withering
        {DT_PLANT_PICKED, 4, 10, 0, 5, DT_PLANT_DORMANT},
        {DT_PLANT_PICKED, 11, 10, 0, 5, DT_PLANT_DORMANT},
        {DT_PLANT_PICKED, 10, 10, 0, 5, DT_PLANT_PICKED},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.month * 100 + c.dom);
        memset(Data, 0, sizeof Data);
        date(c.month, c.dom);
        plant(0, c.type, ROW);
        if (c.sown_in) Data[0].day = (uint16_t)(today() + c.sown_in);
        if (c.ready_in) Data[0].ready_day = (uint16_t)(today() + c.ready_in);
        VegetationGrowth();
        EXPECT_EQ(Data[0].type, c.type_after);
    }
}

// The days grown: from the sowing day, or from the first of the sprouting month; counted wide and
// held at 255 (a byte would wrap after about nine months).
TEST_F(PlantYear, GrowthDaysHeldAt255) {
    define(ROW, 431, 3, 12, 60, 0);
    struct Case {
        int month, dom, sown_ago, days;
    } cases[] = {
        {2, 20, 0, 0}, {3, 7, 0, 7}, {5, 7, 0, 67}, {11, 30, 0, 255}, {12, 30, 0, 255},
        {6, 1, 40, 40}, {6, 1, -3, 0}, {6, 1, 300, 255},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        date(c.month, c.dom);
        plant(5, DT_PLANT, ROW);
        if (c.sown_ago) Data[5].day = (uint16_t)(today() - c.sown_ago);
        EXPECT_EQ(KASVIDATA_kasvupaivat(5), c.days) << c.month << "/" << c.dom << " sown " << c.sown_ago;
    }
}

// A record whose definition is gone is never read against row 0 or an empty row: growth passes it
// by, it has no line and no animal grazes it; positions outside the pool answer nothing.
TEST_F(PlantYear, GoneDefinitionsAndBadPositions) {
    define(0, 430, 1, 12, 1, 0, "row zero");   // would wake and ripen at once if read
    date(6, 20);
    const uint32_t ids[] = {0, ROW + 1, CONSTANTOBJ_ROWS, 70000};
    for (int i = 0; i < 4; i++) {
        plant(i, i % 2 ? (int)DT_PLANT_DORMANT : (int)DT_PLANT, ROW);
        Data[i].id = ids[i];
    }
    const DataStruct before[4] = {Data[0], Data[1], Data[2], Data[3]};
    for (int k = 0; k < 5; k++) VegetationGrowth();
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(memcmp(&Data[i], &before[i], sizeof Data[i]), 0) << ids[i];
        EXPECT_STREQ(KASVIDATA_infostr(i), "");
        EXPECT_EQ(dp_laidunnettavissa(i, -1), 0);
        EXPECT_EQ(KASVIDATA_kasvupaivat(i), 0);
    }
    for (int n : {-1, (int)DATA_MAX, 1 << 30}) {
        Kuihduta_Kasvia(n, 20);
        EXPECT_EQ(onko_KASVI_kuihtunut(n), 0);
        EXPECT_EQ(onko_KASVI_korjuukypsa(n), 0);
        EXPECT_EQ(KASVIDATA_kuihtumisarvo(n), 0);
        EXPECT_STREQ(KASVIDATA_infostr(n), "");
        EXPECT_EQ(dp_laidunnettavissa(n, -1), 0);
        KASVIDATA_harvestinfo(n);
    }
    EXPECT_EQ(notes().find("ripe"), std::string::npos);
}

// Patches of a plant she has come to know point to a stored copy of it, and live their year on it.
TEST_F(PlantYear, RecognisedPatchesLiveOnTheirStoredPlant) {
    define(ROW, 430, 5, 10, 60, 0);
    ConstantObj[ROW].plantname = 7;   // a species she does not know
    date(11, 5);
    PlayerX = 10;
    plant(0, DT_PLANT, ROW);
    plant(1, DT_PLANT, ROW);
    tunnista_datakasvit(7, 0);
    for (int i = 0; i < 2; i++) {
        ASSERT_GE(Data[i].id, (uint32_t)OBJ_PLAYER_FIRST);
        EXPECT_EQ(ObjToItem((int)Data[i].id).plantname, 1);
        EXPECT_EQ(dp_laidunnettavissa(i, 0), 1) << "grazed";
        EXPECT_EQ(std::string(KASVIDATA_infostr(i)), "growing patch of 3 sorrels");
    }
    VegetationGrowth();   // November is past its withering month
    EXPECT_EQ(Data[0].type, DT_PLANT_DORMANT);
    EXPECT_EQ(Data[1].type, DT_PLANT_DORMANT);
}

// With no room left in the object table for the named plant, the patches stay as they were.
TEST_F(PlantYear, RecognisedPatchesStayAsTheyWereWithoutRoomForTheirPlant) {
    define(ROW, 430, 5, 10, 60, 0);
    ConstantObj[ROW].plantname = 7;
    date(11, 5);
    PlayerX = 10;
    plant(0, DT_PLANT, ROW);
    plant(1, DT_PLANT, ROW);
    fill_object_table();
    oxatest::push_key(' ');   // the maintenance's note
    tunnista_datakasvit(7, 0);
    EXPECT_EQ(Data[0].id, (uint32_t)ROW);
    EXPECT_EQ(Data[1].id, (uint32_t)ROW);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

// Grass is always grazed; pods and roots only with a negative size; berries and other records never.
TEST_F(PlantYear, Grazing) {
    struct Case {
        uint32_t kind;
        int type, size, grazed;
    } cases[] = {
        {430, DT_PLANT, 0, 1}, {430, DT_PLANT, -1, 1}, {433, DT_PLANT, 0, 0}, {433, DT_PLANT, 0x100, 0},
        {433, DT_PLANT, -1, 1}, {432, DT_PLANT, -5, 1}, {431, DT_PLANT, -1, 0}, {513, DT_PLANT, 0, 0},
        {430, DT_ITEM, 0, 0}, {430, DT_PLANT_DORMANT, 0, 0},
    };
    for (const Case &c : cases) {
        define(ROW, c.kind, 5, 10, 60, 0);
        plant(0, c.type, ROW);
        EXPECT_EQ(dp_laidunnettavissa(0, c.size), c.grazed) << c.kind << " size " << c.size;
    }
}

// The lines of a patch in the lists of a square, and the note of when it ripens and withers.
TEST_F(PlantYear, LinesAndNotes) {
    date(7, 10);
    struct Case {
        uint32_t kind;
        int type, state, wither, sown_in;
        const char *line;
    } cases[] = {
        {431, DT_PLANT, PLANT_GROWING, 0, 0, "3 sorrels (growing)"},
        {431, DT_PLANT, PLANT_RIPE, 0, 0, "3 sorrels"},
        {513, DT_PLANT, PLANT_FLOWERING, 0, 0, "3 sorrels (flowering)"},
        {431, DT_PLANT_PICKED, PLANT_GROWING, 0, 0, "3 sorrels (picked)"},
        {431, DT_PLANT_PICKED, PLANT_WITHERED, 15, 0, "3 sorrels (withered)"},
        {430, DT_PLANT, PLANT_GROWING, 0, 0, "growing patch of 3 sorrels"},
        {438, DT_PLANT, PLANT_RIPE, 0, 0, "patch of 3 sorrels"},
        {438, DT_PLANT, PLANT_GROWING, 0, 4, ""},   // sown, not come up yet
        {430, DT_PLANT_DORMANT, PLANT_GROWING, 0, 0, ""},
    };
    for (const Case &c : cases) {
        define(ROW, c.kind, 5, 10, 60, 0);
        plant(0, c.type, ROW);
        Data[0].flags = (uint8_t)c.state;
        Data[0].extra = (uint8_t)c.wither;
        if (c.sown_in) Data[0].day = (uint16_t)(today() + c.sown_in);
        EXPECT_EQ(std::string(KASVIDATA_infostr(0)), c.line);
    }
    define(ROW, 430, 5, 10, 60, 0);
    plant(0, DT_PLANT, ROW);
    Data[0].ready_day = (uint16_t)(today() + 5);
    Data[0].extra = 0x40 | 10;   // the high bits are not the withering value's
    KASVIDATA_harvestinfo(0);
    EXPECT_TRUE(noted("will be ripe in five days. They are withering and will be gone in 5 days."));
    EXPECT_EQ(KASVIDATA_kuihtumisarvo(0), 10);
    Kuihduta_Kasvia(0, 4);
    EXPECT_EQ(Data[0].extra, 0x40 | 14);
}

// The soil frost from the mean temperature of the last two weeks, told when asked.
TEST_F(PlantYear, SoilFrost) {
    struct Case {
        int month, dom, mean, frost;
        const char *told;
    } cases[] = {
        {4, 20, -1, 1, "frozen and impossible to dig"}, {4, 20, 0, 2, "frosty and hard to dig"},
        {11, 3, 3, 2, "frosty"}, {6, 15, 4, 0, ""}, {1, 1, -12, 1, "frozen"}, {1, 5, 8, 0, ""},
    };
    for (const Case &c : cases) {
        for (WeatherStruct &w : weatherengine.days) w.temperature = -30;
        date(c.month, c.dom);
        const int t = dayofyear(c.dom, c.month);
        for (int d = t - 13 < 1 ? 1 : t - 13; d <= t + 1; d++) weatherengine.days[d].temperature = c.mean;
        EXPECT_EQ(maapera_roudassa(0), c.frost) << c.mean;
        const size_t before = notes().size();
        ignore_lastnote();   // the same warning twice running is told both times here
        EXPECT_EQ(maapera_roudassa(1), c.frost);
        const std::string told = notes().substr(before);
        if (c.told[0]) {
            EXPECT_NE(told.find(c.told), std::string::npos) << told;
        } else {
            EXPECT_EQ(told, "");
        }
    }
}

// Every shipped plant sprouts and withers in a month of the year.
TEST_F(PlantYear, ShippedPlantsHaveMonths) {
    int plants = 0;
    for (const char *file : {"flora_forest.txt", "flora_meadow.txt"}) {
        std::ifstream in(oxatest::asset_path(file));
        ASSERT_TRUE(in) << file;
        std::string line, name, body;
        auto check = [&] {
            if (name.empty()) return;
            plants++;
            const int S = atoi(tag_value(body.c_str(), "SPROUT", "5"));
            const int W = atoi(tag_value(body.c_str(), "WITHER", "10"));
            EXPECT_TRUE(S >= 1 && S <= 12 && W >= 1 && W <= 12) << name << " " << S << "-" << W;
        };
        while (std::getline(in, line)) {
            if (line.size() < 6) {
                check();
                name.clear();
                body.clear();
            } else if (line[0] == '.') {
                check();
                name = line;
                body.clear();
            } else {
                body += line;
            }
        }
        check();
    }
    EXPECT_GE(plants, 39);
}

}  // namespace
