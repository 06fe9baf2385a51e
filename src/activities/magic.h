// src/activities/magic.h -- magic means and what the player knows of them, spell marks, the bear
// skull and the forest cover; the magic page's sacrifices and incantations.
#pragma once
#include <cstdint>

// The knowing, learning and square checks the square events call are declared in activities.h:
// taikakeino_tuttu, opi_taikakeino, bearmagic_SkullPlacement, TKCHECK_IlvesEstetaanPakenemasta.

int taikakeino_instant(int n);             // 1 when means n is done at once from the magic page
const char *taikakeino_title(int n);
const char *taikakeino_desc(int n, int k); // part k of the description, "" above 4
// Picks means for a class of learner; answers how many distinct picks there were (0..10) and hands
// back the first two with their aspects.
int arvo_taikakeino(int klass, const char *text, int &first, int &first_aspect, int &second,
                    int &second_aspect);
void opi_rnd_taikakeino(int klass);        // learns the first pick, when there is one
int is_SpellMark(int n);                   // 1 when n is among the player's spell marks
void clr_SpellMark(int n);
int isloc_karhunkallohonka(int x, int y);  // 1 when a bear skull hangs in the pine at x, y
void setnpc_magic_burden(int creature);
int taikatarkistus_metsanpeittonuotio(int x, int y);   // 1 when the forest-cover release took

// The magic page.
void DoInvocation(int n);                  // performs instant means n
int sacrificial(int mark);                 // 1 when a sacrifice was made
