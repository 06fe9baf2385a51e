// The weather engine: the climate tables, the generated year and the hourly step.
#include "core/weatherengine.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "base/ownlib.h"
#include "base/wholefile.h"

cWeatherEngine weatherengine;
WeatherStruct GlobWeather;
WeatherStruct PrevWeather;

// ---- helpers ----------------------------------------------------------------------------------

int OxaDayToRealDay(int d) {
    if (d < 61) return d;
    if (d < 121) return d + 1;
    if (d < 181) return d + 2;
    if (d < 241) return d + 3;
    if (d <= 300) return d + 4;
    return d + 5;
}

double RadToDeg(double x) { return x * 57.295827908797776; }
double DegToRad(double x) { return x * 0.017453277777777776; }

// ---- climate tables ---------------------------------------------------------------------------

static const int default_points[WEATHER_FIXEDPOINTS][3] = {
    {15, -20, 8}, {45, -18, 8}, {75, -8, 8},  {105, 6, 6}, {135, 8, 6},  {165, 16, 5},
    {195, 20, 5}, {225, 16, 5}, {255, 8, 6},  {285, 2, 6}, {315, -4, 6}, {340, -12, 6}};

static const WeatherType default_types[WEATHER_TYPES] = {
    {"very high pressure", {2, 5, 0, 1, 3, 2, 0}},   {"high pressure", {3, 6, 1, 3, 10, 20, 0}},
    {"mild high pressure", {3, 6, 2, 4, 10, 30, 0}}, {"unstable", {3, 6, 3, 4, 8, 60, 8}},
    {"rainy", {2, 4, 6, 4, 10, 80, 12}},             {"stormy", {1, 2, 10, 10, 20, 80, 20}},
    {"mild low pressure", {3, 6, 2, 4, 10, 100, 10}}, {"low pressure", {2, 4, 2, 4, 10, 100, 14}},
    {"very low pressure", {1, 3, 0, 2, 6, 120, 20}}};

static const uint8_t default_cycle[12] = {2, 1, 0, 3, 4, 5, 6, 7, 8, 3, 4, 5};

enum { CLIMATE_FILE_MAX = 65536 };

