// src/activities/herbknow.cpp -- what plants do to body and wounds, what the player has tried and
// felt of them, how much she knows of one plant, the herb information box, and the HERBLORE command
// that examines a plant and may identify its species.
#include "activities/herblore.h"

#include <cstdio>
#include <cstring>

#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/tags.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/plants.h"
#include "maps/picker.h"
#include "maps/sight.h"


char herbinfo_lines[HERBINFO_LISTS][HERB_LINES][HERB_LINE];
int herbinfo_count[HERBINFO_LISTS];
uint8_t herbinfo_syomakelpoisuus, herbinfo_tositr, herbinfo_maxtr;

// ---- the effects -------------------------------------------------------------------------------

static const struct {
    const char *name;
    uint8_t topical;
    const char *desc, *felt;
} EFFECTS[] = {
    {"psychoactive", 0, "makes you fall into a trance and journey to the spirit world", "makes the world feel like a vivid dream"},
    {"nausea", 0, "causes nausea and urge to vomit", "makes you sick in your stomach"},
    {"stimulant", 0, "increases physical activity", "cheers you up"},
    {"appetizing", 0, "increases appetite", "makes you want to eat"},
    {"deadly_poisonous", 0, "is deadly poisonous", "makes you deadly sick"},
    {"poisonous", 0, "is poisonous", "makes you very sick"},
    {"gut_irritating", 0, "is mildly poisonous and irritates the stomach and throat", "makes your stomach hurt inside"},
    {"antiemetic", 0, "reduces nausea and vomiting", "soothes a churning stomach"},
    {"analgesic", 0, "reduces pain", "makes you feel numb"},
    {"refrigerant", 0, "is cooling remedy which can be helpful in the case of fevers", "makes you feel a bit cooler"},
    {"diaphoretic", 0, "promotes sweating which can cool the body during fever and remove toxins through the skin",
     "makes you sweat more"},
    {"astringent", 1, "stops bleeding and constricts body tissues creating a barrier to infection in wounds and burns",
     "seems to do good for the wounds"},
    {"anti-inflammatory", 1, "prevents and reduces inflammation caused by sickness or in wounds",
     "seems to aid healing of wounds"},
    {"vulnerary", 1, "helps wounds to heal", "seems to be good for wounds"},
    {"tonic", 0, "nourishes the whole body helping to restore normal tone after poor diet or in convalescense",
     "seems to do good for your body"},
    {"alterative", 0, "restores normal health in long-standing conditions and bodily disorders",
     "seems to do good for your body"},
    {"pectoral", 0, "strengthens the lungs and relieves disorders of the chest", "seems to do good for the chest"},
    {"anti-catarrhall", 0, "expels foul matter from the chest and throat when suffering from coughing sickness or cold",
     "makes it easier to breath"},
    {"sedative", 0, "soothes and relaxes mind and body and is conducive to sleep", "makes you relaxed"},
    {"depurative", 0, "purifies and cleanses the blood helping the body to remove toxins and poisononous substances",
     "seems to help when sick"},
    {"anti-microbial", 1, "guards wounds against festering and helps to rid the body of disease-causing matter",
     "makes the wounds stay cleaner"},
    {"antiseptic", 1, "cleans wounds and prevents dirt from doing harm to damaged skin", "makes the wounds feel cleaner"},
};

void definit_yrttidata() {
    memset(YrttiInfo, 0, sizeof YrttiInfo);
    int k = 0;
    for (const auto &e : EFFECTS) {
        copy_bounded(YrttiInfo[k].name, sizeof YrttiInfo[k].name, e.name);
        copy_bounded(YrttiInfo[k].desc, sizeof YrttiInfo[k].desc, e.desc);
        copy_bounded(YrttiInfo[k].felt, sizeof YrttiInfo[k].felt, e.felt);
        YrttiInfo[k].topical = e.topical;
        k++;
    }
    for (const YrttiInfoStruct &y : YrttiInfo)
        if (y.name[0]) DebugNote(y.name);
}

// ---- what she knows of a plant -----------------------------------------------------------------

static void add_line(int list, const char *text) {
    int &n = herbinfo_count[list];
    if (n >= HERB_LINES) return;
    copy_bounded(herbinfo_lines[list][n++], HERB_LINE, text);
}

static uint32_t tag_effects(const char *key) {
    char words[100];
    copy_bounded(words, sizeof words, tag_value(ascii_data, key, ""));
    return AsetaYrttivaikutus(0, words);
}

