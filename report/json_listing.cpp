// The listing as one JSON document:
//   {"tool": {"name", "version"}, "suite", "checked", "invalid",
//    "units": [{"type", "name", "status", ["file",] "errors": [
//        {"line", "column", ["unitLine", "unitColumn",] "severity", "code", "text"}]}]}
// Only invalid units are listed; "checked" counts every unit looked at. For a unit from a
// script file (lint), "line" and "column" are the file's and "unitLine"/"unitColumn" the
// unit's own; "code" is the error number ("PLS-00201") or null; "text" keeps its line feeds.

#include "report/json_writer.h"
#include "report/message_text.h"
#include "report/writers.h"

namespace velmora::report {

namespace {

void writeError(JsonWriter &json, const Unit &unit, const Diagnostic &d) {
    const SourcePosition at = unit.filePosition(d);
    json.beginObject();
    json.member("line", at.line);
    json.member("column", at.column);
    if (unit.fromFile()) {
        json.member("unitLine", d.line);
        json.member("unitColumn", d.column);
    }
    json.member("severity", severityWord(d.severity));
    const std::string code = errorCode(d.text);
    json.key("code");
    if (code.empty())
        json.null();
    else
        json.value(code);
    json.member("text", d.text);
    json.endObject();
}

void writeUnit(JsonWriter &json, const Unit &unit) {
    json.beginObject();
    json.member("type", unit.type);
    json.member("name", unit.name);
    json.member("status", "INVALID");
    if (unit.fromFile())
        json.member("file", unit.file);
    json.key("errors");
    json.beginArray();
    for (const Diagnostic &d : unit.diagnostics)
        writeError(json, unit, d);
    json.endArray();
    json.endObject();
}

} // namespace

void writeJson(const Listing &listing, std::ostream &out) {
    JsonWriter json(out);
    json.beginObject();
    json.key("tool");
    json.beginObject();
    json.member("name", listing.run.toolName);
    json.member("version", listing.run.toolVersion);
    json.endObject();
    json.member("suite", listing.run.suiteName);
    json.member("checked", static_cast<int>(listing.units.size()));
    json.member("invalid", listing.invalidCount());
    json.key("units");
    json.beginArray();
    for (const Unit &unit : listing.units) {
        if (unit.invalid)
            writeUnit(json, unit);
    }
    json.endArray();
    json.endObject();
}

} // namespace velmora::report
