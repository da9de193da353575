// The inputs of each calculation as data: one table of fields per input record.
//
// A row names one member of the input record and everything a front end needs
// to fill it: the box or list of the calculator form, the command-line option,
// the key of the CSV column, the JSON member and the fault causes, the unit,
// and when the calculation needs it. The forms reset, check and read their
// boxes through the table, in its order; the command line builds its options,
// help and JSON inputs from it; batch files name their columns by its keys;
// the tests build inputs through it. Adding an input to a calculation is
// adding one row.
//
// Row order is the order in which a form converts its texts and, within a
// group of needed inputs, the order in which it looks for an empty box; the
// groups are checked in the order of Needed.
#pragma once

#include "core/inputs.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace shieldcalc {

// When a calculation needs an input. The forms ask for a missing input group
// by group, in this order; an input that is not needed may be left empty and
// is then 0.
enum class Needed {
    Always,
    NearField,       // unless the source is the plane wave
    CircularHole,    // when the holes are circular
    RectangularHole, // when the holes are rectangular
    Optional,        // never: when not given, the field's fallback gives its value
};

enum class FieldKind { Number, Material, Shape };

template <class Input> struct Field {
    std::string_view key;    // CSV column, JSON key, the name fault causes use: "f", "r1"
    std::string_view option; // command-line option: "-f", "--material1"
    const char* control;     // the form's box or list: "Text1", "Combo1"
    std::string_view unit;   // "MHz", "kHz", "cm", "cm*cm"; empty for none
    Needed needed;
    std::string_view metavar; // the value in the usage line: "MHZ"
    std::string_view help;    // what it is, in English: "frequency"
    std::string_view term;    // how an explanation names it: "frequency f"
    float Input::*number = nullptr;
    MaterialChoice Input::*material = nullptr;
    ListIndex Input::*shape = nullptr;
    // For an Optional number: its value when not given, from the other
    // inputs (a front end reads every given input first).
    float (*fallback)(const Input&) = nullptr;

    constexpr FieldKind kind() const {
        return number != nullptr     ? FieldKind::Number
               : material != nullptr ? FieldKind::Material
                                     : FieldKind::Shape;
    }
};

// The key of the frequency, the input every calculation has and a sweep
// varies; its unit is the input record's kFrequencyUnit.
inline constexpr std::string_view kFrequencyKey = "f";

// The hole shapes of the aperture calculation, in list order, by key.
inline constexpr std::array<std::string_view, 2> kHoleShapeKeys{"rect", "circle"};

// A custom material's properties, for a material field with the given key
// ("material", "material1"): the suffix that its options and columns carry
// ("", "1").
constexpr std::string_view materialSuffix(std::string_view key) {
    return key.substr(std::string_view("material").size());
}

