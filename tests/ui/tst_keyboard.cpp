// A calculation from the keyboard: Enter in a text box presses OK (in a
// drop-down box it chooses the entry typed), Esc presses Back, the arrow keys
// move the selection of the option buttons, and after a message about one
// input that box has the focus with its text selected.
#include "ui_test.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class KeyboardTest : public UiTest {
    Q_OBJECT

private slots:
    void enterInTextBoxPressesOk_data();
    void enterInTextBoxPressesOk();
    void enterInDropDownBoxChoosesTheEntry();
    void escapePressesBack_data();
    void escapePressesBack();
    void arrowKeysMoveTheSelection_data();
    void arrowKeysMoveTheSelection();
    void messageFocusesItsInput_data();
    void messageFocusesItsInput();

private:
    // Sends key to the control that has the focus in the visible window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

void KeyboardTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* visible = window(visibleWindows());
    QVERIFY(visible != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(visible));
    QWidget* target = visible->focusWidget() != nullptr ? visible->focusWidget() : visible;
    QTest::keyClick(target, key, modifiers);
}

void KeyboardTest::enterInTextBoxPressesOk_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    const int none = Qt::NoModifier;
    // Steps that fill every box of a calculator, OK not pressed.
    const QStringList kSolidFilled =
        pathTo("Frmsub2") + QStringList{"Text1=1", "Text2=0.1", "Combo1#0", "Text3=10"};
    const QStringList kApertureFilled =
        pathTo("Frmsub4") + QStringList{"Com1#0",  "Com2#0",     "Text1=0.5", "Text2=1000",
                                        "Text5=1", "Text7=0.25", "Text6=1",   "Text8=1"};
    const QStringList kDoubleLayerFilled =
        pathTo("Frmsub5") + QStringList{"Text1=1000", "Text2=0.1", "Text3=10", "Combo1#0",
                                        "Text5=0.1",  "Text6=5",   "Combo2#0"};
    const QStringList kEnclosureFilled =
        pathTo("Frmsub7") +
        QStringList{"Text1=1000", "Text2=0.1", "Combo1#0", "Text3=10", "Text4=10", "Text5=10"};
    QTest::newRow("solid, Return in the last box")
        << kSolidFilled << "Text3" << int(Qt::Key_Return) << none << " 239";
    QTest::newRow("solid, keypad Enter in the first box")
        << kSolidFilled << "Text1" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << " 239";
    QTest::newRow("aperture, Return in w")
        << kApertureFilled << "Text8" << int(Qt::Key_Return) << none << " 51.636";
    QTest::newRow("double layer, Return in r2")
        << kDoubleLayerFilled << "Text6" << int(Qt::Key_Return) << none << " 464.43";
    QTest::newRow("enclosure, keypad Enter in h")
        << kEnclosureFilled << "Text5" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
        << " 178.38";
}

void KeyboardTest::enterInTextBoxPressesOk() {
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    QVERIFY(walk(steps));
    QVERIFY(type(box, find<QLineEdit>(visibleWindows(), box)->text())); // focus in the box
    press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).message.prompt));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub3"));
    QCOMPARE(find<QLineEdit>("Frmsub3", "Text1")->text(), shown);
}

void KeyboardTest::enterInDropDownBoxChoosesTheEntry() {
    QVERIFY(walk(pathTo("Frmsub2") + QStringList{"Text1=1", "Text2=0.1"}));
    QVERIFY(type("Combo1", QStringLiteral("---铁---")));
    press(Qt::Key_Return);
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    QVERIFY(messages.isEmpty());
    QCOMPARE(find<QComboBox>("Frmsub2", "Combo1")->currentIndex(), 3);
}

void KeyboardTest::escapePressesBack_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("menu: nothing to go back to") << "frmmain"
                                                 << "frmmain";
    QTest::newRow("sheet sources") << "Frmsub1"
                                   << "frmmain";
    QTest::newRow("enclosure sources") << "Frmsub6"
                                       << "frmmain";
    QTest::newRow("solid") << "Frmsub2"
                           << "Frmsub1";
    QTest::newRow("aperture") << "Frmsub4"
                              << "Frmsub1";
    QTest::newRow("double layer") << "Frmsub5"
                                  << "Frmsub1";
    QTest::newRow("enclosure") << "Frmsub7"
                               << "Frmsub6";
    QTest::newRow("result") << "Frmsub3"
                            << "Frmsub2";
}

void KeyboardTest::escapePressesBack() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QVERIFY(walk(pathTo(from)));
    press(Qt::Key_Escape);
    QCOMPARE(visibleWindows(), to);
    QVERIFY(messages.isEmpty());
    QCOMPARE(quitRequests, 0);
}

