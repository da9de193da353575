// Sweeps, reference values and advice on the command line: CSV and JSON,
// points equal to single runs, faulting points, usage errors.
#include "json_reader.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

using Args = std::vector<std::string>;

// Every calculation without its frequency, the column of its sweep and the
// option that a sweep replaces.
struct SweepCase {
    const char* name;
    Args args;
    std::string column;
};
void PrintTo(const SweepCase& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const SweepCase kSweepCases[] = {
    {"solid", {"solid", "--source", "magnetic", "--material", "iron", "-l", "0.01", "-r", "30"}, "f_mhz"},
    {"aperture", {"aperture", "--source", "electric", "--shape", "circle", "--material", "brass", "-l", "0.1", "-a", "0.1", "-n", "2", "-b", "0.2", "-D", "0.4", "-r", "10"}, "f_khz"},
    {"double", {"double", "--source", "plane", "--l1", "0.01", "--material1", "copper", "--l2", "0.01", "--r2", "1", "--material2", "iron"}, "f_khz"},
    {"enclosure", {"enclosure", "--source", "electric", "--material", "aluminium", "-l", "0.05", "-a", "20", "-b", "30", "-h", "10"}, "f_khz"},
};
// clang-format on

class SweepOutput : public ::testing::TestWithParam<SweepCase> {};

// Each row's se_db, display and reference are those of a single run at the
// row's frequency, to the last digit.
TEST_P(SweepOutput, CsvRowsAreSingleRuns) {
    const CliRun run = runCli(with(GetParam().args, {"--sweep", "0.01:1e6:9"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> rows = linesOf(run.out);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], GetParam().column + ",se_db,display,reference_db,advice,error");
    EXPECT_EQ(cells(rows[1])[0], "0.01");
    EXPECT_EQ(cells(rows[5])[0], "100");
    EXPECT_EQ(cells(rows[9])[0], "1000000");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> row = cells(rows[i]);
        ASSERT_EQ(row.size(), 6u) << rows[i];
        const CliRun single = runCli(with(GetParam().args, {"-f", row[0], "--json"}));
        ASSERT_EQ(single.status, 0) << single.err;
        const JsonValue json = readJson(single.out);
        EXPECT_EQ(row[1], json.at("se_db").text) << rows[i];
        EXPECT_EQ(row[2], json.at("display").text) << rows[i];
        EXPECT_EQ(row[3], json.at("reference_db").text) << rows[i];
        EXPECT_EQ(row[5], "");
    }
}

TEST_P(SweepOutput, JsonHasTheInputsTheGridAndEveryPoint) {
    const CliRun run = runCli(with(GetParam().args, {"--sweep", "1:2", "--linear", "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue json = readJson(run.out);
    EXPECT_EQ(json.keys(), (std::vector<std::string>{"calculation", "inputs", "sweep", "points"}));
    EXPECT_EQ(json.at("calculation").text, GetParam().args.front());
    EXPECT_THROW(json.at("inputs").at("f"), std::exception);
    EXPECT_EQ(json.at("sweep").at("points").text, "201");
    EXPECT_EQ(json.at("sweep").at("spacing").text, "linear");
    const std::vector<JsonValue>& points = json.at("points").items;
    ASSERT_EQ(points.size(), 201u);
    EXPECT_EQ(points[100].at("f").text, "1.5");
    for (const JsonValue& point : points) {
        EXPECT_EQ(point.keys(), (std::vector<std::string>{"f", "se_db", "display", "reference_db",
                                                          "advice", "error"}));
        EXPECT_EQ(point.at("se_db").kind, JsonValue::Kind::Number);
        EXPECT_EQ(point.at("error").kind, JsonValue::Kind::Null);
        EXPECT_EQ(point.at("advice").kind, JsonValue::Kind::Array);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, SweepOutput, ::testing::ValuesIn(kSweepCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A 1 cm copper wall: above about 21.9 MHz the box's SE leaves the range of
// numbers; those points carry the cause, the others their value.
const Args kThickBox{"enclosure", "--source", "magnetic", "--material", "copper",
                     "-l",        "1",        "-a",       "10",         "-b",
                     "10",        "-h",       "10",       "--sweep",    "1000:1e6:4"};
const std::string kBeyondSkinDepth =
    "the wall thickness l is so far beyond the skin depth that the SE is out of range";

TEST(SweepFaults, CsvPointsCarryTheirCauseAndTheExitStatusIs1) {
    const CliRun run = runCli(kThickBox);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> rows = linesOf(run.out);
    ASSERT_EQ(rows.size(), 5u) << run.out;
    EXPECT_NE(cells(rows[2])[1], "");
    EXPECT_EQ(cells(rows[2])[5], "");
    const std::vector<std::string> faulted = cells(rows[4]);
    EXPECT_EQ(faulted[1], "");
    EXPECT_EQ(faulted[2], "");
    EXPECT_NE(faulted[3], "") << "the reference model has a value";
    EXPECT_EQ(faulted[5], kBeyondSkinDepth);
}

TEST(SweepFaults, JsonPointsCarryNullValuesAndTheCause) {
    const CliRun run = runCli(with(kThickBox, {"--json"}));
    EXPECT_EQ(run.status, 1);
    const JsonValue last = readJson(run.out).at("points").items.back();
    EXPECT_EQ(last.at("se_db").kind, JsonValue::Kind::Null);
    EXPECT_EQ(last.at("display").kind, JsonValue::Kind::Null);
    EXPECT_EQ(last.at("error").text, kBeyondSkinDepth);
}

struct UsageCase {
    const char* name;
    Args extra;
    std::string message;
};
void PrintTo(const UsageCase& row, std::ostream* os) {
    *os << row.name;
}

const Args kSolidWithoutFrequency{"solid",  "--source", "plane", "--material",
                                  "copper", "-l",       "0.1"};

class SweepUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SweepUsage, IsAnErrorNamingTheOption) {
    const CliRun run = runCli(with(kSolidWithoutFrequency, GetParam().extra));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(linesOf(run.err).front(), "shieldcalc-cli solid: " + GetParam().message);
}

// clang-format off
const UsageCase kUsageCases[] = {
    {"start_equals_stop", {"--sweep", "10:10"}, "--sweep: the start of a sweep must be below its stop"},
    {"start_above_stop", {"--sweep", "10:1:5"}, "--sweep: the start of a sweep must be below its stop"},
    {"one_point", {"--sweep", "1:10:1"}, "--sweep: a sweep has 2 to 100000 points"},
    {"too_many_points", {"--sweep", "1:10:100001"}, "--sweep: a sweep has 2 to 100000 points"},
    {"points_not_whole", {"--sweep", "1:10:2.5"}, "--sweep: N: '2.5' is not a whole number from 2 to 100000"},
    {"points_empty", {"--sweep", "1:10:"}, "--sweep: N: '' is not a whole number from 2 to 100000"},
    {"log_from_zero", {"--sweep", "0:10"}, "--sweep: a logarithmic sweep must start above 0"},
    {"log_from_below_zero", {"--sweep", "-5:10"}, "--sweep: a logarithmic sweep must start above 0"},
    {"no_colon", {"--sweep", "10"}, "--sweep: '10' is not START:STOP[:N]"},
    {"no_colon_ill_formed", {"--sweep", "10\xC9" "1"}, "--sweep: '10\\xC91' is not START:STOP[:N]"},
    {"points_with_control", {"--sweep", "1:10:\x1b"}, "--sweep: N: '\xE2\x90\x9B' is not a whole number from 2 to 100000"},
    {"start_not_a_number", {"--sweep", "a:10"}, "--sweep START: 'a' is not a number"},
    {"stop_beyond_range", {"--sweep", "1:1e39"}, "--sweep STOP: '1e39' is beyond the single-precision range"},
    {"no_value", {"--sweep"}, "option --sweep needs a value"},
    {"with_frequency", {"--sweep", "1:10", "-f", "1"}, "option -f and --sweep exclude each other"},
    {"linear_alone", {"-f", "1", "--linear"}, "option --linear needs --sweep"},
    {"frequency_still_needed", {"--reference"}, "option -f is required"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, SweepUsage, ::testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SweepGrid, LinearFromZeroFaultsOnlyAtZero) {
    const CliRun run = runCli(with(kSolidWithoutFrequency, {"--sweep", "0:1:3", "--linear"}));
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> rows = linesOf(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(cells(rows[1])[5], "the frequency f must be greater than 0");
    EXPECT_EQ(cells(rows[2])[0], "0.5");
    EXPECT_EQ(cells(rows[3])[5], "");
}

// --- a single computation with its reference ---------------------------------

TEST(Reference, ThinFoilShowsBothNumbersAndNotesOnly) {
    const CliRun run = runCli({"solid", "--source", "plane", "--material", "copper", "-f", "100",
                               "-l", "0.00508", "--reference"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = linesOf(run.out);
    ASSERT_GE(out.size(), 3u);
    EXPECT_EQ(out[0], "SE = 154.54800415039062 dB");
    EXPECT_TRUE(out[1].starts_with("reference SE = 154.9")) << out[1];
    for (std::size_t i = 2; i < out.size(); ++i) {
        EXPECT_TRUE(out[i].starts_with("note: ")) << out[i];
    }
}

TEST(Reference, DoubleLayerGapShowsTheDisagreement) {
    const CliRun run =
        runCli({"double", "--source", "plane", "-f", "1e6", "--l1", "0.001", "--material1",
                "copper", "--l2", "0.001", "--r2", "5", "--material2", "copper", "--reference"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nwarning: the handbook formula is 903.64 dB above the reference "
                           "model\n"),
              std::string::npos)
        << run.out;
}

// Holes twice as wide as high: the hole-array model is for round and square ones.
TEST(Reference, OblongHolesHaveNone) {
    const Args aperture{"aperture", "--source", "plane", "--shape", "rect", "--material", "copper",
                        "-l",       "0.5",      "-f",    "1000",    "-a",   "1",          "-b",
                        "1",        "-n",       "0.25",  "-w",      "2"};
    const CliRun run = runCli(with(aperture, {"--reference"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(linesOf(run.out).at(1), "reference SE = none");
    EXPECT_NE(run.out.find("\nnote: no hole-array reference: it models circular and square holes "
                           "(w^2 = 4 cm*cm, hole area 1 cm*cm)\n"),
              std::string::npos)
        << run.out;
    const JsonValue json = readJson(runCli(with(aperture, {"--json"})).out);
    EXPECT_EQ(json.at("reference_db").kind, JsonValue::Kind::Null);
    EXPECT_EQ(json.at("advice").kind, JsonValue::Kind::Array);
}

TEST(Reference, JsonAdviceCarriesCodeSeverityAndNumbers) {
    const CliRun run = runCli({"enclosure", "--source", "magnetic", "--material", "copper", "-f",
                               "1", "-l", "0.1", "-a", "10", "-b", "10", "-h", "10", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue json = readJson(run.out);
    EXPECT_EQ(json.keys(), (std::vector<std::string>{"calculation", "inputs", "se_db", "display",
                                                     "reference_db", "advice"}));
    EXPECT_EQ(json.at("se_db").text, "0.0928459");
    EXPECT_TRUE(json.at("reference_db").text.starts_with("19.72")) << json.at("reference_db").text;
    const std::vector<JsonValue>& advice = json.at("advice").items;
    ASSERT_EQ(advice.size(), 2u);
    EXPECT_EQ(advice[0].at("code").text, "reference_differs");
    EXPECT_EQ(advice[0].at("severity").text, "warning");
    EXPECT_EQ(advice[0].at("handbook_db").text, "0.09284590184688568");
    EXPECT_EQ(advice[1].keys(), (std::vector<std::string>{"code", "severity"}));
    EXPECT_EQ(advice[1].at("code").text, "box_openings_ignored");
}

TEST(Reference, WithoutTheFlagThePlainOutputIsOneLine) {
    const CliRun run = runCli(
        {"solid", "--source", "plane", "--material", "copper", "-f", "100", "-l", "0.00508"});
    EXPECT_EQ(run.out, "SE = 154.54800415039062 dB\n");
}

// --- the warnings of a single result on standard error ------------------------

struct WarningCase {
    const char* name;
    Args args;
    std::size_t warnings; // how many the advice holds
};
void PrintTo(const WarningCase& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const WarningCase kWarningCases[] = {
    {"double_gap_far_above_reference", {"double", "--source", "plane", "-f", "1e6", "--l1", "0.001", "--material1", "copper", "--l2", "0.001", "--r2", "5", "--material2", "copper"}, 1},
    {"box_below_reference", {"enclosure", "--source", "electric", "--material", "copper", "-f", "1000", "-l", "0.1", "-a", "10", "-b", "10", "-h", "10"}, 1},
    {"magnetic_source_far_away_with_little_absorption", {"solid", "--source", "magnetic", "--material", "copper", "-f", "100", "-l", "0.0001", "-r", "1000"}, 2},
    {"hole_wider_than_a_quarter_wavelength", {"aperture", "--source", "plane", "--shape", "rect", "--material", "copper", "-l", "0.1", "-f", "1e7", "-a", "4", "-n", "0.1", "-b", "2", "-w", "2"}, 2},
    {"thin_foil_with_notes_only", {"solid", "--source", "plane", "--material", "copper", "-f", "100", "-l", "0.00508"}, 0},
};
// clang-format on

class Warnings : public ::testing::TestWithParam<WarningCase> {};

// Standard error carries exactly the warning lines that --reference lists
// under the result, named by the command; standard output stays one line.
TEST_P(Warnings, FollowASingleResultOnStandardError) {
    const Args& args = GetParam().args;
    const CliRun plain = runCli(args);
    const CliRun listed = runCli(with(args, {"--reference"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    const std::vector<std::string> listing = linesOf(listed.out);
    ASSERT_FALSE(listing.empty());
    EXPECT_EQ(plain.out, listing[0] + "\n");
    std::string expected;
    std::size_t warnings = 0;
    for (const std::string& line : listing) {
        if (line.starts_with("warning: ")) {
            expected += "shieldcalc-cli " + args[0] + ": " + line + "\n";
            ++warnings;
        }
    }
    EXPECT_EQ(warnings, GetParam().warnings) << listed.out;
    EXPECT_EQ(plain.err, expected);
    EXPECT_EQ(runCli(with(args, {"--json"})).err, expected);
    EXPECT_EQ(listed.err, "") << "listed once, on standard output";
}

TEST_P(Warnings, QuietLeavesStandardErrorEmptyAndOutputAlone) {
    const Args& args = GetParam().args;
    for (const Args& more : {Args{}, Args{"--json"}, Args{"--reference"}}) {
        const CliRun loud = runCli(with(args, more));
        const CliRun quiet = runCli(with(with(args, more), {"--quiet"}));
        EXPECT_EQ(quiet.status, 0);
        EXPECT_EQ(quiet.out, loud.out);
        EXPECT_EQ(quiet.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, Warnings, ::testing::ValuesIn(kWarningCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Warnings, ASweepPrintsNone) {
    const CliRun run =
        runCli({"double", "--source", "plane", "--l1", "0.001", "--material1", "copper", "--l2",
                "0.001", "--r2", "5", "--material2", "copper", "--sweep", "1e5:1e7:5"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

} // namespace
} // namespace shieldcalc::testing
