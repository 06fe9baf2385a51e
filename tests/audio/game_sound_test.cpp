// tests/audio/game_sound_test.cpp -- the game's own paths to the sounds: a step taken by a pushed key
// sounds by its ground, the turn pass keeps the ambient loop by the weather, a note's words and a
// menu's cursor play their samples, and the command key "8" announces the game to the controller.
#include "core/turn_fixture.h"

#include "core/weatherengine.h"
#include "creatures/bodyrec.h"
#include "presentation/audio.h"
#include "presentation/listwidget.h"
#include "presentation/oxalistener.h"

#include <SDL2/SDL_net.h>
#include <unistd.h>

namespace {

class GameSound : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        ASSERT_EQ(symlink(oxatest::asset_path("audio").c_str(), "audio"), 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
        AUDIO_MAIN_VOLUME = 100;
        SB_SOUND = AMBIENTSOUNDS = MOVEMENTSOUNDS = BACKMUSIC = 1;
        sound_init();
        ASSERT_EQ(AUDIO_OPEN, 1);
        free_samples();
        for (auto s : {std::pair<const char *, const char *>{"walk", "walk.wav"}, {"walk", "walk-2.wav"},
                       {"run", "run.wav"}, {"ambience", "ambience.ogg"}, {"rain", "rain.ogg"},
                       {"dog bark", "bark.wav"}, {"kling", "kling.wav"}})
            load_sample(s.first, s.second);
        memset(&GlobWeather, 0, sizeof GlobWeather);
    }
    void TearDown() override {
        sound_close();
        SB_SOUND = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        TurnTest::TearDown();
    }
    static std::string name_on(int channel) {
        Mix_Chunk *c = Mix_GetChunk(channel);
        if (!Mix_Playing(channel)) return "";
        for (int i = 0; i < SAMPLE_SLOTS; i++)
            if (sampledata[i] && sampledata[i] == c) return samplename[i];
        return "?";
    }
};

TEST_F(GameSound, AStepSoundsByItsModeAndTheAmbientLoopFollowsTheWeather) {
    int r = 0;
    oxatest::push_key(SDLK_UP);
    ASSERT_EQ(turn_pass(&r), 1);
    EXPECT_EQ(PlayerY, 229) << "the step was taken";
    EXPECT_EQ(name_on(CH_MOVE), "WALK");
    EXPECT_EQ(name_on(CH_IDLE), "AMBIENCE");

    Mix_HaltChannel(CH_MOVE);
    plr_set<uint8_t>(PB_SPEED, 12);   // a walker's pace: fast enough to run
    RUNNING = 1;
    oxatest::push_key(SDLK_UP);
    ASSERT_EQ(turn_pass(&r), 1);
    RUNNING = 0;
    EXPECT_EQ(name_on(CH_MOVE), "RUN");

    GlobWeather.rain_kind = 1;
    oxatest::push_key('.');
    ASSERT_EQ(turn_pass(&r), 1);
    EXPECT_EQ(name_on(CH_IDLE), "RAIN");
    EXPECT_EQ(Mix_Volume(CH_IDLE, -1), 100);
}

TEST_F(GameSound, NoteWordsAndTheMenuCursorPlayTheirSamples) {
    Note("You hear a dog bark in the distance.");
    EXPECT_EQ(name_on(3), "DOG BARK");

    Mix_HaltChannel(-1);
    LIST_Reset(0, "", 100, 100, 200, 100, 0);
    LIST_Style(-1, "kling", "", 0, 0);
    LIST_Entry('a', "first");
    LIST_Entry('b', "second");
    LIST_Draw();
    oxatest::push_key(SDLK_DOWN);
    LIST_Go();
    EXPECT_EQ(name_on(3), "KLING");
}

int task_channel_finished = 0;
void task_finished(int channel) {
    if (channel == 3) task_channel_finished++;
}

TEST_F(GameSound, ATimedTaskLoopsItsSampleUntilTheWorkEnds) {
    load_sample("treechop", "axework.ogg");
    task_channel_finished = 0;
    Mix_ChannelFinished(task_finished);
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "treechop");
    EXPECT_EQ(basicspend(30, "Felling"), 1);
    Mix_ChannelFinished(nullptr);
    EXPECT_EQ(task_channel_finished, 1) << "the task's loop played and was stopped with the work";
    EXPECT_FALSE(Mix_Playing(3));
    EXPECT_STREQ(SPEND_SAMPLE, "");
}

TEST_F(GameSound, CommandKeyEightAnnouncesTheGame) {
    ASSERT_EQ(SDLNet_Init(), 0);
    UDPsocket catcher = SDLNet_UDP_Open(0);
    ASSERT_NE(catcher, nullptr);
    Oxalistener_AnnounceTo("127.0.0.1", SDLNet_Read16(&SDLNet_UDP_GetPeerAddress(catcher, -1)->port));
    Oxalistener_controllerPort = 8013;
    OXAINI_CONTROLLER = 1;
    int r = 0;
    oxatest::push_key('8');
    ASSERT_EQ(turn_pass(&r), 1);
    OXAINI_CONTROLLER = 0;
    UDPpacket *pkt = SDLNet_AllocPacket(256);
    ASSERT_EQ(SDLNet_UDP_Recv(catcher, pkt), 1);
    EXPECT_EQ(std::string((const char *)pkt->data, (size_t)pkt->len),
              std::string("!!Halvornaland listening to : 8013") + '\0');
    SDLNet_FreePacket(pkt);
    SDLNet_UDP_Close(catcher);
}

}  // namespace
