// src/core/pagan.h -- the calendar of the old folk: four periods of 13 weeks counted down toward the
// next turning point of the year.
#pragma once
#include <cstdint>

struct PagantimeStruct {
    uint8_t period;            // 1-4
    uint8_t spare;
    uint8_t weekday;           // 1-7
    uint8_t weeks_left;        // 13 down to 1
    uint8_t period_day;        // 1-91
    char name[100];            // the period's name
    char next_point[100];      // the next turning point
    uint8_t day;               // the date's day of the month
    uint8_t month;
};

// Description flags for pagandatedesc.
enum {
    PAGAN_DAYTEXT = 1,         // "day 3 of 2nd week before midwinter point"
    PAGAN_FULL = 2,            // period, month phase and day text
    PAGAN_SEASON = 4,          // period and month phase
    PAGAN_PHRASE = 32          // with "on", "in", "during"
};

PagantimeStruct pagantime(int day, int month);
// The date as text in a scratch buffer; empty when no description flag is given.
char *pagandatedesc(PagantimeStruct date, unsigned flags);
