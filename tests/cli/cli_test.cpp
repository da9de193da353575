// The command line's contract: how it reads its options, what it prints, and
// its exit status for usage errors and arithmetic faults.
#include "json_reader.h"
#include "run_cli.h"

#include "cli/input_texts.h"
#include "core/calculations.h"
#include "core/shielding.h"
#include "io/json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

using Args = std::vector<std::string>;

// Argument lists that compute without a fault, one per sub-command.
const Args kSolid{"solid", "--source", "plane", "--material", "copper", "-f", "1", "-l", "0.1"};
const Args kAperture{"aperture", "--source", "plane", "--shape", "rect", "--material", "copper",
                     "-l",       "0.5",      "-f",    "1000",    "-a",   "1",          "-b",
                     "1",        "-n",       "0.25",  "-w",      "1"};
const Args kDouble{"double", "--source", "plane",       "-f",          "1000",
                   "--l1",   "0.1",      "--material1", "copper",      "--l2",
                   "0.1",    "--r2",     "5",           "--material2", "copper"};
const Args kEnclosure{"enclosure", "--source", "magnetic", "--material", "copper",
                      "-f",        "1000",     "-l",       "0.1",        "-a",
                      "10",        "-b",       "10",       "-h",         "10"};

// args without the option and its value.
Args without(Args args, const std::string& option) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == option) {
            args.erase(it, it + 2);
            break;
        }
    }
    return args;
}

// args with the value of option replaced.
Args replaced(Args args, const std::string& option, const std::string& value) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == option) {
            *(it + 1) = value;
            break;
        }
    }
    return args;
}

JsonValue readOutput(const CliRun& run) {
    if (!run.out.ends_with('\n') || run.out.find('\n') != run.out.size() - 1) {
        throw std::runtime_error("not one line: " + run.out);
    }
    return readJson(run.out);
}

// --- usage errors ---------------------------------------------------------

struct UsageCase {
    const char* name;
    Args args;
    std::string message; // the first line of stderr
};
void PrintTo(const UsageCase& row, std::ostream* os) {
    *os << row.name;
}

class UsageErrors : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrors, ExitsWithStatus2AndNamesTheProblem) {
    const UsageCase& c = GetParam();
    for (const Args& args : {c.args, with(c.args, {"--json"})}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "nothing on stdout, with --json or not";
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.message);
        EXPECT_NE(run.err.find("--help"), std::string::npos) << "points to the help: " << run.err;
    }
}

