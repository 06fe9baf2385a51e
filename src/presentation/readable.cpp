// src/presentation/readable.cpp -- the ink every text takes from what it stands on, and the record of the
// texts drawn that a look at the screen reads.
#include "presentation/readable.h"

#include "base/ownlib.h"
#include "presentation/show.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// ---- contrast -------------------------------------------------------------------------------------

static const double *linear_levels() {
    static double table[256];
    static bool made = false;
    if (!made) {
        for (int v = 0; v < 256; v++) {
            const double s = v / 255.0;
            table[v] = s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        }
        made = true;
    }
    return table;
}

double colour_luminance(SDL_Color c) {
    const double *l = linear_levels();
    return 0.2126 * l[c.r] + 0.7152 * l[c.g] + 0.0722 * l[c.b];
}

static double lum_ratio(double la, double lb) { return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05); }

double colour_contrast(SDL_Color a, SDL_Color b) { return lum_ratio(colour_luminance(a), colour_luminance(b)); }

static const double NEEDED = READABLE_RATIO_X10 / 10.0;
// A changed ink aims a little past the least ratio: the ground beside the letters is never quite the
// ground measured under the whole line.
static const double AIMED = NEEDED + 0.6;

// The window shows the picture scaled up with smoothing (800 x 600 on a window half as large again):
// a one-pixel stroke of a letter then keeps only about this share of its own colour where it is
// thinnest (a lone corner), the rest is what lies beside it.
static const double STROKE_KEPT = 0.65;

// The level (0-255) of a grey of luminance `lum`.
static double grey_level(double lum) {
    const double s = lum <= 0.03928 / 12.92 ? lum * 12.92 : 1.055 * std::pow(lum, 1 / 2.4) - 0.055;
    return std::min(255.0, std::max(0.0, s * 255.0));
}

// The contrast of letters in `ink` with what lies beside them (of luminance `beside`, taken for a grey)
// as the window shows them: each stroke blended with its neighbour.
static double seen_ratio(SDL_Color ink, double beside) {
    const double g = grey_level(beside);
    auto blend = [&](uint8_t c) { return (uint8_t)std::lround(STROKE_KEPT * c + (1 - STROKE_KEPT) * g); };
    const SDL_Color seen = {blend(ink.r), blend(ink.g), blend(ink.b), 255};
    return lum_ratio(colour_luminance(seen), beside);
}

// The hue of `c` darkened (scaled toward black) as little as makes `reads` true; black when nothing does.
template <class Reads> static SDL_Color darkened(SDL_Color c, Reads reads) {
    auto scale = [&](double t) {
        return SDL_Color{(uint8_t)(c.r * t), (uint8_t)(c.g * t), (uint8_t)(c.b * t), 255};
    };
    if (reads(c)) return c;
    double lo = 0, hi = 1;
    for (int i = 0; i < 16; i++) {
        const double t = (lo + hi) / 2;
        (reads(scale(t)) ? lo : hi) = t;
    }
    return scale(lo);
}

// The hue of `c` lightened (mixed toward white) as little as makes `reads` true; white when nothing does.
template <class Reads> static SDL_Color lightened(SDL_Color c, Reads reads) {
    auto mix = [&](double t) {
        return SDL_Color{(uint8_t)std::lround(c.r + (255 - c.r) * t), (uint8_t)std::lround(c.g + (255 - c.g) * t),
                         (uint8_t)std::lround(c.b + (255 - c.b) * t), 255};
    };
    if (reads(c)) return c;
    double lo = 0, hi = 1;
    for (int i = 0; i < 16; i++) {
        const double t = (lo + hi) / 2;
        (reads(mix(t)) ? hi : lo) = t;
    }
    return mix(hi);
}

// Letters asked outlined stand on their outline, and their fill reads on the picture beyond it too:
// on a pale one (its middle pixel lighter than where black and white letters read alike) dark letters
// round with white, else light letters round with black.
static SDL_Color outlined_ink(SDL_Color asked, const uint32_t *ground, int count, int &outline) {
    std::vector<double> lum;
    for (int i = 0; i < count; i++)
        if (ground[i] >> 24)
            lum.push_back(colour_luminance(
                SDL_Color{(uint8_t)(ground[i] >> 16), (uint8_t)(ground[i] >> 8), (uint8_t)ground[i], 255}));
    double middle = 0;   // an unknown ground counts as dark: the dark outline it had always
    if (!lum.empty()) {
        std::nth_element(lum.begin(), lum.begin() + (long)(lum.size() / 2), lum.end());
        middle = lum[lum.size() / 2];
    }
    outline = middle > 0.18 ? OUTLINE_LIGHT : OUTLINE_DARK;
    const double round = outline == OUTLINE_LIGHT ? 1.0 : 0.0;
    auto reads = [&](double least) {
        return [=](SDL_Color c) {
            const double l = colour_luminance(c);
            return (outline == OUTLINE_LIGHT ? l < middle : l > middle) && lum_ratio(l, middle) >= least &&
                   seen_ratio(c, round) >= least;
        };
    };
    if (reads(NEEDED)(asked)) return asked;
    return outline == OUTLINE_LIGHT ? darkened(asked, reads(AIMED)) : lightened(asked, reads(AIMED));
}

