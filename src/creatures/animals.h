// src/creatures/animals.h -- the life of animals and spirits for one tick, and what animals and
// people share of bodily life: sleep and waking, voices, the food search and eating, carcasses,
// hunting, the player's feeding order, nests and eggs, and young.
#pragma once
#include <cstdint>

struct ItemStruct;

void Ela_Elain(int dp);
void Ela_Haltija(int dp);
int Ela_Hylje(int n);
void Elainaanet(int n);
int Nukuta_Elain(int n, int dp);
int HerataNPC(int n);
int ravinnonhankinta(int n, int dp, unsigned char sated);
int NPCruokaitem(int n, unsigned char cls, const ItemStruct &item);
int syonti(int n, int mode);
int npc_got_ESINE(int n, int id);
int Haaskasta(int n, unsigned char cls, int set);
void aseta_ruhonsyonti(int n, int dp);
int aseta_ruhonkasittely(int n, int dp, int search);
int Saalista(int n, unsigned char cls);
int Metsasta(int n);
int scary_foodpos(int n, int x, int y);
int taboo_foodloc(int n, int x, int y);
int PUUHAUS_HuolehdiRuoista(int n);
void feedtrigger(int n);
int lisaantyminen(int n, int dp);
// A mother gets a young: 1 made. Nothing is made when every creature slot is in use.
int CubGenerate(int n, int force);
