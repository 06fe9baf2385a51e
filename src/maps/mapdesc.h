// src/maps/mapdesc.h -- map descriptions and border information.
#pragma once

char *regiondesc(int x, int y);    // the region's names, in a scratch buffer
