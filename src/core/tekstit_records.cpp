#include "core/tekstit_records.h"

#include "core/datafunc.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/localarea.h"
#include "core/tekstit.h"

#include <cstring>

// A fixed text field of a record, which need not end in a zero, as a terminated scratch text.
static const char *field(const char *f, size_t size) {
    char *out = sbuf();
    size_t n = size < SBUF_SIZE - 1 ? size : SBUF_SIZE - 1;
    memcpy(out, f, n);
    out[n] = 0;
    return out;
}

static bool local_creature(int n) { return n >= 0 && n < CRE_COUNT; }

const char *texts_plr_firstname() { return field(Plr.name, sizeof Plr.name); }
// Her second name is what the people of her culture are called.
const char *texts_plr_secondname() { return field(Plr.inhabitant, sizeof Plr.inhabitant); }
int texts_plr_female() { return Plr.sex == 2; }
void texts_plr_clock(int *day, int *month, int *year, int *hour, int *minute) {
    *day = Plr.day;
    *month = Plr.month;
    *year = Plr.year;
    *hour = Plr.hour;
    *minute = Plr.minute;
}
float texts_plr_bodytemp() { return Plr.body_temperature; }
// The nourishment counter is the energy reserve the side panel words as well.
int texts_plr_nourishment() { return Plr.energy > 1000000u ? 1000000 : (int)Plr.energy; }
void texts_plr_worldxy(int *x, int *y) {
    *x = (int)Plr.world_x;
    *y = (int)Plr.world_y;
}

int texts_cre_kind(int n) { return local_creature(n) ? Cre[n].kind : 0; }
unsigned texts_cre_species(int n) { return local_creature(n) ? Cre[n].speciescode : 0; }
const char *texts_cre_aggsound(int n) { return local_creature(n) ? field(Cre[n].voice1, sizeof Cre[n].voice1) : ""; }
const char *texts_cre_sound(int n) { return local_creature(n) ? field(Cre[n].voice2, sizeof Cre[n].voice2) : ""; }
const char *texts_template_name(int n) {
    return n >= 0 && n < CONSTANTCRE_COUNT ? field(ConstantCre[n].species, sizeof ConstantCre[n].species) : "";
}
void texts_cre_xy(int n, int *x, int *y) {
    *x = local_creature(n) ? cre_x(n) : 0;
    *y = local_creature(n) ? cre_y(n) : 0;
}
int texts_cre_diving(int n) { return local_creature(n) && Cre[n].korkeus == -100; }
void texts_data_xy(int pos, int *x, int *y) {
    *x = pos >= 0 && pos < DATA_MAX ? Data[pos].x : 0;
    *y = pos >= 0 && pos < DATA_MAX ? Data[pos].y : 0;
}

int npcSuunta(int n) {
    if (n < 0 || n >= CRE_COUNT) return 0;
    const int x = cre_x(n), y = cre_y(n);
    if (x < 0 || y < 0) return 0;
    return koordSuunta(PlayerX, PlayerY, x, y);
}
