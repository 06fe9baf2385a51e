// src/screens/gameinfo.h -- the game information screens opened at a topic.
#pragma once

void game_info(const char *topic); // the encyclopedia browser at the topic, screen saved around it
