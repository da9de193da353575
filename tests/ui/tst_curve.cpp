// The curve window, opened from the result window of each calculation: the
// computation handed over exactly, the series point for point against the
// engine's sweep, the export against the command line's --sweep, pictures,
// bad bands, gaps where points fault, comparison curves, the read-out, and
// closing it in every way with every window left as it was.
#include "tests/cli/run_cli.h"
#include "tests/common/command_line.h"
#include "ui/curve_dialog.h"
#include "ui_test.h"

#include "core/calculations.h"
#include "core/number_text.h"
#include "core/sweep.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <vector>

using namespace shieldcalc;
using shieldcalc::ui::Computation;
using shieldcalc::ui::CurveDialog;

namespace {

struct Case {
    const char* name;
    QStringList steps; // from the start to the result window
    QString title;
    Computation computation; // what the form must hand over
};

// Typed in as a user does; the records are what the forms must read.
const std::vector<Case>& cases() {
    static const std::vector<Case> all{
        {"solid, magnetic source",
         {"Opt1", "Com1", "Opt2", "Comm2", "Text1=1", "Text2=0.01", "Combo1#0", "Text3=10",
          "Comm2"},
         kSolid,
         {SolidShieldInput{.f = 1, .l = 0.01f, .r = 10, .material = 0},
          FieldSource::MagneticSource}},
        {"aperture, circular holes, plane wave",
         {"Opt2", "Com1", "Opt1", "Comm2", "Com1#1", "Com2#5", "Text1=0.1", "Text2=100000",
          "Text3=0.5", "Text5=0.2", "Text7=1", "Text6=0.3", "Comm2"},
         kNonSolid,
         {ApertureInput{.shape = 1,
                        .material = 5,
                        .l = 0.1f,
                        .f = 100000,
                        .D = 0.5f,
                        .a = 0.2f,
                        .b = 0.3f,
                        .n = 1},
          FieldSource::PlaneWave}},
        {"double layer, electric source",
         {"Opt3", "Com1", "Opt3", "Comm2", "Text1=100", "Text2=0.05", "Text3=20", "Combo1#0",
          "Text5=0.05", "Text6=1", "Combo2#5", "Comm2"},
         kDoubleLayer,
         {DoubleLayerInput{.f = 100,
                           .l1 = 0.05f,
                           .r1 = 20,
                           .material1 = 0,
                           .l2 = 0.05f,
                           .r2 = 1,
                           .material2 = 5},
          FieldSource::ElectricSource}},
        // An iron wall 1 cm thick: above some 100 kHz the SE leaves the range of numbers.
        {"enclosure, magnetic source, faulting above 100 kHz",
         {"Opt4", "Com1", "Opt1", "Comm2", "Text1=1", "Text2=1", "Combo1#3", "Text3=10", "Text4=10",
          "Text5=10", "Comm2"},
         kEnclosure,
         {EnclosureInput{.f = 1, .l = 1, .a = 10, .b = 10, .h = 10, .material = 3},
          FieldSource::MagneticSource}},
    };
    return all;
}

void caseRows() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < cases().size(); ++i) {
        QTest::newRow(cases()[i].name) << static_cast<int>(i);
    }
}

// The points of the chart's series of that name, run after run.
QList<QPointF> seriesPoints(const QChart& chart, const QString& name) {
    QList<QPointF> points;
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == name) {
            points += static_cast<QXYSeries*>(series)->points();
        }
    }
    return points;
}

int seriesCount(const QChart& chart, const QString& name) {
    int count = 0;
    for (QAbstractSeries* series : chart.series()) {
        count += series->objectName() == name ? 1 : 0;
    }
    return count;
}

// The engine's sweep of the computation: handbook and reference points that
// have a value.
std::pair<QList<QPointF>, QList<QPointF>> engineSweep(const Computation& computation,
                                                      const SweepGrid& band) {
    return std::visit(
        [&](const auto& input) {
            std::pair<QList<QPointF>, QList<QPointF>> points;
            for (const auto& p : sweep(input, computation.source, band)) {
                if (p.se) {
                    points.first.append(QPointF(p.f, double(*p.se)));
                }
                if (p.reference) {
                    points.second.append(QPointF(p.f, *p.reference));
                }
            }
            return points;
        },
        computation.input);
}

