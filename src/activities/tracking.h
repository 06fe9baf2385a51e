// src/activities/tracking.h -- tracking: the tracks creatures leave (creatures/tracks.h) the player
// finds and reads with the TRACKING skill, on the world map he
// searches the stored local map of his cell for the freshest one, and the daily upkeep ages them.
// The command and look entries Tutki_Jaljet and Tracking_IsoKartta stand at the end, trackmaint in
// actions.h.
#pragma once
#include <cstdint>

#include "core/records.h"
#include "creatures/tracks.h"   // the track record and leaving tracks

struct CreatureStruct;

extern int LastTrackingX, LastTrackingY;   // the square of the player's last track reading

// Tells the player what one track record says; 1.
int Tutki_Datajaljet(int x, int y, DataStruct track);
// 1 when pool record `record` is a noticed track within five squares of the player.
int PlrSeeTrackDATA(int record);
// How fresh a track of that stamp reads now.
const char *Jalkien_Tuoreus(unsigned stamp);

// ---- the work the action codes hand on to ----
void Tracking_IsoKartta(int mode);       // the world map: mode 0 the command, 1 while travelling
int Tutki_Jaljet(int x, int y, int report);   // 1 when tracks were read (activities/tracking.h)
