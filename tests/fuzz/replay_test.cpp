// Every fuzz target, built by the ordinary compiler, replays the inputs kept in tests/fuzz/<name>/
// (each once made a reader crash, hang or write out of bounds) and an empty input. A target that
// finds a fault aborts, which fails this test.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common.h"

struct FuzzTarget {
    const char *name;
    int (*run)(const uint8_t *data, size_t size);
    int (*init)(int *argc, char ***argv);   // null when the target has no LLVMFuzzerInitialize
};
#include "fuzz_registry.h"

// gtest shows a target by its name.
static void PrintTo(const FuzzTarget &t, std::ostream *os) { *os << t.name; }

namespace {

std::vector<std::string> kept_inputs(const std::string &dir) {
    std::vector<std::string> names;
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.') names.push_back(dir + "/" + e->d_name);
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FuzzReplay : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzReplay, KeptInputsAndTheEmptyInputPass) {
    const FuzzTarget &t = GetParam();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    if (t.init) {
        int argc = 0;
        char **argv = nullptr;
        EXPECT_EQ(t.init(&argc, &argv), 0);
    }
    EXPECT_EQ(t.run(nullptr, 0), 0);
    for (const std::string &path : kept_inputs(std::string(OXA_SOURCE_DIR) + "/tests/fuzz/" + t.name)) {
        SCOPED_TRACE(path);
        std::string bytes = oxafuzz::read_file(path);
        EXPECT_EQ(t.run((const uint8_t *)bytes.data(), bytes.size()), 0);
    }
    ASSERT_EQ(chdir(cwd), 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(FUZZ_TARGETS),
                         [](const ::testing::TestParamInfo<FuzzTarget> &info) { return std::string(info.param.name); });

// A folder of kept inputs whose target was renamed or removed would silently stop being replayed.
TEST(FuzzReplay, EveryKeptFolderHasItsTarget) {
    std::string root = std::string(OXA_SOURCE_DIR) + "/tests/fuzz";
    for (const std::string &path : kept_inputs(root)) {
        std::string name = path.substr(root.size() + 1);
        if (name.find('.') != std::string::npos) continue;   // this test's own sources
        bool known = false;
        for (const FuzzTarget &t : FUZZ_TARGETS) known = known || name == t.name;
        EXPECT_TRUE(known) << "tests/fuzz/" << name << " has no fuzz target fuzz/fuzz_" << name << ".cpp";
    }
}

}  // namespace
