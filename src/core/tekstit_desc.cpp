// Fixed English words for measured things: water and body warmth, snow, dates and hours, hunger,
// thirst, nourishment, skill, quality, distance, direction, companions and news.
#include "core/tekstit.h"

#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/tekstit_records.h"

#include <cmath>
#include <cstdio>
#include <cstring>

const char *MONTHS[12] = {"january", "february", "march",     "april",   "may",      "june",
                          "july",    "august",   "september", "october", "november", "december"};
const char *SI_taitokuvaus[11] = {"unskilled", "untrained", "amateur", "novice", "adequate",   "competent",
                                  "skilled",   "talented",  "expert",  "master", "grandmaster"};

static char *scratch(const char *text) {
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, text);
    return out;
}

char *WaterTemp_txtdesc(int t) {
    const char *w = t < 4    ? "freezing cold"
                    : t < 8  ? "really cold"
                    : t < 11 ? "cold"
                    : t < 14 ? "chilly"
                    : t < 17 ? "cool"
                    : t < 19 ? "rather warm"
                    : t <= 21 ? "warm"
                              : "very warm";
    return scratch(w);
}

char *SnowDepth_txtdesc(int d) {
    const char *w = d <= 9    ? ""
                    : d < 30  ? "very faint snow"
                    : d < 40  ? "faint snow"
                    : d < 60  ? "very thin snow"
                    : d < 80  ? "thin snow"
                    : d < 130 ? "fist deep snow"
                    : d < 150 ? "less than ankle deep snow"
                    : d < 200 ? "ankle deep snow"
                    : d < 300 ? "calf deep snow"
                    : d < 400 ? "knee deep snow"
                    : d < 600 ? "thigh deep snow"
                    : d < 800 ? "waist deep snow"
                    : d <= 999 ? "more than waist deep snow"
                               : "chest deep snow";
    return scratch(w);
}

char *monthphase(int day, int month) {
    const char *phase = day < 4 ? "beginning of " : day <= 10 ? "early " : day <= 20 ? "" : day <= 27 ? "late " : "end of ";
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "%s%s", phase, month >= 1 && month <= 12 ? PAGANMONTH[month] : "");
    return out;
}

char *datedesc(int day, int month, const char *mode) {
    if (month < 1) month = 1;
    if (month > 12) month = 12;
    bool in = mode && !strcmp(mode, "in");
    const char *w;
    if (day == 1)
        w = in ? "on first day of" : "first day of";
    else if (day <= 9)
        w = in ? "in early" : "early";
    else if (day <= 20)
        w = in ? "in mid" : "";
    else if (day == 30)
        w = in ? "on last day of" : "last day of";
    else
        w = in ? "in late" : "late";
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "%s %s", w, MONTHS[month - 1]);
    return out;
}

void AikaTeksti(int hour, char *out) {
    const char *w = hour == 1                   ? "After midnight"
                    : hour >= 2 && hour <= 3   ? "Small hours"
                    : hour >= 4 && hour <= 6   ? "Early morning"
                    : hour >= 7 && hour <= 8   ? "Morning"
                    : hour >= 9 && hour <= 10  ? "Late morning"
                    : hour >= 11 && hour <= 12 ? "Noon"
                    : hour == 13               ? "Early afternoon"
                    : hour == 14               ? "Afternoon"
                    : hour >= 15 && hour <= 16 ? "Late afternoon"
                    : hour >= 17 && hour <= 18 ? "Early evening"
                    : hour == 19               ? "Evening"
                    : hour >= 20 && hour <= 21 ? "Late evening"
                    : hour == 22               ? "Night"
                    : hour == 23               ? "Late night"
                                               : "Midnight";
    copy_bounded(out, 16, w);
}

