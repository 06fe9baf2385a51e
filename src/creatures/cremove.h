// src/creatures/cremove.h -- where the creatures of the local area go: a step toward a square with
// the choice of direction, travel for one tick by speed, the roaming step, the place searches, the
// habitat, escape places and safety, climbing, landing, flying and diving, and journeys.
#pragma once

struct Paikka {
    int x = 0, y = 0;              // x 0: none
    int dp = 0;                    // the record found by a pool search
};

extern int CANT_GET_CLOSER;        // the last travel arrived or could get no closer
extern int BRANCH_PATHMAKE;        // path-making preference of the direction choice
extern int WIZARD_npcfreeze;       // developer freeze: creatures keep their activities but do not step

int askel_kohti_paikkaa(int n, int x, int y);
int Kulje_Paikkaan(int n, int x, int y);
int Elain_Eteenpain(int dp);
// The five headings a creature heading h may step in without turning round: h-2 .. h+2.
int within_heading(int heading, int d);

Paikka HaePaikka_Karttamerkki(int x, int y, int radius, unsigned char c1, unsigned char c2);
Paikka HaePaikka_Datamerkki(int x, int y, int radius, int t1, int t2);
Paikka HaePaikka_EsineId(int x, int y, int radius, int id1, int id2);

int onko_NPCn_elinymparistoa(int n, int x, int y);
Paikka Hae_Pakopaikka(int n, int tx, int ty);
void Nollaa_Pakopaikka(int n);
int Onko_Turvassa(int n);

int OSAAKO_KIIVETA(int n);
int OSAAKO_LENTAA(int n);
int Kiipea_Puuhun(int n);
int Laskeudu(int n);
int Lenna(int n);
int Sukella(int n);

Paikka Hae_Hylkeen_Lekottelupaikka();
Paikka Luo_Elaimen_Tutkimusmatkan_Maaranpaa(int n, int dp);
void Suorita_Lempipaikka(int n, int dp);
void Tee_Elaimen_Lempipaikka(int n, int dp);

// The creature's speed against the player's: tenths of km/h.
int cre_speed(int n);
// Steps of one tick's travel at speed v against the player's p (0 skips the tick): tame when a tame
// animal neither fights nor flees; enemy_v the speed of the creature it flees from, 0 none.
int travel_steps(int v, int p, int tame, int enemy_v);
