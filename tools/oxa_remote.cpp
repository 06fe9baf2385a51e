// tools/oxa_remote.cpp -- sends one key text to the game's controller port, as the controller app
// does, to try the controller without the app.
// Usage: oxa_remote "<key text>" [address [port]]
//   oxa_remote "[UP]"                 moves the character north in a game listening on 127.0.0.1:8013
//   oxa_remote "[ENTER]" 127.0.0.1 9000
// The address is 127.0.0.1 unless one is given; the port is 8013 unless one is given.
#include "presentation/oxalistener.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_net.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv) {
    if (argc < 2 || argc > 4) {
        fprintf(stderr, "usage: oxa_remote \"<key text>\" [address [port]]\n"
                        "  key texts: [UP] [DOWN] [LEFT] [RIGHT] [ENTER] [SPACE] [TAB] [ESC] [F1]..[F9]\n"
                        "             [x] for one character, [ALT][a]..[ALT][z], [CTRL][-] [CTRL][+] [ALT][-]\n");
        return 2;
    }
    const char *text = argv[1];
    const char *host = argc >= 3 ? argv[2] : "127.0.0.1";
    long port = argc >= 4 ? strtol(argv[3], nullptr, 10) : (long)CONTROLLER_DEFAULT_PORT;
    size_t len = strlen(text);
    if (len == 0 || len > CONTROLLER_MSG_SIZE) {
        fprintf(stderr, "oxa_remote: a key text has 1 to %d bytes\n", CONTROLLER_MSG_SIZE);
        return 2;
    }
    if (port < 1 || port > 65535) {
        fprintf(stderr, "oxa_remote: the port is 1 to 65535\n");
        return 2;
    }
    if (SDL_Init(0) != 0 || SDLNet_Init() != 0) {
        fprintf(stderr, "oxa_remote: %s\n", SDL_GetError());
        return 1;
    }
    IPaddress to;
    if (SDLNet_ResolveHost(&to, host, (Uint16)port) != 0) {
        fprintf(stderr, "oxa_remote: %s does not resolve\n", host);
        return 1;
    }
    UDPsocket sock = SDLNet_UDP_Open(0);
    UDPpacket *pkt = sock ? SDLNet_AllocPacket(CONTROLLER_MSG_SIZE) : nullptr;
    if (!pkt) {
        fprintf(stderr, "oxa_remote: no socket: %s\n", SDLNet_GetError());
        return 1;
    }
    pkt->address = to;
    pkt->len = (int)len;
    memcpy(pkt->data, text, len);
    int sent = SDLNet_UDP_Send(sock, -1, pkt);
    SDLNet_FreePacket(pkt);
    SDLNet_UDP_Close(sock);
    SDLNet_Quit();
    SDL_Quit();
    if (sent != 1) {
        fprintf(stderr, "oxa_remote: the datagram was not sent\n");
        return 1;
    }
    printf("sent %s to %s:%ld\n", text, host, port);
    return 0;
}
