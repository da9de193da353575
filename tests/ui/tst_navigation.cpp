// The moves between the windows: where each button leads, what it clears or
// sets on the way, the messages of the menu and of the field-source windows,
// Exit and the close box, and the single instance of every window.
#include "ui/calculation.h"
#include "ui_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using shieldcalc::ui::CalculationKind;

namespace {

const QString kMenuCaption = QStringLiteral("电磁屏蔽效能计算");
const QString kChooseCase = QStringLiteral("请任意选择一种情况!");

const QStringList kAllWindows{"frmmain", "Frmsub1", "Frmsub2", "Frmsub3",
                              "Frmsub4", "Frmsub5", "Frmsub6", "Frmsub7"};

} // namespace

class NavigationTest : public UiTest {
    Q_OBJECT

private slots:
    void startShowsOnlyTheMenu();
    void titlesAreComparedExactly_data();
    void titlesAreComparedExactly();
    void menuOkOpensFieldSourceWindow_data();
    void menuOkOpensFieldSourceWindow();
    void menuOkWithoutChoiceAsks();
    void menuOkClearsChoiceOfEarlierVisit();
    void sourceOkOpensCalculator_data();
    void sourceOkOpensCalculator();
    void sourceOkWithoutChoiceAsks_data();
    void sourceOkWithoutChoiceAsks();
    void sourceBackReturnsToClearedMenu_data();
    void sourceBackReturnsToClearedMenu();
    void calculatorBackReturnsToClearedSourceWindow_data();
    void calculatorBackReturnsToClearedSourceWindow();
    void resultDoneReturnsToClearedMenu();
    void exitEndsTheApplication_data();
    void exitEndsTheApplication();
    void closeBoxEndsTheApplication_data();
    void closeBoxEndsTheApplication();
    void windowsStaySingleOverManyRoundTrips();
};

void NavigationTest::startShowsOnlyTheMenu() {
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    QCOMPARE(window("frmmain")->windowTitle(), kMenuCaption);
    QCOMPARE(selectedOption("frmmain"), -1);
    for (const QString& name : kAllWindows.mid(1)) {
        QVERIFY2(window(name) == nullptr, qPrintable(name + " exists before first use"));
    }
}

void NavigationTest::titlesAreComparedExactly_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("kind"); // -1: none
    QTest::newRow("solid") << kSolid << int(CalculationKind::SolidShield);
    QTest::newRow("non-solid") << kNonSolid << int(CalculationKind::NonSolidShield);
    QTest::newRow("double layer") << kDoubleLayer << int(CalculationKind::DoubleLayerShield);
    QTest::newRow("enclosure") << kEnclosure << int(CalculationKind::EnclosureShield);
    QTest::newRow("result window's first caption")
        << QStringLiteral("非实心型屏蔽体效能计算") << -1;
    QTest::newRow("enclosure message title") << QStringLiteral("长方体导体壳体屏蔽计算") << -1;
    QTest::newRow("double-layer form caption") << QStringLiteral("双层屏蔽体的效能计算") << -1;
    QTest::newRow("trailing blank") << kSolid + u' ' << -1;
    QTest::newRow("empty") << QString() << -1;
}

void NavigationTest::titlesAreComparedExactly() {
    QFETCH(QString, caption);
    QFETCH(int, kind);
    const auto found = shieldcalc::ui::calculationWithTitle(caption);
    QCOMPARE(found ? int(*found) : -1, kind);
}

void NavigationTest::menuOkOpensFieldSourceWindow_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expectedWindow");
    QTest::addColumn<QString>("expectedCaption");
    QTest::newRow("solid") << "Opt1"
                           << "Frmsub1" << kSolid;
    QTest::newRow("non-solid") << "Opt2"
                               << "Frmsub1" << kNonSolid;
    QTest::newRow("double layer") << "Opt3"
                                  << "Frmsub1" << kDoubleLayer;
    QTest::newRow("enclosure") << "Opt4"
                               << "Frmsub6" << kEnclosure;
}

void NavigationTest::menuOkOpensFieldSourceWindow() {
    QFETCH(QString, option);
    QFETCH(QString, expectedWindow);
    QFETCH(QString, expectedCaption);
    QVERIFY(walk({option, "Com1"}));
    QCOMPARE(visibleWindows(), expectedWindow);
    QCOMPARE(window(expectedWindow)->windowTitle(), expectedCaption);
    QCOMPARE(selectedOption(expectedWindow), -1);
    // The menu keeps its choice while hidden; both chooser windows now exist.
    QVERIFY(selectedOption("frmmain") >= 0);
    QCOMPARE(instances("Frmsub1"), 1);
    QCOMPARE(instances("Frmsub6"), 1);
    QVERIFY(messages.isEmpty());
}

