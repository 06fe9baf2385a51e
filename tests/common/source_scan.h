// tests/common/source_scan.h -- regular expressions over the game's sources, tried only where a match
// can begin: std::regex tried from every character of the whole source tree takes most of a minute
// under the sanitizers.
#pragma once
#include <initializer_list>
#include <regex>
#include <string>

namespace oxatest {

// Every match of `re` in `text` that begins with one of `anchors` (literals every match of `re` begins
// with): `take` gets each. A `\b` at the start of `re` still sees the character before the anchor.
template <class Take>
void each_match(const std::string &text, std::initializer_list<const char *> anchors, const std::regex &re,
                Take take) {
    std::smatch m;
    for (const char *anchor : anchors)
        for (size_t at = text.find(anchor); at != std::string::npos; at = text.find(anchor, at + 1)) {
            const auto flags = std::regex_constants::match_continuous |
                               (at ? std::regex_constants::match_prev_avail : std::regex_constants::match_default);
            if (std::regex_search(text.begin() + (long)at, text.end(), m, re, flags)) take(m);
        }
}

}  // namespace oxatest
