// src/presentation/show_screen.cpp -- the renderer, the software screen and its flips, the map textures
// with their lighting, the flipper mode of full-screen textures, and window-to-game coordinates.
#include "presentation/show.h"
#include "presentation/show_int.h"
#include "presentation/readable.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "core/shading.h"
#include "maps/sight.h"
#include "presentation/notes.h"
#include "presentation/tiles.h"
#include "presentation/screen_ui.h"
#include "presentation/windows.h"
#include "presentation/mapview.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

SDL_Window *win = nullptr;
SDL_Renderer *ren = nullptr;
SDL_Texture *screen_texture = nullptr;
SDL_Surface *game_screen = nullptr;
SDL_PixelFormat *screen_fmt = nullptr;
SDL_Texture *MapMainTexture = nullptr, *MapMainFinalTexture = nullptr;
SDL_Surface *MapviewSurface = nullptr, *CultviewSurface = nullptr;
SDL_Texture *MapviewTex = nullptr;
SDL_Surface *BufSurface = nullptr, *fontsurface = nullptr;
SDL_Surface *SCREENSAVE = nullptr, *SCREENBUFFY = nullptr, *GAMESAVE = nullptr, *MENUBUFFER = nullptr,
            *PELIGRAFIIKKA = nullptr;
SDL_Surface *HorBoxSurface = nullptr, *HeadingBoxSurface = nullptr;
SDL_Renderer *HorBoxSoftRen = nullptr, *HeadingBoxSoftRen = nullptr;
SDL_Texture *mapTEXFirelit = nullptr;

int DISABLE_FLIPORIG = 0;
int MAPEFFECT_DRAW = 0;
SDL_Texture *Flipper_Texture = nullptr;
int Flipper_Flags = 0, MASTER_FLIPPER = 0;
int TARGET_CURSOR_X = 0, TARGET_CURSOR_Y = 0, TARGET_CURSOR_SIZE = 0;
int TARGET_CURSOR_AREA_LX = 0, TARGET_CURSOR_AREA_LY = 0, TARGET_CURSOR_AREA_RX = 0, TARGET_CURSOR_AREA_RY = 0;
SDL_Texture *InfoboxTex = nullptr;
SDL_Rect InfoboxRect = {0, 0, 0, 0};

static int flipmode_held = 0;          // the map flip as it was when the first owning screen opened

// ---- the renderer log -------------------------------------------------------------------------

void renderdebug(const char *text) {
    FILE *f = fopen("debug_renderer.txt", "ab");
    if (!f) return;
    fputs(text ? text : "", f);
    fputs("\r\n", f);
    fclose(f);
}

static void renderdebugf(const char *format, ...) __attribute__((format(printf, 1, 2)));
static void renderdebugf(const char *format, ...) {
    char buf[512];
    va_list ap;
    va_start(ap, format);
    vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    renderdebug(buf);
}

static void log_rule(int n, char c) {
    char buf[64];
    if (n > (int)sizeof buf - 1) n = (int)sizeof buf - 1;
    memset(buf, c, (size_t)n);
    buf[n] = 0;
    renderdebug(buf);
}

static void log_render_drivers() {
    int n = SDL_GetNumRenderDrivers();
    for (int i = 0; i < n; i++) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) != 0) continue;
        log_rule(42, '=');
        renderdebugf("RenderDriverInfo #%d", i);
        renderdebugf("NAME: %s", info.name ? info.name : "");
        renderdebug((info.flags & SDL_RENDERER_ACCELERATED) ? "ACCELERATED OK" : "ACCELERATED !NO!");
        renderdebug((info.flags & SDL_RENDERER_TARGETTEXTURE) ? "TARGETTEXTURE OK" : "TARGETTEXTURE !NO!");
        renderdebug((info.flags & SDL_RENDERER_SOFTWARE) ? "SOFTWARE: YES" : "SOFTWARE: NO");
        for (int k = 0; k < 16; k++) renderdebugf(" pixelformat: %s", SDL_GetPixelFormatName(info.texture_formats[k]));
    }
}

[[noreturn]] static void video_failure() {
    fprintf(stderr, "Unable to init video. SDL_GetError() returned %s\n", SDL_GetError());
    SDL_Quit();
    exit(1);
}

// A GL renderer whose driver rasterises on the processor (llvmpipe, softpipe, swrast) costs far more
// than SDL's own software renderer: each idle tick of the map would keep a core busy.
static bool gl_rasterises_in_software(SDL_Renderer *r) {
    SDL_RendererInfo info;
    if (!r || SDL_GetRendererInfo(r, &info) != 0 || !info.name || strncmp(info.name, "opengl", 6) != 0) return false;
    typedef const unsigned char *(*GetString)(unsigned int);
    GetString get = (GetString)SDL_GL_GetProcAddress("glGetString");
    if (!get) return false;
    const unsigned char *name = get(0x1F01);   // the renderer's name
    if (!name) return false;
    const char *n = (const char *)name;
    renderdebugf("GL renderer: %s", n);
    return strstr(n, "llvmpipe") || strstr(n, "softpipe") || strstr(n, "swrast") || strstr(n, "Software");
}

// What the renderer probe found out before the game opened its display.
enum ProbeAnswer : char {
    PROBE_UNKNOWN = '?',   // no answer: the renderer is chosen in this process
    PROBE_KEEPS = 'A',     // the accelerated renderer stands
    PROBE_DROPS = 'S',     // it would be thrown away, and SDL draws the window itself (no GL framebuffer)
    PROBE_DROPS_GL = 's',  // it would be thrown away, but SDL's window framebuffer would go through GL
};
static char probe_answer = PROBE_UNKNOWN;