// The field whose key is key; nullptr when there is none.
template <class Input>
constexpr const Field<Input>* findField(std::span<const Field<Input>> fields,
                                        std::string_view key) {
    for (const Field<Input>& field : fields) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

// Whether the inputs of group needed are required with this source and shape.
bool groupApplies(Needed needed, SourceChoice source, ListIndex shape);

// The first input that the case needs and isEmpty reports empty: group by
// group in the order of Needed, row by row within a group; nullptr when
// every one is given.
template <class Input, class IsEmpty>
const Field<Input>* firstMissing(std::span<const Field<Input>> fields, SourceChoice source,
                                 ListIndex shape, IsEmpty isEmpty) {
    for (Needed group :
         {Needed::Always, Needed::NearField, Needed::CircularHole, Needed::RectangularHole}) {
        if (!groupApplies(group, source, shape))
            continue;
        for (const Field<Input>& field : fields) {
            if (field.needed == group && field.kind() == FieldKind::Number && isEmpty(field))
                return &field;
        }
    }
    return nullptr;
}

inline constexpr Field<SolidShieldInput> kSolidShieldFields[] = {
    {"material", "--material", "Combo1", "", Needed::Always, "M", "material", "material", nullptr,
     &SolidShieldInput::material},
    {kFrequencyKey, "-f", "Text1", unitName(SolidShieldInput::kFrequencyUnit), Needed::Always,
     unitMetavar(SolidShieldInput::kFrequencyUnit), "frequency", "frequency f",
     &SolidShieldInput::f},
    {"l", "-l", "Text2", "cm", Needed::Always, "CM", "wall thickness", "wall thickness l",
     &SolidShieldInput::l},
    {"r", "-r", "Text3", "cm", Needed::NearField, "CM", "distance from the source to the shield",
     "distance r", &SolidShieldInput::r},
};

// The form converts the hole depth, frequency, area, holes per cm*cm and
// conductor width first, then the three inputs that depend on the case.
inline constexpr Field<ApertureInput> kApertureFields[] = {
    {"shape", "--shape", "Com1", "", Needed::Always, "{rect|circle|none}", "shape of the holes",
     "hole shape", nullptr, nullptr, &ApertureInput::shape},
    {"material", "--material", "Com2", "", Needed::Always, "M", "material", "material", nullptr,
     &ApertureInput::material},
    {"l", "-l", "Text1", "cm", Needed::Always, "CM", "hole depth", "hole depth l",
     &ApertureInput::l},
    {kFrequencyKey, "-f", "Text2", unitName(ApertureInput::kFrequencyUnit), Needed::Always,
     unitMetavar(ApertureInput::kFrequencyUnit), "frequency", "frequency f", &ApertureInput::f},
    {"a", "-a", "Text5", "cm*cm", Needed::Always, "CM2", "area of one hole", "hole area a",
     &ApertureInput::a},
    {"n", "-n", "Text7", "", Needed::Always, "PER_CM2", "number of holes per square centimetre",
     "number of holes per square centimetre n", &ApertureInput::n},
    {"b", "-b", "Text6", "cm", Needed::Always, "CM",
     "width of conductor between neighbouring holes", "conductor width b", &ApertureInput::b},
    {"D", "-D", "Text3", "cm", Needed::CircularHole, "CM", "diameter of a circular hole",
     "hole diameter D", &ApertureInput::D},
    {"r", "-r", "Text4", "cm", Needed::NearField, "CM", "distance from the source to the shield",
     "distance r", &ApertureInput::r},
    {"w", "-w", "Text8", "cm", Needed::RectangularHole, "CM",
     "width of a rectangular hole across the electric field", "hole width w", &ApertureInput::w},
};

inline constexpr Field<DoubleLayerInput> kDoubleLayerFields[] = {
    {kFrequencyKey, "-f", "Text1", unitName(DoubleLayerInput::kFrequencyUnit), Needed::Always,
     unitMetavar(DoubleLayerInput::kFrequencyUnit), "frequency", "frequency f",
     &DoubleLayerInput::f},
    {"l1", "--l1", "Text2", "cm", Needed::Always, "CM", "thickness of the first sheet",
     "thickness l1", &DoubleLayerInput::l1},
    {"r1", "--r1", "Text3", "cm", Needed::NearField, "CM",
     "distance from the source to the first sheet", "distance r1", &DoubleLayerInput::r1},
    {"material1", "--material1", "Combo1", "", Needed::Always, "M", "material of the first sheet",
     "material of the first sheet", nullptr, &DoubleLayerInput::material1},
    {"l2", "--l2", "Text5", "cm", Needed::Always, "CM", "thickness of the second sheet",
     "thickness l2", &DoubleLayerInput::l2},
    {"r2", "--r2", "Text6", "cm", Needed::Always, "CM", "distance between the sheets", "gap r2",
     &DoubleLayerInput::r2},
    {"material2", "--material2", "Combo2", "", Needed::Always, "M", "material of the second sheet",
     "material of the second sheet", nullptr, &DoubleLayerInput::material2},
};

inline constexpr Field<EnclosureInput> kEnclosureFields[] = {
    {"material", "--material", "Combo1", "", Needed::Always, "M", "material", "material", nullptr,
     &EnclosureInput::material},
    {kFrequencyKey, "-f", "Text1", unitName(EnclosureInput::kFrequencyUnit), Needed::Always,
     unitMetavar(EnclosureInput::kFrequencyUnit), "frequency", "frequency f", &EnclosureInput::f},
    {"l", "-l", "Text2", "cm", Needed::Always, "CM", "wall thickness", "wall thickness l",
     &EnclosureInput::l},
    {"a", "-a", "Text3", "cm", Needed::Always, "CM", "length of the box", "length a",
     &EnclosureInput::a},
    {"b", "-b", "Text4", "cm", Needed::Always, "CM", "width of the box", "width b",
     &EnclosureInput::b},
    {"h", "-h", "Text5", "cm", Needed::Always, "CM", "height of the box", "height h",
     &EnclosureInput::h},
};

} // namespace shieldcalc
