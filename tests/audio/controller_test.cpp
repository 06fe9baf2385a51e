// tests/audio/controller_test.cpp -- the controller listener over real UDP on loopback, and the pure
// steps that choose the own address, the announcement's destination and the senders that are heard.
// Nothing is ever sent beyond 127.0.0.1.
#include "common/harness.h"

#include "core/config.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "base/debuglog.h"
#include "presentation/notes.h"
#include "presentation/oxalistener.h"

#include <SDL2/SDL_net.h>
#include <cstring>
#include <string>

namespace {

IPaddress ip(int a, int b, int c, int d) {
    IPaddress x{};
    const uint8_t bytes[4] = {(uint8_t)a, (uint8_t)b, (uint8_t)c, (uint8_t)d};
    memcpy(&x.host, bytes, 4);   // network byte order
    return x;
}

TEST(ControllerAddresses, OwnAddressAndAnnouncementDestination) {
    char out[32], host[32];
    const IPaddress one[] = {ip(127, 0, 0, 1), ip(192, 168, 1, 20)};
    local_ip_from(one, 2, out, sizeof out);
    EXPECT_STREQ(out, "192.168.1.20");
    ASSERT_EQ(announce_destination(one, 2, host, sizeof host), 1);
    EXPECT_STREQ(host, "192.168.1.255");

    const IPaddress two[] = {ip(10, 0, 0, 7), ip(127, 0, 0, 1), ip(172, 20, 3, 4), ip(8, 8, 8, 8)};
    ASSERT_EQ(announce_destination(two, 4, host, sizeof host), 1);
    EXPECT_STREQ(host, "172.20.3.255") << "the later private address";

    const IPaddress none[] = {ip(127, 0, 0, 1), ip(172, 32, 0, 1), ip(192, 169, 0, 1), ip(11, 0, 0, 1)};
    local_ip_from(none, 4, out, sizeof out);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(announce_destination(none, 4, host, sizeof host), 0);
    EXPECT_EQ(announce_destination(none, 0, host, sizeof host), 0);

    int q[4];
    IPtoHumanReadable(q, ip(192, 168, 1, 20).host);
    EXPECT_TRUE(q[0] == 192 && q[1] == 168 && q[2] == 1 && q[3] == 20);
}

TEST(ControllerAddresses, OnlyLoopbackAndPrivateSendersAreHeard) {
    const struct { IPaddress a; bool ok; } cases[] = {
        {ip(127, 0, 0, 1), true},   {ip(127, 5, 6, 7), true},   {ip(10, 200, 1, 1), true},
        {ip(172, 16, 0, 1), true},  {ip(172, 31, 9, 9), true},  {ip(192, 168, 0, 9), true},
        {ip(172, 15, 0, 1), false}, {ip(172, 32, 0, 1), false}, {ip(192, 169, 0, 1), false},
        {ip(8, 8, 8, 8), false},    {ip(0, 0, 0, 0), false},    {ip(255, 255, 255, 255), false}};
    for (const auto &c : cases) {
        int q[4];
        IPtoHumanReadable(q, c.a.host);
        EXPECT_EQ(controller_sender_ok(c.a.host) != 0, c.ok) << q[0] << "." << q[1] << "." << q[2] << "." << q[3];
    }
}

TEST(ControllerAddresses, AnnouncementKeepsItsTextAndZero) {
    char buf[64];
    EXPECT_EQ(announcement_bytes(8013, buf, sizeof buf), 35);
    EXPECT_EQ(std::string(buf, 35), std::string("!!Halvornaland listening to : 8013") + '\0');
    EXPECT_EQ(announcement_bytes(80, buf, sizeof buf), 35);
    EXPECT_EQ(buf[32], 0);
    EXPECT_EQ(buf[34], 0);
    EXPECT_EQ(announcement_bytes(54321, buf, sizeof buf), 36);
    EXPECT_EQ(std::string(buf, 36), std::string("!!Halvornaland listening to : 54321") + '\0');
}

// A free UDP port on this machine: opened on any port, read back and closed again.
int free_port() {
    UDPsocket s = SDLNet_UDP_Open(0);
    if (!s) return 0;
    IPaddress *a = SDLNet_UDP_GetPeerAddress(s, -1);
    int p = a ? SDLNet_Read16(&a->port) : 0;
    SDLNet_UDP_Close(s);
    return p;
}

class Controller : public oxatest::ScreenTest {
protected:
    UDPsocket sender = nullptr, catcher = nullptr;
    UDPpacket *pkt = nullptr;
    int catcher_port = 0;

    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(SDLNet_Init(), 0);
        sender = SDLNet_UDP_Open(0);
        catcher = SDLNet_UDP_Open(0);
        ASSERT_TRUE(sender && catcher);
        catcher_port = SDLNet_Read16(&SDLNet_UDP_GetPeerAddress(catcher, -1)->port);
        pkt = SDLNet_AllocPacket(512);
        Oxalistener_AnnounceTo("127.0.0.1", catcher_port);   // never the subnet
        Oxalistener_controllerPort = CONTROLLER_DEFAULT_PORT;
        Oxalistener_initialized = 0;
        OXAINI_CONTROLLER = 1;
        DEBUGLOG = 1;
        lastnote[0] = 0;
    }
    void TearDown() override {
        OXAINI_CONTROLLER = 0;
        DEBUGLOG = 0;
        SDLNet_FreePacket(pkt);
        SDLNet_UDP_Close(sender);
        SDLNet_UDP_Close(catcher);
        ScreenTest::TearDown();
    }
    // Starts the listener as start-up does, on a free port written into the settings.
    int start_listener() {
        int p = free_port();
        char ini[100];
        snprintf(ini, sizeof ini, "[OXA_CONTROLLER:YES]\n[OXA_CONTROLLER_PORT:%d]\n", p);
        dir->write_file("oxa_ini.txt", ini);
        GetConfig();
        EXPECT_EQ(OXAINI_CONTROLLER_PORT, p);
        InitOxalistener(OXAINI_CONTROLLER_PORT);
        EXPECT_EQ(listenerReady, 1);
        return p;
    }
    void send(int port, const void *bytes, int len) {
        IPaddress to;
        ASSERT_EQ(SDLNet_ResolveHost(&to, "127.0.0.1", (Uint16)port), 0);
        pkt->address = to;
        pkt->len = len;
        memcpy(pkt->data, bytes, (size_t)len);
        ASSERT_EQ(SDLNet_UDP_Send(sender, -1, pkt), 1);
    }
    void send(int port, const char *text) { send(port, text, (int)strlen(text)); }
    // The announcement that reached the catcher, or "" when none did.
    std::string caught() {
        if (SDLNet_UDP_Recv(catcher, pkt) != 1) return "";
        return std::string((const char *)pkt->data, (size_t)pkt->len);
    }
};

