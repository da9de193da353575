// The four calculations as the command line and batch runs see them.
//
// A Calculation ties a sub-command's name to the calculation's field table,
// its computation and the field sources it accepts. The templates here read
// an input record from named texts (options or CSV cells) through the field
// table, run the computation, and give back the SE as JSON number text, the
// seven-character display text, or the fault in English words: its plain
// cause where the engine knows one, else the fault and its quantity.
#pragma once

#include "cli/json.h"
#include "cli/options.h"
#include "core/fault_cause.h"
#include "core/fields.h"
#include "core/shielding.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shieldcalc::cli {

constexpr ListIndex sourceIndex(FieldSource source) {
    return static_cast<ListIndex>(source);
}

inline constexpr Choice kSources[] = {
    {"plane", sourceIndex(FieldSource::PlaneWave)},
    {"magnetic", sourceIndex(FieldSource::MagneticSource)},
    {"electric", sourceIndex(FieldSource::ElectricSource)},
    {"none", kNoChoice},
};
// The enclosure faces only the two near-field sources.
inline constexpr Choice kNearFieldSources[] = {
    {"magnetic", sourceIndex(FieldSource::MagneticSource)},
    {"electric", sourceIndex(FieldSource::ElectricSource)},
    {"none", kNoChoice},
};

// The keys of the material registry, and "none".
inline constexpr auto kMaterialChoices = [] {
    std::array<Choice, kMaterials.size() + 1> choices{};
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        choices[i] = {kMaterials[i].key, static_cast<ListIndex>(i)};
    }
    choices.back() = {"none", kNoChoice};
    return choices;
}();

inline constexpr auto kShapeChoices = [] {
    std::array<Choice, kHoleShapeKeys.size() + 1> choices{};
    for (std::size_t i = 0; i < kHoleShapeKeys.size(); ++i) {
        choices[i] = {kHoleShapeKeys[i], static_cast<ListIndex>(i)};
    }
    choices.back() = {"none", kNoChoice};
    return choices;
}();

SourceChoice sourceAt(ListIndex index);
std::string_view sourceWord(SourceChoice source);

template <class Input, class Result> struct Calculation {
    std::string_view name;
    std::string_view summary; // what it computes, for the help texts
    std::span<const Field<Input>> fields;
    Result (*compute)(const Input&, SourceChoice);
    std::span<const Choice> sources;
    std::string_view sourceMetavar; // in the usage line
    std::string_view sourceHelp;
};

inline constexpr std::string_view kSourceHelp = "field source: plane, magnetic, electric or none";

inline constexpr Calculation<SolidShieldInput, double> kSolid{
    "solid",    "a solid single-layer sheet", kSolidShieldFields, solidShieldSE, kSources, "S",
    kSourceHelp};
inline constexpr Calculation<ApertureInput, double> kAperture{
    "aperture",      "a sheet perforated by an array of identical holes",
    kApertureFields, apertureSE,
    kSources,        "S",
    kSourceHelp};
inline constexpr Calculation<DoubleLayerInput, float> kDoubleLayer{
    "double",           "two solid sheets with a gap between them",
    kDoubleLayerFields, doubleLayerSE,
    kSources,           "S",
    kSourceHelp};
inline constexpr Calculation<EnclosureInput, float> kEnclosure{
    "enclosure",
    "a closed rectangular box",
    kEnclosureFields,
    enclosureSE,
    kNearFieldSources,
    "{magnetic|electric|none}",
    "near-field source: magnetic, electric or none"};

// Calls visit with the calculation named name; false when there is none.
template <class Visit> bool withCalculation(std::string_view name, Visit visit) {
    if (name == kSolid.name) {
        visit(kSolid);
    } else if (name == kAperture.name) {
        visit(kAperture);
    } else if (name == kDoubleLayer.name) {
        visit(kDoubleLayer);
    } else if (name == kEnclosure.name) {
        visit(kEnclosure);
    } else {
        return false;
    }
    return true;
}

// The option and the CSV column of a custom material's properties, for a
// material field ("--sigma-r1", "sigma_r1").
std::string_view sigmaOption(std::string_view materialKey);
std::string_view muOption(std::string_view materialKey);
std::string_view sigmaColumn(std::string_view materialKey);
std::string_view muColumn(std::string_view materialKey);

// A property of a custom material: finite and greater than 0, else a
// UsageError that names name and the range.
float readMaterialProperty(std::string_view name, std::string_view text);

// The text of an input, by key, as it was given; the texts of a custom
// material under their own names. nullopt when not given.
struct InputTexts {
    virtual ~InputTexts() = default;
    // The text of the input or column called name, nullopt when not given.
    virtual std::optional<std::string_view> text(std::string_view name) const = 0;
    // How a message names the input whose key or column is name.
    virtual std::string nameOf(std::string_view name) const = 0;
};

// name's text as a number; an empty or absent text is 0 where the field is
// not always needed, a UsageError where it is.
float readFieldNumber(const InputTexts& texts, std::string_view key, bool required);

// The material of field key: a word of kMaterialChoices, or a custom
// material from its two properties; a UsageError when neither or both are
// given, or one property without the other.
MaterialChoice readMaterial(const InputTexts& texts, std::string_view key);

ListIndex readShape(const InputTexts& texts, std::string_view key);

// The input record read through the field table; throws UsageError at the
// first text that does not fit.
template <class Input>
Input readInput(std::span<const Field<Input>> fields, const InputTexts& texts) {
    Input input;
    for (const Field<Input>& field : fields) {
        switch (field.kind()) {
        case FieldKind::Number:
            input.*field.number = readFieldNumber(texts, field.key, field.needed == Needed::Always);
            break;
        case FieldKind::Material:
            input.*field.material = readMaterial(texts, field.key);
            break;
        case FieldKind::Shape:
            input.*field.shape = readShape(texts, field.key);
            break;
        }
    }
    return input;
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
                                                : "none");
            }
            break;
        }
        case FieldKind::Shape: {
            const ListIndex shape = input.*field.shape;
            inputs.addString(field.key,
                             shape == kNoChoice ? "none" : kHoleShapeKeys[std::size_t(shape)]);
            break;
        }
        }
    }
    return inputs;
}

// The plain cause in English, naming the input by its term: "the distance r
// must be greater than 0 for a magnetic source".
std::string causeText(const FaultCause& cause, std::string_view term);

// The English words for a fault: its plain cause, where there is one.
template <class Input>
std::string faultMessage(const ArithmeticFault& fault, const std::optional<FaultCause>& cause,
                         std::span<const Field<Input>> fields) {
    const Field<Input>* input = cause ? findField(fields, cause->input) : nullptr;
    return input == nullptr ? fault.what() : causeText(*cause, input->term);
}

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

} // namespace shieldcalc::cli
