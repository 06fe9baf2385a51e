// tools/gen_font.cpp -- makes the game's bitmap font "OXA.FNT" in the working folder.
//
// The glyphs come from the misc-fixed 6x10 font of Debian's xfonts-base package
// (/usr/share/fonts/X11/misc/6x10.pcf.gz), which is public domain ("Public domain font. Share and
// enjoy."). The PCF file is read through `gzip -dc`, its metrics, bitmaps and encodings are parsed,
// and each glyph is placed in an 8 x 10 cell with one empty column on the left.
//
// Code positions: 32-126 are ASCII; 1-31, 127 and 128-255 follow code page 437, so 132, 142, 148
// and 153 are the letters a, A, o and O with diaeresis, and the box-drawing and arrow glyphs sit
// where old DOS text screens had them. A glyph the font lacks stays blank. Box-drawing glyphs are
// widened to the full cell so that frames drawn from them join up.
//
// Output: 20480 bytes, 256 glyphs of 80 bytes, byte g*80 + r*8 + c is 1 for ink and 0 otherwise.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

static const char *FONT_PATH = "/usr/share/fonts/X11/misc/6x10.pcf.gz";

enum { CELL_W = 8, CELL_H = 10, GLYPHS = 256 };

// Unicode of every code-page-437 position; 0 leaves the glyph blank.
static const uint16_t CP437[256] = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
    0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027,
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,
    0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x2302,
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// PCF table types and format bits.
enum {
    PCF_ACCELERATORS = 1 << 1, PCF_METRICS = 1 << 2, PCF_BITMAPS = 1 << 3,
    PCF_BDF_ENCODINGS = 1 << 5, PCF_BDF_ACCELERATORS = 1 << 8,
};
enum { PCF_BYTE_MSB = 1 << 2, PCF_BIT_MSB = 1 << 3, PCF_COMPRESSED_METRICS = 0x100 };

struct Metric { int lsb, rsb, width, ascent, descent; };

static std::vector<uint8_t> File;

static void fail(const char *what) {
    fprintf(stderr, "gen_font: %s\n", what);
    exit(1);
}

// A cursor over one table; every read is bounds-checked against the table's end.
struct Reader {
    size_t pos, end;
    bool msb;
    uint32_t format;
    void need(size_t n) const { if (pos + n > end || pos + n < pos) fail("the font file is damaged (a table runs short)"); }
    uint32_t u32le() { need(4); uint32_t v = File[pos] | File[pos + 1] << 8 | File[pos + 2] << 16 | (uint32_t)File[pos + 3] << 24; pos += 4; return v; }
    int32_t i32() {
        need(4);
        uint32_t v = msb ? ((uint32_t)File[pos] << 24 | File[pos + 1] << 16 | File[pos + 2] << 8 | File[pos + 3])
                         : (File[pos] | File[pos + 1] << 8 | File[pos + 2] << 16 | (uint32_t)File[pos + 3] << 24);
        pos += 4;
        return (int32_t)v;
    }
    int16_t i16() {
        need(2);
        uint16_t v = msb ? (uint16_t)(File[pos] << 8 | File[pos + 1]) : (uint16_t)(File[pos] | File[pos + 1] << 8);
        pos += 2;
        return (int16_t)v;
    }
    uint8_t u8() { need(1); return File[pos++]; }
};

struct Table { uint32_t type, format, size, offset; };
static std::vector<Table> Tables;

static void read_file_gz(const char *path) {
    FILE *probe = fopen(path, "rb");
    if (!probe) {
        fprintf(stderr, "gen_font: the font %s is missing; install the Debian package xfonts-base\n", path);
        exit(1);
    }
    fclose(probe);
    std::string cmd = std::string("gzip -dc '") + path + "'";
    FILE *p = popen(cmd.c_str(), "r");
    if (!p) fail("cannot run gzip to unpack the font");
    uint8_t buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) {
        File.insert(File.end(), buf, buf + n);
        if (File.size() > (64u << 20)) { pclose(p); fail("the font file is implausibly large"); }
    }
    if (pclose(p) != 0) fail("gzip could not unpack the font");
}