std::vector<std::string> sweepCommand(const Computation& computation, const SweepGrid& band) {
    auto args = std::visit(
        [&](const auto& input) {
            return examples::commandLine(calculationOf<std::decay_t<decltype(input)>>(), input,
                                         computation.source);
        },
        computation.input);
    // The sweep takes the place of the frequency.
    const auto f = std::ranges::find(args, "-f");
    args.erase(f, f + 2);
    args.insert(args.end(),
                {"--sweep", examples::typed(band.start) + ':' + examples::typed(band.stop) + ':' +
                                std::to_string(band.points)});
    return args;
}

// Waits, the events running, until the curves asked for are drawn and the
// chart laid out around them.
bool drawn(const CurveDialog& dialog) {
    const bool done = QTest::qWaitFor([&] { return !dialog.sweeping(); }, 60000);
    QCoreApplication::sendPostedEvents();
    return done;
}

// Moves the pointer over the chart to at. Sent to the chart itself: the
// offscreen platform hands a moved cursor to the first window under it,
// which can be the result window beneath the curve window.
void movePointer(QChartView& view, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
}

} // namespace

class CurveTest : public UiTest {
    Q_OBJECT

private slots:
    void opensWithTheComputationOnScreen_data() { caseRows(); }
    void opensWithTheComputationOnScreen();
    void closingChangesNothing_data();
    void closingChangesNothing();
    void seriesAreTheEngineSweep_data() { caseRows(); }
    void seriesAreTheEngineSweep();
    void exportIsTheCommandLineSweep_data() { caseRows(); }
    void exportIsTheCommandLineSweep();
    void picturesAreWritten_data();
    void picturesAreWritten();
    void writeErrorIsToldAndLosesNothing();
    void badBandKeepsTheCurve_data();
    void badBandKeepsTheCurve();
    void newBandRedraws();
    void faultingPointsAreGapsWithTheirReason();
    void adviceWarningsFirst_data() { caseRows(); }
    void adviceWarningsFirst();
    void overlaysAddOneSeriesEach();
    void axisStopsAt300UnlessWholeRange();
    void largeSweepDrawsFewPointsAndReadsEvery();
    void newerBandSupersedesARunningSweep();
    void readoutFollowsThePointer();
    void f1ShowsAbout();
    void numbersReadBack_data();
    void numbersReadBack();
    void bandMessageIsPlainTextReadWhole_data();
    void bandMessageIsPlainTextReadWhole();
    void exportAsksAboutTheFinalName_data();
    void exportAsksAboutTheFinalName();
    void pictureIsWhatItsNameSays_data();
    void pictureIsWhatItsNameSays();
    void writeErrorQuotesTheNameInABoxOnTheScreen();
    void referenceWithoutALineSaysWhy();

private:
    // Walks to the result window of case index and opens the curve.
    CurveDialog* open(int index);
    // Clicks the export button, types name into the file dialog in folder,
    // with the filter of that index, and accepts; cancels the file dialog if
    // it is still open after that.
    void exportThroughFileDialog(CurveDialog& dialog, const char* button, const QString& folder,
                                 const QString& name, int filter);
};

CurveDialog* CurveTest::open(int index) {
    expectedModals = QStringList{"CurveDialog"};
    if (!walk(cases()[std::size_t(index)].steps) || !click("Comm3")) {
        return nullptr;
    }
    auto* dialog = qobject_cast<CurveDialog*>(window("CurveDialog"));
    return dialog != nullptr && dialog->isVisible() && drawn(*dialog) ? dialog : nullptr;
}

void CurveTest::opensWithTheComputationOnScreen() {
    QFETCH(int, index);
    const Case& c = cases()[std::size_t(index)];
    CurveDialog* dialog = open(index);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), c.title + QStringLiteral(" — 频率特性"));
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->parentWidget(), window("Frmsub3"));
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    // The handed-over record and source, seen through what the window shows.
    QCOMPARE(dialog->findChild<QLabel*>("inputs")->text(), ui::inputsLine(c.computation));
    const SweepGrid band = ui::defaultBand(c.computation);
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"), engineSweep(c.computation, band).first);
    QCOMPARE(dialog->findChild<QLineEdit*>("points")->text(), QStringLiteral("401"));
}

