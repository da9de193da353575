// The reference models' own inputs and outputs on the command line: where the
// receiving loop stands (--receiver, the batch column receiver), reference
// values and advice beside a fault, and batch --reference.
#include "json_reader.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

using Args = std::vector<std::string>;

// 35 um of copper, a loop 30 cm before it at 10 kHz: the coaxial-loop field is
// shielded by 18.25 dB at a receiver on the sheet and by 24.14 dB at 30 cm.
const Args kFoil{"solid", "--source", "magnetic", "--material", "copper", "-f",
                 "0.01",  "-l",       "0.0035",   "-r",         "30"};
const Args kTwoFoils{"double", "--source",    "magnetic", "-f",          "10",    "--l1",
                     "0.0035", "--r1",        "30",       "--l2",        "0",     "--r2",
                     "0",      "--material1", "copper",   "--material2", "copper"};

double referenceOf(const CliRun& run) {
    const std::string lead = "reference SE = ";
    const std::size_t at = run.out.find(lead);
    return at == std::string::npos ? -1 : std::strtod(run.out.c_str() + at + lead.size(), nullptr);
}

struct ReceiverCase {
    const char* name;
    Args args;
    double expectedDb;
};
void PrintTo(const ReceiverCase& row, std::ostream* os) {
    *os << row.name;
}

class Receiver : public ::testing::TestWithParam<ReceiverCase> {};

