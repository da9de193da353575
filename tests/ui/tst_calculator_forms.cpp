// The aperture-array (Frmsub4), double-layer (Frmsub5) and enclosure
// (Frmsub7) calculations from end to end: the worked examples typed in and
// read back from the result window, the messages for missing inputs in the
// order they are checked, run-time errors that name their cause and leave
// every window as it was, the result window's Back and a new OK, and the
// inputs emptied when the form is entered again through its field-source
// window.
#include "core/fields.h"
#include "core/shielding.h"
#include "tests/common/field_values.h"
#include "tests/common/worked_examples.h"
#include "ui_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <span>

using namespace shieldcalc;
using namespace shieldcalc::examples;

namespace {

const QString kNonSolidMessages = QStringLiteral("非实心屏蔽体的屏效计算");
const QString kPlate = QStringLiteral("导体平板的屏效计算");

// The option button of a source on Frmsub1 (plane wave, magnetic, electric)
// and on Frmsub6 (magnetic, electric).
QString sheetSourceOption(FieldSource source) {
    return QStringLiteral("Opt%1").arg(int(source) + 1);
}
QString enclosureSourceOption(FieldSource source) {
    return source == kMagnetic ? QStringLiteral("Opt1") : QStringLiteral("Opt2");
}

// The steps that fill a form in as a user does, read through the
// calculation's field table: a list is chosen only when an entry is, and the
// boxes the chosen shape and source do not need are left empty.
template <class Input>
QStringList entrySteps(std::span<const Field<Input>> fields, const Input& in, FieldSource source) {
    QStringList steps;
    for (const FieldValue<Input>& value : fieldValues(fields, in, source)) {
        const QString control = QString::fromUtf8(value.field->control);
        if (value.field->kind() == FieldKind::Number) {
            steps << control + '=' + QString::fromStdString(value.text);
        } else if (value.index != kNoChoice) {
            steps << control + QStringLiteral("#%1").arg(value.index);
        }
    }
    return steps;
}

QStringList stepsFor(const ApertureInput& in, FieldSource source) {
    return QStringList{"Opt2", "Com1", sheetSourceOption(source), "Comm2"} +
           entrySteps<ApertureInput>(kApertureFields, in, source);
}

QStringList stepsFor(const DoubleLayerInput& in, FieldSource source) {
    return QStringList{"Opt3", "Com1", sheetSourceOption(source), "Comm2"} +
           entrySteps<DoubleLayerInput>(kDoubleLayerFields, in, source);
}

QStringList stepsFor(const EnclosureInput& in, FieldSource source) {
    return QStringList{"Opt4", "Com1", enclosureSourceOption(source), "Comm2"} +
           entrySteps<EnclosureInput>(kEnclosureFields, in, source);
}

// What the result window shows for the inputs, as the engine computes it.
QString shownFor(const ApertureInput& in, FieldSource source) {
    return QString::fromStdString(resultText(apertureSE(in, source)));
}
QString shownFor(const DoubleLayerInput& in, FieldSource source) {
    return QString::fromStdString(resultText(doubleLayerSE(in, source)));
}
QString shownFor(const EnclosureInput& in, FieldSource source) {
    return QString::fromStdString(resultText(enclosureSE(in, source)));
}

template <class Input, std::size_t N>
const Example<Input>& example(const Example<Input> (&table)[N], std::string_view name) {
    const auto* found = std::ranges::find(table, name, &Example<Input>::name);
    if (found == std::end(table)) {
        qFatal("no worked example %.*s", int(name.size()), name.data());
    }
    return *found;
}
template <class Input> QStringList stepsFor(const Example<Input>& e) {
    return stepsFor(e.input, *e.source);
}

const auto& kRectPlane = example(kApertureExamples, "rectangular_plane_copper");
const auto& kCircleMagnetic = example(kApertureExamples, "circular_magnetic_aluminium");
const auto& kRectElectric = example(kApertureExamples, "rectangular_electric_iron");
const auto& kCopperPlane = example(kDoubleLayerExamples, "copper_plane");
const auto& kCopperMagnetic = example(kDoubleLayerExamples, "copper_magnetic");
const auto& kCopperElectric = example(kDoubleLayerExamples, "copper_electric");
const auto& kThickMagnetic = example(kEnclosureExamples, "copper_thick_magnetic");
const auto& kThickElectric = example(kEnclosureExamples, "copper_thick_electric");
const auto& kThinMagnetic = example(kEnclosureExamples, "copper_thin_magnetic");

// No shape chosen, and so neither a diameter nor a width entered.
QStringList withoutShape(const Example<ApertureInput>& e) {
    ApertureInput in = e.input;
    in.shape = kNoChoice;
    in.D = 0;
    in.w = 0;
    return stepsFor(in, *e.source);
}

} // namespace