void CurveTest::closingChangesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("关 闭") << "button";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close";
}

void CurveTest::closingChangesNothing() {
    QFETCH(QString, how);
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    auto* result = window("Frmsub3");
    const QString text = find<QLineEdit>("Frmsub3", "Text1")->text();
    if (how == u"button") {
        QTest::mouseClick(dialog->findChild<QPushButton*>("close"), Qt::LeftButton);
    } else if (how == u"Esc") {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        dialog->close();
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(result->windowTitle(), kSolid);
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), text);
    QCOMPARE(quitRequests, 0);
    QVERIFY(messages.isEmpty());
    // The result window goes on as before: Back to the calculator, inputs kept.
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    QCOMPARE(find<QLineEdit>("Frmsub2", "Text2")->text(), QStringLiteral("0.01"));
    QCOMPARE(instances("Frmsub3"), 1);
}

void CurveTest::seriesAreTheEngineSweep() {
    QFETCH(int, index);
    const Case& c = cases()[std::size_t(index)];
    CurveDialog* dialog = open(index);
    QVERIFY(dialog != nullptr);
    const auto [handbook, reference] = engineSweep(c.computation, ui::defaultBand(c.computation));
    QVERIFY(!handbook.isEmpty());
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"), handbook);
    QCOMPARE(seriesPoints(dialog->chart(), "reference"), reference);
    // Every curve has its model named in the legend.
    QVERIFY(seriesCount(dialog->chart(), "reference") > 0);
}

void CurveTest::exportIsTheCommandLineSweep() {
    QFETCH(int, index);
    const Case& c = cases()[std::size_t(index)];
    CurveDialog* dialog = open(index);
    QVERIFY(dialog != nullptr);
    // A band of the user's own, typed into the fields.
    auto* stop = dialog->findChild<QLineEdit*>("stop");
    auto* points = dialog->findChild<QLineEdit*>("points");
    const float f = ui::enteredFrequency(c.computation);
    stop->setText(QString::fromStdString(examples::typed(f * 50)));
    points->setText(QStringLiteral("57"));
    emit points->editingFinished();
    QVERIFY(drawn(*dialog));
    const SweepGrid band{.start = f / 1000, .stop = f * 50, .points = 57};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("曲线.csv"));
    QVERIFY(dialog->writeData(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const testing::CliRun cli = testing::runCli(sweepCommand(c.computation, band));
    QVERIFY2(cli.err.empty(), cli.err.c_str());
    QCOMPARE(file.readAll(), QByteArray::fromStdString(cli.out));
}

void CurveTest::picturesAreWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::newRow("PNG on screen") << "curve.png" << 1;
    QTest::newRow("PNG twice") << "curve.png" << 2;
    QTest::newRow("SVG on screen") << "curve.svg" << 1;
    QTest::newRow("SVG twice, upper-case suffix") << "curve.SVG" << 2;
}

