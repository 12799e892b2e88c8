// The program's command line, run as a separate process the way a person or a script runs it:
// --help and --version answer and end the program with or without a display (without one, a
// program that went on to open a window would abort); other arguments are refused with the
// usage line; Qt's own options are passed over.

#include "app/command_line.h"
#include "velmora_version.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *what;
    QStringList args;
    bool display;
    int status;
    std::string out; // the start of standard output ("" when nothing may be written)
    std::string err; // a text standard error must hold ("" when nothing may be written)
};

struct Outcome {
    bool exitedNormally = false;
    int status = -1;
    std::string out, err;
};

Outcome runProgram(const QStringList &args, bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELMORA_PROGRAM), args);
    Outcome outcome;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return outcome;
    }
    outcome.exitedNormally = program.exitStatus() == QProcess::NormalExit;
    outcome.status = program.exitCode();
    outcome.out = program.readAllStandardOutput().toStdString();
    outcome.err = program.readAllStandardError().toStdString();
    return outcome;
}

TEST(CommandLine, AnswersHelpAndVersionWithoutAWindowAndRefusesTheRest) {
    const std::string usage = velmora::app::usageLine();
    const std::string version = std::string("velmora ") + velmora::kVersion + "\n";
    const Case cases[] = {
        {"help, no display", {"--help"}, false, 0, usage, ""},
        {"short help", {"-h"}, false, 0, usage, ""},
        {"help with a display", {"--help"}, true, 0, usage, ""},
        {"version, no display", {"--version"}, false, 0, version, ""},
        {"short version", {"-V"}, false, 0, version, ""},
        {"version with a display", {"--version"}, true, 0, version, ""},
        {"Qt options passed over",
         {"-style", "Fusion", "--platform=xcb", "-reverse", "-V"},
         false,
         0,
         version,
         ""},
        {"unknown option", {"--user", "SCOTT"}, false, 2, "", "unknown option '--user'"},
        {"unknown option, display", {"--bogus"}, true, 2, "", usage},
        {"a file name", {"broken.sql"}, false, 2, "", "unexpected argument 'broken.sql'"},
        {"a Qt flag given a value", {"-reverse=yes"}, false, 2, "", "'-reverse=yes'"},
        {"refused before help", {"-x", "--help"}, false, 2, "", usage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = runProgram(c.args, c.display);
        ASSERT_TRUE(o.exitedNormally);
        EXPECT_EQ(o.status, c.status);
        if (c.out.empty())
            EXPECT_EQ(o.out, "");
        else
            EXPECT_EQ(o.out.substr(0, c.out.size()), c.out);
        if (c.err.empty())
            EXPECT_EQ(o.err, "");
        else
            EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
}

} // namespace
