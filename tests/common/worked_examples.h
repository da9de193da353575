// Worked examples of the four computations, with the results to every digit
// given: the SE as a decimal text (compared at the number of significant
// digits it is written with) and, where known, the seven-character text the
// result window shows. Shared by the engine tests and the command-line tests.
#pragma once

#include "core/inputs.h"

#include <charconv>
#include <string>
#include <string_view>

namespace shieldcalc::examples {

inline constexpr ListIndex kCopper = materialIndex("copper"), kSilver = materialIndex("silver"),
                           kGold = materialIndex("gold"), kIron = materialIndex("iron"),
                           kBrass = materialIndex("brass"), kAluminium = materialIndex("aluminium");
inline constexpr ListIndex kRect = 0, kCircle = 1;

inline constexpr FieldSource kPlane = FieldSource::PlaneWave;
inline constexpr FieldSource kMagnetic = FieldSource::MagneticSource;
inline constexpr FieldSource kElectric = FieldSource::ElectricSource;

// value written with as many decimals as expected has: the text to compare
// with expected when the expected value is given "to every digit".
inline std::string roundedLike(double value, std::string_view expected) {
    const auto point = expected.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(expected.size() - point - 1);
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
    if (text.find_first_not_of("-0.") == std::string::npos)
        text = text.substr(text.front() == '-' ? 1 : 0); // no "-0"
    return text;
}

template <class Input> struct Example {
    std::string_view name;
    Input input;
    SourceChoice source;
    std::string_view se;      // expected SE, dB
    std::string_view display; // expected result text, "" when not given
};

// SolidShieldInput: f (MHz), l, r (cm), material
inline constexpr Example<SolidShieldInput> kSolidExamples[] = {
    {"copper_1MHz_plane", {1, 0.1f, 10, kCopper}, kPlane, "239", " 239"},
    {"copper_1MHz_magnetic", {1, 0.1f, 10, kCopper}, kMagnetic, "185.65356929962", " 185.65"},
    {"copper_1MHz_electric", {1, 0.1f, 10, kCopper}, kElectric, "293.090075563489", " 293.09"},
    {"copper_1kHz_plane", {0.001f, 0.001f, 10, kCopper}, kPlane, "97.589880804293", " 97.589"},
    {"copper_1kHz_magnetic",
     {0.001f, 0.001f, 10, kCopper},
     kMagnetic,
     "-15.3373055355052",
     "-15.337"},
    {"copper_1kHz_electric",
     {0.001f, 0.001f, 10, kCopper},
     kElectric,
     "211.679847920902",
     " 211.67"},
    {"aluminium_plane", {0.01f, 0.01f, 10, kAluminium}, kPlane, "113.316429411924", ""},
    {"aluminium_magnetic", {0.01f, 0.01f, 10, kAluminium}, kMagnetic, "20.0374187168202", ""},
    {"aluminium_electric", {0.01f, 0.01f, 10, kAluminium}, kElectric, "207.406493476388", ""},
    {"iron_below_band_edge", {0.4f, 0.05f, 0, kIron}, kPlane, "614.410720336157", ""},
    {"iron_at_band_edge", {0.5f, 0.05f, 0, kIron}, kPlane, "580.106209939008", ""},
    {"zero_thickness_plane", {1, 0, 10, kCopper}, kPlane, "-0.103527750247338", "-.10352"},
    {"zero_thickness_electric", {1, 0, 10, kCopper}, kElectric, "80.3678682254795", ""},
    {"no_source", {1, 0.1f, 10, kCopper}, std::nullopt, "0", " 0"},
};

// DoubleLayerInput: f (kHz), l1, r1, material1, l2, r2, material2
inline constexpr Example<DoubleLayerInput> kDoubleLayerExamples[] = {
    {"copper_plane", {1000, 0.1f, 10, kCopper, 0.1f, 5, kCopper}, kPlane, "464.43658", " 464.43"},
    {"copper_magnetic",
     {1000, 0.1f, 10, kCopper, 0.1f, 5, kCopper},
     kMagnetic,
     "361.32117",
     " 361.32"},
    {"copper_electric",
     {1000, 0.1f, 10, kCopper, 0.1f, 5, kCopper},
     kElectric,
     "569.04089",
     " 569.04"},
    {"copper_plane_no_r1",
     {1000, 0.1f, 0, kCopper, 0.1f, 5, kCopper},
     kPlane,
     "464.43658",
     " 464.43"},
    {"aluminium_iron_plane",
     {10, 0.01f, 10, kAluminium, 0.01f, 1, kIron},
     kPlane,
     "167.01373",
     " 167.01"},
    {"aluminium_iron_magnetic",
     {10, 0.01f, 10, kAluminium, 0.01f, 1, kIron},
     kMagnetic,
     "-15.147173",
     "-15.147"},
    {"aluminium_iron_electric",
     {10, 0.01f, 10, kAluminium, 0.01f, 1, kIron},
     kElectric,
     "354.12003",
     " 354.12"},
    {"silver_gold_magnetic",
     {100, 0.01f, 10, kSilver, 0.02f, 3, kGold},
     kMagnetic,
     "63.43938",
     " 63.439"},
    {"zero_thickness_electric",
     {1000, 0, 10, kCopper, 0, 5, kCopper},
     kElectric,
     "307.09857",
     " 307.09"},
    {"no_gap_plane", {1000, 0.1f, 10, kCopper, 0.1f, 0, kCopper}, kPlane, "369.89648", " 369.89"},
    {"no_source", {1000, 0.1f, 10, kCopper, 0.1f, 5, kCopper}, std::nullopt, "0", " 0"},
};

// ApertureInput: shape, material, l, f (kHz), D, r, a, b, n, w
inline constexpr Example<ApertureInput> kApertureExamples[] = {
    {"rectangular_plane_copper",
     {kRect, kCopper, 0.5f, 1000, 0, 0, 1, 1, 0.25f, 1},
     kPlane,
     "51.63678886968498",
     " 51.636"},
    {"circular_magnetic_aluminium",
     {kCircle, kAluminium, 0.3f, 100, 0.5f, 10, 0.2f, 0.1f, 1, 0},
     kMagnetic,
     "50.9318013258667",
     " 50.931"},
    {"rectangular_electric_iron",
     {kRect, kIron, 0.2f, 1000, 0, 30, 0.1f, 0.2f, 4, 0.3f},
     kElectric,
     "68.3795350839711",
     " 68.379"},
    {"circular_plane_brass",
     {kCircle, kBrass, 0.1f, 10000, 0.4f, 0, 0.1f, 0.2f, 2, 0},
     kPlane,
     "77.07308611661514",
     " 77.073"},
};

// EnclosureInput: f (kHz), l, a, b, h (cm), material
inline constexpr Example<EnclosureInput> kEnclosureExamples[] = {
    {"copper_thick_magnetic", {1000, 0.1f, 10, 10, 10, kCopper}, kMagnetic, "178.38025", " 178.38"},
    {"copper_thick_electric", {1000, 0.1f, 10, 10, 10, kCopper}, kElectric, "179.83641", " 179.83"},
    {"copper_thin_magnetic", {1, 0.1f, 10, 10, 10, kCopper}, kMagnetic, "0.0928459", ""},
    {"copper_thin_electric", {1, 0.1f, 10, 10, 10, kCopper}, kElectric, "134.92589", " 134.92"},
    {"iron_magnetic", {1, 0.1f, 10, 10, 10, kIron}, kMagnetic, "114.69448", ""},
    {"iron_electric", {1, 0.1f, 10, 10, 10, kIron}, kElectric, "154.84523", ""},
    {"iron_at_band_edge", {500, 0.1f, 10, 10, 10, kIron}, kMagnetic, "1097.6514", " 1097.6"},
    {"iron_below_band_edge", {499.9f, 0.1f, 10, 10, 10, kIron}, kMagnetic, "1299.9307", ""},
    {"aluminium_magnetic", {100, 0.05f, 20, 30, 10, kAluminium}, kMagnetic, "56.173985", ""},
    {"aluminium_electric", {100, 0.05f, 20, 30, 10, kAluminium}, kElectric, "87.219452", ""},
    {"brass_thin_magnetic", {10, 0.01f, 50, 40, 30, kBrass}, kMagnetic, "0.0023840165", ""},
    {"brass_thin_electric", {10, 0.01f, 50, 40, 30, kBrass}, kElectric, "71.37101", ""},
    {"wall_equal_skin_depth_electric",
     {1000, 0.006604f, 10, 10, 10, kCopper},
     kElectric,
     "51.322025",
     ""},
    {"wall_equal_skin_depth_magnetic",
     {1000, 0.006604f, 10, 10, 10, kCopper},
     kMagnetic,
     "0.0061773728",
     ""},
    {"zero_wall_magnetic", {1000, 0, 10, 10, 10, kCopper}, kMagnetic, "0", " 0"},
    {"negative_result_electric",
     {1000, 0.00001f, 100, 100, 100, kCopper},
     kElectric,
     "-25.074114",
     "-25.074"},
    {"no_source", {1000, 0.1f, 10, 10, 10, kCopper}, std::nullopt, "0", " 0"},
};

} // namespace shieldcalc::examples
