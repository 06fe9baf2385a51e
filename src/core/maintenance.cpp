// Stands in until the clock's upkeep lands: seconds carry into minutes, minutes only count.
#include "core/maintenance.h"

#include "core/records.h"

int Juoksevat_sekuntit = 0;

void Time() {}

void SecondTick(int seconds, int) {
    Juoksevat_sekuntit += seconds;
    if (Juoksevat_sekuntit >= 60) {
        MinuteTick(1, 1);
        Juoksevat_sekuntit = 0;
    }
}

void MinuteTick(int minutes, int) {
    Plr.minute = (uint8_t)(Plr.minute + minutes);
    Plr.minutes += (uint32_t)minutes;
}
