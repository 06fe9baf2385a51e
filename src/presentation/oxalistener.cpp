// src/presentation/oxalistener.cpp -- the controller listener over SDL2_net. No thread of its own: the
// key reader polls it whenever no window event waits.
#include "presentation/oxalistener.h"

#include "base/ownlib.h"
#include "core/oxa.h"
#include "base/debuglog.h"

#include <cstdio>
#include <cstring>

int Oxalistener_initialized = 0;
int Oxalistener_controllerPort = CONTROLLER_DEFAULT_PORT;
uint8_t listenerReady = 0;
char ListenerRetMsg[CONTROLLER_MSG_SIZE];
char Oxalistener_IP_s[100] = "";

static int port = 0;                       // the port last opened
static UDPsocket udpServerSocket = nullptr;
static UDPpacket *udpMsgIn = nullptr;
static int net_started = 0;
static char announce_host[64] = "";        // a test's own destination; "" the subnet's broadcast
static int announce_port = 0;

enum { POLL_DATAGRAMS_MAX = 16 };          // datagrams from strangers dropped in one poll at most

void Oxalistener_AnnounceTo(const char *host, int p) {
    copy_bounded(announce_host, sizeof announce_host, host ? host : "");
    announce_port = p;
}

void IPtoHumanReadable(int out[4], uint32_t address) {
    const uint8_t *b = (const uint8_t *)&address;   // network byte order: the first number first
    for (int i = 0; i < 4; i++) out[i] = b[i];
}

static int is_private(const int n[4]) {
    return n[0] == 10 || (n[0] == 172 && n[1] >= 16 && n[1] <= 31) || (n[0] == 192 && n[1] == 168);
}

int controller_sender_ok(uint32_t host) {
    int n[4];
    IPtoHumanReadable(n, host);
    return n[0] == 127 || is_private(n);
}

void local_ip_from(const IPaddress *addrs, int n, char *out, size_t size) {
    if (!size) return;
    out[0] = 0;
    for (int i = 0; i < n; i++) {
        int q[4];
        IPtoHumanReadable(q, addrs[i].host);
        if (is_private(q)) snprintf(out, size, "%d.%d.%d.%d", q[0], q[1], q[2], q[3]);
    }
}

int announce_destination(const IPaddress *addrs, int n, char *host, size_t size) {
    char own[32];
    local_ip_from(addrs, n, own, sizeof own);
    if (!own[0]) {
        if (size) host[0] = 0;
        return 0;
    }
    char *dot = strrchr(own, '.');
    dot[1] = 0;
    snprintf(host, size, "%s255", own);
    return 1;
}

int announcement_bytes(int p, char *buf, size_t size) {
    if (size < 36) return 0;
    memset(buf, 0, size);
    int len = snprintf(buf, size, "!!Halvornaland listening to : %d", p);
    // Four-digit ports fill the 35 bytes with the terminating zero; a longer port keeps its zero too.
    return len + 1 > 35 ? len + 1 : 35;
}

static int machine_addresses(IPaddress *addrs, int max) {
    int n = SDLNet_GetLocalAddresses(addrs, max);
    return n < 0 ? 0 : n > max ? max : n;
}

char *getLocalIP() {
    static char ip[32];
    IPaddress addrs[5];
    local_ip_from(addrs, machine_addresses(addrs, 5), ip, sizeof ip);
    return ip;
}

static void start_net() {
    if (net_started) return;
    if (SDLNet_Init() == 0) net_started = 1;
}

static void close_listener() {
    if (udpMsgIn) SDLNet_FreePacket(udpMsgIn);
    if (udpServerSocket) SDLNet_UDP_Close(udpServerSocket);
    udpMsgIn = nullptr;
    udpServerSocket = nullptr;
    listenerReady = 0;
}

int openPort(int p) {
    start_net();
    // Starting again closes the earlier socket: a second one on the same port could not open.
    close_listener();
    port = p;
    udpServerSocket = SDLNet_UDP_Open((Uint16)p);
    if (!udpServerSocket) {
        printf("Failed to open port : %d\n", p);
        return 0;
    }
    udpMsgIn = SDLNet_AllocPacket(CONTROLLER_MSG_SIZE);
    if (!udpMsgIn) {
        close_listener();
        return 0;
    }
    listenerReady = 1;
    return 1;
}

