// src/presentation/tiles.h -- tile pictures by name.
#pragma once

void NewGfx_loadtiledata();
