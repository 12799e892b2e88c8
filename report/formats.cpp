#include "report/formats.h"

#include "report/writers.h"

#include <array>
#include <utility>

namespace velmora::report {

namespace {

constexpr std::array<std::pair<std::string_view, Format>, 5> kNames = {{{"text", Format::Text},
                                                                        {"gcc", Format::Gcc},
                                                                        {"json", Format::Json},
                                                                        {"sarif", Format::Sarif},
                                                                        {"junit", Format::Junit}}};

} // namespace

std::string formatChoices() {
    std::string choices;
    for (const auto &entry : kNames) {
        if (!choices.empty())
            choices += '|';
        choices += entry.first;
    }
    return choices;
}

std::optional<Format> formatFromName(std::string_view name) {
    for (const auto &[text, format] : kNames) {
        if (text == name)
            return format;
    }
    return std::nullopt;
}

void writeListing(const Listing &listing, Format format, std::ostream &out) {
    switch (format) {
    case Format::Text:
        writeSqlPlusText(listing, out);
        break;
    case Format::Gcc:
        writeGccLines(listing, out);
        break;
    case Format::Json:
        writeJson(listing, out);
        break;
    case Format::Sarif:
        writeSarif(listing, out);
        break;
    case Format::Junit:
        writeJUnit(listing, out);
        break;
    }
}

const char *severityWord(Severity severity) {
    return severity == Severity::Warning ? "warning" : "error";
}

std::string unitPlace(const Unit &unit) {
    return unit.fromFile() ? unit.file : unit.type + ' ' + unit.name;
}

} // namespace velmora::report