void InitOxalistener(int p) {
    start_net();
    if (p > 0 && p <= 65535) Oxalistener_controllerPort = p;
    snprintf(Oxalistener_IP_s, sizeof Oxalistener_IP_s, "%.50s", getLocalIP());
    char line[200];
    snprintf(line, sizeof line, "Oma IP-osoite on : %s portti %d", Oxalistener_IP_s, Oxalistener_controllerPort);
    initlog(line);
    int r = openPort(Oxalistener_controllerPort);
    snprintf(line, sizeof line, "openPort() result %d", r);
    initlog(line);
    if (!r) {
        // Neither announced nor marked started, so that the setup screen can start it again.
        copy_bounded(Oxalistener_IP_s, sizeof Oxalistener_IP_s, "NOT FOUND");
        return;
    }
    autoConnect(Oxalistener_controllerPort);
    Oxalistener_initialized = 1;
}

char *listenMobileController() {
    memset(ListenerRetMsg, 0, sizeof ListenerRetMsg);
    if (!listenerReady || !udpServerSocket || !udpMsgIn) return ListenerRetMsg;
    for (int i = 0; i < POLL_DATAGRAMS_MAX; i++) {
        if (SDLNet_UDP_Recv(udpServerSocket, udpMsgIn) != 1) break;
        if (controller_datagram(udpMsgIn->data, udpMsgIn->len, udpMsgIn->address.host)) break;
    }
    return ListenerRetMsg;
}

int controller_datagram(const uint8_t *data, int len, uint32_t host) {
    memset(ListenerRetMsg, 0, sizeof ListenerRetMsg);
    if (!controller_sender_ok(host)) {
        int q[4];
        IPtoHumanReadable(q, host);
        char line[80];
        snprintf(line, sizeof line, "datagram from %d.%d.%d.%d dropped", q[0], q[1], q[2], q[3]);
        debuglog("controller", line);
        return 0;
    }
    if (!data || len < 0) len = 0;
    if (len > CONTROLLER_MSG_SIZE - 1) len = CONTROLLER_MSG_SIZE - 1;   // the text stays terminated
    if (len) memcpy(ListenerRetMsg, data, (size_t)len);
    return 1;
}

void autoConnect(int p) {
    start_net();
    if (p <= 0) p = Oxalistener_controllerPort;
    char host[64];
    int to_port = CONTROLLER_ANNOUNCE_PORT;
    if (announce_host[0]) {
        copy_bounded(host, sizeof host, announce_host);
        to_port = announce_port;
    } else {
        IPaddress addrs[5];
        if (!announce_destination(addrs, machine_addresses(addrs, 5), host, sizeof host)) {
            initlog("autoConnect: no private address, nothing announced");
            printf("autoConnect: no private address, nothing announced\n");
            return;
        }
    }
    IPaddress dest;
    if (SDLNet_ResolveHost(&dest, host, (Uint16)to_port) != 0) {
        printf("autoConnect: %s does not resolve\n", host);
        return;
    }
    UDPsocket sock = SDLNet_UDP_Open(0);
    if (!sock) {
        printf("socket null!!\n");
        return;
    }
    UDPpacket *out = SDLNet_AllocPacket(255);
    if (!out) {
        printf("out null!!\n");
        SDLNet_UDP_Close(sock);
        return;
    }
    char text[64];
    int len = announcement_bytes(p, text, sizeof text);
    printf("attempting autoconnect.\n");
    printf("before sldnet_udp_send\n");
    out->address = dest;
    out->len = len;
    memcpy(out->data, text, (size_t)len);
    int sent = SDLNet_UDP_Send(sock, -1, out);
    printf("message %s sent %d packets.\n", text, sent);
    SDLNet_FreePacket(out);
    SDLNet_UDP_Close(sock);
}
