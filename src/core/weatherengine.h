// src/core/weatherengine.h -- the weather engine: a year of day records drawn from the climate's fixed
// points and nine weather types, stepped hour by hour into the current weather that the game reads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>

// One hour's weather. The same layout serves the current weather, GlobWeather, PrevWeather and each
// day record, and is stored as it stands in "WEATHER.DAT".
struct WeatherStruct {
    int32_t temperature;       // air temperature, whole degrees; a day record's base temperature
    uint8_t type;              // weather type 0-8
    uint8_t rain_amount;       // the day's precipitation amount, 0 on a dry day
    int8_t intensity;          // this hour: 0 none, 1 light, 2 moderate, 3 heavy; 0 in a day record
    uint8_t rain_kind;         // 0 none, 1 rain, 2 sleet, 3 snow; 0 in a day record
    uint8_t wind_dir;          // 0-7, compass points as the facings
    int8_t wind_str;
    int8_t cloud;              // cloud cover, 0 and up
    int8_t spare11;            // kept zero
    uint32_t spare12;          // kept zero
    int32_t snow_depth;        // millimetres; 0 in a day record
    int32_t water_temp;        // tenths of a degree; below 0 it counts the frost that builds ice
    int32_t sun_alt;           // sun altitude this hour, whole degrees
    int32_t sun_alt_next;      // one hour later
};
static_assert(sizeof(WeatherStruct) == 32, "WeatherStruct is a file record");
static_assert(offsetof(WeatherStruct, type) == 4, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, rain_amount) == 5, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, intensity) == 6, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, rain_kind) == 7, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, wind_dir) == 8, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, wind_str) == 9, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, cloud) == 10, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, spare11) == 11, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, spare12) == 12, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, snow_depth) == 16, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, water_temp) == 20, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, sun_alt) == 24, "WeatherStruct layout");
static_assert(offsetof(WeatherStruct, sun_alt_next) == 28, "WeatherStruct layout");

enum {
    WEATHER_DAYRECORDS = 722,      // 0-359 this year, 360-719 the next, 720-721 spare
    WEATHER_TYPES = 9,
    WEATHER_FIXEDPOINTS = 12,
    WEATHER_FILE_VERSION = 1,
    WEATHER_FILE_BYTES = 23148,
    WEATHER_LATITUDE = 62          // the game's latitude
};

struct FixedPoint {
    int32_t day;               // day of the year, 0-359
    int8_t temperature;        // mean temperature
    uint8_t spread;
    int8_t drawn;              // a temperature drawn round the mean, filled when the point is fetched
    uint8_t spare;
};
static_assert(sizeof(FixedPoint) == 8, "FixedPoint is 8 bytes");

struct WeatherType {
    char name[32];             // zero-terminated
    uint8_t b[7];              // spell length spreads b0 b1, wind base b2 and spreads b3 b4,
                               // cloud spread b5, precipitation spread b6
};
static_assert(sizeof(WeatherType) == 39, "WeatherType is 39 bytes");

// The climate: twelve points through the year.
class cFixedPoints {
public:
    FixedPoint points[WEATHER_FIXEDPOINTS];
    void set_defaults();
    // The point at index (12 or more gives point 0) with a fresh drawn temperature.
    FixedPoint get(int index);
    // Reads "fixedpoints.txt"; false (and the defaults) when it is missing or unusable.
    bool read(const char *path);
};

// The sun as last computed.
class celestial {
public:
    int32_t altitude = 0;      // whole degrees, truncated toward zero
    float radians = 0;
    float sine = 0;
    void calcAlt(int day, int hour, int ignored, int latitude, int hour_offset);
};

class cWeatherEngine {
public:
    WeatherStruct current;
    int32_t day_index;         // 0-359
    int32_t hour;              // 0-23
    int32_t temp_modifier;     // the last hour's correction for sun, cloud and wind
    cFixedPoints fixedpoints;
    WeatherType types[WEATHER_TYPES];
    uint8_t type_cycle[12];    // 4 groups of 3 type numbers
    WeatherStruct days[WEATHER_DAYRECORDS];
    celestial sun;

    // Built before main: no file is touched and no random number drawn here.
    cWeatherEngine();
    // The start-up's call: seeds the random stream from the clock and reads the climate tables
    // "fixedpoints.txt" and "weathertypeinfo.txt" of the working folder (defaults when unusable).
    void init();
    void set_default_types();
    bool read_types(const char *path);     // false (and the defaults) when missing or unusable

    WeatherStruct start(int latitude, int day, int hour);
    WeatherStruct next_step(int latitude);
    // (mean temperature, sum of precipitation amounts) over day records first to last.
    std::pair<int, int> get_summary(int ignored, int first, int last);
    int get_rain(unsigned char amount);
    int calc_temp_modifier(int temperature, int altitude, int wind_dir, int wind_str, int cloud);
    int get_random_wt(int group);
    int get_wt_duration(int type);
    int get_new_winddir(int direction);
    void calc_year(int first);
    void next_year();
    const char *to_string(int difference, int amount, int temperature);
    const char *get_forecast(int level, int ignored, int day, int hour);

    // "WEATHER.DAT": both answer the current weather. load changes nothing unless the file is a
    // complete image of version 1 with a day and hour in range and numbers the engine could have made.
    WeatherStruct load(const char *path);
    WeatherStruct save(const char *path);
    bool read_file(const char *path);      // true when loaded
    bool write_file(const char *path);     // true when the whole file was written
};

extern cWeatherEngine weatherengine;
extern WeatherStruct GlobWeather;          // the current weather that the game reads
extern WeatherStruct PrevWeather;          // the previous hour's

int OxaDayToRealDay(int day);
double RadToDeg(double x);
double DegToRad(double x);