uint8_t KASVIDATA_yrttitieto(const ItemStruct &item, int row) {
    memset(herbinfo_lines, 0, sizeof herbinfo_lines);
    memset(herbinfo_count, 0, sizeof herbinfo_count);
    herbinfo_syomakelpoisuus = herbinfo_tositr = herbinfo_maxtr = 0;
    if (row < 0 || row >= HERBARIUM_ROWS) return 0;
    const KasvioStruct &k = HerbloreKasvio[row];

    hae_asciidata(0, ISANTAKASVI(item));
    const uint32_t boiled = tag_effects("EFFECT_BOILED"), removed = tag_effects("REMOVE_BOILED");
    const uint32_t own = item.raw;
    const bool identified = item.plantname == 1;

    int budget = identified ? 1 : 0;
    if (k.mark == 1) {
        int level = Skill_ML(-1, "HERBLORE");
        if (level > 100) level = 0;
        budget = (level - (int)k.difficulty) / 10 + 2;
    }
    const bool judged = budget > 0;   // she may tell its edibility, even of a plant without effects
    for (int e = 4; e <= 6; e++)
        if (!(own & (1u << e)) && !(boiled & (1u << e)) && budget > 0) herbinfo_syomakelpoisuus = 3;

    // The verdict follows every harmful effect the plant has, shown or not: a poison the budget did
    // not reach must not leave the plant reading as edible.
    int effects = 0;
    for (int e = 0; e < YRTTI_COUNT; e++) {
        const uint32_t bit = 1u << e;
        if (!(own & bit) && !(boiled & bit)) continue;
        effects++;
        const bool harmful = e >= 4 && e <= 6;
        if (harmful && (own & bit)) {
            if (removed & bit) herbinfo_syomakelpoisuus = 2;
            else if (!YrttiInfo[e].topical) herbinfo_syomakelpoisuus = 1;
        }
        const bool felt = (k.felt & bit) != 0;
        if (!felt && budget <= 0) continue;
        const char *text = felt && !identified ? YrttiInfo[e].felt : YrttiInfo[e].desc;
        if (!(own & bit)) add_line(HERBINFO_BOILED, text);
        else if (removed & bit) add_line(HERBINFO_UNLESS_BOILED, text);
        else if (!YrttiInfo[e].topical) add_line(boiled != 0 && !(boiled & bit) ? HERBINFO_RAW : HERBINFO_ANY, text);
        else add_line(HERBINFO_TOPICAL, text);
        if (budget > 0) budget--;
    }
    int known = 0;
    for (int n : herbinfo_count) known += n;
    if (!known && !judged) herbinfo_syomakelpoisuus = 0;   // nothing shown and nothing to spend: no judgement
    const int verdict = herbinfo_syomakelpoisuus ? 1 : 0;
    herbinfo_tositr = (uint8_t)(known + verdict);
    herbinfo_maxtr = (uint8_t)(effects + verdict);
    return herbinfo_tositr;
}

// ---- the information box -----------------------------------------------------------------------

static const char *const HEADINGS[HERBINFO_LISTS] = {
    "<blue>When eaten raw<black>it", "<blue>When consumed in any form<black>it",
    "<blue>Unless boiled separately, <black>it", "<blue>When boiled<black>it", "<blue>When applied topically<black>it"};

void herb_infobox(const char *title, int mode) {
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(title ? title : "");
    SANATAULUKKO_Lisaa(".<br>");
    SANATAULUKKO_Lisaa("<br>");
    if (herbinfo_tositr > 0) {
        if (herbinfo_syomakelpoisuus == 2) SANATAULUKKO_Lisaa("<red>It is not edible raw.<black><br><br>");
        else if (herbinfo_syomakelpoisuus == 3) SANATAULUKKO_Lisaa("It is edible.<br><br>");
        else if (herbinfo_syomakelpoisuus == 1) SANATAULUKKO_Lisaa("<red>It is not edible.<black><br><br>");
    }
    for (int l = 0; l < HERBINFO_LISTS; l++) {
        if (!herbinfo_count[l]) continue;
        SANATAULUKKO_Lisaa(HEADINGS[l]);
        const int from = SanaTaulukko_ENTRY;
        for (int n = 0; n < herbinfo_count[l]; n++) {
            char line[HERB_LINE + 2];
            snprintf(line, sizeof line, "%s,", herbinfo_lines[l][n]);
            SANATAULUKKO_Lisaa(line);
        }
        SANATAULUKKO_Pilkkulistaus(from, 2);
        SANATAULUKKO_Lisaa(".<br><br>");
    }
    if (DEBUG_INFO) {
        char line[60];
        snprintf(line, sizeof line, "tietomaara: %d/%d<br><br>", herbinfo_tositr, herbinfo_maxtr);
        SANATAULUKKO_Lisaa(line);
    }
    if (mode == 1) {
        if (herbinfo_tositr == herbinfo_maxtr) SANATAULUKKO_Lisaa("<green>It's completely known to you.<black><br>");
        else SANATAULUKKO_Lisaa("<red>There's still more to learn.</red><br>");
    } else if (mode == 2) {
        SANATAULUKKO_Lisaa("<red>You're not confident about recognizing it in all occasions.</red><br>");
    }

    ui_grabscr("infoview");
    ui_herblore_window();
    Flip();
    getkeypress();
    restorescr("infoview");
    freescr("infoview");
    Flip();
}

