#include "check/check_options.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace velmora::check {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool setType(Options &o, const std::string &value, std::string &error) {
    const std::string type = upper(value);
    const auto &known = unitTypes();
    if (std::find(known.begin(), known.end(), type) == known.end()) {
        error =
            "unknown unit type '" + value + "' (PACKAGE, \"PACKAGE BODY\", PROCEDURE or FUNCTION)";
        return false;
    }
    if (std::find(o.types.begin(), o.types.end(), type) == o.types.end())
        o.types.push_back(type);
    return true;
}

bool setFormat(Options &o, const std::string &value, std::string &error) {
    const auto format = report::formatFromName(value);
    if (!format) {
        error = "unknown format '" + value + "' (" + report::formatChoices() + ")";
        return false;
    }
    o.format = *format;
    return true;
}

using Setter = std::function<bool(Options &, const std::string &, std::string &)>;

// Options that take a value, by long and short name.
const std::map<std::string, Setter> &valueOptions() {
    static const std::map<std::string, Setter> options = [] {
        auto set = [](std::string Options::*field) {
            return [field](Options &o, const std::string &v, std::string &) {
                o.*field = v;
                return true;
            };
        };
        std::map<std::string, Setter> m;
        m["--user"] = m["-u"] = set(&Options::user);
        m["--connect"] = m["-c"] = set(&Options::connect);
        m["--name"] = m["-n"] = set(&Options::namePattern);
        m["--type"] = m["-t"] = setType;
        m["--format"] = m["-f"] = setFormat;
        return m;
    }();
    return options;
}

bool isPasswordOption(const std::string &name) {
    return name == "--password" || name == "-p" || name.rfind("--password=", 0) == 0;
}

// One argument (and the value it takes, if any) at args[i]; i moves past what was used.
bool parseOne(const std::vector<std::string> &args, std::size_t &i, Options &o,
              std::string &error) {
    std::string name = args[i];
    if (name == "--help" || name == "-h")
        return o.help = true;
    if (name == "--version" || name == "-V")
        return o.version = true;
    if (isPasswordOption(name)) {
        error = "a password is never taken from the command line; give it through "
                "VELMORA_PASSWORD, standard input or the prompt";
        return false;
    }
    std::string value;
    bool inlineValue = false;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
        value = name.substr(eq + 1);
        name.resize(eq);
        inlineValue = true;
    }
    const auto option = valueOptions().find(name);
    if (option == valueOptions().end()) {
        error = (name.rfind("-", 0) == 0 ? "unknown option '" : "unexpected argument '") + args[i] +
                "'";
        return false;
    }
    if (!inlineValue) {
        if (i + 1 >= args.size()) {
            error = "option '" + name + "' needs a value";
            return false;
        }
        value = args[++i];
    }
    return option->second(o, value, error);
}

} // namespace

const std::vector<std::string> &unitTypes() {
    static const std::vector<std::string> types = {"PACKAGE", "PACKAGE BODY", "PROCEDURE",
                                                   "FUNCTION"};
    return types;
}

bool parseOptions(const std::vector<std::string> &args, Options &options, std::string &error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!parseOne(args, i, options, error))
            return false;
    }
    if (options.help || options.version)
        return true;
    if (options.user.empty()) {
        error = "--user is required";
        return false;
    }
    return true;
}

std::string usageLine() {
    return "Usage: velmora-check --user NAME [--connect STRING] [--type TYPE]... "
           "[--name PATTERN] [--format " +
           report::formatChoices() + "]";
}

} // namespace velmora::check
