// The setup screen played by keys: every choice is in "oxa_ini.txt" the moment it is made, the
// entries move when sound or lighting is switched, the music and the controller follow, and a
// setting that cannot be written is told on the screen with the file left as it was.
#include "audio/audio_fixture.h"
#include "screens/screen_typist.h"

#include "base/ownlib.h"
#include "core/config.h"
#include "presentation/audio.h"
#include "presentation/oxalistener.h"
#include "presentation/readable.h"
#include "presentation/screen.h"
#include "presentation/windows.h"
#include "screens/infoscreens.h"
#include "screens/setup.h"

#include <SDL2/SDL_net.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <string>

namespace oxatest {
namespace {

bool near(SDL_Color c, SDL_Color want, int tol) {
    return abs(c.r - want.r) <= tol && abs(c.g - want.g) <= tol && abs(c.b - want.b) <= tol;
}

// The text stands at (x, y): every pixel of its letters is near the colour (the cursor's bar lightens
// the line under it a little) and no other pixel of its cells is.
bool reads(const Shot &s, int x, int y, const std::string &text, SDL_Color ink, int tol = 45) {
    for (size_t i = 0; i < text.size(); i++)
        for (int r = 0; r < 10; r++)
            for (int c = 0; c < 8; c++) {
                const bool letter = FONT[(unsigned char)text[i] * 80 + r * 8 + c] == 1;
                if (letter != near(shot_at(s, x + 8 * (int)i + c, y + r), ink, tol)) return false;
            }
    return true;
}

// No text of the colour anywhere in the band of a line.
bool empty_line(const Shot &s, int y, SDL_Color ink) {
    for (int r = 0; r < 10; r++)
        for (int x = 15; x < 330; x++)
            if (near(shot_at(s, x, y + r), ink, 45)) return false;
    return true;
}

const SDL_Color YELLOW = {252, 252, 84, 255}, STEEL = {176, 196, 222, 255}, WHITE = {255, 255, 255, 255};

// The settings the screen reads and changes, as they were before a test, put back after it.
struct Settings {
    int sound = SB_SOUND, volume = AUDIO_MAIN_VOLUME, music = BACKMUSIC, night = OXAINI_BRIGHTNIGHT,
        grid = OXAINI_GRID, museum = PELIMUSEO_EDIT, port = OXAINI_CONTROLLER_PORT, ambient = AMBIENTSOUNDS,
        moves = MOVEMENTSOUNDS, idle = IDLE_ANIMATION, started = Oxalistener_initialized,
        listen_port = Oxalistener_controllerPort;
    uint8_t trad = TRADMOVEMENT, light = OXAINI_MAPLIGHTING, alt = OXAINI_RIGHTALT, controller = OXAINI_CONTROLLER,
            resize = OXAINI_LOGICALRESIZE;
    void put_back() const {
        SB_SOUND = sound, AUDIO_MAIN_VOLUME = volume, BACKMUSIC = music, OXAINI_BRIGHTNIGHT = night;
        OXAINI_GRID = grid, PELIMUSEO_EDIT = museum, OXAINI_CONTROLLER_PORT = port, AMBIENTSOUNDS = ambient;
        MOVEMENTSOUNDS = moves, IDLE_ANIMATION = idle, Oxalistener_initialized = started;
        Oxalistener_controllerPort = listen_port;
        TRADMOVEMENT = trad, OXAINI_MAPLIGHTING = light, OXAINI_RIGHTALT = alt, OXAINI_CONTROLLER = controller;
        OXAINI_LOGICALRESIZE = resize;
    }
};

// The setup screen over a screen of its own; with the mixer open for the music (Base = AudioTest).
template <class Base> class SetupFixture : public Base {
protected:
    void SetUp() override {
        Base::SetUp();
        SB_SOUND = 1;   // sound on as start-up leaves it; no mixer unless the test opens it
        OXAINI_MAPLIGHTING = 1;
    }
    void TearDown() override {
        saved.put_back();
        Base::TearDown();
        saved.put_back();
    }
    void play(Typist &t) { t.run([] { setup_screen(); }); }
    std::string ini() const { return this->dir->read_file("oxa_ini.txt"); }
    Settings saved;
};
using SetupScreen = SetupFixture<ScreenTest>;
using SetupMusic = SetupFixture<AudioTest>;

TEST_F(SetupScreen, EveryChoiceIsInTheFileAtOnceAndShownOnTheNextPass) {
    // FULLSCREEN, VOLUME and NIGHT_BRIGHTNESS through their cycles; the other lines of the file stay.
    std::map<std::string, std::string> v = {{"FULLSCREEN", "maximized"}, {"VOLUME", "55"}, {"NIGHT_BRIGHTNESS", "57"}};
    auto file = [&v] {
        return "// my settings\n[FULLSCREEN:" + v["FULLSCREEN"] + "]\n[AUDIO:YES]\n[VOLUME:" + v["VOLUME"] +
               "]\n[NIGHT_BRIGHTNESS:" + v["NIGHT_BRIGHTNESS"] + "]\n[IDLE_ANIMATION:NO]\n";
    };
    dir->write_file("oxa_ini.txt", file());
    struct Step {
        std::initializer_list<SDL_Keycode> keys;
        const char *key, *value;   // what the file then holds
        int y;                     // and the screen shows on that entry's line
        const char *line;
    };
    const Step steps[] = {
        {{}, "FULLSCREEN", "maximized", 40, "FULLSCREEN: maximized"},
        {{}, "VOLUME", "55", 120, "VOLUME: 50"},
        {{}, "NIGHT_BRIGHTNESS", "57", 275, "NIGHT BRIGHTNESS: 60 (maximum)"},
        {{SDLK_RETURN}, "FULLSCREEN", "NO", 40, "FULLSCREEN: NO"},
        {{SDLK_RETURN}, "FULLSCREEN", "YES", 40, "FULLSCREEN: YES"},
        {{SDLK_RETURN}, "FULLSCREEN", "MAXIMIZED", 40, "FULLSCREEN: MAXIMIZED"},
        {{SDLK_RETURN}, "FULLSCREEN", "NO", 40, "FULLSCREEN: NO"},
        {{SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}, "VOLUME", "60", 120, "VOLUME: 60"},
        {{SDLK_RETURN, SDLK_RETURN, SDLK_RETURN, SDLK_RETURN}, "VOLUME", "100", 120, "VOLUME: 100"},
        {{SDLK_RETURN}, "VOLUME", "10", 120, "VOLUME: 10"},
        {{SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}, "NIGHT_BRIGHTNESS", "60", 275,
         "NIGHT BRIGHTNESS: 60 (maximum)"},
        {{SDLK_RETURN}, "NIGHT_BRIGHTNESS", "0", 275, "NIGHT BRIGHTNESS: 0 (default)"},
        {{SDLK_RETURN}, "NIGHT_BRIGHTNESS", "5", 275, "NIGHT BRIGHTNESS: 5"},
    };
    std::vector<std::string> seen, wanted;
    Typist t;
    for (const Step &s : steps) {
        t.keys(s.keys);
        t.look([&, s] {
            v[s.key] = s.value;
            wanted.push_back(file());
            seen.push_back(ini());
            EXPECT_TRUE(reads(copy_of_screen(), 15, s.y, s.line, YELLOW)) << s.line;
        });
    }
    t.key(SDLK_ESCAPE);
    play(t);
    ASSERT_EQ(seen.size(), std::size(steps));
    for (size_t i = 0; i < seen.size(); i++) EXPECT_EQ(seen[i], wanted[i]) << "after step " << i;
    // Leaving read the file again: the game runs with what it holds.
    EXPECT_EQ(AUDIO_MAIN_VOLUME, 10);
    EXPECT_EQ(OXAINI_BRIGHTNIGHT, 5);
    EXPECT_EQ(IDLE_ANIMATION, 0);
}

TEST_F(SetupScreen, TheGameOptionsMenuOpensIt) {
    dir->write_file("oxa_ini.txt", "[FULLSCREEN:NO]\n");
    Typist t;
    t.key(SDLK_o).key(SDLK_RETURN).key(SDLK_ESCAPE);
    int key = -1;
    t.run([&] { key = menusel_Gameoptions(); });
    EXPECT_EQ(key, 0);
    EXPECT_EQ(ini(), "[FULLSCREEN:YES]\n");
}

TEST_F(SetupScreen, SoundOrLightingOffMovesTheEntriesUpAndLeavesTheirSettings) {
    const std::string kept = "[VOLUME:55]\n[BACKGROUND_MUSIC:YES]\n[NIGHT_BRIGHTNESS:20]\n";
    dir->write_file("oxa_ini.txt", "[FULLSCREEN:NO]\n[AUDIO:YES]\n[MAP_LIGHTING_EFFECTS:YES]\n[MAP_GRID:NO]\n" + kept);
    Typist t;
    t.keys({SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});   // AUDIO off
    t.look([&] {
        EXPECT_NE(ini().find("[AUDIO:NO]"), std::string::npos);
        const Shot s = copy_of_screen();
        EXPECT_TRUE(empty_line(s, 120, YELLOW)) << "no volume line";
        EXPECT_TRUE(reads(s, 15, 130, "TRADITIONAL MOVEMENT: NO", YELLOW));
        EXPECT_TRUE(reads(s, 15, 245, "NIGHT BRIGHTNESS: 20", YELLOW));
        EXPECT_TRUE(reads(s, 15, 285, "FAST TARGET CURSOR: NO", YELLOW));
        EXPECT_TRUE(reads(s, 15, 465, "MOBILE CONTROLLER: NO", YELLOW));
    });
    // MAP LIGHTING EFFECTS is now the sixth entry: off, and the night line goes.
    t.keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    t.look([&] {
        EXPECT_NE(ini().find("[MAP_LIGHTING_EFFECTS:NO]"), std::string::npos);
        const Shot s = copy_of_screen();
        EXPECT_TRUE(reads(s, 15, 250, "FAST TARGET CURSOR: NO", YELLOW));
        EXPECT_TRUE(reads(s, 15, 290, "RIGHT ALT HOTKEYS: YES", YELLOW));
        EXPECT_TRUE(reads(s, 15, 430, "MOBILE CONTROLLER: NO", YELLOW));
    });
    // MAP GRID three entries further; then FULLSCREEN from the top.
    t.keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, SDLK_PAGEUP, SDLK_RETURN, SDLK_ESCAPE});
    play(t);
    EXPECT_EQ(ini(), "[FULLSCREEN:YES]\n[AUDIO:NO]\n[MAP_LIGHTING_EFFECTS:NO]\n[MAP_GRID:YES]\n" + kept);
}

