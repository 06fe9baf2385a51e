// src/screens/gameinfo.h -- the game information screens opened at a topic.
#pragma once

void game_info_screen(const char *topic);   // the encyclopedia browser at the topic, screen saved around it
void encyclopedia_screen();        // the browser from its start page, the map put back afterwards
void info_hotspot_screen(const char *topic);   // the info box of a topic that has a page
// The information box of a creature or a thing beside the selection cursor, until a key (F1: its topic)
void cursor_infobox_screen(const char *title, const char *text, const char *topic);
