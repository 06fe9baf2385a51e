// src/activities/magic.cpp -- magic means. Stands in until the magic means land: no means is
// known, nothing is picked and no sacrifice is made.
#include "activities/magic.h"

int taikakeino_instant(int) { return 0; }
const char *taikakeino_title(int) { return ""; }
const char *taikakeino_desc(int, int) { return ""; }
int arvo_taikakeino(int, const char *, int &first, int &first_aspect, int &second, int &second_aspect) {
    first = first_aspect = second = second_aspect = 0;
    return 0;
}
void opi_rnd_taikakeino(int) {}
int is_SpellMark(int) { return 0; }
void clr_SpellMark(int) {}
int isloc_karhunkallohonka(int, int) { return 0; }
void setnpc_magic_burden(int) {}
int taikatarkistus_metsanpeittonuotio(int, int) { return 0; }
void DoInvocation(int) {}
int sacrificial(int) { return 0; }
