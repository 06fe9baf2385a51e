// Loading and saving the current map: the world files are taken whole or refused, a lost world pool
// leaves nothing of an earlier character, saving keeps or renumbers the pools as it should.
#include <sys/stat.h>

#include <vector>

#include "core/datafunc.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/mapload.h"
#include "maps/maptest.h"

namespace {

class MapLoadTest : public MapsTest {
protected:
    void write(const char *name, const void *data, size_t size) {
        FILE *f = fopen(path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (size) {
            ASSERT_EQ(fwrite(data, 1, size, f), size);
        }
        fclose(f);
    }
    long size_of(const char *name) {
        struct stat st;
        return stat(path(name).c_str(), &st) == 0 ? (long)st.st_size : -1;
    }
    void write_world(uint8_t fill) {
        std::vector<uint8_t> world(MAP_BYTES, fill);
        world[mapidx(10, 20)] = CH_SEA;
        write("WORLD.DAT", world.data(), world.size());
    }
    static DataStruct record(int type, int x, int y, uint32_t id) {
        DataStruct d{};
        d.type = (uint8_t)type;
        d.x = (uint16_t)x;
        d.y = (uint16_t)y;
        d.id = id;
        d.count = 1;
        return d;
    }
};

}  // namespace

TEST_F(MapLoadTest, WorldFilesAreReadWhole) {
    write_world(15);
    std::vector<DataStruct> pool(DATA_MAX);
    pool[7] = record(DT_ITEM, 3, 4, 50010);
    write("DATA.DAT", pool.data(), pool.size() * sizeof(DataStruct));
    std::vector<uint8_t> memory(MAP_BYTES, ' ');
    memory[mapidx(10, 20)] = CH_SEA;
    write("WORLD.PLM", memory.data(), memory.size());
    // what a local area left in the view's layers
    for (uint8_t *layer : {maailma_attrib, maailma_work, maailma_worksymbol, maailma_memorymap}) memset(layer, 'x', MAP_BYTES);

    GetMap("BIGMAP");
    EXPECT_EQ(Environ, 1);
    EXPECT_EQ(get_mapchar(10, 20), CH_SEA);
    EXPECT_EQ(get_mapchar(11, 20), 15);
    EXPECT_EQ(memcmp(maailma, maailma_alltime, MAP_BYTES), 0);
    EXPECT_EQ(Data[7].id, 50010u);
    EXPECT_EQ(memcmp(Data, IsoData, sizeof(DataStruct) * DATA_MAX), 0);
    EXPECT_EQ(maailma_memorymap[mapidx(10, 20)], CH_SEA);
    EXPECT_EQ(maailma_alltime_memorymap[mapidx(10, 20)], CH_SEA);
    EXPECT_EQ(maailma_work[mapidx(10, 20)], ' ') << "nothing is explored on this visit yet";
    const std::vector<uint8_t> colons(MAP_BYTES, ':'), spaces(MAP_BYTES, ' '), zeros(MAP_BYTES, 0);
    EXPECT_EQ(memcmp(maailma_attrib, colons.data(), MAP_BYTES), 0);
    EXPECT_EQ(memcmp(maailma_work, spaces.data(), MAP_BYTES), 0);
    EXPECT_EQ(memcmp(maailma_worksymbol, zeros.data(), MAP_BYTES), 0);
    EXPECT_EQ(memcmp(maailma_memorymap, memory.data(), MAP_BYTES), 0);

    // a memory file cut short is no memory
    write("WORLD.PLM", memory.data(), MAP_BYTES / 2);
    GetMap("BIGMAP");
    EXPECT_EQ(memcmp(maailma_memorymap, spaces.data(), MAP_BYTES), 0);
    EXPECT_EQ(memcmp(maailma_alltime_memorymap, spaces.data(), MAP_BYTES), 0);
}

TEST_F(MapLoadTest, MissingWorldPoolClearsTheOneInMemoryAndIsCreated) {
    write_world(15);
    for (DataStruct &d : IsoData) d = record(DT_ITEM, 1, 1, 50001);   // a character played before
    GetIso();
    DataStruct empty{};
    for (int i = 0; i < DATA_MAX; i++) ASSERT_EQ(memcmp(&IsoData[i], &empty, sizeof empty), 0) << i;
    EXPECT_EQ(size_of("DATA.DAT"), 360000);
}

TEST_F(MapLoadTest, ShortWorldPoolIsReadAsFarAsItsRecordsAreWhole) {
    write_world(15);
    std::vector<uint8_t> bytes(2 * sizeof(DataStruct) + 20, 0);
    DataStruct a = record(DT_ITEM, 1, 1, 50001), b = record(DT_TRAP, 2, 2, 396);
    memcpy(&bytes[0], &a, sizeof a);
    memcpy(&bytes[sizeof a], &b, sizeof b);
    memset(&bytes[2 * sizeof a], 0x7f, 20);
    write("DATA.DAT", bytes.data(), bytes.size());
    for (DataStruct &d : Data) d.type = 99;
    GetIso();
    EXPECT_EQ(IsoData[0].id, 50001u);
    EXPECT_EQ(IsoData[1].type, DT_TRAP);
    EXPECT_EQ(IsoData[2].type, 0) << "a cut record is no record";
    EXPECT_EQ(Data[DATA_MAX - 1].type, 0);
}

TEST_F(MapLoadTest, MissingOrShortWorldFileEndsTheProgram) {
    // Named within her folder: no path of the machine.
    EXPECT_EXIT(GetIso(), ::testing::ExitedWithCode(1), "couldn't open WORLD.DAT of ");
    std::vector<uint8_t> half(MAP_BYTES / 2, 15);
    write("WORLD.DAT", half.data(), half.size());
    EXPECT_EXIT(GetIso(), ::testing::ExitedWithCode(1), "world file WORLD.DAT of .*is damaged");
}

TEST_F(MapLoadTest, OtherMapNamesLoadOnlyTheClearedLayers) {
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "CAVEMAP");
    Data[3] = record(DT_ITEM, 1, 1, 50001);
    GetMap("CAVEMAP");
    EXPECT_EQ(get_mapchar(232, 232), CH_GROUND);
    EXPECT_EQ(get_mapchar(2000, 1500), CH_GROUND);
    EXPECT_EQ(Data[3].type, 0);
    EXPECT_EQ(maailma_memorymap[mapidx(232, 232)], ' ');
}

