// The screen side may name anything.
void FlipScreenPortion(int x, int y, int w, int h, int present);