// The accelerated renderer with render targets that the game would keep, asked on a hidden window.
static char probe_in_child() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return PROBE_UNKNOWN;
    const char *driver = SDL_GetCurrentVideoDriver();
    if (!driver || strcmp(driver, "dummy") == 0) return PROBE_UNKNOWN;
    SDL_Window *w = SDL_CreateWindow("", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
    if (!w) return PROBE_UNKNOWN;
    SDL_Renderer *r = SDL_CreateRenderer(w, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    SDL_RendererInfo info;
    if (r && SDL_GetRendererInfo(r, &info) == 0 && (info.flags & SDL_RENDERER_TARGETTEXTURE) &&
        !gl_rasterises_in_software(r))
        return PROBE_KEEPS;
    if (!r || SDL_GetRendererInfo(r, &info) != 0 || !info.name || strncmp(info.name, "opengl", 6) != 0)
        return PROBE_UNKNOWN;
    // SDL backs a software renderer's window with GL only for these vendors' drivers.
    typedef const unsigned char *(*GetString)(unsigned int);
    GetString get = (GetString)SDL_GL_GetProcAddress("glGetString");
    const char *vendor = get ? (const char *)get(0x1F00) : nullptr;
    if (vendor && (strstr(vendor, "ATI Technologies") || strstr(vendor, "NVIDIA"))) return PROBE_DROPS_GL;
    return PROBE_DROPS;
}

void renderer_probe() {
    probe_answer = PROBE_UNKNOWN;
    // A child would share an open display with this process: asked only before video starts.
    if (SDL_WasInit(SDL_INIT_VIDEO)) return;
    int fds[2];
    if (pipe(fds) != 0) return;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return;
    }
    if (pid == 0) {
        close(fds[0]);
        const char answer = probe_in_child();
        if (write(fds[1], &answer, 1) != 1) _exit(1);
        _exit(0);
    }
    close(fds[1]);
    // A driver that hangs costs the start-up a few seconds, never the game.
    pollfd p = {fds[0], POLLIN, 0};
    char answer = PROBE_UNKNOWN;
    if (poll(&p, 1, 5000) == 1 && read(fds[0], &answer, 1) != 1) answer = PROBE_UNKNOWN;
    close(fds[0]);
    if (answer != PROBE_KEEPS && answer != PROBE_DROPS && answer != PROBE_DROPS_GL) {
        answer = PROBE_UNKNOWN;
        kill(pid, SIGKILL);
    }
    waitpid(pid, nullptr, 0);
    probe_answer = answer;
}

// An accelerated renderer with render targets when there is one; otherwise (on old hardware, or
// when the only GL driver draws on the processor) the software renderer. The game never runs
// without a renderer.
static SDL_Renderer *create_renderer() {
    const bool dropped = probe_answer == PROBE_DROPS || probe_answer == PROBE_DROPS_GL;
    SDL_Renderer *r =
        dropped ? nullptr : SDL_CreateRenderer(win, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    SDL_RendererInfo info;
    bool has_target = r && SDL_GetRendererInfo(r, &info) == 0 && (info.flags & SDL_RENDERER_TARGETTEXTURE);
    if ((has_target && gl_rasterises_in_software(r)) || dropped) {
        renderdebug(" GL DRAWS ON THE PROCESSOR: SELECTING SOFTWARE RENDERER");
        has_target = false;
        // The software renderer draws into the window's surface; by default SDL would show that
        // surface through the same processor-drawn GL once more. The window system's own image
        // (shared memory on X11) shows the same pixels for a fraction of the work.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    // SDL would ask GL once more only to learn that it draws the window itself.
    if (probe_answer == PROBE_DROPS) SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (!has_target || inivalyes("OLD_HARDWARE_MODE")) {
        renderdebugf("!! SELECTED RENDERER (%s) TARGETTEXTURE FAIL !!", r ? info.name : "none");
        renderdebug(" SELECTING SOFTWARE RENDERER");
        if (r) SDL_DestroyRenderer(r);
        r = SDL_CreateRenderer(win, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    }
    if (!r) video_failure();
    return r;
}

static void log_renderer() {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(ren, &info) != 0) return;
    log_rule(51, '-');
    renderdebugf("Used renderer: %s", info.name ? info.name : "");
    if (info.flags & SDL_RENDERER_SOFTWARE) renderdebug("renderer is software fallback");
    if (info.flags & SDL_RENDERER_ACCELERATED) renderdebug("renderer uses hardware acceleration");
    const char *quality = SDL_GetHint(SDL_HINT_RENDER_SCALE_QUALITY);
    renderdebugf("render_scale_quality:%s\n\r", quality ? quality : "");
    renderdebugf("max_texture_width: %d\n\rmax_texture_height: %d", info.max_texture_width, info.max_texture_height);
    renderdebug((info.flags & SDL_RENDERER_TARGETTEXTURE) ? "OK : targettexture rendering"
                                                          : "FAILED : no support for targettexture rendering");
    log_rule(51, '-');
}

// ---- surfaces ---------------------------------------------------------------------------------

static SDL_Surface *screen_surface(int w, int h) {
    return SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, game_screen->format->format);
}

static void create_surfaces() {
    BufSurface = screen_surface(RESOLUTION_X, RESOLUTION_Y);
    fontsurface = screen_surface(2000, 20);
    SCREENSAVE = screen_surface(RESOLUTION_X, RESOLUTION_Y);
    SCREENBUFFY = screen_surface(RESOLUTION_X, RESOLUTION_Y);
    GAMESAVE = screen_surface(RESOLUTION_X, RESOLUTION_Y);
    MENUBUFFER = screen_surface(RESOLUTION_X, RESOLUTION_Y);
    PELIGRAFIIKKA = screen_surface(RESOLUTION_X, 760);   // five rows: buttons and four window textures
    if (PELIGRAFIIKKA) {
        uint32_t white = SDL_MapRGB(PELIGRAFIIKKA->format, 255, 255, 255);
        SDL_FillRect(PELIGRAFIIKKA, nullptr, white);
        SDL_SetColorKey(PELIGRAFIIKKA, SDL_TRUE, white);
    }
    HorBoxSurface = screen_surface(96, 74);
    if (HorBoxSurface) HorBoxSoftRen = SDL_CreateSoftwareRenderer(HorBoxSurface);
    ground_surface(HorBoxSoftRen, HorBoxSurface);
    HeadingBoxSurface = screen_surface(headingGui.width > 0 ? headingGui.width : 1,
                                       headingGui.height > 0 ? headingGui.height : 1);
    if (HeadingBoxSurface) HeadingBoxSoftRen = SDL_CreateSoftwareRenderer(HeadingBoxSurface);
    ground_surface(HeadingBoxSoftRen, HeadingBoxSurface);
}

void initgr(int) {
    if (GRAPH_INIT) return;
    ui_install_screen();   // from now on the rules ask this screen
    DISABLE_FLIP = 0;
    if (FILE *f = fopen("debug_renderer.txt", "wb")) fclose(f);
    log_render_drivers();
    ren = create_renderer();
    if (OXAINI_LOGICALRESIZE) SDL_RenderSetLogicalSize(ren, RESOLUTION_X, RESOLUTION_Y);
    log_renderer();

    // In the screen surface's own format (32 bits, no alpha): a flip copies its rows as they are.
    screen_texture = SDL_CreateTexture(ren, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STATIC, RESOLUTION_X, RESOLUTION_Y);
    if (screen_texture) SDL_SetTextureBlendMode(screen_texture, SDL_BLENDMODE_NONE);   // the screen has no alpha of its own
    initlog("create screen");
    game_screen = SDL_CreateRGBSurface(0, RESOLUTION_X, RESOLUTION_Y, 32, 0, 0, 0, 0);
    if (!game_screen) video_failure();
    screen_fmt = game_screen->format;

    initlog("guiInit");
    guiInit(RESOLUTION_X, RESOLUTION_Y);
    initlog("create_surfaces");
    create_surfaces();
    initlog("lataa_gui");
    lataa_gui_grafiikka();
    initlog("load_sprites");
    load_sprites();
    initlog("getbackgrounds");
    getbackgrounds();
    putfont();
    if (fontsurface) SDL_SetColorKey(fontsurface, SDL_TRUE, SDL_MapRGB(fontsurface->format, 0, 0, 0));

    load_palette();
    get_colors();

    GRAPH_INIT = 1;
    screen_fmt = game_screen->format;
    // The map of known areas: its surfaces and texture are made when it is first drawn.
    compile_MarkerDialogTexture();
    compile_CultureDialogTexture();

    initlog("NewGfx_loadtiledata");
    NewGfx_loadtiledata();
    CreateMapMainTexture();
}

// ---- flips ------------------------------------------------------------------------------------

static void to_window() {
    if (SDL_GetRenderTarget(ren)) SDL_SetRenderTarget(ren, nullptr);
}

void RESET_RenderDrawModes(SDL_Renderer *r) {
    if (!r) return;
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
}

// The screen's copy fills the whole window unless the window is letterboxed around it.
static bool screen_fills_window() {
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(ren, &w, &h) != 0) return false;
    SDL_Rect v;
    SDL_RenderGetViewport(ren, &v);
    float sx = 1.0f, sy = 1.0f;
    SDL_RenderGetScale(ren, &sx, &sy);
    return v.x == 0 && v.y == 0 && (float)v.w * sx >= (float)w && (float)v.h * sy >= (float)h;
}

