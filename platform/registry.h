#pragma once
// The current user's registry hive: keys opened or created by path, holding string and 32-bit
// integer values. On Windows this is the Win32 registry; elsewhere a file-backed hive in the
// REGEDIT4 text form under $XDG_CONFIG_HOME/velmora/, written atomically under a lock.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velmora::platform {

// A root key handle as callers pass it around untyped; on Windows it is the HKEY itself.
using RegistryRoot = void *;
// HKEY_CURRENT_USER, with the same value as the Win32 constant: the 32-bit pattern 0x80000001
// sign-extended to a pointer (on 64-bit Windows a zero-extended value is not the same handle).
inline RegistryRoot currentUserRoot() {
    return reinterpret_cast<RegistryRoot>(
        static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001u)));
}

enum class RegistryValueType { Missing, String, ExpandString, DWord, Other };

// One open key. In the file-backed hive, reads see the key as it was when it was opened or last
// written through this object, and every write goes to the file at once (re-read under the
// lock, changed, replaced as a whole); on Windows both go straight to the registry.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Opens root\path (path relative to the root, backslash-separated), creating every
    // missing key on the way. Null when the hive cannot be read or the key cannot be made.
    static std::unique_ptr<RegistryKey> openOrCreate(RegistryRoot root, const std::string &path);
    // Opens an existing key without creating it; null when it does not exist.
    static std::unique_ptr<RegistryKey> openExisting(RegistryRoot root, const std::string &path);

    virtual RegistryValueType valueType(const std::string &name) const = 0;
    // Empty when the value is missing or of another type (as the Win32 registry fails).
    virtual std::optional<std::string> readString(const std::string &name) const = 0;
    virtual std::optional<std::int32_t> readInteger(const std::string &name) const = 0;

    virtual bool writeString(const std::string &name, const std::string &value) = 0;
    virtual bool writeInteger(const std::string &name, std::int32_t value) = 0;
    virtual bool deleteValue(const std::string &name) = 0;

protected:
    RegistryKey() = default;
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;
};

} // namespace velmora::platform
