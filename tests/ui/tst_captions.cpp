// Every caption of every window whole and clear of the other controls, with
// the fonts and the scale factor in use (the suite runs once per scale
// factor, QT_SCALE_FACTOR): the text of a label inside the room its window
// paints it in, at least 3 pixels from every other control and caption, the
// option buttons' captions inside the buttons. Also the faces: Latin letters
// from the serif face, Chinese from the Song face, real bold where designed.
#include "ui/captions.h"
#include "ui/form_window.h"
#include "ui_test.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <cmath>

using shieldcalc::ui::Caption;
using shieldcalc::ui::FormWindow;

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

// One row per window.
void windowRows() {
    QTest::addColumn<QString>("name");
    for (const QString& name : kAllWindows) {
        QTest::addRow("%s", qPrintable(name)) << name;
    }
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
    auto* form = dynamic_cast<FormWindow*>(window(name));
    QVERIFY(form != nullptr);
    const std::span<const Caption> captions = form->captions();
    QCOMPARE(qsizetype(captions.size()), form->findChildren<QLabel*>().size());

    const QImage shot = form->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const Caption& caption : captions) {
        const QLabel* label = caption.label;
        const QString what = name + u'.' + label->objectName() + u' ' + label->text();
        const QRect room = caption.rect;
        const QSizeF need = textSize(label->text(), caption.font, form);
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(), qPrintable(what));
        QVERIFY2(form->rect().contains(room), qPrintable(what));
        QCOMPARE(room.top(), label->y()); // the row stays as designed
        QVERIFY2(caption.font.pointSizeF() >= label->font().pointSizeF() - 1, qPrintable(what));

        const QRect clearance =
            room.adjusted(-shieldcalc::ui::kCaptionGap, 0, shieldcalc::ui::kCaptionGap, 0);
        for (const QWidget* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<const QLabel*>(other) == nullptr) {
                QVERIFY2(!clearance.intersects(other->geometry()),
                         qPrintable(what + QStringLiteral(" touches ") + other->objectName()));
            }
        }
        for (const Caption& other : captions) {
            if (&other != &caption) {
                QVERIFY2(!clearance.intersects(other.rect),
                         qPrintable(what + QStringLiteral(" touches ") + other.label->text()));
            }
        }

        // The window paints the caption: ink in its room.
        const QRect pixels(std::floor(room.x() * ratio), std::floor(room.y() * ratio),
                           std::ceil(room.width() * ratio), std::ceil(room.height() * ratio));
        int ink = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                ink += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        QVERIFY2(ink > 0, qPrintable(what + QStringLiteral(" is not painted")));
    }
    for (const QRadioButton* option : form->findChildren<QRadioButton*>()) {
        QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
    }
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
    auto* form = dynamic_cast<FormWindow*>(window(name));
    for (const Caption& caption : form->captions()) {
        for (const QChar c : caption.label->text()) {
            // The face that draws the character where it stands alone.
            const QList<QGlyphRun> runs = glyphRuns(QString(c), caption.font, form);
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