void CurveTest::picturesAreWritten() {
    QFETCH(QString, name);
    QFETCH(int, scale);
    CurveDialog* dialog = open(1);
    QVERIFY(dialog != nullptr);
    const QSize onScreen = dialog->findChild<QChartView*>("chart")->size();
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(dialog->writePicture(path, scale));
    QVERIFY(QFileInfo(path).size() > 0);
    if (name.endsWith(u".png")) {
        const QImage image(path);
        QCOMPARE(image.size(), onScreen * scale * dialog->devicePixelRatio());
        QVERIFY(image.pixel(0, 0) != image.pixel(image.width() / 2, image.height() / 2) ||
                image.pixel(image.width() / 3, image.height() / 3) != image.pixel(0, 0));
    } else {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), onScreen * scale));
    }
    QVERIFY(messages.isEmpty());
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(dialog->findChild<QPushButton*>("copy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), onScreen * dialog->devicePixelRatio());
}

void CurveTest::writeErrorIsToldAndLosesNothing() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    const QList<QPointF> before = seriesPoints(dialog->chart(), "handbook");
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("没有这个文件夹/curve"));
    QVERIFY(!dialog->writeData(missing + QStringLiteral(".csv")));
    QVERIFY(!dialog->writePicture(missing + QStringLiteral(".png"), 1));
    QVERIFY(!dialog->writePicture(folder.path(), 1)); // a folder, not a file
    QCOMPARE(messages.size(), 3);
    for (const ShownMessage& shown : messages) {
        QCOMPARE(shown.window, QStringLiteral("CurveDialog"));
        QCOMPARE(shown.message.icon, QMessageBox::Critical);
        QVERIFY2(shown.message.prompt.startsWith(QStringLiteral("无法写入文件")),
                 qPrintable(shown.message.prompt));
    }
    QCOMPARE(messages[0].message.title, QStringLiteral("导出数据"));
    QCOMPARE(messages[1].message.title, QStringLiteral("导出图片"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"), before);
}

void CurveTest::badBandKeepsTheCurve_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("start above stop") << "start"
                                      << "5000"
                                      << "起始频率必须小于终止频率。";
    QTest::newRow("start 0") << "start"
                             << "0"
                             << "起始频率必须大于0。";
    QTest::newRow("start negative") << "start"
                                    << "-1"
                                    << "起始频率必须大于0。";
    QTest::newRow("start not a number") << "start"
                                        << "abc"
                                        << "“起始频率(MHz)”一栏中的“abc”不是一个数。";
    QTest::newRow("start blanks") << "start"
                                  << "  "
                                  << "“起始频率(MHz)”一栏中只有空格，不是一个数。";
    QTest::newRow("stop empty") << "stop"
                                << ""
                                << "请填写“终止频率(MHz)”。";
    QTest::newRow("stop beyond single precision") << "stop"
                                                  << "1e39"
                                                  << "“终止频率(MHz)”一栏中的“1e39”超出了";
    QTest::newRow("one point") << "points"
                               << "1"
                               << "点数必须是2到100000之间的整数。";
    QTest::newRow("too many points") << "points"
                                     << "100001"
                                     << "点数必须是2到100000之间的整数。";
    QTest::newRow("points not whole") << "points"
                                      << "40.5"
                                      << "点数必须是2到100000之间的整数。";
}

void CurveTest::badBandKeepsTheCurve() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    const QList<QPointF> before = seriesPoints(dialog->chart(), "handbook");
    const std::size_t points = dialog->curve().size();
    auto* box = dialog->findChild<QLineEdit*>(field);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(dialog->isVisible()); // Enter redraws; it closes nothing
    const QString shown = dialog->findChild<QLabel*>("bandMessage")->text();
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QCOMPARE(dialog->curve().size(), points);
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"), before);
    QVERIFY(messages.isEmpty());
}

void CurveTest::newBandRedraws() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    auto* start = dialog->findChild<QLineEdit*>("start");
    auto* points = dialog->findChild<QLineEdit*>("points");
    start->setText(QStringLiteral("5000"));
    emit start->editingFinished(); // a bad band first
    start->setText(QStringLiteral("0.5"));
    points->setText(QStringLiteral("11"));
    emit points->editingFinished();
    QVERIFY(drawn(*dialog));
    QVERIFY(dialog->findChild<QLabel*>("bandMessage")->text().isEmpty());
    QCOMPARE(dialog->curve().size(), std::size_t(11));
    const SweepGrid band{.start = 0.5f, .stop = 1000, .points = 11};
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"),
             engineSweep(cases()[0].computation, band).first);
    QCOMPARE(seriesCount(dialog->chart(), "marker"), 1); // 1 MHz still in the band
}

void CurveTest::faultingPointsAreGapsWithTheirReason() {
    CurveDialog* dialog = open(3);
    QVERIFY(dialog != nullptr);
    const ui::Curve& curve = dialog->curve();
    const auto faulting = std::ranges::count_if(
        curve, [](const ui::CurvePoint& p) { return !p.handbook.has_value(); });
    QVERIFY(faulting > 0 && faulting < qsizetype(curve.size()));
    // The computed points before the fault: one unbroken run.
    QCOMPARE(seriesCount(dialog->chart(), "handbook"), 1);
    QCOMPARE(seriesPoints(dialog->chart(), "handbook").size(), qsizetype(curve.size()) - faulting);
    const auto* advice = dialog->findChild<QListWidget*>("advice");
    const QString first = advice->item(0)->text();
    QVERIFY2(first.startsWith(QStringLiteral("警告：")) &&
                 first.contains(QStringLiteral("%1 个频点无法计算").arg(faulting)) &&
                 first.contains(curve.front().fault.isEmpty() ? curve.back().fault
                                                              : curve.front().fault),
             qPrintable(first));
    QVERIFY(!curve.back().fault.isEmpty());
}