void NavigationTest::menuOkWithoutChoiceAsks() {
    QVERIFY(click("Com1"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, QStringLiteral("frmmain"));
    QCOMPARE(messages[0].message.icon, QMessageBox::Question);
    QCOMPARE(messages[0].message.prompt, kChooseCase);
    QCOMPARE(messages[0].message.title, kMenuCaption);
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    // Both field-source windows were cleared first, which created them hidden.
    QCOMPARE(instances("Frmsub1"), 1);
    QCOMPARE(instances("Frmsub6"), 1);
    QCOMPARE(selectedOption("Frmsub1"), -1);
    QCOMPARE(selectedOption("Frmsub6"), -1);
}

void NavigationTest::menuOkClearsChoiceOfEarlierVisit() {
    // Done leaves the chooser's choice in place; the menu's OK clears it.
    QVERIFY(walk(pathTo("Frmsub3")));
    QCOMPARE(selectedOption("Frmsub1"), 0);
    QVERIFY(walk({"Comm2", "Opt1", "Com1"}));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub1"));
    QCOMPARE(selectedOption("Frmsub1"), -1);
}

void NavigationTest::sourceOkOpensCalculator_data() {
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expectedWindow");
    QTest::addColumn<QString>("expectedCaption");
    QTest::newRow("solid, plane wave") << "Opt1"
                                       << "Opt1"
                                       << "Frmsub2" << kSolid;
    QTest::newRow("solid, magnetic") << "Opt1"
                                     << "Opt2"
                                     << "Frmsub2" << kSolid;
    QTest::newRow("non-solid, electric") << "Opt2"
                                         << "Opt3"
                                         << "Frmsub4" << QStringLiteral("非实心型屏蔽体效能计算");
    QTest::newRow("double layer, plane wave")
        << "Opt3"
        << "Opt1"
        << "Frmsub5" << QStringLiteral("双层屏蔽体的效能计算");
    QTest::newRow("enclosure, magnetic") << "Opt4"
                                         << "Opt1"
                                         << "Frmsub7" << kEnclosure;
    QTest::newRow("enclosure, electric") << "Opt4"
                                         << "Opt2"
                                         << "Frmsub7" << kEnclosure;
}

void NavigationTest::sourceOkOpensCalculator() {
    QFETCH(QString, calculation);
    QFETCH(QString, source);
    QFETCH(QString, expectedWindow);
    QFETCH(QString, expectedCaption);
    QVERIFY(walk({calculation, "Com1", source, "Comm2"}));
    QCOMPARE(visibleWindows(), expectedWindow);
    QCOMPARE(window(expectedWindow)->windowTitle(), expectedCaption);
    // The choice stays in the hidden chooser, where the calculator reads it.
    const QString chooser = calculation == u"Opt4" ? "Frmsub6" : "Frmsub1";
    QCOMPARE(selectedOption(chooser), source.right(1).toInt() - 1);
    QVERIFY(messages.isEmpty());
}

void NavigationTest::sourceOkWithoutChoiceAsks_data() {
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("expectedTitle");
    QTest::newRow("solid") << "Opt1"
                           << "Frmsub1" << kSolid;
    QTest::newRow("non-solid") << "Opt2"
                               << "Frmsub1" << kNonSolid;
    QTest::newRow("double layer") << "Opt3"
                                  << "Frmsub1" << kDoubleLayer;
    QTest::newRow("enclosure: its own title")
        << "Opt4"
        << "Frmsub6" << QStringLiteral("长方体导体壳体屏蔽计算");
}

void NavigationTest::sourceOkWithoutChoiceAsks() {
    QFETCH(QString, calculation);
    QFETCH(QString, chooser);
    QFETCH(QString, expectedTitle);
    QVERIFY(walk({calculation, "Com1", "Comm2"}));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, chooser);
    QCOMPARE(messages[0].message.icon, QMessageBox::Question);
    QCOMPARE(messages[0].message.prompt, kChooseCase);
    QCOMPARE(messages[0].message.title, expectedTitle);
    QCOMPARE(visibleWindows(), chooser);
    for (const char* calculator : {"Frmsub2", "Frmsub4", "Frmsub5", "Frmsub7"}) {
        QVERIFY(window(calculator) == nullptr);
    }
}

void NavigationTest::sourceBackReturnsToClearedMenu_data() {
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("chooser");
    QTest::newRow("Frmsub1 with a source chosen") << "Opt3"
                                                  << "Opt2"
                                                  << "Frmsub1";
    QTest::newRow("Frmsub1 with nothing chosen") << "Opt1"
                                                 << ""
                                                 << "Frmsub1";
    QTest::newRow("Frmsub6 with a source chosen") << "Opt4"
                                                  << "Opt2"
                                                  << "Frmsub6";
}

