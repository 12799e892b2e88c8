// The default database's first use (private header): built beside its final place under a
// lock, in folders only its owner may enter, and moved there once seeded, so that a failed
// or killed first use never leaves a half-made database; what a killed one left behind
// ("demo.db.new-*") is removed by the next.
#pragma once

#include "ocilite/engine/connect_string.h"

#include <memory>
#include <string>

namespace ocilite {

std::unique_ptr<Database> createDefaultDatabase(const std::string &path, const SeedDatabase &seed,
                                                std::string &error);

// Removes what a cut-short creation of the database at `path` left behind, unless a creation
// is under way in another process.
void removeCreationLeftovers(const std::string &path);

} // namespace ocilite
