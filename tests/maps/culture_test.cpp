// The culture map and place names: the damaged-map rule on loading and saving with the backup, the
// block accessors' bounds, the naming of blocks by their land and the joining of name parts.
#include <sys/stat.h>

#include "maps/kulttuuri.h"
#include "maptest.h"

class CultureTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        memset(kulttuurikartta, 0, sizeof kulttuurikartta);
        memset(nimikartta, 0, sizeof nimikartta);
        alustanimilistat();
    }
    // A culture file whose first `zeros` bytes are 0 and the rest `c`.
    static std::string culture_bytes(int zeros, char c, size_t size = BLOCK_COUNT) {
        std::string s(size, c);
        for (int i = 0; i < zeros && i < (int)size; i++) s[i] = 0;
        return s;
    }
    void fill_memory(int zeros, uint8_t c) {
        memset(kulttuurikartta, c, sizeof kulttuurikartta);
        memset(kulttuurikartta, 0, zeros);
    }
    void fill_block(int bx, int by, int c) {
        for (int y = by * 32; y < by * 32 + 32; y++)
            for (int x = bx * 32; x < bx * 32 + 32; x++) put(x, y, c);
    }
    std::string name(int x, int y, int english) { return get_areaname(x, y, english, nullptr); }
};

TEST_F(CultureTest, LoadingTakesTheBackupOnlyWhenAQuarterIsZeroOrTheFileIsShort) {
    dir->write_file("kulttuuri.dat", culture_bytes(1536, 3));
    dir->write_file("kulttuuri.bak", culture_bytes(0, 5));
    EXPECT_EQ(lataakulttuurikartta(), 1);
    EXPECT_EQ(kulttuurikartta[BLOCK_COUNT - 1], 3);

    dir->write_file("kulttuuri.dat", culture_bytes(1537, 3));
    EXPECT_EQ(lataakulttuurikartta(), 1);
    EXPECT_EQ(kulttuurikartta[0], 5);

    dir->write_file("kulttuuri.dat", culture_bytes(0, 4, BLOCK_COUNT - 1));   // short: damaged
    EXPECT_EQ(lataakulttuurikartta(), 1);
    EXPECT_EQ(kulttuurikartta[0], 5);

    remove(path("kulttuuri.bak").c_str());
    fill_memory(0, 7);
    EXPECT_EQ(lataakulttuurikartta(), 0);        // short and no backup: nothing of the map before stays
    EXPECT_EQ(kulttuurikartta[100], 0);
    dir->write_file("kulttuuri.dat", culture_bytes(2000, 3));
    EXPECT_EQ(lataakulttuurikartta(), 0);        // damaged and no backup: what the file held
    EXPECT_EQ(kulttuurikartta[0], 0);
    EXPECT_EQ(kulttuurikartta[BLOCK_COUNT - 1], 3);
}

TEST_F(CultureTest, SavingWritesTheFileWholeThenTheBackupAndRefusesADamagedMap) {
    fill_memory(1536, 6);
    EXPECT_EQ(talleta_kulttuurikartta(), 1);
    EXPECT_EQ(dir->read_file("kulttuuri.dat"), culture_bytes(1536, 6));
    EXPECT_EQ(dir->read_file("kulttuuri.bak"), culture_bytes(1536, 6));

    fill_memory(1537, 9);                        // damaged in memory: nothing written, reloaded
    EXPECT_EQ(talleta_kulttuurikartta(), 1);
    EXPECT_EQ(dir->read_file("kulttuuri.dat"), culture_bytes(1536, 6));
    EXPECT_EQ(kulttuurikartta[BLOCK_COUNT - 1], 6);

    // A failed write leaves the backup as the last good map.
    remove(path("kulttuuri.dat").c_str());
    ASSERT_EQ(mkdir(path("kulttuuri.dat").c_str(), 0755), 0);
    fill_memory(0, 2);
    EXPECT_EQ(talleta_kulttuurikartta(), 0);
    EXPECT_EQ(dir->read_file("kulttuuri.bak"), culture_bytes(1536, 6));
}

TEST_F(CultureTest, BlockAccessorsCheckBothBounds) {
    fill_memory(0, 4);
    EXPECT_EQ(PEEKkulttuurikartta(-1, 5), 10);
    EXPECT_EQ(PEEKkulttuurikartta(5, -1), 10);
    EXPECT_EQ(PEEKkulttuurikartta(2048, 5), 10);
    EXPECT_EQ(PEEKkulttuurikartta(5, 3072), 10);
    EXPECT_EQ(get_alltime_kulttuuri(-40, 0), 0);
    EXPECT_EQ(get_alltime_kulttuuri(3071, 2047), 4);
    POKEkulttuurikartta(-32, 100, 8);
    POKEkulttuurikartta(100, -32, 8);
    set_alltime_kulttuuri(3072, 0, 8);
    for (uint8_t b : kulttuurikartta) ASSERT_EQ(b, 4);
    set_alltime_kulttuuri(100, 70, 8);
    EXPECT_EQ(kulttuurikartta[2 * 96 + 3], 8);
    // On a local area the square's world cell counts.
    local_area();
    Plr.world_x = 97;
    Plr.world_y = 70;
    EXPECT_EQ(get_kulttuuri(AREA_CENTRE + 5, AREA_CENTRE + 5), 8);
    EXPECT_EQ(get_kulttuuri(AREA_CENTRE - 64 * 2, AREA_CENTRE), 4);   // world cell 95, 70: block 2
}

