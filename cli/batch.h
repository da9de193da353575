// Batch runs: many calculations from one CSV file.
//
// runBatch reads a CSV file (or standard input) whose header names its
// columns: "calculation" (solid, aperture, double, enclosure) picks the
// computation of each row, "source" its field source, and the other columns
// are the keys of the calculations' field tables ("material" or
// "sigma_r"/"mu_r", "f", "l", "r"...). A column that a row's calculation does
// not use must be empty in that row. Each row is read as the command line
// reads its options, computed, and written at once: as CSV (the input
// columns as read, then se_db, display and error) or, with --json, as one
// JSON object per line. A row that faults or holds a bad value is reported in
// its own output and the run goes on; a file that is not well-formed CSV, or
// whose header names an unknown column, stops the run at that line.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace shieldcalc::cli {

inline constexpr std::string_view kBatchCommand = "batch";
inline constexpr std::string_view kBatchSummary = "many calculations from the rows of a CSV file";

// args: the arguments after "batch". Reads standard input from in. Returns
// kExitSuccess when every row computed, kExitArithmeticFault when any row
// failed, kExitUsage on a usage error or a malformed file (cli/cli.h).
int runBatch(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err);

} // namespace shieldcalc::cli
