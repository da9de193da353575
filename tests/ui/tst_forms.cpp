// The forms as designed: client-area sizes, control positions in twips,
// captions and initial texts character for character, tab orders, the labels
// that name the boxes, the fonts and the material list.
#include "ui/aperture_form.h"
#include "ui/form_builder.h"
#include "ui/window_hub.h"
#include "ui_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <initializer_list>
#include <memory>
#include <utility>

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
    void listEntries_data();
    void listEntries();
    void apertureFormAtCreation();

private:
    // The control of a window; "Lab4(0)" is element 0 of the label array Lab4.
    static QWidget* controlIn(const QString& window, const QString& control);
};

QWidget* FormsTest::controlIn(const QString& window, const QString& control) {
    const qsizetype open = control.indexOf(u'(');
    if (open < 0) {
        return find<QWidget>(window, control);
    }
    const QString name = control.left(open);
    const int index = control.mid(open + 1).chopped(1).toInt();
    for (QWidget* element : UiTest::window(window)->findChildren<QWidget*>(name)) {
        if (element->property(shieldcalc::ui::kIndexProperty) == index) {
            return element;
        }
    }
    return nullptr;
}

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
    row("Frmsub4", "Lab1", "请选择孔的形状及材料：", {600, 360, 2145, 180});
    row("Frmsub4", "Lab12", "形状", {960, 840, 360, 180});
    row("Frmsub4", "Com1", "--请选择-- ", {1440, 800, 1300, 300});
    row("Frmsub4", "Lab5", "材料", {4440, 840, 360, 180});
    row("Frmsub4", "Com2", "--请选择--", {5000, 800, 1300, 300});
    row("Frmsub4", "Lab2", "请输入下列参数：", {600, 1320, 1560, 180});
    row("Frmsub4", "Lab4", "孔深l(cm):", {960, 1800, 900, 180});
    row("Frmsub4", "Text1", "", {1920, 1750, 855, 300});
    row("Frmsub4", "Lab3", "频率f(kHz):", {4440, 1800, 900, 180});
    row("Frmsub4", "Text2", "", {5445, 1750, 855, 300});
    row("Frmsub4", "Lab6", "圆形孔的直径D(cm):", {623, 2520, 1530, 180});
    row("Frmsub4", "Text3", "", {2280, 2490, 855, 300});
    row("Frmsub4", "Lab7", "干扰源到屏蔽体的距离r(cm):", {3600, 2520, 2340, 180});
    row("Frmsub4", "Text4", "", {6120, 2490, 855, 300});
    row("Frmsub4", "Lab8", "单个孔的面积a(cm*cm):", {600, 3420, 1890, 180});
    row("Frmsub4", "Text5", "", {2400, 3405, 855, 300});
    row("Frmsub4", "Lab9", "每平方厘米面积上的孔数 n:", {3600, 3420, 2250, 180});
    row("Frmsub4", "Text7", "", {6120, 3405, 855, 300});
    row("Frmsub4", "Lab10", "孔间导体宽度b(cm)", {645, 4320, 1530, 180});
    row("Frmsub4", "Text6", "", {2280, 4320, 855, 300});
    row("Frmsub4", "Lab11", "与电场垂直的矩形孔宽度w(cm):", {3600, 4320, 2520, 180});
    row("Frmsub4", "Text8", "", {6120, 4320, 855, 300});
    row("Frmsub4", "Comm1", "返 回", {3480, 5160, 905, 480});
    row("Frmsub4", "Comm2", "确 定", {4920, 5160, 905, 480});
    row("Frmsub4", "Comm4", "退 出", {6360, 5160, 905, 480});
    row("Frmsub5", "Lab1", "请输入下列参数：", {240, 240, 1560, 180});
    row("Frmsub5", "Lab2", "频率f(kHz):", {240, 840, 990, 180});
    row("Frmsub5", "Text1", "", {2160, 720, 1215, 300});
    row("Frmsub5", "Label1", "第一层板:", {240, 1440, 810, 180});
    row("Frmsub5", "Lab3", "厚度l1(cm):", {1080, 1440, 990, 180});
    row("Frmsub5", "Text2", "", {2160, 1320, 1215, 300});
    row("Frmsub5", "Lab7", "到源的距离r1(cm):", {3600, 1440, 1530, 180});
    row("Frmsub5", "Text3", "", {5760, 1320, 1290, 300});
    row("Frmsub5", "Lab4(1)", "屏蔽体的材料:", {3600, 2040, 1170, 180});
    row("Frmsub5", "Combo1", "--请选择--", {5760, 1920, 1290, 300});
    row("Frmsub5", "Label2", "第二层板:", {240, 2640, 810, 180});
    row("Frmsub5", "Label3", "厚度l2(cm):", {1080, 2640, 990, 180});
    row("Frmsub5", "Text5", "", {2160, 2520, 1215, 300});
    row("Frmsub5", "Label4", "与第一层板的距离r2(cm):", {3600, 2640, 2070, 180});
    row("Frmsub5", "Text6", "", {5760, 2520, 1290, 300});
    row("Frmsub5", "Lab4(0)", "屏蔽体的材料:", {3600, 3240, 1170, 180});
    row("Frmsub5", "Combo2", "--请选择--", {5760, 3120, 1290, 300});
    row("Frmsub5", "Comm1", "返 回", {3000, 3960, 905, 480});
    row("Frmsub5", "Comm2", "确 定", {4320, 3960, 905, 480});
    row("Frmsub5", "Comm4", "退 出", {5640, 3960, 905, 480});
    row("Frmsub7", "Lab1", "请输入下面的参数：", {240, 120, 1815, 375});
    row("Frmsub7", "Lab2", "频率f(KHZ):", {360, 840, 1215, 495});
    row("Frmsub7", "Text1", "", {1320, 720, 1215, 375});
    row("Frmsub7", "Lab3", "壁厚l(cm):", {3000, 840, 1215, 495});
    row("Frmsub7", "Text2", "", {3960, 720, 1215, 375});
    row("Frmsub7", "Lab4", "屏蔽体的材料:", {360, 1680, 1215, 495});
    row("Frmsub7", "Combo1", "--请选择--", {1560, 1635, 1300, 300});
    row("Frmsub7", "Label1", "长方体的尺寸参数：", {360, 2520, 1695, 375});
    row("Frmsub7", "Label2", "长a(cm)", {2040, 2520, 735, 255});
    row("Frmsub7", "Text3", "", {2760, 2400, 735, 375});
    row("Frmsub7", "Label4", "宽b(cm)", {3600, 2520, 735, 255});
    row("Frmsub7", "Text4", "", {4320, 2400, 735, 375});
    row("Frmsub7", "Label3", "高h(cm)", {5160, 2520, 735, 255});
    row("Frmsub7", "Text5", "", {5880, 2400, 735, 375});
    row("Frmsub7", "Comm1", "返 回", {2760, 3600, 905, 480});
    row("Frmsub7", "Comm2", "确 定", {4200, 3600, 905, 480});
    row("Frmsub7", "Comm4", "退 出", {5640, 3600, 905, 480});
    row("Frmsub3", "Lab1", "根据以上输入参数，屏效为：", {720, 600, 2535, 180});
    row("Frmsub3", "Text1", " 239", {1680, 1440, 1400, 465});
    row("Frmsub3", "Lab2", "dB", {3120, 1560, 240, 210});
    row("Frmsub3", "Comm1", "返 回", {3720, 3000, 905, 480});
    row("Frmsub3", "Comm2", "完 成", {4920, 3000, 905, 480});
    row("Frmsub3", "Comm3", "频率特性", {2205, 3000, 1215, 480});
}