void RenderQuickDoScreen() {
    if (!ren) return;
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    if (!screen_fills_window()) SDL_RenderClear(ren);   // the bars round a letterboxed screen
    SDL_RenderCopy(ren, screen_texture, nullptr, nullptr);
}

void RenderDoScreen() {
    if (!ren || !game_screen) return;
    SDL_UpdateTexture(screen_texture, nullptr, game_screen->pixels, game_screen->pitch);
    RenderQuickDoScreen();
}

enum FlipNeed { FLIP_WHOLE, FLIP_MAP_ONLY, FLIP_NOTHING };
static FlipNeed flip_need(bool map);
static void flip_shown(FlipNeed need, bool map, bool presented, const SDL_Rect *part);
static bool map_covers(SDL_Rect &hole);
static SDL_Rect map_changes_onto_window();
static bool renderer_is_software();

// The uploaded screen onto the window around `hole`, which the map's opaque copy fills right after.
static void screen_around(const SDL_Rect &hole) {
    const SDL_Rect strips[4] = {
        {0, 0, RESOLUTION_X, hole.y},                                               // above
        {0, hole.y + hole.h, RESOLUTION_X, RESOLUTION_Y - hole.y - hole.h},         // below
        {0, hole.y, hole.x, hole.h},                                                // left
        {hole.x + hole.w, hole.y, RESOLUTION_X - hole.x - hole.w, hole.h},          // right
    };
    for (const SDL_Rect &r : strips)
        if (r.w > 0 && r.h > 0) SDL_RenderCopy(ren, screen_texture, &r, &r);
}

// Only the part of the window's surface that changed goes out to the window system; false when
// the renderer's own present is needed (then it sends the whole surface, which shows the same).
static bool present_part(const SDL_Rect &part) {
    if (!win || (SDL_GetWindowFlags(win) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED))) return false;
    SDL_RenderFlush(ren);
    return SDL_UpdateWindowSurfaceRects(win, &part, 1) == 0;
}

// A flip of what the window already shows draws and presents only what changed (see flip_need);
// where only the map changed, only the pixels of the map that changed.
static bool game_screen_back();
static bool showing_game_under = false;   // this flip shows the game screen put back under its owner

void scr_Flip() {
    if (DISABLE_FLIP || !ren) return;
    // While a screen owns the window no flip shows the map, unless the screen, closing, has put the
    // game screen back as it was: that is the game screen on top again.
    showing_game_under = ui_screen_owned() && game_screen_back();
    const bool map = showing_game_under || (FLIPMODE != 0 && !ui_screen_owned());
    const FlipNeed need = flip_need(map);
    SDL_Rect hole, part = {0, 0, 0, 0};
    const bool map_part = need == FLIP_MAP_ONLY && renderer_is_software() && map_covers(hole);
    if (map_part) {
        part = map_changes_onto_window();
        if (part.w > 0 && !DISABLE_RENDER && !present_part(part)) SDL_RenderPresent(ren);
    } else if (need != FLIP_NOTHING) {
        if (need == FLIP_WHOLE && map && game_screen && map_covers(hole)) {
            SDL_UpdateTexture(screen_texture, nullptr, game_screen->pixels, game_screen->pitch);
            screen_around(hole);
        } else if (need == FLIP_WHOLE) {
            RenderDoScreen();
        }
        if (map) rc();
        if (!DISABLE_RENDER) SDL_RenderPresent(ren);
    }
    if (map && FLIPMODE == 2) FLIPMODE = 0;
    if (need != FLIP_NOTHING) flip_shown(need, map, !DISABLE_RENDER, map_part ? &part : nullptr);
    showing_game_under = false;
}