TEST_P(Receiver, PlacesTheReceivingLoop) {
    const CliRun run = runCli(with(GetParam().args, {"--reference"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NEAR(referenceOf(run), GetParam().expectedDb, 0.01) << run.out;
}

// A second sheet of no thickness with no gap leaves the first alone.
const ReceiverCase kReceiverCases[] = {
    {"solid_on_the_sheet", with(kFoil, {"--receiver", "0"}), 18.25},
    {"solid_as_far_as_the_source", with(kFoil, {"--receiver", "30"}), 24.14},
    {"solid_by_default", kFoil, 24.14},
    {"double_on_the_sheet", with(kTwoFoils, {"--receiver", "0"}), 18.25},
    {"double_by_default", kTwoFoils, 24.14},
};

INSTANTIATE_TEST_SUITE_P(Reference, Receiver, ::testing::ValuesIn(kReceiverCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Receiver, IsAnInputInJsonWhereGiven) {
    const JsonValue given = readJson(runCli(with(kFoil, {"--receiver", "0", "--json"})).out);
    EXPECT_EQ(given.at("inputs").keys(),
              (std::vector<std::string>{"source", "material", "f", "l", "r", "receiver"}));
    EXPECT_EQ(given.at("inputs").at("receiver").text, "0");
    const JsonValue left = readJson(runCli(with(kFoil, {"--json"})).out);
    EXPECT_EQ(left.at("inputs").keys(),
              (std::vector<std::string>{"source", "material", "f", "l", "r"}));
}

// A sweep's reference at a frequency is the single run's, receiver and all.
TEST(Receiver, SweepsWithIt) {
    const CliRun sweep = runCli(with({"solid", "--source", "magnetic", "--material", "copper", "-l",
                                      "0.0035", "-r", "30", "--receiver", "0"},
                                     {"--sweep", "0.01:1:3"}));
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::vector<std::string> lines = linesOf(sweep.out);
    ASSERT_EQ(lines.size(), 4u);
    const std::string& first = lines[1];
    const std::size_t reference = first.find(',', first.find(',', first.find(',') + 1) + 1) + 1;
    EXPECT_NEAR(std::strtod(first.c_str() + reference, nullptr), 18.25, 0.01) << first;

    const JsonValue json =
        readJson(runCli(with({"solid", "--source", "magnetic", "--material", "copper", "-l",
                              "0.0035", "-r", "30", "--receiver", "0", "--json"},
                             {"--sweep", "0.01:1:3"}))
                     .out);
    EXPECT_EQ(json.at("inputs").at("receiver").text, "0");
}

struct BadReceiverCase {
    const char* name;
    Args args;
    std::string message; // the first line on stderr
};
void PrintTo(const BadReceiverCase& row, std::ostream* os) {
    *os << row.name;
}

class BadReceiver : public ::testing::TestWithParam<BadReceiverCase> {};

TEST_P(BadReceiver, ExitsWithStatus2NamingTheOption) {
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), GetParam().message);
}

// clang-format off
const BadReceiverCase kBadReceivers[] = {
    {"negative", with(kFoil, {"--receiver", "-1"}), "shieldcalc-cli solid: --receiver: '-1' is out of range: it must be a finite number of 0 or more"},
    {"beyond_single_range", with(kFoil, {"--receiver", "1e39"}), "shieldcalc-cli solid: --receiver: '1e39' is beyond the single-precision range"},
    {"not_a_number", with(kTwoFoils, {"--receiver", "near"}), "shieldcalc-cli double: --receiver: 'near' is not a number"},
    {"not_an_option_of_the_box", {"enclosure", "--source", "magnetic", "--material", "copper", "-f", "1", "-l", "0.1", "-a", "10", "-b", "10", "-h", "10", "--receiver", "0"}, "shieldcalc-cli enclosure: unknown option '--receiver'"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Reference, BadReceiver, ::testing::ValuesIn(kBadReceivers),
                         [](const auto& info) { return std::string(info.param.name); });

// A sheet of no thickness has no multiple-reflection correction, so the
// handbook faults; the loop model has the free field, 0 dB, and the advice
// still stands.
TEST(FaultingComputation, StillGivesTheReferenceAndTheAdvice) {
    const Args bare = {"solid", "--source", "magnetic", "--material", "copper", "-f",
                       "1",     "-l",       "0",        "-r",         "10"};
    const CliRun json = runCli(with(bare, {"--json"}));
    EXPECT_EQ(json.status, 1);
    const JsonValue object = readJson(json.out);
    EXPECT_EQ(object.keys(), (std::vector<std::string>{"calculation", "inputs", "se_db", "display",
                                                       "reference_db", "advice", "error"}));
    EXPECT_EQ(object.at("se_db").kind, JsonValue::Kind::Null);
    EXPECT_EQ(object.at("reference_db").text, "0");
    ASSERT_EQ(object.at("advice").items.size(), 1u);
    EXPECT_EQ(object.at("advice").items[0].at("code").text, "low_absorption");
    EXPECT_EQ(object.at("error").text,
              "the wall thickness l must be greater than 0 for the multiple-reflection correction");

    const CliRun text = runCli(with(bare, {"--reference"}));
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(linesOf(text.out),
              (std::vector<std::string>{
                  "reference SE = 0 dB",
                  "warning: a magnetic source and only 0 dB of absorption: the reflection loss "
                  "is optimistic"}));
    EXPECT_EQ(text.err, "shieldcalc-cli solid: the wall thickness l must be greater than 0 for "
                        "the multiple-reflection correction\n");
}

// Rows with and without a receiver, a row that faults, a bad receiver and a
// calculation that has none.
const std::string kRows = "calculation,source,material,f,l,r,receiver,h\n"
                          "solid,magnetic,copper,0.01,0.0035,30,0,\n"
                          "solid,magnetic,copper,0.01,0.0035,30,,\n"
                          "solid,magnetic,copper,1,0,10,,\n"
                          "solid,magnetic,copper,0.01,0.0035,30,-1,\n"
                          "enclosure,magnetic,copper,1,0.1,,5,10\n";

TEST(BatchReference, AddsTheReferenceAndTheAdviceToEveryRow) {
    const CliRun run = runBatch(kRows, {"--reference"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(
        lines[0],
        "calculation,source,material,f,l,r,receiver,h,se_db,display,error,reference_db,advice");
    // The reference (to 0.01 dB) and the codes close every row.
    const auto tail = [](const std::string& line) {
        const std::size_t codes = line.rfind(',');
        const std::size_t reference = line.rfind(',', codes - 1);
        return std::pair(line.substr(reference + 1, codes - reference - 1), line.substr(codes + 1));
    };
    EXPECT_NEAR(std::stod(tail(lines[1]).first), 18.25, 0.01);
    EXPECT_EQ(tail(lines[1]).second, "reference_differs;low_absorption");
    EXPECT_NEAR(std::stod(tail(lines[2]).first), 24.14, 0.01);
    EXPECT_EQ(tail(lines[2]).second, "low_absorption");
    EXPECT_EQ(lines[3], "solid,magnetic,copper,1,0,10,,,,,the wall thickness l must be greater "
                        "than 0 for the multiple-reflection correction,0,low_absorption");
    EXPECT_EQ(lines[4], "solid,magnetic,copper,0.01,0.0035,30,-1,,,,receiver: '-1' is out of "
                        "range: it must be a finite number of 0 or more,,");
    EXPECT_EQ(lines[5], "enclosure,magnetic,copper,1,0.1,,5,10,,,\"receiver: not an input of "
                        "enclosure, must be empty\",,");
}

TEST(BatchReference, JsonRowsCarryTheReferenceOnlyWhenAsked) {
    const std::string rows = "calculation,source,material,f,l,r,receiver\n"
                             "solid,magnetic,copper,0.01,0.0035,30,0\n"
                             "solid,magnetic,copper,1,0,10,\n";
    const std::vector<std::string> plain = linesOf(runBatch(rows, {"--json"}).out);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(readJson(plain[0]).keys(),
              (std::vector<std::string>{"line", "calculation", "inputs", "se_db", "display"}));
    EXPECT_EQ(readJson(plain[0]).at("inputs").at("receiver").text, "0");
    EXPECT_EQ(readJson(plain[1]).keys(), (std::vector<std::string>{"line", "error"}));

    const std::vector<std::string> asked = linesOf(runBatch(rows, {"--json", "--reference"}).out);
    ASSERT_EQ(asked.size(), 2u);
    const JsonValue good = readJson(asked[0]);
    EXPECT_EQ(good.keys(), (std::vector<std::string>{"line", "calculation", "inputs", "se_db",
                                                     "display", "reference_db", "advice"}));
    EXPECT_NEAR(std::stod(good.at("reference_db").text), 18.25, 0.01);
    const JsonValue faulted = readJson(asked[1]);
    EXPECT_EQ(faulted.keys(),
              (std::vector<std::string>{"line", "error", "reference_db", "advice"}));
    EXPECT_EQ(faulted.at("reference_db").text, "0");
}

TEST(BatchReference, IsAFlagGivenOnce) {
    const CliRun run = runBatch("calculation\n", {"--reference", "--reference"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "shieldcalc-cli batch: option --reference is given more than once");
}

} // namespace
} // namespace shieldcalc::testing
