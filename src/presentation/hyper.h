// src/presentation/hyper.h -- the encyclopedia.
#pragma once

void get_topics();                 // topic names and first sentences of "GAME.NFO"
