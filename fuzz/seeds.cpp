// fuzz_seeds <working folder> <source folder> <seed folder>: makes every fuzz target's seed corpus
// <seed folder>/<name>/ from the lines of fuzz/fuzz_<name>.seeds:
//   file <path>              each file of the working folder matching the pattern (a glob) is a seed
//   bundle <folder> [<glob>...] the folder's files (all, or those matching a glob) in one bundle seed
//   prefix <text> <path>     the text, then the file of the working folder, as one seed
//   zeros <n> [<text>]       the text, then zero bytes up to n bytes (a record file's size)
//   text <text>              the text itself, with \n, \r, \t, \xNN and \\ as escapes
// A line beginning '#' is a comment. The kept inputs of tests/fuzz/<name>/ are seeds too.
#include <dirent.h>
#include <fnmatch.h>
#include <glob.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common.h"

static int made = 0, problems = 0;

static std::string safe_name(std::string s) {
    for (char &c : s)
        if (c == '/' || c == ' ') c = '_';
    return s;
}

static void put(const std::string &dir, const std::string &name, const std::string &bytes) {
    if (!oxafuzz::write_file(dir + "/" + name, bytes.data(), bytes.size())) {
        fprintf(stderr, "fuzz_seeds: couldn't write %s/%s\n", dir.c_str(), name.c_str());
        problems++;
    } else {
        made++;
    }
}

static std::string unescape(const std::string &s) {
    std::string out;
    for (size_t i = 0; i < s.size(); i++) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        if (c == 'x' && i + 2 < s.size()) {
            out += (char)strtol(s.substr(i + 1, 2).c_str(), nullptr, 16);
            i += 2;
            continue;
        }
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return out;
}

static std::vector<std::string> files_in(const std::string &dir, const char *pattern) {
    std::vector<std::string> names;
    DIR *d = opendir(dir.c_str());
    if (!d) return names;
    while (dirent *e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        struct stat st;
        if (stat((dir + "/" + e->d_name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (fnmatch(pattern, e->d_name, 0) == 0) names.push_back(e->d_name);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

static void make_corpus(const std::string &run, const std::string &src, const std::string &out,
                        const std::string &name) {
    std::string dir = out + "/" + name;
    mkdir(out.c_str(), 0755);
    mkdir(dir.c_str(), 0755);
    std::ifstream list(src + "/fuzz/fuzz_" + name + ".seeds");
    std::string line;
    int n = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string kind, arg;
        words >> kind >> arg;
        if (kind == "file") {
            glob_t g;
            std::string pattern = run + "/" + arg;
            if (glob(pattern.c_str(), 0, nullptr, &g) != 0) {
                fprintf(stderr, "fuzz_seeds: %s: nothing matches %s\n", name.c_str(), arg.c_str());
                problems++;
                continue;
            }
            for (size_t i = 0; i < g.gl_pathc; i++) {
                std::string rel = g.gl_pathv[i] + run.size() + 1;
                put(dir, "seed-" + safe_name(rel), oxafuzz::read_file(g.gl_pathv[i]));
            }
            globfree(&g);
        } else if (kind == "bundle") {
            std::vector<std::string> patterns;
            for (std::string p; words >> p;) patterns.push_back(p);
            if (patterns.empty()) patterns.push_back("*");
            std::vector<uint8_t> bytes;
            for (const std::string &pattern : patterns)
                for (const std::string &f : files_in(run + "/" + arg, pattern.c_str())) {
                    std::string data = oxafuzz::read_file(run + "/" + arg + "/" + f);
                    oxafuzz::bundle_add(bytes, f, data.data(), data.size());
                }
            if (bytes.empty()) {
                fprintf(stderr, "fuzz_seeds: %s: the folder %s holds nothing\n", name.c_str(), arg.c_str());
                problems++;
                continue;
            }
            put(dir, "seed-bundle-" + safe_name(arg) + "-" + std::to_string(n++),
                std::string(bytes.begin(), bytes.end()));
        } else if (kind == "prefix") {
            std::string path;
            words >> path;
            struct stat st;
            if (stat((run + "/" + path).c_str(), &st) != 0) {
                fprintf(stderr, "fuzz_seeds: %s: no file %s\n", name.c_str(), path.c_str());
                problems++;
                continue;
            }
            put(dir, "seed-" + safe_name(path), unescape(arg) + oxafuzz::read_file(run + "/" + path));
        } else if (kind == "zeros") {
            std::string text;
            words >> text;
            std::string bytes = unescape(text);
            bytes.resize((size_t)atol(arg.c_str()), '\0');
            put(dir, "seed-zeros-" + arg + "-" + std::to_string(n++), bytes);
        } else if (kind == "text") {
            size_t at = line.find("text") + 5;
            put(dir, "seed-text-" + std::to_string(n++), unescape(at < line.size() ? line.substr(at) : ""));
        } else {
            fprintf(stderr, "fuzz_seeds: %s: unknown line: %s\n", name.c_str(), line.c_str());
            problems++;
        }
    }
    std::string kept = src + "/tests/fuzz/" + name;
    for (const std::string &f : files_in(kept, "*")) put(dir, "kept-" + f, oxafuzz::read_file(kept + "/" + f));
}

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: fuzz_seeds <working folder> <source folder> <seed folder>\n");
        return 2;
    }
    std::string run = argv[1], src = argv[2], out = argv[3];
    for (const std::string &f : files_in(src + "/fuzz", "fuzz_*.cpp")) {
        std::string name = f.substr(5, f.size() - 9);
        make_corpus(run, src, out, name);
    }
    printf("fuzz_seeds: %d seeds made\n", made);
    return problems ? 1 : 0;
}