static Reader open_table(uint32_t type) {
    for (const Table &t : Tables) {
        if (t.type != type) continue;
        if (t.offset + 4 > File.size()) fail("the font file is damaged (a table lies outside it)");
        // The directory may round a table's size up past the end of the file; reads stop at the end.
        size_t end = t.size > File.size() - t.offset ? File.size() : (size_t)t.offset + t.size;
        Reader r{t.offset, end, false, 0};
        r.format = r.u32le();
        if (r.format != t.format) fail("the font file is damaged (table formats disagree)");
        r.msb = (r.format & PCF_BYTE_MSB) != 0;
        return r;
    }
    return Reader{0, 0, false, 0};
}

static void read_tables() {
    if (File.size() < 8 || memcmp(File.data(), "\1fcp", 4) != 0) fail("the font file is not a PCF font");
    Reader r{4, File.size(), false, 0};
    uint32_t count = r.u32le();
    if (count > 64) fail("the font file is damaged (too many tables)");
    for (uint32_t i = 0; i < count; i++) {
        Table t;
        t.type = r.u32le(); t.format = r.u32le(); t.size = r.u32le(); t.offset = r.u32le();
        Tables.push_back(t);
    }
}

static std::vector<Metric> read_metrics() {
    Reader r = open_table(PCF_METRICS);
    if (r.end == 0) fail("the font has no metrics table");
    uint32_t format = r.format;
    std::vector<Metric> m;
    if (format & PCF_COMPRESSED_METRICS) {
        int n = (uint16_t)r.i16();
        for (int i = 0; i < n; i++) {
            Metric g;
            g.lsb = r.u8() - 0x80; g.rsb = r.u8() - 0x80; g.width = r.u8() - 0x80;
            g.ascent = r.u8() - 0x80; g.descent = r.u8() - 0x80;
            m.push_back(g);
        }
    } else {
        int32_t n = r.i32();
        if (n < 0 || n > 200000) fail("the font file is damaged (glyph count)");
        for (int i = 0; i < n; i++) {
            Metric g;
            g.lsb = r.i16(); g.rsb = r.i16(); g.width = r.i16(); g.ascent = r.i16(); g.descent = r.i16();
            r.i16();
            m.push_back(g);
        }
    }
    return m;
}

// The bitmaps of every glyph in one canonical layout: rows of bytes, most significant bit leftmost.
struct Bitmaps {
    std::vector<uint8_t> data;
    std::vector<uint32_t> offsets;
    int pad;
};

static Bitmaps read_bitmaps(size_t glyph_count) {
    Reader r = open_table(PCF_BITMAPS);
    if (r.end == 0) fail("the font has no bitmaps table");
    uint32_t format = r.format;
    int32_t n = r.i32();
    if (n < 0 || (size_t)n != glyph_count) fail("the font file is damaged (bitmap and metric counts differ)");
    Bitmaps b;
    for (int i = 0; i < n; i++) b.offsets.push_back((uint32_t)r.i32());
    int32_t sizes[4];
    for (int i = 0; i < 4; i++) sizes[i] = r.i32();
    int32_t size = sizes[format & 3];
    if (size < 0) fail("the font file is damaged (bitmap size)");
    r.need((size_t)size);
    b.data.assign(File.begin() + r.pos, File.begin() + r.pos + size);
    b.pad = 1 << (format & 3);
    int unit = 1 << ((format >> 4) & 3);
    bool byte_msb = (format & PCF_BYTE_MSB) != 0, bit_msb = (format & PCF_BIT_MSB) != 0;
    if (!bit_msb)
        for (uint8_t &v : b.data) {
            uint8_t o = 0;
            for (int k = 0; k < 8; k++) if (v & (1 << k)) o |= (uint8_t)(0x80 >> k);
            v = o;
        }
    if (byte_msb != bit_msb && unit > 1)
        for (size_t i = 0; i + unit <= b.data.size(); i += unit)
            for (int k = 0; k < unit / 2; k++) std::swap(b.data[i + k], b.data[i + unit - 1 - k]);
    return b;
}

