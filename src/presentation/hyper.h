// src/presentation/hyper.h -- the encyclopedia: the topics of "GAME.NFO", the one-line info box with
// its F1 button, and the full-screen browser with links, history and typed keywords.
#pragma once
#include <SDL2/SDL.h>
#include <cstddef>

enum {
    TOPICS_MAX = 1000, TOPIC_FIRSTLINES = 500, TOPIC_LEN = 200, LINK_HISTORY = 30, LINK_LIST = 100,
    INFOBOX_CUT = 92, INFOBOX_CUT_NARROW = 53
};

extern char topics[TOPICS_MAX][TOPIC_LEN];             // upper-case names; empty entries unused
extern char topic_firstline[TOPIC_FIRSTLINES][TOPIC_LEN];
extern char link_[LINK_HISTORY][TOPIC_LEN];            // pages shown, the newest in the last slot
extern char hyper_links[LINK_LIST][TOPIC_LEN];         // the links of the page shown, from index 2
extern int lpos;
extern char topsnes[100];                              // the topic of the page shown
extern int HYPER_X, HYPER_Y, yie, br;
extern char infokey[100];
extern int INFO_ON, INFO_MAPRESTORE;

void get_topics();                 // topic names and first sentences of "GAME.NFO"; at most 500
int istopic(const char *word);     // 1 when the word names a topic
// The topic an item's name leads to: the whole name, else its two last words, else its last word; ""
// when none names one.
const char *item_topic(const char *name);
char *keyword_firstline(const char *word);   // "Info missing. Report!" for no topic

// The info box at the bottom of the screen; `narrow` 1 leaves the right side free.
void GameInfo_Hotspot(const char *topic, const char *text, int narrow);
// The info box's second line: the text, or the topic's first sentence, cut with "..".
char *infobox_line(const char *topic, const char *text, int cut, char *out, size_t size);
void set_info(const char *topic);
void hit_info();

// The browser
void infobrowser(const char *topic);
int cruise(const char *topic);
int show_topic(const char *topic); // 1 shown, 0 not found
char *link_select();
void No_Info(const char *topic);

// History and the page's links
void add_link(const char *topic);
char *prev_link();
char *prev_link_(int n);
void clear_history();
void clear_list();
void list_add(const char *topic);
void link_show(const char *line, const char *heading);
int Lisaa_Linkit(int x, int y, const char *text, const char *heading, int measure);
void link_show_br();
void topical_draw(const char *title);
