// src/core/tekstit.h -- texts: texts by key from the message
// files, the word table, text lists and coded notes, English grammar and the descriptive texts.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/sbuf.h"

void oxa_textinit();               // texts filled from message keys at start-up

// ---- texts by key -----------------------------------------------------------------------------
enum { MSGBUF_SIZE = 1024, MSGVAR_SIZE = 300, MSGLINE_MAX = 300, MSG_NEST_MAX = 8 };

extern char language[16];          // prefix of the message files, "eng"
extern char MESSAGE_s[MSGBUF_SIZE];   // what MSG answers
extern char HEAR_s[MSGBUF_SIZE];      // the heard variant of the last text, or empty
extern char MSG_s[MSGBUF_SIZE];       // the result of one lookup in the message files
extern char vMSG_s[MSGBUF_SIZE];      // fills "%s" in the heard variant; cleared by every MSG
extern char vaihtuva_MSG_avain[MSGVAR_SIZE];   // the value of the last variable looked up

// What a message is about: set by the caller before MSG.
extern int TARGET_DIR, TARGET_NPC, TARGET_ITEM, TARGET_NUM, TARGET_PREPDAYS, ATTACKER, DEFENDER;
enum { VMSG_TEXT = 100 };
extern char vMSG_var[MSGVAR_SIZE], vMSG_status[MSGVAR_SIZE];
extern char vMSG_attack_aspect[VMSG_TEXT], vMSG_attack_weapon[VMSG_TEXT], vMSG_attack_bow[VMSG_TEXT],
    vMSG_defend_aspect[VMSG_TEXT], vMSG_defend_weapon[VMSG_TEXT], vMSG_defender_bodypart[VMSG_TEXT],
    vMSG_attacker_bodypart[VMSG_TEXT], vMSG_wounded_bodypart[VMSG_TEXT];
extern int vMSG_wc_bonus, vMSG_attack_class, vMSG_defense_class, vMSG_weapon_slot;

// Words read once at start-up by oxa_textinit.
extern char PAGANMONTH[13][100];   // slots 1..12
extern char defs_carcass_harmed[100], defs_carcass_torn[100], defs_carcass_hacked[100],
    defs_carcass_mangled[100], defs_carcass_grisly[100];
extern char defs_carcass_eaten_low[50], defs_carcass_eaten_med[50], defs_carcass_eaten_high[50],
    defs_carcass_eaten_great[50];
extern char defs_carcass_cut_low[50], defs_carcass_cut_med[50], defs_carcass_cut_high[50],
    defs_carcass_cut_great[50];
extern char defs_ADJ_ISO[25], defs_ADJ_PIENI[25];
extern char defs_activity_aggressiivinen[50], defs_activity_pakenee[50], defs_activity_tajuton[50];

char *MSG(const char *key);        // the text for a key, in MESSAGE_s; HEAR_s holds the heard variant
char *MSG_parse(const char *key);  // one lookup in the message files, into MSG_s
void Parseroi_vMSG_avaimet(char *text, int size = MSGBUF_SIZE);  // fills "<variable>" names in place
char *Vaihtuva_MSG_Avain(const char *name);        // a variable's value, in vaihtuva_MSG_avain
char *CHATMSG(const char *key);    // a conversation answer, in a scratch buffer
char *TIMESPAN_days(int n);
char *nothingto(const char *x);
char *cant(const char *x);
char *cantwhile(const char *x, const char *y);
// The message files are read and indexed once; this forgets the index so that the next lookup reads
// them afresh (a new working folder or language).
void MSG_forget_index();

// ---- word table, text lists and coded notes ---------------------------------------------------
enum { SANATAULUKKO_MAX = 5000, SANA_SIZE = 130, PILKKU_MAX = 100, GAME_STRINGS_MAX = 300 };
extern char SanaTaulukko[SANATAULUKKO_MAX][SANA_SIZE];
extern int SanaTaulukko_ENTRY;
extern char pilkkulista[PILKKU_MAX][100];
extern unsigned pilkkulista_count[PILKKU_MAX];
extern char GAME_STRINGS[GAME_STRINGS_MAX][SANA_SIZE];

void SANATAULUKKO_Tyhjaa();
void SANATAULUKKO_Lisaa(int clear, const char *text);
void SANATAULUKKO_Lisaa(const char *text);  // adds without emptying
void SANATAULUKKO_AlustaLuku();
char *SANATAULUKKO_LueSana();          // the next word; "" at the end
char *SANATAULUKKO_LueTulevaSana();    // the word after it, without moving on
void SANATAULUKKO_finfo(const char *screen);
void SANATAULUKKO_Pilkkulistaus(int from, int least);
char *fetchwords();
char *andlist(const char *text);
void reset_dotlist();
void add_dotlist(const char *text);
char *get_dotlistbuf();
void get_notes();
void coded_st(char section, char code);

// ---- English grammar and text utilities -------------------------------------------------------
char *an(const char *text);
char *the(const char *text);
char *mon(const char *name);
char *yks(const char *name);
char *EsineTeksti(int count, const char *name, int style, int article);
char *Alkuk(char *text);
char *alkuk(char *text);
char *StrSkandit(const char *text);
char *lue_tag(const char *text, const char *pair);
char *plrnam();
extern unsigned Tappolista[1000];
extern unsigned Tappolista_kulttuuri[15];
void KirjoitaLoki(const void *record);

// ---- descriptive texts ------------------------------------------------------------------------
extern const char *MONTHS[12];
extern const char *SI_taitokuvaus[11];
char *WaterTemp_txtdesc(int t);
char *SnowDepth_txtdesc(int d);
char *monthphase(int day, int month);
char *datedesc(int day, int month, const char *mode);
void AikaTeksti(int hour, char *out);      // out holds at least 16 bytes
struct TextRGB { uint8_t r, g, b; };
char *PlrWarmthDesc(int mode, TextRGB &colour);
char *NalkaTeksti(int hunger);
char *JanoTeksti(int thirst);
char *RavitsemusTeksti(int n);
const char *taitoteksti_perus(int level);
const char *ILMANSUUNTA(int d);
char *EtaisyydenKuvaus(int d);
char *YhteiselamanTeksti(int flags);
