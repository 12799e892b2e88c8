#include "app/command_line.h"

#include "velmora_version.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

namespace velmora::app {

namespace {

constexpr int kRefused = 2;

// The options every Qt program takes (QGuiApplication and QApplication), written with one dash
// or two; those in the first list take a value, as the next argument or after "=".
constexpr std::array<std::string_view, 15> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

std::string_view qtOptionName(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-' || arg == "--")
        return {};
    arg.remove_prefix(arg[1] == '-' ? 2 : 1);
    return arg.substr(0, arg.find('='));
}

bool contains(const auto &names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments a Qt option at args[i] takes up (1 or 2); 0 when it is none of Qt's.
std::size_t qtOptionLength(const std::vector<std::string> &args, std::size_t i) {
    const std::string_view arg = args[i];
    const std::string_view name = qtOptionName(arg);
    const bool inlineValue = arg.find('=') != std::string_view::npos;
    if (contains(kQtFlags, name) && !inlineValue)
        return 1;
    if (!contains(kQtValueOptions, name))
        return 0;
    return inlineValue || i + 1 >= args.size() ? 1 : 2;
}

std::string helpText() {
    return usageLine() + R"(
Lists the invalid PL/SQL units of an Oracle schema (packages, package bodies, procedures and
functions) and shows a unit's source with its compile errors beside each line. The login
dialog asks for the user, the password and the connect string; an empty connect string
reaches the embedded demo database (SCOTT / TIGER).

Options:
  -h, --help       show this help and exit
  -V, --version    show the version and exit

Qt's standard options (-platform, -style, -session, -display, -reverse and the others)
are passed on to Qt. F1 in a window opens its help page. For build pipelines,
velmora-check lists the same errors without a window (velmora-check --help).
)";
}

} // namespace

std::string usageLine() {
    return "Usage: velmora [--help] [--version] [Qt options]";
}

std::optional<int> answerCommandLine(const std::vector<std::string> &args, std::ostream &out,
                                     std::ostream &err) {
    for (std::size_t i = 0; i < args.size();) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << helpText();
            return 0;
        }
        if (arg == "--version" || arg == "-V") {
            out << "velmora " << velmora::kVersion << '\n';
            return 0;
        }
        const std::size_t taken = qtOptionLength(args, i);
        if (taken == 0) {
            err << "velmora: "
                << (arg.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") << arg
                << "'\n"
                << usageLine() << '\n';
            return kRefused;
        }
        i += taken;
    }
    return std::nullopt;
}

} // namespace velmora::app
