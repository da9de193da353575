// The forms as designed: client-area sizes, control positions in twips,
// captions and initial texts character for character, tab orders, the labels
// that name the boxes, the fonts and the material list.
#include "ui/form_builder.h"
#include "ui_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using shieldcalc::ui::twipsToPixels;

class FormsTest : public UiTest {
    Q_OBJECT

private slots:
    void twipsConvertToPixels_data();
    void twipsConvertToPixels();
    void clientAreaIsFixed_data();
    void clientAreaIsFixed();
    void controlsAreWhereDesigned_data();
    void controlsAreWhereDesigned();
    void tabOrder_data();
    void tabOrder();
    void boxesAreNamedByTheirLabels_data();
    void boxesAreNamedByTheirLabels();
    void fonts_data();
    void fonts();
    void materialList();
};

void FormsTest::twipsConvertToPixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("below half a pixel") << 7 << 0;
    QTest::newRow("half a pixel and more") << 8 << 1;
    QTest::newRow("button width 905") << 905 << 60;
    QTest::newRow("heading width 1812") << 1812 << 121;
    QTest::newRow("menu width 7605") << 7605 << 507;
}

void FormsTest::twipsConvertToPixels() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips), pixels);
}

void FormsTest::clientAreaIsFixed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // twips
    QTest::addColumn<int>("height");
    QTest::newRow("frmmain") << "frmmain" << 7605 << 4950;
    QTest::newRow("Frmsub1") << "Frmsub1" << 6780 << 4560;
    QTest::newRow("Frmsub6") << "Frmsub6" << 5610 << 3450;
    QTest::newRow("Frmsub2") << "Frmsub2" << 6885 << 4605;
    QTest::newRow("Frmsub3") << "Frmsub3" << 6420 << 3825;
    QTest::newRow("Frmsub4") << "Frmsub4" << 7635 << 5820;
    QTest::newRow("Frmsub5") << "Frmsub5" << 7230 << 4725;
    QTest::newRow("Frmsub7") << "Frmsub7" << 6765 << 4470;
}

void FormsTest::clientAreaIsFixed() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QVERIFY(walk(pathTo(name)));
    const QWidget* form = window(name);
    const QSize size(twipsToPixels(width), twipsToPixels(height));
    QCOMPARE(form->size(), size);
    QCOMPARE(form->minimumSize(), size);
    QCOMPARE(form->maximumSize(), size);
}

void FormsTest::controlsAreWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char* form, const char* control, const QString& text, QRect twips) {
        QTest::addRow("%s.%s", form, control) << form << control << text << twips;
    };
    row("frmmain", "Label1", "电磁兼容屏蔽效能计算(1.0版)", {1200, 360, 5100, 360});
    row("frmmain", "Opt1", "实心屏蔽体的屏效计算", {1530, 1080, 3135, 495});
    row("frmmain", "Opt2", "非实心型屏蔽体的屏效计算", {1530, 1800, 3135, 375});
    row("frmmain", "Opt3", "双层屏蔽体的屏效计算", {1530, 2480, 2895, 450});
    row("frmmain", "Opt4", "长方体导体壳体屏效计算", {1530, 3180, 2895, 450});
    row("frmmain", "Com1", "确 定", {3840, 4080, 1215, 495});
    row("frmmain", "Com2", "退 出", {5520, 4080, 1215, 495});
    row("Frmsub1", "Lab1", "请选择场源情况：", {840, 600, 1935, 495});
    row("Frmsub1", "Opt1", "在远场平面波情况", {1440, 1320, 1815, 495});
    row("Frmsub1", "Opt2", "在低阻磁场源的情况", {1440, 2160, 2175, 495});
    row("Frmsub1", "Opt3", "在高阻抗电场源的近场情况", {1440, 3000, 2655, 375});
    row("Frmsub1", "Comm1", "返 回", {3000, 3840, 905, 480});
    row("Frmsub1", "Comm2", "确 定", {4260, 3840, 905, 480});
    row("Frmsub1", "Comm4", "退 出", {5520, 3840, 905, 480});
    row("Frmsub6", "Lab1", "请选择场源情况：", {480, 360, 1935, 495});
    row("Frmsub6", "Opt1", "在低阻磁场源的情况", {720, 1080, 2175, 495});
    row("Frmsub6", "Opt2", "在高阻抗电场源的近场情况", {720, 1920, 2655, 375});
    row("Frmsub6", "Comm1", "返 回", {1800, 2760, 905, 480});
    row("Frmsub6", "Comm2", "确 定", {3060, 2760, 905, 480});
    row("Frmsub6", "Comm4", "退 出", {4320, 2760, 905, 480});
    row("Frmsub2", "Lab1", "请输入下面的参数：", {960, 480, 1812, 372});
    row("Frmsub2", "Lab2", "频率f(MHZ):", {960, 1080, 1215, 495});
    row("Frmsub2", "Text1", "", {1920, 960, 1215, 375});
    row("Frmsub2", "Lab3", "壁厚l(cm):", {3600, 1080, 1215, 495});
    row("Frmsub2", "Text2", "", {4560, 960, 1215, 375});
    row("Frmsub2", "Lab4", "屏蔽体的材料:", {960, 1920, 1215, 495});
    row("Frmsub2", "Combo1", "--请选择--", {2160, 1880, 1300, 300});
    row("Frmsub2", "Lab6", "源到屏蔽体的距离r(cm):", {960, 2870, 2175, 495});
    row("Frmsub2", "Text3", "", {3000, 2760, 1215, 375});
    row("Frmsub2", "Comm1", "返 回", {3000, 3840, 905, 480});
    row("Frmsub2", "Comm2", "确 定", {4320, 3840, 905, 480});
    row("Frmsub2", "Comm4", "退 出", {5640, 3840, 905, 480});
    row("Frmsub3", "Lab1", "根据以上输入参数，屏效为：", {720, 600, 2535, 180});
    row("Frmsub3", "Text1", " 239", {1680, 1440, 1400, 465});
    row("Frmsub3", "Lab2", "dB", {3120, 1560, 240, 210});
    row("Frmsub3", "Comm1", "返 回", {3720, 3000, 905, 480});
    row("Frmsub3", "Comm2", "完 成", {4920, 3000, 905, 480});
}

