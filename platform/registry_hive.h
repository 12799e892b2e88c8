#pragma once
// Private to the file-backed registry: the hive held in memory (keys with typed values) and its
// REGEDIT4 text form. Knows nothing of files or locks; registry_file.cpp does the storing.

#include "platform/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::platform::hive {

// One value as the Win32 registry keeps it: its type number and its bytes (text without the
// terminating zero; a DWORD in `number`).
struct Value {
    std::string name;
    std::uint32_t type = 0; // REG_SZ 1, REG_EXPAND_SZ 2, REG_DWORD 4, anything else kept raw
    std::string bytes;
    std::uint32_t number = 0;
};

inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kDWord = 4;

RegistryValueType typeOf(const Value *value);

// One key: its full path as first spelled (root name included) and its values in the order
// they were first written. Names compare without regard to ASCII case, as Windows does.
struct Key {
    std::string path;
    std::vector<Value> values;

    const Value *find(const std::string &name) const;
    Value &set(const std::string &name); // finds or appends
    // Gives the value its type and data; an existing value keeps the spelling of its name.
    void assign(const std::string &name, std::uint32_t type, std::string bytes,
                std::uint32_t number);
    bool erase(const std::string &name);
};

class Hive {
public:
    // The key itself, or null. A key also exists when only keys below it are listed.
    const Key *find(const std::string &path) const;
    bool exists(const std::string &path) const;
    Key &create(const std::string &path);
    const std::vector<Key> &keys() const { return m_keys; }

private:
    std::vector<Key> m_keys;
};

bool sameName(const std::string &a, const std::string &b);

// Parses a whole REGEDIT4 file; empty when the text is not one (with the reason in `error`).
std::optional<Hive> parse(const std::string &text, std::string *error = nullptr);
std::string format(const Hive &hive);

// The full path of root\path ("HKEY_CURRENT_USER\Software\..."); empty when the root is not
// one the file hive holds or the path is malformed (leading or doubled backslash, control
// characters, a name longer than Windows allows).
std::string keyPath(RegistryRoot root, const std::string &path);
// Whether a value name can be stored (no line breaks or zero bytes).
bool validValueName(const std::string &name);

} // namespace velmora::platform::hive
