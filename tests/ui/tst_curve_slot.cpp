// The closed box's curve window with slots in its wall: the group and its
// message, the box-slot curves and the box's resonance lines, the band
// extended once to show the first resonance, and the read-out against the
// command line's box-slot at the same frequency.
#include "tests/cli/run_cli.h"
#include "ui/curve_dialog.h"
#include "ui_test.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QTest>

#include <cmath>

using namespace shieldcalc;
using shieldcalc::ui::CurveDialog;

namespace {

// The steps to the result window of a closed copper box 30 cm long (a), 30 cm
// wide (b) and 12 cm high (h), its wall 1 mm, against a magnetic source at
// f kHz.
QStringList boxSteps(const QString& f) {
    return {"Opt4",     "Com1",     "Opt1",     "Comm2",    "Text1=" + f, "Text2=0.1",
            "Combo1#0", "Text3=30", "Text4=30", "Text5=12", "Comm2"};
}

// TE101 of the 30 x 30 x 12 cm box, (c / 2) sqrt((1/a)^2 + (1/b)^2), in kHz.
const double kFirstResonanceKHz = 299792458.0 / 2 * std::hypot(1 / 0.3, 1 / 0.3) / 1e3;

int seriesPointCount(const QChart& chart, const QString& name) {
    int count = 0;
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == name) {
            count += static_cast<int>(static_cast<QXYSeries*>(series)->count());
        }
    }
    return count;
}

// The resonance lines or their labels on the chart, in the order drawn.
template <class Item> QList<Item*> chartItems(QChart& chart) {
    QList<Item*> items;
    for (QGraphicsItem* child : chart.childItems()) {
        if (auto* item = dynamic_cast<Item*>(child)) {
            items.append(item);
        }
    }
    return items;
}

// Waits, the events running, until the curves asked for are drawn and the
// chart laid out around them.
bool drawn(const CurveDialog& dialog) {
    const bool done = QTest::qWaitFor([&] { return !dialog.sweeping(); }, 60000);
    QCoreApplication::sendPostedEvents();
    return done;
}

// Types text into field and waits for what it asks to be drawn.
void enter(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->editingFinished();
    QVERIFY(drawn(*qobject_cast<const CurveDialog*>(field->window())));
}

} // namespace

class CurveSlotTest : public UiTest {
    Q_OBJECT

private slots:
    void slotsAddTheModelAndTheResonances();
    void readoutIsTheCommandLinesBoxSlot_data();
    void readoutIsTheCommandLinesBoxSlot();
    void refusedSlotsAreToldAndDrawNothing_data();
    void refusedSlotsAreToldAndDrawNothing();

private:
    CurveDialog* open(const QString& f);
};

CurveDialog* CurveSlotTest::open(const QString& f) {
    expectedModals = QStringList{"CurveDialog"};
    if (!walk(boxSteps(f)) || !click("Comm3")) {
        return nullptr;
    }
    auto* dialog = qobject_cast<CurveDialog*>(window("CurveDialog"));
    return dialog != nullptr && dialog->isVisible() && drawn(*dialog) ? dialog : nullptr;
}

void CurveSlotTest::slotsAddTheModelAndTheResonances() {
    // At 100 kHz the default band ends at 100 MHz, below the first resonance.
    CurveDialog* dialog = open(QStringLiteral("100"));
    QVERIFY(dialog != nullptr);
    auto* stop = dialog->findChild<QLineEdit*>("stop");
    QCOMPARE(dialog->findChild<QGroupBox*>("slot")->title(), QStringLiteral("开孔"));
    // A length alone is not yet a slot, and nothing is wrong with it.
    enter(dialog->findChild<QLineEdit*>("slotLength"), QStringLiteral("10"));
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 0);
    QVERIFY(!dialog->findChild<QLabel*>("slotMessage")->isVisible());
    enter(dialog->findChild<QLineEdit*>("slotWidth"), QStringLiteral("0.5"));

    // The band now ends at twice the first resonance, and both curves span it.
    QVERIFY(std::abs(stop->text().toDouble() / (2 * kFirstResonanceKHz) - 1) < 1e-6);
    QCOMPARE(dialog->curve().back().f, stop->text().toFloat());
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 401);
    QCOMPARE(seriesPointCount(dialog->chart(), "slotMagnetic"), 401);

    // Three labelled lines across the plot, the first at TE101 on the
    // logarithmic axis from 0.1 kHz, the labels clear of each other.
    dialog->layout()->activate();
    const auto lines = chartItems<QGraphicsLineItem>(dialog->chart());
    const auto labels = chartItems<QGraphicsSimpleTextItem>(dialog->chart());
    QCOMPARE(lines.size(), 3);
    QVERIFY2(labels[0]->text().startsWith(QStringLiteral("谐振 706.6")),
             qPrintable(labels[0]->text()));
    const QRectF plot = dialog->chart().plotArea();
    const double x = plot.left() + plot.width() * std::log(kFirstResonanceKHz / 0.1) /
                                       std::log(2 * kFirstResonanceKHz / 0.1);
    QVERIFY(std::abs(lines[0]->line().x1() - x) < 0.5);
    for (qsizetype i = 0; i < 3; ++i) {
        QCOMPARE(lines[i]->line().y1(), plot.top());
        QCOMPARE(lines[i]->line().y2(), plot.bottom());
        QVERIFY(i == 0 || lines[i - 1]->line().x1() < lines[i]->line().x1());
        const QRectF label = labels[i]->sceneBoundingRect();
        QVERIFY(dialog->chart().sceneBoundingRect().contains(label));
        for (qsizetype j = 0; j < i; ++j) {
            QVERIFY(!label.intersects(labels[j]->sceneBoundingRect()));
        }
    }

    // The user may take the band back; the slots then keep it, and the
    // lines beyond it are hidden.
    enter(stop, QStringLiteral("100000"));
    enter(dialog->findChild<QLineEdit*>("slotWidth"), QStringLiteral("0.8"));
    QCOMPARE(dialog->curve().back().f, 100000.0f);
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 401);
    for (QGraphicsLineItem* line : chartItems<QGraphicsLineItem>(dialog->chart())) {
        QVERIFY(!line->isVisible());
    }
    // Emptied, the slots leave the chart.
    enter(dialog->findChild<QLineEdit*>("slotWidth"), QString());
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 0);
    QVERIFY(chartItems<QGraphicsLineItem>(dialog->chart()).isEmpty());
}

