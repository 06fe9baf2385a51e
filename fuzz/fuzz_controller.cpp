// A datagram to the controller port: the sender's address (the first 4 bytes, in network order) and
// the bytes that arrived (the rest). The listener keeps the text terminated inside its 64 bytes, hears
// only loopback and private senders, and the key reader turns the text into a game key code without
// ever showing it as a note.
#include <cstring>

#include "common.h"
#include "presentation/input.h"
#include "base/debuglog.h"
#include "presentation/notes.h"
#include "presentation/oxalistener.h"

static bool known_code(int c) {
    if (c >= 0 && c <= 255) return true;
    if (c >= KEY_F1 && c <= KEY_F9) return true;
    if (c >= KEY_ALT_A && c <= KEY_ALT_Z) return true;
    return c == KEY_TAB || c == KEY_UP || c == KEY_LEFT || c == KEY_RIGHT || c == KEY_DOWN || c == KEY_ALT_MINUS ||
           c == KEY_WHEEL_UP || c == KEY_WHEEL_DOWN;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    DEBUGLOG = 0;
    if (size < 4) return 0;
    uint32_t host;
    memcpy(&host, data, 4);
    const int len = size - 4 > 4096 ? 4096 : (int)(size - 4);
    lastnote[0] = 0;
    memset(ListenerRetMsg, 'x', sizeof ListenerRetMsg);
    int heard = controller_datagram(data + 4, len, host);
    if (memchr(ListenerRetMsg, 0, sizeof ListenerRetMsg) == nullptr) oxafuzz::fail("the text is not terminated");
    if (heard != (controller_sender_ok(host) != 0)) oxafuzz::fail("a sender heard against the filter");
    if (!heard && ListenerRetMsg[0]) oxafuzz::fail("a dropped datagram left text behind");
    if (heard && len > 0 && memcmp(ListenerRetMsg, data + 4, strnlen(ListenerRetMsg, 64)) != 0)
        oxafuzz::fail("the text differs from the datagram");
    snprintf(ControllerMSG, sizeof ControllerMSG, "%.64s", ListenerRetMsg);   // as the key reader does
    int code = processed_controller_keysym();
    if (!known_code(code)) oxafuzz::fail("a code outside the table: " + std::to_string(code));
    if (lastnote[0]) oxafuzz::fail("network text reached the note box");
    return 0;
}
