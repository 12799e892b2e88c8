#include "ocilite/scripts/include_arguments.h"

#include <cctype>

namespace ocilite {

std::vector<std::string> includeWords(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::string word;
        if (text[i] == '\'' || text[i] == '"') {
            const char quote = text[i++];
            while (i < text.size()) {
                if (text[i] == quote && i + 1 < text.size() && text[i + 1] == quote) {
                    word += quote; // a doubled quote stands for one
                    i += 2;
                } else if (text[i] == quote) {
                    ++i;
                    break;
                } else {
                    word += text[i++];
                }
            }
        } else {
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
                word += text[i++];
        }
        words.push_back(std::move(word));
    }
    if (words.empty())
        words.emplace_back();
    // "@file;" : the terminator is not part of the file name.
    if (words.size() == 1 && !words[0].empty() && words[0].back() == ';')
        words[0].pop_back();
    return words;
}

} // namespace ocilite
