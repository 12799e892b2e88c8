// Small builders for the listings the report tests write out.
#pragma once

#include "report/formats.h"
#include "report/listing.h"

#include <sstream>
#include <string>

namespace velmora::report::test {

inline Diagnostic error(int line, int column, std::string text) {
    return {line, column, Severity::Error, std::move(text)};
}

inline Diagnostic warning(int line, int column, std::string text) {
    return {line, column, Severity::Warning, std::move(text)};
}

inline Unit invalidUnit(std::string type, std::string name, std::vector<Diagnostic> errors) {
    Unit unit;
    unit.type = std::move(type);
    unit.name = std::move(name);
    unit.invalid = true;
    unit.diagnostics = std::move(errors);
    return unit;
}

inline Unit validUnit(std::string type, std::string name) {
    Unit unit;
    unit.type = std::move(type);
    unit.name = std::move(name);
    return unit;
}

// A unit read from a script: its line 1 is the file's line fileLine, offset characters in.
inline Unit fileUnit(Unit unit, std::string file, int fileLine, int offset) {
    unit.file = std::move(file);
    unit.fileLine = fileLine;
    unit.fileColumnOffset = offset;
    return unit;
}

inline Listing listingOf(std::vector<Unit> units) {
    Listing listing;
    listing.run = {"velmora-check", "9.8.7", "SCOTT", "2024-05-06T07:08:09", "buildhost", 1.25};
    listing.units = std::move(units);
    return listing;
}

inline std::string written(const Listing &listing, Format format) {
    std::ostringstream out;
    writeListing(listing, format, out);
    return out.str();
}

} // namespace velmora::report::test
