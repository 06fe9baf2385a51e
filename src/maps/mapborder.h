// src/maps/mapborder.h -- the information boxes beside the map view.
#pragma once

void MapBorderInfo();              // redraws the region and map boxes when the location changed
