// The outcome of one evaluation, and the records of a calculation as JSON.
//
// evaluate runs a calculation of the registry (core/calculations.h) on one
// input record and keeps what the text formats write: the SE as the shortest
// number text in the result's precision and its seven-character display, or
// the fault in English (io/wording.h). jsonInputs writes the input record as
// the JSON "inputs" member (addGeometry adds the reference geometry where it
// is given), adviceJson the advice items as JSON objects.
#pragma once

#include "core/advice.h"
#include "core/calculations.h"
#include "core/reference.h"
#include "core/result_text.h"
#include "io/json.h"
#include "io/wording.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shieldcalc::io {

// The result of one computation: the SE (shortest JSON number text in the
// result's precision) and its display text, or the fault in English.
struct Outcome {
    bool computed = false;
    std::string se;
    std::string display;
    std::string error;
    double value = 0; // the SE, when computed
};

template <class Input, class Result>
Outcome evaluate(const Calculation<Input, Result>& calculation, const Input& input,
                 SourceChoice source) {
    try {
        const Result se = calculation.compute(input, source);
        return {true, shortestText(se), resultText(se), {}, se};
    } catch (const ArithmeticFault& fault) {
        return {false,
                {},
                {},
                faultMessage(fault, faultCause(fault, input, source), calculation.fields)};
    }
}

// The inputs as JSON: the source, then every field in table order but the
// one whose key is left out; a custom material as {"sigma_r": ..., "mu_r": ...}.
template <class Input>
JsonObject jsonInputs(std::span<const Field<Input>> fields, const Input& input, SourceChoice source,
                      std::string_view leftOut = {}) {
    JsonObject inputs;
    inputs.addString("source", sourceWord(source));
    for (const Field<Input>& field : fields) {
        if (field.key == leftOut) {
            continue;
        }
        switch (field.kind()) {
        case FieldKind::Number:
            inputs.addNumber(field.key, shortestText(input.*field.number));
            break;
        case FieldKind::Material: {
            const MaterialChoice& material = input.*field.material;
            if (material.custom) {
                inputs.addObject(field.key,
                                 JsonObject()
                                     .addNumber("sigma_r", shortestText(material.custom->sigmaR))
                                     .addNumber("mu_r", shortestText(material.custom->muR)));
            } else {
                inputs.addString(field.key, material.chosen()
                                                ? kMaterials[std::size_t(material.entry)].key
                                                : kNoneWord);
            }
            break;
        }
        case FieldKind::Shape: {
            const ListIndex shape = input.*field.shape;
            inputs.addString(field.key,
                             shape == kNoChoice ? kNoneWord : kHoleShapeKeys[std::size_t(shape)]);
            break;
        }
        }
    }
    return inputs;
}

// {"code": ..., "severity": ..., and its numbers by name}.
std::vector<JsonObject> adviceJson(std::span<const Advice> advice);

// value's shortest text, or null when there is none.
JsonObject& addOptionalNumber(JsonObject& object, std::string_view key,
                              const std::optional<double>& value);

// The name of the receiver's distance of the reference geometry: the member
// of the JSON inputs, the batch column and, after "--", the option.
inline constexpr std::string_view kReceiverKey = "receiver";

// The reference geometry into JSON inputs: the receiver's distance, where
// one is given.
JsonObject& addGeometry(JsonObject& inputs, const ReferenceGeometry& geometry);

} // namespace shieldcalc::io