void FlipWithMap() {
    if (DISABLE_FLIP) return;
    int mode = FLIPMODE, noupdate = NOUPDATE_RC;
    FLIPMODE = 1;
    NOUPDATE_RC = 1;
    Flip();
    FLIPMODE = mode;
    NOUPDATE_RC = noupdate;
}

void UpdScreenWithMap() {
    RenderDoScreen();
    int noupdate = NOUPDATE_RC;
    NOUPDATE_RC = 1;
    rc();
    NOUPDATE_RC = noupdate;
}

void FlipSurface(SDL_Surface *surface) {
    if (!ren || !surface) return;
    // Only a surface of the screen's size and depth can be uploaded as the screen.
    if (surface->w == RESOLUTION_X && surface->h == RESOLUTION_Y && surface->format->BytesPerPixel == 4)
        SDL_UpdateTexture(screen_texture, nullptr, surface->pixels, surface->pitch);
    RenderQuickDoScreen();
    if (!DISABLE_RENDER) SDL_RenderPresent(ren);
}

void scr_FlipScreenPortion(int x, int y, int w, int h, int present) {
    if (!ren || !game_screen) return;
    SDL_UpdateTexture(screen_texture, nullptr, game_screen->pixels, game_screen->pitch);
    SDL_Rect src = {x, y, w, h}, dst = src, old;
    SDL_RenderGetViewport(ren, &old);
    if (IS_LOGICALRESIZE()) {
        dst.x += old.x;
        dst.y += old.y;
    } else {
        float sx = renderXscale(), sy = renderYscale();
        dst = {(int)((float)x * sx), (int)((float)y * sy), (int)((float)w * sx), (int)((float)h * sy)};
    }
    SDL_RenderSetViewport(ren, &dst);
    SDL_RenderCopy(ren, screen_texture, &src, nullptr);
    if (old.x != 0 || old.y != 0) {
        // Setting a viewport with an offset can read back shifted; correct by the difference.
        SDL_RenderSetViewport(ren, &old);
        SDL_Rect got;
        SDL_RenderGetViewport(ren, &got);
        SDL_Rect fixed = old;
        if (got.x != old.x) fixed.x = 2 * old.x - got.x;
        if (got.y != old.y) fixed.y = 2 * old.y - got.y;
        SDL_RenderSetViewport(ren, &fixed);
    } else {
        SDL_RenderSetViewport(ren, &old);
    }
    if (present) SDL_RenderPresent(ren);
}


// The game screen as it stood when a screen took the window over it, with whether its note box
// showed the notes; none when the game screen was not on top (no map flipped: a menu, the creation).
static SDL_Surface *game_under = nullptr;
static int game_under_notes = 0;

// The game screen kept under the owning screen is on the screen surface again, pixel for pixel.
static bool game_screen_back() {
    if (!game_under || !game_screen || game_under->w != game_screen->w || game_under->h != game_screen->h ||
        game_under->pitch != game_screen->pitch)
        return false;
    return memcmp(game_under->pixels, game_screen->pixels, (size_t)game_screen->pitch * (size_t)game_screen->h) == 0;
}

void window_owner(int opened) {
    if (opened) {
        flipmode_held = FLIPMODE;
        FLIPMODE = 0;
        if (game_under) SDL_FreeSurface(game_under);
        game_under = nullptr;
        if (flipmode_held && game_screen) {
            game_under = SDL_ConvertSurface(game_screen, game_screen->format, 0);
            game_under_notes = notebox_shown_in(game_screen);
        }
        return;
    }
    FLIPMODE = flipmode_held;
    if (!game_under) return;
    if (game_screen) {
        SDL_SetSurfaceBlendMode(game_under, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(game_under, nullptr, game_screen, nullptr);
        if (game_under_notes) notebox_put_back(game_screen);
    }
    SDL_FreeSurface(game_under);
    game_under = nullptr;
    FlipWithMap();
}

void Ruudunpaivitys_Off() {
    DISABLE_FLIPORIG = DISABLE_FLIP;
    DISABLE_FLIP = 0;
}

void Ruudunpaivitys_On() { DISABLE_FLIP = DISABLE_FLIPORIG; }


// ---- the map textures -------------------------------------------------------------------------

// Where the map textures may hold anything but opaque black. A texture just made is transparent, so it
// counts as touched all over; so does a texture filled with another colour.
static SDL_Rect main_touched = {0, 0, 0, 0}, final_touched = {0, 0, 0, 0};
static bool final_fresh = true;   // the final texture never composed: transparent, shown blended
static const SDL_Rect whole_map_texture = {0, 0, MAPTEX_SIZE, MAPTEX_SIZE};
static unsigned final_version = 1;   // changes whenever the final texture may show anything new
// Composing again where nothing changed gives the same pixels: with the shade as it was, only what was
// drawn on the map texture since the last composing and where that composing lit its light spots is
// composed anew.
static SDL_Rect drawn_since_composed = whole_map_texture, lights_box = {0, 0, 0, 0};
// Where the final texture changed since the window last showed it.
static SDL_Rect final_changed = whole_map_texture;
static int composed_shade[4] = {-1, -1, -1, -1};   // lighting on, red, green, blue

static void add_box(SDL_Rect &box, const SDL_Rect &r) {
    SDL_Rect in;
    if (!SDL_IntersectRect(&r, &whole_map_texture, &in)) return;
    if (box.w <= 0 || box.h <= 0) box = in;
    else SDL_UnionRect(&box, &in, &box);
}

static unsigned texture_stamp = 1;
static int drawing_open = 0;

void map_texture_touched(const SDL_Rect &r) {
    add_box(main_touched, r);
    add_box(drawn_since_composed, r);
    if (!drawing_open) texture_stamp++;
}

unsigned map_texture_stamp() { return texture_stamp; }
void map_drawing_open() { drawing_open = 1; }
void map_drawing_close() { drawing_open = 0; }

void CreateMapMainTexture() {
    if (!ren) return;
    if (MapMainTexture) SDL_DestroyTexture(MapMainTexture);
    if (MapMainFinalTexture) SDL_DestroyTexture(MapMainFinalTexture);
    MapMainTexture =
        SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, MAPTEX_SIZE, MAPTEX_SIZE);
    MapMainFinalTexture =
        SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, MAPTEX_SIZE, MAPTEX_SIZE);
    main_touched = final_touched = drawn_since_composed = final_changed = whole_map_texture;
    final_fresh = true;
    texture_stamp++;
    final_version++;
}

