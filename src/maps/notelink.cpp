#include "maps/notelink.h"

// The notes, the debug logs and the message texts are not there yet: the map code stays silent.
void map_debugnote(const char *, ...) {}
void map_debuglog(const char *, const char *, ...) {}
void map_player_falls_through_ice() {}
void map_debugfile(const char *, const char *, ...) {}
// The square events of the data pool are not there yet: nothing on the square reacts.
void map_items_arrived(int, int) {}