namespace {
struct WarmthRow {
    float upto;
    const char *word, *sentence;
    uint8_t r, g, b;
};
const WarmthRow warmth_rows[] = {
    {31.5f, "Freezing to death", "You are freezing to death!", 140, 140, 255},
    {32.5f, "Freezing", "You are freezing.", 150, 150, 230},
    {33.5f, "Numbingly cold", "You are numbingly cold.", 160, 160, 235},
    {34.5f, "Bitterly cold", "You feel bitterly cold.", 171, 171, 219},
    {35.5f, "Cold", "You feel cold.", 171, 171, 203},
    {36.0f, "Chilly", "You feel chilly.", 171, 171, 187},
    {36.5f, "Cool", "You feel a bit cool.", 171, 171, 179},
    {37.5f, "Comfortably warm", "You feel comfortably warm.", 187, 171, 171},
    {38.0f, "Rather warm", "You are feeling rather warm.", 203, 171, 171},
    {38.5f, "Warm", "You feel warm.", 219, 171, 171},
    {39.0f, "Hot", "You are feeling hot.", 235, 171, 171},
    {40.0f, "Sweaty", "You are sweaty.", 230, 160, 160},
    {1e9f, "Sweating a lot", "You are sweating a lot.", 255, 150, 150},
};
}  // namespace

char *PlrWarmthDesc(int mode, TextRGB &colour) {
    colour = TextRGB{171, 171, 171};
    float t = texts_plr_bodytemp();
    for (const WarmthRow &row : warmth_rows)
        if (t <= row.upto) {
            colour = TextRGB{row.r, row.g, row.b};
            return scratch(mode == 1 ? row.sentence : row.word);
        }
    return scratch("");
}

char *NalkaTeksti(int hunger) {
    static char out[100];
    const char *w;
    if (hunger < 81)
        w = "";
    else if (hunger < 121)
        w = "a bit hungry";
    else if (hunger < 161)
        w = "getting hungry";
    else if (hunger < 201)
        w = "hungry";
    else if (hunger < 226)
        w = "very hungry";
    else {
        int n = texts_plr_nourishment();
        w = n > 999 ? "hungry as a bear" : n >= 700 ? "famished" : n >= 200 ? "desperately hungry" : "starving";
    }
    copy_bounded(out, sizeof out, w);
    return out;
}

char *JanoTeksti(int thirst) {
    static char out[100];
    copy_bounded(out, sizeof out,
                 thirst < 701    ? ""
                 : thirst < 1501 ? "a bit thirsty."
                 : thirst < 2301 ? "thirsty."
                 : thirst < 2701 ? "very thirsty."
                 : thirst < 3501 ? "craving for water!"
                 : thirst < 5001 ? "in serious need of water!"
                                 : "dying of thirst!");
    return out;
}

char *RavitsemusTeksti(int n) {
    static char out[100];
    copy_bounded(out, sizeof out,
                 n < 200    ? "Starving"
                 : n < 700  ? "Malnourished"
                 : n < 1200 ? "Insufficient"
                 : n < 1700 ? "Scarce"
                 : n < 2200 ? "Temperate"
                 : n < 2700 ? "Good"
                 : n < 3201 ? "Nourished"
                 : n < 3701 ? "Well-fed"
                            : "Abundant");
    return out;
}

const char *taitoteksti_perus(int level) {
    int k = level <= 0 ? 0 : (level + 5) / 10;
    if (k > 10) k = 10;
    return SI_taitokuvaus[k];
}

const char *ILMANSUUNTA(int d) {
    static const char *names[8] = {"E", "NE", "N", "NW", "W", "SW", "S", "SE"};
    return d >= 0 && d < 8 ? names[d] : "E";
}

char *EtaisyydenKuvaus(int d) {
    static char out[100];
    int k = (int)ceil(d * 0.1);
    if (k < 1)
        copy_bounded(out, sizeof out, "less than a kilometer away from here");
    else if (k < 3)
        copy_bounded(out, sizeof out, "just a couple of kilometers from here");
    else if (k < 5)
        copy_bounded(out, sizeof out, "few kilometers away, you can walk there in half an hour");
    else if (k <= 9)
        copy_bounded(out, sizeof out, "an hour walk away from here, ten kilometers at the most");
    else if (k < 15)
        copy_bounded(out, sizeof out, "less than 20 kilometers away from here, something like two hours of walking");
    else
        bprintf(out, sizeof out, "approximately %d kilometers from here", k / 10 * 10);
    return out;
}

char *YhteiselamanTeksti(int flags) {
    static char out[60];
    const char *w = "wandering around with you";
    if (flags & 4) w = "working for you";
    if (flags & 2) w = "hunting with you";
    if (flags & 8) w = "exploring the wilderness and adventuring with you";
    copy_bounded(out, sizeof out, w);
    return out;
}
