// Shape checks of the catalogue of Oracle's predefined packages and types that the PL/SQL
// compiler resolves names against: each file holds one well-formed unit named after the
// file, the folder README lists every file, nothing is declared twice, and every type a
// parameter, result or constant uses is declared somewhere in the catalogue.
#include "catalogue_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

namespace catalogue_test {
namespace {

namespace fs = std::filesystem;

std::string stem(const fs::path &file) {
    return upper(file.stem().string());
}

bool isWord(const Token &t, const char *text) {
    return t.kind == Token::Word && t.text == text;
}

bool isSymbol(const Token &t, const char *text) {
    return t.kind == Token::Symbol && t.text == text;
}

std::vector<Token> tokensOf(const fs::path &file) {
    return tokenize(readFile(file));
}

// The declarations between "PACKAGE name ... AS" and "END name".
std::vector<Declaration> packageBody(const std::vector<Token> &tokens) {
    size_t open = 0;
    while (open < tokens.size() && !isWord(tokens[open], "AS") && !isWord(tokens[open], "IS"))
        ++open;
    const size_t close = tokens.size() >= 3 ? tokens.size() - 3 : open;
    if (open >= close)
        return {};
    return splitDeclarations({tokens.begin() + open + 1, tokens.begin() + close});
}

// Names a unit declares as types, upper-cased: "NAME" for its own use, "PKG.NAME" for others.
std::set<std::string> declaredTypes(const std::string &unit, const std::vector<Token> &tokens) {
    std::set<std::string> names;
    for (const Declaration &d : packageBody(tokens)) {
        if (d.size() >= 2 && (isWord(d[0], "TYPE") || isWord(d[0], "SUBTYPE")))
            names.insert(unit + "." + upper(d[1].text));
    }
    return names;
}

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const fs::path &file : catalogueFiles(".pks")) {
            const auto types = declaredTypes(stem(file), tokensOf(file));
            s_types.insert(types.begin(), types.end());
        }
        for (const fs::path &file : catalogueFiles(".tps"))
            s_types.insert(stem(file));
    }

    // A type name as written at tokens[i]: NAME, PKG.NAME, "QUOTED", or with %TYPE.
    static bool resolves(const std::string &unit, const std::vector<Token> &tokens, size_t i) {
        if (i + 1 < tokens.size() && isWord(tokens[i], "REF"))
            ++i; // REF object_type
        if (i >= tokens.size())
            return false;
        const Token &t = tokens[i];
        if (t.kind != Token::Word && t.kind != Token::QuotedName)
            return false;
        const std::string name = upper(t.text);
        if (i + 1 < tokens.size() && isSymbol(tokens[i + 1], "%"))
            return true; // anchored to something declared elsewhere
        if (i + 2 < tokens.size() && isSymbol(tokens[i + 1], "."))
            return s_types.count(name + "." + upper(tokens[i + 2].text)) > 0;
        return s_types.count(unit + "." + name) > 0 || s_types.count("STANDARD." + name) > 0 ||
               s_types.count("DBMS_STANDARD." + name) > 0 || s_types.count(name) > 0;
    }

    static std::set<std::string> s_types;
};

std::set<std::string> Catalogue::s_types;

TEST_F(Catalogue, ReadmeListsEveryFileAndOnlyExistingOnes) {
    const std::string readme = readFile(catalogueDir() / "README.md");
    std::set<std::string> listed;
    const std::regex mention("`([a-z0-9_$#]+\\.(pks|tps|txt))`");
    for (std::sregex_iterator it(readme.begin(), readme.end(), mention), end; it != end; ++it)
        listed.insert((*it)[1]);
    std::set<std::string> present;
    for (const char *ext : {".pks", ".tps", ".txt"})
        for (const fs::path &file : catalogueFiles(ext))
            present.insert(file.filename().string());
    ASSERT_FALSE(present.empty());
    for (const std::string &file : present)
        EXPECT_TRUE(listed.count(file)) << file << " is not described in README.md";
    for (const std::string &file : listed)
        EXPECT_TRUE(present.count(file)) << "README.md names " << file << ", which is missing";
}

