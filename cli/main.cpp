// velmora-sim: runs Velmora projects without a display.
#include <iostream>
#include <string>
#include <vector>

#include "SimCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return cli::RunCommandLine(args, std::cout, std::cerr);
}
