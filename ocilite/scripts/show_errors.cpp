#include "ocilite/scripts/show_errors.h"

#include <cctype>
#include <sstream>

namespace ocilite {
namespace {

constexpr size_t kLineColWidth = 8;
constexpr size_t kErrorWidth = 65;

// Cuts a message into lines of at most `width` characters at blanks (SQL*Plus's
// WORD_WRAPPED), keeping the message's own line breaks but not its empty lines (the blank
// line after PLS-00103's "following:" does not show).
std::vector<std::string> wordWrapped(const std::string &text, size_t width) {
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    std::string paragraph;
    while (std::getline(paragraphs, paragraph)) {
        std::string line;
        std::istringstream words(paragraph);
        std::string word;
        while (words >> word) {
            while (word.size() > width) { // a word longer than the column is cut
                if (!line.empty())
                    lines.push_back(line);
                line.clear();
                lines.push_back(word.substr(0, width));
                word.erase(0, width);
            }
            if (!line.empty() && line.size() + 1 + word.size() > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        if (!line.empty())
            lines.push_back(line);
    }
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

std::vector<std::string> showErrorsListing(const std::string &type, const std::string &name,
                                           const std::vector<ListedError> &errors) {
    if (errors.empty())
        return {"No errors."};
    std::vector<std::string> out = {"Errors for " + type + " " + name + ":", "", "LINE/COL ERROR",
                                    std::string(kLineColWidth, '-') + " " +
                                        std::string(kErrorWidth, '-')};
    for (const ListedError &e : errors) {
        std::string place = std::to_string(e.line) + "/" + std::to_string(e.position);
        if (place.size() < kLineColWidth)
            place.append(kLineColWidth - place.size(), ' ');
        const std::vector<std::string> lines = wordWrapped(e.text, kErrorWidth);
        for (size_t i = 0; i < lines.size(); ++i)
            out.push_back((i == 0 ? place : std::string(kLineColWidth, ' ')) + " " + lines[i]);
    }
    return out;
}

bool parseShowErrorsTarget(const std::string &text, std::string &type, std::string &name) {
    std::istringstream in(upper(text));
    std::vector<std::string> words;
    std::string w;
    while (in >> w)
        words.push_back(w);
    if (!words.empty() && !words.back().empty() && words.back().back() == ';')
        words.back().pop_back();
    static const char *const kTwoWord[] = {"PACKAGE BODY", "TYPE BODY", "JAVA SOURCE",
                                           "JAVA CLASS"};
    static const char *const kOneWord[] = {"FUNCTION", "PROCEDURE", "PACKAGE",  "TRIGGER",
                                           "VIEW",     "TYPE",      "DIMENSION"};
    size_t used = 0;
    for (const char *t : kTwoWord)
        if (words.size() >= 3 && words[0] + " " + words[1] == t)
            used = 2;
    if (used == 0)
        for (const char *t : kOneWord)
            if (words.size() >= 2 && words[0] == t)
                used = 1;
    if (used == 0 || words.size() != used + 1)
        return false;
    type = used == 2 ? words[0] + " " + words[1] : words[0];
    name = words[used];
    const size_t dot = name.find('.');
    if (dot != std::string::npos)
        name = name.substr(dot + 1);
    return !name.empty();
}

} // namespace ocilite