TEST_F(Controller, EveryKeyTextOfTheTableGivesItsCode) {
    int p = start_listener();
    EXPECT_EQ(Oxalistener_initialized, 1);
    EXPECT_EQ(caught(), std::string("!!Halvornaland listening to : ") + std::to_string(p) + '\0');
    EXPECT_NE(dir->read_file("init_log.txt").find("openPort() result 1"), std::string::npos);

    const struct { const char *text; int code; } table[] = {
        {"[q]", 'q'}, {"[8]", '8'}, {"[UP]", KEY_UP}, {"[DOWN]", KEY_DOWN}, {"[LEFT]", KEY_LEFT},
        {"[RIGHT]", KEY_RIGHT}, {"[ENTER]", KEY_ENTER}, {"[SPACE]", KEY_SPACE}, {"[TAB]", KEY_TAB}, {"[ESC]", KEY_ESC},
        {"[F1]", KEY_F1}, {"[F5]", KEY_F5}, {"[F9]", KEY_F9}, {"[ALT][a]", KEY_ALT_A}, {"[ALT][m]", KEY_ALT_A + 12},
        {"[ALT][z]", KEY_ALT_Z}, {"[CTRL][-]", KEY_WHEEL_DOWN}, {"[CTRL][+]", KEY_WHEEL_UP},
        {"[ALT][-]", KEY_ALT_MINUS}};
    for (const auto &t : table) {
        send(p, t.text);
        EXPECT_EQ(getkey(), t.code) << t.text;
    }
}

