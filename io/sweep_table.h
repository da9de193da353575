// A frequency sweep as a table: CSV, or one JSON object.
//
// writeSweep runs the engine's sweep (core/sweep.h) of one calculation over a
// grid and writes its points: as CSV (the frequency, se_db, display,
// reference_db, advice, error), or as one JSON object with the calculation,
// the inputs, the grid and an array of points. A point that faults has no
// se_db and display and its cause under error. The command line's --sweep and
// the curve window's data export both write through it, so they give the
// same bytes.
#pragma once

#include "core/calculations.h"
#include "core/sweep.h"
#include "io/csv.h"
#include "io/json.h"
#include "io/outcome.h"
#include "io/wording.h"

#include <ostream>
#include <string>
#include <vector>

namespace shieldcalc::io {

// The CSV column of a sweep's frequency, in the input record's unit:
// "f_mhz", "f_khz".
template <class Input> std::string frequencyColumn() {
    std::string column = "f_";
    for (char c : unitName(Input::kFrequencyUnit)) {
        column += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return column;
}

JsonObject sweepJson(const SweepGrid& grid);

// Writes the sweep; true when every point computed. Throws SweepGridError,
// before writing anything, when the grid cannot be formed.
template <class Input, class Result>
bool writeSweep(const Calculation<Input, Result>& calculation, const Input& input,
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
            item.addNumber(kFrequencyKey, shortestText(point.f));
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
                   .addObject("inputs",
                              jsonInputs(calculation.fields, input, source, kFrequencyKey))
                   .addObject("sweep", sweepJson(grid))
                   .addArray("points", items)
                   .text()
            << '\n';
        return allComputed;
    }
    std::string text = frequencyColumn<Input>() + ",se_db,display,reference_db,advice,error\n";
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
    return allComputed;
}

} // namespace shieldcalc::io
