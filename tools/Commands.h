#pragma once
// The commands of the host program `ostrel`.
#include <iosfwd>
#include <string>
#include <vector>

// Runs one command line (without the program name); answers the process exit code.
int RunOstrel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage text.
extern const char* const kOstrelUsage;
