// The solid-shield calculation from end to end: inputs typed into Frmsub2,
// the source chosen on Frmsub1, the result read back from Frmsub3; the
// messages for missing inputs; run-time errors that leave every window as it
// was.
#include "ui_test.h"

#include "core/shielding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace {

const QString kEnterDistance = QStringLiteral("请输入屏蔽体到场源的距离r!");

// The steps from the start to Frmsub2 with the given source (Opt1 plane wave,
// Opt2 magnetic, Opt3 electric) and the inputs typed in; material is a step
// on Combo1 ("#0" chooses copper, "=text" types), or empty to leave it.
QStringList enter(const QString& source, const QString& f, const QString& l, const QString& r,
                  const QString& material) {
    QStringList steps{"Opt1", "Com1", source, "Comm2"};
    steps << "Text1=" + f << "Text2=" + l;
    if (!material.isEmpty()) {
        steps << "Combo1" + material;
    }
    steps << "Text3=" + r;
    return steps;
}

} // namespace

class SolidShieldFormTest : public UiTest {
    Q_OBJECT

private slots:
    void resultIsPublished_data();
    void resultIsPublished();
    void decimalSeparatorFollowsLocale_data();
    void decimalSeparatorFollowsLocale();
    void missingInputAsks_data();
    void missingInputAsks();
    void runTimeErrorChangesNothing_data();
    void runTimeErrorChangesNothing();
    void typingOverAChosenMaterialUnchoosesIt();
    void failureKeepsEarlierResult();
    void resultBackThenOkAgainRecomputes();
    void enteringThroughChooserEmptiesInputs();

private:
    void checkFormUnchanged(const QStringList& texts, const QString& material, int source);
};

void SolidShieldFormTest::resultIsPublished_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("expected");
    QTest::newRow("copper 1 MHz, plane wave") << "Opt1"
                                              << "1"
                                              << "0.1"
                                              << "10"
                                              << "#0"
                                              << " 239";
    QTest::newRow("copper 1 MHz, magnetic") << "Opt2"
                                            << "1"
                                            << "0.1"
                                            << "10"
                                            << "#0"
                                            << " 185.65";
    QTest::newRow("copper 1 MHz, electric") << "Opt3"
                                            << "1"
                                            << "0.1"
                                            << "10"
                                            << "#0"
                                            << " 293.09";
    QTest::newRow("copper 1 kHz thin, plane wave") << "Opt1"
                                                   << "0.001"
                                                   << "0.001"
                                                   << "10"
                                                   << "#0"
                                                   << " 97.589";
    QTest::newRow("copper 1 kHz thin, magnetic: negative") << "Opt2"
                                                           << "0.001"
                                                           << "0.001"
                                                           << "10"
                                                           << "#0"
                                                           << "-15.337";
    QTest::newRow("copper 1 kHz thin, electric") << "Opt3"
                                                 << "0.001"
                                                 << "0.001"
                                                 << "10"
                                                 << "#0"
                                                 << " 211.67";
    QTest::newRow("aluminium, plane wave") << "Opt1"
                                           << "0.01"
                                           << "0.01"
                                           << "10"
                                           << "#5"
                                           << " 113.31";
    QTest::newRow("aluminium, magnetic") << "Opt2"
                                         << "0.01"
                                         << "0.01"
                                         << "10"
                                         << "#5"
                                         << " 20.037";
    QTest::newRow("aluminium, electric") << "Opt3"
                                         << "0.01"
                                         << "0.01"
                                         << "10"
                                         << "#5"
                                         << " 207.40";
    QTest::newRow("iron at 0.4 MHz, muR 1000") << "Opt1"
                                               << "0.4"
                                               << "0.05"
                                               << "0"
                                               << "#3"
                                               << " 614.41";
    QTest::newRow("iron at 0.5 MHz, muR 700") << "Opt1"
                                              << "0.5"
                                              << "0.05"
                                              << "0"
                                              << "#3"
                                              << " 580.10";
    QTest::newRow("zero thickness, plane wave: no leading zero") << "Opt1"
                                                                 << "1"
                                                                 << "0"
                                                                 << "10"
                                                                 << "#0"
                                                                 << "-.10352";
    QTest::newRow("zero thickness, electric") << "Opt3"
                                              << "1"
                                              << "0"
                                              << "10"
                                              << "#0"
                                              << " 80.367";
    QTest::newRow("plane wave without distance") << "Opt1"
                                                 << "1"
                                                 << "0.1"
                                                 << ""
                                                 << "#0"
                                                 << " 239";
    QTest::newRow("blanks around the digits") << "Opt1"
                                              << " 1 "
                                              << "0.1 "
                                              << ""
                                              << "#0"
                                              << " 239";
}

