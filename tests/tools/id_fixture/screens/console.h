// The screen side is checked as well.
#define OID_ROPE 333
inline bool water(const ItemStruct &t) { return t.id != 55; }
