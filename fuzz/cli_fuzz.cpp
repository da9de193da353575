// The command line's argument handling, and batch runs over any CSV text.
//
// Input: the arguments, separated by NUL bytes (at most 64 of them), then,
// after the first 0xFF byte if there is one, the standard input (the CSV text
// of "batch -").
// Properties: the exit status is 0, 1, 2 or 3 (3: a file named cannot be
// read, a directory for one); a usage error (2) writes nothing
// on stdout, except the rows a batch run wrote before the line that stopped
// it; with --json, a computation that succeeds or fails (0 or 1) writes one
// line of valid JSON, and a batch run one line of valid JSON per row; a
// sweep without --json writes CSV under its header, a field a row for each of
// its columns; stderr
// is well-formed UTF-8 with no control characters but the line ends, whatever
// bytes the arguments and the CSV text hold. Run again with stdout a full
// device, the exit status is never 0, and it is 3 (the output failed)
// whenever the first run wrote anything on stdout.
#include "cli/cli.h"
#include "core/utf8.h"
#include "fuzz_support.h"
#include "tests/cli/json_reader.h"
#include "tests/common/failing_streams.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using shieldcalc::fuzz::require;

constexpr std::size_t kMaxArguments = 64;

bool plainText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto cp = shieldcalc::decodeUtf8(text, i);
        if (!cp || (*cp < 0x20 && *cp != U'\n') || *cp == 0x7F || (*cp >= 0x80 && *cp <= 0x9F)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(whole.find('\xFF'), whole.size());
    const std::string_view input = whole.substr(0, split);
    std::vector<std::string_view> args;
    for (std::size_t start = 0; start <= input.size() && args.size() < kMaxArguments;) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (input.empty()) {
        args.clear();
    }

    const std::string stdinText(whole.substr(std::min(split + 1, whole.size())));
    std::istringstream in(stdinText);
    std::ostringstream out, err;
    const int status = shieldcalc::cli::runCli(args, in, out, err);
    require(status >= 0 && status <= 3, "the exit status is 0, 1, 2 or 3");
    require(plainText(err.str()), "stderr is plain text");
    {
        std::istringstream again(stdinText);
        shieldcalc::testing::FailingOutput full;
        std::ostringstream fullErr;
        const int fullStatus = shieldcalc::cli::runCli(args, again, full, fullErr);
        require(fullStatus != 0, "a full stdout is never success");
        require(out.str().empty() || fullStatus == shieldcalc::cli::kExitInputOutput,
                "a run that writes reports a full stdout with status 3");
    }
    const auto given = [&](std::string_view arg) {
        return std::ranges::find(args, arg) != args.end();
    };
    const bool batch = !args.empty() && args.front() == "batch";
    // --help and --version answer with their text, whatever else is given.
    const bool informational = given("--help") || given("--version");
    if (status == 2 && !batch) {
        require(out.str().empty(), "a usage error writes nothing on stdout");
    }
    if (batch && given("--json") && !informational) {
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            try {
                shieldcalc::testing::readJson(line);
            } catch (const std::runtime_error&) {
                require(false, "batch --json writes a line of valid JSON per row");
            }
        }
    } else if (status != 2 && given("--sweep") && !given("--json") && !informational) {
        std::istringstream lines(out.str());
        std::string line;
        require(std::getline(lines, line) && line.ends_with(",reference_db,advice,error"),
                "a sweep writes its CSV header");
        const auto separators = std::ranges::count(line, ',');
        while (std::getline(lines, line)) {
            require(std::ranges::count(line, ',') >= separators,
                    "a sweep writes a field a row for each column");
        }
    } else if (status != 2 && given("--json") && !informational) {
        const std::string json = out.str();
        require(json.ends_with('\n') && json.find('\n') == json.size() - 1,
                "--json writes one line");
        try {
            shieldcalc::testing::readJson(std::string_view(json).substr(0, json.size() - 1));
        } catch (const std::runtime_error&) {
            require(false, "--json writes valid JSON");
        }
    }
    return 0;
}