// The README's Members column says "main" exactly for the units marked "-- PARTIAL:".
TEST_F(Catalogue, ReadmeMarksExactlyThePartialUnits) {
    const std::string readme = readFile(catalogueDir() / "README.md");
    const std::regex row("\\| `([a-z0-9_$#]+\\.(pks|tps))` \\| [^|]+ \\| (all|main) \\|");
    std::map<std::string, bool> partialInReadme;
    for (std::sregex_iterator it(readme.begin(), readme.end(), row), end; it != end; ++it)
        partialInReadme[(*it)[1]] = (*it)[3] == "main";
    for (const char *ext : {".pks", ".tps"}) {
        for (const fs::path &file : catalogueFiles(ext)) {
            const std::string name = file.filename().string();
            const bool marked = ("\n" + readFile(file)).find("\n-- PARTIAL:") != std::string::npos;
            ASSERT_TRUE(partialInReadme.count(name)) << name << " has no row in README.md";
            EXPECT_EQ(marked, partialInReadme[name]) << name;
        }
    }
}

TEST_F(Catalogue, EveryUnitNameIsUsedOnce) {
    std::map<std::string, std::string> seen;
    for (const char *ext : {".pks", ".tps"}) {
        for (const fs::path &file : catalogueFiles(ext)) {
            const auto [it, fresh] = seen.emplace(stem(file), file.filename().string());
            EXPECT_TRUE(fresh) << file.filename() << " repeats " << it->second;
        }
    }
}

TEST_F(Catalogue, PackageFilesHoldOnePackageNamedAfterTheFile) {
    for (const fs::path &file : catalogueFiles(".pks")) {
        SCOPED_TRACE(file.filename().string());
        const std::vector<Token> t = tokensOf(file);
        ASSERT_GE(t.size(), 6u);
        EXPECT_TRUE(isWord(t[0], "PACKAGE"));
        EXPECT_EQ(stem(file), t[1].text);
        size_t as = 2;
        if (isWord(t[as], "AUTHID")) {
            EXPECT_TRUE(isWord(t[as + 1], "CURRENT_USER") || isWord(t[as + 1], "DEFINER"));
            as += 2;
        }
        EXPECT_TRUE(isWord(t[as], "AS") || isWord(t[as], "IS")) << "found " << t[as].text;
        EXPECT_TRUE(isWord(t[t.size() - 3], "END"));
        EXPECT_EQ(stem(file), t[t.size() - 2].text);
        EXPECT_TRUE(isSymbol(t.back(), ";"));
        int ends = 0, depth = 0;
        for (const Token &token : t) {
            ends += isWord(token, "END");
            depth += isSymbol(token, "(") - isSymbol(token, ")");
            ASSERT_GE(depth, 0) << "')' without '(' at line " << token.line;
        }
        EXPECT_EQ(1, ends) << "a specification has a single END";
        EXPECT_EQ(0, depth) << "unclosed '('";
    }
}

