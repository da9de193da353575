// The box with a slot on the command line: its JSON, the inputs it may leave
// out, sizes refused as usage errors, its sweep and its batch rows.
#include "json_reader.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

using Args = std::vector<std::string>;

// The 30 x 12 x 30 cm box with a 10 x 0.5 cm slot, without its frequency.
const Args kBox{"box-slot",      "-a", "30",           "-h", "12", "-b", "30",
                "--slot-length", "10", "--slot-width", "0.5"};

// kBox with the value of option replaced.
Args boxWith(const std::string& option, const std::string& value) {
    Args args = kBox;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == option) {
            *(it + 1) = value;
        }
    }
    return args;
}

JsonValue jsonOf(const Args& args) {
    const CliRun run = runCli(with(args, {"--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return readJson(run.out);
}

double numberAt(const JsonValue& json, const char* key) {
    return std::stod(json.at(key).text);
}

TEST(BoxSlotCommand, JsonCarriesBothValuesTheResonancesAndTheAdvice) {
    // Published for this box at 100 MHz: 52.38 / 37.78 dB; TE101 706.6 MHz.
    const JsonValue json = jsonOf(with(kBox, {"-f", "100"}));
    EXPECT_EQ(json.keys(),
              (std::vector<std::string>{"calculation", "inputs", "se_e_db", "display_e", "se_h_db",
                                        "display_h", "resonances_mhz", "advice"}));
    EXPECT_EQ(json.at("calculation").text, "box-slot");
    EXPECT_NEAR(numberAt(json, "se_e_db"), 52.38, 0.05);
    EXPECT_NEAR(numberAt(json, "se_h_db"), 37.78, 0.05);
    EXPECT_EQ(json.at("display_e").text, " 52.375");
    EXPECT_EQ(json.at("display_h").text, " 37.778");
    ASSERT_EQ(json.at("resonances_mhz").items.size(), 3u);
    EXPECT_NEAR(std::stod(json.at("resonances_mhz").items[0].text), 706.6, 0.05);
    EXPECT_EQ(json.at("advice").items.size(), 0u);
    EXPECT_EQ(json.at("inputs").at("source").text, "plane");

    const JsonValue dip = jsonOf(with(kBox, {"-f", "702.5"}));
    ASSERT_EQ(dip.at("advice").items.size(), 1u);
    EXPECT_EQ(dip.at("advice").items[0].at("code").text, "near_cavity_resonance");
}

TEST(BoxSlotCommand, LeftOutInputsAreOneSlotAThinWallAndTheMiddleOfTheBox) {
    const JsonValue defaults = jsonOf(with(kBox, {"-f", "300"}));
    const JsonValue given =
        jsonOf(with(kBox, {"-f", "300", "--slots", "1", "-l", "0", "--point", "15"}));
    EXPECT_EQ(defaults.at("inputs").at("point").text, "15");
    EXPECT_EQ(defaults.at("inputs").at("slots").text, "1");
    EXPECT_EQ(defaults.at("se_e_db").text, given.at("se_e_db").text);
    EXPECT_EQ(defaults.at("se_h_db").text, given.at("se_h_db").text);
    // A point elsewhere is another value.
    const JsonValue front = jsonOf(with(kBox, {"-f", "300", "--point", "5"}));
    EXPECT_NE(front.at("se_e_db").text, defaults.at("se_e_db").text);
}

TEST(BoxSlotCommand, TextLinesAreTheJsonValues) {
    const CliRun run = runCli(with(kBox, {"-f", "100"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue json = jsonOf(with(kBox, {"-f", "100"}));
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "SE_E = " + json.at("se_e_db").text + " dB");
    EXPECT_EQ(lines[1], "SE_H = " + json.at("se_h_db").text + " dB");
    EXPECT_TRUE(lines[2].starts_with("resonances = " + json.at("resonances_mhz").items[0].text))
        << lines[2];
}

// A slot so narrow that its line impedance cannot be formed: the fault, and
// beside it what can still be said, the box's resonances and the advice.
TEST(BoxSlotCommand, AFaultStillGivesTheResonancesAndTheAdvice) {
    const Args hairline = with(boxWith("--slot-width", "1e-30"), {"-f", "1000"});
    const CliRun plain = runCli(hairline);
    EXPECT_EQ(plain.status, 1);
    EXPECT_EQ(plain.out, "");
    EXPECT_EQ(plain.err, "shieldcalc-cli box-slot: division by zero in slot-line impedance\n");
    const CliRun json = runCli(with(hairline, {"--json"}));
    EXPECT_EQ(json.status, 1);
    const JsonValue error = readJson(json.out);
    EXPECT_EQ(error.keys(), (std::vector<std::string>{"error", "resonances_mhz", "advice"}));
    EXPECT_EQ(error.at("resonances_mhz").items.size(), 3u);
    ASSERT_EQ(error.at("advice").items.size(), 1u); // 1000 MHz: above TE20 at 999.3 MHz
    EXPECT_EQ(error.at("advice").items[0].at("code").text, "beyond_single_mode");
}

struct RefusalCase {
    const char* name;
    Args args;
    std::string named; // how the message begins: the option
};
void PrintTo(const RefusalCase& row, std::ostream* os) {
    *os << row.name;
}

class BoxSlotRefusedSizes : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BoxSlotRefusedSizes, AreUsageErrorsNamingTheOption) {
    for (const Args& args : {GetParam().args, with(GetParam().args, {"--json"})}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("shieldcalc-cli box-slot: " + GetParam().named + ": "))
            << run.err;
    }
}

// clang-format off
const RefusalCase kRefusals[] = {
    {"slot_longer_than_box", with(boxWith("--slot-length", "40"), {"-f", "100"}), "--slot-length"},
    {"slot_as_wide_as_box_is_high", with(boxWith("--slot-width", "12"), {"-f", "100"}), "--slot-width"},
    {"point_behind_the_back_wall", with(kBox, {"-f", "100", "--point", "31"}), "--point"},
    {"point_before_the_slot", with(kBox, {"-f", "100", "--point", "-1"}), "--point"},
    {"half_a_slot", with(kBox, {"-f", "100", "--slots", "1.5"}), "--slots"},
    {"wall_leaving_no_width", with(kBox, {"-f", "100", "-l", "0.4"}), "-l"},
    {"zero_frequency", with(kBox, {"-f", "0"}), "-f"},
    {"zero_depth", with(boxWith("-b", "0"), {"-f", "100"}), "-b"},
    {"linear_sweep_from_zero", with(kBox, {"--sweep", "0:1000:3", "--linear"}), "--sweep START"},
    {"magnetic_source", with(kBox, {"-f", "100", "--source", "magnetic"}), "--source"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BoxSlot, BoxSlotRefusedSizes, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoxSlotSweep, CsvRowsAreSingleRuns) {
    const CliRun run = runCli(with(kBox, {"--sweep", "10:1000:3"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = linesOf(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "f_mhz,se_e_db,display_e,se_h_db,display_h,reference_db,advice,error");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> row = cells(rows[i]);
        ASSERT_EQ(row.size(), 8u) << rows[i];
        const JsonValue single = jsonOf(with(kBox, {"-f", row[0]}));
        EXPECT_EQ(row[1], single.at("se_e_db").text);
        EXPECT_EQ(row[2], single.at("display_e").text);
        EXPECT_EQ(row[3], single.at("se_h_db").text);
        EXPECT_EQ(row[4], single.at("display_h").text);
        EXPECT_EQ(row[5], ""); // no reference model
    }
    EXPECT_EQ(cells(rows[3])[6], "beyond_single_mode"); // 1000 MHz, above TE20 at 999.3
}

TEST(BoxSlotSweep, JsonHasTheResonancesOnceAndBothValuesPerPoint) {
    const JsonValue json = jsonOf(with(kBox, {"--sweep", "10:1000:2"}));
    EXPECT_EQ(json.at("resonances_mhz").items.size(), 3u);
    const JsonValue& first = json.at("points").items.at(0);
    EXPECT_EQ(first.keys(),
              (std::vector<std::string>{"f", "se_e_db", "display_e", "se_h_db", "display_h",
                                        "reference_db", "advice", "error"}));
    EXPECT_NEAR(std::stod(first.at("se_e_db").text), 72.66, 0.05); // published, 10 MHz
}

TEST(BoxSlotBatch, RowsGiveTheSingleRunsValuesAndRefuseOtherSources) {
    const std::string file = "calculation,source,f,a,h,b,slot_length,slot_width,point\n"
                             "box-slot,,100,30,12,30,10,0.5,\n"
                             "box-slot,magnetic,100,30,12,30,10,0.5,\n"
                             "box-slot,plane,100,30,12,30,10,0.5,31\n";
    const CliRun json = runBatch(file, {"--json"});
    EXPECT_EQ(json.status, 1);
    const std::vector<std::string> lines = linesOf(json.out);
    ASSERT_EQ(lines.size(), 3u);
    const JsonValue single = jsonOf(with(kBox, {"-f", "100"}));
    const JsonValue row = readJson(lines[0]);
    EXPECT_EQ(row.at("se_e_db").text, single.at("se_e_db").text);
    EXPECT_EQ(row.at("se_h_db").text, single.at("se_h_db").text);
    EXPECT_EQ(row.at("resonances_mhz").items.size(), 3u);
    EXPECT_TRUE(readJson(lines[1]).at("error").text.starts_with("source: 'magnetic'")) << lines[1];
    EXPECT_TRUE(readJson(lines[2]).at("error").text.starts_with("point: ")) << lines[2];

    const CliRun csv = runBatch(file);
    EXPECT_EQ(linesOf(csv.out).at(0),
              "calculation,source,f,a,h,b,slot_length,slot_width,point,se_db,display,se_e_db,"
              "display_e,se_h_db,display_h,error");
    EXPECT_EQ(cells(linesOf(csv.out).at(1))[11], single.at("se_e_db").text);
}

} // namespace
} // namespace shieldcalc::testing
