// src/activities/spirits.cpp -- the spirits and the rituals. Stand in until the spirits land: no
// spirit keeps a record, every mood is neutral and no ritual is performed.
#include "activities/spirits.h"

#include <cstring>

DataStruct get_SpiritData(int) {
    DataStruct none;
    memset(&none, 0, sizeof none);
    return none;
}
void set_SpiritData(int, const DataStruct &) {}
DataStruct SpiritDataInit(int x, int y, int n) {
    DataStruct d;
    memset(&d, 0, sizeof d);
    d.type = DT_SPIRIT;
    d.x = (uint16_t)x;
    d.y = (uint16_t)y;
    d.id = (uint32_t)n;
    return d;
}
int get_SpiritData_mood(int, int, int) { return 0; }
void set_SpiritData_meetday(int, int, int, int) {}
void set_SpiritData_attract(int, int, int) {}
int get_SpiritData_attractmingap(int, int, int) { return 0; }
int get_SpiritData_meetgap(int) { return 100; }
void supernatural_modify(int, int) {}
const char *txtdesc_HaltijaIlme(int, int, int) { return ""; }
const char *talkline_Metsanhaltija() { return ""; }
void HaltijaSijainti(int, int &x, int &y) { x = y = 0; }
int KohtaaHaltija(int, int, int) { return 0; }
void supernatural_encount() {}
int invocation() { return 0; }
void do_ritual(int) {}
int ritual_requirements(int, int, int, const char *) { return 0; }
void perform_ritual(const char *) {}
void skill_up(int, int, int) {}
int supernatural_please(int, int) { return 0; }