void SolidShieldFormTest::resultIsPublished() {
    QFETCH(QString, source);
    QFETCH(QString, f);
    QFETCH(QString, l);
    QFETCH(QString, r);
    QFETCH(QString, material);
    QFETCH(QString, expected);
    QVERIFY(walk(enter(source, f, l, r, material)));
    QVERIFY(click("Comm2"));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).message.prompt));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(window("Frmsub3")->windowTitle(), kSolid);
    const auto* result = find<QLineEdit>("Frmsub3", "Text1");
    QCOMPARE(result->text(), expected);
    QVERIFY(!result->isEnabled());
}

void SolidShieldFormTest::decimalSeparatorFollowsLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("expected"); // empty: the text does not convert
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("German, decimal comma") << german << "0,001"
                                           << " 97.589";
    QTest::newRow("German, decimal point") << german << "0.001"
                                           << " 97.589";
    QTest::newRow("C, decimal comma is not a number") << QLocale::c() << "0,001"
                                                      << "";
    QTest::newRow("German, a point before three digits may group thousands") << german << "1.000"
                                                                             << "";
}

void SolidShieldFormTest::decimalSeparatorFollowsLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, f);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    QVERIFY(walk(enter("Opt1", f, f, "10", "#0")));
    QVERIFY(click("Comm2"));
    if (expected.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
        QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), expected);
    }
}

void SolidShieldFormTest::typingOverAChosenMaterialUnchoosesIt() {
    QVERIFY(walk(enter("Opt1", "1", "0.1", "10", "#0") << "Combo1=---银---"));
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].message.prompt.contains(QStringLiteral("没有选择")));
    QVERIFY(walk({"Combo1#1", "Comm2"})); // chosen from the list again: silver
    QCOMPARE(messages.size(), 1);
    QCOMPARE(
        find<QLineEdit>("Frmsub3", "Text1")->text(),
        QString::fromStdString(shieldcalc::resultText(shieldcalc::solidShieldSE(
            {.f = 1, .l = 0.1f, .r = 10, .material = 1}, shieldcalc::FieldSource::PlaneWave))));
}

void SolidShieldFormTest::checkFormUnchanged(const QStringList& texts, const QString& material,
                                             int source) {
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(find<QLineEdit>("Frmsub2", QStringLiteral("Text%1").arg(i + 1))->text(), texts[i]);
    }
    QCOMPARE(find<QComboBox>("Frmsub2", "Combo1")->currentText(), material);
    QCOMPARE(selectedOption("Frmsub1"), source);
    QCOMPARE(selectedOption("frmmain"), 0);
}

void SolidShieldFormTest::missingInputAsks_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("expectedPrompt");
    QTest::newRow("frequency") << "Opt1"
                               << ""
                               << "0.1"
                               << "10" << kEnterParameters;
    QTest::newRow("thickness") << "Opt3"
                               << "1"
                               << ""
                               << "10" << kEnterParameters;
    QTest::newRow("frequency and distance: first message only") << "Opt2"
                                                                << ""
                                                                << "0.1"
                                                                << "" << kEnterParameters;
    QTest::newRow("distance, magnetic") << "Opt2"
                                        << "1"
                                        << "0.1"
                                        << "" << kEnterDistance;
    QTest::newRow("distance, electric") << "Opt3"
                                        << "1"
                                        << "0.1"
                                        << "" << kEnterDistance;
}

void SolidShieldFormTest::missingInputAsks() {
    QFETCH(QString, source);
    QFETCH(QString, f);
    QFETCH(QString, l);
    QFETCH(QString, r);
    QFETCH(QString, expectedPrompt);
    QVERIFY(walk(enter(source, f, l, r, "#0")));
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, QStringLiteral("Frmsub2"));
    QCOMPARE(messages[0].message.icon, QMessageBox::Question);
    QCOMPARE(messages[0].message.prompt, expectedPrompt);
    QCOMPARE(messages[0].message.title, kSolid);
    checkFormUnchanged({f, l, r}, QStringLiteral("---铜---"), source.right(1).toInt() - 1);
    QVERIFY(window("Frmsub3") == nullptr);
}