class CalculatorFormsTest : public UiTest {
    Q_OBJECT

private slots:
    void workedExamplesAreShown_data();
    void workedExamplesAreShown();
    void missingInputAsks_data();
    void missingInputAsks();
    void runTimeErrorNamesCauseAndChangesNothing_data();
    void runTimeErrorNamesCauseAndChangesNothing();
    void resultBackKeepsInputsAndOkRecomputes_data();
    void resultBackKeepsInputsAndOkRecomputes();
    void resultFollowsLatestCalculation();
    void enteringThroughChooserEmptiesInputs_data();
    void enteringThroughChooserEmptiesInputs();

private:
    // The texts of the form's boxes, with the list index of each list, and
    // the choices of the menu and of both field-source windows.
    static QStringList state(const QString& form);
};

QStringList CalculatorFormsTest::state(const QString& form) {
    QStringList seen;
    const QWidget* w = window(form);
    for (const QLineEdit* box : w->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        seen << box->objectName() + '=' + box->text();
    }
    for (const QComboBox* box : w->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
        seen << box->objectName() + '=' + box->currentText() + '#' +
                    QString::number(box->currentIndex());
    }
    for (const char* chooser : {"frmmain", "Frmsub1", "Frmsub6"}) {
        seen << chooser + QStringLiteral(":%1").arg(selectedOption(chooser));
    }
    return seen;
}

void CalculatorFormsTest::workedExamplesAreShown_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char* calculation, const auto& table, const QString& title) {
        for (const auto& e : table) {
            if (!e.source) {
                continue; // a calculator is reached only with a source chosen
            }
            const QString expected =
                e.display.empty()
                    ? shownFor(e.input, *e.source)
                    : QString::fromUtf8(e.display.data(), qsizetype(e.display.size()));
            QTest::addRow("%s %.*s", calculation, int(e.name.size()), e.name.data())
                << stepsFor(e) << title << expected;
        }
    };
    add("aperture", kApertureExamples, kNonSolid);
    add("double layer", kDoubleLayerExamples, kDoubleLayer);
    add("enclosure", kEnclosureExamples, kEnclosure);
}

void CalculatorFormsTest::workedExamplesAreShown() {
    QFETCH(QStringList, steps);
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QVERIFY(walk(steps));
    QVERIFY(click("Comm2"));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).message.prompt));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(window("Frmsub3")->windowTitle(), title);
    const auto* result = find<QLineEdit>("Frmsub3", "Text1");
    QCOMPARE(result->text(), expected);
    QVERIFY(!result->isEnabled());
}

