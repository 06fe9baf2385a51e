// Aino looks at a villager of hers with the far look and reads his information box beside the
// cursor: how he looks, what he holds, his wounds, what he wears and carries and that he is in her
// party.
#include "core/loader_fixture.h"

#include "common/window_frames.h"

#include "creatures/bodyrec.h"
#include "creatures/cremove.h"
#include "creatures/describe.h"
#include "creatures/zoomservices.h"
#include "maps/picker.h"
#include "presentation/windows.h"

#include <dirent.h>

#include <string>
#include <vector>

namespace {

// What the rules asked the screen to show in the information box, and how much of the strip beside
// the selection cursor, where the box's title bar goes, changed while it waited for its key.
struct AskedBox {
    int times = 0;
    std::string title, text, topic;
    int changed = 0;
    std::vector<uint32_t> strip;   // the strip as the screen holds it, 0xRRGGBB, while the box waits
    size_t frames_shown = 0;       // frames the window had shown by then
};
AskedBox asked;
void (*shown_by)(const char *, const char *, const char *) = nullptr;
int (*key_by)() = nullptr;
std::vector<uint32_t> before;

std::vector<uint32_t> beside_cursor() {
    std::vector<uint32_t> strip;
    for (int y = LOCSEL_SCREEN_Y - 5; y < LOCSEL_SCREEN_Y + 5; y++)
        for (int x = LOCSEL_SCREEN_X + 25; x < LOCSEL_SCREEN_X + 125; x++) strip.push_back(oxatest::pixel(x, y));
    return strip;
}

size_t frames_so_far() {
    size_t n = 0;
    if (DIR *d = opendir(".")) {
        while (dirent *e = readdir(d)) n += strncmp(e->d_name, "SDL_window", 10) == 0;
        closedir(d);
    }
    return n;
}

int key_while_shown() {
    const std::vector<uint32_t> now = beside_cursor();
    for (size_t i = 0; i < now.size(); i++) asked.changed += now[i] != before[i];
    for (uint32_t p : now) {
        int r, g, b;
        oxatest::rgb(p, r, g, b);
        asked.strip.push_back((uint32_t)(r << 16 | g << 8 | b));
    }
    asked.frames_shown = frames_so_far();
    return key_by();
}

void record_box(const char *title, const char *text, const char *topic) {
    asked.times++;
    asked.title = title;
    asked.text = text;
    asked.topic = topic;
    before = beside_cursor();
    key_by = ui.choices.getkey;
    ui.choices.getkey = key_while_shown;
    shown_by(title, text, topic);
    ui.choices.getkey = key_by;
}

class CreatureInfoBox : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        // The window textures, for the box's birch bark.
        dir->link_asset("truegfx");
        lataa_gui_grafiikka();
        asked = AskedBox{};
        shown_by = ui.screens.cursor_infobox;
        ASSERT_NE(shown_by, nullptr) << "the screen answers for the box";
        ui.screens.cursor_infobox = record_box;
    }
    void TearDown() override {
        ui.screens.cursor_infobox = shown_by;
        PlayingTest::TearDown();
    }
    // A live villager of hers on the map: its creature slot and pool record, or -1.
    static int villager(int &record) {
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            const int c = d.type == DT_CREATURE ? creature_slot_of(d.id) : -1;
            if (c >= 0 && Cre[c].kind == CK_HUMAN && Cre[c].mode != CM_CARCASS) {
                record = i;
                return c;
            }
        }
        return -1;
    }
};

TEST_F(CreatureInfoBox, TheFarLookAtAVillagerShowsHisWholeBoxAtTheCursor) {
    ASSERT_NE(walk_into_her_village(), 0) << notes();
    int record = -1;
    const int c = villager(record);
    ASSERT_GE(c, 0) << "her village has people";
    CreatureStruct &v = Cre[c];
    // He stands north of her, tired, a spear in hand and a shield raised, a cut on his thigh, a
    // knife in his pack, and has joined her party.
    Data[record].x = (uint16_t)PlayerX;
    Data[record].y = (uint16_t)(PlayerY - 1);
    v.Viimeisin_X = PlayerX;
    v.Viimeisin_Y = PlayerY - 1;
    v.mode = 0;
    v.posture = 0;
    v.fatigue = 50.0f;
    v.wielded = object("spear", 0);
    v.offhand = object("shield", 0);
    ASSERT_GT(v.wielded, 0);
    ASSERT_GT(v.offhand, 0);
    v.shieldmode = 4;
    memset(v.woundkind, 0, sizeof v.woundkind);
    v.woundkind[0] = WK_CUT;
    v.woundlevel[0] = 2;
    v.woundpart[0] = BP_THIGH;
    memset(v.pack, 0, sizeof v.pack);
    v.pack[0] = object("knife", 0);
    v.packcount[0] = 1;
    v.partyflags |= 256;

    // He holds still while she looks: where his errands would take him is not what this test is about.
    WIZARD_npcfreeze = 1;
    const std::vector<oxatest::Frame> frames =
        oxatest::frames_during([&] { command({SDLK_l, SDLK_UP, SDLK_RETURN, SDLK_SPACE}); });
    WIZARD_npcfreeze = 0;
    ASSERT_EQ(asked.times, 1) << notes();
    const std::string &t = asked.text;
    char species[sizeof v.species + 1] = {};
    memcpy(species, v.species, sizeof v.species);
    EXPECT_EQ(asked.title, species);
    EXPECT_EQ(asked.topic, species) << "his topic in the encyclopedia";
    EXPECT_NE(t.find("(in your party).<br>"), std::string::npos) << t;
    EXPECT_NE(t.find("It looks tired."), std::string::npos) << t;
    EXPECT_NE(t.find("Holding <red>"), std::string::npos) << t;
    EXPECT_NE(t.find("Shield held high."), std::string::npos) << t;
    EXPECT_NE(t.find("<red>Wounds:<black>"), std::string::npos) << t;
    EXPECT_NE(t.find("thigh"), std::string::npos) << t;
    EXPECT_NE(t.find("<blue>Carrying"), std::string::npos) << t;
    EXPECT_NE(t.find("knife"), std::string::npos) << t;
    bool wears = false;
    for (int32_t w : v.worn) wears = wears || w > 0;
    EXPECT_EQ(t.find("<blue>Wearing") != std::string::npos, wears) << t;
    EXPECT_GT(asked.changed, 500) << "the box's title bar stands beside the cursor";
    EXPECT_EQ(beside_cursor(), before) << "what lay under the box is back";
    // The window shows the box while it waits for its key: the map is not laid over it.
    ASSERT_GE(asked.frames_shown, 1u);
    ASSERT_LE(asked.frames_shown, frames.size());
    const oxatest::Frame &waiting = frames[asked.frames_shown - 1];
    ASSERT_EQ(waiting->w, 800) << "the window at the game's own size";
    int off = 0;
    for (int y = LOCSEL_SCREEN_Y - 5, i = 0; y < LOCSEL_SCREEN_Y + 5; y++)
        for (int x = LOCSEL_SCREEN_X + 25; x < LOCSEL_SCREEN_X + 125; x++, i++)
            off += oxatest::at(waiting, x, y) != asked.strip[i];
    EXPECT_EQ(off, 0) << "pixels of the box's title bar the window does not show";
}

}  // namespace
