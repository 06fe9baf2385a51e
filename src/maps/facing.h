// src/maps/facing.h -- facings, turning and where the player enters a local map.
#pragma once

int EnteringX(int facing);         // local square 0..63 where an entry moving this way starts
int EnteringY(int facing);