// A decimal integer after optional white space; trailing white space allowed, nothing else.
static bool parse_int(const char *s, long lo, long hi, long &out) {
    while (*s == ' ' || *s == '\t' || *s == '\r' || *s == '\n') s++;
    if (!*s) return false;
    errno = 0;
    char *end = nullptr;
    long v = strtol(s, &end, 10);
    if (end == s || errno) return false;
    while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n') end++;
    if (*end) return false;
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

void cFixedPoints::set_defaults() {
    for (int i = 0; i < WEATHER_FIXEDPOINTS; i++) {
        points[i].day = default_points[i][0];
        points[i].temperature = (int8_t)default_points[i][1];
        points[i].spread = (uint8_t)default_points[i][2];
        points[i].drawn = 0;
        points[i].spare = 0;
    }
}

FixedPoint cFixedPoints::get(int index) {
    if (index < 0 || index >= WEATHER_FIXEDPOINTS) index = 0;
    FixedPoint &p = points[index];
    int d = gausrnd(p.temperature - p.spread, 2 * p.spread);
    if (d < -128) d = -128;
    if (d > 127) d = 127;
    p.drawn = (int8_t)d;
    return p;
}

// Fields end with ";"; only the text after a field's first ":" counts. Lines beginning "//" are
// comments. Twelve points of day, temperature and spread; days strictly increasing within the year.
bool cFixedPoints::read(const char *path) {
    std::string whole;
    set_defaults();
    if (!read_whole(path, whole, CLIMATE_FILE_MAX - 1)) return false;
    char *text = &whole[0];
    // Blank out comment lines.
    for (char *p = text; *p;) {
        char *eol = strchr(p, '\n');
        if (p[0] == '/' && p[1] == '/') {
            char *stop = eol ? eol : p + strlen(p);
            memset(p, ' ', (size_t)(stop - p));
        }
        if (!eol) break;
        p = eol + 1;
    }
    FixedPoint got[WEATHER_FIXEDPOINTS];
    memset(got, 0, sizeof got);
    char *p = text;
    for (int field = 0; field < WEATHER_FIXEDPOINTS * 3; field++) {
        char *end = strchr(p, ';');
        if (!end) return false;            // fewer than twelve points
        *end = 0;
        char *value = strchr(p, ':');
        value = value ? value + 1 : p;
        long v;
        int which = field % 3;
        bool ok = which == 0   ? parse_int(value, 0, 359, v)
                  : which == 1 ? parse_int(value, -128, 127, v)
                               : parse_int(value, 0, 127, v);
        if (!ok) return false;
        FixedPoint &fp = got[field / 3];
        if (which == 0) fp.day = (int32_t)v;
        else if (which == 1) fp.temperature = (int8_t)v;
        else fp.spread = (uint8_t)v;
        p = end + 1;
    }
    for (int i = 1; i < WEATHER_FIXEDPOINTS; i++)
        if (got[i].day <= got[i - 1].day) return false;
    memcpy(points, got, sizeof points);
    return true;
}

void cWeatherEngine::set_default_types() { memcpy(types, default_types, sizeof types); }

// The first line is a heading; then nine lines "name,b0,b1,b2,b3,b4,b5,b6". A name keeps at most
// 31 characters. Any unusable line keeps the defaults for all nine types.
bool cWeatherEngine::read_types(const char *path) {
    std::string whole;
    set_default_types();
    if (!read_whole(path, whole, CLIMATE_FILE_MAX - 1)) return false;
    char *text = &whole[0];
    WeatherType got[WEATHER_TYPES];
    memset(got, 0, sizeof got);
    char *line = strchr(text, '\n');
    if (!line) return false;
    line++;
    for (int t = 0; t < WEATHER_TYPES; t++) {
        if (!*line) return false;
        char *eol = strchr(line, '\n');
        if (eol) *eol = 0;
        char *comma = strchr(line, ',');
        if (!comma) return false;
        *comma = 0;
        copy_bounded(got[t].name, sizeof got[t].name, line);
        char *q = comma + 1;
        for (int i = 0; i < 7; i++) {
            char *stop = i < 6 ? strchr(q, ',') : nullptr;
            if (i < 6 && !stop) return false;
            if (stop) *stop = 0;
            long v;
            if (!parse_int(q, 0, 255, v)) return false;
            got[t].b[i] = (uint8_t)v;
            if (stop) q = stop + 1;
        }
        line = eol ? eol + 1 : line + strlen(line);
    }
    memcpy(types, got, sizeof types);
    return true;
}

cWeatherEngine::cWeatherEngine() {
    memset(&current, 0, sizeof current);
    day_index = 0;
    hour = 0;
    temp_modifier = 0;
    fixedpoints.set_defaults();
    set_default_types();
    memcpy(type_cycle, default_cycle, sizeof type_cycle);
    memset(days, 0, sizeof days);
}

void cWeatherEngine::init() {
    srand((unsigned)time(nullptr));
    fixedpoints.read("fixedpoints.txt");
    read_types("weathertypeinfo.txt");
    memcpy(type_cycle, default_cycle, sizeof type_cycle);
}

// ---- the sun ----------------------------------------------------------------------------------

void celestial::calcAlt(int day, int hour, int, int latitude, int hour_offset) {
    int h = hour + hour_offset;
    double hours;
    if (h > 23) {
        day = day >= 359 ? 0 : day + 1;
        hours = -12;
    } else {
        hours = h - 12;
    }
    if (day < 0 || day > 359) day = ((day % 360) + 360) % 360;
    int n = OxaDayToRealDay(day);
    double decl = asin(sin(DegToRad(0.9863 * (n - 81))) * 0.397772494);
    double ha = hours * 0.26179938779915;
    double lat = DegToRad(latitude);
    double alt = asin(sin(lat) * sin(decl) + cos(lat) * cos(decl) * cos(ha));
    radians = (float)alt;
    sine = (float)sin(alt);
    altitude = (int32_t)RadToDeg(alt);
}

// ---- the year ---------------------------------------------------------------------------------

int cWeatherEngine::get_random_wt(int group) {
    if (group < 0 || group > 3) group = 0;
    int r = rand() % 101;
    int slot = r < 50 ? 0 : r < 90 ? 1 : 2;
    return type_cycle[group * 3 + slot];
}

int cWeatherEngine::get_wt_duration(int type) {
    if (type < 0 || type >= WEATHER_TYPES) type = 0;
    return slopernd(1, types[type].b[0], types[type].b[1]);
}

int cWeatherEngine::get_new_winddir(int d) {
    int r = rand() % 101;
    int turn = r <= 10 ? -2 : r <= 30 ? -1 : r <= 70 ? 0 : r <= 90 ? 1 : 2;
    d += turn;
    while (d < 0) d += 8;
    while (d > 7) d -= 8;
    return d;
}

void cWeatherEngine::calc_year(int first) {
    if (first < 0 || first + 360 > WEATHER_DAYRECORDS) return;

    // Spells of weather types. The end of a spell is kept as a full day number, so spells keep
    // changing through the whole year.
    int t = get_random_wt(0);
    int spell_end = get_wt_duration(t);
    int group = 0;
    for (int k = 1; k <= 360; k++) {
        days[first + k - 1].type = (uint8_t)t;
        if (k == spell_end) {
            if (rand() % 101 > 20) group = group >= 3 ? 0 : group + 1;
            t = get_random_wt(group);
            spell_end = k + get_wt_duration(t);
        }
    }

    // Temperatures along a line through the drawn fixed points, smoothed with noise.
    FixedPoint p11 = fixedpoints.get(11);
    FixedPoint p0 = fixedpoints.get(0);
    float slope = (float)(p0.drawn - p11.drawn) / (float)(p0.day + 360 - p11.day);
    float line = p11.drawn + (360 - p11.day) * slope;
    float smoothed = line + (float)((rand() % 9) - 4);
    int spread = p11.spread;
    int next_point = 0;              // index of the point the line heads for
    int target = p0.drawn;           // its drawn temperature
    int target_day = p0.day;
    int wind_dir = get_new_winddir(0);

    for (int i = 0; i < 360; i++) {
        if (next_point < WEATHER_FIXEDPOINTS && i == target_day) {
            int reached = target;
            spread = fixedpoints.points[next_point].spread;
            int following = next_point + 1;
            if (following < WEATHER_FIXEDPOINTS) {
                FixedPoint f = fixedpoints.get(following);
                target = f.drawn;
                target_day = f.day;
                slope = (float)(target - reached) / (float)(f.day - i);
            } else {
                FixedPoint f = fixedpoints.get(0);
                target = f.drawn;
                target_day = f.day + 360;
                slope = (float)(target - reached) / (float)(f.day + 360 - i);
            }
            next_point = following;
        }
        line += slope;
        smoothed = (smoothed + line) * 0.5f + (float)((rand() % (2 * spread + 1)) - spread);

        WeatherStruct &rec = days[first + i];
        rec.temperature = (int32_t)(smoothed + 0.5f);
        const WeatherType &wt = types[rec.type < WEATHER_TYPES ? rec.type : 0];
        rec.wind_str = (int8_t)slopernd(wt.b[2], wt.b[3], wt.b[4]);
        wind_dir = get_new_winddir(wind_dir);
        rec.wind_dir = (uint8_t)wind_dir;
        int cloud = gausrnd(0, wt.b[5]);
        rec.cloud = (int8_t)(cloud > 127 ? 127 : cloud);
        int amount = cloud >= 30 ? gausrnd(0, wt.b[6]) : 0;
        rec.rain_amount = (uint8_t)(amount > 255 ? 255 : amount);
        rec.intensity = 0;
        rec.rain_kind = 0;
        rec.spare11 = 0;
        rec.spare12 = 0;
        rec.snow_depth = 0;
        rec.water_temp = 0;
        rec.sun_alt = 0;
        rec.sun_alt_next = 0;
    }
}

void cWeatherEngine::next_year() {
    memcpy(&days[0], &days[360], 360 * sizeof(WeatherStruct));
    calc_year(360);
}

// ---- the hourly step --------------------------------------------------------------------------

int cWeatherEngine::calc_temp_modifier(int t, int a, int d, int s, int c) {
    int m;
    if (a < -1) m = -4;
    else if (a <= 1) m = -5;
    else if (a <= 3) m = -4;
    else if (a <= 7) m = -3;
    else if (a <= 11) m = -2;
    else if (a <= 15) m = -1;
    else if (a <= 19) m = 0;
    else if (a <= 23) m = 1;
    else if (a <= 27) m = 2;
    else m = 2 + (a - 28) / 4;

    // Shifts round negatives down, as cloud dims the sun's part.
    if (c >= 75) m >>= 2;
    else if (c >= 50) m >>= 1;
    if (m < 0 && t > 0) m >>= 2;

    switch (d) {
    case 0: case 1: case 7: m -= 1; break;
    case 2: if (t > 9) m += 4; break;
    case 3: case 4: case 5: m += 2; break;
    case 6: m += t < 0 ? 6 : 2; break;
    default: break;
    }

    if (s <= 5) {}
    else if (s <= 10) m -= 1;
    else if (s <= 16) m -= 2;
    else if (s <= 18) m -= 3;
    else if (s <= 20) m -= 4;
    else if (s == 21) m -= 5;
    else if (s == 22) m -= 6;
    else m -= 7;
    return m;
}

int cWeatherEngine::get_rain(unsigned char amount) {
    if (amount == 0) return 0;
    int v = amount - rand() % 16;
    if (v < 1) return 0;
    int r = rand() % (v + 1);
    return r <= 2 ? 1 : r <= 6 ? 2 : 3;
}

// Interpolated within the day, rounded half up and truncated toward zero.
static int between(int today, int tomorrow, int hour) {
    return (int)((float)today + (float)(tomorrow - today) / 24.0f * (float)hour + 0.5f);
}

WeatherStruct cWeatherEngine::next_step(int latitude) {
    if (day_index < 0 || day_index > 359) day_index = 0;
    hour++;
    if (hour > 23) {
        hour = 0;
        day_index++;
        if (day_index > 359) {
            day_index = 0;
            next_year();
        }
        const WeatherStruct &rec = days[day_index];
        current.temperature = rec.temperature;
        current.type = rec.type;                 // bytes 4-11 and the word at 12
        current.rain_amount = rec.rain_amount;
        current.intensity = rec.intensity;
        current.rain_kind = rec.rain_kind;
        current.wind_dir = rec.wind_dir;
        current.wind_str = rec.wind_str;
        current.cloud = rec.cloud;
        current.spare11 = rec.spare11;
        current.spare12 = rec.spare12;
    } else {
        const WeatherStruct &today = days[day_index];
        const WeatherStruct &tomorrow = days[day_index + 1];
        current.temperature = between(today.temperature, tomorrow.temperature, hour);
        current.wind_str = (int8_t)between(today.wind_str, tomorrow.wind_str, hour);
        current.cloud = (int8_t)between(today.cloud, tomorrow.cloud, hour);
        current.spare11 = (int8_t)between(today.spare11, tomorrow.spare11, hour);
    }

    current.sun_alt = current.sun_alt_next;
    sun.calcAlt(day_index, hour, 0, latitude, 1);
    current.sun_alt_next = sun.altitude;

    temp_modifier = calc_temp_modifier(current.temperature, current.sun_alt, current.wind_dir,
                                       current.wind_str, current.cloud);
    current.temperature += temp_modifier;

    int n = get_rain(current.rain_amount);
    current.intensity = (int8_t)n;
    int &T = current.temperature;
    int &snow = current.snow_depth;
    current.rain_kind = 0;
    if (T > 2) {
        T -= n;
        if (n >= 1 && T > 2) current.rain_kind = 1;
    }
    if (T <= 2 && n >= 1) {
        if (T < -1) {
            current.rain_kind = 3;
            snow += n;
        } else {
            int r = rand() % 101;
            if (r > 66) {
                current.rain_kind = 1;
            } else if (r >= 34) {
                current.rain_kind = 2;
                if (rand() % 101 > 50) snow += 1;
            } else {
                current.rain_kind = 3;
                snow += n;
            }
        }
    }

    // Water follows the air slowly; frozen water thaws only in real warmth, deep snow shields it.
    int &W = current.water_temp;
    if (10 * T > W && W < 0) {
        if (T <= 1) {
        } else if (snow > 150) {
            if (T >= 6) W += 1;
        } else if (T == 2) {
            W += 1;
        } else {
            W += rand() % 11 > 4 ? 2 : 1;
        }
    }
    if (10 * T > W && W >= 0) {
        if (10 * T - W >= 100) W += 1;
        else if (rand() % 11 <= 4) W += 1;
    }
    if (W > 0 && 10 * T < W) W -= 1;
    if (T < 0 && W > 30 * T) {
        if (-T > rand() % 11) {
            if (rand() % 11 <= 5) W -= 1;
            if (W >= -499) {
                int v = rand() % 1501 - snow;
                if (v >= 1000) W -= 3;
                else if (v >= 500) W -= 2;
                else if (v >= 0) W -= 1;
            }
        }
    }

    if (T > 0) {
        snow -= (int)ceil(T / 6.0);
        if (current.rain_kind == 1) snow -= n;
    }
    if (snow < 0) snow = 0;
    return current;
}

WeatherStruct cWeatherEngine::start(int latitude, int day, int start_hour) {
    if (day <= 0) day = 1;
    if (day > 360) day = 360;
    int target_day = day - 1;
    int target_hour = ((start_hour % 24) + 24) % 24;

    calc_year(0);
    calc_year(360);
    memset(&days[720], 0, 2 * sizeof(WeatherStruct));
    current = days[0];
    day_index = 0;
    hour = 0;
    current.snow_depth = 150 + rand() % 251;
    current.water_temp = -450 - rand() % 351;
    sun.calcAlt(0, 0, 0, latitude, 0);
    current.sun_alt = sun.altitude;
    sun.calcAlt(0, 0, 0, latitude, 1);
    current.sun_alt_next = sun.altitude;
    while (day_index != target_day || hour != target_hour) next_step(latitude);
    return current;
}

// The temperature figure is the mean over the days summed (first to last inclusive).
std::pair<int, int> cWeatherEngine::get_summary(int, int first, int last) {
    if (first < 1) first = 1;
    if (last > 720) last = 720;
    if (first >= last) return {0, 0};
    long temp_sum = 0;
    int amount_sum = 0;
    for (int i = first; i <= last; i++) {
        temp_sum += days[i].temperature;
        amount_sum += (int8_t)days[i].rain_amount;
    }
    return {(int)(temp_sum / (last - first + 1)), amount_sum};
}

// ---- forecasts --------------------------------------------------------------------------------

const char *cWeatherEngine::to_string(int difference, int amount, int temperature) {
    static char buf[128];
    const char *cmp = difference < -7  ? "much colder than"
                      : difference <= -5 ? "colder than"
                      : difference <= -2 ? "slightly colder than"
                      : difference <= 1  ? "about the same as"
                      : difference <= 4  ? "slightly warmer than"
                      : difference <= 7  ? "warmer than"
                                         : "much warmer than";
    const char *how = amount <= 0 ? "." : amount <= 5 ? " a little." : amount <= 12 ? "." : " a lot.";
    snprintf(buf, sizeof buf, "%s now. %s%s%s", cmp, amount != 0 ? "It will be " : "It won't be ",
             temperature < 0 ? "snowing" : "raining", how);
    return buf;
}

const char *cWeatherEngine::get_forecast(int level, int, int day, int forecast_hour) {
    static char buf[256];
    char part[128];
    // A negative level knows as little as level 0.
    float f = level <= 0 ? 0.25f : level == 1 ? 0.5f : level == 3 ? 1.0f : 0.75f;
    if (day < 1) day = 1;
    if (day > WEATHER_DAYRECORDS - 2) day = WEATHER_DAYRECORDS - 2;
    const WeatherStruct &today = days[day - 1];
    const WeatherStruct &tomorrow = days[day];
    int now = current.temperature;
    int m_day = calc_temp_modifier(today.temperature, 0, today.wind_dir, today.wind_str, today.cloud);
    int m_tomorrow =
        calc_temp_modifier(tomorrow.temperature, 0, tomorrow.wind_dir, tomorrow.wind_str, tomorrow.cloud);
    int m_night = calc_temp_modifier(today.temperature, -2, today.wind_dir, today.wind_str, today.cloud);

    buf[0] = 0;
    size_t used = 0;
    if (forecast_hour <= 11) {
        copy_bounded(part, sizeof part,
                     to_string((int)(f * (today.temperature + m_day - now)), (int)(f * today.rain_amount),
                               today.temperature));
        used += (size_t)snprintf(buf + used, sizeof buf - used, "During the day the temperature will be %s ",
                                 part);
    }
    if (used < sizeof buf) {
        copy_bounded(part, sizeof part,
                     to_string((int)(f * ((today.temperature + tomorrow.temperature) / 2 + m_night - now)),
                               (int)(f * ((today.rain_amount + tomorrow.rain_amount) / 2)), today.temperature));
        used += (size_t)snprintf(buf + used, sizeof buf - used, "During the night the temperature will be %s",
                                 part);
    }
    if (forecast_hour >= 12 && used < sizeof buf) {
        copy_bounded(part, sizeof part,
                     to_string((int)(f * (tomorrow.temperature + m_tomorrow - now)),
                               (int)(f * tomorrow.rain_amount), tomorrow.temperature));
        snprintf(buf + used, sizeof buf - used, " Tomorrow the temperature will be %s", part);
    }
    return buf;
}

// ---- "WEATHER.DAT" ----------------------------------------------------------------------------

struct WeatherFile {
    int32_t version;
    int32_t day_index;
    int32_t hour;
    WeatherStruct current;
    WeatherStruct days[WEATHER_DAYRECORDS];
};
static_assert(sizeof(WeatherFile) == WEATHER_FILE_BYTES, "WEATHER.DAT is 23148 bytes");
static_assert(offsetof(WeatherFile, current) == 12, "WEATHER.DAT layout");
static_assert(offsetof(WeatherFile, days) == 44, "WEATHER.DAT layout");

// Far beyond anything the engine makes from a climate file: a record outside these bounds is damaged
// (or made by hand), and hourly steps of its numbers would overflow.
static bool weather_record_usable(const WeatherStruct &w) {
    return w.temperature >= -1000 && w.temperature <= 1000 && w.snow_depth >= 0 && w.snow_depth <= 1000000 &&
           w.water_temp >= -1000000 && w.water_temp <= 1000000 && w.sun_alt >= -90 && w.sun_alt <= 90 &&
           w.sun_alt_next >= -90 && w.sun_alt_next <= 90;
}

bool cWeatherEngine::read_file(const char *path) {
    static WeatherFile file;
    std::vector<uint8_t> bytes;
    if (!read_whole(path, bytes, sizeof file) || bytes.size() != sizeof file) return false;
    memcpy(&file, bytes.data(), sizeof file);
    if (file.version != WEATHER_FILE_VERSION) return false;
    if (file.day_index < 0 || file.day_index > 359 || file.hour < 0 || file.hour > 23) return false;
    if (!weather_record_usable(file.current)) return false;
    for (const WeatherStruct &d : file.days)
        if (!weather_record_usable(d)) return false;
    day_index = file.day_index;
    hour = file.hour;
    current = file.current;
    memcpy(days, file.days, sizeof days);
    return true;
}

bool cWeatherEngine::write_file(const char *path) {
    static WeatherFile file;
    memset(&file, 0, sizeof file);
    file.version = WEATHER_FILE_VERSION;
    file.day_index = day_index;
    file.hour = hour;
    file.current = current;
    memcpy(file.days, days, sizeof days);
    return write_atomic(path, &file, sizeof file);
}

WeatherStruct cWeatherEngine::load(const char *path) {
    read_file(path);
    return current;
}

WeatherStruct cWeatherEngine::save(const char *path) {
    write_file(path);
    return current;
}
