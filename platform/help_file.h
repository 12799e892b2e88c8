#pragma once
// F1 help: opens the program's help file at a context number when the file exists beside the
// program or in the working folder; does nothing otherwise.

#include <QString>

namespace velmora::platform {

// Returns true when a help file was found and handed to the system to open.
bool openHelpFile(const QString &fileName, int context);

} // namespace velmora::platform
