// src/presentation/pictures.cpp -- pictures on the screen surface.
#include "presentation/pictures.h"

#include "base/ownlib.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <SDL2/SDL_image.h>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

int ImageParm_BORDER = 0;

char *picture_path(const char *name, char *out, size_t size) {
    if (!out || size == 0) return out;
    char bare[PICNAME_MAX];
    copy_bounded(bare, sizeof bare, name ? name : "");
    size_t n = strlen(bare);
    while (n > 0 && (bare[n - 1] == '\n' || bare[n - 1] == '\r')) bare[--n] = 0;
    if (strchr(bare, '/'))
        copy_bounded(out, size, bare);
    else
        snprintf(out, size, "truegfx/%s", bare);
    return out;
}

SDL_Surface *picture_load(const char *name) {
    char path[PICNAME_MAX];
    picture_path(name, path, sizeof path);
    SDL_Surface *pic = IMG_Load(path);
    if (!pic) printf("IMG_Load: %s\n", IMG_GetError());
    return pic;
}

static void black_frame(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    const uint32_t keep = CURRENT_COLOR;
    CURRENT_COLOR = RGB_to_color(0, 0, 0);
    rectangle(x, y, x + w - 1, y + h - 1);
    CURRENT_COLOR = keep;
}

static void blit_natural(SDL_Surface *pic, int x, int y) {
    SDL_Rect at = {x, y, 0, 0};
    SDL_BlitSurface(pic, nullptr, game_screen, &at);
}

static void blit_scaled(SDL_Surface *pic, const SDL_Rect *src, int x, int y, int w, int h) {
    SDL_Rect to = {x, y, w, h};
    SDL_BlitScaled(pic, src, game_screen, &to);
}

// ---- the screen surface -------------------------------------------------------------------------

void sized_image(const char *name, int x, int y, int w, int h, int border) {
    if (!game_screen) return;
    char path[PICNAME_MAX];
    snprintf(path, sizeof path, "truegfx/%s", name ? name : "");
    SDL_Surface *pic = IMG_Load(path);
    if (!pic) {
        printf("IMG_Load: %s\n", IMG_GetError());
        return;
    }
    if (w == 0)
        blit_natural(pic, x, y);
    else
        blit_scaled(pic, nullptr, x, y, w, h);
    if (border) black_frame(x, y, pic->w, pic->h);
    SDL_FreeSurface(pic);
}

// A decimal number of at most five digits; -1 when the text holds none.
static int read_number(const char *&p) {
    int v = 0, digits = 0;
    while (isdigit((unsigned char)*p)) {
        if (++digits > 5) return -1;
        v = v * 10 + (*p++ - '0');
    }
    return digits ? v : -1;
}

void image_name_size(const char *picture, char *name, size_t namesize, int &w, int &h) {
    w = h = 0;
    copy_bounded(name, namesize, picture ? picture : "");
    char *blank = strchr(name, ' ');
    if (!blank) return;
    *blank = 0;
    const char *p = picture + (blank - name) + 1;
    int pw = read_number(p);
    if (pw < 0 || (*p != 'x' && *p != 'X')) return;
    p++;
    int ph = read_number(p);
    if (ph < 0) return;
    while (*p == '\r' || *p == '\n' || *p == ' ') p++;
    if (*p) return;
    w = pw;
    h = ph;
}

void image(const char *picture, int x, int y) {
    char name[PICNAME_MAX];
    int w, h;
    image_name_size(picture, name, sizeof name, w, h);
    size_t n = strlen(name);
    while (n > 0 && (name[n - 1] == '\n' || name[n - 1] == '\r')) name[--n] = 0;
    sized_image(name, x, y, w, h, ImageParm_BORDER);
}

void freesizeBlit(SDL_Surface *pic, int x, int y, int w, int h, int flags) {
    if (!pic || !game_screen) return;
    if (w && h && (w != pic->w || h != pic->h)) {
        blit_scaled(pic, nullptr, x, y, w, h);
        if (flags & 1) black_frame(x, y, w, h);
        return;
    }
    blit_natural(pic, x, y);
    if (flags & 1) black_frame(x, y, pic->w, pic->h);
}

void freesizePic(const char *name, int x, int y, int w, int h, int flags) {
    SDL_Surface *pic = picture_load(name);
    if (!pic) return;
    freesizeBlit(pic, x, y, w, h, flags);
    SDL_FreeSurface(pic);
}

void bestfit_size(int pw, int ph, int w, int h, int &nw, int &nh) {
    nw = nh = 0;
    if (pw <= 0 || ph <= 0) return;
    if (ph > pw) {
        nw = (int)std::ceil((double)h * pw / ph);
        nh = h;
        return;
    }
    nw = w;
    nh = (int)std::ceil((double)w * ph / pw);
    if (nh < h) nh = h;
}

void bestfitPic(const char *name, SDL_Surface *pic, int x, int y, int w, int h, int flags) {
    SDL_Surface *own = nullptr;
    if (!pic) pic = own = picture_load(name);
    if (!pic) return;
    int nw, nh;
    bestfit_size(pic->w, pic->h, w, h, nw, nh);
    aspectfreesizeBlit(pic, x, y, nw, nh, w, h, flags);
    if (own) SDL_FreeSurface(own);
}

void aspectfreesizeBlit(SDL_Surface *pic, int x, int y, int nw, int nh, int w, int h, int flags) {
    if (!pic || !game_screen) return;
    if (nw == 0 || nh == 0 || (nw == pic->w && nh == pic->h) || w <= 0 || h <= 0) {
        blit_natural(pic, x, y);
    } else if (nh > h) {
        // The picture scaled to nh would overflow the box: the vertically centred band of the source
        // that fills the box at that scale, so the picture keeps its aspect.
        int band = (int)std::lround((double)pic->h * h / nh);
        if (band < 1) band = 1;
        if (band > pic->h) band = pic->h;
        SDL_Rect src = {0, (pic->h - band) / 2, pic->w, band};
        blit_scaled(pic, &src, x, y, w, h);
    } else {
        blit_scaled(pic, nullptr, x, y, w, h);
    }
    if (flags & 1) black_frame(x, y, pic->w, pic->h);
}