void CalculatorFormsTest::missingInputAsks_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    const auto row = [](const char* name, const QStringList& steps, const char* form,
                        const QString& prompt, const QString& title) {
        QTest::newRow(name) << steps << form << prompt << title;
    };
    const QString distance = QStringLiteral("请输入屏蔽体到场源的距离r!");
    const QString diameter = QStringLiteral("请输入圆形孔的直径!");
    const QString width = QStringLiteral("请输入与电场垂直的矩形孔宽度!");
    const QStringList circle = stepsFor(kCircleMagnetic);
    row("Frmsub4 hole depth l", circle + QStringList{"Text1="}, "Frmsub4", kEnterParameters,
        kNonSolid);
    row("Frmsub4 frequency f", circle + QStringList{"Text2="}, "Frmsub4", kEnterParameters,
        kNonSolid);
    row("Frmsub4 area a", circle + QStringList{"Text5="}, "Frmsub4", kEnterParameters, kNonSolid);
    row("Frmsub4 conductor width b", circle + QStringList{"Text6="}, "Frmsub4", kEnterParameters,
        kNonSolid);
    row("Frmsub4 holes per cm2 n", circle + QStringList{"Text7="}, "Frmsub4", kEnterParameters,
        kNonSolid);
    row("Frmsub4 distance r, magnetic", circle + QStringList{"Text4="}, "Frmsub4", distance,
        kNonSolidMessages);
    row("Frmsub4 distance r, electric", stepsFor(kRectElectric) + QStringList{"Text4="}, "Frmsub4",
        distance, kNonSolidMessages);
    row("Frmsub4 distance r and n: parameters first", circle + QStringList{"Text4=", "Text7="},
        "Frmsub4", kEnterParameters, kNonSolid);
    row("Frmsub4 diameter D of a circular hole", circle + QStringList{"Text3="}, "Frmsub4",
        diameter, kNonSolidMessages);
    row("Frmsub4 diameter D and distance r: distance first",
        circle + QStringList{"Text3=", "Text4="}, "Frmsub4", distance, kNonSolidMessages);
    row("Frmsub4 width w of a rectangular hole", stepsFor(kRectPlane) + QStringList{"Text8="},
        "Frmsub4", width, kNonSolidMessages);

    const QString distance1 = QStringLiteral("请输入屏蔽体1到场源的距离r1!");
    const QStringList magnetic = stepsFor(kCopperMagnetic);
    row("Frmsub5 frequency f", magnetic + QStringList{"Text1="}, "Frmsub5", kEnterParameters,
        kPlate);
    row("Frmsub5 thickness l1", magnetic + QStringList{"Text2="}, "Frmsub5", kEnterParameters,
        kPlate);
    row("Frmsub5 thickness l2", magnetic + QStringList{"Text5="}, "Frmsub5", kEnterParameters,
        kPlate);
    row("Frmsub5 gap r2, plane wave", stepsFor(kCopperPlane) + QStringList{"Text6="}, "Frmsub5",
        kEnterParameters, kPlate);
    row("Frmsub5 distance r1, magnetic", magnetic + QStringList{"Text3="}, "Frmsub5", distance1,
        kDoubleLayer);
    row("Frmsub5 distance r1, electric", stepsFor(kCopperElectric) + QStringList{"Text3="},
        "Frmsub5", distance1, kDoubleLayer);
    row("Frmsub5 distance r1 and gap r2: parameters first",
        magnetic + QStringList{"Text3=", "Text6="}, "Frmsub5", kEnterParameters, kPlate);

    const QStringList box = stepsFor(kThickMagnetic);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        QTest::addRow("Frmsub7 %s", name) << box + QStringList{name + QStringLiteral("=")}
                                          << "Frmsub7" << kEnterParameters << kEnclosure;
    }
}

void CalculatorFormsTest::missingInputAsks() {
    QFETCH(QStringList, steps);
    QFETCH(QString, form);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QVERIFY(walk(steps));
    const QStringList before = state(form);
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, form);
    QCOMPARE(messages[0].message.icon, QMessageBox::Question);
    QCOMPARE(messages[0].message.prompt, prompt);
    QCOMPARE(messages[0].message.title, title);
    QCOMPARE(visibleWindows(), form);
    QCOMPARE(state(form), before);
    QVERIFY(window("Frmsub3") == nullptr);
}

