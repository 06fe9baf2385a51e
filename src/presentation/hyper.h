// src/presentation/hyper.h -- the encyclopedia.
#pragma once

void get_topics();                 // topic names and first sentences of "GAME.NFO"
int istopic(const char *word);     // 1 when the word names a topic
void GameInfo_Hotspot(const char *topic, const char *text, int narrow);   // the info box of a topic