TEST_F(SetupScreen, PixelsOfTheScreenWithItsBackground) {
    ASSERT_EQ(symlink(asset_path("truegfx").c_str(), "truegfx"), 0);
    lataa_gui_grafiikka();
    dir->write_file("oxa_ini.txt", "[AUDIO:YES]\n");
    const struct {
        int y;
        const char *text;
        SDL_Color ink;
    } lines[] = {
        {40, "FULLSCREEN: NO", YELLOW},
        {55, "LOGICAL RESIZE: YES", YELLOW},
        {70, "  On widescreen displays you can set LOGICAL RESIZE to NO for full, although stretched output.", STEEL},
        {105, "AUDIO: YES", YELLOW},
        {120, "VOLUME: 50", YELLOW},
        {135, "BACKGROUND MUSICS: YES", YELLOW},
        {160, "TRADITIONAL MOVEMENT: NO", YELLOW},
        {175, "  If heading based movement feels tricky you can switch to traditional roguelike movement here.", STEEL},
        {200, "AUTO ENTER HOMESTEAD: NO", YELLOW},
        {240, "MAP LIGHTING EFFECTS: YES", YELLOW},
        {275, "NIGHT BRIGHTNESS: 0 (default)", YELLOW},
        {315, "FAST TARGET CURSOR: NO", YELLOW},
        {355, "RIGHT ALT HOTKEYS: YES", YELLOW},
        {395, "MAP GRID: NO", YELLOW},
        {435, "OLD HARDWARE MODE: NO", YELLOW},
        {470, "  You need to restart the game for value changes here to take effect.", STEEL},
        {495, "MOBILE CONTROLLER: NO", YELLOW},
        {510, "  Enable this to use Oxa mobile controller app.", STEEL},
    };
    Shot s;
    Typist t;
    t.look([&] { s = copy_of_screen(); }).key(SDLK_ESCAPE);
    play(t);
    ASSERT_TRUE(s);
    for (const auto &l : lines) EXPECT_TRUE(reads(s, 15, l.y, l.text, l.ink, l.ink.b == 84 ? 45 : 0)) << l.text;
    char folder[200];
    info_folder_line(folder, sizeof folder, 0);
    EXPECT_TRUE(reads(s, 10, 570, folder, WHITE, 0)) << "the folder in the box at the foot";
    // The picture behind: dark enough under the entries for their yellow to stand out.
    int light = 0, n = 0;
    for (int y = 300; y < 500; y += 7)
        for (int x = 400; x < 790; x += 7, n++) {
            const SDL_Color c = shot_at(s, x, y);
            light += c.r + c.g + c.b > 3 * 150;
        }
    EXPECT_GT(n, 0);
    EXPECT_LT(light, n / 10) << "the background is not dark";
    bool picture = false;
    for (int x = 400; x < 790 && !picture; x += 3) picture = shot_at(s, x, 300).r + shot_at(s, x, 300).b > 20;
    EXPECT_TRUE(picture) << "no picture behind the window";
}

