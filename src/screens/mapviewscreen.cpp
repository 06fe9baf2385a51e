// src/screens/mapviewscreen.cpp -- the map of known areas: the page with its legends and buttons, the
// map area drawn from the view's surface, the target cursor, the information box of a click, and the
// editor and chooser of the player's own markers.
#include "screens/mapviewscreen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "presentation/audio.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/mapview.h"
#include "presentation/show.h"
#include "presentation/show_int.h"
#include "presentation/windows.h"
#include "quests/questmarks.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "screens/gamescreens.h"

namespace MapViewToggles {
unsigned char NaytaKulttuurit = 1;
unsigned char NaytaMarkkerit = 1;
}

static SDL_Texture *MapviewMainTex = nullptr;

static SDL_Texture *page_texture() {
    if (!ren) return nullptr;
    if (MapviewMainTex) SDL_DestroyTexture(MapviewMainTex);
    MapviewMainTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, RESOLUTION_X, RESOLUTION_Y);
    return MapviewMainTex;
}

// Copies a legend onto the page, dimmed while its toggle is off.
static void legend_onto_page(SDL_Texture *legend, int x, int y, int lit) {
    if (!legend || !MapviewMainTex) return;
    int w, h;
    SDL_QueryTexture(legend, nullptr, nullptr, &w, &h);
    const uint8_t m = lit ? 255 : 110;
    SDL_SetTextureColorMod(legend, m, m, m);
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, MapviewMainTex);
    SDL_Rect to = {x, y, w, h};
    SDL_RenderCopy(ren, legend, nullptr, &to);
    SDL_SetRenderTarget(ren, held);
    SDL_SetTextureColorMod(legend, 255, 255, 255);
}

static void MapView_Draw_CultMarkerBoxes(unsigned char cultures, unsigned char markers) {
    legend_onto_page(MarkerDialogTexture, 545, 45, markers);
    legend_onto_page(CultureDialogTexture, 545, 290, cultures);
}

static void CompileMapviewSubscreen() {
    SDL_Texture *page = page_texture();
    if (!page) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, page);
    RenderWideWorld();
    SDL_SetRenderTarget(ren, held);
    SubscreenTitleToTexture(page, "MAP OF KNOWN AREAS");
    SANATAULUKKO_finfo("KNOWN_AREAS_MAP");
    const int h = toTex_sanataulukko(page, 500, 500, 280, -1, RGBAColor_PaleGoldenRod, 1);
    SDL_SetRenderTarget(ren, page);
    renderwinbox(ren, 490, 490, 300, h + 20, "", 36, RGBAColor_Black);
    SDL_SetRenderTarget(ren, held);
    SANATAULUKKO_finfo("KNOWN_AREAS_MAP");
    toTex_sanataulukko(page, 500, 500, 280, 0, RGBAColor_PaleGoldenRod, 1);
}

static int quests_listed = 0;   // the quest list held a quest when the view opened

static void start_list() {
    LIST_Reset(RGB_to_color(252, 252, 84), "", 0, 0, 780, 600, LIST_SPOTSTYLE);
    LIST_Style(0, "", "", 1, 0);
    LIST_AdvStyle(1, 1);
    LIST_RGBA_TextColor(RGBAColor_Yellow, 0);
    SDL_Texture *page = MapviewMainTex;
    char arrow[4] = {27, 0};
    LIST_toTex_ButtonSpotEntry(page, KEY_LEFT, 15, 230, arrow);
    arrow[0] = 26;
    LIST_toTex_ButtonSpotEntry(page, KEY_RIGHT, 445, 230, arrow);
    arrow[0] = 24;
    LIST_toTex_ButtonSpotEntry(page, KEY_UP, 230, 25, arrow);
    arrow[0] = 25;
    LIST_toTex_ButtonSpotEntry(page, KEY_DOWN, 230, 455, arrow);
    LIST_toTex_ButtonSpotEntry(page, 'M', 550, 230, "M.Toggle map markers");
    LIST_toTex_ButtonSpotEntry(page, 'A', 550, 245, "A.Add/edit custom marker");
    if (MAPVIEW_CURQUEST || quests_listed) LIST_toTex_ButtonSpotEntry(page, 'Q', 550, 260, "Q.Toggle quest markers");
    LIST_toTex_ButtonSpotEntry(page, 'C', 550, 455, "C.Toggle cultural regions");
    LIST_toTex_ButtonSpotEntry(page, KEY_F3, 550, 570, "F3.Toggle target cursor");
    LIST_toTex_ButtonSpotEntry(page, KEY_ESC, 10, 570, "ESC.Exit");
    toTex_showtext(page, 13, 528, "Zoom map view by mouse wheel or with the following keys:", ColorPack(RGBAColor_Lightgray), 0);
    LIST_RGBA_TextColor(RGBAColor_Lightgray, 0);
    LIST_toTex_ButtonSpotEntry(page, 0, 10, 540, "[CTRL -] Zoom out [CTRL +] Zoom in [CTRL 0] Reset or max");
    LIST_Entry(KEY_WHEEL_DOWN, "NO DISPLAY");
    LIST_Entry(KEY_WHEEL_UP, "NO DISPLAY");
    LIST_Entry(KEY_CTRL_0, "NO DISPLAY");
    LIST_FlipperMode(page, 14);
    LIST_MousemoveReturn();
    LIST_EnableFreeClicks();
    SetFlipperCursorArea(wholemapGui.x, wholemapGui.y, wholemapGui.width, wholemapGui.height);
}