void CurveTest::adviceWarningsFirst() {
    QFETCH(int, index);
    CurveDialog* dialog = open(index);
    QVERIFY(dialog != nullptr);
    const auto* advice = dialog->findChild<QListWidget*>("advice");
    QVERIFY(advice->count() > 0);
    bool notes = false;
    for (int i = 0; i < advice->count(); ++i) {
        const QString line = advice->item(i)->text();
        const bool warning = line.startsWith(QStringLiteral("警告："));
        QVERIFY2(!(warning && notes), qPrintable(line));
        notes = notes || line.startsWith(QStringLiteral("提示："));
        for (const QChar c : line) {
            QVERIFY2(c != u'_', qPrintable(line)); // words, not codes
        }
    }
    const auto expected = ui::enteredPoint(cases()[std::size_t(index)].computation).advice;
    for (const Advice& item : expected) {
        QVERIFY(!advice->findItems(ui::adviceText(item), Qt::MatchExactly).isEmpty());
    }
}

void CurveTest::overlaysAddOneSeriesEach() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    auto* copper = dialog->findChild<QCheckBox*>("overlay_copper");
    QVERIFY(copper->isChecked() && !copper->isEnabled()); // the current metal, fixed
    const qsizetype before = dialog->chart().series().size();
    const QStringList metals{"overlay_silver", "overlay_iron", "overlay_aluminium"};
    for (qsizetype i = 0; i < metals.size(); ++i) {
        QTest::mouseClick(dialog->findChild<QCheckBox*>(metals[i]), Qt::LeftButton);
        QVERIFY(drawn(*dialog));
        QCOMPARE(dialog->chart().series().size(), before + i + 1);
        QCOMPARE(seriesCount(dialog->chart(), metals[i]), 1);
    }
    // Silver's curve is the engine's sweep with silver.
    const Computation silver = ui::withMaterial(cases()[0].computation, materialIndex("silver"));
    QCOMPARE(seriesPoints(dialog->chart(), "overlay_silver"),
             engineSweep(silver, ui::defaultBand(silver)).first);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("overlay_iron"), Qt::LeftButton);
    QVERIFY(drawn(*dialog));
    QCOMPARE(seriesCount(dialog->chart(), "overlay_iron"), 0);
    QCOMPARE(dialog->chart().series().size(), before + 2);
}

void CurveTest::axisStopsAt300UnlessWholeRange() {
    CurveDialog* dialog = open(3); // the thick iron box
    QVERIFY(dialog != nullptr);
    std::vector<double> values;
    for (const ui::CurvePoint& p : dialog->curve()) {
        for (const auto& value : {p.handbook, p.reference}) {
            if (value) {
                values.push_back(*value);
            }
        }
    }
    const auto [lowest, highest] = std::ranges::minmax_element(values);
    QVERIFY(*highest > 1000);
    auto* axis = qobject_cast<QCategoryAxis*>(dialog->chart().axes(Qt::Vertical).front());
    QVERIFY(axis != nullptr);
    auto* whole = dialog->findChild<QCheckBox*>("wholeRange");
    QVERIFY(!whole->isChecked());
    for (const bool checked : {false, true, false}) {
        if (whole->isChecked() != checked) {
            QTest::mouseClick(whole, Qt::LeftButton);
        }
        QVERIFY(axis->min() <= std::min(0.0, *lowest));
        if (checked) {
            QVERIFY(axis->max() >= *highest);
            QVERIFY(!axis->categoriesLabels().back().contains(u'>'));
        } else {
            QCOMPARE(axis->max(), 300.0);
            QCOMPARE(axis->categoriesLabels().back(), QStringLiteral("> 300 dB"));
        }
    }
}

