// fuzz/common.h -- what every fuzz target shares: its own working folder, files of the built working
// folder, writing the input where the reader looks, surviving the game's fatal exit, and bundles
// (several named files packed into one input).
//
// A target is fuzz/fuzz_<name>.cpp defining only LLVMFuzzerTestOneInput; everything else in it is
// static, because the test build compiles every target into the one program test_fuzz.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace oxafuzz {

// The target's own folder under /tmp, made and entered on the first call (every later call enters it
// again and answers its path); removed when the program ends. Every call also switches the notes'
// paging prompt off: it would wait for a key.
const std::string &workdir();

// A file of the build's working folder (data and generated assets), by its relative name.
std::string asset_path(const char *relative);
// Copies a file of the build's working folder into the target's folder under the same relative name.
bool copy_asset(const char *relative);
// Copies a whole folder of the build's working folder (the ready-made character's, say) into the
// target's folder under the same name.
bool copy_asset_folder(const char *relative);

// A check of the target failed: says what, then aborts (a finding for the fuzzer, a failed replay).
[[noreturn]] void fail(const std::string &what);

bool write_file(const std::string &path, const void *data, size_t size);
std::string read_file(const std::string &path);   // "" when missing
bool remove_tree(const std::string &path);

// Runs fn. Answers false when the game took its fatal exit inside it (a refusal with a message, which
// a reader may promise for damaged data); the text is kept in last_quit().
bool survives(void (*fn)(void *), void *arg);
template <class F> bool survives(F fn) {
    return survives([](void *p) { (*static_cast<F *>(p))(); }, &fn);
}
const std::string &last_quit();

// Opens SDL headless (the dummy drivers) with the game's window, renderer and screen surface, the font
// and the palette of the built working folder; once per program. Enters the
// target's folder.
void open_screen();
// Queues a key press (an SDL key) or a mouse move in the 800 x 600 screen for the game's next wait.
// Push a key that ends the dialogue last: a wait with nothing queued never ends.
void push_key(int sym);
void push_mouse_motion(int x, int y);
void flush_events();

// A bundle: entries of [name length: 1 byte][name][size: 4 bytes, little-endian][bytes], until the
// input ends. A cut entry ends the bundle where its data ends. Names hold no '/' and no "..".
struct BundleEntry {
    std::string name;
    const uint8_t *data;
    size_t size;
};
std::vector<BundleEntry> unbundle(const uint8_t *data, size_t size);
void bundle_add(std::vector<uint8_t> &out, const std::string &name, const void *data, size_t size);

}  // namespace oxafuzz
