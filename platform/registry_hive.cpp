// The hive in memory and its REGEDIT4 text form. The parser is strict on purpose: whatever it
// cannot read exactly is reported as unreadable, so that the caller keeps the file aside
// instead of rewriting it with values silently dropped.

#include "platform/registry_hive.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace velmora::platform::hive {
namespace {

constexpr const char *kHeader = "REGEDIT4";
constexpr const char *kCurrentUser = "HKEY_CURRENT_USER";
constexpr std::size_t kMaxKeyNameLength = 255;

char foldCase(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7f;
}

bool startsWithPath(const std::string &path, const std::string &prefix) {
    if (path.size() <= prefix.size() || path[prefix.size()] != '\\')
        return false;
    return sameName(path.substr(0, prefix.size()), prefix);
}

// Splits on single backslashes; false when a name is empty, too long or holds control bytes.
bool validKeyNames(const std::string &path) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::size_t length = end - start;
        if (length == 0 || length > kMaxKeyNameLength)
            return false;
        if (std::any_of(path.begin() + start, path.begin() + end, isControl))
            return false;
        if (end == path.size())
            return true;
        start = end + 1;
    }
}

// ---- reading -------------------------------------------------------------------------------

class Parser {
public:
    explicit Parser(const std::string &text) : m_text(text) {}

    std::optional<Hive> run(std::string *error);

private:
    bool nextLine(std::string &line);
    bool parseLine(std::string line);
    bool parseSection(const std::string &line);
    bool parseValue(const std::string &line);
    bool parseQuoted(const std::string &line, std::size_t &pos, std::string &out);
    bool parseData(std::string data, Value &value);
    bool parseHexBytes(const std::string &list, std::string &out);
    bool fail(const std::string &why);

    const std::string &m_text;
    std::size_t m_pos = 0;
    std::size_t m_lineNumber = 0;
    Hive m_hive;
    Key *m_current = nullptr;
    std::string m_error;
};

bool Parser::fail(const std::string &why) {
    m_error = "line " + std::to_string(m_lineNumber) + ": " + why;
    return false;
}

bool Parser::nextLine(std::string &line) {
    if (m_pos >= m_text.size())
        return false;
    const std::size_t end = m_text.find('\n', m_pos);
    line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    ++m_lineNumber;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return true;
}

std::optional<Hive> Parser::run(std::string *error) {
    auto failed = [&](const std::string &why) -> std::optional<Hive> {
        if (error)
            *error = why.empty() ? m_error : why;
        return std::nullopt;
    };
    if (m_text.empty() || m_text.back() != '\n')
        return failed("the file is empty or its last line is cut off");
    if (m_text.find('\0') != std::string::npos)
        return failed("the file holds zero bytes");
    std::string line;
    nextLine(line);
    if (line.rfind("\xEF\xBB\xBF", 0) == 0)
        line.erase(0, 3);
    if (line != kHeader)
        return failed("the first line is not " + std::string(kHeader));
    while (nextLine(line)) {
        if (!parseLine(line))
            return failed({});
    }
    return std::move(m_hive);
}

bool Parser::parseLine(std::string line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';')
        return true;
    line.erase(0, first);
    if (line.front() == '[')
        return parseSection(line);
    if (!m_current)
        return fail("a value before the first key");
    return parseValue(line);
}

bool Parser::parseSection(const std::string &line) {
    if (line.back() != ']')
        return fail("a key line without its closing bracket");
    const std::string path = line.substr(1, line.size() - 2);
    if (!sameName(path.substr(0, 5), "HKEY_") || !validKeyNames(path))
        return fail("a malformed key path");
    m_current = &m_hive.create(path);
    return true;
}

bool Parser::parseQuoted(const std::string &line, std::size_t &pos, std::string &out) {
    if (pos >= line.size() || line[pos] != '"')
        return fail("a quoted text was expected");
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            if (++pos >= line.size() || (line[pos] != '\\' && line[pos] != '"'))
                return fail("an unknown escape in a quoted text");
            c = line[pos];
        }
        out += c;
    }
    return fail("a quoted text without its closing quote");
}

bool Parser::parseValue(const std::string &line) {
    Value value;
    std::size_t pos = 0;
    if (line[0] == '@')
        pos = 1;
    else if (!parseQuoted(line, pos, value.name))
        return false;
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos || line[pos] != '=')
        return fail("a value name without '='");
    pos = line.find_first_not_of(" \t", pos + 1);
    if (pos == std::string::npos)
        return fail("a value without data");
    std::string data = line.substr(pos);
    // A hex list may go on over several lines, each but the last ending in a backslash.
    while (data.rfind("hex", 0) == 0 && data.back() == '\\') {
        std::string more;
        if (!nextLine(more))
            return fail("a continued line has no continuation");
        data.pop_back();
        data += more.substr(std::min(more.find_first_not_of(" \t"), more.size()));
    }
    if (!parseData(data, value))
        return false;
    m_current->assign(value.name, value.type, std::move(value.bytes), value.number);
    return true;
}

