#include "ocilite/scripts/column_settings.h"
#include "ocilite/scripts/sqlplus_words.h"

#include <cctype>
#include <vector>

namespace ocilite {
namespace {

// Words of the command; quoted words keep their blanks and lose their quotes.
std::vector<std::pair<std::string, bool>> words(std::string_view s) {
    std::vector<std::pair<std::string, bool>> out;
    size_t i = 0;
    while (i < s.size()) {
        if (std::isspace(static_cast<unsigned char>(s[i]))) {
            ++i;
            continue;
        }
        if (s[i] == '\'' || s[i] == '"') {
            const char q = s[i];
            std::string word;
            size_t j = i + 1;
            for (; j < s.size(); ++j) {
                if (s[j] == q && j + 1 < s.size() && s[j + 1] == q)
                    word += s[j++];
                else if (s[j] == q)
                    break;
                else
                    word += s[j];
            }
            out.emplace_back(word, true);
            i = j + 1;
            continue;
        }
        const size_t start = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        out.emplace_back(std::string(s.substr(start, i - start)), false);
    }
    if (!out.empty() && !out.back().second && !out.back().first.empty() &&
        out.back().first.back() == ';') {
        out.back().first.pop_back();
        if (out.back().first.empty())
            out.pop_back();
    }
    return out;
}

bool is(const std::string &word, const char *full, size_t min) {
    const std::string_view f = full;
    return word.size() >= min && word.size() <= f.size() && f.substr(0, word.size()) == word;
}

// "A30" -> 30; other formats (999.99, 9EEEE ...) leave the width alone.
int characterWidth(const std::string &format) {
    if (format.size() < 2 || (format[0] != 'A' && format[0] != 'a'))
        return 0;
    int n = 0;
    for (size_t i = 1; i < format.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(format[i])) || n > 100000)
            return 0;
        n = n * 10 + (format[i] - '0');
    }
    return n;
}

} // namespace

bool ColumnSettings::apply(std::string_view arguments, std::string &error) {
    const auto w = words(arguments);
    if (w.size() < 2)
        return true; // listing only
    const std::string column = upperWord(w[0].first);
    ColumnSetting setting = m_columns.count(column) ? m_columns[column] : ColumnSetting();
    for (size_t i = 1; i < w.size(); ++i) {
        const std::string option = upperWord(w[i].first);
        auto next = [&](std::string &out) {
            if (i + 1 >= w.size()) {
                error = "SP2-0082: no COLUMN " + option + " value specified";
                return false;
            }
            out = w[++i].first;
            return true;
        };
        std::string v;
        if (is(option, "CLEAR", 2)) {
            m_columns.erase(column);
            return true;
        } else if (is(option, "FORMAT", 3)) {
            if (!next(v))
                return false;
            setting.width = characterWidth(v);
        } else if (is(option, "HEADING", 3)) {
            if (!next(v))
                return false;
            setting.heading = v;
        } else if (is(option, "NOPRINT", 5)) {
            setting.noprint = true;
        } else if (is(option, "PRINT", 5)) {
            setting.noprint = false;
        } else if (is(option, "NEW_VALUE", 5)) {
            if (!next(setting.newValue))
                return false;
        } else if (is(option, "OLD_VALUE", 5)) {
            if (!next(setting.oldValue))
                return false;
        } else if (is(option, "ALIAS", 3) || is(option, "JUSTIFY", 3) || is(option, "NULL", 3) ||
                   is(option, "LIKE", 3)) {
            if (!next(v))
                return false;
        } else if (!(is(option, "WRAPPED", 3) || is(option, "WORD_WRAPPED", 3) ||
                     is(option, "TRUNCATED", 3) || is(option, "ON", 2) || is(option, "OFF", 3) ||
                     is(option, "NEWLINE", 3) || is(option, "FOLD_AFTER", 6) ||
                     is(option, "FOLD_BEFORE", 6) || is(option, "ENTMAP", 3))) {
            error = "SP2-0158: unknown COLUMN option \"" + w[i].first + "\"";
            return false;
        }
    }
    m_columns[column] = setting;
    return true;
}

const ColumnSetting *ColumnSettings::find(const std::string &column) const {
    const auto found = m_columns.find(upperWord(column));
    return found == m_columns.end() ? nullptr : &found->second;
}

} // namespace ocilite
