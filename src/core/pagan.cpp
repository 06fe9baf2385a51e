// The pagan calendar: periods by the day of the year, weeks counted down to the next turning point.
#include "core/pagan.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/tekstit.h"

struct PaganPeriod {
    int first_day;
    const char *early_name;    // the first two weeks
    const char *name;
    const char *next_point;
};

static const PaganPeriod periods[4] = {
    {284, "winter season", "winter season", "midwinter point"},
    {13, "midwinter", "latter winter", "summer season"},
    {104, "summer season", "summer season", "midsummer point"},
    {193, "midsummer", "latter summer", "winter season"},
};

PagantimeStruct pagantime(int day, int month) {
    PagantimeStruct p;
    memset(&p, 0, sizeof p);
    int d = (month - 1) * 30 + day;
    p.period = 1;
    p.period_day = 1;
    // A later period wins where two overlap.
    for (int i = 0; i < 4; i++) {
        int k = ((d - periods[i].first_day) % 360 + 360) % 360;
        if (k < 91) {
            p.period = (uint8_t)(i + 1);
            p.period_day = (uint8_t)(k + 1);
        }
    }
    int week = (p.period_day - 1) / 7;
    p.weeks_left = (uint8_t)(13 - week);
    p.weekday = (uint8_t)(p.period_day - 7 * week);
    const PaganPeriod &per = periods[p.period - 1];
    copy_bounded(p.name, sizeof p.name, p.weeks_left >= 12 ? per.early_name : per.name);
    copy_bounded(p.next_point, sizeof p.next_point, per.next_point);
    p.day = (uint8_t)day;
    p.month = (uint8_t)month;
    return p;
}

static void week_word(int weeks, char *out, size_t size) {
    if (weeks == 1) {
        copy_bounded(out, size, "last");
        return;
    }
    const char *suffix = "th";
    if (weeks < 10) {
        char digits[16];
        snprintf(digits, sizeof digits, "%d", weeks);
        suffix = digits[0] == '1' ? "st" : digits[0] == '2' ? "nd" : digits[0] == '3' ? "rd" : "th";
    }
    snprintf(out, size, "%d%s", weeks, suffix);
}

char *pagandatedesc(PagantimeStruct date, unsigned flags) {
    char *out = sbuf();
    char week[16], daytext[300], monthtext[200];
    date.name[sizeof date.name - 1] = 0;
    date.next_point[sizeof date.next_point - 1] = 0;
    week_word(date.weeks_left, week, sizeof week);
    snprintf(daytext, sizeof daytext, "day %d of %s week before %s", date.weekday, week, date.next_point);
    copy_bounded(monthtext, sizeof monthtext, monthphase(date.day, date.month));
    bool phrase = flags & PAGAN_PHRASE;
    if (flags & PAGAN_DAYTEXT)
        snprintf(out, SBUF_SIZE, "%s%s", phrase ? "on " : "", daytext);
    else if (flags & PAGAN_FULL)
        snprintf(out, SBUF_SIZE, phrase ? "in %s, during %s, on %s" : "%s, %s, %s", date.name, monthtext,
                 daytext);
    else if (flags & PAGAN_SEASON)
        snprintf(out, SBUF_SIZE, phrase ? "in %s, during %s" : "%s, %s", date.name, monthtext);
    return out;
}
