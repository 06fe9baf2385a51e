// src/presentation/readable.h -- the ink every text takes from what it stands on, and the record of the
// texts drawn (where, in which ink, inside which window) that a look at the screen reads.
#pragma once
#include <SDL2/SDL.h>

#include <memory>
#include <vector>

// Letters stand out from their ground by 4.5 : 1 at least as the window shows them: scaled up with
// smoothing, which blends each one-pixel stroke of the font with what lies beside it.
enum { READABLE_RATIO_X10 = 45 };
// The outline a text is drawn with: dark round light letters, or light round dark ones.
enum { OUTLINE_NONE = 0, OUTLINE_DARK = 1, OUTLINE_LIGHT = 2 };

// Relative luminance and the contrast ratio of two colours (1 to 21).
double colour_luminance(SDL_Color c);
double colour_contrast(SDL_Color a, SDL_Color b);

// The ink a text asked in `asked` takes on its ground (the pixels under it before it is drawn, as ARGB;
// those clear are not known or lie under its letters): the asked colour where it reads; else its hue made dark enough on a light ground (parchment, pale
// windows) or light enough on a dark one (stone, wood); on a picture that is neither, light letters
// with a dark outline. `outline` comes in as asked and goes out as drawn (OUTLINE_*): a text asked
// outlined keeps its outline, the kind that its ground reads with: on a pale picture (bark,
// parchment) dark letters round with light, else light letters round with dark.
SDL_Color readable_ink(SDL_Color asked, const uint32_t *ground, int count, int &outline);

// ---- the grounds under texts, kept on the CPU ----------------------------------------------------
// A text drawn by a renderer takes its ink from what the renderer laid under it, never by reading the
// renderer's pixels back: a software renderer's own picture is read as it stands; for the window
// renderer each target keeps the fills and the pieces of pictures (kept on the CPU) laid on it.
void ground_surface(SDL_Renderer *r, SDL_Surface *s);   // r draws on s; null forgets r
void ground_fill(SDL_Renderer *r, SDL_Rect to, SDL_Color c);   // blended where c.a < 255
// A piece `from` of a picture copied to `to`: scaled to it, or repeated over it when `tiled`.
void ground_picture(SDL_Renderer *r, SDL_Rect to, SDL_Surface *pic, SDL_Rect from, bool tiled);
void ground_clear(SDL_Renderer *r, SDL_Color c);          // the renderer's whole target
// The ground in the rectangle of r's target (or of the surface when r is null) as ARGB, a pixel
// whose ground is not known clear.
void ground_pixels(SDL_Renderer *r, SDL_Surface *s, SDL_Rect want, uint32_t *out);

// The pixels of the renderer's target in the rectangle as ARGB, those beyond the target clear (a
// read back from the renderer: for a look at the screen only, never while drawing).
std::shared_ptr<SDL_Surface> target_pixels(SDL_Renderer *r, SDL_Rect want);

// ---- the record of texts drawn ------------------------------------------------------------------
// Kept only while a look asks for it (the game never does); a screen is then read as drawn.
struct TextRun {
    SDL_Rect box;              // the letters' cells
    SDL_Color ink, asked;      // the ink drawn and the one the caller asked
    int outline;               // drawn with an outline (OUTLINE_*)
    SDL_Rect window;           // the window it was drawn in (the whole target when none)
    const void *target;        // nullptr: the window the player sees; else an off-screen picture
    char text[96];
    // An off-screen text: its box and a pixel round it as they stood after drawing.
    std::shared_ptr<SDL_Surface> drawn;
};

void textlog_start();            // forgets what was kept and keeps from now on
void textlog_stop();
const std::vector<TextRun> &textlog_runs();
// The window as the player saw it when the game first waited for a key since the start; null before.
SDL_Surface *textlog_frame();

// The drawers' side: a window drawn (its rectangle on the target), a text drawn, a wait for a key.
void textlog_window(const void *target, SDL_Rect r);
void textlog_text(const void *target, SDL_Rect box, SDL_Color ink, SDL_Color asked, int outline, const char *text,
                  SDL_Renderer *r);
void textlog_waiting();