TEST_F(SetupMusic, MusicAndVolumeActOnTheMusicPlaying) {
    open_mixer();
    dir->write_file("oxa_ini.txt", "[VOLUME:40]\n[BACKGROUND_MUSIC:YES]\n");
    AUDIO_MAIN_VOLUME = 40;
    play_disk_music("intro.ogg", -1);
    ASSERT_TRUE(Mix_PlayingMusic());
    const struct {
        std::initializer_list<SDL_Keycode> keys;
        const char *music;
        bool paused;
        int volume;
    } steps[] = {
        {{SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}, "NO", true, 52},
        {{SDLK_RETURN}, "YES", false, 52},
        {{SDLK_UP, SDLK_RETURN}, "YES", false, 64},
    };
    Typist t;
    for (const auto &s : steps) {
        t.keys(s.keys).look([&, s] {
            EXPECT_EQ(inival("BACKGROUND_MUSIC", ""), std::string(s.music));
            EXPECT_EQ(Mix_PausedMusic() != 0, s.paused);
            EXPECT_EQ(Mix_VolumeMusic(-1), s.volume) << "as loud as at start-up with the setting";
        });
    }
    t.keys({SDLK_UP, SDLK_RETURN});   // AUDIO off stops the music
    t.look([] { EXPECT_FALSE(Mix_PlayingMusic()); });
    t.key(SDLK_ESCAPE);
    play(t);
    EXPECT_EQ(SB_SOUND, 0);
}