void SolidShieldFormTest::runTimeErrorChangesNothing_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QStringList>("explanation"); // words the message must contain
    QTest::newRow("frequency of blanks") << "Opt1"
                                         << "  "
                                         << "0.1"
                                         << "10"
                                         << "#0" << QStringList{"频率f(MHZ)", "空格"};
    QTest::newRow("frequency not a number")
        << "Opt1"
        << "abc"
        << "0.1"
        << "10"
        << "#0" << QStringList{"频率f(MHZ)", "“abc”", "不是一个数"};
    QTest::newRow("thickness beyond single precision")
        << "Opt1"
        << "1"
        << "1e39"
        << "10"
        << "#0" << QStringList{"壁厚l(cm)", "1e39", "范围"};
    QTest::newRow("distance not a number") << "Opt3"
                                           << "1"
                                           << "0.1"
                                           << "10cm"
                                           << "#0" << QStringList{"源到屏蔽体的距离r(cm)", "10cm"};
    QTest::newRow("no material chosen") << "Opt1"
                                        << "1"
                                        << "0.1"
                                        << "10"
                                        << "" << QStringList{"没有选择", "材料"};
    QTest::newRow("material name typed over")
        << "Opt2"
        << "1"
        << "0.1"
        << "10" << QStringLiteral("=铜") << QStringList{"没有选择", "材料"};
    // Only choosing from the list selects an entry, even one typed out in full.
    QTest::newRow("material name typed in full")
        << "Opt2"
        << "1"
        << "0.1"
        << "10" << QStringLiteral("=---铜---") << QStringList{"没有选择", "材料"};
    QTest::newRow("zero frequency, plane wave") << "Opt1"
                                                << "0"
                                                << "0.1"
                                                << "10"
                                                << "#0" << QStringList{"频率f为0"};
    QTest::newRow("zero frequency, magnetic") << "Opt2"
                                              << "0"
                                              << "0.1"
                                              << "10"
                                              << "#0" << QStringList{"频率f为0"};
    QTest::newRow("negative frequency") << "Opt3"
                                        << "-1"
                                        << "0.1"
                                        << "10"
                                        << "#0" << QStringList{"频率f为负数"};
    QTest::newRow("zero distance, electric") << "Opt3"
                                             << "1"
                                             << "0.1"
                                             << "0"
                                             << "#0" << QStringList{"距离r为0"};
    QTest::newRow("zero distance, magnetic") << "Opt2"
                                             << "1"
                                             << "0.1"
                                             << "0"
                                             << "#0" << QStringList{"距离r为0"};
    QTest::newRow("negative distance, magnetic") << "Opt2"
                                                 << "1"
                                                 << "0.1"
                                                 << "-10"
                                                 << "#0" << QStringList{"距离r为负数"};
    QTest::newRow("zero thickness, magnetic") << "Opt2"
                                              << "1"
                                              << "0"
                                              << "10"
                                              << "#0" << QStringList{"壁厚l为0", "多次反射修正B"};
    QTest::newRow("negative thickness, plane wave")
        << "Opt1"
        << "1"
        << "-0.1"
        << "10"
        << "#0" << QStringList{"壁厚l为负数", "不小于0"};
}

void SolidShieldFormTest::runTimeErrorChangesNothing() {
    QFETCH(QString, source);
    QFETCH(QString, f);
    QFETCH(QString, l);
    QFETCH(QString, r);
    QFETCH(QString, material);
    QFETCH(QStringList, explanation);
    QVERIFY(walk(enter(source, f, l, r, material)));
    const QString materialText = find<QComboBox>("Frmsub2", "Combo1")->currentText();
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, QStringLiteral("Frmsub2"));
    QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
    QCOMPARE(messages[0].message.title, kSolid);
    for (const QString& word : explanation) {
        QVERIFY2(messages[0].message.prompt.contains(word),
                 qPrintable(messages[0].message.prompt + " lacks " + word));
    }
    checkFormUnchanged({f, l, r}, materialText, source.right(1).toInt() - 1);
    QVERIFY(window("Frmsub3") == nullptr);
    // The user corrects the entry and presses OK again.
    QVERIFY(walk({"Text1=1", "Text2=0.1", "Combo1#0", "Text3=10", "Comm2"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
}

void SolidShieldFormTest::failureKeepsEarlierResult() {
    QVERIFY(walk(enter("Opt2", "1", "0.1", "10", "#0")));
    QVERIFY(walk({"Comm2", "Comm1", "Text1=abc", "Comm2"}));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
    checkFormUnchanged({"abc", "0.1", "10"}, QStringLiteral("---铜---"), 1);
    QCOMPARE(window("Frmsub3")->windowTitle(), kSolid);
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), QStringLiteral(" 185.65"));
}

void SolidShieldFormTest::resultBackThenOkAgainRecomputes() {
    QVERIFY(walk(enter("Opt1", "1", "0.1", "10", "#0")));
    QVERIFY(click("Comm2"));
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), QStringLiteral(" 239"));
    // Back keeps everything: the inputs and the source chosen before.
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    checkFormUnchanged({"1", "0.1", "10"}, QStringLiteral("---铜---"), 0);
    QVERIFY(walk({"Text2=0", "Comm2"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), QStringLiteral("-.10352"));
    QVERIFY(walk({"Comm1", "Text2=0.1", "Comm2"}));
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), QStringLiteral(" 239"));
    QCOMPARE(instances("Frmsub3"), 1);
}

void SolidShieldFormTest::enteringThroughChooserEmptiesInputs() {
    QVERIFY(walk(enter("Opt2", "1", "0.1", "10", "#0")));
    QVERIFY(walk({"Comm1", "Comm1", "Opt1", "Com1", "Opt2", "Comm2"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        QCOMPARE(find<QLineEdit>("Frmsub2", box)->text(), QString());
    }
    const auto* material = find<QComboBox>("Frmsub2", "Combo1");
    QCOMPARE(material->currentText(), QStringLiteral("--请选择--"));
    QCOMPARE(material->currentIndex(), -1);
}

QTEST_MAIN(SolidShieldFormTest)
#include "tst_solid_shield_form.moc"