// clang-format off
const UsageCase kUsageCases[] = {
    {"solid_without_frequency", without(kSolid, "-f"), "shieldcalc-cli solid: option -f is required"},
    {"solid_without_source", without(kSolid, "--source"), "shieldcalc-cli solid: option --source is required"},
    {"solid_without_material", without(kSolid, "--material"), "shieldcalc-cli solid: --material (or --sigma-r with --mu-r) is required"},
    {"aperture_without_area", without(kAperture, "-a"), "shieldcalc-cli aperture: option -a is required"},
    {"aperture_without_holes_per_area", without(kAperture, "-n"), "shieldcalc-cli aperture: option -n is required"},
    {"aperture_without_shape", without(kAperture, "--shape"), "shieldcalc-cli aperture: option --shape is required"},
    {"double_without_gap", without(kDouble, "--r2"), "shieldcalc-cli double: option --r2 is required"},
    {"double_without_second_material", without(kDouble, "--material2"), "shieldcalc-cli double: --material2 (or --sigma-r2 with --mu-r2) is required"},
    {"enclosure_without_height", without(kEnclosure, "-h"), "shieldcalc-cli enclosure: option -h is required"},
    {"word_for_a_number", replaced(kSolid, "-f", "abc"), "shieldcalc-cli solid: -f: 'abc' is not a number"},
    {"blank_number", replaced(kSolid, "-l", " "), "shieldcalc-cli solid: -l: ' ' is not a number"},
    {"decimal_comma", replaced(kSolid, "-f", "1,5"), "shieldcalc-cli solid: -f: '1,5' is not a number"},
    {"number_with_unit", replaced(kDouble, "--l1", "0.1cm"), "shieldcalc-cli double: --l1: '0.1cm' is not a number"},
    {"hexadecimal_number", replaced(kEnclosure, "-a", "0x10"), "shieldcalc-cli enclosure: -a: '0x10' is not a number"},
    {"infinity", replaced(kSolid, "-f", "inf"), "shieldcalc-cli solid: -f: 'inf' is not a number"},
    {"nan", replaced(kAperture, "-b", "nan"), "shieldcalc-cli aperture: -b: 'nan' is not a number"},
    {"beyond_single_precision", replaced(kSolid, "-f", "1e39"), "shieldcalc-cli solid: -f: '1e39' is beyond the single-precision range"},
    {"non_number_optional_length", with(kSolid, {"-r", "ten"}), "shieldcalc-cli solid: -r: 'ten' is not a number"},
    {"overlong_utf8_digit", replaced(kSolid, "-f", "\xc0\xb1"), "shieldcalc-cli solid: -f: '\\xC0\\xB1' is not a number"},
    {"overlong_utf8_point", replaced(kSolid, "-f", "1\xe0\x80\xae" "5"), "shieldcalc-cli solid: -f: '1\\xE0\\x80\\xAE5' is not a number"},
    {"surrogate_in_number", replaced(kSolid, "-l", "1\xed\xa0\x80"), "shieldcalc-cli solid: -l: '1\\xED\\xA0\\x80' is not a number"},
    {"tiny_digit_huge_exponent", replaced(kSolid, "-f", "0." + std::string(110000, '0') + "1e200000"), "shieldcalc-cli solid: -f: '0.000000000000000000…000000000001e200000' is beyond the single-precision range"},
    {"control_characters_shown", replaced(kSolid, "-f", "\x1b[2J1\r"), "shieldcalc-cli solid: -f: '␛[2J1␍' is not a number"},
    {"long_choice_shortened", replaced(kSolid, "--material", std::string(100, 'w')), "shieldcalc-cli solid: --material: '" + std::string(20, 'w') + "…" + std::string(19, 'w') + "' is not one of copper, silver, gold, iron, brass, aluminium, none"},
    {"empty_required_number", replaced(kEnclosure, "-h", ""), "shieldcalc-cli enclosure: -h: the value is empty"},
    {"unknown_material", replaced(kSolid, "--material", "wood"), "shieldcalc-cli solid: --material: 'wood' is not one of copper, silver, gold, iron, brass, aluminium, none"},
    {"material_in_capitals", replaced(kDouble, "--material2", "Copper"), "shieldcalc-cli double: --material2: 'Copper' is not one of copper, silver, gold, iron, brass, aluminium, none"},
    {"material_by_list_index", replaced(kSolid, "--material", "0"), "shieldcalc-cli solid: --material: '0' is not one of copper, silver, gold, iron, brass, aluminium, none"},
    {"plane_wave_on_enclosure", replaced(kEnclosure, "--source", "plane"), "shieldcalc-cli enclosure: --source: 'plane' is not one of magnetic, electric, none"},
    {"unknown_shape", replaced(kAperture, "--shape", "square"), "shieldcalc-cli aperture: --shape: 'square' is not one of rect, circle, none"},
    {"unknown_option", with(kSolid, {"-x", "1"}), "shieldcalc-cli solid: unknown option '-x'"},
    {"option_of_another_command", with(kSolid, {"--l1", "0.1"}), "shieldcalc-cli solid: unknown option '--l1'"},
    {"short_help_outside_enclosure", with(kSolid, {"-h"}), "shieldcalc-cli solid: unknown option '-h' (help is --help)"},
    {"value_joined_by_equals", with(without(kSolid, "--source"), {"--source=plane"}), "shieldcalc-cli solid: unknown option '--source=plane'"},
    {"repeated_number", with(kSolid, {"-f", "2"}), "shieldcalc-cli solid: option -f is given more than once"},
    {"repeated_choice", with(kAperture, {"--material", "silver"}), "shieldcalc-cli aperture: option --material is given more than once"},
    {"repeated_flag", with(kSolid, {"--json", "--json"}), "shieldcalc-cli solid: option --json is given more than once"},
    {"value_missing_at_end", with(kSolid, {"-r"}), "shieldcalc-cli solid: option -r needs a value"},
    {"value_missing_before_option", Args{"solid", "--source", "plane", "--material", "copper", "-f", "-l", "0.1"}, "shieldcalc-cli solid: option -f needs a value"},
    {"choice_missing_before_flag", Args{"enclosure", "--source", "--json"}, "shieldcalc-cli enclosure: option --source needs a value"},
    {"stray_argument", with(kDouble, {"extra"}), "shieldcalc-cli double: unexpected argument 'extra'"},
    {"stray_argument_first", Args{"solid", "copper", "--source", "plane"}, "shieldcalc-cli solid: unexpected argument 'copper'"},
    {"custom_conductivity_zero", with(without(kSolid, "--material"), {"--sigma-r", "0", "--mu-r", "1"}), "shieldcalc-cli solid: --sigma-r: '0' is out of range: it must be a finite number greater than 0"},
    {"custom_permeability_negative", with(without(kEnclosure, "--material"), {"--sigma-r", "1", "--mu-r", "-1"}), "shieldcalc-cli enclosure: --mu-r: '-1' is out of range: it must be a finite number greater than 0"},
    {"custom_conductivity_infinite", with(without(kSolid, "--material"), {"--sigma-r", "inf", "--mu-r", "1"}), "shieldcalc-cli solid: --sigma-r: 'inf' is not a number"},
    {"custom_permeability_beyond_single", with(without(kAperture, "--material"), {"--sigma-r", "1", "--mu-r", "1e39"}), "shieldcalc-cli aperture: --mu-r: '1e39' is beyond the single-precision range"},
    {"custom_conductivity_without_permeability", with(without(kSolid, "--material"), {"--sigma-r", "0.5"}), "shieldcalc-cli solid: --mu-r is required with --sigma-r"},
    {"custom_permeability_without_conductivity", with(without(kSolid, "--material"), {"--mu-r", "2"}), "shieldcalc-cli solid: --sigma-r is required with --mu-r"},
    {"custom_and_listed_material", with(kSolid, {"--sigma-r", "1", "--mu-r", "1"}), "shieldcalc-cli solid: --material and --sigma-r exclude each other"},
    {"custom_second_sheet_half_given", with(without(kDouble, "--material2"), {"--sigma-r2", "1"}), "shieldcalc-cli double: --mu-r2 is required with --sigma-r2"},
    {"custom_first_sheet_options_on_solid", with(without(kSolid, "--material"), {"--sigma-r1", "1", "--mu-r1", "1"}), "shieldcalc-cli solid: unknown option '--sigma-r1'"},
    {"custom_repeated", with(without(kSolid, "--material"), {"--sigma-r", "1", "--mu-r", "1", "--sigma-r", "2"}), "shieldcalc-cli solid: option --sigma-r is given more than once"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, UsageErrors, ::testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ProgramUsageCase {
    const char* name;
    Args args;
    std::string message;
};
void PrintTo(const ProgramUsageCase& row, std::ostream* os) {
    *os << row.name;
}

class ProgramUsageErrors : public ::testing::TestWithParam<ProgramUsageCase> {};

TEST_P(ProgramUsageErrors, ExitsWithStatus2) {
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message + "\nRun 'shieldcalc-cli --help' for the commands.\n");
}

const ProgramUsageCase kProgramUsageCases[] = {
    {"no_arguments", {}, "shieldcalc-cli: missing command"},
    {"unknown_command", {"shield", "--help"}, "shieldcalc-cli: unknown command 'shield'"},
    {"command_in_capitals", {"Solid"}, "shieldcalc-cli: unknown command 'Solid'"},
    {"option_before_command", {"--json", "solid"}, "shieldcalc-cli: unknown command '--json'"},
    {"short_help", {"-h"}, "shieldcalc-cli: unknown command '-h'"},
    {"command_with_bidirectional_override",
     {"\xe2\x80\xaesolid"},
     "shieldcalc-cli: unknown command '<U+202E>solid'"},
    {"command_of_ill_formed_utf8", {"\xff\xfe"}, "shieldcalc-cli: unknown command '\\xFF\\xFE'"},
};

INSTANTIATE_TEST_SUITE_P(Cli, ProgramUsageErrors, ::testing::ValuesIn(kProgramUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- help -----------------------------------------------------------------

struct HelpCase {
    const char* name;
    Args args;
    std::string usage; // the first line of stdout
};
void PrintTo(const HelpCase& row, std::ostream* os) {
    *os << row.name;
}

class Help : public ::testing::TestWithParam<HelpCase> {};

TEST_P(Help, PrintsTheUsageAndExitsWith0) {
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), GetParam().usage);
}

// The sub-commands' usage lines are the interface that scripts rely on.
// clang-format off
const HelpCase kHelpCases[] = {
    {"program", {"--help"}, "usage: shieldcalc-cli COMMAND OPTIONS [--json]"},
    {"solid", {"solid", "--help"}, "usage: shieldcalc-cli solid --source S (--material M | --sigma-r X --mu-r Y) -f MHZ -l CM [-r CM] [--json] [--quiet]"},
    {"aperture", {"aperture", "--help"}, "usage: shieldcalc-cli aperture --source S --shape {rect|circle|none} (--material M | --sigma-r X --mu-r Y) -l CM -f KHZ -a CM2 -n PER_CM2 -b CM [-D CM] [-r CM] [-w CM] [--json] [--quiet]"},
    {"double", {"double", "--help"}, "usage: shieldcalc-cli double --source S -f KHZ --l1 CM [--r1 CM] (--material1 M | --sigma-r1 X --mu-r1 Y) --l2 CM --r2 CM (--material2 M | --sigma-r2 X --mu-r2 Y) [--json] [--quiet]"},
    {"enclosure", {"enclosure", "--help"}, "usage: shieldcalc-cli enclosure --source {magnetic|electric|none} (--material M | --sigma-r X --mu-r Y) -f KHZ -l CM -a CM -b CM -h CM [--json] [--quiet]"},
    {"among_other_options", with(kSolid, {"--help", "-r", "10"}), "usage: shieldcalc-cli solid --source S (--material M | --sigma-r X --mu-r Y) -f MHZ -l CM [-r CM] [--json] [--quiet]"},
    {"despite_a_bad_option", {"enclosure", "-f", "abc", "--help"}, "usage: shieldcalc-cli enclosure --source {magnetic|electric|none} (--material M | --sigma-r X --mu-r Y) -f KHZ -l CM -a CM -b CM -h CM [--json] [--quiet]"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, Help, ::testing::ValuesIn(kHelpCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each sub-command's help has a line for every row of its field table, with
// the option, the value, what it is and its unit; a material also by its
// two properties.
template <class Input, class Result>
void expectHelpListsEveryField(const Calculation<Input, Result>& calculation) {
    const CliRun run = runCli({std::string(calculation.name), "--help"});
    ASSERT_EQ(run.status, 0);
    const auto lineOf = [&](std::string_view option) {
        const std::size_t at = run.out.find("\n  " + std::string(option) + " ");
        return at == std::string::npos
                   ? std::string()
                   : run.out.substr(at + 1, run.out.find('\n', at + 1) - at - 1);
    };
    for (const Field<Input>& field : calculation.fields) {
        SCOPED_TRACE(std::string(calculation.name) + " " + std::string(field.option));
        const std::string line = lineOf(field.option);
        ASSERT_FALSE(line.empty()) << run.out;
        EXPECT_NE(line.find(" " + std::string(field.metavar) + " "), std::string::npos) << line;
        EXPECT_NE(line.find(std::string(field.help)), std::string::npos) << line;
        if (!field.unit.empty()) {
            EXPECT_TRUE(line.ends_with(", " + std::string(field.unit))) << line;
        }
        if (field.kind() == FieldKind::Material) {
            EXPECT_FALSE(lineOf(cli::sigmaOption(field.key)).empty()) << run.out;
            EXPECT_FALSE(lineOf(cli::muOption(field.key)).empty()) << run.out;
            for (const MaterialEntry& metal : kMaterials) {
                EXPECT_NE(line.find(std::string(metal.key)), std::string::npos) << line;
            }
        }
    }
}

TEST(CommandHelp, ListsEveryFieldOfTheTable) {
    forEachCalculation([](const auto& calculation) { expectHelpListsEveryField(calculation); });
}

TEST(ProgramHelp, ListsEverySubCommand) {
    const CliRun run = runCli({"--help"});
    for (const char* command : {"solid", "aperture", "double", "enclosure", "box-slot", "batch"}) {
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos)
            << command << " in\n"
            << run.out;
    }
}

// --- arithmetic faults ----------------------------------------------------

struct FaultCase {
    const char* name;
    Args args;
    std::string message; // the plain cause in English, or the fault itself
};
void PrintTo(const FaultCase& row, std::ostream* os) {
    *os << row.name;
}

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, ExitsWithStatus1AndTheCauseOfTheFault) {
    const FaultCase& c = GetParam();
    const std::string command = c.args.front();

    const CliRun plain = runCli(c.args);
    EXPECT_EQ(plain.status, 1);
    EXPECT_EQ(plain.out, "");
    EXPECT_EQ(plain.err, "shieldcalc-cli " + command + ": " + c.message + "\n");

    const CliRun json = runCli(with(c.args, {"--json"}));
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err, plain.err);
    const JsonValue error = readOutput(json);
    // The reference and the advice stand beside the fault.
    EXPECT_EQ(error.keys(), (std::vector<std::string>{"calculation", "inputs", "se_db", "display",
                                                      "reference_db", "advice", "error"}));
    EXPECT_EQ(error.at("se_db").kind, JsonValue::Kind::Null);
    EXPECT_EQ(error.at("error").kind, JsonValue::Kind::String);
    EXPECT_EQ(error.at("error").text, c.message);
}

// clang-format off
const FaultCase kFaultCases[] = {
    {"solid_no_material", replaced(kSolid, "--material", "none"), "no material is chosen"},
    {"solid_magnetic_distance_left_out", replaced(kSolid, "--source", "magnetic"), "the distance r must be greater than 0 for a magnetic source"},
    {"solid_electric_zero_distance", with(replaced(kSolid, "--source", "electric"), {"-r", "0"}), "the distance r must be greater than 0 for an electric source"},
    {"solid_negative_frequency", replaced(kSolid, "-f", "-1"), "the frequency f must be greater than 0"},
    {"solid_magnetic_zero_thickness", with(replaced(replaced(kSolid, "--source", "magnetic"), "-l", "0"), {"-r", "10"}), "the wall thickness l must be greater than 0 for the multiple-reflection correction"},
    {"solid_thickness_beyond_single_range", replaced(kSolid, "-l", "3e38"), ArithmeticFault(FaultKind::SingleRangeExceeded, Quantity::AbsorptionLoss).what()},
    {"double_magnetic_no_gap", with(replaced(replaced(kDouble, "--source", "magnetic"), "--r2", "0"), {"--r1", "10"}), "the gap r2 must be greater than 0 for the correction of the gap between the sheets"},
    {"double_electric_no_r1", replaced(kDouble, "--source", "electric"), "the distance r1 must be greater than 0 for an electric source"},
    {"double_no_second_material", replaced(kDouble, "--material2", "none"), "no material of the second sheet is chosen"},
    {"aperture_no_shape", replaced(kAperture, "--shape", "none"), "no hole shape is chosen"},
    {"aperture_width_left_out", without(kAperture, "-w"), "the hole width w must be greater than 0"},
    {"aperture_circle_magnetic_distance_left_out", with(replaced(replaced(kAperture, "--shape", "circle"), "--source", "magnetic"), {"-D", "0.5"}), "the distance r must be greater than 0 for a magnetic source"},
    {"aperture_circle_no_diameter", replaced(kAperture, "--shape", "circle"), "the hole diameter D must be greater than 0"},
    {"aperture_no_holes", replaced(kAperture, "-n", "0"), "the number of holes per square centimetre n must be greater than 0"},
    {"aperture_negative_area", replaced(kAperture, "-a", "-1"), "the hole area a must be greater than 0"},
    {"aperture_no_conductor", replaced(kAperture, "-b", "0"), "the conductor width b must be greater than 0"},
    {"aperture_no_depth", replaced(kAperture, "-l", "0"), "the hole depth l must be greater than 0"},
    {"enclosure_no_material", replaced(kEnclosure, "--material", "none"), "no material is chosen"},
    {"enclosure_zero_frequency", replaced(kEnclosure, "-f", "0"), "the frequency f must be greater than 0"},
    {"enclosure_electric_zero_wall", replaced(replaced(kEnclosure, "--source", "electric"), "-l", "0"), "the wall thickness l must be greater than 0 for a thin wall near an electric source"},
    {"enclosure_flat_box", replaced(kEnclosure, "-h", "0"), "the height h must be greater than 0"},
    {"enclosure_negative_length", replaced(kEnclosure, "-a", "-10"), "the length a must be greater than 0"},
    {"enclosure_negative_width", replaced(kEnclosure, "-b", "-10"), "the width b must be greater than 0"},
    {"enclosure_wall_reaches_centre", replaced(replaced(kEnclosure, "-f", "1"), "-l", "10"), "the wall thickness l must be less than the radius of the sphere of the box's volume"},
    {"enclosure_wall_far_beyond_skin_depth", replaced(kEnclosure, "-l", "10"), "the wall thickness l is so far beyond the skin depth that the SE is out of range"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, Faults, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- reading numbers ------------------------------------------------------

struct NumberCase {
    const char* name;
    std::string option;
    std::string text;
    std::string echoed; // the number in the JSON inputs
};
void PrintTo(const NumberCase& row, std::ostream* os) {
    *os << row.name;
}

class NumberReading : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, RoundsToSinglePrecisionAsTheFormsDo) {
    const NumberCase& c = GetParam();
    const std::string key = c.option.substr(1);
    const Args args = with(without(kSolid, c.option), {c.option, c.text, "--json"});
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue json = readOutput(run);
    const JsonValue& value = json.at("inputs").at(key);
    EXPECT_EQ(value.kind, JsonValue::Kind::Number);
    EXPECT_EQ(value.text, c.echoed);
}

// clang-format off
const NumberCase kNumberCases[] = {
    {"plain_decimal", "-l", "0.1", "0.1"},
    {"rounded_to_single", "-f", "0.30000001", "0.3"},
    {"more_digits_than_single_holds", "-f", "1.23456789012", "1.2345679"},
    {"exponent", "-f", "1e3", "1000"},
    {"capital_exponent_negative", "-l", "1.5E-3", "0.0015"},
    {"explicit_plus", "-f", "+2", "2"},
    {"no_leading_zero", "-l", ".5", "0.5"},
    {"no_trailing_digits", "-f", "5.", "5"},
    {"blanks_around", "-f", " 7 ", "7"},
    {"full_width_digits", "-f", "\xef\xbc\x91\xef\xbc\x92", "12"},
    {"negative_value_is_not_an_option", "-r", "-5", "-5"},
    {"optional_left_empty_is_zero", "-r", "", "0"},
    {"below_single_precision_is_zero", "-r", "1e-50", "0"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, NumberReading, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OptionalLength, LeftOutIsZero) {
    const CliRun leftOut = runCli(with(kSolid, {"--json"}));
    ASSERT_EQ(leftOut.status, 0) << leftOut.err;
    EXPECT_EQ(readOutput(leftOut).at("inputs").at("r").text, "0");
}

// --- choices --------------------------------------------------------------

// Each word must select its own list entry: the SE through the command line
// is the SE of the input record with that list index.
struct ChoiceCase {
    const char* name;
    Args args;
    double se;
};
void PrintTo(const ChoiceCase& row, std::ostream* os) {
    *os << row.name;
}

class ChoiceWord : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceWord, SelectsItsListEntry) {
    const CliRun run = runCli(with(GetParam().args, {"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::strtod(readOutput(run).at("se_db").text.c_str(), nullptr), GetParam().se);
}

double solidSample(ListIndex material, SourceChoice source) {
    return solidShieldSE({.f = 1, .l = 0.01f, .r = 10, .material = material}, source);
}

double apertureSample(ListIndex shape, ListIndex material, SourceChoice source) {
    return shieldcalc::apertureSE({.shape = shape,
                                   .material = material,
                                   .l = 0.2f,
                                   .f = 1000,
                                   .D = 0.3f,
                                   .r = 30,
                                   .a = 0.1f,
                                   .b = 0.2f,
                                   .n = 4,
                                   .w = 0.3f},
                                  source);
}

const Args kSolidAtOneMHz{"solid", "-f", "1", "-l", "0.01", "-r", "10"};
const Args kApertureSample{"aperture", "-l",  "0.2", "-f",  "1000", "-D", "0.3", "-r", "30",
                           "-a",       "0.1", "-b",  "0.2", "-n",   "4",  "-w",  "0.3"};

constexpr auto kPlane = FieldSource::PlaneWave;
constexpr auto kMagnetic = FieldSource::MagneticSource;
constexpr auto kElectric = FieldSource::ElectricSource;

// clang-format off
const ChoiceCase kChoiceCases[] = {
    {"copper", with(kSolidAtOneMHz, {"--source", "plane", "--material", "copper"}), solidSample(0, kPlane)},
    {"silver", with(kSolidAtOneMHz, {"--source", "plane", "--material", "silver"}), solidSample(1, kPlane)},
    {"gold", with(kSolidAtOneMHz, {"--source", "plane", "--material", "gold"}), solidSample(2, kPlane)},
    {"iron", with(kSolidAtOneMHz, {"--source", "plane", "--material", "iron"}), solidSample(3, kPlane)},
    {"brass", with(kSolidAtOneMHz, {"--source", "plane", "--material", "brass"}), solidSample(4, kPlane)},
    {"aluminium", with(kSolidAtOneMHz, {"--source", "plane", "--material", "aluminium"}), solidSample(5, kPlane)},
    {"magnetic_source", with(kSolidAtOneMHz, {"--source", "magnetic", "--material", "gold"}), solidSample(2, kMagnetic)},
    {"electric_source", with(kSolidAtOneMHz, {"--source", "electric", "--material", "gold"}), solidSample(2, kElectric)},
    {"no_source", with(kSolidAtOneMHz, {"--source", "none", "--material", "gold"}), 0},
    {"aperture_brass", with(kApertureSample, {"--source", "electric", "--shape", "rect", "--material", "brass"}), apertureSample(0, 4, kElectric)},
    {"aperture_circle", with(kApertureSample, {"--source", "magnetic", "--shape", "circle", "--material", "iron"}), apertureSample(1, 3, kMagnetic)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, ChoiceWord, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- output ---------------------------------------------------------------

struct OutputCase {
    const char* name;
    Args args;
};
void PrintTo(const OutputCase& row, std::ostream* os) {
    *os << row.name;
}

class Output : public ::testing::TestWithParam<OutputCase> {};

// The line of text carries the same number as se_db, with its unit.
TEST_P(Output, LineAndJsonAgree) {
    const CliRun plain = runCli(with(GetParam().args, {"--quiet"}));
    const CliRun json = runCli(with(GetParam().args, {"--json"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(plain.err, "");
    EXPECT_EQ(plain.out, "SE = " + readOutput(json).at("se_db").text + " dB\n");
}

TEST_P(Output, JsonEchoesEveryOptionButTheFlag) {
    const Args& args = GetParam().args;
    const CliRun run = runCli(with(args, {"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue json = readOutput(run);
    EXPECT_EQ(json.at("calculation").text, args.front());
    std::vector<std::string> expected;
    for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
        const std::string key = args[i].substr(args[i].find_first_not_of('-'));
        expected.push_back(key);
        EXPECT_EQ(json.at("inputs").at(key).text, args[i + 1]) << key;
    }
    std::vector<std::string> keys = json.at("inputs").keys();
    std::ranges::sort(keys);
    std::ranges::sort(expected);
    EXPECT_EQ(keys, expected);
}

// Output streams that would write 1234.5 as "1.234,5" must not change what
// the command line prints: its numbers are locale-independent text.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST_P(Output, IndependentOfTheStreamsLocale) {
    const Args args = with(GetParam().args, {"--json"});
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const std::locale comma(std::locale::classic(), new CommaDecimal);
    out.imbue(comma);
    err.imbue(comma);
    EXPECT_EQ(cli::runCli(views, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), runCli(args).out);
}

const OutputCase kOutputCases[] = {
    {"solid", with(kSolid, {"-r", "10"})},
    {"aperture", with(kAperture, {"-D", "0.5", "-r", "3"})},
    {"double", with(kDouble, {"--r1", "10"})},
    {"enclosure", kEnclosure},
};

INSTANTIATE_TEST_SUITE_P(Cli, Output, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlainOutput, LineForAWholeNumber) {
    const CliRun run = runCli(with(kSolid, {"-r", "10"}));
    EXPECT_EQ(run.out, "SE = 239 dB\n");
}

} // namespace
} // namespace shieldcalc::testing
