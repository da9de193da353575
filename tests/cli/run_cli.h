// Runs the command line in-process and keeps what it printed.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace shieldcalc::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun runCli(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(views, out, err);
    return {status, out.str(), err.str()};
}

// text's lines, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace shieldcalc::testing
