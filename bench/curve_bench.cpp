// The curve window, offscreen: opening it over a 10,000-point band (sweep of
// the handbook formula and the reference model, series built, first paint of
// the whole window into an image), and editing the band to 401 points and
// redrawing (sweep, series, paint of the chart into an image). One iteration
// is one opening or one redraw; the band alternates between two, so that
// every redraw sweeps.
#include "ui/appearance.h"
#include "ui/curve_dialog.h"
#include "ui/window_hub.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace shieldcalc;
using shieldcalc::ui::Computation;
using shieldcalc::ui::CurveDialog;

const ListIndex kCopper = materialIndex("copper");
const ListIndex kAluminium = materialIndex("aluminium");

const Computation kCases[] = {
    {SolidShieldInput{.f = 1, .l = 0.05f, .r = 30, .material = kCopper},
     FieldSource::MagneticSource},
    {ApertureInput{.shape = 1,
                   .material = kAluminium,
                   .l = 0.3f,
                   .f = 1000,
                   .D = 0.5f,
                   .r = 10,
                   .a = 0.2f,
                   .b = 0.1f,
                   .n = 1},
     FieldSource::MagneticSource},
    {DoubleLayerInput{.f = 1000,
                      .l1 = 0.01f,
                      .r1 = 30,
                      .material1 = kCopper,
                      .l2 = 0.01f,
                      .r2 = 1,
                      .material2 = kIron},
     FieldSource::ElectricSource},
    {EnclosureInput{.f = 1000, .l = 0.01f, .a = 20, .b = 30, .h = 10, .material = kAluminium},
     FieldSource::MagneticSource},
};
const char* const kNames[] = {"solid", "aperture", "double", "enclosure"};

struct Owner {
    ui::WindowHub hub{std::make_unique<ui::MessageBoxPresenter>(), [] {
                      }};
    QWidget over;
};

void open(benchmark::State& state, const Computation& computation) {
    Owner owner;
    SweepGrid band = ui::defaultBand(computation);
    band.points = 10000;
    for ([[maybe_unused]] auto iteration : state) {
        CurveDialog dialog(owner.hub, owner.over, computation, band);
        benchmark::DoNotOptimize(dialog.grab());
    }
}

void redraw(benchmark::State& state, const Computation& computation) {
    Owner owner;
    CurveDialog dialog(owner.hub, owner.over, computation);
    benchmark::DoNotOptimize(dialog.grab());
    auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("start"));
    const float f = ui::enteredFrequency(computation);
    const QString bands[] = {QString::number(double(f / 100)), QString::number(double(f / 1000))};
    std::size_t next = 0;
    for ([[maybe_unused]] auto iteration : state) {
        start->setText(bands[next]);
        next = 1 - next;
        emit start->editingFinished();
        benchmark::DoNotOptimize(dialog.picture(1));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::useSongFonts(app);
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const std::string name = kNames[i];
        benchmark::RegisterBenchmark(("curve/open_10000/" + name).c_str(), open, kCases[i])
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("curve/redraw_401/" + name).c_str(), redraw, kCases[i])
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