void CalculatorFormsTest::runTimeErrorNamesCauseAndChangesNothing_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("explanation"); // words the message must contain
    const auto row = [](const char* name, const QStringList& steps, const char* form,
                        const QString& title, const QStringList& words) {
        QTest::newRow(name) << steps << form << title << words;
    };
    const auto aperture = [&](const char* name, const QStringList& steps,
                              const QStringList& words) {
        row(name, steps, "Frmsub4", kNonSolid, words);
    };
    ApertureInput noMaterial = kRectPlane.input;
    noMaterial.material = kNoChoice;
    aperture("Frmsub4 no hole shape, no diameter or width", withoutShape(kRectPlane),
             {"没有选择孔的形状", "“形状”"});
    aperture("Frmsub4 no material", stepsFor(noMaterial, kPlane),
             {"没有选择屏蔽体的材料", "“材料”"});
    aperture("Frmsub4 rectangular width w 0", stepsFor(kRectPlane) + QStringList{"Text8=0"},
             {"矩形孔宽度w为0"});
    aperture("Frmsub4 circular diameter D 0", stepsFor(kCircleMagnetic) + QStringList{"Text3=0"},
             {"圆形孔的直径D为0"});
    aperture("Frmsub4 hole depth l 0", stepsFor(kRectPlane) + QStringList{"Text1=0"}, {"孔深l为0"});
    aperture("Frmsub4 hole depth l negative", stepsFor(kCircleMagnetic) + QStringList{"Text1=-0.3"},
             {"孔深l为负数"});
    aperture("Frmsub4 area a 0", stepsFor(kRectPlane) + QStringList{"Text5=0"},
             {"单个孔的面积a为0"});
    aperture("Frmsub4 holes per cm2 n negative", stepsFor(kRectPlane) + QStringList{"Text7=-1"},
             {"孔数n为负数"});
    aperture("Frmsub4 conductor width b 0", stepsFor(kRectElectric) + QStringList{"Text6=0"},
             {"孔间导体宽度b为0"});
    aperture("Frmsub4 distance r 0, circular, magnetic",
             stepsFor(kCircleMagnetic) + QStringList{"Text4=0"}, {"距离r为0", "近场"});
    aperture("Frmsub4 distance r 0, rectangular, electric",
             stepsFor(kRectElectric) + QStringList{"Text4=0"}, {"距离r为0", "近场"});
    aperture("Frmsub4 frequency 0, plane wave", stepsFor(kRectPlane) + QStringList{"Text2=0"},
             {"频率f为0", "kHz"});
    aperture("Frmsub4 frequency 0, magnetic", stepsFor(kCircleMagnetic) + QStringList{"Text2=0"},
             {"频率f为0"});
    aperture("Frmsub4 frequency 0, electric", stepsFor(kRectElectric) + QStringList{"Text2=0"},
             {"频率f为0"});
    aperture("Frmsub4 frequency negative", stepsFor(kCircleMagnetic) + QStringList{"Text2=-100"},
             {"频率f为负数"});
    aperture("Frmsub4 n converted before b",
             stepsFor(kRectPlane) + QStringList{"Text6=x", "Text7=y"},
             {"每平方厘米面积上的孔数 n", "“y”", "不是一个数"});
    aperture("Frmsub4 distance of blanks, plane wave",
             stepsFor(kRectPlane) + QStringList{"Text4= "}, {"干扰源到屏蔽体的距离r(cm)", "空格"});

    const auto doubleLayer = [&](const char* name, const QStringList& steps,
                                 const QStringList& words) {
        row(name, steps, "Frmsub5", kDoubleLayer, words);
    };
    DoubleLayerInput noFirst = kCopperPlane.input;
    noFirst.material1 = kNoChoice;
    DoubleLayerInput noSecond = kCopperMagnetic.input;
    noSecond.material2 = kNoChoice;
    doubleLayer("Frmsub5 no material, first sheet", stepsFor(noFirst, kPlane),
                {"没有选择第一层板的材料"});
    doubleLayer("Frmsub5 no material, second sheet", stepsFor(noSecond, kMagnetic),
                {"没有选择第二层板的材料"});
    doubleLayer("Frmsub5 gap r2 0, magnetic", stepsFor(kCopperMagnetic) + QStringList{"Text6=0"},
                {"与第一层板的距离r2为0", "两层板间的修正项"});
    doubleLayer("Frmsub5 distance r1 0, electric",
                stepsFor(kCopperElectric) + QStringList{"Text3=0"}, {"到源的距离r1为0"});
    doubleLayer("Frmsub5 frequency 0, plane wave", stepsFor(kCopperPlane) + QStringList{"Text1=0"},
                {"频率f为0", "kHz"});
    doubleLayer("Frmsub5 frequency negative, magnetic",
                stepsFor(kCopperMagnetic) + QStringList{"Text1=-1"}, {"频率f为负数"});
    doubleLayer("Frmsub5 r1 converted before l2",
                stepsFor(kCopperMagnetic) + QStringList{"Text3=a", "Text5=b"},
                {"到源的距离r1(cm)", "“a”"});

    const auto enclosure = [&](const char* name, const QStringList& steps,
                               const QStringList& words) {
        row(name, steps, "Frmsub7", kEnclosure, words);
    };
    EnclosureInput noMetal = kThickMagnetic.input;
    noMetal.material = kNoChoice;
    enclosure("Frmsub7 no material", stepsFor(noMetal, kMagnetic), {"没有选择屏蔽体的材料"});
    enclosure("Frmsub7 frequency 0", stepsFor(kThickElectric) + QStringList{"Text1=0"},
              {"频率f为0"});
    enclosure("Frmsub7 wall 0, electric", stepsFor(kThickElectric) + QStringList{"Text2=0"},
              {"壁厚l为0", "电场源"});
    enclosure("Frmsub7 wall negative, electric",
              stepsFor(kThickElectric) + QStringList{"Text2=-0.1"}, {"壁厚l为负数"});
    enclosure("Frmsub7 length a 0, magnetic", stepsFor(kThickMagnetic) + QStringList{"Text3=0"},
              {"长方体的长a为0"});
    enclosure("Frmsub7 height h 0, electric", stepsFor(kThickElectric) + QStringList{"Text5=0"},
              {"长方体的高h为0"});
    enclosure("Frmsub7 width b negative", stepsFor(kThickMagnetic) + QStringList{"Text4=-10"},
              {"长方体的宽b为负数"});
    enclosure("Frmsub7 wall thicker than the box, magnetic",
              stepsFor(kThinMagnetic) + QStringList{"Text2=10"}, {"等效球半径"});
    enclosure("Frmsub7 wall far beyond the skin depth, magnetic",
              stepsFor(kThickMagnetic) + QStringList{"Text2=10"}, {"趋肤深度"});
    enclosure("Frmsub7 wall far beyond the skin depth, electric",
              stepsFor(kThickElectric) + QStringList{"Text2=10"}, {"趋肤深度"});
    enclosure("Frmsub7 length not a number", stepsFor(kThickMagnetic) + QStringList{"Text3=10cm"},
              {"长a(cm)", "“10cm”"});
}

