// src/maps/poollink.h -- what the map code takes from the data pool.
// The pool record stands here until the core's record header lands; then this includes it.
#pragma once
#include <cstddef>
#include <cstdint>

struct DataStruct {                // 36 bytes, stored as is in the map files
    uint16_t x, y;
    uint8_t type;
    uint8_t pad5;
    int16_t owner;
    uint16_t count;
    uint8_t pad10[2];
    uint32_t id;
    uint8_t flags;
    uint8_t pad17;
    uint16_t day;
    uint16_t readyday;
    uint8_t pad22[2];
    uint32_t readymin;
    uint32_t spentmin;
    uint8_t extra;
    uint8_t pad33[3];
};
static_assert(sizeof(DataStruct) == 36, "DataStruct is a file record");

// The data pool of the current map and of the world map, and the calls the map code makes on it.
constexpr int DATA_COUNT = 10000;
extern DataStruct Data[DATA_COUNT];
extern DataStruct IsoData[DATA_COUNT];
extern DataStruct DTEMP;
void ClearDTEMP();
int SetDTEMP(int n);
void CrunchData(int n);
int get_datatype(int type, int x, int y);
void make_datapos_bottom(int n);
void Siivoa_DATA();
int Siisti_DATA(int limit);
int rmDatas(int limit, int x, int y);
void esineet_paikkatarkistus(int x, int y);

// Weight in pounds of one unit of an object.
float map_item_weight(uint32_t obj);
