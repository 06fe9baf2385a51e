// src/society/talkscreen.cpp -- the talk screen's speech boxes and menus as the talk sees them: who
// talks, what each says, the scene lines, the menus' lines and which key or click picks one. The
// screen lays it out (base/ui.h): where each word goes, when a line breaks, where a menu stands.
#include "society/talkscreen.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "society/chat.h"

static_assert((int)TALK_MENU_MODES == (int)UI_TALK_MODES && (int)TALK_MENU_OPTIONS == (int)UI_TALK_OPTIONS,
              "the talk's menus are the screen's");

namespace {

CreatureStruct *talked_to() {
    return Chatting_With >= 0 && Chatting_With < CRE_COUNT ? &Cre[Chatting_With] : nullptr;
}

}  // namespace

// The picture of a person's face: the record names it, with ".png" when the name has no ending.
const char *portrait_file(const CreatureStruct &c) {
    char *out = sbuf();
    char bare[sizeof c.portrait + 1];
    memcpy(bare, c.portrait, sizeof c.portrait);
    bare[sizeof c.portrait] = 0;
    if (!bare[0]) return out;
    snprintf(out, SBUF_SIZE, strchr(bare, '.') ? "%s" : "%s.png", bare);
    return out;
}

static const char *talk_title(char *title, size_t size) {
    snprintf(title, size, "Chatting with %s", talked_to() ? monnam(Chatting_With, 4) : "");
    return title;
}

void Talk_Screen() {
    char title[160];
    ui_talk_backdrop("bg-heritage.jpg", talk_title(title, sizeof title));
    Piirra_PLR_Puheboksi();
    Piirra_NPC_Puheboksi();
    Flip();
}

void Piirra_PLR_Puheboksi() {
    char path[1100];
    snprintf(path, sizeof path, "%s/portrait.png", CharacterPath);
    ui_talk_speaker(UI_TALK_PLAYER, plrnam(), path);
}

// A child without a child's face is given one.
void Piirra_NPC_Puheboksi() {
    CreatureStruct *c = talked_to();
    if (!c) {
        ui_talk_speaker(UI_TALK_PERSON, "", "");
        return;
    }
    if (c->role == 15 && !strstr(portrait_file(*c), "kid")) copy_bounded(c->portrait, sizeof c->portrait, "kid1.png");
    ui_talk_speaker(UI_TALK_PERSON, monnam(Chatting_With, 0), portrait_file(*c));
    // The title names the person as her box does: a name told in the talk shows in both.
    char title[160];
    ui_talk_backdrop("", talk_title(title, sizeof title));
}

void CrTalk_Clear() {
    Piirra_NPC_Puheboksi();
    ui_talk_restart(UI_TALK_PERSON);
}

void PlrTalk_Clear() {
    Piirra_PLR_Puheboksi();
    ui_talk_restart(UI_TALK_PLAYER);
}

void CrTalk(const char *text) { ui_talk_say(UI_TALK_PERSON, text); }

void PlrTalk(const char *text) { ui_talk_say(UI_TALK_PLAYER, text); }

void CrTalkBr() { ui_talk_line_break(UI_TALK_PERSON); }

// The scene line until a key or click. Without a screen nobody could read it, and no key is taken.
void Emote(int named, const char *text) {
    if (!ui_has_screen()) return;
    char line[600];
    if (named && talked_to())
        snprintf(line, sizeof line, "%s %s", monnam(Chatting_With, 2), text ? text : "");
    else
        snprintf(line, sizeof line, "%s", text ? text : "");
    if (line[0]) line[0] = (char)toupper((unsigned char)line[0]);
    ui_talk_scene_show(line);
    getkeypress();
    ui_talk_scene_close();
}

const char *verbal_percent(float part, float whole) {
    static const struct {
        float bound;
        const char *words;
    } SHARES[] = {{0.05f, "very, very little"}, {0.1f, "just a little"},  {0.15f, "about one tenth"},
                  {0.2f, "one fifth"},          {0.3f, "one third"},      {0.4f, "less than half"},
                  {0.5f, "about a half"},       {0.6f, "more than half"}, {0.7f, "two thirds"},
                  {0.8f, "more than two thirds"}, {0.9f, "close to all"}};
    // A share of nothing: all of it when something was given, none when nothing was.
    float r;
    if (whole > 0.0f) r = part / whole;
    else r = part > 0.0f ? 1.0f : 0.0f;
    if (r != r) r = 0.0f;
    const char *words = "almost all";
    for (const auto &s : SHARES)
        if (r <= s.bound) {
            words = s.words;
            break;
        }
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, words);
    return out;
}

// ---- the menus -------------------------------------------------------------------------------------

namespace {

int upper(int key) { return key >= 'a' && key <= 'z' ? key - 32 : key; }
bool selectable(const TalkMenuLine &l) { return l.key > 0 && l.text[0]; }

int step(const TalkMenuLine *lines, int n, int from, int dir) {
    for (int i = from + dir; i >= 0 && i < n; i += dir)
        if (selectable(lines[i])) return i;
    return from;
}

}  // namespace

int Talk_Menu(int which, const char *title, const TalkMenuLine *lines, int n) {
    if (!lines || n <= 0) return KEY_ESC;
    if (n > UI_TALK_MENU_LINES) n = UI_TALK_MENU_LINES;
    UiTalkMenu menu{};
    menu.which = which == TALK_MENU_OPTIONS ? UI_TALK_OPTIONS : UI_TALK_MODES;
    menu.title = title ? title : "";
    menu.n = n;
    for (int i = 0; i < n; i++) menu.lines[i] = lines[i].text;
    int &cur = menu.highlighted;
    cur = step(lines, n, -1, 1);
    ui_talk_menu_open(&menu);
    int answer = KEY_ESC;
    for (;;) {
        if (ui_has_screen()) {
            ui_talk_menu_show(&menu);
            Flip();
        }
        const int k = getkey();
        // The line under the mouse: a click picks it, a move highlights it.
        const bool click = ui_has_screen() && MOUSECLICK == 1;
        int under = -1;
        if (click || k == KEY_QUIT) {
            under = ui_talk_menu_pointed(&menu);
            if (under >= 0 && !selectable(lines[under])) under = -1;
        }
        if (k == KEY_QUIT) {
            if (WindowClosed() || !ui_has_screen()) break;
            if (under >= 0) cur = under;
            continue;
        }
        if (k == KEY_ENTER) {
            const int pick = click ? under : cur;
            if (pick >= 0 && selectable(lines[pick])) {
                answer = lines[pick].key;
                break;
            }
            continue;
        }
        if (k == KEY_UP || k == KEY_DOWN) {
            cur = step(lines, n, cur, k == KEY_UP ? -1 : 1);
            continue;
        }
        int found = -1;
        for (int i = 0; i < n && found < 0; i++)
            if (selectable(lines[i]) && upper(lines[i].key) == upper(k)) found = i;
        if (found >= 0) {
            answer = lines[found].key;
            break;
        }
        // Esc leaves even a menu without an Esc line when nobody can answer otherwise: the queue ran
        // out or the window was closed.
        if (k == KEY_ESC && (!ui_has_screen() || CLOSE_WINDOW || WindowClosed())) break;
        if (!ui_has_screen() && ui_script_left() <= 0) break;
    }
    ui_talk_menu_close(&menu);
    return answer;
}