void CalculatorFormsTest::runTimeErrorNamesCauseAndChangesNothing() {
    QFETCH(QStringList, steps);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QStringList, explanation);
    QVERIFY(walk(steps));
    const QStringList before = state(form);
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, form);
    QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
    QCOMPARE(messages[0].message.title, title);
    for (const QString& word : explanation) {
        QVERIFY2(messages[0].message.prompt.contains(word),
                 qPrintable(messages[0].message.prompt + " lacks " + word));
    }
    QCOMPARE(visibleWindows(), form);
    QCOMPARE(state(form), before);
    QVERIFY(window("Frmsub3") == nullptr);
}

void CalculatorFormsTest::resultBackKeepsInputsAndOkRecomputes_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("box"); // the input changed after Back
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shownAfter");
    ApertureInput deeper = kCircleMagnetic.input;
    deeper.l = 0.6f;
    QTest::newRow("Frmsub4 deeper holes") << stepsFor(kCircleMagnetic) << "Frmsub4" << kNonSolid
                                          << shownFor(kCircleMagnetic.input, kMagnetic) << "Text1"
                                          << "0.6" << shownFor(deeper, kMagnetic);
    QTest::newRow("Frmsub5 no gap")
        << stepsFor(kCopperPlane) << "Frmsub5" << kDoubleLayer << " 464.43"
        << "Text6"
        << "0"
        << " 369.89";
    QTest::newRow("Frmsub7 no wall")
        << stepsFor(kThickMagnetic) << "Frmsub7" << kEnclosure << " 178.38"
        << "Text2"
        << "0"
        << " 0";
}