// The controller listener starts on leaving when the setting is on and it is not running yet. The
// port asked for is held here, so the start shows as "NOT FOUND" and leaves no socket open.
TEST_F(SetupScreen, LeavingStartsTheControllerListenerWhenSwitchedOn) {
    ASSERT_EQ(SDLNet_Init(), 0);
    UDPsocket held = SDLNet_UDP_Open(0);
    ASSERT_NE(held, nullptr);
    const int port = SDLNet_Read16(&SDLNet_UDP_GetPeerAddress(held, -1)->port);
    for (int running : {1, 0}) {
        dir->write_file("oxa_ini.txt", "[OXA_CONTROLLER:NO]\n[OXA_CONTROLLER_PORT:" + std::to_string(port) + "]\n");
        Oxalistener_initialized = running;
        snprintf(Oxalistener_IP_s, sizeof Oxalistener_IP_s, "untouched");
        Typist t;
        t.key(SDLK_PAGEDOWN).key(SDLK_RETURN).key(SDLK_ESCAPE);   // the last entry
        play(t);
        EXPECT_EQ(OXAINI_CONTROLLER, 1);
        EXPECT_STREQ(Oxalistener_IP_s, running ? "untouched" : "NOT FOUND") << "running " << running;
        if (!running) {
            EXPECT_EQ(Oxalistener_controllerPort, port);
        }
    }
    SDLNet_UDP_Close(held);
}

TEST_F(SetupScreen, ASettingThatCannotBeWrittenIsToldAndTheFileStays) {
    const std::string before = "[FULLSCREEN:NO]\n[MAP_GRID:NO]\n";
    dir->write_file("oxa_ini.txt", before);
    ASSERT_EQ(mkdir((dir->path() + "/oxa_ini_tmp.txt").c_str(), 0700), 0);   // the copy cannot be made
    auto red_foot = [] {
        const Shot s = copy_of_screen();
        int red = 0;
        for (int x = 20; x < 780; x += 10) {
            const SDL_Color c = shot_at(s, x, 590);
            red += c.r > 200 && c.g < 140 && c.b < 140;
        }
        return red > 50;
    };
    Typist t;
    t.key(SDLK_RETURN).look([&] {
        EXPECT_EQ(ini(), before);
        EXPECT_TRUE(red_foot());
        // Told on the light red foot in an ink that reads there (the white asked would not).
        const Shot s = copy_of_screen();
        const SDL_Color foot = shot_at(s, 8, 552);
        int first = 0;
        while (first < 79 && FONT['C' * 80 + first] != 1) first++;
        const SDL_Color ink = shot_at(s, 10 + first % 8, 550 + first / 8);
        EXPECT_GE(colour_contrast(ink, foot), 4.5);
        EXPECT_TRUE(reads(s, 10, 550, "Could not write [FULLSCREEN:YES] to oxa_ini.txt;", ink, 0));
        rmdir((dir->path() + "/oxa_ini_tmp.txt").c_str());
    });
    t.key(SDLK_RETURN).look([&] {
        EXPECT_EQ(ini(), "[FULLSCREEN:YES]\n[MAP_GRID:NO]\n");
        EXPECT_FALSE(red_foot()) << "told only until a setting is written again";
    });
    t.key(SDLK_ESCAPE);
    play(t);
}

}  // namespace
}  // namespace oxatest
