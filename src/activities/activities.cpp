#include "activities/activities.h"

#include "core/records.h"

int onko_KASVI_nakyvissa(int n) {
    if (n < 0 || n >= DATA_MAX) return 0;
    return Data[n].day == 0 || Plr.daynumber >= Data[n].day ? 1 : 0;
}
