// Private to the catalogue tests: reads the files of ocilite/plsql/catalogue into tokens and
// declarations, enough to check their shape without the PL/SQL parser.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace catalogue_test {

struct Token {
    enum Kind { Word, QuotedName, Number, Text, Symbol } kind;
    std::string text; // words upper-cased; quoted names without their quotes
    int line;
};

// One declaration of a specification: its tokens up to, not including, the closing ';'.
using Declaration = std::vector<Token>;

std::filesystem::path catalogueDir();
std::string readFile(const std::filesystem::path &file);
std::string upper(std::string text);

// Splits source into tokens; comments vanish. Throws std::runtime_error on text it cannot
// read (an unterminated comment, literal or quoted name, or a stray character).
std::vector<Token> tokenize(const std::string &source);

// Splits tokens at the semicolons outside parentheses; a trailing piece without ';' is kept.
std::vector<Declaration> splitDeclarations(const std::vector<Token> &tokens);

// The tokens of a declaration as one upper-case line, for comparing declarations.
std::string joined(const Declaration &declaration);

// Files of the catalogue folder with the given extension (".pks", ".tps", ".txt"), sorted.
std::vector<std::filesystem::path> catalogueFiles(const std::string &extension);

// Non-empty lines of a name list that are not '#' comments.
std::vector<std::string> listedNames(const std::filesystem::path &file);

} // namespace catalogue_test
