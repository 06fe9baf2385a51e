// "GAME.NFO", the encyclopedia: the topics and first sentences read as at start-up, then a page of the
// first topics drawn as the browser does. Every name and sentence ends inside its buffer, at most 500
// topics are read, and every link of a drawn page names a topic.
#include <cstring>
#include <string>

#include "common.h"
#include "presentation/hyper.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    oxafuzz::open_screen();
    if (!oxafuzz::write_file("GAME.NFO", data, size)) abort();
    get_topics();
    for (int i = 0; i < TOPICS_MAX; ++i) {
        if (!memchr(topics[i], 0, TOPIC_LEN)) oxafuzz::fail("a topic name runs past its buffer");
        if (i >= TOPIC_FIRSTLINES && topics[i][0]) oxafuzz::fail("more topics than first sentences");
    }
    for (int i = 0; i < TOPIC_FIRSTLINES; ++i)
        if (!memchr(topic_firstline[i], 0, TOPIC_LEN)) oxafuzz::fail("a first sentence runs past its buffer");
    for (int i = 0; i < 3 && topics[i][0]; ++i) {
        if (!istopic(topics[i]) && strlen(topics[i]) < 100) oxafuzz::fail("a topic read is no topic");
        clear_list();
        show_topic(topics[i]);
        for (int l = 2; l < lpos; ++l)
            if (!istopic(hyper_links[l])) oxafuzz::fail("a link of a page names no topic");
        if (lpos > LINK_LIST - 1) oxafuzz::fail("the page's links run past their table");
    }
    return 0;
}
