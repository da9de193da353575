// Batch runs: CSV in (quoting, byte-order mark, line ends, empty cells), CSV
// or JSON Lines out, a row that fails among good ones, malformed files
// stopped at their line, and the exit status.
#include "json_reader.h"
#include "run_cli.h"

#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

const std::string kSolidHeader = "calculation,source,material,f,l,r\n";

struct OutputCase {
    const char* name;
    std::string input;
    int status;
    std::vector<std::string> lines; // the CSV written
};
void PrintTo(const OutputCase& row, std::ostream* os) {
    *os << row.name;
}

class BatchOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(BatchOutput, WritesEveryRowWithItsResult) {
    const OutputCase& c = GetParam();
    const CliRun run = runBatch(c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(linesOf(run.out), c.lines);
}

// clang-format off
const OutputCase kOutputCases[] = {
    {"one_row", kSolidHeader + "solid,plane,copper,1,0.1,10\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"crlf_and_bom", "\xEF\xBB\xBF" "calculation,source,material,f,l,r\r\nsolid,plane,copper,1,0.1,10\r\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"no_line_end_at_the_end", kSolidHeader + "solid,plane,copper,1,0.1,10", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"quoted_cells_written_back_as_read", kSolidHeader + "\"solid\",\"plane\",copper,\"1\",0.1,\"10\"\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"quoted_header", "\"calculation\",source,\"material\",f,l,r\n" "solid,plane,copper,1,0.1,10\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"empty_optional_distance_is_0", kSolidHeader + "solid,plane,copper,1,0.1,\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,,239, 239,"}},
    {"empty_lines_skipped", kSolidHeader + "\nsolid,plane,copper,1,0.1,10\n\n", 0,
     {"calculation,source,material,f,l,r,se_db,display,error", "solid,plane,copper,1,0.1,10,239, 239,"}},
    {"fault_among_good_rows", kSolidHeader + "solid,plane,copper,1,0.1,10\nsolid,magnetic,copper,1,0.1,\nsolid,electric,copper,1,0.1,10\n", 1,
     {"calculation,source,material,f,l,r,se_db,display,error",
      "solid,plane,copper,1,0.1,10,239, 239,",
      "solid,magnetic,copper,1,0.1,,,,the distance r must be greater than 0 for a magnetic source",
      "solid,electric,copper,1,0.1,10,293.09007556348854, 293.09,"}},
    {"bad_value_quoted_in_the_error", kSolidHeader + "solid,plane,\"cop,per\",1,0.1,10\n", 1,
     {"calculation,source,material,f,l,r,se_db,display,error",
      "solid,plane,\"cop,per\",1,0.1,10,,,\"material: 'cop,per' is not one of copper, silver, gold, iron, brass, aluminium, none\""}},
    {"number_in_the_c_form_only", kSolidHeader + "solid,plane,copper,\"1,5\",0.1,10\n", 1,
     {"calculation,source,material,f,l,r,se_db,display,error",
      "solid,plane,copper,\"1,5\",0.1,10,,,\"f: '1,5' is not a number\""}},
    {"required_cell_empty", kSolidHeader + "solid,plane,copper,,0.1,10\n", 1,
     {"calculation,source,material,f,l,r,se_db,display,error",
      "solid,plane,copper,,0.1,10,,,f: a value is required"}},
    {"unknown_calculation", kSolidHeader + "solids,plane,copper,1,0.1,10\n", 1,
     {"calculation,source,material,f,l,r,se_db,display,error",
      "solids,plane,copper,1,0.1,10,,,\"calculation: 'solids' is not one of solid, aperture, double, enclosure, box-slot\""}},
    {"source_of_another_calculation", "calculation,source,material,f,l,a,b,h\nenclosure,plane,copper,1000,0.1,10,10,10\n", 1,
     {"calculation,source,material,f,l,a,b,h,se_db,display,error",
      "enclosure,plane,copper,1000,0.1,10,10,10,,,\"source: 'plane' is not one of magnetic, electric, none\""}},
    {"cell_of_another_calculation_filled", "calculation,source,material,f,l,r,h\nsolid,plane,copper,1,0.1,10,5\n", 1,
     {"calculation,source,material,f,l,r,h,se_db,display,error",
      "solid,plane,copper,1,0.1,10,5,,,\"h: not an input of solid, must be empty\""}},
    {"custom_material_equals_copper", "calculation,source,material,sigma_r,mu_r,f,l,r\nsolid,plane,,1,1,1,0.1,10\n", 0,
     {"calculation,source,material,sigma_r,mu_r,f,l,r,se_db,display,error", "solid,plane,,1,1,1,0.1,10,239, 239,"}},
    {"custom_material_out_of_range", "calculation,source,material,sigma_r,mu_r,f,l,r\nsolid,plane,,0,1,1,0.1,10\n", 1,
     {"calculation,source,material,sigma_r,mu_r,f,l,r,se_db,display,error",
      "solid,plane,,0,1,1,0.1,10,,,sigma_r: '0' is out of range: it must be a finite number greater than 0"}},
    {"material_and_custom_material", "calculation,source,material,sigma_r,mu_r,f,l,r\nsolid,plane,copper,1,1,1,0.1,10\n", 1,
     {"calculation,source,material,sigma_r,mu_r,f,l,r,se_db,display,error",
      "solid,plane,copper,1,1,1,0.1,10,,,material and sigma_r exclude each other"}},
    {"every_calculation_in_one_file",
     "calculation,source,shape,material,material1,material2,f,l,r,a,b,n,D,w,h,l1,r1,l2,r2\n"
     "solid,plane,,copper,,,1,0.1,10,,,,,,,,,,\n"
     "aperture,plane,rect,copper,,,1000,0.5,,1,1,0.25,,1,,,,,\n"
     "double,plane,,,copper,copper,1000,,,,,,,,,0.1,10,0.1,5\n"
     "enclosure,electric,,copper,,,1000,0.1,,10,10,,,,10,,,,\n", 0,
     {"calculation,source,shape,material,material1,material2,f,l,r,a,b,n,D,w,h,l1,r1,l2,r2,se_db,display,error",
      "solid,plane,,copper,,,1,0.1,10,,,,,,,,,,,239, 239,",
      "aperture,plane,rect,copper,,,1000,0.5,,1,1,0.25,,1,,,,,,51.63678886968498, 51.636,",
      "double,plane,,,copper,copper,1000,,,,,,,,,0.1,10,0.1,5,464.43658, 464.43,",
      "enclosure,electric,,copper,,,1000,0.1,,10,10,,,,10,,,,,179.83641, 179.83,"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Batch, BatchOutput, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    std::string input;
    std::string message;      // on stderr
    std::size_t linesWritten; // the header and the rows before the fault, as lines
};
void PrintTo(const MalformedCase& row, std::ostream* os) {
    *os << row.name;
}

class MalformedFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, StopsWithStatus2AndNamesTheLine) {
    const MalformedCase& c = GetParam();
    const CliRun run = runBatch(c.input);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "shieldcalc-cli batch: " + c.message + "\n");
    EXPECT_EQ(linesOf(run.out).size(), c.linesWritten) << run.out;
}

// clang-format off
const MalformedCase kMalformedCases[] = {
    {"empty_file", "", "line 1: no header row", 0},
    {"unknown_column", "calculation,source,material,f,l,radius\n", "line 1: unknown column 'radius'", 0},
    {"result_column_in_the_input", "calculation,source,se_db\n", "line 1: unknown column 'se_db'", 0},
    {"column_twice", "calculation,f,f\n", "line 1: the column 'f' appears twice", 0},
    {"no_calculation_column", "source,material,f,l,r\n", "line 1: no column 'calculation'", 0},
    {"quote_never_closed", kSolidHeader + "solid,plane,copper,1,0.1,10\nsolid,plane,\"copper,1,0.1,10\nsolid,plane,copper,1,0.1,10\n", "line 3: a quoted field is not closed", 2},
    {"quote_inside_a_field", kSolidHeader + "solid,plane,cop\"per,1,0.1,10\n", "line 2: a quote inside a field that is not quoted", 1},
    {"text_after_a_closing_quote", kSolidHeader + "solid,plane,\"copper\"x,1,0.1,10\n", "line 2: text after the closing quote of a field", 1},
    {"too_few_fields", kSolidHeader + "solid,plane,copper,1,0.1,10\nsolid,plane,copper,1\n", "line 3: 4 fields where the header has 6", 2},
    {"line_counted_through_quoted_line_ends", kSolidHeader + "\"solid\n\",plane,copper,1,0.1,10\nsolid,plane\n", "line 4: 2 fields where the header has 6", 3},
    {"not_utf8", kSolidHeader + "solid,plane,\xC3\x28,1,0.1,10\n", "line 2: the file is not UTF-8 text", 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Batch, MalformedFile, ::testing::ValuesIn(kMalformedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchJsonLines, OneObjectPerRowWithItsLine) {
    const CliRun run = runBatch(kSolidHeader + "solid,plane,copper,1,0.1,10\n"
                                               "solid,plane,none,1,0.1,10\n",
                                {"--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;

    const JsonValue good = readJson(lines[0]);
    EXPECT_EQ(good.keys(),
              (std::vector<std::string>{"line", "calculation", "inputs", "se_db", "display"}));
    EXPECT_EQ(good.at("line").text, "2");
    EXPECT_EQ(good.at("calculation").text, "solid");
    EXPECT_EQ(good.at("inputs").keys(),
              (std::vector<std::string>{"source", "material", "f", "l", "r"}));
    EXPECT_EQ(good.at("se_db").text, "239");
    EXPECT_EQ(good.at("display").text, " 239");

    const JsonValue bad = readJson(lines[1]);
    EXPECT_EQ(bad.keys(), (std::vector<std::string>{"line", "error"}));
    EXPECT_EQ(bad.at("line").text, "3");
    EXPECT_EQ(bad.at("error").text, "no material is chosen");
}

TEST(BatchJsonLines, CustomMaterialNamedByItsProperties) {
    const CliRun run = runBatch("calculation,source,f,l1,r1,material1,sigma_r1,mu_r1,l2,r2,"
                                "material2\n"
                                "double,plane,1000,0.1,10,,0.5,2,0.1,5,copper\n",
                                {"--json"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const JsonValue row = readJson(linesOf(run.out).at(0));
    const JsonValue& first = row.at("inputs").at("material1");
    EXPECT_EQ(first.keys(), (std::vector<std::string>{"sigma_r", "mu_r"}));
    EXPECT_EQ(first.at("sigma_r").text, "0.5");
    EXPECT_EQ(first.at("mu_r").text, "2");
    EXPECT_EQ(row.at("inputs").at("material2").text, "copper");
}

TEST(BatchFile, ReadsANamedFileAndStandardInputAlike) {
    const std::string input = kSolidHeader + "solid,plane,copper,1,0.1,10\n";
    const std::string path = ::testing::TempDir() + "batch_test.csv";
    std::ofstream(path, std::ios::binary) << input;
    const CliRun fromFile = runBatch("", {path});
    const CliRun fromStdin = runBatch(input, {"-"});
    std::remove(path.c_str());
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromStdin.out);
    EXPECT_EQ(fromFile.out, runBatch(input).out);
}

struct BatchUsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string message; // the first line on stderr
};
void PrintTo(const BatchUsageCase& row, std::ostream* os) {
    *os << row.name;
}

class BatchUsage : public ::testing::TestWithParam<BatchUsageCase> {};

TEST_P(BatchUsage, ExitsWithStatus2) {
    const CliRun run = runBatch(kSolidHeader, GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), GetParam().message);
}

const BatchUsageCase kBatchUsageCases[] = {
    {"missing_file",
     {"/nonexistent/rows.csv"},
     "shieldcalc-cli batch: cannot open '/nonexistent/rows.csv': No such file or directory"},
    {"two_files", {"a.csv", "b.csv"}, "shieldcalc-cli batch: unexpected argument 'b.csv'"},
    {"unknown_option", {"--csv"}, "shieldcalc-cli batch: unknown option '--csv'"},
    {"repeated_flag",
     {"--json", "--json"},
     "shieldcalc-cli batch: option --json is given more than once"},
};

INSTANTIATE_TEST_SUITE_P(Batch, BatchUsage, ::testing::ValuesIn(kBatchUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchHelp, NamesTheColumns) {
    const CliRun run = runBatch("", {"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("usage: shieldcalc-cli batch [FILE|-] [--json]\n")) << run.out;
    for (const char* column :
         {"calculation", "source", "sigma_r", "mu_r", "se_db", "display", "error"}) {
        EXPECT_NE(run.out.find(column), std::string::npos) << column;
    }
}

// The help fits a terminal, and every column it lists for a calculation is
// one that a header may name.
TEST(BatchHelp, ListsColumnsThatAHeaderMayName) {
    const CliRun run = runBatch("", {"--help"});
    ASSERT_EQ(run.status, 0);
    std::string text;
    for (const std::string& line : linesOf(run.out)) {
        EXPECT_LE(line.size(), 80u) << line;
        text += line.substr(std::min(line.find_first_not_of(' '), line.size())) + ' ';
    }
    const std::string lead = "without the dashes: ";
    const std::size_t at = text.find(lead);
    ASSERT_NE(at, std::string::npos) << run.out;
    const std::size_t start = at + lead.size();
    std::istringstream inputs(text.substr(start, text.find('.', start) - start));
    std::vector<std::string> names;
    for (std::string part; std::getline(inputs, part, ';');) {
        std::istringstream words(part);
        std::string name;
        words >> name;
        ASSERT_TRUE(name.ends_with(':')) << part;
        names.push_back(name.substr(0, name.size() - 1));
        std::string header = "calculation,source";
        for (std::string key; words >> key;) {
            header += ',' + key;
        }
        const CliRun headerOnly = runBatch(header + '\n');
        EXPECT_EQ(headerOnly.status, 0) << header;
        EXPECT_EQ(headerOnly.err, "") << header;
    }
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    }
    EXPECT_NE(text.find("calculation  " + list + " "), std::string::npos) << run.out;
    EXPECT_EQ(runBatch("calculation,source,zz\n").status, 2);
}

} // namespace
} // namespace shieldcalc::testing
