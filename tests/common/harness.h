// tests/common/harness.h -- what every test needs: a throwaway working folder holding the generated
// assets, SDL started headless, pushed events and pixel reads of the screen surface.
#pragma once
#include "base/ui.h"
#include "base/ui_pixels.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>

namespace oxatest {

// A fresh folder under /tmp that becomes the working folder for the test; removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string &path() const { return path_; }
    // Copies a file of the built working folder (fonts, palette, data) into this folder.
    void copy_asset(const char *relative);
    // A file or folder of the built working folder seen through a link, for what neither the test nor
    // the game ever writes (the pictures, the tiles): copying hundreds of pictures costs more than the
    // test. The link goes with the folder; what it points to stays.
    void link_asset(const char *relative);
    void write_file(const char *name, const std::string &contents);
    std::string read_file(const char *name) const;
    bool exists(const char *name) const;
private:
    std::string path_, previous_;
};

// The hidden window, once a process, with the renderer and the screen surface (initgr); when it is open
// already, the font and palette of the working folder are read again and the screen installed again.
void open_window();

// Opens SDL headless with a window, the renderer and the screen surface (initgr), the font and the
// palette, in a TempDir. Every wait of the game is switched off. The rules ask this screen during the
// test (base/ui.h); after it the null screen answers again.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TempDir *dir = nullptr;
};

// For the tests of a game without a screen: while it lives, the window, renderer and screen an earlier
// test of the same process opened are out of sight, and the game runs as in a process that never
// opened them (the loader draws nothing, so the clock's refresh of the panels does not run) and the
// null screen answers the rules (script its keys with ui_script_keys).
class NoScreen {
public:
    NoScreen();
    ~NoScreen();
    NoScreen(const NoScreen &) = delete;
    NoScreen &operator=(const NoScreen &) = delete;
private:
    SDL_Window *win_;
    SDL_Renderer *ren_;
    SDL_Texture *tex_;
    SDL_Surface *screen_;
    int graph_init_;
    UiScreen ui_;
    UiPixels pixels_;
};

std::string asset_path(const char *relative);   // a file of the built working folder
// Every byte of a file in one read; empty when the file is missing.
std::vector<uint8_t> read_bytes(const std::string &path);
void push_key(SDL_Keycode key, uint16_t mod = 0);
void push_text(const char *text);
void push_quit();
uint32_t pixel(int x, int y);                   // the screen surface's pixel
uint32_t window_rgb(int x, int y);              // the window's pixel read back, packed 0xRRGGBB
void rgb(uint32_t pixel, int &r, int &g, int &b);
// Writes the screen surface as a BMP beside the test binary for a person to look at.
void dump_screen(const char *name);

}  // namespace oxatest
