// src/maps/directions.h -- directions and navigation texts.
#pragma once

int npcSuunta(int n);              // compass direction 0..7 from the player to creature n