void CalculatorFormsTest::resultBackKeepsInputsAndOkRecomputes() {
    QFETCH(QStringList, steps);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, shownAfter);
    QVERIFY(walk(steps));
    const QStringList entered = state(form);
    QVERIFY(click("Comm2"));
    const auto* result = find<QLineEdit>("Frmsub3", "Text1");
    QCOMPARE(result->text(), shown);

    // Back: the form with everything as typed, the source still chosen.
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), form);
    QCOMPARE(state(form), entered);

    // A failed OK leaves the earlier result as it was.
    QVERIFY(walk({box + "=x", "Comm2"}));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
    QCOMPARE(visibleWindows(), form);
    QCOMPARE(window("Frmsub3")->windowTitle(), title);
    QCOMPARE(result->text(), shown);

    QVERIFY(walk({box + '=' + value, "Comm2"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(window("Frmsub3")->windowTitle(), title);
    QCOMPARE(result->text(), shownAfter);
    QVERIFY(!result->isEnabled());
    QCOMPARE(instances("Frmsub3"), 1);
    QCOMPARE(instances(form), 1);
}

void CalculatorFormsTest::resultFollowsLatestCalculation() {
    QVERIFY(walk(pathTo("Frmsub3"))); // a solid-shield result
    QVERIFY(click("Comm2"));          // Done
    QVERIFY(walk(stepsFor(kCopperMagnetic)));
    QVERIFY(click("Comm2"));
    QCOMPARE(window("Frmsub3")->windowTitle(), kDoubleLayer);
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), QStringLiteral(" 361.32"));
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub5"));
}

void CalculatorFormsTest::enteringThroughChooserEmptiesInputs_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("again"); // from the menu back to the form
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("expected");
    const auto emptied = [](std::initializer_list<const char*> boxes) {
        QStringList state;
        for (const char* box : boxes) {
            state << box + QStringLiteral("=");
        }
        return state;
    };
    const QString prompt = QStringLiteral("--请选择--");
    QTest::newRow("Frmsub4: the hole shape's prompt ends in a blank")
        << stepsFor(kCircleMagnetic) << QStringList{"Opt2", "Com1", "Opt3", "Comm2"} << "Frmsub4"
        << emptied({"Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text6", "Text8"}) +
               QStringList{"Com1=" + prompt + " #-1", "Com2=" + prompt + "#-1", "frmmain:1",
                           "Frmsub1:2", "Frmsub6:-1"};
    QTest::newRow("Frmsub5") << stepsFor(kCopperMagnetic)
                             << QStringList{"Opt3", "Com1", "Opt1", "Comm2"} << "Frmsub5"
                             << emptied({"Text1", "Text2", "Text3", "Text5", "Text6"}) +
                                    QStringList{"Combo1=" + prompt + "#-1",
                                                "Combo2=" + prompt + "#-1", "frmmain:2",
                                                "Frmsub1:0", "Frmsub6:-1"};
    QTest::newRow("Frmsub7") << stepsFor(kThickElectric)
                             << QStringList{"Opt4", "Com1", "Opt1", "Comm2"} << "Frmsub7"
                             << emptied({"Text1", "Text2", "Text3", "Text4", "Text5"}) +
                                    QStringList{"Combo1=" + prompt + "#-1", "frmmain:3",
                                                "Frmsub1:-1", "Frmsub6:0"};
}

void CalculatorFormsTest::enteringThroughChooserEmptiesInputs() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, again);
    QFETCH(QString, form);
    QFETCH(QStringList, expected);
    QVERIFY(walk(steps));
    QVERIFY(walk({"Comm1", "Comm1"})); // Back to the field-source window, Back to the menu
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    QVERIFY(walk(again));
    QCOMPARE(visibleWindows(), form);
    QCOMPARE(state(form), expected);
}

QTEST_MAIN(CalculatorFormsTest)
#include "tst_calculator_forms.moc"
