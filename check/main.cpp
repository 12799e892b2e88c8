// velmora-check: lists the invalid PL/SQL units of an Oracle schema with their compile errors
// and exits 0 when none is invalid, 1 when some are, 2 on wrong usage or a failed logon or
// query. Runs over any client library velmora can load; needs no display.

#include "check/check_run.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return velmora::check::runCheck(args, std::cout, std::cerr);
    } catch (const std::exception &e) {
        std::cerr << "velmora-check: " << e.what() << '\n';
        return velmora::check::kFailed;
    }
}
