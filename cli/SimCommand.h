// The commands of velmora-sim: run, check and new, each returning the program's exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Exit statuses, documented in --help.
enum ExitStatus {
    ExitSuccess = 0,
    ExitBadArguments = 2, // bad arguments or a path that cannot be read or written
    ExitInvalidInputs = 3, // the input check cleared InputsValid
    ExitRefused = 4,       // the run refused its inputs
};

extern const char* const UsageText;

// Runs one command line (without the program name); output to `out`, diagnostics to `err`.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace cli
