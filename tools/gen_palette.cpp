// tools/gen_palette.cpp -- makes the game's 256-colour palette "palette.nfo" in the working folder.
//
// Output: 3072 bytes, 256 entries of three little-endian int32 (red, green, blue), each 0-255.
// Layout:
//     0-63   the grey ramp: entry i is (4i, 4i, 4i); text fades step through these levels
//    64-79   the sixteen classic text-mode colours
//    80-223  six rows of 24 hues: bright, pale and dark, each strong and soft
//   224-254  earth, wood, moss and skin tones of the northern land
//   255      white
// The body screens paint bruises with 152-159 and a good protection rating with 196: those entries
// carry bruise colours and a yellow-green over the hue rows. The grey ramp stays whole for the text
// fades; the body screens give the ramp indices they use (blood, ratings) their own colours.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

enum { ENTRIES = 256 };

static int32_t Pal[ENTRIES][3];

static void set(int i, int r, int g, int b) {
    Pal[i][0] = r < 0 ? 0 : r > 255 ? 255 : r;
    Pal[i][1] = g < 0 ? 0 : g > 255 ? 255 : g;
    Pal[i][2] = b < 0 ? 0 : b > 255 ? 255 : b;
}

// Hue in [0, 1), saturation and value in [0, 1].
static void set_hsv(int i, double h, double s, double v) {
    double k = h * 6.0;
    int sector = (int)k % 6;
    double f = k - std::floor(k);
    double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r, g, b;
    switch (sector) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
    }
    set(i, (int)std::lround(r * 255), (int)std::lround(g * 255), (int)std::lround(b * 255));
}

static void build() {
    for (int i = 0; i < 64; i++) set(i, i * 4, i * 4, i * 4);

    static const uint8_t basic[16][3] = {
        {0, 0, 0},       {0, 0, 168},    {0, 168, 0},    {0, 168, 168},
        {168, 0, 0},     {168, 0, 168},  {171, 87, 0},   {171, 171, 171},
        {87, 87, 87},    {87, 87, 255},  {84, 252, 84},  {84, 252, 252},
        {255, 87, 87},   {252, 84, 252}, {252, 252, 84}, {255, 255, 255},
    };
    for (int i = 0; i < 16; i++) set(64 + i, basic[i][0], basic[i][1], basic[i][2]);

    static const double rows[6][2] = {  // saturation, value
        {1.00, 1.00}, {0.45, 1.00}, {1.00, 0.66}, {0.45, 0.66}, {1.00, 0.38}, {0.45, 0.38},
    };
    for (int row = 0; row < 6; row++)
        for (int h = 0; h < 24; h++) set_hsv(80 + row * 24 + h, h / 24.0, rows[row][0], rows[row][1]);

    static const uint8_t earth[31][3] = {
        {62, 39, 20},   {84, 55, 30},   {107, 72, 40},  {131, 92, 54},  {156, 114, 70},  // bark and soil
        {181, 140, 92}, {204, 170, 122}, {226, 201, 160},                                   // sand and birch
        {28, 44, 26},   {38, 60, 34},   {50, 78, 42},   {66, 98, 52},   {86, 120, 62},   // spruce and moss
        {110, 142, 76}, {138, 164, 96}, {170, 188, 124},                                    // grass and lichen
        {120, 84, 64},  {154, 110, 84}, {188, 140, 108}, {214, 170, 136}, {236, 200, 170}, // skin
        {70, 84, 102},  {96, 112, 132}, {128, 144, 164}, {168, 182, 200}, {214, 224, 236}, // water, ice, snow
        {96, 30, 22},   {140, 48, 30},  {196, 96, 40},  {232, 160, 60},  {250, 218, 120}, // fire and embers
    };
    for (int i = 0; i < 31; i++) set(224 + i, earth[i][0], earth[i][1], earth[i][2]);
    set(255, 255, 255, 255);

    static const uint8_t bruise[8][3] = {
        {72, 52, 96}, {88, 60, 110}, {104, 68, 120}, {96, 80, 128},
        {84, 92, 120}, {110, 84, 104}, {122, 96, 92}, {128, 112, 80},
    };
    for (int i = 0; i < 8; i++) set(152 + i, bruise[i][0], bruise[i][1], bruise[i][2]);
    set(196, 190, 214, 60);  // protection rating 6
}

int main(int argc, char **argv) {
    if (argc < 2) { fprintf(stderr, "usage: gen_palette <working folder>\n"); return 1; }
    build();
    uint8_t out[ENTRIES * 12];
    for (int i = 0; i < ENTRIES; i++)
        for (int c = 0; c < 3; c++) {
            uint32_t v = (uint32_t)Pal[i][c];
            for (int k = 0; k < 4; k++) out[i * 12 + c * 4 + k] = (uint8_t)(v >> (8 * k));
        }
    std::string path = std::string(argv[1]) + "/palette.nfo";
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) { fprintf(stderr, "gen_palette: cannot write %s\n", path.c_str()); return 1; }
    bool ok = fwrite(out, 1, sizeof out, f) == sizeof out;
    ok = (fclose(f) == 0) && ok;
    if (!ok) { fprintf(stderr, "gen_palette: writing %s failed\n", path.c_str()); return 1; }
    return 0;
}
