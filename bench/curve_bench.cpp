// The curve window, offscreen: opening it over a 10,000-point band (sweep of
// the handbook formula and the reference model, series built, first paint of
// the whole window into an image), and editing the band to 401 points and
// redrawing (sweep, series, paint of the chart into an image). One iteration
// is one opening or one redraw, waiting for the sweep; the band alternates
// between two, so that every redraw sweeps.
//
// And how the window answers at 100,000 points with the five comparison
// metals checked: one iteration is a round of actions (a metal unchecked and
// checked again, the whole range shown and hidden, the pointer moved, the
// window repainted, a new band), each run to its end with the sweeps it asks
// for; its time is the longest the window was kept from answering at once,
// by an action or by drawing what a sweep brought. Peak memory of the
// process (VmHWM) is reported in MB.
#include "ui/appearance.h"
#include "ui/curve_dialog.h"
#include "ui/window_hub.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
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

void waitDrawn(const CurveDialog& dialog) {
    while (dialog.sweeping()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// The peak resident memory of the process, in MB.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return 0;
}

void open(benchmark::State& state, const Computation& computation) {
    Owner owner;
    SweepGrid band = ui::defaultBand(computation);
    band.points = 10000;
    for ([[maybe_unused]] auto iteration : state) {
        CurveDialog dialog(owner.hub, owner.over, computation, band);
        waitDrawn(dialog);
        benchmark::DoNotOptimize(dialog.grab());
    }
}

void redraw(benchmark::State& state, const Computation& computation) {
    Owner owner;
    CurveDialog dialog(owner.hub, owner.over, computation);
    waitDrawn(dialog);
    benchmark::DoNotOptimize(dialog.grab());
    auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("start"));
    const float f = ui::enteredFrequency(computation);
    const QString bands[] = {QString::number(double(f / 100)), QString::number(double(f / 1000))};
    std::size_t next = 0;
    for ([[maybe_unused]] auto iteration : state) {
        start->setText(bands[next]);
        next = 1 - next;
        emit start->editingFinished();
        waitDrawn(dialog);
        benchmark::DoNotOptimize(dialog.picture(1));
    }
}

void answering(benchmark::State& state, const Computation& computation) {
    Owner owner;
    SweepGrid band = ui::defaultBand(computation);
    band.points = kMaxSweepPoints;
    CurveDialog dialog(owner.hub, owner.over, computation, band);
    dialog.show();
    std::vector<QCheckBox*> metals;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (box->objectName().startsWith(u"overlay_") && box->isEnabled()) {
            box->setChecked(true);
            metals.push_back(box);
        }
    }
    waitDrawn(dialog);
    auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("start"));
    auto* view = dialog.findChild<QChartView*>(QStringLiteral("chart"));
    const float f = ui::enteredFrequency(computation);
    const QString bands[] = {QString::number(double(f / 100)), QString::number(double(f / 1000))};
    std::size_t next = 0;

    // The longest the event loop went without a turn, measured by a timer
    // that asks for every turn.
    using Clock = std::chrono::steady_clock;
    Clock::duration longest{};
    Clock::time_point last = Clock::now();
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, &turns, [&] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, now - last);
        last = now;
    });
    turns.start(0);
    // An action, timed, and then the sweeps it asked for, waited for.
    const auto act = [&](const std::function<void()>& action) {
        QCoreApplication::processEvents();
        last = Clock::now();
        action();
        longest = std::max(longest, Clock::now() - last);
        last = Clock::now();
        waitDrawn(dialog);
        QCoreApplication::processEvents();
    };
    for ([[maybe_unused]] auto iteration : state) {
        longest = {};
        act([&] { metals.back()->setChecked(false); });
        act([&] { metals.back()->setChecked(true); });
        auto* whole = dialog.findChild<QCheckBox*>(QStringLiteral("wholeRange"));
        act([&] { whole->setChecked(!whole->isChecked()); });
        act([&] {
            const QPoint at(view->width() / 2, view->height() / 3);
            QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
        });
        act([&] { benchmark::DoNotOptimize(dialog.grab()); });
        act([&] {
            start->setText(bands[next]);
            next = 1 - next;
            emit start->editingFinished();
        });
        state.SetIterationTime(std::chrono::duration<double>(longest).count());
    }
    state.counters["peak_MB"] = peakMegabytes();
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
        benchmark::RegisterBenchmark(("curve/answer_100000_all_metals/" + name).c_str(), answering,
                                     kCases[i])
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
