// Reads the catalogue's files for the shape checks; see catalogue_reader.h.
#include "catalogue_reader.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace catalogue_test {
namespace {

bool isWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$' || c == '#';
}

class Lexer {
public:
    explicit Lexer(const std::string &source) : m_src(source) {}

    std::vector<Token> run() {
        while (skipBlankAndComments())
            m_out.push_back(next());
        return m_out;
    }

private:
    [[noreturn]] void fail(const std::string &what) const {
        throw std::runtime_error(what + " at line " + std::to_string(m_line));
    }

    char at(size_t i) const { return i < m_src.size() ? m_src[i] : '\0'; }

    void advance() {
        if (m_src[m_pos++] == '\n')
            ++m_line;
    }

    // Skips spaces and comments; false at the end of the source.
    bool skipBlankAndComments() {
        while (m_pos < m_src.size()) {
            if (std::isspace(static_cast<unsigned char>(at(m_pos)))) {
                advance();
            } else if (at(m_pos) == '-' && at(m_pos + 1) == '-') {
                while (m_pos < m_src.size() && at(m_pos) != '\n')
                    advance();
            } else if (at(m_pos) == '/' && at(m_pos + 1) == '*') {
                const size_t end = m_src.find("*/", m_pos + 2);
                if (end == std::string::npos)
                    fail("unterminated comment");
                while (m_pos < end + 2)
                    advance();
            } else {
                return true;
            }
        }
        return false;
    }

    std::string until(char close, const char *what) {
        std::string text;
        advance();
        for (;;) {
            if (m_pos >= m_src.size())
                fail(std::string("unterminated ") + what);
            if (at(m_pos) == close && at(m_pos + 1) == close && close == '\'') {
                text += close;
                advance();
                advance();
            } else if (at(m_pos) == close) {
                advance();
                return text;
            } else {
                text += at(m_pos);
                advance();
            }
        }
    }

    Token next() {
        const int line = m_line;
        const char c = at(m_pos);
        if (isWordStart(c)) {
            const size_t start = m_pos;
            while (isWordChar(at(m_pos)))
                advance();
            return {Token::Word, upper(m_src.substr(start, m_pos - start)), line};
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            const size_t start = m_pos;
            while (std::isdigit(static_cast<unsigned char>(at(m_pos))) ||
                   (at(m_pos) == '.' && at(m_pos + 1) != '.'))
                advance();
            return {Token::Number, m_src.substr(start, m_pos - start), line};
        }
        if (c == '\'')
            return {Token::Text, until('\'', "literal"), line};
        if (c == '"')
            return {Token::QuotedName, until('"', "quoted name"), line};
        return symbol(line);
    }

    Token symbol(int line) {
        static const std::string pairs[] = {"..", ":=", "=>", "<=", ">=", "<>", "!=", "||"};
        for (const auto &pair : pairs) {
            if (m_src.compare(m_pos, 2, pair) == 0) {
                advance();
                advance();
                return {Token::Symbol, pair, line};
            }
        }
        const char c = at(m_pos);
        if (std::string("();,.%+-*/=<>@:").find(c) == std::string::npos)
            fail(std::string("stray character '") + c + "'");
        advance();
        return {Token::Symbol, std::string(1, c), line};
    }

    const std::string &m_src;
    size_t m_pos = 0;
    int m_line = 1;
    std::vector<Token> m_out;
};

} // namespace

std::filesystem::path catalogueDir() {
    return VELMORA_CATALOGUE_DIR;
}

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<Token> tokenize(const std::string &source) {
    return Lexer(source).run();
}

std::vector<Declaration> splitDeclarations(const std::vector<Token> &tokens) {
    std::vector<Declaration> out(1);
    int depth = 0;
    for (const Token &t : tokens) {
        if (t.kind == Token::Symbol && t.text == ";" && depth == 0) {
            out.emplace_back();
            continue;
        }
        if (t.kind == Token::Symbol && t.text == "(")
            ++depth;
        if (t.kind == Token::Symbol && t.text == ")")
            --depth;
        out.back().push_back(t);
    }
    if (out.back().empty())
        out.pop_back();
    return out;
}

std::string joined(const Declaration &declaration) {
    std::string line;
    for (const Token &t : declaration)
        line += (line.empty() ? "" : " ") + upper(t.text);
    return line;
}

std::vector<std::filesystem::path> catalogueFiles(const std::string &extension) {
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(catalogueDir()))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> listedNames(const std::filesystem::path &file) {
    std::vector<std::string> names;
    std::istringstream in(readFile(file));
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.pop_back();
        if (!line.empty() && line.front() != '#')
            names.push_back(line);
    }
    return names;
}

} // namespace catalogue_test
