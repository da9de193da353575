// The command line of an input record, read through the calculation's field
// table, as a user types it.
#pragma once

#include "cli/input_texts.h"
#include "core/calculations.h"
#include "io/wording.h"
#include "tests/common/field_values.h"

#include <string>
#include <vector>

namespace shieldcalc::examples {

// The command line of an input, read through the calculation's field
// table: every option the case needs, an optional length that is 0 left out,
// as the form's empty box (the command line must then take it as 0).
template <class Input, class Result>
std::vector<std::string> commandLine(const Calculation<Input, Result>& calculation,
                                     const Input& input, SourceChoice source) {
    std::vector<std::string> args{std::string(calculation.name), "--source",
                                  std::string(io::sourceWord(source))};
    for (const FieldValue<Input>& value : fieldValues(calculation.fields, input, source)) {
        const Field<Input>& field = *value.field;
        if (value.custom) {
            args.insert(args.end(),
                        {std::string(cli::sigmaOption(field.key)), typed(value.custom->sigmaR),
                         std::string(cli::muOption(field.key)), typed(value.custom->muR)});
            continue;
        }
        std::string text = value.text;
        if (field.kind() == FieldKind::Material) {
            text = value.index == kNoChoice ? "none"
                                            : std::string(kMaterials[std::size_t(value.index)].key);
        } else if (field.kind() == FieldKind::Shape) {
            text = value.index == kNoChoice ? "none"
                                            : std::string(kHoleShapeKeys[std::size_t(value.index)]);
        }
        args.insert(args.end(), {std::string(field.option), text});
    }
    return args;
}

} // namespace shieldcalc::examples
