// src/worldgen/culturegoods.h -- what a culture is to its people: its circle, its wealth, the
// quality of its goods, the tag texts that name it, and the typical goods it gives a person.
#pragma once

// 1 eastern (cultures 0, 2, 3), 2 western (1, 4, 5, 6), 3 northern (7, 8, 9), 0 any other.
int Kulttuuripiiri(int culture);
// Wealth class 2..5 of a culture; 3 for any number past the table.
int kult_varallisuus(int culture);
// A random quality grade for a wealth class; class 0 is always the ordinary grade 3.
int varalaatu(int wealth);
// 1 when the tag text names the culture: its three-letter tag, its circle word ("eastern",
// "western", "northern") or "all".
int StrMatch_Kulttuuri(const char *tags, int culture);

// Object numbers of a culture's typical things of each kind; 0 when there is none.
int KULTTUURIESINE_headarmour(int culture, int heavy);
int KULTTUURIESINE_bodyarmour(int culture, int heavy);
int KULTTUURIESINE_spotarmour(int culture, int heavy);
int KULTTUURIESINE_Sota_ase(int culture);
int KULTTUURIESINE_Era_ase(int culture, int flag);
int KULTTUURIESINE_Erapuukko(int culture);
int KULTTUURIESINE_Arkipuukko(int culture);
int KULTTUURIESINE_Eratyokalu(int culture);
int KULTTUURIESINE_Jousi(int culture);
int KULTTUURIESINE_Nuoli(int culture);
int KULTTUURIESINE_Pienturkis(int culture);
int KULTTUURIESINE_Turkis(int culture, int flag);
int KULTTUURIESINE_Aarrekoru(int culture);
int KULTTUURIESINE_Eraruoka(int culture);
int KULTTUURIESINE_Arkiruoka(int culture);
// Stand in until the culture tables land: one plain catalogue thing each.
int KULTTUURIESINE_ValmistettuKala(int culture);   // prepared fish
int KULTTUURIESINE_Kalastustarvike(int culture);   // fishing gear
int KULTTUURIESINE_Sepan_tekemat(int culture);     // a smith-made tool
