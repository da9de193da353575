// The inputs of a calculation as the command line and batch runs read them.
//
// A calculation of the registry (core/calculations.h) reads its input record
// from named texts, options or CSV cells, through its field table: a number
// as the forms convert their boxes, a material as a word of kMaterialChoices
// or a custom material from its two properties, a hole shape as a word of
// kShapeChoices, the field source as a word of the calculation's sources;
// beside the record, the reference models' geometry. The first text that does
// not fit throws UsageError naming the input.
#pragma once

#include "cli/options.h"
#include "core/calculations.h"
#include "core/reference.h"
#include "io/outcome.h"
#include "io/wording.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shieldcalc::cli {

constexpr ListIndex sourceIndex(FieldSource source) {
    return static_cast<ListIndex>(source);
}

// The keys of the material registry, and "none".
inline constexpr auto kMaterialChoices = [] {
    std::array<Choice, kMaterials.size() + 1> choices{};
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        choices[i] = {kMaterials[i].key, static_cast<ListIndex>(i)};
    }
    choices.back() = {io::kNoneWord, kNoChoice};
    return choices;
}();

inline constexpr auto kShapeChoices = [] {
    std::array<Choice, kHoleShapeKeys.size() + 1> choices{};
    for (std::size_t i = 0; i < kHoleShapeKeys.size(); ++i) {
        choices[i] = {kHoleShapeKeys[i], static_cast<ListIndex>(i)};
    }
    choices.back() = {io::kNoneWord, kNoChoice};
    return choices;
}();

// The words of the sources a calculation accepts, and "none".
std::vector<Choice> sourceChoices(std::span<const FieldSource> sources);
SourceChoice sourceAt(ListIndex index);

// The option and the CSV column of a custom material's properties, for a
// material field ("--sigma-r1", "sigma_r1").
std::string_view sigmaOption(std::string_view materialKey);
std::string_view muOption(std::string_view materialKey);
std::string_view sigmaColumn(std::string_view materialKey);
std::string_view muColumn(std::string_view materialKey);

// The inputs of a calculation by key, as they were given; the texts of a
// custom material under their own names.
struct InputTexts {
    virtual ~InputTexts() = default;
    // The text of the input or column called name, nullopt when not given.
    virtual std::optional<std::string_view> text(std::string_view name) const = 0;
    // The number given as name, read from its text once: nullopt when the
    // text is absent or empty; a UsageError naming the input when it is not
    // a number.
    virtual std::optional<float> number(std::string_view name) const = 0;
    // How a message names the input whose key or column is name.
    virtual std::string nameOf(std::string_view name) const = 0;
};

// The number of key; an absent or empty one is 0 where the field is not
// always needed, a UsageError where it is.
float readFieldNumber(const InputTexts& texts, std::string_view key, bool required);
// Whether name's text is given and not empty.
bool isGiven(const InputTexts& texts, std::string_view name);

// The material of field key: a word of kMaterialChoices, or a custom
// material from its two properties; a UsageError when neither or both are
// given, or one property without the other.
MaterialChoice readMaterial(const InputTexts& texts, std::string_view key);

ListIndex readShape(const InputTexts& texts, std::string_view key);

// The reference geometry: the receiver's distance (io::kReceiverKey) where
// given, finite and 0 or more; else a UsageError naming it.
ReferenceGeometry readGeometry(const InputTexts& texts);

// The input record read through the field table, but for the input whose
// key is left out (a sweep's frequency), which stays 0; throws UsageError at
// the first text that does not fit. An optional input not given takes its
// field's fallback, from the inputs given.
template <class Input>
Input readInput(std::span<const Field<Input>> fields, const InputTexts& texts,
                std::string_view leftOut = {}) {
    Input input;
    std::vector<const Field<Input>*> notGiven;
    for (const Field<Input>& field : fields) {
        if (field.key == leftOut) {
            continue;
        }
        switch (field.kind()) {
        case FieldKind::Number:
            if (field.needed == Needed::Optional && !isGiven(texts, field.key)) {
                notGiven.push_back(&field);
            } else {
                input.*field.number =
                    readFieldNumber(texts, field.key, field.needed == Needed::Always);
            }
            break;
        case FieldKind::Material:
            input.*field.material = readMaterial(texts, field.key);
            break;
        case FieldKind::Shape:
            input.*field.shape = readShape(texts, field.key);
            break;
        }
    }
    for (const Field<Input>* field : notGiven) {
        input.*field->number = field->fallback(input);
    }
    return input;
}

} // namespace shieldcalc::cli