void KeyboardTest::arrowKeysMoveTheSelection_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("selected");
    const int down = Qt::Key_Down;
    const int up = Qt::Key_Up;
    QTest::newRow("menu: Down selects the first") << "frmmain" << QList<int>{down} << 0;
    QTest::newRow("menu: Down moves on") << "frmmain" << QList<int>{down, down, down} << 2;
    QTest::newRow("menu: Up selects the last") << "frmmain" << QList<int>{up} << 3;
    QTest::newRow("menu: Down after the last wraps") << "frmmain" << QList<int>{up, down} << 0;
    QTest::newRow("menu: Right and Left")
        << "frmmain" << QList<int>{int(Qt::Key_Right), int(Qt::Key_Right), int(Qt::Key_Left)} << 0;
    QTest::newRow("sheet sources: Up from the first wraps")
        << "Frmsub1" << QList<int>{down, up} << 2;
    QTest::newRow("enclosure sources: Down twice") << "Frmsub6" << QList<int>{down, down} << 1;
}

void KeyboardTest::arrowKeysMoveTheSelection() {
    QFETCH(QString, name);
    QFETCH(QList<int>, keys);
    QFETCH(int, selected);
    QVERIFY(walk(pathTo(name)));
    for (const int key : keys) {
        press(Qt::Key(key));
    }
    QCOMPARE(selectedOption(name), selected);
    QCOMPARE(window(name)->focusWidget()->objectName(), QStringLiteral("Opt%1").arg(selected + 1));
}

void KeyboardTest::messageFocusesItsInput_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("box");
    const QStringList magneticDoubleLayer{"Opt3", "Com1", "Opt2", "Comm2"};
    QTest::newRow("solid: first empty box")
        << (pathTo("Frmsub2") + QStringList{"Text1=1"}) << "Text2";
    QTest::newRow("solid: text that is not a number")
        << (pathTo("Frmsub2") + QStringList{"Text1=1", "Text2=0,1x"}) << "Text2";
    QTest::newRow("aperture: empty boxes in tab order")
        << (pathTo("Frmsub4") + QStringList{"Text1=1", "Text2=1", "Text5=1", "Text6=1"}) << "Text7";
    QTest::newRow("aperture: the diameter of a circular hole")
        << (pathTo("Frmsub4") +
            QStringList{"Com1#1", "Text1=1", "Text2=1", "Text5=1", "Text7=1", "Text6=1"})
        << "Text3";
    QTest::newRow("aperture: the width of a rectangular hole")
        << (pathTo("Frmsub4") +
            QStringList{"Com1#0", "Text1=1", "Text2=1", "Text5=1", "Text7=1", "Text6=1"})
        << "Text8";
    QTest::newRow("double layer: the distance r1")
        << (magneticDoubleLayer + QStringList{"Text1=1000", "Text2=0.1", "Text5=0.1", "Text6=5"})
        << "Text3";
    QTest::newRow("enclosure: the width")
        << (pathTo("Frmsub7") + QStringList{"Text1=1", "Text2=1", "Text3=1", "Text5=1"}) << "Text4";
    QTest::newRow("solid: a frequency of 0 in a fault")
        << (pathTo("Frmsub2") + QStringList{"Text1=0", "Text2=0.1", "Combo1#0"}) << "Text1";
    QTest::newRow("solid: no metal chosen, in a fault")
        << (pathTo("Frmsub2") + QStringList{"Text1=1", "Text2=0.1"}) << "Combo1";
    QTest::newRow("double layer: a gap of 0 beside a magnetic source")
        << (magneticDoubleLayer + QStringList{"Text1=1000", "Text2=0.1", "Text3=10", "Combo1#0",
                                              "Text5=0.1", "Text6=0", "Combo2#0"})
        << "Text6";
    QTest::newRow("enclosure: a blank height")
        << (pathTo("Frmsub7") + QStringList{"Text1=1", "Text2=1", "Text3=1", "Text4=1", "Text5= "})
        << "Text5";
}

void KeyboardTest::messageFocusesItsInput() {
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QVERIFY(walk(steps));
    const QString form = visibleWindows();
    QVERIFY(click("Comm2"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(visibleWindows(), form);
    auto* input = find<QWidget>(form, box);
    QCOMPARE(window(form)->focusWidget(), input);
    auto* list = qobject_cast<QComboBox*>(input);
    const auto* edit = list != nullptr ? list->lineEdit() : qobject_cast<QLineEdit*>(input);
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->selectedText(), edit->text());
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
