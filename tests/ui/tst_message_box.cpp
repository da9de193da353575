// The real message boxes: modal over the window that asks, with the icon,
// the prompt, the title and a single OK button reading "确定" as on a Chinese
// desktop. The fixture's guard finds each box, records it and closes it.
#include "ui/appearance.h"
#include "ui_test.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class MessageBoxTest : public UiTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void boxIsModalWithOneOkButton_data();
    void boxIsModalWithOneOkButton();
    void typedTextIsShownPlainly_data();
    void typedTextIsShownPlainly();
};

void MessageBoxTest::initTestCase() {
    shieldcalc::ui::useChineseQtTexts(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void MessageBoxTest::boxIsModalWithOneOkButton_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt"); // empty: not checked
    QTest::newRow("question: menu without a choice")
        << QStringList{"Com1"} << "frmmain" << int(QMessageBox::Question)
        << QStringLiteral("电磁屏蔽效能计算") << QStringLiteral("请任意选择一种情况!");
    QTest::newRow("critical: a text that is not a number")
        << (pathTo("Frmsub2") + QStringList{"Text1=x", "Text2=0.1", "Comm2"}) << "Frmsub2"
        << int(QMessageBox::Critical) << QStringLiteral("实心屏蔽体的屏效计算") << QString();
}

void MessageBoxTest::boxIsModalWithOneOkButton() {
    QFETCH(QStringList, steps);
    QFETCH(QString, window);
    QFETCH(int, icon);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    restartWithMessageBoxes();
    // The click returns once the guard has closed the box.
    QVERIFY(walk(steps));
    QCOMPARE(modalBoxes.size(), 1);
    const ModalBox box = modalBoxes.takeFirst();
    QCOMPARE(box.parentWindow, window);
    QCOMPARE(int(box.icon), icon);
    QCOMPARE(box.title, title);
    if (!prompt.isEmpty()) {
        QCOMPARE(box.text, prompt);
    }
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
    QCOMPARE(visibleWindows(), window);
}

// Whatever is typed into a box, the message that quotes it shows it as plain
// characters, shortened in the middle, and the box fits on the screen.
void MessageBoxTest::typedTextIsShownPlainly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quoted"); // as the prompt quotes it
    QTest::newRow("font markup") << "<font size=7 color=red>BIG</font>"
                                 << "“<font size=7 color=red>BIG</font>”";
    QTest::newRow("image markup") << "<img src=\"/x.png\" width=900 height=600>"
                                  << "“<img src=\"/x.png\" width=900 height=600>”";
    QTest::newRow("long text") << QString(300, u'9') + u'x'
                               << u'“' + QString(20, u'9') + u'…' + QString(18, u'9') +
                                      QStringLiteral("x”");
    QTest::newRow("bidirectional override")
        << QStringLiteral("\u202E1.5") << QStringLiteral("“<U+202E>1.5”");
}

void MessageBoxTest::typedTextIsShownPlainly() {
    QFETCH(QString, typed);
    QFETCH(QString, quoted);
    restartWithMessageBoxes();
    QVERIFY(walk(pathTo("Frmsub2") + QStringList{"Text2=0.1", "Comm2"}));
    QCOMPARE(modalBoxes.size(), 1); // the frequency is missing
    modalBoxes.clear();
    QVERIFY(walk({"Text1=" + typed, "Comm2"}));
    QCOMPARE(modalBoxes.size(), 1);
    const ModalBox box = modalBoxes.takeFirst();
    QCOMPARE(box.textFormat, Qt::PlainText);
    QVERIFY2(box.text.contains(quoted), qPrintable(box.text));
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QVERIFY2(box.frame.width() <= screen.width() && box.frame.height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2").arg(box.frame.width()).arg(box.frame.height())));
}

QTEST_MAIN(MessageBoxTest)
#include "tst_message_box.moc"
