// src/presentation/pictures.h -- pictures (PNG or JPEG) placed on the screen surface.
#pragma once
#include <SDL2/SDL.h>
#include <cstddef>

enum { PICNAME_MAX = 300 };        // a picture path is cut to 299 characters

extern int ImageParm_BORDER;       // `image` frames the picture's natural size in black

// The name rule: a trailing CR or LF is dropped; a name holding "/" is a path as it is, any other
// name is looked up in "truegfx". Answers `out`.
char *picture_path(const char *name, char *out, size_t size);
// Loads by the name rule; a failure prints "IMG_Load: %s\n" and answers none.
SDL_Surface *picture_load(const char *name);

// Screen surface placement
void sized_image(const char *name, int x, int y, int w, int h, int border);
void image(const char *picture, int x, int y);           // "name" or "name 64x48"
// The size written after the name's first blank ("64x48"); 0 x 0 when none or malformed.
void image_name_size(const char *picture, char *name, size_t namesize, int &w, int &h);
void freesizePic(const char *name, int x, int y, int w, int h, int flags);
void freesizeBlit(SDL_Surface *pic, int x, int y, int w, int h, int flags);
void bestfitPic(const char *name, SDL_Surface *pic, int x, int y, int w, int h, int flags);
// The size bestfitPic passes on for a picture of pw x ph in the box w x h.
void bestfit_size(int pw, int ph, int w, int h, int &nw, int &nh);
void aspectfreesizeBlit(SDL_Surface *pic, int x, int y, int nw, int nh, int w, int h, int flags);
