#pragma once
// F1 help: opens the program's help file at a context number when the file exists beside the
// program or in the working folder; otherwise the help's HTML page for the context when one is
// installed (help_pages.h); does nothing when neither is there.

#include <QString>

namespace velmora::platform {

// Returns true when a help file was found and handed to the system to open.
bool openHelpFile(const QString &fileName, int context);

} // namespace velmora::platform