void CurveSlotTest::readoutIsTheCommandLinesBoxSlot_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("mhz");
    QTest::addColumn<QString>("shown");
    // Two-point bands: the frequencies read out are exactly the typed ones.
    QTest::newRow("10 MHz") << "10000"
                            << "20000" << true << "10"
                            << "10000";
    QTest::newRow("710 MHz, past the first dip") << "700000"
                                                 << "710000" << false << "710"
                                                 << "7.1e+05";
    QTest::newRow("702.5 MHz, in the dip") << "702500"
                                           << "800000" << true << "702.5"
                                           << "7.025e+05";
}

void CurveSlotTest::readoutIsTheCommandLinesBoxSlot() {
    QFETCH(QString, start);
    QFETCH(QString, stop);
    QFETCH(bool, atStart);
    QFETCH(QString, mhz);
    QFETCH(QString, shown);
    CurveDialog* dialog = open(QStringLiteral("1000"));
    QVERIFY(dialog != nullptr);
    for (const auto& [name, text] : {std::pair{"slotLength", QStringLiteral("10")},
                                     {"slotWidth", QStringLiteral("0.5")},
                                     {"points", QStringLiteral("2")},
                                     {"stop", stop},
                                     {"start", start}}) {
        enter(dialog->findChild<QLineEdit*>(QString::fromLatin1(name)), text);
    }
    // The pointer just inside the plot at the band's end.
    auto* view = dialog->findChild<QChartView*>("chart");
    dialog->layout()->activate();
    const QRectF plot = dialog->chart().plotArea();
    const QPointF at(atStart ? plot.left() + 1 : plot.right() - 1, plot.center().y());
    QTest::mouseMove(view->viewport(), view->mapFromScene(dialog->chart().mapToScene(at)));
    const QString readout = dialog->findChild<QLabel*>("readout")->text();

    const testing::CliRun cli =
        testing::runCli({"box-slot", "-f", mhz.toStdString(), "-a", "30", "-h", "12", "-b", "30",
                         "--slot-length", "10", "--slot-width", "0.5", "-l", "0.1", "--json"});
    QVERIFY2(cli.status == 0, cli.err.c_str());
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(cli.out)).object();
    QVERIFY2(readout.startsWith(QStringLiteral("f = %1 kHz").arg(shown)), qPrintable(readout));
    // The values as the command line displays them.
    const QString values =
        QStringLiteral("开孔机箱 电场屏效 %1 dB　磁场屏效 %2 dB")
            .arg(json["display_e"].toString().trimmed(), json["display_h"].toString().trimmed());
    QVERIFY2(readout.endsWith(values), qPrintable(readout + u'\n' + values));
}

void CurveSlotTest::refusedSlotsAreToldAndDrawNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number, quoted as typed") << "<b>abc"
                                                   << "“孔宽 W(cm)”一栏中的“<b>abc”";
    QTest::newRow("no wider than the wall is thick") << "0.1"
                                                     << "壁厚 l（0.1 cm）";
}

void CurveSlotTest::refusedSlotsAreToldAndDrawNothing() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    CurveDialog* dialog = open(QStringLiteral("1000"));
    QVERIFY(dialog != nullptr);
    auto* width = dialog->findChild<QLineEdit*>("slotWidth");
    enter(dialog->findChild<QLineEdit*>("slotLength"), QStringLiteral("10"));
    enter(width, text);
    auto* told = dialog->findChild<QLabel*>("slotMessage");
    QVERIFY(told->isVisible());
    QCOMPARE(told->textFormat(), Qt::PlainText);
    QVERIFY2(told->text().contains(message), qPrintable(told->text()));
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 0);
    QVERIFY(messages.isEmpty());
    enter(width, QStringLiteral("0.5"));
    QVERIFY(!told->isVisible());
    QCOMPARE(seriesPointCount(dialog->chart(), "slotElectric"), 401);
}

QTEST_MAIN(CurveSlotTest)
#include "tst_curve_slot.moc"
