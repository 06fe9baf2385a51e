#include "activities/activities.h"

#include "core/records.h"

// Stand in until the magic means land: no means learnt.
void opi_taikakeino(int, int) {}

// Stand in until the magic means and the spirits land: no means is known and no spirit minds.
int taikakeino_tuttu(int, int) { return 0; }
void bearmagic_SkullPlacement(int) {}
int TKCHECK_IlvesEstetaanPakenemasta(int, int) { return 0; }

int onko_KASVI_nakyvissa(int n) {
    if (n < 0 || n >= DATA_MAX) return 0;
    return Data[n].day == 0 || Plr.daynumber >= Data[n].day ? 1 : 0;
}
