// The command line of velmora-check: what each argument sets and what is refused.

#include "check/check_options.h"

#include <gtest/gtest.h>

namespace velmora::check {
namespace {

TEST(CheckOptions, WhatTheArgumentsSet) {
    struct Case {
        std::vector<std::string> args;
        std::string user, connect, pattern;
        std::vector<std::string> types;
        report::Format format;
    };
    const std::vector<Case> cases = {
        {{"--user", "SCOTT"}, "SCOTT", "", "", {}, report::Format::Text},
        {{"-u", "scott", "-c", "/tmp/x.db", "-f", "gcc"},
         "scott",
         "/tmp/x.db",
         "",
         {},
         report::Format::Gcc},
        {{"--user=A", "--connect=", "--format=sarif", "--name=PAY%"},
         "A",
         "",
         "PAY%",
         {},
         report::Format::Sarif},
        {{"-u", "A", "-t", "package body", "--type=PACKAGE", "-t", "Package Body"},
         "A",
         "",
         "",
         {"PACKAGE BODY", "PACKAGE"},
         report::Format::Text},
        {{"-u", "A", "-n", "O'X_%", "--format", "junit", "--format", "json"},
         "A",
         "",
         "O'X_%",
         {},
         report::Format::Json},
        {{"-u", "A", "--name", "--x"}, "A", "", "--x", {}, report::Format::Text},
    };
    for (const Case &c : cases) {
        Options o;
        std::string error;
        ASSERT_TRUE(parseOptions(c.args, o, error)) << c.args.front() << ": " << error;
        EXPECT_EQ(o.user, c.user);
        EXPECT_EQ(o.connect, c.connect);
        EXPECT_EQ(o.namePattern, c.pattern);
        EXPECT_EQ(o.types, c.types);
        EXPECT_EQ(o.format, c.format);
    }
}

TEST(CheckOptions, RefusedWithAReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "--user is required"},
        {{"-c", ""}, "--user is required"},
        {{"-u"}, "needs a value"},
        {{"-u", "A", "--format"}, "needs a value"},
        {{"-u", "A", "--format", "xml"}, "unknown format 'xml' (text|gcc|json|sarif|junit)"},
        {{"-u", "A", "-t", "TRIGGER"}, "unknown unit type 'TRIGGER'"},
        {{"-u", "A", "--verbose"}, "unknown option '--verbose'"},
        {{"-u", "A", "SCOTT/TIGER"}, "unexpected argument 'SCOTT/TIGER'"},
        {{"-u", "A", "--password", "TIGER"}, "never taken from the command line"},
        {{"-u", "A", "--password=TIGER"}, "never taken from the command line"},
        {{"-u", "A", "-p", "TIGER"}, "never taken from the command line"},
    };
    for (const auto &[args, reason] : cases) {
        Options o;
        std::string error;
        EXPECT_FALSE(parseOptions(args, o, error)) << ::testing::PrintToString(args);
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

TEST(CheckOptions, HelpAndVersionNeedNoUser) {
    for (const char *arg : {"--help", "-h", "--version", "-V"}) {
        Options o;
        std::string error;
        EXPECT_TRUE(parseOptions({arg}, o, error)) << arg;
        EXPECT_TRUE(o.help || o.version);
    }
}

} // namespace
} // namespace velmora::check