TEST_F(MapLoadTest, SavingRenumbersOnlyCreaturesOfRealSlots) {
    local_area();
    Plr.world_x = 100;
    Plr.world_y = 100;
    PlayerX = PlayerY = 232;
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(RealCreaturePos, 0, sizeof RealCreaturePos);
    Cre[5].kind = CK_HUMAN;
    RealCreaturePos[5] = 4321;
    Data[0] = record(DT_CREATURE, 230, 230, CRE_DATAID + 5);
    Data[1] = record(DT_CREATURE, 231, 230, CRE_DATAID + 700);   // names no slot of the table
    Data[2] = record(DT_CARCASS, 232, 230, 0xFFFFFFF0u);          // neither does this one
    Data[3] = record(DT_CREATURE, 233, 230, CRE_DATAID + 6);      // an empty slot

    static DataStruct data_before[DATA_MAX], iso_before[DATA_MAX];
    memcpy(data_before, Data, sizeof data_before);
    memcpy(iso_before, IsoData, sizeof iso_before);
    EXPECT_EQ(SaveMapAndContinue(), 1);
    EXPECT_EQ(memcmp(Data, data_before, sizeof data_before), 0) << "the pools in memory are as they were";
    EXPECT_EQ(memcmp(IsoData, iso_before, sizeof iso_before), 0);

    EXPECT_EQ(SaveMap("ZOOMMAP"), 1);
    EXPECT_EQ(Data[0].id, 4321u);
    EXPECT_EQ(Data[1].id, (uint32_t)CRE_DATAID + 700);
    EXPECT_EQ(Data[2].id, 0xFFFFFFF0u);
    EXPECT_EQ(Data[3].id, (uint32_t)CRE_DATAID + 6);
    EXPECT_EQ(size_of("ZOOMMAP.DAT"), 360000);
}

TEST_F(MapLoadTest, MapFixFreesBrokenRecords) {
    Data[0] = record(DT_ITEM, 1, 1, 0);
    Data[1] = record('X', 1, 1, 5);
    Data[2] = record(DT_ITEM, 1, 1, 50001);
    map_fix();
    EXPECT_EQ(Data[0].type, DT_FREED);
    EXPECT_EQ(Data[1].type, DT_FREED);
    EXPECT_EQ(Data[2].type, DT_ITEM);
}

TEST_F(MapLoadTest, SeenCreaturesOfStoredMapsAroundShowOnTheWorldMap) {
    PlayerX = 500;
    PlayerY = 500;
    memset(ConstantCre, 0, sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
    ConstantCre[600].speciescode = 612;
    ConstantCre[601].speciescode = 613;
    ConstantCre[601].korkeus = -100;   // diving
    ZoomMap_Clear();
    Zoom.data[0] = record(DT_CREATURE, 10, 10, 600);
    Zoom.data[1] = record(DT_CREATURE, 11, 10, 601);
    Zoom.data[2] = record(DT_CREATURE, 12, 10, 600);
    Zoom.memory[10 * 64 + 10] = 'x';
    Zoom.memory[10 * 64 + 11] = 'x';   // the third one lies where the player has never looked
    ASSERT_EQ(save_zoommap(502, 499, 0), 1);
    ASSERT_EQ(save_zoommap(504, 499, 0), 1);   // one column too far east
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    Siirra_Zoomympariston_Tapahtumat();
    int found = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_ENCOUNTER) continue;
        found++;
        EXPECT_EQ(d.x, 502);
        EXPECT_EQ(d.y, 499);
        EXPECT_EQ(d.id, 612u);
        EXPECT_EQ(d.flags, 2);
    }
    EXPECT_EQ(found, 1);
}
