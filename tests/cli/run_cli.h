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

// batch with args, reading input as its standard input.
inline CliRun runBatch(const std::string& input, std::vector<std::string> args = {}) {
    args.insert(args.begin(), "batch");
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(views, in, out, err);
    return {status, out.str(), err.str()};
}

// args followed by more.
inline std::vector<std::string> with(std::vector<std::string> args,
                                     const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The cells of a CSV line that quotes nothing; a final comma ends in an
// empty cell.
inline std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) {
        out.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        out.emplace_back();
    }
    return out;
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
