// Frequency sweeps, reference values and validity advice on the command line.
//
// --sweep START:STOP[:N] takes the place of -f: the calculation runs over N
// frequencies (201 when N is left out) from START to STOP in the unit of -f,
// spaced logarithmically or, with --linear, evenly. The points are written as
// CSV (the frequency, se_db, display, reference_db, advice, error), or with
// --json as one object with the inputs, the grid and an array of points. A
// point that faults has no se_db and display and its cause under error.
// --reference on a single computation prints the reference model's SE and the
// advice under the result; --json always carries both.
#pragma once

#include "cli/calculations.h"
#include "cli/cli.h"
#include "cli/csv.h"
#include "cli/json.h"
#include "core/sweep.h"

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace shieldcalc::cli {

inline constexpr OptionSpec kSweepOption{
    "--sweep", OptionKind::Text, false, "START:STOP[:N]",
    "sweep the frequency from START to STOP (in the unit of -f, in place of -f) in N points, "
    "201 when left out"};
inline constexpr OptionSpec kLinearOption{
    "--linear", OptionKind::Flag, false, "",
    "space the points of a sweep evenly, not logarithmically"};
inline constexpr OptionSpec kReferenceOption{
    "--reference", OptionKind::Flag, false, "",
    "print the reference model's SE and the validity advice under the result"};

// --sweep's value as a grid; a UsageError naming --sweep when it is none.
SweepGrid readSweepGrid(std::string_view text, bool linear);
// START of --sweep's value.
std::string_view sweepStart(std::string_view text);

// An advice item in English: "warning: ...", "note: ...".
std::string adviceText(const Advice& item);
// {"code": ..., "severity": ..., and its numbers by name}.
std::vector<JsonObject> adviceJson(std::span<const Advice> advice);
// The codes, separated by ";".
std::string adviceCodes(std::span<const Advice> advice);

JsonObject& addOptionalNumber(JsonObject& object, std::string_view key,
                              const std::optional<double>& value);

// The CSV column of a sweep's frequency: "f_mhz", "f_khz".
template <class Input> std::string frequencyColumn(std::span<const Field<Input>> fields) {
    std::string column = "f_";
    for (char c : findField(fields, "f")->unit) {
        column += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return column;
}

JsonObject sweepJson(const SweepGrid& grid);

// Writes the sweep; returns the exit status: 0 when every point computed.
template <class Input, class Result>
int writeSweep(const Calculation<Input, Result>& calculation, const Input& input,
               SourceChoice source, const SweepGrid& grid, bool json, std::ostream& out) {
    constexpr std::size_t kFlushSize = 1 << 16;
    const auto points = sweep(input, source, grid);
    bool allComputed = true;
    const auto errorOf = [&](const SweepPoint<Result>& point) {
        return point.fault ? faultMessage(*point.fault, point.cause, calculation.fields)
                           : std::string();
    };
    if (json) {
        std::vector<JsonObject> items;
        items.reserve(points.size());
        for (const SweepPoint<Result>& point : points) {
            JsonObject& item = items.emplace_back();
            item.addNumber("f", shortestText(point.f));
            if (point.se) {
                item.addNumber("se_db", shortestText(*point.se))
                    .addString("display", resultText(*point.se));
            } else {
                item.addNull("se_db").addNull("display");
            }
            addOptionalNumber(item, "reference_db", point.reference)
                .addArray("advice", adviceJson(point.advice));
            if (point.fault) {
                item.addString("error", errorOf(point));
            } else {
                item.addNull("error");
            }
            allComputed = allComputed && point.se;
        }
        out << JsonObject()
                   .addString("calculation", calculation.name)
                   .addObject("inputs", jsonInputs(calculation.fields, input, source, "f"))
                   .addObject("sweep", sweepJson(grid))
                   .addArray("points", items)
                   .text()
            << '\n';
        return allComputed ? kExitSuccess : kExitArithmeticFault;
    }
    std::string text =
        frequencyColumn(calculation.fields) + ",se_db,display,reference_db,advice,error\n";
    for (const SweepPoint<Result>& point : points) {
        text += shortestText(point.f);
        text += ',';
        if (point.se) {
            text += shortestText(*point.se);
            text += ',';
            appendCsvField(text, resultText(*point.se));
        } else {
            text += ',';
        }
        text += ',';
        if (point.reference) {
            text += shortestText(*point.reference);
        }
        text += ',';
        text += adviceCodes(point.advice);
        text += ',';
        appendCsvField(text, errorOf(point));
        text += '\n';
        allComputed = allComputed && point.se;
        if (text.size() >= kFlushSize) {
            out << text;
            text.clear();
        }
    }
    out << text;
    return allComputed ? kExitSuccess : kExitArithmeticFault;
}

} // namespace shieldcalc::cli