bool Parser::parseData(std::string data, Value &value) {
    if (data.front() == '"') {
        std::size_t pos = 0;
        value.type = kString;
        if (!parseQuoted(data, pos, value.bytes))
            return false;
        return pos == data.size() || fail("text after a quoted value");
    }
    if (data.rfind("dword:", 0) == 0) {
        const std::string digits = data.substr(6);
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return fail("a malformed dword");
        value.type = kDWord;
        value.number = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
        return true;
    }
    std::size_t colon = data.find(':');
    if (data.rfind("hex:", 0) == 0) {
        value.type = 3; // REG_BINARY
    } else if (data.rfind("hex(", 0) == 0 && colon != std::string::npos && data[colon - 1] == ')') {
        const std::string number = data.substr(4, colon - 5);
        if (number.empty() || number.size() > 8 ||
            number.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return fail("a malformed hex type");
        value.type = static_cast<std::uint32_t>(std::stoul(number, nullptr, 16));
    } else {
        return fail("unknown value data");
    }
    if (!parseHexBytes(data.substr(colon + 1), value.bytes))
        return false;
    if (value.type == kDWord) {
        if (value.bytes.size() != 4)
            return fail("a dword of other than four bytes");
        for (int i = 3; i >= 0; --i)
            value.number = (value.number << 8) | static_cast<unsigned char>(value.bytes[i]);
        value.bytes.clear();
    } else if ((value.type == kString || value.type == kExpandString) && !value.bytes.empty() &&
               value.bytes.back() == '\0') {
        value.bytes.pop_back();
    }
    return true;
}

bool Parser::parseHexBytes(const std::string &list, std::string &out) {
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t comma = std::min(list.find(',', pos), list.size());
        std::string item = list.substr(pos, comma - pos);
        item.erase(0, std::min(item.find_first_not_of(" \t"), item.size()));
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t'))
            item.pop_back();
        if (item.empty() || item.size() > 2 ||
            item.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return fail("a malformed hex byte");
        out += static_cast<char>(std::stoul(item, nullptr, 16));
        pos = comma + 1;
        if (comma == list.size() - 1)
            return fail("a hex list ending in a comma");
    }
    return true;
}

// ---- writing -------------------------------------------------------------------------------

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

std::string hexList(const std::string &bytes) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? ",%02x" : "%02x",
                      static_cast<unsigned char>(bytes[i]));
        out += buffer;
    }
    return out;
}

std::string formatData(const Value &value) {
    char buffer[32];
    if (value.type == kDWord) {
        std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(value.number));
        return buffer;
    }
    const bool plainText =
        value.type == kString && std::none_of(value.bytes.begin(), value.bytes.end(), isControl);
    if (plainText)
        return quoted(value.bytes);
    std::string bytes = value.bytes;
    if (value.type == kString || value.type == kExpandString)
        bytes += '\0'; // text with line breaks keeps its type through the hex form
    if (value.type == 3)
        return "hex:" + hexList(bytes);
    std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(value.type));
    return buffer + hexList(bytes);
}

} // namespace

bool sameName(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(x) == foldCase(y);
           });
}

RegistryValueType typeOf(const Value *value) {
    if (!value)
        return RegistryValueType::Missing;
    switch (value->type) {
    case kString:
        return RegistryValueType::String;
    case kExpandString:
        return RegistryValueType::ExpandString;
    case kDWord:
        return RegistryValueType::DWord;
    default:
        return RegistryValueType::Other;
    }
}

const Value *Key::find(const std::string &name) const {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Value &v) { return sameName(v.name, name); });
    return it == values.end() ? nullptr : &*it;
}

Value &Key::set(const std::string &name) {
    if (const Value *found = find(name))
        return const_cast<Value &>(*found);
    values.push_back(Value{name, 0, {}, 0});
    return values.back();
}

void Key::assign(const std::string &name, std::uint32_t type, std::string bytes,
                 std::uint32_t number) {
    Value &slot = set(name);
    slot.type = type;
    slot.bytes = std::move(bytes);
    slot.number = number;
}

bool Key::erase(const std::string &name) {
    const auto count =
        std::erase_if(values, [&](const Value &v) { return sameName(v.name, name); });
    return count > 0;
}

const Key *Hive::find(const std::string &path) const {
    auto it = std::find_if(m_keys.begin(), m_keys.end(),
                           [&](const Key &k) { return sameName(k.path, path); });
    return it == m_keys.end() ? nullptr : &*it;
}

bool Hive::exists(const std::string &path) const {
    if (path.find('\\') == std::string::npos) // a root key always exists
        return true;
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const Key &k) {
        return sameName(k.path, path) || startsWithPath(k.path, path);
    });
}

Key &Hive::create(const std::string &path) {
    if (const Key *found = find(path))
        return const_cast<Key &>(*found);
    m_keys.push_back(Key{path, {}});
    return m_keys.back();
}

std::optional<Hive> parse(const std::string &text, std::string *error) {
    return Parser(text).run(error);
}

std::string format(const Hive &hive) {
    std::string out = std::string(kHeader) + "\n\n";
    for (const Key &key : hive.keys()) {
        out += "[" + key.path + "]\n";
        for (const Value &value : key.values)
            out += (value.name.empty() ? std::string("@") : quoted(value.name)) + "=" +
                   formatData(value) + "\n";
        out += "\n";
    }
    return out;
}

std::string keyPath(RegistryRoot root, const std::string &path) {
    if (root != currentUserRoot())
        return {};
    std::string relative = path;
    if (!relative.empty() && relative.back() == '\\')
        relative.pop_back();
    if (relative.empty())
        return kCurrentUser;
    if (!validKeyNames(relative))
        return {};
    return std::string(kCurrentUser) + "\\" + relative;
}

bool validValueName(const std::string &name) {
    return name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

} // namespace velmora::platform::hive
