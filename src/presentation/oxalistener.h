// src/presentation/oxalistener.h -- the controller listener: key texts from the controller app arrive
// as UDP datagrams on one port; the game announces itself to its own subnet so the app can find it.
#pragma once
#include <SDL2/SDL_net.h>
#include <cstddef>
#include <cstdint>

enum { CONTROLLER_DEFAULT_PORT = 8013, CONTROLLER_ANNOUNCE_PORT = 8012, CONTROLLER_MSG_SIZE = 64 };

extern int Oxalistener_initialized;      // the listener was started
extern int Oxalistener_controllerPort;   // the port listened on
extern uint8_t listenerReady;            // the socket is open
extern char ListenerRetMsg[CONTROLLER_MSG_SIZE];   // the last datagram's text, always terminated
extern char Oxalistener_IP_s[100];       // own address, or "NOT FOUND" when the port would not open

void InitOxalistener(int port);          // port 0 keeps the default
int openPort(int port);                  // 1 when the socket opened
char *listenMobileController();          // the text of one poll; empty when nothing arrived
// Takes one received datagram into ListenerRetMsg; 0 (and an empty text) for a sender not heard.
int controller_datagram(const uint8_t *data, int len, uint32_t host);
char *getLocalIP();                      // the private IPv4 address as text, or ""
void autoConnect(int port);              // announces the game to the controller app
void IPtoHumanReadable(int out[4], uint32_t address);   // network byte order, most significant first

// The pure steps, over a given list of the machine's addresses.
void local_ip_from(const IPaddress *addrs, int n, char *out, size_t size);
int announce_destination(const IPaddress *addrs, int n, char *host, size_t size);   // 0: none
int controller_sender_ok(uint32_t host);   // loopback or a private range (network byte order)
int announcement_bytes(int port, char *buf, size_t size);   // the datagram and its length

// Tests send the announcement to a socket of their own on loopback instead of the subnet.
void Oxalistener_AnnounceTo(const char *host, int port);