static void redraw() {
    MapViewArea_MasterRender(mapviewMIDX, mapviewMIDY, MapViewToggles::NaytaKulttuurit, MapViewToggles::NaytaMarkkerit, MAPVIEW_CURQUEST);
}

static void build_page() {
    CompileMapviewSubscreen();
    MapView_Draw_CultMarkerBoxes(MapViewToggles::NaytaKulttuurit, MapViewToggles::NaytaMarkkerit);
    start_list();
    redraw();
}

// The information box placed by the target cursor: right of it and above, or centred over it when it
// would reach past x 780, below it when above would leave the screen, never left of x 10.
static void place_infobox(int cx, int cy) {
    const int w = InfoboxRect.w, h = InfoboxRect.h;
    int x = cx + 16, y = cy - 16;
    if (x + w > 780) {
        x = cx - w / 2;
        y = cy - h - 16;
        if (y < 0) y = cy + 16;
    }
    if (x < 10) x = 10;
    InfoboxRect.x = x;
    InfoboxRect.y = y;
}

static void edit_markers_here() {
    if (!MAPVIEWINFO_CUSTOMMARKERS || NUMOmvMarkersToEdit == 0) {
        mvMarkerStruct m;
        if (!GotCustomMarker(IsoX(), IsoY(), m)) memset(&m, 0, sizeof m);
        MapView_EditMarker(m);
    } else if (NUMOmvMarkersToEdit == 1) {
        MapView_EditMarker(mvMarkersToEdit[0]);
    } else {
        const int i = MapView_SelectMarker(IsoX(), IsoY(), 0);
        if (i >= 0 && i < NUMOmvMarkersToEdit) MapView_EditMarker(mvMarkersToEdit[i]);
    }
    RemoveInfobox();
    MAPVIEWINFO_CUSTOMMARKERS = 0;
}