static void fill_texture(SDL_Texture *t, int r, int g, int b) {
    SDL_SetRenderTarget(ren, t);
    SDL_SetRenderDrawColor(ren, (uint8_t)r, (uint8_t)g, (uint8_t)b, 255);
    SDL_RenderClear(ren);
}

// The map texture back to opaque black where anything was drawn since the last clear.
void CleanMapDrawBuffers() {
    if (!ren || !MapMainTexture) return;
    if (main_touched.w > 0 && main_touched.h > 0) {
        SDL_SetRenderTarget(ren, MapMainTexture);
        SDL_BlendMode held;
        SDL_GetRenderDrawBlendMode(ren, &held);
        SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
        if (SDL_RectEquals(&main_touched, &whole_map_texture)) SDL_RenderClear(ren);
        else SDL_RenderFillRect(ren, &main_touched);
        SDL_SetRenderDrawBlendMode(ren, held);
        add_box(drawn_since_composed, main_touched);
    }
    main_touched = {0, 0, 0, 0};
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_SetRenderTarget(ren, nullptr);
}

void scr_ClrOxaFlipMap() {
    if (!ren || !MapMainTexture || !MapMainFinalTexture) return;
    fill_texture(MapMainFinalTexture, 10, 10, 10);
    fill_texture(MapMainTexture, 10, 10, 10);
    main_touched = final_touched = drawn_since_composed = final_changed = whole_map_texture;
    texture_stamp++;
    final_version++;
    SDL_SetRenderTarget(ren, nullptr);
    OxaMap_to_MasterMapTexture();
}

// The player's square, measured against the light spots that lie out of sight.
static void player_square(int &x, int &y) {
    x = cre_x(-1);
    y = cre_y(-1);
}

static void draw_lightspots() {
    if (!mapTEXFirelit) return;
    int px, py;
    player_square(px, py);
    SDL_SetTextureBlendMode(mapTEXFirelit, SDL_BLENDMODE_ADD);
    for (int i = 0; i < MAX_LIGHTSPOTS && maplightspot_x[i] != 0; i++) {
        int x = maplightspot_x[i], y = maplightspot_y[i], size = maplightspot_size[i];
        bool seen = See(x, y) != 0;
        if (!seen && koordinaattien_vali(x, y, px, py) > size) continue;
        int radius = 18 * size + 18 + random(5);
        int cx = pelibuffer_x(x), cy = pelibuffer_y(y);
        SDL_Rect dst = {18 * cx - 8 - radius, 20 * cy - 9 - radius, 2 * radius, 2 * radius};
        add_box(final_touched, dst);
        add_box(lights_box, dst);
        add_box(final_changed, dst);
        SDL_SetTextureAlphaMod(mapTEXFirelit, (uint8_t)(92 + random(32)));
        if (seen)
            SDL_SetTextureColorMod(mapTEXFirelit, 128, 128, 92);
        else
            SDL_SetTextureColorMod(mapTEXFirelit, 64, 64, 32);
        SDL_RenderCopy(ren, mapTEXFirelit, nullptr, &dst);
    }
}