void NavigationTest::sourceBackReturnsToClearedMenu() {
    QFETCH(QString, calculation);
    QFETCH(QString, source);
    QFETCH(QString, chooser);
    QVERIFY(walk({calculation, "Com1"}));
    if (!source.isEmpty()) {
        QVERIFY(click(source));
    }
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    QCOMPARE(selectedOption("frmmain"), -1);
    QCOMPARE(selectedOption(chooser), -1);
    QVERIFY(click("Com1")); // nothing chosen any more
    QCOMPARE(messages.size(), 1);
}

void NavigationTest::calculatorBackReturnsToClearedSourceWindow_data() {
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("caption");
    QTest::newRow("solid") << "Frmsub2"
                           << "Frmsub1" << kSolid;
    QTest::newRow("non-solid") << "Frmsub4"
                               << "Frmsub1" << kNonSolid;
    QTest::newRow("double layer") << "Frmsub5"
                                  << "Frmsub1" << kDoubleLayer;
    QTest::newRow("enclosure") << "Frmsub7"
                               << "Frmsub6" << kEnclosure;
}

void NavigationTest::calculatorBackReturnsToClearedSourceWindow() {
    QFETCH(QString, calculator);
    QFETCH(QString, chooser);
    QFETCH(QString, caption);
    QVERIFY(walk(pathTo(calculator)));
    QVERIFY(click("Comm1"));
    QCOMPARE(visibleWindows(), chooser);
    QCOMPARE(window(chooser)->windowTitle(), caption);
    QCOMPARE(selectedOption(chooser), -1);
    QVERIFY(selectedOption("frmmain") >= 0);
}

void NavigationTest::resultDoneReturnsToClearedMenu() {
    QVERIFY(walk(pathTo("Frmsub3")));
    QVERIFY(click("Comm2"));
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    QCOMPARE(selectedOption("frmmain"), -1);
    // Done clears nothing else.
    QCOMPARE(find<QLineEdit>("Frmsub2", "Text3")->text(), QStringLiteral("10"));
    QCOMPARE(selectedOption("Frmsub1"), 0);
    QVERIFY(click("Com1"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].message.prompt, kChooseCase);
}

void NavigationTest::exitEndsTheApplication_data() {
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("exitButton");
    QTest::newRow("main menu") << "frmmain"
                               << "Com2";
    QTest::newRow("sheet chooser") << "Frmsub1"
                                   << "Comm4";
    QTest::newRow("enclosure chooser") << "Frmsub6"
                                       << "Comm4";
    QTest::newRow("solid calculator") << "Frmsub2"
                                      << "Comm4";
    QTest::newRow("non-solid calculator") << "Frmsub4"
                                          << "Comm4";
    QTest::newRow("double-layer calculator") << "Frmsub5"
                                             << "Comm4";
    QTest::newRow("enclosure calculator") << "Frmsub7"
                                          << "Comm4";
}

void NavigationTest::exitEndsTheApplication() {
    QFETCH(QString, windowName);
    QFETCH(QString, exitButton);
    QVERIFY(walk(pathTo(windowName)));
    QCOMPARE(visibleWindows(), windowName);
    QVERIFY(click(exitButton));
    QCOMPARE(quitRequests, 1);
    QCOMPARE(visibleWindows(), QString());
    QVERIFY(messages.isEmpty());
}

void NavigationTest::closeBoxEndsTheApplication_data() {
    QTest::addColumn<QString>("windowName");
    for (const QString& name : kAllWindows) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

void NavigationTest::closeBoxEndsTheApplication() {
    QFETCH(QString, windowName);
    QVERIFY(walk(pathTo(windowName)));
    QCOMPARE(visibleWindows(), windowName);
    QVERIFY(window(windowName)->close());
    QCOMPARE(quitRequests, 1);
    QCOMPARE(visibleWindows(), QString());
}

void NavigationTest::windowsStaySingleOverManyRoundTrips() {
    for (int round = 0; round < 10; ++round) {
        // A result, Back to change the material, the result again, Done.
        QVERIFY(walk(pathTo("Frmsub3")));
        QVERIFY(walk({"Comm1", "Combo1#5", "Comm2", "Comm2"}));
        // Each chooser and calculator there and back.
        for (const char* calculator : {"Frmsub4", "Frmsub5", "Frmsub7"}) {
            QVERIFY(walk(pathTo(calculator)));
            QVERIFY(walk({"Comm1", "Comm1"}));
            QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
        }
    }
    for (const QString& name : kAllWindows) {
        QCOMPARE(instances(name), 1);
    }
    QCOMPARE(find<QComboBox>("Frmsub2", "Combo1")->currentIndex(), 5);
    QCOMPARE(visibleWindows(), QStringLiteral("frmmain"));
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
