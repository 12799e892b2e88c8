#pragma once
// Private to the session component: fixed texts used by more than one of its source files.

namespace velmora::session {

inline constexpr const char *kDllUnusable = "DLLが使用不可能です。";

} // namespace velmora::session