void MapView(unsigned, unsigned quest) {
    play_disk_music("music_chant.ogg", -1);
    unsigned ids[1];
    quests_listed = QuestMarkIds(ids, 1) > 0;
    RemoveInfobox();
    Ruudunpaivitys_Off();
    if (bigmap()) {   // her world cell is where she stands on the world map
        Plr.world_x = (uint32_t)PlayerX;
        Plr.world_y = (uint32_t)PlayerY;
    }
    confirm_alltime_memorymap();
    mapviewMIDX = IsoX();
    mapviewMIDY = IsoY();
    if (quest == 0) {
        MAPVIEW_CURQUEST = 0;
        if (DRAWMARKERS_QUESTS == 1) DRAWMARKERS_QUESTS = 2;
    } else {
        MAPVIEW_CURQUEST = quest;
        DRAWMARKERS_QUESTS = 1;
        QuestStruct *q = new QuestStruct;
        if (loadQuest(quest, *q) && q->worldX != 0) {
            mapviewMIDX = (int)q->worldX;
            mapviewMIDY = (int)q->worldY;
        }
        delete q;
    }
    mapview_clamp_centre(mapviewMIDX, mapviewMIDY, MapViewPixScale);
    TARGET_CURSOR_X = TARGET_CURSOR_Y = 0;
    build_page();
    int box_x = 0, box_y = 0;   // where the cursor stood when the box was made
    for (;;) {
        const int r = LIST_Go();
        if (r == -1 && WindowClosed()) break;
        if (r == -1) {
            TARGET_CURSOR_X = MOUSE_X;
            TARGET_CURSOR_Y = MOUSE_Y;
            if (InfoboxRect.x != 0 && (std::abs(MOUSE_X - box_x) > 16 || std::abs(MOUSE_Y - box_y) > 16)) RemoveInfobox();
            continue;
        }
        if (r == KEY_WINDOW) {
            build_page();
            continue;
        }
        const int key = r == KEY_FREECLICK ? KEY_FREECLICK : LIST_PosKey(r);
        bool changed = false;
        if (key == KEY_ESC) break;
        switch (key) {
        case KEY_FREECLICK: {
            float fx, fy;
            RemoveInfobox();
            if (MOUSECLICK) {   // a click puts the cursor where it was made
                TARGET_CURSOR_X = MOUSE_X;
                TARGET_CURSOR_Y = MOUSE_Y;
            }
            if (!GetFlipperCursorRelPos(fx, fy)) break;
            int x, y;
            mapview_click_cell(fx, fy, mapviewMIDX, mapviewMIDY, MapViewPixScale, x, y);
            if (MapView_Compile_Infobox(x, y, DRAWMARKERS_QUESTS != 0)) {
                place_infobox(TARGET_CURSOR_X, TARGET_CURSOR_Y);
                box_x = TARGET_CURSOR_X;
                box_y = TARGET_CURSOR_Y;
            }
            break;
        }
        case KEY_LEFT:
        case KEY_RIGHT:
        case KEY_UP:
        case KEY_DOWN:
            if (TargetCursorOnArea()) {
                TARGET_CURSOR_X += key == KEY_LEFT ? -12 : key == KEY_RIGHT ? 12 : 0;
                TARGET_CURSOR_Y += key == KEY_UP ? -12 : key == KEY_DOWN ? 12 : 0;
            } else {
                mapview_scroll(mapviewMIDX, mapviewMIDY, MapViewPixScale, key);
                changed = true;
            }
            break;
        case 'M':
            MapViewToggles::NaytaMarkkerit = !MapViewToggles::NaytaMarkkerit;
            MapView_Draw_CultMarkerBoxes(MapViewToggles::NaytaKulttuurit, MapViewToggles::NaytaMarkkerit);
            changed = true;
            break;
        case 'C':
            MapViewToggles::NaytaKulttuurit = !MapViewToggles::NaytaKulttuurit;
            MapView_Draw_CultMarkerBoxes(MapViewToggles::NaytaKulttuurit, MapViewToggles::NaytaMarkkerit);
            changed = true;
            break;
        case 'Q':
            DRAWMARKERS_QUESTS = DRAWMARKERS_QUESTS ? 0 : MAPVIEW_CURQUEST ? 1 : 2;
            changed = true;
            break;
        case 'A':
            edit_markers_here();
            build_page();
            break;
        case KEY_F3:
            if (!TargetCursorOnArea()) {
                TARGET_CURSOR_X = wholemapGui.x + wholemapGui.width / 2;
                TARGET_CURSOR_Y = wholemapGui.y + wholemapGui.height / 2;
            } else {
                TARGET_CURSOR_X = TARGET_CURSOR_Y = 0;
            }
            break;
        case KEY_WHEEL_UP:
        case KEY_WHEEL_DOWN:
        case KEY_CTRL_0: {
            const int z = mapview_zoom_after(MapViewPixScale, key);
            changed = z != MapViewPixScale;
            MapViewPixScale = z;
            mapview_clamp_centre(mapviewMIDX, mapviewMIDY, MapViewPixScale);
            break;
        }
        default: break;
        }
        if (InfoboxRect.x == 0) MAPVIEWINFO_CUSTOMMARKERS = 0;
        if (changed) redraw();
    }
    RemoveInfobox();
    LIST_FlipperMode(nullptr, 0);
    SetFlipperMode(nullptr, 0);
    if (MapviewMainTex) SDL_DestroyTexture(MapviewMainTex);
    MapviewMainTex = nullptr;
    TARGET_CURSOR_X = TARGET_CURSOR_Y = 0;
    stop_music();
    Ruudunpaivitys_On();
}

void map_view_screen() { MapView(0, 0); }

// ---- the marker editor and chooser ---------------------------------------------------------------------

enum { EDITOR_TEXT_Y = 100 };   // the marker editor's explanation, below its buttons