void CurveTest::largeSweepDrawsFewPointsAndReadsEvery() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    for (QCheckBox* metal : dialog->findChildren<QCheckBox*>()) {
        metal->setChecked(metal->objectName().startsWith(u"overlay_"));
    }
    QVERIFY(drawn(*dialog));
    auto* points = dialog->findChild<QLineEdit*>("points");
    points->setText(QStringLiteral("100000"));
    emit points->editingFinished();
    // The window says it is busy only after a moment, and no longer once drawn.
    auto* busy = dialog->findChild<QWidget*>("busy");
    QVERIFY(dialog->sweeping() && !busy->isVisible());
    QVERIFY(drawn(*dialog));
    QVERIFY(!busy->isVisible());
    QCOMPARE(dialog->curve().size(), std::size_t(100000));
    // A few points a pixel column: no more than two for each column of the view.
    const int columns = dialog->findChild<QChartView*>("chart")->width();
    const qsizetype drawnPoints = seriesPoints(dialog->chart(), "handbook").size();
    QVERIFY2(drawnPoints <= 2 * columns && drawnPoints > columns / 2,
             qPrintable(QString::number(drawnPoints)));
    // The read-out gives a point of the whole sweep, under the pointer: one
    // of the hundred and more in that pixel column.
    const std::vector<float> frequencies =
        sweepFrequencies({.start = 0.001f, .stop = 1000, .points = 100000});
    const std::size_t i = 61803;
    const ui::Curve& curve = dialog->curve();
    QCOMPARE(curve[i].f, frequencies[i]);
    auto* view = dialog->findChild<QChartView*>("chart");
    const QPointF at = dialog->chart().mapToPosition(QPointF(curve[i].f, 10));
    movePointer(*view, view->mapFromScene(dialog->chart().mapToScene(at)));
    const QString readout = dialog->findChild<QLabel*>("readout")->text();
    bool found = false;
    for (std::size_t j = i - 300; j < i + 300; ++j) {
        found = found || readout == ui::readoutText(curve[j], FrequencyUnit::MHz, true);
    }
    QVERIFY2(found, qPrintable(readout));
}

void CurveTest::newerBandSupersedesARunningSweep() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    QSignalSpy drawnSignals(dialog, &CurveDialog::curvesDrawn);
    auto* points = dialog->findChild<QLineEdit*>("points");
    for (const char* metal : {"overlay_silver", "overlay_iron"}) {
        dialog->findChild<QCheckBox*>(metal)->setChecked(true);
    }
    points->setText(QStringLiteral("100000"));
    emit points->editingFinished();
    QVERIFY(dialog->sweeping());
    points->setText(QStringLiteral("23"));
    emit points->editingFinished();
    QVERIFY(drawn(*dialog));
    // Only the last band was ever drawn.
    QCOMPARE(drawnSignals.size(), 1);
    QCOMPARE(dialog->curve().size(), std::size_t(23));
    const SweepGrid band{.start = 0.001f, .stop = 1000, .points = 23};
    QCOMPARE(seriesPoints(dialog->chart(), "handbook"),
             engineSweep(cases()[0].computation, band).first);
    const Computation iron = ui::withMaterial(cases()[0].computation, kIron);
    QCOMPARE(seriesPoints(dialog->chart(), "overlay_iron"), engineSweep(iron, band).first);
    // Nothing arrives from the superseded sweep once it has stopped.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(drawnSignals.size(), 1);
    QCOMPARE(dialog->curve().size(), std::size_t(23));
}

void CurveTest::readoutFollowsThePointer() {
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    auto* view = dialog->findChild<QChartView*>("chart");
    const QPointF at = dialog->chart().mapToPosition(QPointF(1, 67.753));
    const QPoint inView = view->mapFromScene(dialog->chart().mapToScene(at));
    movePointer(*view, inView);
    const QString readout = dialog->findChild<QLabel*>("readout")->text();
    QVERIFY2(readout.startsWith(QStringLiteral("f = 1 MHz")), qPrintable(readout));
    const ui::PointResult entered = ui::enteredPoint(cases()[0].computation);
    QVERIFY2(
        readout.contains(QStringLiteral("手册公式 %1 dB").arg(ui::approx(*entered.handbook))) &&
            readout.contains(QStringLiteral("参考模型 %1 dB").arg(ui::approx(*entered.reference))),
        qPrintable(readout));
}

void CurveTest::f1ShowsAbout() {
    CurveDialog* dialog = open(2);
    QVERIFY(dialog != nullptr);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, QStringLiteral("CurveDialog"));
    QCOMPARE(messages[0].message.title, QStringLiteral("关于"));
    QVERIFY(dialog->isVisible());
}

