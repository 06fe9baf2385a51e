// Every message key the game uses has a text in the English message files: a player never sees a
// ".KEY." placeholder. The keys are gathered from the source (every call of a *MSG function or a
// "say" wrapper with a literal key) and from the families and keys that the game builds at run time.
#include "common/harness.h"

#include "base/ownlib.h"
#include "core/tekstit.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using oxatest::TempDir;

namespace {

std::string source_root() { return OXA_SOURCE_DIR; }

void walk(const std::string &dir, std::vector<std::string> &files) {
    DIR *d = opendir(dir.c_str());
    if (!d) return;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string path = dir + "/" + name;
        struct stat st;
        if (stat(path.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            walk(path, files);
        else if (name.size() > 4 && (name.substr(name.size() - 4) == ".cpp" || name.substr(name.size() - 2) == ".h"))
            files.push_back(path);
    }
    closedir(d);
}

struct CodeKeys {
    std::set<std::string> msg, chat;
};

CodeKeys keys_in_source() {
    CodeKeys keys;
    std::vector<std::string> files;
    walk(source_root() + "/src", files);
    // MSG, MSG_parse, CHATMSG and the like, and the small "say" wrappers some modules keep around MSG.
    // A key is written in capitals, digits and "_", with an optional ":" sub-key; keys built from
    // variables at run time, and plain texts handed to "say", have other characters.
    std::regex key_shape(R"([A-Z][A-Z0-9_]*(:[A-Za-z0-9_]+)?)");
    std::regex call(R"(\b([A-Za-z_]*MSG(?:_parse)?|say)\(\s*\"([^\"\\]*)\")");
    for (const std::string &f : files) {
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        // The expression is tried only at the name before each "(" that could be a call, from the
        // name's first letter, not from every character of the sources.
        std::smatch m;
        for (size_t paren = text.find('('); paren != std::string::npos; paren = text.find('(', paren + 1)) {
            const auto ends = [&](const char *name) {
                const size_t n = strlen(name);
                return paren >= n && text.compare(paren - n, n, name) == 0;
            };
            if (!ends("MSG") && !ends("MSG_parse") && !ends("say")) continue;
            size_t at = paren;
            while (at > 0 && (isalpha((unsigned char)text[at - 1]) || text[at - 1] == '_')) at--;
            const auto flags = std::regex_constants::match_continuous |
                               (at ? std::regex_constants::match_prev_avail : std::regex_constants::match_default);
            if (!std::regex_search(text.begin() + (long)at, text.end(), m, call, flags)) continue;
            std::string fn = m[1], key = m[2];
            if (!std::regex_match(key, key_shape)) continue;
            (fn == "CHATMSG" ? keys.chat : keys.msg).insert(key);
        }
    }
    return keys;
}

// Keys the game builds at run time or that the modules still to come show.
std::vector<std::string> built_keys() {
    std::vector<std::string> keys = {
        "CARCASS_DAMAGE:SLIGHT", "CARCASS_DAMAGE:LOW", "CARCASS_DAMAGE:MED", "CARCASS_DAMAGE:HIGH",
        "CARCASS_DAMAGE:GREAT", "CARCASS_EATEN:LOW", "CARCASS_EATEN:MED", "CARCASS_EATEN:HIGH",
        "CARCASS_EATEN:GREAT", "CARCASS_CUT:LOW", "CARCASS_CUT:MED", "CARCASS_CUT:HIGH", "CARCASS_CUT:GREAT",
        "ADJ:BIG", "ADJ:SMALL", "ACTIVITY_PROFILE:AGGRESSIVE", "ACTIVITY_PROFILE:ESCAPING",
        "ACTIVITY_PROFILE:UNCONSCIOUS", "OUT_OF_ITEMS", "NPC_DEATH_DROWN", "CANT_WIELD_INJURED:1",
        "CANT_WIELD_INJURED:2", "TASK_PROMPT_AGGRESSION", "TASK_PROMPT_AGG_APPROACH", "TASK_PROMPT_AGG_CREATURE",
        "TASK_PROMPT_CREATURE", "FOOD_READY", "FOOD_BURNING", "WARNING_MAP_ITEM_LIMIT", "BURIED_IN_BOG",
        "CANT_PICK_PREPARING", "ICE_BREAKS", "MOVEMENT_OBSTACLE_AHEAD", "MOVEMENT_NPC_AHEAD", "NPC_WITHDRAWS",
        "OUT_OF_THE_WATER", "CAN_WADE", "WATERCRAFT_OVERLOADED", "WATERCRAFT_LAUNCH", "DEEP_WATER",
        "DO_OPEN_GATE", "GATE_ALR_OPEN", "DO_OPEN_DOOR", "DOOR_ALR_OPEN", "DOOR_NOT", "DO_CLOSE_DOOR",
        "DO_CLOSE_GATE", "GATE_ALR_CLOSED", "DOOR_ALR_CLOSED", "HIDING_STOP", "HIDING_CANT", "HIDING_START",
        "ICE_CLIMB_SUCCESS", "WAKE_UP",
    };
    for (int m = 1; m <= 12; ++m) keys.push_back("MONTH_NAME:" + std::to_string(m));
    for (int d = 0; d <= 60; ++d) keys.push_back("TIMESPAN_DAY:" + std::to_string(d));
    return keys;
}

std::string fallback_of(const std::string &key) {
    size_t colon = key.find(':');
    if (colon == std::string::npos) return "." + key + ".";
    return "." + key.substr(0, colon) + ".(" + key.substr(colon + 1) + ")";
}

class MessageKeys : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        mkdir((dir->path() + "/messages").c_str(), 0755);
        DIR *d = opendir(oxatest::asset_path("messages").c_str());
        ASSERT_NE(d, nullptr) << "the built working folder has no messages folder";
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.') dir->copy_asset(("messages/" + std::string(e->d_name)).c_str());
        closedir(d);
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
    }
    void TearDown() override {
        MSG_forget_index();
        delete dir;
    }
    TempDir *dir = nullptr;
};

