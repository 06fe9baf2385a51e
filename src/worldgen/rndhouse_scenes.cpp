// src/worldgen/rndhouse_scenes.cpp -- caves and set scenes laid on a local map: they stand in until
// caves and set scenes land, so a cave cell is a mountainside and a scene adds nothing.
#include "worldgen/localgen.h"

void DoCave(int) {}
void scene1() {}
void scene2() {}
void scene3() {}
void scene5() {}
void scene6() {}
