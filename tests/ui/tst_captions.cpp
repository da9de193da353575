// Every caption of every window whole and clear of the other controls, with
// the fonts and the scale factor in use (the suite runs once per scale
// factor, QT_SCALE_FACTOR): each label paints its own caption, its extents
// (as the accessibility tools see them) hold the caption's text and keep at
// least 3 pixels from every other control and caption, the captions in the row
// of a text box or drop-down box of a calculator form are centred on it, and
// the option buttons' captions fit inside the buttons. Also the faces: Latin
// letters from the serif face, Chinese from the Song face, real bold where
// designed.
#include "ui/captions.h"
#include "ui_test.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <cmath>
#include <optional>
#include <utility>

namespace {

const QStringList kAllWindows{"frmmain", "Frmsub1", "Frmsub2", "Frmsub3",
                              "Frmsub4", "Frmsub5", "Frmsub6", "Frmsub7"};

// The faces that draw text in font, each with the characters it draws.
QList<QGlyphRun> glyphRuns(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

QSizeF textSize(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return {line.naturalTextWidth(), line.height()};
}

// One row per window of names.
void windowRows(const QStringList& names = kAllWindows) {
    QTest::addColumn<QString>("name");
    for (const QString& name : names) {
        QTest::addRow("%s", qPrintable(name)) << name;
    }
}

// The labels of a window.
QList<QLabel*> labelsOf(const QWidget& form) {
    return form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
}

// What the label paints on its window, in the window's device pixels: what
// changes in a picture of the window when the label is hidden.
std::optional<QRect> inkOf(QLabel& label) {
    QWidget& form = *label.parentWidget();
    const QImage shown = form.grab().toImage();
    label.hide();
    const QImage hidden = form.grab().toImage();
    label.show();
    std::optional<QRect> ink;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != hidden.pixel(x, y)) {
                ink = ink ? ink->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The label's extents as its accessible interface reports them, in the
// window's logical pixels.
QRect accessibleExtents(QLabel& label) {
    const QRect global = QAccessible::queryAccessibleInterface(&label)->rect();
    return {label.parentWidget()->mapFromGlobal(global.topLeft()), global.size()};
}

bool isLatin(QChar c) {
    return c.isLetterOrNumber() && c.unicode() < 0x80;
}

} // namespace

class CaptionsTest : public UiTest {
    Q_OBJECT

private slots:
    void scaleFactorIsInUse();
    void captionsFitAndKeepClear_data();
    void captionsFitAndKeepClear();
    void captionsCentredOnTheirBoxes_data();
    void captionsCentredOnTheirBoxes();
    void facesByScript_data();
    void facesByScript();
    void boldIsReal_data();
    void boldIsReal();
};

void CaptionsTest::scaleFactorIsInUse() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    QVERIFY2(!factor.isEmpty(), "run with QT_SCALE_FACTOR set");
    QCOMPARE(window("frmmain")->devicePixelRatioF(), factor.toDouble());
}

void CaptionsTest::captionsFitAndKeepClear_data() {
    windowRows();
}

void CaptionsTest::captionsFitAndKeepClear() {
    QFETCH(QString, name);
    QVERIFY(walk(pathTo(name)));
    QWidget* form = window(name);
    const QList<QLabel*> labels = labelsOf(*form);
    QVERIFY(!labels.isEmpty());
    const qreal ratio = form->devicePixelRatioF();
    // The designed sizes: the main menu's heading 18 points, every other caption 9.
    const qreal designedPoints = name == u"frmmain" ? 18 : 9;

    for (QLabel* label : labels) {
        const QString what = name + u'.' + label->objectName() + u' ' + label->text();
        const QRect extents = accessibleExtents(*label);
        const QSizeF need = textSize(label->text(), label->font(), form);
        QVERIFY2(need.width() <= extents.width() && need.height() <= extents.height(),
                 qPrintable(what));
        QVERIFY2(form->rect().contains(extents), qPrintable(what));
        QVERIFY2(label->font().pointSizeF() >= designedPoints - 1, qPrintable(what));

        const std::optional<QRect> ink = inkOf(*label);
        QVERIFY2(ink.has_value(), qPrintable(what + QStringLiteral(" is not painted")));
        // The device pixels that the extents touch (part of a pixel, at a
        // scale factor that is not whole).
        const QRect extentsOnDevice(
            QPoint(static_cast<int>(std::floor(extents.left() * ratio)),
                   static_cast<int>(std::floor(extents.top() * ratio))),
            QPoint(static_cast<int>(std::ceil((extents.right() + 1) * ratio)) - 1,
                   static_cast<int>(std::ceil((extents.bottom() + 1) * ratio)) - 1));
        QVERIFY2(extentsOnDevice.contains(*ink),
                 qPrintable(what + QStringLiteral(" is painted outside its label")));
        // The pointer over the caption is over its label, and shows its tooltip.
        QCOMPARE(form->childAt((QRectF(*ink).center() / ratio).toPoint()), label);

        const QRect clearance =
            extents.adjusted(-shieldcalc::ui::kCaptionGap, 0, shieldcalc::ui::kCaptionGap, 0);
        for (const QWidget* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != label) {
                QVERIFY2(!clearance.intersects(other->geometry()),
                         qPrintable(what + QStringLiteral(" touches ") + other->objectName()));
            }
        }
    }
    for (const QRadioButton* option : form->findChildren<QRadioButton*>()) {
        QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
    }
}

