// The result at full contrast and copied to the clipboard, the rows of the
// drop-down lists, the tooltips of the less obvious inputs, and where each
// window opens: centred at first, afterwards where the previous one stood.
#include "ui/choice_box.h"
#include "ui_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as the usual accessibility rules
// define them.
double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class ResultAndPlacesTest : public UiTest {
    Q_OBJECT

private slots:
    void resultReadsAtFullContrast();
    void resultIsCopied_data();
    void resultIsCopied();
    void selectionRepaintsOnlyTheLine();
    void warningLineFollowsTheAdvice();
    void dropDownRowsAreSpacious_data();
    void dropDownRowsAreSpacious();
    void lessObviousInputsHaveTooltips_data();
    void lessObviousInputsHaveTooltips();
    void firstWindowIsCentred();
    void nextWindowOpensWhereThePreviousStood_data();
    void nextWindowOpensWhereThePreviousStood();

private:
    // Opens the result line's context menu and chooses the entry.
    void chooseFromContextMenu(const QString& entry);
};

void ResultAndPlacesTest::resultReadsAtFullContrast() {
    QVERIFY(walk(pathTo("Frmsub3")));
    const auto* box = find<QLineEdit>("Frmsub3", "Text1");
    QVERIFY(!box->isEnabled());
    QVERIFY(box->focusPolicy() == Qt::NoFocus || !box->isEnabled()); // out of the tab order
    const QPalette colours = box->palette();
    QVERIFY(contrast(colours.color(QPalette::Disabled, QPalette::Text),
                     colours.color(QPalette::Disabled, QPalette::Base)) >= 7.0);
}

void ResultAndPlacesTest::chooseFromContextMenu(const QString& entry) {
    bool chosen = false;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->close();
                action->trigger();
                chosen = true;
            }
        }
        menu->close();
    });
    // Right-clicked, the disabled box hands the event on to its window.
    QWidget* box = find<QWidget>("Frmsub3", "Text1");
    QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &event);
    QVERIFY2(chosen, qPrintable(entry));
}

void ResultAndPlacesTest::resultIsCopied_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("copied");
    QTest::newRow("Ctrl+C: the value") << QStringList{"Ctrl+C"} << "239";
    QTest::newRow("Ctrl+A, Ctrl+C: the line with its unit")
        << QStringList{"Ctrl+A", "Ctrl+C"} << "239 dB";
    QTest::newRow("a click ends the selection")
        << QStringList{"Ctrl+A", "click", "Ctrl+C"} << "239";
    QTest::newRow("menu: copy") << QStringList{"menu 复制"} << "239";
    QTest::newRow("menu: select all, copy") << QStringList{"menu 全选", "menu 复制"} << "239 dB";
}

void ResultAndPlacesTest::resultIsCopied() {
    QFETCH(QStringList, actions);
    QFETCH(QString, copied);
    QVERIFY(walk(pathTo("Frmsub3")));
    QWidget* result = window("Frmsub3");
    QVERIFY(QTest::qWaitForWindowActive(result));
    QGuiApplication::clipboard()->clear();
    for (const QString& action : actions) {
        if (action.startsWith(u"menu ")) {
            chooseFromContextMenu(action.mid(5));
        } else if (action == u"click") {
            QTest::mouseClick(result, Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            QTest::keySequence(result->focusWidget(), QKeySequence(action));
        }
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
}

void ResultAndPlacesTest::selectionRepaintsOnlyTheLine() {
    QVERIFY(walk(pathTo("Frmsub3")));
    QWidget* result = window("Frmsub3");
    QVERIFY(QTest::qWaitForWindowExposed(result));
    QCoreApplication::processEvents();
    auto* unit = find<QLabel>("Frmsub3", "Lab2");
    const QRect line = find<QWidget>("Frmsub3", "Text1")->geometry().united(unit->geometry());

    // What the window itself repaints once the whole line is selected.
    struct PaintRecorder final : QObject {
        QRegion painted;
        bool eventFilter(QObject* /*watched*/, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } recorder;
    result->installEventFilter(&recorder);
    QTest::keySequence(result->focusWidget(), QKeySequence::SelectAll);
    QCoreApplication::processEvents();
    result->removeEventFilter(&recorder);

    const QRect outside = recorder.painted.subtracted(line).boundingRect();
    QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("painted outside the line: %1,%2 %3x%4")
                                               .arg(outside.x())
                                               .arg(outside.y())
                                               .arg(outside.width())
                                               .arg(outside.height())));
    // The unit itself shows the selection.
    const QImage shown = unit->grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0),
             result->palette().color(QPalette::Active, QPalette::Highlight));
}

