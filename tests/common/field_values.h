// An input record as a user enters it, field by field, read through the
// calculation's field table: the tests type these values into a form's boxes
// or give them as command-line options.
#pragma once

#include "core/fields.h"

#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace shieldcalc::examples {

// A number as a user would type it: the shortest text that reads back as value.
inline std::string typed(float value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

template <class Input> struct FieldValue {
    const Field<Input>* field;
    std::string text = {};               // a number as typed
    ListIndex index = kNoChoice;         // a list's entry
    std::optional<Material> custom = {}; // a material given by its properties
};

// The values a user enters for input with this source: every list, every
// number the case needs, and the others only where they are not 0 (an empty
// box or a left-out option is 0).
template <class Input>
std::vector<FieldValue<Input>> fieldValues(std::span<const Field<Input>> fields, const Input& input,
                                           SourceChoice source) {
    ListIndex shape = kNoChoice;
    for (const Field<Input>& field : fields) {
        if (field.kind() == FieldKind::Shape) {
            shape = input.*field.shape;
        }
    }
    std::vector<FieldValue<Input>> values;
    for (const Field<Input>& field : fields) {
        switch (field.kind()) {
        case FieldKind::Number: {
            const float value = input.*field.number;
            if (groupApplies(field.needed, source, shape) || value != 0) {
                values.push_back({&field, typed(value)});
            }
            break;
        }
        case FieldKind::Material: {
            const MaterialChoice& material = input.*field.material;
            values.push_back({&field, {}, material.entry, material.custom});
            break;
        }
        case FieldKind::Shape:
            values.push_back({&field, {}, input.*field.shape});
            break;
        }
    }
    return values;
}

} // namespace shieldcalc::examples