void CurveTest::numbersReadBack_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("a thousandth") << 0.001f << "0.001";
    QTest::newRow("a tenth") << 0.1f << "0.1";
    QTest::newRow("a hundred thousand") << 1e5f << "100000";
    QTest::newRow("a thousand times 100000") << 1e8f << "100000000";
    QTest::newRow("below a millionth: exponent") << 1e-7f << "1e-07";
    QTest::newRow("from 1e10: exponent") << 1e10f << "1e+10";
    QTest::newRow("single precision's largest") << 3.4028235e38f << "3.4028235e+38";
    QTest::newRow("negative") << -2.5f << "-2.5";
}

void CurveTest::numbersReadBack() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(ui::numberText(value), text);
    QCOMPARE(parseNumber(text.toStdString()), value);
}

void CurveTest::bandMessageIsPlainTextReadWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("font markup") << "<font size=7 color=#00ff00>BIG</font>";
    QTest::newRow("an image") << "<img src=\":/a.png\" width=400>";
    QTest::newRow("nan") << "nan";
}

void CurveTest::bandMessageIsPlainTextReadWhole() {
    QFETCH(QString, text);
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    auto* start = dialog->findChild<QLineEdit*>("start");
    start->setText(text);
    emit start->editingFinished();
    dialog->layout()->activate();
    const auto* message = dialog->findChild<QLabel*>("bandMessage");
    QVERIFY(message->isVisible());
    // What was typed shows as the characters typed.
    QVERIFY(message->text().contains(text));
    QCOMPARE(message->textFormat(), Qt::PlainText);
    // Every line of the message inside the label, the label inside the window.
    const QRect room = message->contentsRect();
    const QRect needed =
        message->fontMetrics().boundingRect(room, Qt::TextWordWrap, message->text());
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(room.width())
                            .arg(room.height())));
    QVERIFY(dialog->rect().contains(message->geometry()));
}

void CurveTest::exportThroughFileDialog(CurveDialog& dialog, const char* button,
                                        const QString& folder, const QString& name, int filter) {
    expectedModals.append(QStringLiteral("exportFile"));
    QTimer fill;
    fill.setInterval(5);
    connect(&fill, &QTimer::timeout, this, [&] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (files == nullptr) {
            return;
        }
        fill.stop();
        files->setDirectory(folder);
        // The filter chosen as a user does, with the arrow keys.
        auto* types = files->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < filter; ++i) {
            QTest::keyClick(types, Qt::Key_Down);
        }
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog*>(files)->accept(); // a question to replace is closed: No
        if (files->isVisible()) {
            files->reject();
        }
    });
    fill.start();
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

void CurveTest::exportAsksAboutTheFinalName_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("picture, PNG chosen") << "exportPicture" << 0 << "report"
                                         << "report.png";
    QTest::newRow("picture, SVG twice chosen") << "exportPicture" << 5 << "report"
                                               << "report.svg";
    QTest::newRow("data") << "exportData" << 0 << "report"
                          << "report.csv";
}

void CurveTest::exportAsksAboutTheFinalName() {
    QFETCH(QString, button);
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    QTemporaryDir folder;
    // Absent: written under the final name, nothing asked.
    exportThroughFileDialog(*dialog, qPrintable(button), folder.path(), typed, filter);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QVERIFY(modalBoxes.isEmpty());
    QVERIFY(messages.isEmpty());
    // Present: asked before it is replaced; answered No, it stays as it was.
    QFile existing(folder.filePath(written));
    QVERIFY(existing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    existing.write("keep me");
    existing.close();
    exportThroughFileDialog(*dialog, qPrintable(button), folder.path(), typed, filter);
    QCOMPARE(modalBoxes.size(), 1);
    QVERIFY2(modalBoxes[0].text.contains(written), qPrintable(modalBoxes[0].text));
    QCOMPARE(modalBoxes[0].buttons.size(), 2);
    modalBoxes.clear(); // asked on purpose
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));
    QVERIFY(messages.isEmpty());
}

void CurveTest::pictureIsWhatItsNameSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic"); // the file's first bytes; empty: refused
    const QByteArray jpeg("\xFF\xD8\xFF");
    const QByteArray png("\x89PNG\r\n\x1A\n");
    QTest::newRow("JPEG") << "pic.jpg" << jpeg;
    QTest::newRow("JPEG, long upper-case extension") << "pic.JPEG" << jpeg;
    QTest::newRow("PNG") << "pic.png" << png;
    QTest::newRow("BMP") << "pic.bmp" << QByteArray("BM");
    QTest::newRow("empty extension") << "dot." << QByteArray();
    QTest::newRow("no extension") << "pic" << QByteArray();
    QTest::newRow("not a picture") << "notes.txt" << QByteArray();
}

void CurveTest::pictureIsWhatItsNameSays() {
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    CurveDialog* dialog = open(1);
    QVERIFY(dialog != nullptr);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QCOMPARE(dialog->writePicture(path, 1), !magic.isEmpty());
    if (magic.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].message.title, QStringLiteral("导出图片"));
        QVERIFY(QDir(folder.path()).isEmpty()); // nothing written under any name
        return;
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(magic.size()), magic);
    QVERIFY(messages.isEmpty());
}

void CurveTest::writeErrorQuotesTheNameInABoxOnTheScreen() {
    QTemporaryDir folder;
    // 4,411 characters in folders that do not exist, ending in a right-to-left
    // override and a line break.
    const QString name = QStringLiteral("\u202E\n.csv");
    QString path = folder.path();
    while (path.size() < 4411 - 1 - name.size()) {
        path += QStringLiteral("/abcdefghi");
    }
    path = path.left(4411 - 1 - name.size()) + u'/' + name;
    QCOMPARE(path.size(), 4411);
    CurveDialog* dialog = open(0);
    QVERIFY(dialog != nullptr);
    QVERIFY(!dialog->writeData(path));
    QCOMPARE(messages.size(), 1);
    const QString prompt = messages[0].message.prompt;
    QVERIFY2(prompt.size() < 160, qPrintable(prompt));
    QVERIFY2(!prompt.contains(QChar(0x202E)), qPrintable(prompt));
    QCOMPARE(prompt.count(u'\n'), 1); // the message's own line break only
    // Shortened in the middle; the end of the name shown with visible stand-ins.
    QVERIFY2(prompt.contains(QStringLiteral("…")) &&
                 prompt.contains(QStringLiteral("/<U+202E>␊.csv”")),
             qPrintable(prompt));
    dialog->close();

    restartWithMessageBoxes();
    dialog = open(0);
    QVERIFY(dialog != nullptr);
    QVERIFY(!dialog->writeData(path));
    QCOMPARE(modalBoxes.size(), 1);
    const QRect screen = dialog->screen()->availableGeometry();
    QVERIFY2(screen.contains(modalBoxes[0].frame),
             qPrintable(QStringLiteral("%1x%2")
                            .arg(modalBoxes[0].frame.width())
                            .arg(modalBoxes[0].frame.height())));
    modalBoxes.clear(); // shown on purpose
}

void CurveTest::referenceWithoutALineSaysWhy() {
    // Holes near a magnetic source: the hole array is a plane-wave model.
    expectedModals = QStringList{"CurveDialog"};
    QVERIFY(walk({"Opt2", "Com1", "Opt2", "Comm2", "Com1#1", "Com2#5", "Text1=0.1", "Text2=100000",
                  "Text3=0.5", "Text4=10", "Text5=0.2", "Text7=1", "Text6=0.3", "Comm2"}) &&
            click("Comm3"));
    auto* dialog = qobject_cast<CurveDialog*>(window("CurveDialog"));
    QVERIFY(dialog != nullptr && drawn(*dialog));
    QCOMPARE(seriesCount(dialog->chart(), "reference"), 1);
    QVERIFY(seriesPoints(dialog->chart(), "reference").isEmpty());
    const QList<QLegendMarker*> markers = dialog->chart().legend()->markers();
    QVERIFY(std::ranges::any_of(markers, [](const QLegendMarker* marker) {
        return marker->isVisible() &&
               marker->label() == QStringLiteral("参考模型：小孔阵列（不适用：只用于平面波）");
    }));
}

QTEST_MAIN(CurveTest)
#include "tst_curve.moc"
