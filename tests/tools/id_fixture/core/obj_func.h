// The one header of the object ids, planted for the id check: it may name them.
enum { OID_WATER = 55, OID_FUR = 412, OID_RAWFISH = 490, OID_FOX_TRAP = 800 };
