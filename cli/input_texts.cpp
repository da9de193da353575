#include "cli/input_texts.h"

#include "core/message_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace shieldcalc::cli {

SourceChoice sourceAt(ListIndex index) {
    if (index == kNoChoice) {
        return std::nullopt;
    }
    return static_cast<FieldSource>(index);
}

std::vector<Choice> sourceChoices(std::span<const FieldSource> sources) {
    std::vector<Choice> choices;
    for (FieldSource source : sources) {
        choices.push_back({io::sourceWord(source), sourceIndex(source)});
    }
    choices.push_back({io::kNoneWord, kNoChoice});
    return choices;
}

namespace {

// The names of a custom material's properties, by the suffix of the
// material's key.
struct PropertyNames {
    std::string_view suffix, sigmaOption, muOption, sigmaColumn, muColumn;
};
constexpr PropertyNames kPropertyNames[] = {
    {"", "--sigma-r", "--mu-r", "sigma_r", "mu_r"},
    {"1", "--sigma-r1", "--mu-r1", "sigma_r1", "mu_r1"},
    {"2", "--sigma-r2", "--mu-r2", "sigma_r2", "mu_r2"},
};

const PropertyNames& propertyNames(std::string_view materialKey) {
    const auto found =
        std::ranges::find(kPropertyNames, materialSuffix(materialKey), &PropertyNames::suffix);
    if (found == std::end(kPropertyNames)) {
        throw std::logic_error("no custom material properties for " + std::string(materialKey));
    }
    return *found;
}

} // namespace

std::string_view sigmaOption(std::string_view materialKey) {
    return propertyNames(materialKey).sigmaOption;
}
std::string_view muOption(std::string_view materialKey) {
    return propertyNames(materialKey).muOption;
}
std::string_view sigmaColumn(std::string_view materialKey) {
    return propertyNames(materialKey).sigmaColumn;
}
std::string_view muColumn(std::string_view materialKey) {
    return propertyNames(materialKey).muColumn;
}

namespace {

std::optional<std::string_view> given(const InputTexts& texts, std::string_view name) {
    const std::optional<std::string_view> text = texts.text(name);
    return text && !text->empty() ? text : std::nullopt;
}

// A property of a custom material, given as name: finite and greater than 0,
// else a UsageError that names the input and the range.
float readMaterialProperty(const InputTexts& texts, std::string_view name, std::string_view text) {
    const float value = *texts.number(name);
    if (!(value > 0) || !std::isfinite(value)) {
        throw UsageError(texts.nameOf(name) + ": '" + textForMessage(text) +
                         "' is out of range: it must be a finite number greater than 0");
    }
    return value;
}

} // namespace

bool isGiven(const InputTexts& texts, std::string_view name) {
    return given(texts, name).has_value();
}

float readFieldNumber(const InputTexts& texts, std::string_view key, bool required) {
    const std::optional<float> value = texts.number(key);
    if (!value) {
        if (required) {
            throw UsageError(texts.nameOf(key) + ": a value is required");
        }
        return 0; // as an empty optional box on the form
    }
    return *value;
}

MaterialChoice readMaterial(const InputTexts& texts, std::string_view key) {
    const std::string_view sigmaName = sigmaColumn(key);
    const std::string_view muName = muColumn(key);
    const std::optional<std::string_view> word = given(texts, key);
    const std::optional<std::string_view> sigma = given(texts, sigmaName);
    const std::optional<std::string_view> mu = given(texts, muName);
    if (word) {
        if (sigma || mu) {
            throw UsageError(texts.nameOf(key) + " and " +
                             texts.nameOf(sigma ? sigmaName : muName) + " exclude each other");
        }
        return readChoice(texts.nameOf(key), *word, kMaterialChoices).index;
    }
    if (!sigma && !mu) {
        throw UsageError(texts.nameOf(key) + " (or " + texts.nameOf(sigmaName) + " with " +
                         texts.nameOf(muName) + ") is required");
    }
    if (!sigma || !mu) {
        throw UsageError(texts.nameOf(sigma ? muName : sigmaName) + " is required with " +
                         texts.nameOf(sigma ? sigmaName : muName));
    }
    return Material{readMaterialProperty(texts, sigmaName, *sigma),
                    readMaterialProperty(texts, muName, *mu)};
}

ListIndex readShape(const InputTexts& texts, std::string_view key) {
    const std::optional<std::string_view> word = given(texts, key);
    if (!word) {
        throw UsageError(texts.nameOf(key) + " is required");
    }
    return readChoice(texts.nameOf(key), *word, kShapeChoices).index;
}

ReferenceGeometry readGeometry(const InputTexts& texts) {
    const std::optional<float> receiver = texts.number(io::kReceiverKey);
    if (receiver && !(*receiver >= 0 && std::isfinite(*receiver))) {
        throw UsageError(texts.nameOf(io::kReceiverKey) + ": '" +
                         textForMessage(*texts.text(io::kReceiverKey)) +
                         "' is out of range: it must be a finite number of 0 or more");
    }
    return {receiver};
}

} // namespace shieldcalc::cli
