#include "presentation/hyper.h"

// Stands in until the encyclopedia lands: no topics, no info box.
void get_topics() {}
int istopic(const char *) { return 0; }
void GameInfo_Hotspot(const char *, const char *, int) {}