TEST_F(Catalogue, PackageDeclarationsHaveAKnownShapeAndAreNotRepeated) {
    for (const fs::path &file : catalogueFiles(".pks")) {
        SCOPED_TRACE(file.filename().string());
        std::set<std::string> seen;
        for (const Declaration &d : packageBody(tokensOf(file))) {
            ASSERT_GE(d.size(), 2u) << "empty declaration near line " << d.front().line;
            const std::string &lead = d[0].text;
            const bool keyword = lead == "PROCEDURE" || lead == "FUNCTION" || lead == "TYPE" ||
                                 lead == "SUBTYPE" || lead == "PRAGMA" || lead == "CURSOR";
            EXPECT_TRUE(keyword || d[0].kind == Token::Word) << "line " << d[0].line;
            int depth = 0;
            bool returns = false;
            for (const Token &t : d) {
                depth += isSymbol(t, "(") - isSymbol(t, ")");
                returns = returns || (depth == 0 && isWord(t, "RETURN"));
            }
            if (lead == "FUNCTION") {
                EXPECT_TRUE(returns) << "function without RETURN at line " << d[0].line;
            }
            if (lead == "PROCEDURE") {
                EXPECT_FALSE(returns) << "procedure with RETURN at line " << d[0].line;
            }
            EXPECT_TRUE(seen.insert(joined(d)).second)
                << "declared twice: " << joined(d) << " (line " << d[0].line << ")";
        }
    }
}

TEST_F(Catalogue, ExceptionInitNamesAnExceptionDeclaredBefore) {
    for (const fs::path &file : catalogueFiles(".pks")) {
        SCOPED_TRACE(file.filename().string());
        std::set<std::string> exceptions, initialised;
        for (const Declaration &d : packageBody(tokensOf(file))) {
            if (d.size() == 2 && isWord(d[1], "EXCEPTION"))
                exceptions.insert(d[0].text);
            if (d.size() < 4 || !isWord(d[0], "PRAGMA") || !isWord(d[1], "EXCEPTION_INIT"))
                continue;
            EXPECT_TRUE(exceptions.count(d[3].text)) << d[3].text << " line " << d[0].line;
            EXPECT_TRUE(initialised.insert(d[3].text).second) << d[3].text << " twice";
            const size_t code = isSymbol(d[5], "-") ? 6 : 5;
            ASSERT_LT(code, d.size());
            EXPECT_EQ(Token::Number, d[code].kind) << "line " << d[0].line;
        }
    }
}

// Every FUNCTION/PROCEDURE in tokens: its parameter types and its result type resolve.
void expectSubprogramTypesResolve(const std::string &unit, const std::vector<Token> &t,
                                  bool (*resolves)(const std::string &, const std::vector<Token> &,
                                                   size_t)) {
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (!isWord(t[i], "FUNCTION") && !isWord(t[i], "PROCEDURE"))
            continue;
        size_t j = i + 2;
        if (j < t.size() && isSymbol(t[j], "(")) {
            int depth = 0;
            bool atParameter = true;
            for (; j < t.size(); ++j) {
                depth += isSymbol(t[j], "(") - isSymbol(t[j], ")");
                if (depth == 0)
                    break;
                if (depth == 1 && atParameter && t[j].kind != Token::Symbol) {
                    size_t type = j + 1;
                    while (type < t.size() && (isWord(t[type], "IN") || isWord(t[type], "OUT") ||
                                               isWord(t[type], "NOCOPY")))
                        ++type;
                    EXPECT_TRUE(resolves(unit, t, type))
                        << "unknown type after " << t[j].text << " line " << t[j].line;
                    atParameter = false;
                }
                atParameter = atParameter || (depth == 1 && isSymbol(t[j], ","));
            }
            ++j;
        }
        if (j + 1 < t.size() && isWord(t[j], "RETURN") && !isWord(t[j + 1], "SELF")) {
            EXPECT_TRUE(resolves(unit, t, j + 1))
                << "unknown result type " << t[j + 1].text << " line " << t[j + 1].line;
        }
    }
}

using Resolver = bool (*)(const std::string &, const std::vector<Token> &, size_t);