TEST_F(Controller, EachPollStartsEmptyAndALongDatagramStaysTerminated) {
    int p = start_listener();
    EXPECT_STREQ(listenMobileController(), "");
    send(p, "[ALT][a]-twenty-byte");
    EXPECT_EQ(strlen(listenMobileController()), 20u);
    send(p, "[DOWN]1234");
    EXPECT_STREQ(listenMobileController(), "[DOWN]1234") << "no trace of the longer text";

    char big[64];
    memset(big, 'x', sizeof big);
    big[0] = '[';
    send(p, big, 64);
    char *m = listenMobileController();
    EXPECT_EQ(m[CONTROLLER_MSG_SIZE - 1], 0);
    EXPECT_EQ(strlen(m), 63u);

    const unsigned char zeros[8] = {'[', 'U', 'P', ']', 0, 'z', 'z', 0};
    send(p, zeros, 8);
    EXPECT_STREQ(listenMobileController(), "[UP]");
}

TEST_F(Controller, UnknownTextGoesToTheDebugLogNeverToTheNotes) {
    int p = start_listener();
    send(p, "[{howl}!@Hello]");
    EXPECT_EQ(getkey(), 0);
    send(p, "plain words");
    EXPECT_EQ(getkey(), 0);
    EXPECT_STREQ(lastnote, "");
    EXPECT_FALSE(dir->exists("msglog.txt"));
    std::string log = dir->read_file("debug_controller.txt");
    EXPECT_NE(log.find("[{howl}!@Hello]"), std::string::npos);
    EXPECT_NE(log.find("plain words"), std::string::npos);
}

TEST_F(Controller, EscapeWakesTheKeyTestAndF10Announces) {
    int p = start_listener();
    caught();
    send(p, "[ESC]");
    EXPECT_EQ(kb_hit(), (int)SDLK_ESCAPE);

    oxatest::push_key(SDLK_F10);
    EXPECT_EQ(getkey(), KEY_F10);
    EXPECT_EQ(caught(), std::string("!!Halvornaland listening to : ") + std::to_string(p) + '\0');
}

TEST_F(Controller, APortInUseIsNotFoundAndCanBeStartedAgain) {
    int p = free_port();
    UDPsocket holder = SDLNet_UDP_Open((Uint16)p);
    ASSERT_NE(holder, nullptr);
    InitOxalistener(p);
    EXPECT_EQ(listenerReady, 0);
    EXPECT_STREQ(Oxalistener_IP_s, "NOT FOUND");
    EXPECT_EQ(Oxalistener_initialized, 0);
    EXPECT_EQ(caught(), "") << "a port that did not open is not announced";
    EXPECT_STREQ(listenMobileController(), "");

    SDLNet_UDP_Close(holder);
    InitOxalistener(p);   // the setup screen starts it again
    EXPECT_EQ(listenerReady, 1);
    EXPECT_EQ(Oxalistener_initialized, 1);
    EXPECT_EQ(caught(), std::string("!!Halvornaland listening to : ") + std::to_string(p) + '\0');
    InitOxalistener(p);   // and again on the same port: the earlier socket makes way
    EXPECT_EQ(listenerReady, 1);
}

TEST_F(Controller, PortZeroListensAndAnnouncesTheDefault) {
    InitOxalistener(0);
    EXPECT_EQ(Oxalistener_controllerPort, 8013);
    if (listenerReady)
        EXPECT_EQ(caught(), std::string("!!Halvornaland listening to : 8013") + '\0');
    else   // another program holds 8013 on this machine
        EXPECT_STREQ(Oxalistener_IP_s, "NOT FOUND");
}

}  // namespace
