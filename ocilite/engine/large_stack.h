// Runs a piece of work on a thread of its own with a large stack, and waits for it (private
// header). The PL/SQL compiler's checks recurse over a unit's syntax tree, which a chain of
// operators makes one level deep per link: far deeper than a program's own thread allows.
#pragma once

#include <functional>

namespace ocilite {

// The stack the work gets: room for the deepest tree the parser lets through.
inline constexpr unsigned long kLargeStackBytes = 512ul << 20;

// Runs body there (or here, when no such thread can be made) and rethrows what it threw.
void runOnLargeStack(const std::function<void()> &body);

} // namespace ocilite