TEST_F(MessageKeys, EveryKeyTheGameUsesHasAnEnglishText) {
    CodeKeys code = keys_in_source();
    std::set<std::string> all(code.msg.begin(), code.msg.end());
    for (const std::string &k : built_keys()) all.insert(k);
    std::vector<std::string> missing;
    for (int who : {-1, 0}) {   // variants chosen by the creature: the player and anyone else
        TARGET_NPC = who;
        for (const std::string &k : all) {
            std::string text = MSG_parse(k.c_str());
            if (text == fallback_of(k) || text.rfind("!ERROR:", 0) == 0) missing.push_back(k);
        }
    }
    TARGET_NPC = -1000;
    EXPECT_TRUE(missing.empty()) << "keys without an English text: " << ::testing::PrintToString(missing);
    for (const std::string &k : code.chat) {
        std::string answer = CHATMSG(k.c_str());
        EXPECT_NE(answer.rfind("I haven't been taught", 0), 0u) << "chat key without answers: " << k;
    }
}

TEST_F(MessageKeys, StartUpWordsFitTheirBuffers) {
    oxa_textinit();
    for (int m = 1; m <= 12; ++m) {
        EXPECT_STRNE(PAGANMONTH[m], "") << m;
        EXPECT_EQ(PAGANMONTH[m][0] == '.', false) << PAGANMONTH[m];
    }
    // Each word is read whole: a cut one would have filled its buffer to the last byte.
    EXPECT_LT(strlen(defs_ADJ_ISO), sizeof defs_ADJ_ISO - 1);
    EXPECT_LT(strlen(defs_carcass_eaten_great), sizeof defs_carcass_eaten_great - 1);
    EXPECT_LT(strlen(defs_activity_tajuton), sizeof defs_activity_tajuton - 1);
    EXPECT_STREQ(defs_activity_aggressiivinen, "aggressive");
}

// The message files are written by several hands: a key defined in two files would let one text
// silently hide the other.
TEST(MessageFiles, NoKeyIsDefinedTwice) {
    const std::string dir = source_root() + "/data/messages";
    DIR *d = opendir(dir.c_str());
    ASSERT_NE(d, nullptr);
    std::map<std::string, std::string> seen;
    const std::regex heading(R"(^\.([A-Z0-9_:]+)\.(\(npc\))?\s*$)");
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name.rfind("eng_", 0) != 0) continue;
        std::ifstream in(dir + "/" + name);
        std::string line;
        std::smatch m;
        while (std::getline(in, line))
            if (std::regex_match(line, m, heading)) {
                const auto at = seen.find(m[1]);
                EXPECT_TRUE(at == seen.end()) << m[1] << " in " << name << " and in " << at->second;
                seen[m[1]] = name;
            }
    }
    closedir(d);
    EXPECT_GT(seen.size(), 100u);
}

}  // namespace
