// The registry on Windows: the current user's hive through the Win32 API. Text goes in and out
// in the ANSI code page as the rest of the program holds it (the -A entry points).

#include "platform/registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>
#include <limits>

namespace velmora::platform {
namespace {

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

class Win32Key final : public RegistryKey {
public:
    explicit Win32Key(HKEY key) : m_key(key) {}
    ~Win32Key() override { RegCloseKey(m_key); }

    RegistryValueType valueType(const std::string &name) const override;
    std::optional<std::string> readString(const std::string &name) const override;
    std::optional<std::int32_t> readInteger(const std::string &name) const override;
    bool writeString(const std::string &name, const std::string &value) override;
    bool writeInteger(const std::string &name, std::int32_t value) override;
    bool deleteValue(const std::string &name) override;

private:
    HKEY m_key;
};

RegistryValueType Win32Key::valueType(const std::string &name) const {
    DWORD type = 0;
    if (RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return RegistryValueType::Missing;
    switch (type) {
    case REG_SZ:
        return RegistryValueType::String;
    case REG_EXPAND_SZ:
        return RegistryValueType::ExpandString;
    case REG_DWORD:
        return RegistryValueType::DWord;
    default:
        return RegistryValueType::Other;
    }
}

std::optional<std::string> Win32Key::readString(const std::string &name) const {
    // Another process may make the value longer between asking its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            !isText(type))
            return std::nullopt;
        std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
        DWORD got = size;
        const LONG rc = RegQueryValueExA(m_key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE *>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS || !isText(type))
            return std::nullopt;
        // The stored bytes need not end in a zero; the text ends at the first one.
        buffer.resize(got);
        buffer.resize(std::strlen(buffer.c_str()));
        return buffer;
    }
    return std::nullopt;
}

std::optional<std::int32_t> Win32Key::readInteger(const std::string &name) const {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool Win32Key::writeString(const std::string &name, const std::string &value) {
    if (value.size() >= std::numeric_limits<DWORD>::max())
        return false;
    const DWORD size = static_cast<DWORD>(value.size() + 1); // the terminating zero included
    return RegSetValueExA(m_key, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE *>(value.c_str()), size) == ERROR_SUCCESS;
}

bool Win32Key::writeInteger(const std::string &name, std::int32_t value) {
    const DWORD pattern = static_cast<DWORD>(value);
    return RegSetValueExA(m_key, name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE *>(&pattern),
                          sizeof pattern) == ERROR_SUCCESS;
}

bool Win32Key::deleteValue(const std::string &name) {
    return RegDeleteValueA(m_key, name.c_str()) == ERROR_SUCCESS;
}

} // namespace

std::unique_ptr<RegistryKey> RegistryKey::openOrCreate(RegistryRoot root, const std::string &path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(static_cast<HKEY>(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegistryKey> RegistryKey::openExisting(RegistryRoot root, const std::string &path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(static_cast<HKEY>(root), path.c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32Key>(key);
}

} // namespace velmora::platform