void FormsTest::controlsAreWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QVERIFY(walk(pathTo(name)));
    const QWidget* widget = controlIn(name, control);
    QVERIFY(widget != nullptr);
    const QRect designed(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                         twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        // A label is fitted to its caption: it covers its designed left edge,
        // and it is as high as the text boxes and drop-down boxes of its row,
        // or, in a row without one, keeps its designed top and at least its
        // designed height.
        const QRect fitted = label->geometry();
        QVERIFY(fitted.left() <= designed.left() && designed.left() <= fitted.right());
        bool inBoxRow = false;
        for (const QWidget* box :
             widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect row = box->geometry();
            if ((qobject_cast<const QLineEdit*>(box) != nullptr ||
                 qobject_cast<const QComboBox*>(box) != nullptr) &&
                row.top() <= designed.bottom() && designed.top() <= row.bottom()) {
                inBoxRow = true;
                QVERIFY(fitted.top() <= row.top() && row.bottom() <= fitted.bottom());
            }
        }
        if (!inBoxRow) {
            QCOMPARE(fitted.top(), designed.top());
            QVERIFY(fitted.height() >= designed.height());
        }
    } else {
        QCOMPARE(widget->geometry(), designed);
    }
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
    QTest::newRow("Frmsub3") << "Frmsub3" << QStringList{"Comm1", "Comm2", "Text1", "Comm3"};
    QTest::newRow("Frmsub4") << "Frmsub4"
                             << QStringList{"Com1",  "Com2",  "Text1", "Text2", "Text3",
                                            "Text4", "Text5", "Text7", "Text6", "Text8",
                                            "Comm1", "Comm2", "Comm4"};
    QTest::newRow("Frmsub5") << "Frmsub5"
                             << QStringList{"Text1", "Text2",  "Text3", "Combo1", "Text5",
                                            "Text6", "Combo2", "Comm1", "Comm2",  "Comm4"};
    QTest::newRow("Frmsub7") << "Frmsub7"
                             << QStringList{"Text1", "Text2", "Combo1", "Text3", "Text4",
                                            "Text5", "Comm1", "Comm2",  "Comm4"};
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
    const auto rows = [](const char* form,
                         std::initializer_list<std::pair<const char*, const char*>> pairs) {
        for (const auto& [label, box] : pairs) {
            QTest::addRow("%s %s", form, box) << form << label << box;
        }
    };
    rows("Frmsub4", {{"Lab12", "Com1"},
                     {"Lab5", "Com2"},
                     {"Lab4", "Text1"},
                     {"Lab3", "Text2"},
                     {"Lab6", "Text3"},
                     {"Lab7", "Text4"},
                     {"Lab8", "Text5"},
                     {"Lab10", "Text6"},
                     {"Lab9", "Text7"},
                     {"Lab11", "Text8"}});
    rows("Frmsub5", {{"Lab2", "Text1"},
                     {"Lab3", "Text2"},
                     {"Lab7", "Text3"},
                     {"Lab4(1)", "Combo1"},
                     {"Label3", "Text5"},
                     {"Label4", "Text6"},
                     {"Lab4(0)", "Combo2"}});
    rows("Frmsub7", {{"Lab2", "Text1"},
                     {"Lab3", "Text2"},
                     {"Lab4", "Combo1"},
                     {"Label2", "Text3"},
                     {"Label4", "Text4"},
                     {"Label3", "Text5"}});
}