static std::vector<int> read_encodings(int &min2, int &max2, int &min1, int &max1) {
    Reader r = open_table(PCF_BDF_ENCODINGS);
    if (r.end == 0) fail("the font has no encodings table");
    min2 = r.i16(); max2 = r.i16(); min1 = r.i16(); max1 = r.i16();
    r.i16();  // the default character
    if (min2 < 0 || max2 > 255 || min2 > max2 || min1 < 0 || max1 > 255 || min1 > max1)
        fail("the font file is damaged (encoding ranges)");
    size_t n = (size_t)(max2 - min2 + 1) * (max1 - min1 + 1);
    std::vector<int> idx(n);
    for (size_t i = 0; i < n; i++) idx[i] = (uint16_t)r.i16();
    return idx;
}

static int font_ascent() {
    Reader r = open_table(PCF_BDF_ACCELERATORS);
    if (r.end == 0) r = open_table(PCF_ACCELERATORS);
    if (r.end == 0) return 8;
    for (int i = 0; i < 8; i++) r.u8();
    int a = r.i32();
    return (a > 0 && a <= CELL_H) ? a : 8;
}

int main(int argc, char **argv) {
    if (argc < 2) { fprintf(stderr, "usage: gen_font <working folder>\n"); return 1; }
    read_file_gz(FONT_PATH);
    read_tables();
    std::vector<Metric> metrics = read_metrics();
    Bitmaps bm = read_bitmaps(metrics.size());
    int min2, max2, min1, max1;
    std::vector<int> enc = read_encodings(min2, max2, min1, max1);
    int ascent = font_ascent();

    static uint8_t out[GLYPHS * CELL_W * CELL_H];
    memset(out, 0, sizeof out);
    for (int g = 0; g < GLYPHS; g++) {
        int u = CP437[g];
        if (u == 0) continue;
        int b1 = u >> 8, b2 = u & 0xFF;
        if (b1 < min1 || b1 > max1 || b2 < min2 || b2 > max2) continue;
        int gi = enc[(size_t)(b1 - min1) * (max2 - min2 + 1) + (b2 - min2)];
        if (gi == 0xFFFF || gi < 0 || (size_t)gi >= metrics.size()) continue;
        const Metric &m = metrics[gi];
        int w = m.rsb - m.lsb, h = m.ascent + m.descent;
        if (w <= 0 || h <= 0 || w > 64 || h > 64) continue;
        int row_bytes = ((w + 7) / 8 + bm.pad - 1) / bm.pad * bm.pad;
        size_t base = bm.offsets[gi];
        if (base > bm.data.size() || (size_t)row_bytes * h > bm.data.size() - base) fail("the font file is damaged (a glyph lies outside the bitmaps)");
        for (int y = 0; y < h; y++) {
            int row = ascent - m.ascent + y;
            if (row < 0 || row >= CELL_H) continue;
            for (int x = 0; x < w; x++) {
                int col = 1 + m.lsb + x;
                if (col < 0 || col >= CELL_W) continue;
                if (bm.data[base + (size_t)y * row_bytes + x / 8] & (0x80 >> (x % 8)))
                    out[g * CELL_W * CELL_H + row * CELL_W + col] = 1;
            }
        }
        // Box-drawing and block glyphs reach the cell edges so that lines join their neighbours.
        if (u >= 0x2500 && u <= 0x259F) {
            uint8_t *cell = out + g * CELL_W * CELL_H;
            for (int row = 0; row < CELL_H; row++) {
                cell[row * CELL_W + 0] = cell[row * CELL_W + 1];
                cell[row * CELL_W + 7] = cell[row * CELL_W + 6];
            }
        }
    }

    std::string path = std::string(argv[1]) + "/OXA.FNT";
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) { fprintf(stderr, "gen_font: cannot write %s\n", path.c_str()); return 1; }
    bool ok = fwrite(out, 1, sizeof out, f) == sizeof out;
    ok = (fclose(f) == 0) && ok;
    if (!ok) { fprintf(stderr, "gen_font: writing %s failed\n", path.c_str()); return 1; }
    return 0;
}
