// ocilite: creates databases and users for the embedded client library, runs SQL*Plus-style
// scripts, installs the demo schema and generates large schemas for benchmarks.
#include "ocilite/admin/admin_tool.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return ocilite::runAdminTool(args, std::cout, std::cerr);
    } catch (const std::exception &e) {
        std::cerr << "ocilite: " << e.what() << '\n';
        return 1;
    }
}