SDL_Color readable_ink(SDL_Color asked, const uint32_t *ground, int count, int &outline) {
    asked.a = 255;
    if (outline) return outlined_ink(asked, ground, count, outline);
    // The ground but for what is not known and for pixels of the asked ink itself (the same text drawn
    // before). Most lines read as asked on every pixel of it: no need to sort it.
    const uint32_t own = (uint32_t)asked.r << 16 | (uint32_t)asked.g << 8 | asked.b;
    auto counts = [&](uint32_t p) { return (p >> 24) && (p & 0xFFFFFFu) != own; };
    auto lum_of = [](uint32_t p) {
        return colour_luminance(SDL_Color{(uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p, 255});
    };
    bool all_read = true;
    uint32_t last = own;   // a ground is mostly runs of one colour: each run is weighed once
    for (int i = 0; i < count && all_read; i++) {
        const uint32_t p = ground[i] & 0xFFFFFFu;
        if (!counts(ground[i]) || p == last) continue;
        last = p;
        all_read = seen_ratio(asked, lum_of(p)) >= NEEDED;
    }
    if (all_read) return asked;
    std::vector<double> lum;
    lum.reserve((size_t)count);
    double sum = 0;
    for (int i = 0; i < count; i++) {
        if (!counts(ground[i])) continue;
        lum.push_back(lum_of(ground[i]));
        sum += lum.back();
    }
    if (lum.empty()) return asked;
    std::sort(lum.begin(), lum.end());
    const size_t tenth = lum.size() / 10;
    const double dark = lum[tenth], light = lum[lum.size() - 1 - tenth];
    // The worst tenth of the ground against the asked ink.
    std::vector<double> against;
    against.reserve(lum.size());
    for (double l : lum) against.push_back(seen_ratio(asked, l));
    std::nth_element(against.begin(), against.begin() + (long)tenth, against.end());
    if (against[tenth] >= NEEDED) return asked;

    // Dark ink reads when it is darker than the darker tenth of the ground by the ratio, light ink
    // when it is lighter than the lighter tenth.
    auto dark_on = [&](SDL_Color c) {
        const double l = colour_luminance(c);
        return l < dark && seen_ratio(c, dark) >= AIMED;
    };
    auto light_on = [&](SDL_Color c) {
        const double l = colour_luminance(c);
        return l > light && seen_ratio(c, light) >= AIMED;
    };
    const bool dark_reads = dark_on(SDL_Color{0, 0, 0, 255}), light_reads = light_on(SDL_Color{255, 255, 255, 255});
    const bool pale_ground = sum / (double)lum.size() > 0.18;
    if (dark_reads && (pale_ground || !light_reads)) return darkened(asked, dark_on);
    if (light_reads) return lightened(asked, light_on);
    outline = OUTLINE_DARK;   // a picture both dark and light under the line
    return outlined_ink(asked, ground, count, outline);
}

// ---- the grounds under texts ------------------------------------------------------------------------

namespace {
struct Layer {
    SDL_Rect to;
    SDL_Color colour;    // a fill, when there is no picture
    SDL_Surface *pic;    // a piece of a picture, held while the layer lasts
    SDL_Rect from;
    bool tiled;
};
struct Ground {
    SDL_Renderer *r;
    const void *target;
    SDL_Surface *surface;   // a software renderer's own picture
    std::vector<Layer> layers;
    uint32_t base;          // what the target was cleared to (ARGB), clear when never
};
enum { MOST_LAYERS = 256, MOST_GROUNDS = 64 };
}  // namespace

static std::vector<Ground> &grounds() {
    static std::vector<Ground> g;
    return g;
}

static void drop(Layer &l) {
    if (l.pic) SDL_FreeSurface(l.pic);   // gives back the layer's hold
    l.pic = nullptr;
}

static Ground *ground_for(SDL_Renderer *r, bool make) {
    if (!r) return nullptr;
    std::vector<Ground> &all = grounds();
    for (Ground &g : all)
        if (g.r == r && g.surface) return &g;
    const void *target = SDL_GetRenderTarget(r);
    for (Ground &g : all)
        if (g.r == r && g.target == target) return &g;
    if (!make) return nullptr;
    if (all.size() >= MOST_GROUNDS)   // the oldest target's grounds go (a texture long gone, mostly)
        for (size_t i = 0; i < all.size(); i++)
            if (!all[i].surface) {
                for (Layer &l : all[i].layers) drop(l);
                all.erase(all.begin() + (long)i);
                break;
            }
    all.push_back(Ground{r, target, nullptr, {}, 0});
    return &all.back();
}

void ground_surface(SDL_Renderer *r, SDL_Surface *s) {
    std::vector<Ground> &all = grounds();
    for (size_t i = all.size(); i-- > 0;)
        if (all[i].r == r) {
            for (Layer &l : all[i].layers) drop(l);
            all.erase(all.begin() + (long)i);
        }
    if (r && s) all.push_back(Ground{r, nullptr, s, {}, 0});
}

static bool covers(const SDL_Rect &outer, const SDL_Rect &inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

static void lay(SDL_Renderer *r, const Layer &layer, bool opaque) {
    Ground *g = ground_for(r, true);
    if (!g || g->surface || layer.to.w <= 0 || layer.to.h <= 0) return;
    std::vector<Layer> &ls = g->layers;
    if (opaque)   // what it covers whole is gone
        for (size_t i = ls.size(); i-- > 0;)
            if (covers(layer.to, ls[i].to)) {
                drop(ls[i]);
                ls.erase(ls.begin() + (long)i);
            }
    if (ls.size() >= MOST_LAYERS) {
        drop(ls.front());
        ls.erase(ls.begin());
    }
    ls.push_back(layer);
    if (layer.pic) layer.pic->refcount++;
}

void ground_fill(SDL_Renderer *r, SDL_Rect to, SDL_Color c) { lay(r, Layer{to, c, nullptr, {}, false}, c.a == 255); }

namespace {
// Reads the pixels of a picture as ARGB, one of its colour key clear when `keyed`; a picture of 32 bits
// with whole bytes for its channels is read straight.
struct PictureReader {
    SDL_Surface *s;
    bool keyed, straight;
    uint32_t key;
    PictureReader(SDL_Surface *pic, bool use_key) : s(pic), keyed(false), straight(false), key(0) {
        if (!pic) return;
        keyed = use_key && SDL_GetColorKey(pic, &key) == 0;
        const SDL_PixelFormat *f = pic->format;
        straight = f->BytesPerPixel == 4 && !f->Rloss && !f->Gloss && !f->Bloss && (!f->Amask || !f->Aloss);
    }
    uint32_t at(int x, int y) const {
        if (x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
        const SDL_PixelFormat *f = s->format;
        const int bpp = f->BytesPerPixel;
        const uint8_t *p = (const uint8_t *)s->pixels + y * s->pitch + x * bpp;
        uint32_t v = 0;
        switch (bpp) {
        case 1: v = *p; break;
        case 2: v = *(const uint16_t *)p; break;
        case 3: v = (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16; break;
        default: v = *(const uint32_t *)p; break;
        }
        if (keyed && v == key) return 0;
        if (straight) {
            const uint32_t a = f->Amask ? (v & f->Amask) >> f->Ashift : 255;
            return a << 24 | ((v & f->Rmask) >> f->Rshift) << 16 | ((v & f->Gmask) >> f->Gshift) << 8 |
                   (v & f->Bmask) >> f->Bshift;
        }
        uint8_t r, g, b, a;
        SDL_GetRGBA(v, s->format, &r, &g, &b, &a);
        return (uint32_t)a << 24 | (uint32_t)r << 16 | (uint32_t)g << 8 | b;
    }
};
}  // namespace

// Whether every pixel of the piece of the picture is opaque; the last few pieces asked are kept.
static bool opaque_piece(SDL_Surface *pic, SDL_Rect from) {
    struct Known {
        SDL_Surface *pic;
        SDL_Rect from;
        bool opaque;
    };
    static Known known[8];
    static int next = 0;
    for (const Known &k : known)
        if (k.pic == pic && SDL_RectEquals(&k.from, &from)) return k.opaque;
    bool opaque = !(SDL_MUSTLOCK(pic) && SDL_LockSurface(pic) != 0);
    const PictureReader read(pic, true);
    for (int y = from.y; opaque && y < from.y + from.h; y++)
        for (int x = from.x; opaque && x < from.x + from.w; x++) opaque = read.at(x, y) >> 24 == 255;
    if (SDL_MUSTLOCK(pic)) SDL_UnlockSurface(pic);
    known[next] = Known{pic, from, opaque};
    next = (next + 1) % 8;
    return opaque;
}

void ground_picture(SDL_Renderer *r, SDL_Rect to, SDL_Surface *pic, SDL_Rect from, bool tiled) {
    if (!pic || from.w <= 0 || from.h <= 0 || !r) return;
    const Ground *g = ground_for(r, false);
    if (g && g->surface) return;   // read as it stands
    lay(r, Layer{to, {}, pic, from, tiled}, opaque_piece(pic, from));
}

void ground_clear(SDL_Renderer *r, SDL_Color c) {
    Ground *g = ground_for(r, true);
    if (!g || g->surface) return;
    for (Layer &l : g->layers) drop(l);
    g->layers.clear();
    g->base = 0xFF000000u | (uint32_t)c.r << 16 | (uint32_t)c.g << 8 | c.b;
}

static uint32_t over(uint32_t under, uint32_t top) {
    const uint32_t a = top >> 24;
    if (a == 255) return top;
    if (a == 0) return under;
    if (!(under >> 24)) return a >= 128 ? (top | 0xFF000000u) : 0;   // on nothing known: the nearer guess
    uint32_t out = 0xFF000000u;
    for (int sh = 0; sh < 24; sh += 8) {
        const uint32_t t = (top >> sh) & 255, u = (under >> sh) & 255;
        out |= ((t * a + u * (255 - a) + 127) / 255) << sh;
    }
    return out;
}

void ground_pixels(SDL_Renderer *r, SDL_Surface *s, SDL_Rect want, uint32_t *out) {
    const size_t n = (size_t)(want.w > 0 ? want.w : 0) * (size_t)(want.h > 0 ? want.h : 0);
    std::fill(out, out + n, 0u);
    if (!n) return;
    const Ground *g = r ? ground_for(r, false) : nullptr;
    SDL_Surface *own = g && g->surface ? g->surface : r ? nullptr : s;
    if (own) {   // a picture drawn on the CPU: read as it stands, every pixel shown whole
        if (SDL_MUSTLOCK(own) && SDL_LockSurface(own) != 0) return;
        SDL_Rect all = {0, 0, own->w, own->h}, part;
        const PictureReader read(own, false);
        const SDL_PixelFormat *f = own->format;
        if (SDL_IntersectRect(&all, &want, &part))
            for (int y = part.y; y < part.y + part.h; y++) {
                uint32_t *to = out + (size_t)(y - want.y) * (size_t)want.w + (size_t)(part.x - want.x);
                if (read.straight) {   // the screen's own format: shifts only
                    const uint32_t *from = (const uint32_t *)((const uint8_t *)own->pixels + y * own->pitch) + part.x;
                    for (int i = 0; i < part.w; i++) {
                        const uint32_t v = from[i];
                        to[i] = 0xFF000000u | ((v & f->Rmask) >> f->Rshift) << 16 | ((v & f->Gmask) >> f->Gshift) << 8 |
                                (v & f->Bmask) >> f->Bshift;
                    }
                } else {
                    for (int i = 0; i < part.w; i++) to[i] = read.at(part.x + i, y) | 0xFF000000u;
                }
            }
        if (SDL_MUSTLOCK(own)) SDL_UnlockSurface(own);
        return;
    }
    if (!g) return;
    std::fill(out, out + n, g->base);
    const Layer *touching[MOST_LAYERS];
    int count = 0;
    for (const Layer &l : g->layers)
        if (SDL_HasIntersection(&l.to, &want)) touching[count++] = &l;
    for (int i = 0; i < count; i++) {
        const Layer &l = *touching[i];
        SDL_Rect part;
        SDL_IntersectRect(&l.to, &want, &part);
        SDL_Surface *pic = l.pic;
        if (pic && SDL_MUSTLOCK(pic) && SDL_LockSurface(pic) != 0) continue;
        const PictureReader read(pic, true);   // a fill reads nothing
        for (int y = part.y; y < part.y + part.h; y++)
            for (int x = part.x; x < part.x + part.w; x++) {
                uint32_t top;
                if (!pic) {
                    top = (uint32_t)l.colour.a << 24 | (uint32_t)l.colour.r << 16 | (uint32_t)l.colour.g << 8 |
                          l.colour.b;
                } else {
                    const int dx = x - l.to.x, dy = y - l.to.y;
                    const int px = l.tiled ? dx % l.from.w : dx * l.from.w / l.to.w;
                    const int py = l.tiled ? dy % l.from.h : dy * l.from.h / l.to.h;
                    top = read.at(l.from.x + px, l.from.y + py);
                }
                uint32_t &o = out[(size_t)(y - want.y) * (size_t)want.w + (size_t)(x - want.x)];
                o = over(o, top);
            }
        if (pic && SDL_MUSTLOCK(pic)) SDL_UnlockSurface(pic);
    }
}

// ---- the record -----------------------------------------------------------------------------------

namespace {
struct Window {
    const void *target;
    SDL_Rect r;
};
struct Record {
    bool on = false;
    std::vector<TextRun> runs;
    std::vector<Window> windows;
    std::shared_ptr<SDL_Surface> frame;
};
}  // namespace

static Record &record() {
    static Record r;
    return r;
}

void textlog_start() {
    Record &r = record();
    r.on = true;
    r.runs.clear();
    r.windows.clear();
    r.frame.reset();
}

void textlog_stop() { record().on = false; }

const std::vector<TextRun> &textlog_runs() { return record().runs; }

SDL_Surface *textlog_frame() { return record().frame.get(); }

void textlog_window(const void *target, SDL_Rect r) {
    Record &rec = record();
    if (!rec.on || r.w <= 0 || r.h <= 0) return;
    rec.windows.push_back({target, r});
}

static bool inside(const SDL_Rect &r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

static std::shared_ptr<SDL_Surface> own(SDL_Surface *s) {
    return std::shared_ptr<SDL_Surface>(s, [](SDL_Surface *p) { SDL_FreeSurface(p); });
}

static void target_size(SDL_Renderer *r, int &w, int &h) {
    w = h = 0;
    if (SDL_Texture *t = SDL_GetRenderTarget(r))
        SDL_QueryTexture(t, nullptr, nullptr, &w, &h);
    else if (r == ren)
        w = RESOLUTION_X, h = RESOLUTION_Y;
    else
        SDL_GetRendererOutputSize(r, &w, &h);
}

std::shared_ptr<SDL_Surface> target_pixels(SDL_Renderer *r, SDL_Rect want) {
    int w, h;
    target_size(r, w, h);
    SDL_Rect all = {0, 0, w, h}, part;
    if (!SDL_IntersectRect(&want, &all, &part)) return nullptr;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, want.w, want.h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    SDL_FillRect(s, nullptr, 0);
    uint8_t *to = (uint8_t *)s->pixels + (part.y - want.y) * s->pitch + (part.x - want.x) * 4;
    if (SDL_RenderReadPixels(r, &part, SDL_PIXELFORMAT_ARGB8888, to, s->pitch) != 0) {
        SDL_FreeSurface(s);
        return nullptr;
    }
    for (int y = part.y - want.y; y < part.y - want.y + part.h; y++)   // what was read is opaque
        for (int x = part.x - want.x; x < part.x - want.x + part.w; x++)
            ((uint32_t *)((uint8_t *)s->pixels + y * s->pitch))[x] |= 0xFF000000u;
    return own(s);
}

void textlog_text(const void *target, SDL_Rect box, SDL_Color ink, SDL_Color asked, int outline, const char *text,
                  SDL_Renderer *r) {
    Record &rec = record();
    if (!rec.on) return;
    TextRun run{};
    run.box = box;
    run.ink = ink;
    run.asked = asked;
    run.outline = outline;
    run.target = target;
    copy_bounded(run.text, sizeof run.text, text ? text : "");
    run.window = target ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{0, 0, RESOLUTION_X, RESOLUTION_Y};
    for (size_t i = rec.windows.size(); i-- > 0;)
        if (rec.windows[i].target == target && inside(rec.windows[i].r, box.x + 1, box.y + 1)) {
            run.window = rec.windows[i].r;
            break;
        }
    if (target && r) {
        run.drawn = target_pixels(r, SDL_Rect{box.x - 1, box.y - 1, box.w + 2, box.h + 2});
        if (run.window.w == 0) {   // the whole picture it was drawn on
            int w, h;
            target_size(r, w, h);
            run.window = SDL_Rect{0, 0, w, h};
        }
    }
    rec.runs.push_back(run);
}

void textlog_waiting() {
    Record &rec = record();
    if (!rec.on || rec.frame || !ren) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, nullptr);
    rec.frame = target_pixels(ren, SDL_Rect{0, 0, RESOLUTION_X, RESOLUTION_Y});
    SDL_SetRenderTarget(ren, held);
}