void CaptionsTest::captionsCentredOnTheirBoxes_data() {
    windowRows({"Frmsub2", "Frmsub4", "Frmsub5", "Frmsub7"});
}

void CaptionsTest::captionsCentredOnTheirBoxes() {
    QFETCH(QString, name);
    QVERIFY(walk(pathTo(name)));
    QWidget* form = window(name);
    const qreal ratio = form->devicePixelRatioF();
    QList<const QWidget*> boxes;
    for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const QLineEdit*>(child) != nullptr ||
            qobject_cast<const QComboBox*>(child) != nullptr) {
            boxes.append(child);
        }
    }
    int centred = 0;
    for (QLabel* label : labelsOf(*form)) {
        const std::optional<QRect> ink = inkOf(*label);
        QVERIFY(ink.has_value());
        // Centres and extents in device pixels.
        const auto centre = [](qreal top, qreal bottom) {
            return (top + bottom) / 2;
        };
        const auto rowOf = [&](const QWidget* box) {
            return std::pair{box->y() * ratio, (box->geometry().bottom() + 1) * ratio};
        };
        const qreal inkCentre = centre(ink->top(), ink->bottom() + 1);
        // The box it names, or else a box in whose row its text stands (the
        // boxes of a row share their centre).
        const QWidget* box = boxes.contains(label->buddy()) ? label->buddy() : nullptr;
        for (const QWidget* other : boxes) {
            const auto [top, bottom] = rowOf(other);
            if (box == nullptr && top < ink->bottom() + 1 && ink->top() < bottom) {
                box = other;
            }
        }
        if (box == nullptr) {
            continue;
        }
        const auto [top, bottom] = rowOf(box);
        QVERIFY2(std::abs(inkCentre - centre(top, bottom)) <= 2 * ratio,
                 qPrintable(QStringLiteral("%1 %2: text centre %3, box centre %4 (device pixels)")
                                .arg(name, label->text())
                                .arg(inkCentre)
                                .arg(centre(top, bottom))));
        ++centred;
    }
    // Every calculator form names its boxes by captions of their rows.
    QVERIFY(centred > 0);
}

void CaptionsTest::facesByScript_data() {
    windowRows();
}

void CaptionsTest::facesByScript() {
    QFETCH(QString, name);
    if (QFontDatabase::families().contains(QStringLiteral("SimSun"))) {
        QSKIP("SimSun draws every character where it is installed");
    }
    QVERIFY(walk(pathTo(name)));
    QWidget* form = window(name);
    for (const QLabel* label : labelsOf(*form)) {
        for (const QChar c : label->text()) {
            // The face that draws the character where it stands alone.
            const QList<QGlyphRun> runs = glyphRuns(QString(c), label->font(), form);
            QCOMPARE(runs.size(), 1);
            const QString family = runs.front().rawFont().familyName();
            if (isLatin(c)) {
                QCOMPARE(family, QStringLiteral("DejaVu Serif"));
            } else if (c.script() == QChar::Script_Han) {
                QCOMPARE(family, QStringLiteral("Noto Serif CJK SC"));
            }
        }
    }
}

void CaptionsTest::boldIsReal_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("menu heading") << "frmmain"
                                  << "Label1" << QStringLiteral("电磁兼容屏蔽效能计算(1.0版)");
    QTest::newRow("menu option") << "frmmain"
                                 << "Opt2" << kNonSolid;
    QTest::newRow("result") << "Frmsub3"
                            << "Text1" << QStringLiteral(" 239.5");
}

void CaptionsTest::boldIsReal() {
    QFETCH(QString, name);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QVERIFY(walk(pathTo(name)));
    QWidget* widget = find<QWidget>(name, control);
    QVERIFY(widget->font().bold());
    // A face of its own bold weight, not a regular face thickened on the fly
    // (which Qt leaves out when it scales).
    for (const QGlyphRun& run : glyphRuns(text, widget->font(), widget)) {
        QVERIFY2(run.rawFont().styleName().contains(u"Bold"),
                 qPrintable(run.rawFont().familyName() + u' ' + run.rawFont().styleName()));
    }
}

QTEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