void FormsTest::controlsAreWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QVERIFY(walk(pathTo(name)));
    const auto* widget = find<QWidget>(name, control);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(),
             QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                   twipsToPixels(twips.height())));
    QString shown;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        shown = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        shown = button->text();
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        shown = edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        shown = combo->currentText();
    }
    QCOMPARE(shown, text);
}

void FormsTest::tabOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("frmmain") << "frmmain"
                             << QStringList{"Opt1", "Opt2", "Opt3", "Opt4", "Com1", "Com2"};
    QTest::newRow("Frmsub1") << "Frmsub1"
                             << QStringList{"Opt1", "Opt2", "Opt3", "Comm1", "Comm2", "Comm4"};
    QTest::newRow("Frmsub6") << "Frmsub6" << QStringList{"Opt1", "Opt2", "Comm1", "Comm2", "Comm4"};
    QTest::newRow("Frmsub2") << "Frmsub2" << QStringList{"Text1", "Text2", "Combo1", "Text3",
                                                         "Comm1", "Comm2", "Comm4"};
    QTest::newRow("Frmsub3") << "Frmsub3" << QStringList{"Comm1", "Comm2", "Text1"};
}

void FormsTest::tabOrder() {
    QFETCH(QString, name);
    QFETCH(QStringList, order);
    QVERIFY(walk(pathTo(name)));
    const QWidget* form = window(name);
    // Follow the focus chain from the first control once round, keeping the
    // form's own controls that Tab can reach (a drop-down box's edit field
    // belongs to the box; labels take no focus).
    QStringList chain;
    const QWidget* first = form->findChild<QWidget*>(order.front());
    const QWidget* w = first;
    do {
        if (w->parentWidget() == form && (w->focusPolicy() & Qt::TabFocus) != 0) {
            chain.append(w->objectName());
        }
        w = w->nextInFocusChain();
    } while (w != first && chain.size() <= order.size());
    QCOMPARE(chain, order);
}

void FormsTest::boxesAreNamedByTheirLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::newRow("Frmsub2 frequency") << "Frmsub2"
                                       << "Lab2"
                                       << "Text1";
    QTest::newRow("Frmsub2 thickness") << "Frmsub2"
                                       << "Lab3"
                                       << "Text2";
    QTest::newRow("Frmsub2 material") << "Frmsub2"
                                      << "Lab4"
                                      << "Combo1";
    QTest::newRow("Frmsub2 distance") << "Frmsub2"
                                      << "Lab6"
                                      << "Text3";
    QTest::newRow("Frmsub3 result") << "Frmsub3"
                                    << "Lab1"
                                    << "Text1";
}

void FormsTest::boxesAreNamedByTheirLabels() {
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(QString, box);
    QVERIFY(walk(pathTo(name)));
    QCOMPARE(find<QLabel>(name, label)->buddy(), find<QWidget>(name, box));
}

void FormsTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("menu heading") << "frmmain"
                                  << "Label1" << 18.0 << true;
    QTest::newRow("menu option") << "frmmain"
                                 << "Opt4" << 10.5 << true;
    QTest::newRow("menu button") << "frmmain"
                                 << "Com1" << 9.0 << false;
    QTest::newRow("chooser option") << "Frmsub1"
                                    << "Opt3" << 9.0 << false;
    QTest::newRow("form label") << "Frmsub2"
                                << "Lab6" << 9.0 << false;
    QTest::newRow("form box") << "Frmsub2"
                              << "Combo1" << 9.0 << false;
    QTest::newRow("result box") << "Frmsub3"
                                << "Text1" << 12.0 << true;
    QTest::newRow("unit label") << "Frmsub3"
                                << "Lab2" << 9.0 << false;
}

void FormsTest::fonts() {
    QFETCH(QString, name);
    QFETCH(QString, control);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QVERIFY(walk(pathTo(name)));
    const QFont font = find<QWidget>(name, control)->font();
    QCOMPARE(font.families().value(0), QStringLiteral("SimSun"));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
}

void FormsTest::materialList() {
    QVERIFY(walk(pathTo("Frmsub2")));
    const auto* box = find<QComboBox>("Frmsub2", "Combo1");
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries.append(box->itemText(i));
    }
    QCOMPARE(entries,
             (QStringList{"---铜---", "---银---", "---金---", "---铁---", "--黄铜--", "---铝---"}));
    QVERIFY(box->isEditable());
    QCOMPARE(box->currentIndex(), -1);
}

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
