// src/items/culturegoods.h -- what a culture is to its people: its circle, its wealth, the quality
// of its goods, the tag texts that name it, the animals it keeps and hunts, its neighbours and the
// typical goods its tables give a person.
#pragma once

// 1 eastern (cultures 0, 2, 3), 2 western (1, 4, 5, 6), 3 northern (7, 8, 9), 0 any other.
int Kulttuuripiiri(int culture);
// Wealth class 2..5 of a culture; 3 for any number past the table.
int kult_varallisuus(int culture);
// A random quality grade for a wealth class; class 0 is always the ordinary grade 3.
int varalaatu(int wealth);
// The clothing class 0..2 for a wealth class.
int var_vaateluokka(int wealth);
// 1 when the tag text names the culture: its three-letter tag, its circle word ("eastern",
// "western", "northern") or "all".
int StrMatch_Kulttuuri(const char *tags, int culture);

// ---- the weighted list of names the goods are drawn from ----
// A name entered several times weighs that many times; the list holds 100 entries.
void Tyhjaa_Esinelista();
void Esinelista_Entry(const char *name);
// The object of a random name of the list ("BRANCH" when the list is empty). A name the catalogue
// lacks stops play with a "!BUG!" box until a key, and gives 0.
int Arvo_Esine_Listasta();

// ---- the animals of a culture ----
// A random animal template the culture knows: kind 1 for its pelt, 2 as game, 3 a small one for its
// pelt, 4 a game bird; 0 when it knows none.
int getcultAnim(int culture, int kind);
const char *cultAnimName(int culture, int kind);   // its lower-case name, or "animal"
int KULTTUURI_kotielain(int culture);              // a species the culture keeps (618 a dog)
// The culture a people is at war with, and one it lives far from; 10 none.
int ConflictNeighbour(int culture);
int DistantNeighbour(int culture);

// ---- typical goods: object numbers of a culture's things of each kind; 0 when there is none ----
int KULTTUURIESINE_headarmour(int culture, int heavy);
int KULTTUURIESINE_bodyarmour(int culture, int heavy);
int KULTTUURIESINE_spotarmour(int culture, int heavy);
int KULTTUURIESINE_Sota_ase(int culture);
int KULTTUURIESINE_Era_ase(int culture, int flag);   // flag: no staffs, javelins or clubs
int KULTTUURIESINE_Erapuukko(int culture);
int KULTTUURIESINE_Arkipuukko(int culture);
int KULTTUURIESINE_Eratyokalu(int culture);
int KULTTUURIESINE_Jousi(int culture);
int KULTTUURIESINE_Nuoli(int culture);
int KULTTUURIESINE_Aarrekoru(int culture);
int KULTTUURIESINE_Kalastustarvike(int culture);   // fishing gear
int KULTTUURIESINE_Sepan_tekemat(int culture);     // a smith-made tool
// Clothes of any culture; a quality other than 0 or 3 makes a thing of that known grade.
int KULTTUURIESINE_Kengat(int culture, int quality);
int KULTTUURIESINE_Housut(int culture, int quality);
int KULTTUURIESINE_Paita(int culture, int quality);

// The object as a stored thing of a known grade; the object itself for grade 0 or 3, and while the
// templates are built.
int goods_of_grade(int obj, int quality);

// Every name the goods lists draw from, for the data check: the i-th, nullptr past the last.
// *exact is 0 for the search words of the clothes, which any object name holding them answers.
const char *culture_goods_name(int i, int *exact);
