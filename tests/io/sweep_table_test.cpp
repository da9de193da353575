// The sweep table: its frequency column in the calculation's own unit, and
// whether every point computed.
#include "core/calculations.h"
#include "io/sweep_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace shieldcalc::testing {
namespace {

MaterialChoice copper() {
    return ListIndex{0};
}

struct Table {
    bool allComputed = false;
    std::string text;
};

template <class Input>
Table tableOf(const Input& input, SourceChoice source, const SweepGrid& grid) {
    std::ostringstream out;
    const bool allComputed =
        io::writeSweep(calculationOf<Input>(), input, source, grid, false, out);
    return {allComputed, out.str()};
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(SweepTable, SaysThatEveryPointComputed) {
    const SolidShieldInput sheet{.l = 0.01f, .material = copper()};
    const Table table =
        tableOf(sheet, FieldSource::PlaneWave, {.start = 0.01f, .stop = 100, .points = 5});
    EXPECT_TRUE(table.allComputed) << table.text;
    EXPECT_EQ(firstLine(table.text), "f_mhz,se_db,display,reference_db,advice,error");
}

// A 1 cm copper wall is so far beyond the skin depth at 1 GHz that its SE
// is out of range: that point faults and the table says so.
TEST(SweepTable, SaysThatAPointFaulted) {
    const EnclosureInput box{.l = 1, .a = 10, .b = 10, .h = 10, .material = copper()};
    const Table table =
        tableOf(box, FieldSource::MagneticSource, {.start = 1000, .stop = 1e6f, .points = 2});
    EXPECT_FALSE(table.allComputed) << table.text;
    EXPECT_EQ(firstLine(table.text), "f_khz,se_db,display,reference_db,advice,error");
}

} // namespace
} // namespace shieldcalc::testing
