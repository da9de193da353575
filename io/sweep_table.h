// A frequency sweep as a table: CSV, or one JSON object.
//
// writeSweep runs the engine's sweep (core/sweep.h) of one calculation over a
// grid, the reference models in the given geometry (whose receiver the
// inputs name where it is given), and writes its points: as CSV (the frequency, se_db, display,
// reference_db, advice, error), or as one JSON object with the calculation,
// the inputs, the grid and an array of points. The box with a slot has four
// columns in place of se_db and display (io/box_slot_text.h), and its JSON
// object the box's resonances. A point that faults has no
// se_db and display and its cause under error. The command line's --sweep and
// the curve window's data export both write through it, so they give the
// same bytes.
#pragma once

#include "core/calculations.h"
#include "core/sweep.h"
#include "io/box_slot_text.h"
#include "io/csv.h"
#include "io/json.h"
#include "io/outcome.h"
#include "io/wording.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
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

// The CSV columns of a point's value, and the value in them or in JSON.
template <class Result> inline constexpr std::string_view kResultColumns = "se_db,display";
template <>
inline constexpr std::string_view kResultColumns<BoxSlotResult> =
    "se_e_db,display_e,se_h_db,display_h";

template <class Number> void appendResultCells(std::string& text, const std::optional<Number>& se) {
    if (se) {
        text += shortestText(*se);
        text += ',';
        appendCsvField(text, resultText(*se));
    } else {
        text += ',';
    }
}
inline void appendResultCells(std::string& text, const std::optional<BoxSlotResult>& result) {
    appendBoxSlotCells(text, result ? std::optional(result->se) : std::nullopt);
}

template <class Number> void addResultMembers(JsonObject& item, const std::optional<Number>& se) {
    if (se) {
        item.addNumber("se_db", shortestText(*se)).addString("display", resultText(*se));
    } else {
        item.addNull("se_db").addNull("display");
    }
}
inline void addResultMembers(JsonObject& item, const std::optional<BoxSlotResult>& result) {
    addBoxSlotSE(item, result ? std::optional(result->se) : std::nullopt);
}

// Writes the sweep; true when every point computed. Throws SweepGridError,
// before writing anything, when the grid cannot be formed.
template <class Input, class Result>
bool writeSweep(const Calculation<Input, Result>& calculation, const Input& input,
                SourceChoice source, const SweepGrid& grid, bool json, std::ostream& out,
                const ReferenceGeometry& geometry = {}) {
    constexpr std::size_t kFlushSize = 1 << 16;
    const auto points = sweep(input, source, grid, {.geometry = geometry});
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
            item.addNumber(kFrequencyKey, plainShortestText(point.f));
            addResultMembers(item, point.se);
            addOptionalNumber(item, "reference_db", point.reference)
                .addArray("advice", adviceJson(point.advice));
            if (point.fault) {
                item.addString("error", errorOf(point));
            } else {
                item.addNull("error");
            }
            allComputed = allComputed && point.se;
        }
        JsonObject inputs = jsonInputs(calculation.fields, input, source, kFrequencyKey);
        JsonObject object;
        object.addString("calculation", calculation.name)
            .addObject("inputs", addGeometry(inputs, geometry))
            .addObject("sweep", sweepJson(grid));
        if constexpr (std::is_same_v<Result, BoxSlotResult>) {
            addResonances(object, cavityResonancesMHz(input));
        }
        out << object.addArray("points", items).text() << '\n';
        return allComputed;
    }
    std::string text = frequencyColumn<Input>() + ',' + std::string(kResultColumns<Result>) +
                       ",reference_db,advice,error\n";
    for (const SweepPoint<Result>& point : points) {
        text += plainShortestText(point.f);
        text += ',';
        appendResultCells(text, point.se);
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