TEST_F(CultureTest, BlocksAreNamedByTheirLand) {
    fill_block(2, 2, CH_SEA);
    srand(1);
    nimeakartta();
    EXPECT_EQ(name(64 + 5, 64 + 5, 0), "Avomeri");
    EXPECT_EQ(name(64, 64, 1), "Open sea");

    for (unsigned seed = 1; seed < 40; seed++) {
        fill_block(1, 1, 15);
        put(40, 40, CH_RAPIDS);                      // rapids decide the last part
        srand(seed);
        int v = nimearuutu(1, 1);
        EXPECT_GE(v >> 8, 4);
        EXPECT_LE(v >> 8, 6);
        for (int i = 0; i < 5; i++) put(33 + i, 50, 91);   // unless hills come later
        v = nimearuutu(1, 1);
        EXPECT_GE(v >> 8, 60);
        EXPECT_LE(v >> 8, 69);
    }
    // Mire over half the block.
    for (int y = 96; y < 128; y++)
        for (int x = 96; x < 96 + 17; x++) put(x, y, 233);
    srand(3);
    const int v = nimearuutu(3, 3);
    EXPECT_GE(v >> 8, 16);
    EXPECT_LE(v >> 8, 20);
}

TEST_F(CultureTest, NamePartsJoinByTheirUnderscores) {
    struct Case { int first, last; const char *native, *english; } cases[] = {
        {20, 32, "Rautamets\344", "Iron forest"},    // "Iron" + "_forest"
        {20, 33, "Rautamett\344", "Ironwood"},       // "Iron" + "wood"
        {1, 1, "Siikavesi", "Whitefish water"},      // "Whitefish_" + "_water"
        {0, 2, "Avoselk\344", "Open wide"},          // "Open_" + "wide"
        {10, 0, "Sestameri", "Sesta sea"},           // an English text of its own
        {8, 3, "N\344kinj\344rvi", "N\344kki's lake"},
    };
    for (const Case &c : cases) {
        nimikartta[0] = (uint16_t)(c.first + 256 * c.last);
        EXPECT_EQ(name(3, 3, 0), c.native);
        EXPECT_EQ(name(3, 3, 1), c.english);
    }
    const unsigned char naekin[] = {'N', 0xe4, 'k', 'i', 'n', 0};
    EXPECT_STREQ(alkunimilista[8], (const char *)naekin);
    for (int i = 0; i < 256; i++) ASSERT_LE(strlen(en_loppunimilista[i]), 15u);

    EXPECT_EQ(name(5000, 0, 0), "  ");
    EXPECT_EQ(name(-1, 0, 1), "  ");
    EXPECT_EQ(name(0, 2048, 1), "  ");
    char out[32];
    get_areaname(5000, 0, 0, out);
    EXPECT_STREQ(out, "  ");

    // An own-name value past the names made reads as the generated name.
    nimikartta[0] = 0x8000 | (20 + 256 * 32);
    EXPECT_EQ(name(0, 0, 1), "Iron forest");
}

TEST_F(CultureTest, NamesFileRoundTripsAndAShortOneIsRefused) {
    for (int i = 0; i < BLOCK_COUNT; i++) nimikartta[i] = (uint16_t)(i * 7 + 0x300);
    ASSERT_EQ(tallenna_nimet(dir->path().c_str()), 1);
    const std::string bytes = dir->read_file("names.dat");
    ASSERT_EQ(bytes.size(), 12288u);
    EXPECT_EQ((uint8_t)bytes[2], 7);                 // little-endian: 0x307
    EXPECT_EQ((uint8_t)bytes[3], 3);
    memset(nimikartta, 0, sizeof nimikartta);
    lataa_nimet(dir->path().c_str());
    EXPECT_EQ(nimikartta[BLOCK_COUNT - 1], (uint16_t)((BLOCK_COUNT - 1) * 7 + 0x300));

    dir->write_file("names.dat", bytes.substr(0, 12000));
    for (auto &v : nimikartta) v = 5;
    lataa_nimet(dir->path().c_str());
    EXPECT_EQ(nimikartta[0], 0) << "nothing of the names before stays";
}