static void editor_box(const mvMarkerStruct &m, bool is_new) {
    RemoveInfobox();
    if (!ren) return;
    SANATAULUKKO_Lisaa(1, is_new ? "A new marker will be added at your character's present location. "
                                 : "You can now edit the marker text and color, or remove it. ");
    SANATAULUKKO_Lisaa("Markers can contain two lines of text filled with information you prefer.");
    // The explanation below the buttons, its last line clear of the frame's foot.
    const int h = std::max(130, EDITOR_TEXT_Y + sanataulukko_height(580) + 8);
    InfoboxTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 600, h);
    InfoboxRect = {100, 100, 600, h};
    if (!InfoboxTex) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, InfoboxTex);
    renderwinbox(ren, 0, 0, 600, h, is_new ? "ADD MARKER AT CHARACTER'S LOCATION" : "EDIT MARKER", 2, RGBAColor_Black);
    render_sanataulukko(ren, 10, EDITOR_TEXT_Y, 580, 0, RGBAColor_Black, 0);
    SDL_Color c;
    MarkerTypeColor(&c, m.color);
    Spotmark_Render(ren, 15, 40, 6, c, 5);
    renshowtext(ren, 30, 30, m.text1, ColorPack(RGBAColor_Black), 0);
    renshowtext(ren, 30, 45, m.text2, ColorPack(RGBAColor_Black), 0);
    SDL_SetRenderTarget(ren, held);

    LIST_Reset(RGB_to_color(252, 252, 84), "", 100, 100, 600, h, LIST_SPOTSTYLE);
    LIST_RGBA_TextColor(RGBAColor_Yellow, 0);
    LIST_XY_offset(100, 100);
    LIST_toTex_ButtonSpotEntry(InfoboxTex, KEY_ENTER, 5, 65, "ENTER.Edit text");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, 'R', 140, 65, "R");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, 'G', 160, 65, "G");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, 'B', 180, 65, "B");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, 'Y', 200, 65, "Y");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, 'W', 220, 65, "W");
    toTex_showtext(InfoboxTex, 245, 71, "Set color", ColorPack(RGBAColor_Black), 0);
    LIST_toTex_ButtonSpotEntry(InfoboxTex, KEY_DELETE, 360, 65, "DEL.Remove");
    LIST_toTex_ButtonSpotEntry(InfoboxTex, KEY_ESC, 500, 65, "ESC.Exit");
    LIST_FlipperMode(MapviewMainTex, 10);
}

// One line typed into the field over the box: the Esc character keeps the line, two leave the editor.
static bool edit_line(char (&line)[100], int y) {
    const char *typed = Master_gettext(130, y, 64, line, RGBAColor_Black, RGBAColor_White);
    if (typed[0] == KEY_ESC && typed[1] == KEY_ESC) return false;
    if (typed[0] != KEY_ESC) mvMarker_SetText(line, typed);
    return true;
}

void MapView_EditMarker(mvMarkerStruct m) {
    const bool is_new = m.x == 0;
    if (is_new) m = mvMarker_New();
    m.text1[sizeof m.text1 - 1] = 0;
    m.text2[sizeof m.text2 - 1] = 0;
    bool erased = false;
    for (;;) {
        editor_box(m, is_new);
        const int r = LIST_Go();
        if (r < 0 || r == KEY_FREECLICK) {
            if (r == KEY_FREECLICK) continue;
            break;
        }
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC) break;
        if (key == 'R' || key == 'G' || key == 'B' || key == 'Y' || key == 'W') {
            m.color = key == 'R' ? 1 : key == 'G' ? 2 : key == 'B' ? 3 : key == 'Y' ? 4 : 5;
        } else if (key == KEY_ENTER) {
            if (!edit_line(m.text1, 130) || !edit_line(m.text2, 145)) break;
        } else if (key == KEY_DELETE) {
            mvMarker_fwrite(m, 1);
            erased = true;
            break;
        }
    }
    RemoveInfobox();
    if (!erased && (m.text1[0] || m.text2[0])) mvMarker_fwrite(m, 0);
}

int MapView_SelectMarker(int, int, unsigned) {
    const int n = NUMOmvMarkersToEdit < MVMARKERS_TO_EDIT ? NUMOmvMarkersToEdit : MVMARKERS_TO_EDIT;
    const int lh = textlineh(1.5f) > 0 ? textlineh(1.5f) : 15;
    const int h = 30 + (n + 1) * lh;
    RemoveInfobox();
    if (ren) InfoboxTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 600, h);
    InfoboxRect = {100, 100, 600, h};
    if (InfoboxTex) {
        SDL_Texture *held = SDL_GetRenderTarget(ren);
        SDL_SetRenderTarget(ren, InfoboxTex);
        renderwinbox(ren, 0, 0, 600, h, "SELECT MARKER TO EDIT", 8, RGBAColor_Black);
        SDL_SetRenderTarget(ren, held);
    }
    LIST_Reset(RGB_to_color(252, 252, 84), "", 100, 100, 600, h, LIST_SPOTSTYLE);
    LIST_RGBA_TextColor(RGBAColor_Yellow, 0);
    LIST_XY_offset(100, 100);
    for (int i = 0; i < n; i++) {
        char label[120];
        snprintf(label, sizeof label, "%c.%s", 'A' + i, mvMarkersToEdit[i].text1);
        LIST_toTex_ButtonSpotEntry(InfoboxTex, 'A' + i, 10, 30 + i * lh, label);
    }
    LIST_Entry(KEY_ESC, "NO DISPLAY");
    LIST_FlipperMode(MapviewMainTex, 10);
    int chosen = -1;
    for (;;) {
        const int r = LIST_Go();
        if (r == KEY_FREECLICK) continue;
        if (r < 0) break;
        const int key = LIST_PosKey(r);
        if (key >= 'A' && key < 'A' + n) chosen = key - 'A';
        break;
    }
    RemoveInfobox();
    return chosen;
}
