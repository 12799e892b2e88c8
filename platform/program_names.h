#pragma once
// The names the program keeps its things under, written once: the registry key that holds the
// remembered logon and the source view's look, and the help file F1 opens.

namespace velmora::platform {

// Below HKEY_CURRENT_USER; the look's values are in its subkeys "Font" and "BackGroundColor".
inline constexpr char kSettingsKeyPath[] = "Software\\KORVEN\\Tarnwick\\List-1";
inline constexpr char kHelpFileName[] = "TARNWICK.HLP";

} // namespace velmora::platform