// The element type of a collection (TABLE OF t, VARRAY(n) OF t) and the type of every
// field of a record or attribute of an object type declared by d (TYPE name IS|AS ...).
void expectComponentTypesResolve(const std::string &unit, const Declaration &d, Resolver resolves) {
    static const std::set<std::string> methodWords = {
        "MEMBER", "STATIC", "CONSTRUCTOR", "MAP", "ORDER", "FINAL", "NOT", "OVERRIDING"};
    int depth = 0;
    bool atItem = false;
    for (size_t i = 2; i < d.size(); ++i) {
        if (depth == 0 && isWord(d[i], "OF")) {
            EXPECT_TRUE(resolves(unit, d, i + 1)) << "element type line " << d[i].line;
            return;
        }
        depth += isSymbol(d[i], "(") - isSymbol(d[i], ")");
        if (depth == 1 && (isSymbol(d[i], "(") || isSymbol(d[i], ","))) {
            atItem = true;
            continue;
        }
        if (atItem && depth == 1 && d[i].kind == Token::Word && !methodWords.count(d[i].text)) {
            EXPECT_TRUE(resolves(unit, d, i + 1)) << d[i].text << " line " << d[i].line;
        }
        atItem = false;
    }
}

TEST_F(Catalogue, TypesOfFieldsElementsAndAttributesAreDeclared) {
    for (const fs::path &file : catalogueFiles(".pks")) {
        SCOPED_TRACE(file.filename().string());
        for (const Declaration &d : packageBody(tokensOf(file))) {
            if (d.size() > 4 && isWord(d[0], "TYPE") && !isWord(d[3], "REF"))
                expectComponentTypesResolve(stem(file), d, &Catalogue::resolves);
        }
    }
    for (const fs::path &file : catalogueFiles(".tps")) {
        SCOPED_TRACE(file.filename().string());
        const auto statements = splitDeclarations(tokensOf(file));
        ASSERT_FALSE(statements.empty());
        expectComponentTypesResolve(stem(file), statements.front(), &Catalogue::resolves);
    }
}

TEST_F(Catalogue, TypesOfParametersResultsAndConstantsAreDeclared) {
    for (const char *ext : {".pks", ".tps"}) {
        for (const fs::path &file : catalogueFiles(ext)) {
            SCOPED_TRACE(file.filename().string());
            const std::vector<Token> t = tokensOf(file);
            expectSubprogramTypesResolve(stem(file), t, &Catalogue::resolves);
            if (std::string(ext) != ".pks")
                continue;
            for (const Declaration &d : packageBody(t)) {
                if (d.size() >= 3 && isWord(d[1], "CONSTANT")) {
                    EXPECT_TRUE(resolves(stem(file), d, 2))
                        << "unknown type " << d[2].text << " line " << d[2].line;
                }
            }
        }
    }
}

TEST_F(Catalogue, TypeFilesHoldOneTypeNamedAfterTheFile) {
    for (const fs::path &file : catalogueFiles(".tps")) {
        SCOPED_TRACE(file.filename().string());
        const std::vector<Token> t = tokensOf(file);
        ASSERT_GE(t.size(), 4u);
        EXPECT_TRUE(isWord(t[0], "TYPE"));
        EXPECT_EQ(stem(file), t[1].text);
        const auto statements = splitDeclarations(t);
        EXPECT_EQ(1u, statements.size()) << "one statement, ended by ';'";
        EXPECT_TRUE(isSymbol(t.back(), ";"));
        for (const Token &token : t)
            EXPECT_FALSE(isWord(token, "END")) << "line " << token.line;
    }
}

TEST_F(Catalogue, NameListsHoldUpperCaseIdentifiersOnce) {
    const std::regex identifier("[A-Z][A-Z0-9_$#]*");
    const auto lists = catalogueFiles(".txt");
    ASSERT_FALSE(lists.empty());
    for (const fs::path &file : lists) {
        SCOPED_TRACE(file.filename().string());
        std::set<std::string> seen;
        const auto names = listedNames(file);
        EXPECT_GT(names.size(), 10u);
        for (const std::string &name : names) {
            EXPECT_TRUE(std::regex_match(name, identifier)) << "'" << name << "'";
            EXPECT_TRUE(seen.insert(name).second) << name << " listed twice";
        }
    }
}

} // namespace
} // namespace catalogue_test