void FormsTest::boxesAreNamedByTheirLabels() {
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(QString, box);
    QVERIFY(walk(pathTo(name)));
    const auto* caption = qobject_cast<QLabel*>(controlIn(name, label));
    QVERIFY(caption != nullptr);
    QCOMPARE(caption->buddy(), find<QWidget>(name, box));
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

void FormsTest::listEntries_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("entries");
    const QStringList materials{"---铜---", "---银---", "---金---",
                                "---铁---", "--黄铜--", "---铝---"};
    QTest::newRow("Frmsub2 material") << "Frmsub2"
                                      << "Combo1" << materials;
    QTest::newRow("Frmsub4 hole shape") << "Frmsub4"
                                        << "Com1" << QStringList{"--矩形孔--", "--圆形孔--"};
    QTest::newRow("Frmsub4 material") << "Frmsub4"
                                      << "Com2" << materials;
    QTest::newRow("Frmsub5 first sheet") << "Frmsub5"
                                         << "Combo1" << materials;
    QTest::newRow("Frmsub5 second sheet") << "Frmsub5"
                                          << "Combo2" << materials;
    QTest::newRow("Frmsub7 material") << "Frmsub7"
                                      << "Combo1" << materials;
}

void FormsTest::listEntries() {
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(QStringList, entries);
    QVERIFY(walk(pathTo(name)));
    const auto* list = find<QComboBox>(name, box);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown.append(list->itemText(i));
    }
    QCOMPARE(shown, entries);
    QVERIFY(list->isEditable());
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->lineEdit()->cursorPosition(), 0); // the prompt shows from its beginning
}

void FormsTest::apertureFormAtCreation() {
    // Until the field-source window first empties them, which it does before
    // the form is ever shown, the text boxes hold their own names and both
    // lists the prompt without a trailing blank.
    shieldcalc::ui::WindowHub hub(std::make_unique<shieldcalc::ui::MessageBoxPresenter>(), [] {});
    const shieldcalc::ui::ApertureForm form(hub);
    for (int i = 1; i <= 8; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i);
        QCOMPARE(form.findChild<QLineEdit*>(name)->text(), name);
    }
    for (const char* list : {"Com1", "Com2"}) {
        const auto* box = form.findChild<QComboBox*>(list);
        QCOMPARE(box->currentText(), QStringLiteral("--请选择--"));
        QCOMPARE(box->currentIndex(), -1);
    }
}

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
