// src/creatures/timberwork.h -- what a timber job asks of its worker, the player or a creature: the
// kinds of felling by the tree, the chopping jobs by action code, the tools and the body they need;
// and whether a creature can take a timber job on, which its activity queue asks before it adds one.
// The work itself is activities/timber.h.
#pragma once

// The three kinds of felling.
struct FellKind {
    int body;                      // requirement of the body check
    const char *product;           // nullptr: a felled sapling named after the tree
    int count, extra;              // count + random(extra) pieces
    const char *message;
    int tool, linked, minutes, learn;
};

// The chopping and splitting jobs by action code.
struct ChopKind {
    int mode;
    const char *prompt;
    int source;                    // requirement the worked piece meets
    const char *missing;
    const char *product;
    int pieces;                    // 0: by the block's weight
    int linked, exertion, body, learn, minutes;
    bool branches;
};

// The height of a tree of map character c in metres: pine, spruce and birch 5 to 14, other trees 4,
// any young tree 1; on the world map always 5 to 14.
int Tree_Height(int c);
int timber_is_tree(int x, int y);          // a tree stands on x, y of the grid
int timber_tree_rec(int x, int y);         // the tree record of the square, -1 none
// The felling of the tree on x, y whose record is `tree` (-1 none): a sapling, a small tree or a big
// one (the height of a grown tree is drawn).
const FellKind &timber_fell_kind(int x, int y, int tree);
const ChopKind *timber_chop_kind(int mode);   // nullptr for a code that is no chopping job
// One tool line, checked for the player (the crafting list) or for creature c (its pack).
int timber_tools_ok(int c, int tool, int linked, const char *title);
// The checks before a felling at x, y by worker c (the player or a creature): a tree there (the player
// is told when there is none), her body and her tools for its kind. 1 with the tree record (-1 none)
// and the kind set, -1 refused.
int timber_fell_ready(int c, int x, int y, int &tree, const FellKind *&kind);
// The checks before chopping job k at x, y: the piece within a square, the body and the tools. The
// pool place of the piece, -1 refused (the player is told of a missing piece, a creature says why it
// cannot).
int timber_chop_ready(int c, const ChopKind &k, int x, int y);
int isloc_karhunkallohonka(int x, int y);  // 1 when a bear skull hangs in the pine at x, y

// Whether creature n could start activity code 120 (fell a tree), 121 (work a log) or 122 (split a
// trunk) at x, y.
int timber_creature_can(int n, int code, int x, int y);
