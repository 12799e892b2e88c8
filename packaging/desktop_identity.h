#pragma once
// The program's identity on the desktop: its window icon in every size (from the resources
// built into the program) and the desktop entry its windows belong to, so that docks, task
// bars and Wayland compositors show the right icon and name.

class QGuiApplication;
class QIcon;

namespace velmora::desktop {

// The desktop entry and AppStream id (io.github.velmora.Velmora.desktop, .metainfo.xml).
inline constexpr const char *kDesktopId = "io.github.velmora.Velmora";

QIcon applicationIcon();

// Gives every window of the application the icon and ties them to the desktop entry.
void installDesktopIdentity(QGuiApplication &app);

} // namespace velmora::desktop
