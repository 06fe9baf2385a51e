// src/creatures/missiles.h -- things that fly: the throw or shot roll that sets the accuracy, the
// flight across the local area (speed, drag, gravity, the spread cone and the heights of thrower,
// target and ground), who or what the missile meets on its way, where it comes down, and the cover
// a shield gives against it. The exchange of a missile attack on a creature is the melee exchange's.
#pragma once
#include <cstdint>

#include "creatures/weaponchoice.h"   // what an item is as a missile: bow, arrow, thrown weapon
#include "items/items.h"
#include "items/wearing.h"   // ShieldMode and the shield guard

// One flight at a time. Beside these the exchange reads the older names of combat.h:
// MISSILE_osui (a creature was hit), MISSILE_passed (the missile reached or passed the square of
// the target aimed at), MISSILE_short (it fell short), MISSILE_blunt (a blunt missile),
// MISSILE_puolustus (0 none, 1 dodged in place, 2 dodged while moving, 3 missed by size or aim),
// MISSILE_osuman_success (the hit quality as a level) and MISSILE_message.
extern int MISSILE_original_target;     // the creature aimed at; -1000 a place
extern int MISSILE_living_target;       // the creature hit; -1000 none
extern int MISSILE_aiming_modifier;     // 0..3
extern int MISSILE_success;             // level 0..3 of the throw
extern int MISSILE_osuman_laatu;        // hit quality 0..100 where a creature was met
extern int MISSILE_target_suc;          // the defender's level against the missile
extern int MISSILE_OGTARGET_osuman_laatu, MISSILE_OGTARGET_puolustus, MISSILE_OGTARGET_target_suc;
extern int MISSILE_tile_osuma;          // an obstacle stopped it
extern int MISSILE_ground_hit;          // rising ground stopped it
extern int MISSILE_landX, MISSILE_landY;
extern int MISSILE_thrown_range;        // metres, 2 a square
extern int MISSILE_range_to_target;
extern float MISSILE_velocity;          // horizontal speed at the end of the flight
extern int MISSILE_ke;                  // impact of its kinetic energy, 0..10
extern int MISSILE_tosiesine;           // item position of the flying item
extern uint8_t MISSILE_symbol;
extern char MISSILE_tilename[13];              // empty: the screen draws the item by its symbol
extern char MISSILE_carcass_tilename[13];       // a carcass in flight: its creature's tile, else empty
extern uint8_t MISSILE_rotate;          // 0 no rotation, 1 point first, 2 tumbling
extern int MISSILE_accuracy;            // the accuracy the last flight was set up with
extern float MISSILE_cone;              // its spread cone in radians
extern int MISSILE_DRAW;                // 0: no sprite and no pause (headless runs, benchmarks)
extern int missile_sprites_drawn;       // sprites of flights drawn on the map view so far

// ---- the flight ----
// The whole flight of a throw or shot by the player (-1) or a creature at a square. The item is a
// copy of the missile's record, the launcher its bow's item position or 0.
void MissileTarkistukset(int thrower, int targetX, int targetY, const ItemStruct &item, int launcher);
void shoot_missile(int rotate, int x0, int y0, int x1, int y1, float cone, float launchHeight,
                   float targetHeight, float velocity, float aero);
int OsuukoMissileOlentoon(int x, int y, int quality);          // 1 hit, -1 avoided, 0 nobody there
int OnkoMissileEste(int x, int y, int quality, int targetX, int targetY);   // 1 the square stops it
int TargetSizeModifier(int n);                                 // 15..100
float GetMissileVelocity(const ItemStruct &item);
float GetBowVelocity(const ItemStruct &bow);
float GetMissileAerodynamics(const ItemStruct &item);
int GetMissileKE(float velocity0, float velocity, const ItemStruct &item);
void Missile_Tileosuma(int item, int x, int y);
void Missile_Groundhit(int item);
float getmissilecone(int accuracy);
float floatrnd(float a, float b);
float getangle(int x0, int y0, int x1, int y1);
int getdistance(int x0, int y0, int x1, int y1);
float get_terrainaltitude(int x, int y);
float olennon_korkeus(int n);                  // ground height of its square, + 30 flying, + 20 in a tree

// ---- shields ----
int mslhit_shieldcheck(int target, int part, int x, int shieldItem, int fromX, int fromY);