// ---- the HERBLORE command ----------------------------------------------------------------------

static const int ROLL_BONUS[4] = {-20, -10, 0, 10};

void Herblore() {
    int level = Skill_ML(-1, "HERBLORE");
    if (level > 100) level = 0;   // without the skill she knows nothing of plants

    int record = -1, slot = -1;
    const int around = see_datatype_around(DT_PLANT, PlayerX, PlayerY, 0) >= 0 ||
                       see_datatype_around(DT_HERB_B, PlayerX, PlayerY, 0) >= 0;
    if (around) {
        if (!ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, "plant to examine")) {
            Note("_To examine something in your inventory, move to a location where the are no plants.");
            return;
        }
        record = get_datatype(DT_PLANT, GeneralX, GeneralY);
        if (record < 0) record = get_datatype(DT_HERB_B, GeneralX, GeneralY);
        if (record < 0) {
            Note("!No plants there.");
            return;
        }
    } else {
        Note("_No plants around. You can examine something in your inventory.");
        slot = selslot("Select an item from vegetable kingdom?", "examine", SEL_WRONG_TYPE, invmask(IT_FOOD, IT_PLANT), 0);
        if (slot == INVSEL_NOTHING) {
            Note(nothingto("examine with herblore"));
            return;
        }
        if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return;
    }
    const int object = record >= 0 ? (int)Data[record].id : Plr.inv_obj[slot];
    ItemStruct item = ObjToItem(object);
    if (!onko_kasvikuntaa(item)) {
        Note("!That is something not to be examined by herblore.");
        return;
    }
    const int row = KasvioPos(item);
    if (row < 0) return;
    KasvioStruct &k = HerbloreKasvio[row];

    const bool fresh = k.exam_hour != Plr.hour || k.exam_level != level || k.exam_felt != k.felt;
    const int roll = fresh ? Kayta_Taitoa(0, 0, "HERBLORE", LEARN_EIGHT) : k.exam_roll;
    TARGET_ITEM = object;
    const int bonus = ROLL_BONUS[roll < 0 ? 0 : roll > 3 ? 3 : roll] + 5 * KASVIDATA_yrttitieto(item, row);
    bool identified = item.plantname == 1;
    if (identified) Note(MSG("HERBLORE_KNOWN"));
    else if (fresh && !realbasicspend(2, 0, "EXAMINING THE PLANT", 0)) return;

    const bool felt_new = k.exam_felt != k.felt;
    k.exam_hour = Plr.hour;
    k.exam_level = (uint8_t)level;
    k.exam_roll = (uint8_t)(roll < 0 ? 0 : roll > 3 ? 3 : roll);
    k.exam_felt = k.felt;
    DebugNotef("HERBML %d+%d = %d kasviML %d", level, bonus, level + bonus, k.difficulty);

    bool learnt_told = false;
    if (k.mark != 1) {
        const int hard = k.difficulty;
        if (level + bonus < hard) {
            if (!identified) Note(MSG("HERBLORE_FAILURE"));
            return;
        }
        if (level < hard) {
            // This specimen is known now, and those like it at hand; the species is not.
            if (item.plantname > 1) {
                const int mark = item.plantname;
                item.plantname = 1;
                if (record >= 0) {
                    tunnista_datakasvit(mark, record);
                    TARGET_ITEM = (int)Data[record].id;
                } else {
                    tunnista_invkasvit(mark);
                }
                Note(MSG("HERBLORE_RECKON"));
                identified = true;
            }
        } else {
            k.mark = 1;
            HERBLORE_aseta_kasvitieto(row, 1);
            item.plantname = 1;
            if (!identified) {
                Note(MSG("HERBLORE_SUCCESS"));
                identified = true;
            } else {
                if (!KASVIDATA_yrttitieto(item, row)) return;
                Note(MSG("HERBLORE_LEARN"));
                learnt_told = true;
            }
        }
    }
    if (!learnt_told) {
        if (!KASVIDATA_yrttitieto(item, row)) return;
        if (felt_new) Note(MSG("HERBLORE_LEARN"));
    }
    // Her own plant or the one on the ground, as the identification left it.
    char title[SBUF_SIZE];
    copy_bounded(title, sizeof title, enimi(record >= 0 ? (int)Data[record].id : Plr.inv_obj[slot], 1, 0));
    herb_infobox(title, k.mark == 1 ? 1 : identified ? 2 : 0);
}