void ResultAndPlacesTest::warningLineFollowsTheAdvice() {
    // The result window as designed: 6420 x 3825 twips, its buttons at the
    // top 3000, left 2205, 3720 and 4920 twips (15 twips to a pixel).
    const QSize designed(428, 255);
    const QList<std::pair<QString, QPoint>> buttons{
        {"Comm3", {147, 200}}, {"Comm1", {248, 200}}, {"Comm2", {328, 200}}};
    const auto expectDesigned = [&] {
        QCOMPARE(window("Frmsub3")->size(), designed);
        for (const auto& [name, place] : buttons) {
            QCOMPARE(find<QWidget>("Frmsub3", name)->pos(), place);
        }
        QVERIFY(!find<QLabel>("Frmsub3", "warning")->isVisible());
        QVERIFY(!find<QLabel>("Frmsub3", "warningIcon")->isVisible());
    };

    // A copper sheet at 1 MHz: notes only.
    QVERIFY(walk(pathTo("Frmsub3")));
    expectDesigned();
    QList<QRect> upper;
    for (const char* name : {"Lab1", "Text1", "Lab2"}) {
        upper.append(find<QWidget>("Frmsub3", name)->geometry());
    }

    // Two 10 um copper sheets 5 cm apart at 1 GHz: the handbook gives
    // 1147.8 dB, the chain-matrix reference 244.2 dB.
    QVERIFY(walk(QStringList{"Comm2"} + pathTo("Frmsub5") +
                 QStringList{"Text1=1e6", "Text2=0.001", "Combo1#0", "Text5=0.001", "Text6=5",
                             "Combo2#0", "Comm2"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    const auto* warning = find<QLabel>("Frmsub3", "warning");
    const auto* icon = find<QLabel>("Frmsub3", "warningIcon");
    QVERIFY(warning->isVisible());
    QVERIFY(icon->isVisible());
    QCOMPARE(warning->textFormat(), Qt::PlainText);
    const QString text = warning->text().replace(QChar::Nbsp, u' ');
    const QRegularExpressionMatch numbers =
        QRegularExpression(QStringLiteral("^参考模型 ([0-9.]+) dB：.*高 ([0-9.]+) dB")).match(text);
    QVERIFY2(numbers.hasMatch(), qPrintable(text));
    QVERIFY(std::abs(numbers.captured(1).toDouble() - 244.2) < 0.05);
    QVERIFY(std::abs(numbers.captured(2).toDouble() - (1147.8 - 244.2)) < 0.1);
    QVERIFY2(!text.contains(QStringLiteral("120 dB")), "the note is left to the curve window");

    // Everything down to the result row stays; the rest moves down by the line.
    const QRect line = find<QWidget>("Frmsub3", "warningLine")->geometry();
    const int grown = line.height();
    QVERIFY(grown >= warning->fontMetrics().height());
    QVERIFY(warning->heightForWidth(warning->width()) <= grown); // the whole text shows
    QCOMPARE(window("Frmsub3")->size(), designed + QSize(0, grown));
    for (const auto& [name, place] : buttons) {
        QCOMPARE(find<QWidget>("Frmsub3", name)->pos(), place + QPoint(0, grown));
    }
    int i = 0;
    for (const char* name : {"Lab1", "Text1", "Lab2"}) {
        QCOMPARE(find<QWidget>("Frmsub3", name)->geometry(), upper[i++]);
    }
    QVERIFY(line.top() >= upper[1].bottom());
    QVERIFY(line.bottom() < find<QWidget>("Frmsub3", "Comm1")->y());
    QVERIFY(window("Frmsub3")->rect().contains(line));
    QVERIFY(icon->geometry().right() < warning->x());

    // A later result without a warning finds the window as designed.
    QVERIFY(walk(QStringList{"Comm2"} + pathTo("Frmsub3")));
    expectDesigned();
}

void ResultAndPlacesTest::dropDownRowsAreSpacious_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::newRow("Frmsub2 material") << "Frmsub2"
                                      << "Combo1";
    QTest::newRow("Frmsub4 hole shape") << "Frmsub4"
                                        << "Com1";
    QTest::newRow("Frmsub4 material") << "Frmsub4"
                                      << "Com2";
    QTest::newRow("Frmsub5 second sheet") << "Frmsub5"
                                          << "Combo2";
    QTest::newRow("Frmsub7 material") << "Frmsub7"
                                      << "Combo1";
}

void ResultAndPlacesTest::dropDownRowsAreSpacious() {
    QFETCH(QString, name);
    QFETCH(QString, box);
    QVERIFY(walk(pathTo(name)));
    auto* list = find<QComboBox>(name, box);
    list->showPopup();
    const QAbstractItemView* view = list->view();
    QVERIFY(view->isVisible());
    for (int row = 0; row < list->count(); ++row) {
        QTextLayout layout(list->itemText(row), view->font(), view->viewport());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const qreal textHeight = line.height();
        QVERIFY(textHeight > 0);
        const QRect shown = view->visualRect(list->model()->index(row, 0));
        QVERIFY2(shown.height() >= shieldcalc::ui::kRowSpacing * textHeight,
                 qPrintable(QStringLiteral("%1 < 1.4 x %2").arg(shown.height()).arg(textHeight)));
        QVERIFY(view->viewport()->rect().contains(shown)); // no scrolling to reach it
    }
    list->hidePopup();
}

void ResultAndPlacesTest::lessObviousInputsHaveTooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    const auto row = [](const char* input, const char* form, const char* label, const char* unit) {
        QTest::newRow(input) << form << label << QString::fromUtf8(unit);
    };
    row("solid l", "Frmsub2", "Lab3", "厘米(cm)");
    row("aperture D", "Frmsub4", "Lab6", "厘米(cm)");
    row("aperture a", "Frmsub4", "Lab8", "平方厘米(cm*cm)");
    row("aperture n", "Frmsub4", "Lab9", "个每平方厘米");
    row("aperture w", "Frmsub4", "Lab11", "厘米(cm)");
    row("double layer l2", "Frmsub5", "Label3", "厘米(cm)");
    row("double layer r2", "Frmsub5", "Label4", "厘米(cm)");
    row("enclosure a", "Frmsub7", "Label2", "厘米(cm)");
    row("enclosure h", "Frmsub7", "Label3", "厘米(cm)");
}

void ResultAndPlacesTest::lessObviousInputsHaveTooltips() {
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    QVERIFY(walk(pathTo(name)));
    const auto* caption = find<QLabel>(name, label);
    const QString tip = caption->toolTip();
    QVERIFY2(tip.contains(unit), qPrintable(tip));
    QVERIFY(tip.endsWith(u'。'));
    QCOMPARE(tip.count(u'。'), 1); // one sentence
    QCOMPARE(caption->buddy()->toolTip(), tip);
}

void ResultAndPlacesTest::firstWindowIsCentred() {
    const QWidget* menu = window("frmmain");
    const QRect available = menu->screen()->availableGeometry();
    QVERIFY((menu->geometry().center() - available.center()).manhattanLength() <= 1);
}

void ResultAndPlacesTest::nextWindowOpensWhereThePreviousStood_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QPoint>("corner"); // the menu's corner after the user moved it
    QTest::addColumn<bool>("clamped");
    const QStringList toResultAndBack = pathTo("Frmsub3") + QStringList{"Comm1"};
    QTest::newRow("menu to field sources") << pathTo("Frmsub1") << QPoint(30, 40) << false;
    QTest::newRow("through to the result and back") << toResultAndBack << QPoint(200, 120) << false;
    QTest::newRow("moved off the bottom right: kept on the screen")
        << pathTo("Frmsub4") << QPoint(700, 500) << true;
    QTest::newRow("moved off the top left: kept on the screen")
        << pathTo("Frmsub6") << QPoint(-300, -200) << true;
}

void ResultAndPlacesTest::nextWindowOpensWhereThePreviousStood() {
    QFETCH(QStringList, steps);
    QFETCH(QPoint, corner);
    QFETCH(bool, clamped);
    QWidget* menu = window("frmmain");
    menu->move(corner);
    const QPoint centre = menu->geometry().center();
    QVERIFY(walk(steps));
    const QWidget* shown = window(visibleWindows());
    const QRect available = shown->screen()->availableGeometry();
    QVERIFY(available.contains(shown->frameGeometry()));
    if (!clamped) {
        QVERIFY((shown->geometry().center() - centre).manhattanLength() <= 1);
    }
}

QTEST_MAIN(ResultAndPlacesTest)
#include "tst_result_and_places.moc"
