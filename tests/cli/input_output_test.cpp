// What the command line does when its streams fail or its input is hostile:
// an output that cannot be written, an input that cannot be read, records
// beyond the length limit, carriage returns, and text that only looks like
// a byte-order mark. Nothing may be lost or made up without a message and a
// non-zero exit status.
#include "run_cli.h"
#include "tests/common/failing_streams.h"

#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

constexpr int kIoFailure = 3;
constexpr std::size_t kRecordLimit = 1 << 20;
const std::string kHeader = "calculation,source,material,f,l,r\n";
const std::string kRow = "solid,plane,copper,1,0.1,10\n";

CliRun run(std::vector<std::string> args, std::istream& in, std::ostream& out) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream err;
    CliRun result;
    result.status = cli::runCli(views, in, out, err);
    result.err = err.str();
    return result;
}

std::string rows(std::size_t count) {
    std::string text = kHeader;
    for (std::size_t i = 0; i < count; ++i) {
        text += kRow;
    }
    return text;
}

// Every command that writes something, to an output that takes a few bytes
// or none and then fails as a full device does.
TEST(OutputFailure, EveryCommandEndsWithTheReasonAndStatus3) {
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"--version"},
        {"solid", "--help"},
        {"batch", "--help"},
        {"solid", "--source", "plane", "--material", "copper", "-f", "1", "-l", "0.1"},
        {"solid", "--source", "plane", "--material", "copper", "-f", "1", "-l", "0.1", "--json"},
        {"solid", "--source", "plane", "--material", "copper", "-f", "1", "-l", "0.1",
         "--reference"},
        {"solid", "--source", "plane", "--material", "copper", "-l", "0.1", "--sweep", "1:10"},
        {"solid", "--source", "plane", "--material", "copper", "-l", "0.1", "--sweep", "1:10",
         "--json"},
        {"batch"},
        {"batch", "--json"},
    };
    for (const std::size_t capacity : {0, 10}) {
        for (const auto& args : commands) {
            std::istringstream in(rows(3));
            FailingOutput out(capacity);
            const CliRun result = run(args, in, out);
            EXPECT_EQ(result.status, kIoFailure) << args[0] << ' ' << args.back();
            EXPECT_NE(result.err.find("cannot write to standard output: No space left on device"),
                      std::string::npos)
                << result.err;
        }
    }
}

TEST(OutputFailure, ABatchRunStopsReadingAtOnce) {
    const std::string input = rows(200000);
    std::istringstream in(input);
    FailingOutput out(0, EPIPE);
    const CliRun result = run({"batch"}, in, out);
    EXPECT_EQ(result.status, kIoFailure);
    EXPECT_NE(result.err.find("Broken pipe"), std::string::npos) << result.err;
    const auto read =
        static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
    EXPECT_LT(read, input.size() / 10) << "read on after the output failed";
}

// An I/O error 64 KiB into the input: the complete rows before it are
// written, then the error with its cause and the line it struck.
TEST(InputFailure, RowsBeforeTheErrorAreWrittenThenItsCause) {
    const std::string input = rows(5000);
    const std::size_t failAt = 1 << 16;
    const auto complete = static_cast<std::size_t>(
        std::count(input.begin(), input.begin() + long(failAt), '\n')); // header included
    FailingInput in(input, failAt);
    std::ostringstream out;
    const CliRun result = run({"batch"}, in, out);
    EXPECT_EQ(result.status, kIoFailure);
    EXPECT_EQ(linesOf(out.str()).size(), complete) << "the header and every complete row";
    EXPECT_NE(result.err.find("cannot read standard input at line " + std::to_string(complete + 1) +
                              ": Input/output error"),
              std::string::npos)
        << result.err;
}

TEST(InputFailure, AFileThatCannotBeOpenedIsNamedWithTheReason) {
    const CliRun result = runBatch("", {"/nonexistent/rows.csv"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("cannot open '/nonexistent/rows.csv': No such file or directory"),
              std::string::npos)
        << result.err;
}

struct HostileCase {
    const char* name;
    std::string input;
    int status;
    std::size_t linesWritten; // the header and the rows, as lines
    std::string message;      // part of stderr
};
void PrintTo(const HostileCase& row, std::ostream* os) {
    *os << row.name;
}

class HostileInput : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, NothingLostNothingMadeUp) {
    const HostileCase& c = GetParam();
    const CliRun result = runBatch(c.input);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(linesOf(result.out).size(), c.linesWritten) << result.out;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
}

// A row whose distance is written with leading zeros up to the record limit
// reads as 10 and computes.
std::string rowOfLength(std::size_t length) {
    const std::string start = "solid,plane,copper,1,0.1,";
    return start + std::string(length - start.size() - 2, '0') + "10\n";
}

// clang-format off
const HostileCase kHostileCases[] = {
    {"record_of_the_limit_computes", kHeader + rowOfLength(kRecordLimit), 0, 2, ""},
    {"record_beyond_the_limit", kHeader + kRow + rowOfLength(kRecordLimit + 1) + kRow, 2, 2,
     "line 3: a record longer than 1 MiB (1048576 bytes)"},
    {"quoted_field_beyond_the_limit", kHeader + "solid,plane,\"" + std::string(kRecordLimit, 'x') + "\",1,0.1,10\n", 2, 1,
     "line 2: a record longer than 1 MiB"},
    {"endless_header", std::string(3 * kRecordLimit, '\0'), 2, 0, "line 1: a record longer than 1 MiB"},
    {"too_many_fields", kHeader + std::string(2000, ',') + "\n", 2, 1, "line 2: more than 1024 fields"},
    {"stray_cr_splits_no_row", kHeader + "solid,magnetic,copper,1,0.01,1\r0\n" + kRow, 2, 1,
     "line 2: a carriage return (CR) that is not followed by a line feed (LF)"},
    {"stray_cr_after_a_quoted_field", kHeader + "solid,plane,copper,1,0.1,\"10\"\rsolid\n", 2, 1,
     "line 2: a carriage return (CR)"},
    {"cr_only_line_ends", "calculation,source,material,f,l,r\rsolid,plane,copper,1,0.1,10\r", 2, 0,
     "line 1: a carriage return (CR)"},
    {"cr_inside_quotes_is_data", kHeader + "solid,plane,copper,1,0.1,\"1\r0\"\n", 1, 2,
     ""},
    {"crlf_line_ends", "calculation,source,material,f,l,r\r\nsolid,plane,copper,1,0.1,10\r\n", 0, 2, ""},
    {"lines_counted_through_quoted_line_ends", kHeader + "\"solid\n\n\",plane,copper,1,0.1,10\nsolid,plane,copper,1,0.1,10\rx\n", 2, 4,
     "line 5: a carriage return (CR)"},
    {"full_width_digit_first_is_utf8", "\xEF\xBC\x91,calculation\n", 2, 0,
     "line 1: unknown column '\xEF\xBC\x91'"},
    {"three_byte_character_first", "\xEE\x80\x80\n", 2, 0, "line 1: unknown column '\xEE\x80\x80'"},
    {"byte_order_mark_skipped", "\xEF\xBB\xBF" + kHeader + kRow, 0, 2, ""},
    {"byte_order_mark_cut_off", "\xEF\xBB" + kHeader, 2, 0, "line 1: the file is not UTF-8 text"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Batch, HostileInput, ::testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace shieldcalc::testing
