// The "[KEY:value]" field reader that the settings, the skill table, the recipes, the item and plant
// lines and the weapon damage answers share. The input is a key (up to the first line end) and the
// text after it; one more byte, the first, sizes the buffer a value is copied into. Checks: a value
// found stands right after the first "[KEY:" of the text and ends at its first ']' or at the text's
// end; a copy is that value cut to its buffer, with the bytes past the buffer untouched and the cut
// told; a key the text lacks leaves the buffer as it was; a value handed back is at most 99 characters.
#include <cstring>
#include <string>

#include "base/tags.h"
#include "common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (size < 1) return 0;
    const size_t bufsize = data[0] % 64;
    const std::string input((const char *)data + 1, size - 1);
    const size_t split = input.find('\n');
    const std::string key = split == std::string::npos ? input : input.substr(0, split);
    const std::string text = split == std::string::npos ? std::string() : input.substr(split + 1);
    const char *k = key.c_str(), *t = text.c_str();

    size_t len = 0;
    const char *value = tag_find(t, k, &len);
    const std::string needle = "[" + std::string(k) + ":";
    const char *first = strlen(k) <= TAG_KEY_MAX ? strstr(t, needle.c_str()) : nullptr;
    if (value != (first ? first + needle.size() : nullptr)) oxafuzz::fail("the value is not after the first [KEY:");
    if (value && len != strcspn(value, "]")) oxafuzz::fail("the value does not end at its bracket");

    char buf[80];
    memset(buf, 'x', sizeof buf);
    bool cut = false;
    const bool found = tag_copy(t, k, buf, bufsize, &cut);
    if (found != (value != nullptr)) oxafuzz::fail("the copy and the find disagree");
    for (size_t i = found && bufsize ? bufsize : 0; i < sizeof buf; i++)
        if (buf[i] != 'x') oxafuzz::fail(found ? "the copy wrote past its buffer" : "a missing key changed the buffer");
    if (found && bufsize) {
        const size_t want = len < bufsize - 1 ? len : bufsize - 1;
        if (strlen(buf) != want || memcmp(buf, value, want) != 0) oxafuzz::fail("the copy is not the value");
        if (cut != (len > bufsize - 1)) oxafuzz::fail("the cut is not told");
    }
    const char *v = tag_value(t, k, "-");
    if (strlen(v) > TAG_VALUE_MAX) oxafuzz::fail("a value longer than 99 characters");
    if (!found && strcmp(v, "-") != 0) oxafuzz::fail("a missing key does not read its default");
    return 0;
}
