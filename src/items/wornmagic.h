// src/items/wornmagic.h -- the charms the player carries and wears: bear teeth, the strip that
// keeps bears off, mittens of dog fur or hare-snare wool.
#pragma once

// 1 when the player (who -1; anyone else answers 0) wears an item of the magic kind, or, for kind 17,
// carries one; or wears the mittens a tag of text names ("[dog fur mittens]", "[haresnare mittens]").
int hasmagic_worn(int who, int kind, const char *text);
