// src/presentation/tekstit.h -- texts: the rotating scratch buffers that text-returning
// functions hand back.
#pragma once

enum { SBUF_COUNT = 1024, SBUF_SIZE = 1024 };

char *sbuf();                      // the next scratch buffer, zeroed; valid for 1023 further calls
void oxa_textinit();               // texts filled from message keys at start-up

// The word table: words laid out by the word-table text drawers.
void SANATAULUKKO_Tyhjaa();
void SANATAULUKKO_Lisaa(const char *text);
void SANATAULUKKO_AlustaLuku();
char *SANATAULUKKO_LueSana();          // the next word; "" at the end
char *SANATAULUKKO_LueTulevaSana();    // the word after it, without moving on