void OxaMap_to_MasterMapTexture() {
    if (!ren || !MapMainTexture || !MapMainFinalTexture) return;
    // Outside both boxes the two textures are opaque black alike: the copy covers the boxes.
    SDL_Rect part = main_touched;
    add_box(part, final_touched);
    final_touched = main_touched;
    int shade[4] = {OXAINI_MAPLIGHTING ? 1 : 0, 255, 255, 255};
    if (OXAINI_MAPLIGHTING) GetMapShade(&shade[1], &shade[2], &shade[3]);
    if (!final_fresh && memcmp(shade, composed_shade, sizeof shade) == 0) {
        part = drawn_since_composed;
        add_box(part, lights_box);
    }
    memcpy(composed_shade, shade, sizeof shade);
    drawn_since_composed = lights_box = {0, 0, 0, 0};
    SDL_SetRenderTarget(ren, MapMainFinalTexture);
    if (part.w <= 0 || part.h <= 0) {
        SDL_SetRenderTarget(ren, nullptr);
        return;
    }
    final_version++;
    add_box(final_changed, part);
    SDL_SetTextureBlendMode(MapMainTexture, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(MapMainTexture, 255, 255, 255);
    SDL_RenderCopy(ren, MapMainTexture, &part, &part);
    if (final_fresh && SDL_RectEquals(&part, &whole_map_texture)) {
        // Opaque all over from now on: copied onto the window as it is, as after a change of maps.
        final_fresh = false;
        SDL_SetTextureBlendMode(MapMainFinalTexture, SDL_BLENDMODE_NONE);
    }
    if (OXAINI_MAPLIGHTING) {
        const int r = shade[1], g = shade[2], b = shade[3];
        SDL_SetTextureBlendMode(MapMainTexture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureColorMod(MapMainTexture, (uint8_t)r, (uint8_t)g, (uint8_t)b);
        SDL_RenderCopy(ren, MapMainTexture, &part, &part);
        SDL_SetTextureBlendMode(MapMainTexture, SDL_BLENDMODE_NONE);
        SDL_SetTextureColorMod(MapMainTexture, 255, 255, 255);
        if (r <= 240) draw_lightspots();
    }
    SDL_SetRenderTarget(ren, nullptr);
}

// The part of the composed map texture the map view shows.
static SDL_Rect map_source() {
    if (mapDim.scale == 1.0f) return {mapDim.src_left, mapDim.src_top, mapDim.width, mapDim.height};
    const float scale = mapDim.scale > 0.0f ? mapDim.scale : 1.0f;
    const int sw = (int)((float)mapDim.width / scale), sh = (int)((float)mapDim.height / scale);
    return {mapDim.src_centre_x - sw / 2, mapDim.src_centre_y - sh / 2, sw, sh};
}

void rc() {
    if (!ren || (ui_screen_owned() && !showing_game_under)) return;
    const int s = MAPEFF_R + MAPEFF_G + MAPEFF_B;
    if (DISABLE_MAP && s == 0 && !MAPEFFECT_DRAW) return;
    to_window();
    if (s != 0 && !MAPEFFECT_DRAW) {
        SDL_Rect r = {mapDim.x - 1, mapDim.y - 1, mapDim.width + 1, mapDim.height + 1};
        NativeResolution_RectConvert(&r);
        SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
        SDL_RenderFillRect(ren, &r);
        SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(ren, (uint8_t)MAPEFF_R, (uint8_t)MAPEFF_G, (uint8_t)MAPEFF_B, 255);
        SDL_RenderFillRect(ren, &r);
        RESET_RenderDrawModes(ren);
        return;
    }
    if (!NOUPDATE_RC) OxaMap_to_MasterMapTexture();
    const SDL_Rect src = map_source();
    SDL_Rect dst = {mapDim.x, mapDim.y, mapDim.width, mapDim.height};
    NativeResolution_RectConvert(&dst);
    SDL_RenderCopy(ren, MapMainFinalTexture, &src, &dst);
    final_changed = {0, 0, 0, 0};
}

// rc() where the map is copied 1:1 and opaquely over a window that shows the final texture as it
// was: only the part that changed since is copied. The window's pixels it drew, or an empty rect.
static SDL_Rect map_changes_onto_window() {
    to_window();
    if (!NOUPDATE_RC) OxaMap_to_MasterMapTexture();
    const SDL_Rect src = map_source();
    SDL_Rect in;
    const bool changed = SDL_IntersectRect(&final_changed, &src, &in);
    final_changed = {0, 0, 0, 0};
    if (!changed) return {0, 0, 0, 0};
    const SDL_Rect dst = {mapDim.x + in.x - src.x, mapDim.y + in.y - src.y, in.w, in.h};
    SDL_RenderCopy(ren, MapMainFinalTexture, &in, &dst);
    return dst;
}

// ---- flips of what the window already shows -----------------------------------------------------
// The software renderer draws into the window's own pixels, which keep what the last present left in
// them. A flip of the screen the window already shows draws only the map over it, and with the map
// unchanged too it draws and presents nothing: the idle tick's clock and a still view cost nothing.
// Anyone else's drawing on the window, a window event or a change of the map's place or look makes
// the next flip whole.
struct MapLook {
    SDL_Rect src, dst, viewport;
    float sx, sy;
    unsigned version;
    SDL_BlendMode blend;
    uint8_t alpha, r, g, b;
};

static struct {
    bool idle;             // the game idles: its ticks flip the same screen again and again
    bool valid, map;
    MapLook look;
    std::vector<uint8_t> screen, window;   // the screen surface and the window's pixels as last shown
} shown;

static bool renderer_is_software() {
    SDL_RendererInfo info;
    return ren && SDL_GetRendererInfo(ren, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
}

// The map's place and look as rc() would draw it; false when rc() would draw over it with anything
// but an opaque copy of the final texture.
static bool map_look(MapLook &l) {
    if (DISABLE_MAP || MAPEFF_R + MAPEFF_G + MAPEFF_B != 0 || MAPEFFECT_DRAW || !MapMainFinalTexture) return false;
    memset(&l, 0, sizeof l);
    l.src = map_source();
    l.dst = {mapDim.x, mapDim.y, mapDim.width, mapDim.height};
    NativeResolution_RectConvert(&l.dst);
    SDL_RenderGetViewport(ren, &l.viewport);
    SDL_RenderGetScale(ren, &l.sx, &l.sy);
    l.version = final_version;
    SDL_GetTextureBlendMode(MapMainFinalTexture, &l.blend);
    SDL_GetTextureAlphaMod(MapMainFinalTexture, &l.alpha);
    SDL_GetTextureColorMod(MapMainFinalTexture, &l.r, &l.g, &l.b);
    return l.blend == SDL_BLENDMODE_NONE && l.alpha == 255 && l.r == 255 && l.g == 255 && l.b == 255;
}

// Where rc() will copy the map opaquely, pixel for pixel, over the screen drawn on the window: there
// the screen need not be copied first. False for anything but a plain window of the screen's size.
static bool map_covers(SDL_Rect &hole) {
    MapLook l;
    if (!map_look(l) || SDL_GetRenderTarget(ren)) return false;
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(ren, &w, &h) != 0 || w != RESOLUTION_X || h != RESOLUTION_Y) return false;
    int lw = 0, lh = 0;
    SDL_RenderGetLogicalSize(ren, &lw, &lh);
    if (lw != 0 && (lw != w || lh != h)) return false;
    if (l.sx != 1.0f || l.sy != 1.0f || l.viewport.x != 0 || l.viewport.y != 0 || l.viewport.w != w || l.viewport.h != h)
        return false;
    if (l.src.w != l.dst.w || l.src.h != l.dst.h) return false;   // scaled: not every pixel written once
    SDL_Rect in;
    if (!SDL_IntersectRect(&l.src, &whole_map_texture, &in) || !SDL_RectEquals(&in, &l.src)) return false;
    const SDL_Rect screen = {0, 0, w, h};
    if (!SDL_IntersectRect(&l.dst, &screen, &in) || !SDL_RectEquals(&in, &l.dst)) return false;
    hole = l.dst;
    return true;
}

static bool same_place(const MapLook &a, const MapLook &b) {
    auto eq = [](const SDL_Rect &p, const SDL_Rect &q) { return p.x == q.x && p.y == q.y && p.w == q.w && p.h == q.h; };
    return eq(a.src, b.src) && eq(a.dst, b.dst) && eq(a.viewport, b.viewport) && a.sx == b.sx && a.sy == b.sy;
}

static size_t surface_bytes(const SDL_Surface *s) { return s && s->pixels ? (size_t)s->pitch * (size_t)s->h : 0; }

static bool holds(const std::vector<uint8_t> &kept, const SDL_Surface *s) {
    const size_t n = surface_bytes(s);
    return n > 0 && kept.size() == n && memcmp(kept.data(), s->pixels, n) == 0;
}

static void keep_pixels(std::vector<uint8_t> &kept, const SDL_Surface *s) {
    const size_t n = surface_bytes(s);
    kept.resize(n);
    if (n) memcpy(kept.data(), s->pixels, n);
}

static SDL_Surface *window_pixels() {
    SDL_RenderFlush(ren);
    return win ? SDL_GetWindowSurface(win) : nullptr;
}

// Columns [x0, x1) of rows [y0, y1) alike in two pictures of the same format.
static bool rows_alike(const uint8_t *a, int apitch, const uint8_t *b, int bpitch, int bpp, int x0, int x1, int y0,
                       int y1) {
    if (x1 <= x0) return true;
    for (int y = y0; y < y1; y++)
        if (memcmp(a + (size_t)y * apitch + (size_t)x0 * bpp, b + (size_t)y * bpitch + (size_t)x0 * bpp,
                   (size_t)(x1 - x0) * bpp) != 0)
            return false;
    return true;
}

// With the map copied opaquely over `hole`, the window is what a whole flip leaves when it shows the
// screen itself round the hole and, inside it, what it held at the last flip. Half the reading of
// comparing both the window and the screen with their kept copies; false when the window's pixels
// are not in the screen's format.
static bool window_as_shown_round(const SDL_Surface *w, const SDL_Rect &hole, bool &alike) {
    const SDL_Surface *sc = game_screen;
    if (!w || w->format->format != sc->format->format || w->w != sc->w || w->h != sc->h ||
        shown.window.size() != surface_bytes(w))
        return false;
    const int bpp = w->format->BytesPerPixel, right = hole.x + hole.w, bottom = hole.y + hole.h;
    const uint8_t *wp = (const uint8_t *)w->pixels, *sp = (const uint8_t *)sc->pixels, *kp = shown.window.data();
    alike = rows_alike(wp, w->pitch, sp, sc->pitch, bpp, 0, w->w, 0, hole.y) &&
            rows_alike(wp, w->pitch, sp, sc->pitch, bpp, 0, w->w, bottom, w->h) &&
            rows_alike(wp, w->pitch, sp, sc->pitch, bpp, 0, hole.x, hole.y, bottom) &&
            rows_alike(wp, w->pitch, sp, sc->pitch, bpp, right, w->w, hole.y, bottom) &&
            rows_alike(wp, w->pitch, kp, w->pitch, bpp, hole.x, right, hole.y, bottom);
    return true;
}

static FlipNeed flip_need(bool map) {
    if (!shown.idle || !shown.valid || shown.map != map || !game_screen) return FLIP_WHOLE;
    MapLook now{};
    if (map && (!map_look(now) || !same_place(now, shown.look))) return FLIP_WHOLE;
    SDL_Surface *w = window_pixels();
    SDL_Rect hole;
    bool alike = false;
    if (!(map && map_covers(hole) && window_as_shown_round(w, hole, alike)))
        alike = holds(shown.window, w) && holds(shown.screen, game_screen);
    if (!alike) return FLIP_WHOLE;
    // rc() composes the map anew unless told not to; otherwise it shows the final texture as it is.
    if (map && (!NOUPDATE_RC || now.version != shown.look.version)) return FLIP_MAP_ONLY;
    return FLIP_NOTHING;
}

// The rows of `part` from the window's pixels into the kept copy, which held the rest already.
static void keep_part(std::vector<uint8_t> &kept, const SDL_Surface *s, const SDL_Rect &part) {
    const int bpp = s->format->BytesPerPixel;
    for (int y = part.y; y < part.y + part.h; y++) {
        const size_t at = (size_t)y * (size_t)s->pitch + (size_t)part.x * (size_t)bpp;
        memcpy(kept.data() + at, (const uint8_t *)s->pixels + at, (size_t)part.w * (size_t)bpp);
    }
}

// `part`: the flip drew only there, over a window that held the kept pixels.
static void flip_shown(FlipNeed need, bool map, bool presented, const SDL_Rect *part) {
    shown.valid = false;
    if (!shown.idle || !presented || !game_screen || !renderer_is_software()) return;
    MapLook now{};
    if (map && !map_look(now)) return;
    SDL_Surface *w = window_pixels();
    if (!w) return;
    if (need == FLIP_WHOLE) keep_pixels(shown.screen, game_screen);
    const SDL_Rect bounds = {0, 0, w->w, w->h};
    SDL_Rect in;
    if (part && shown.window.size() == surface_bytes(w) && SDL_IntersectRect(part, &bounds, &in) && SDL_RectEquals(&in, part))
        keep_part(shown.window, w, *part);
    else if (!part || part->w > 0)
        keep_pixels(shown.window, w);
    shown.map = map;
    if (map) shown.look = now;
    shown.valid = true;
}

void flip_forget() { shown.valid = false; }

void flip_idle(int idle) {
    shown.idle = idle != 0;
    if (!shown.idle) shown.valid = false;
}

int MapIntoSurface(SDL_Surface *to) {
    if (!ren || !to || !MapMainFinalTexture || ui_screen_owned()) return 0;
    const int tint = MAPEFF_R + MAPEFF_G + MAPEFF_B;
    if (DISABLE_MAP && tint == 0 && !MAPEFFECT_DRAW) return 0;
    if (tint != 0 && !MAPEFFECT_DRAW) {   // the flip shows the view filled with the effect's colour
        SDL_Rect r = {mapDim.x - 1, mapDim.y - 1, mapDim.width + 1, mapDim.height + 1};
        SDL_FillRect(to, &r, SDL_MapRGB(to->format, (uint8_t)MAPEFF_R, (uint8_t)MAPEFF_G, (uint8_t)MAPEFF_B));
        return 1;
    }
    const SDL_Rect src = map_source();
    if (src.w <= 0 || src.h <= 0) return 0;
    SDL_Surface *part = SDL_CreateRGBSurfaceWithFormat(0, src.w, src.h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!part) return 0;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, MapMainFinalTexture);
    const int read = SDL_RenderReadPixels(ren, &src, SDL_PIXELFORMAT_ARGB8888, part->pixels, part->pitch);
    SDL_SetRenderTarget(ren, held);
    SDL_Rect dst = {mapDim.x, mapDim.y, mapDim.width, mapDim.height};
    SDL_SetSurfaceBlendMode(part, SDL_BLENDMODE_NONE);
    const bool copied = read == 0 && SDL_BlitScaled(part, nullptr, to, &dst) == 0;
    SDL_FreeSurface(part);
    return copied ? 1 : 0;
}

// ---- flipper mode -----------------------------------------------------------------------------

void SetFlipperMode(SDL_Texture *texture, int flags) {
    Flipper_Texture = texture;
    Flipper_Flags = flags;
    if (!texture && flags == 0) MASTER_FLIPPER = 0;
}

void MasterRender() {
    if (!ren) return;
    to_window();
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderClear(ren);
    if (Flipper_Texture) SDL_RenderCopy(ren, Flipper_Texture, nullptr, nullptr);
    if (Flipper_Flags & 2) RenderMapviewTexture();
    if (Flipper_Flags & 8) RenderInfobox();
    if ((Flipper_Flags & 4) && TARGET_CURSOR_X != 0 && TARGET_CURSOR_Y != 0 &&
        TARGET_CURSOR_X >= TARGET_CURSOR_AREA_LX && TARGET_CURSOR_X <= TARGET_CURSOR_AREA_RX &&
        TARGET_CURSOR_Y >= TARGET_CURSOR_AREA_LY && TARGET_CURSOR_Y <= TARGET_CURSOR_AREA_RY) {
        int size = TARGET_CURSOR_SIZE;
        RenderCursor(TARGET_CURSOR_X - size / 2, TARGET_CURSOR_Y - size / 2, size, size);
    }
}

void Flipper() {
    if (!ren) return;
    to_window();
    SDL_RenderPresent(ren);
}

void SetFlipperCursorArea(int x, int y, int w, int h) {
    TARGET_CURSOR_AREA_LX = x;
    TARGET_CURSOR_AREA_LY = y;
    TARGET_CURSOR_AREA_RX = x + w;
    TARGET_CURSOR_AREA_RY = y + h;
}

// Where a cursor lies between two bounds, 0.0 to 1.0; an area of no extent counts as its start.
static float relative(int v, int low, int high) { return high != low ? (float)(v - low) / (float)(high - low) : 0.0f; }

int GetFlipperCursorRelPos(float &fx, float &fy) {
    fx = 0.0f;
    fy = 0.0f;
    if (TARGET_CURSOR_X < TARGET_CURSOR_AREA_LX || TARGET_CURSOR_X > TARGET_CURSOR_AREA_RX) return 0;
    fx = relative(TARGET_CURSOR_X, TARGET_CURSOR_AREA_LX, TARGET_CURSOR_AREA_RX);
    if (TARGET_CURSOR_Y < TARGET_CURSOR_AREA_LY || TARGET_CURSOR_Y > TARGET_CURSOR_AREA_RY) return 0;
    fy = relative(TARGET_CURSOR_Y, TARGET_CURSOR_AREA_LY, TARGET_CURSOR_AREA_RY);
    return 1;
}

int TargetCursorOnArea() {
    float fx, fy;
    return GetFlipperCursorRelPos(fx, fy);
}

void TexToMainRen(SDL_Texture *t, int x, int y, int w, int h) {
    if (!ren || !t || x == 0) return;
    if (w == 0 || h == 0) SDL_QueryTexture(t, nullptr, nullptr, &w, &h);
    SDL_Rect dst = {x, y, w, h};
    NativeResolution_RectConvert(&dst);
    SDL_RenderCopy(ren, t, nullptr, &dst);
}

void RenderInfobox() {
    if (InfoboxRect.x != 0) TexToMainRen(InfoboxTex, InfoboxRect.x, InfoboxRect.y, InfoboxRect.w, InfoboxRect.h);
}

void RemoveInfobox() {
    if (InfoboxTex) SDL_DestroyTexture(InfoboxTex);
    InfoboxTex = nullptr;
    InfoboxRect = {0, 0, 0, 0};
}

// ---- output scale and coordinates -------------------------------------------------------------

int IS_LOGICALRESIZE() {
    if (!ren) return 0;
    int w = 0, h = 0;
    SDL_RenderGetLogicalSize(ren, &w, &h);
    return w != 0;
}

static void output_size(int &w, int &h) {
    w = RESOLUTION_X;
    h = RESOLUTION_Y;
    if (ren) SDL_GetRendererOutputSize(ren, &w, &h);
}

float renderXscale() {
    int w, h;
    output_size(w, h);
    return (float)w / (float)RESOLUTION_X;
}

float renderYscale() {
    if (IS_LOGICALRESIZE()) return 1.0f;
    int w, h;
    output_size(w, h);
    return (float)h / (float)RESOLUTION_Y;
}

int NativeResolution_RectConvert(SDL_Rect *r) {
    if (IS_LOGICALRESIZE()) return 1;
    float sx = renderXscale(), sy = renderYscale();
    if (sx == 1.0f && sy == 1.0f) return 0;
    if (r) {
        r->x = (int)((float)r->x * sx);
        r->w = (int)((float)r->w * sx);
        r->y = (int)((float)r->y * sy);
        r->h = (int)((float)r->h * sy);
    }
    return 0;
}

void GetWinSize(int *w, int *h) {
    int ww = 0, hh = 0;
    if (win) SDL_GetWindowSize(win, &ww, &hh);
    if (w) *w = ww;
    if (h) *h = hh;
}

SDL_Rect *RenRect(SDL_Rect *r) {
    if (!r) return r;
    *r = {0, 0, 0, 0};
    if (ren) SDL_RenderGetViewport(ren, r);
    return r;
}

// Window pixels to game pixels along one axis of `size` game pixels.
static int win_to_game(int v, int window, int offset, int size) {
    float span = (float)(window - 2 * offset);
    if (span <= 0.0f) return v;   // no window to measure against
    if (span <= (float)size) return (int)ceilf((float)v * ((float)size / span));
    return (int)ceilf((float)v / (span / (float)size));
}

int winXtogameX(int x) {
    int w, h;
    GetWinSize(&w, &h);
    SDL_Rect vp;
    RenRect(&vp);
    return win_to_game(x, w, vp.x, RESOLUTION_X);
}

int winYtogameY(int y) {
    int w, h;
    GetWinSize(&w, &h);
    SDL_Rect vp;
    RenRect(&vp);
    return win_to_game(y, h, vp.y, RESOLUTION_Y);
}

int winW() { return RESOLUTION_X; }
int winH() { return RESOLUTION_Y; }
