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

// The hue of `c` darkened (scaled toward black) until its luminance is at most `most`.
static SDL_Color darkened(SDL_Color c, double most) {
    double lo = 0, hi = 1;
    for (int i = 0; i < 16; i++) {
        const double t = (lo + hi) / 2;
        const SDL_Color d = {(uint8_t)(c.r * t), (uint8_t)(c.g * t), (uint8_t)(c.b * t), 255};
        (colour_luminance(d) <= most ? lo : hi) = t;
    }
    return SDL_Color{(uint8_t)(c.r * lo), (uint8_t)(c.g * lo), (uint8_t)(c.b * lo), 255};
}

// The hue of `c` lightened (mixed toward white) until its luminance is at least `least`.
static SDL_Color lightened(SDL_Color c, double least) {
    auto mix = [&](double t) {
        return SDL_Color{(uint8_t)std::lround(c.r + (255 - c.r) * t), (uint8_t)std::lround(c.g + (255 - c.g) * t),
                         (uint8_t)std::lround(c.b + (255 - c.b) * t), 255};
    };
    double lo = 0, hi = 1;
    for (int i = 0; i < 16; i++) {
        const double t = (lo + hi) / 2;
        (colour_luminance(mix(t)) >= least ? hi : lo) = t;
    }
    return mix(hi);
}

SDL_Color readable_ink(SDL_Color asked, const SDL_Color *ground, int count, int &outline) {
    asked.a = 255;
    const double la = colour_luminance(asked);
    if (outline) {   // the letters stand on their own dark outline
        if (lum_ratio(la, 0) >= NEEDED) return asked;
        return lightened(asked, AIMED * 0.05 - 0.05);
    }
    // The ground's luminances, but for pixels of the asked ink itself (the same text drawn before).
    std::vector<double> lum;
    lum.reserve((size_t)count);
    double sum = 0;
    for (int i = 0; i < count; i++) {
        const SDL_Color g = ground[i];
        if (g.r == asked.r && g.g == asked.g && g.b == asked.b) continue;
        lum.push_back(colour_luminance(g));
        sum += lum.back();
    }
    if (lum.empty()) return asked;
    std::sort(lum.begin(), lum.end());
    const size_t tenth = lum.size() / 10;
    const double dark = lum[tenth], light = lum[lum.size() - 1 - tenth];
    // The worst tenth of the ground against the asked ink.
    std::vector<double> against;
    against.reserve(lum.size());
    for (double l : lum) against.push_back(lum_ratio(la, l));
    std::nth_element(against.begin(), against.begin() + (long)tenth, against.end());
    if (against[tenth] >= NEEDED) return asked;

    const double most_dark = (dark + 0.05) / AIMED - 0.05;     // the darkest ink may be this light
    const double least_light = AIMED * (light + 0.05) - 0.05;  // the lightest ink must be this light
    const bool dark_reads = most_dark > 0.005, light_reads = least_light < 0.97;
    const bool pale_ground = sum / (double)lum.size() > 0.18;
    if (dark_reads && (pale_ground || !light_reads)) return la <= most_dark ? asked : darkened(asked, most_dark);
    if (light_reads) return la >= least_light ? asked : lightened(asked, least_light);
    outline = 1;   // a picture both dark and light under the line
    return lum_ratio(la, 0) >= AIMED ? asked : lightened(asked, AIMED * 0.05 - 0.05);
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
