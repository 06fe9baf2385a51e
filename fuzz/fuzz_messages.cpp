// The message files: a fuzzed "messages/eng_chat.txt" beside none other, read and indexed as the game
// does, then looked up by MSG and CHATMSG with keys taken from the input's first line, and the
// start-up words. Texts from the file are never a printf format; every answer ends inside its buffer.
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "common.h"
#include "base/ownlib.h"
#include "core/tekstit.h"

static void ends_inside(const char *text, size_t size, const char *what) {
    if (!memchr(text, 0, size)) oxafuzz::fail(std::string(what) + " runs past its buffer");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    mkdir((dir + "/messages").c_str(), 0755);
    // The first line names the keys to look up, separated by spaces; the rest is the file.
    std::string input((const char *)data, size), keys;
    size_t nl = input.find('\n');
    if (nl != std::string::npos && nl < 200) {
        keys = input.substr(0, nl);
        input.erase(0, nl + 1);
    }
    if (!oxafuzz::write_file("messages/eng_chat.txt", input.data(), input.size())) abort();
    copy_bounded(language, sizeof language, "eng");
    MSG_forget_index();
    keys += " MONTH_NAME:1 TEST ";
    size_t at = 0;
    while (at < keys.size()) {
        size_t end = keys.find(' ', at);
        if (end == std::string::npos) end = keys.size();
        std::string key = keys.substr(at, end - at);
        at = end + 1;
        if (key.empty()) continue;
        vMSG_s[0] = 0;
        copy_bounded(vMSG_s, sizeof vMSG_s, "%s%n%d");
        const char *text = MSG(key.c_str());
        ends_inside(text, MSGBUF_SIZE, "MSG");
        ends_inside(HEAR_s, sizeof HEAR_s, "the heard text");
        ends_inside(CHATMSG(key.c_str()), SBUF_SIZE, "CHATMSG");
        ends_inside(MSG_parse(key.c_str()), MSGBUF_SIZE, "MSG_parse");
    }
    oxa_textinit();
    ends_inside(PAGANMONTH[12], sizeof PAGANMONTH[12], "a month's name");
    ends_inside(defs_activity_tajuton, sizeof defs_activity_tajuton, "a start-up word");
    return 0;
}
