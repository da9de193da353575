// About and the application icon: F1 in each of the eight windows shows
// About over that window, and afterwards every window is as it was, down to
// the focus and the texts typed; every window carries the application icon
// at all of its installed sizes.
#include "core/version.h"
#include "ui/appearance.h"
#include "ui_test.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace {

const QStringList kWindows{"frmmain", "Frmsub1", "Frmsub6", "Frmsub2",
                           "Frmsub4", "Frmsub5", "Frmsub7", "Frmsub3"};

// Everything the user can see of every window that exists.
QStringList everyWindowsState() {
    QStringList state;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().isEmpty()) {
            continue;
        }
        state << window->objectName() + u'|' + window->windowTitle() + u'|' +
                     QString::number(window->isVisible());
        for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
            state << box->objectName() + u'=' + box->text() + u'|' +
                         QString::number(box->isEnabled());
        }
        for (const QComboBox* box : window->findChildren<QComboBox*>()) {
            state << box->objectName() + u'#' + QString::number(box->currentIndex());
        }
        for (const QRadioButton* option : window->findChildren<QRadioButton*>()) {
            state << option->objectName() + u'?' + QString::number(option->isChecked());
        }
    }
    return state;
}

} // namespace

class AboutTest : public UiTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void f1ShowsAboutOverTheWindow_data();
    void f1ShowsAboutOverTheWindow();
    void realAboutBoxIsModalAndGivesTheFocusBack();
    void everyWindowHasTheApplicationIcon_data();
    void everyWindowHasTheApplicationIcon();

private:
    // One row for each window: the steps that lead to it, its name.
    static void addEveryWindow();
    // Presses F1 in the one visible window, as the user does.
    bool pressF1();
};

void AboutTest::initTestCase() {
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    shieldcalc::ui::useChineseQtTexts(app);
    shieldcalc::ui::useApplicationIcon(app);
}

bool AboutTest::pressF1() {
    QWidget* visible = window(visibleWindows());
    if (visible == nullptr) {
        return false;
    }
    visible->activateWindow();
    if (!QTest::qWaitForWindowActive(visible)) {
        return false;
    }
    QWidget* target =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : visible;
    QTest::keyClick(target, Qt::Key_F1);
    return true;
}

void AboutTest::addEveryWindow() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("window");
    for (const QString& name : kWindows) {
        QTest::newRow(qPrintable(name)) << pathTo(name) << name;
    }
}

void AboutTest::f1ShowsAboutOverTheWindow_data() {
    addEveryWindow();
    // With texts typed and a choice made, so that a change would show.
    QTest::newRow("Frmsub7 with inputs")
        << (pathTo("Frmsub7") + QStringList{"Text1=1000", "Text2=0.1", "Combo1#2"}) << "Frmsub7";
}

void AboutTest::f1ShowsAboutOverTheWindow() {
    QFETCH(QStringList, steps);
    QFETCH(QString, window);
    QVERIFY(walk(steps));
    QCOMPARE(visibleWindows(), window);
    const QStringList before = everyWindowsState();

    QVERIFY(pressF1());

    QCOMPARE(messages.size(), 1);
    const ShownMessage about = messages.takeFirst();
    QCOMPARE(about.window, window);
    QCOMPARE(about.message.title, QStringLiteral("关于"));
    QCOMPARE(about.message.icon, QMessageBox::NoIcon);
    const QString text = about.message.prompt;
    for (const QString& part :
         {QStringLiteral("电磁兼容屏蔽效能计算"),
          QStringLiteral("版本 ") + QString::fromUtf8(shieldcalc::kVersion), QStringLiteral("MIT"),
          QStringLiteral("截止波导"), QStringLiteral("等体积的球壳"),
          QString::fromUtf8(shieldcalc::kValidationPage)}) {
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" missing in ") + text));
    }
    QCOMPARE(everyWindowsState(), before);
    QCOMPARE(quitRequests, 0);
}

void AboutTest::realAboutBoxIsModalAndGivesTheFocusBack() {
    restartWithMessageBoxes();
    QVERIFY(walk(pathTo("Frmsub2") + QStringList{"Text1=12.5", "Text2=0.1"}));
    QWidget* form = window("Frmsub2");
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto* thickness = find<QLineEdit>("Frmsub2", "Text2");
    thickness->setFocus();
    thickness->setCursorPosition(1);
    QVERIFY(thickness->hasFocus());
    const QStringList before = everyWindowsState();

    // The key press returns once the fixture's guard has closed the box.
    QVERIFY(pressF1());

    QCOMPARE(modalBoxes.size(), 1);
    const ModalBox box = modalBoxes.takeFirst();
    QCOMPARE(box.title, QStringLiteral("关于"));
    QCOMPARE(box.parentWindow, QStringLiteral("Frmsub2"));
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
    QVERIFY(box.text.contains(QString::fromUtf8(shieldcalc::kVersion)));
    QCOMPARE(visibleWindows(), QStringLiteral("Frmsub2"));
    QCOMPARE(everyWindowsState(), before);
    // The window keeps its focus box, which has the focus again as soon as
    // the window is active.
    QCOMPARE(form->focusWidget(), thickness);
    QCOMPARE(thickness->cursorPosition(), 1);
}

void AboutTest::everyWindowHasTheApplicationIcon_data() {
    addEveryWindow();
}

void AboutTest::everyWindowHasTheApplicationIcon() {
    QFETCH(QStringList, steps);
    QFETCH(QString, window);
    const QIcon application = QApplication::windowIcon();
    QList<QSize> sizes;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        sizes << QSize(size, size);
        QCOMPARE(application.pixmap(QSize(size, size), 1.0).size(), QSize(size, size));
    }
    QList<QSize> available = application.availableSizes();
    std::ranges::sort(available, {}, &QSize::width);
    QCOMPARE(available, sizes);
    QVERIFY(walk(steps));
    QCOMPARE(UiTest::window(window)->windowIcon().cacheKey(), application.cacheKey());
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
