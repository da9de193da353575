#include "ui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

class RecordingPresenter final : public shieldcalc::ui::MessagePresenter {
public:
    explicit RecordingPresenter(
        std::function<void(QWidget*, const shieldcalc::ui::Message&)> record)
        : record_(std::move(record)) {}
    void show(QWidget* window, const shieldcalc::ui::Message& message) override {
        record_(window, message);
    }

private:
    std::function<void(QWidget*, const shieldcalc::ui::Message&)> record_;
};

} // namespace

void UiTest::init() {
    messages.clear();
    modalBoxes.clear();
    expectedModals.clear();
    quitRequests = 0;
    start(std::make_unique<RecordingPresenter>(
        [this](QWidget* window, const shieldcalc::ui::Message& message) {
            messages.append({window != nullptr ? window->objectName() : QString(), message});
        }));
    guard_.setInterval(10);
    connect(&guard_, &QTimer::timeout, this, &UiTest::closeModalBox, Qt::UniqueConnection);
    guard_.start();
}

void UiTest::cleanup() {
    guard_.stop();
    hub_.reset();
    QLocale::setDefault(QLocale::c());
    if (!modalBoxes.isEmpty()) {
        QFAIL(qPrintable(QStringLiteral("unexpected modal box: ") + modalBoxes.front().text));
    }
}

void UiTest::restartWithMessageBoxes() {
    start(std::make_unique<shieldcalc::ui::MessageBoxPresenter>());
}

void UiTest::start(std::unique_ptr<shieldcalc::ui::MessagePresenter> presenter) {
    hub_.reset();
    hub_ = std::make_unique<shieldcalc::ui::WindowHub>(std::move(presenter),
                                                       [this] { ++quitRequests; });
    hub_->start();
}

void UiTest::closeModalBox() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || expectedModals.contains(modal->objectName())) {
        return;
    }
    ModalBox seen;
    seen.title = modal->windowTitle();
    seen.parentWindow =
        modal->parentWidget() != nullptr ? modal->parentWidget()->objectName() : QString();
    if (const auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.textFormat = box->textFormat();
        for (const QAbstractButton* button : box->buttons()) {
            seen.buttons.append(button->text());
        }
    }
    seen.frame = modal->frameGeometry();
    modalBoxes.append(seen);
    modal->close();
}

template <class Control> Control* UiTest::visibleControl(const QString& name) const {
    const QStringList visible = visibleWindows().split(u',', Qt::SkipEmptyParts);
    if (visible.size() != 1) {
        qWarning("expected one visible window, found: %s", qPrintable(visibleWindows()));
        return nullptr;
    }
    auto* control = window(visible.front())->findChild<Control*>(name);
    if (control == nullptr || !control->isVisible()) {
        qWarning("no visible control %s in %s", qPrintable(name), qPrintable(visible.front()));
        return nullptr;
    }
    return control;
}

bool UiTest::click(const QString& control) {
    auto* button = visibleControl<QAbstractButton>(control);
    if (button == nullptr) {
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    return true;
}

bool UiTest::type(const QString& box, const QString& text) {
    QLineEdit* edit = nullptr;
    if (auto* combo = visibleControl<QWidget>(box); combo != nullptr) {
        auto* asCombo = qobject_cast<QComboBox*>(combo);
        edit = asCombo != nullptr ? asCombo->lineEdit() : qobject_cast<QLineEdit*>(combo);
    }
    if (edit == nullptr || !edit->isEnabled()) {
        return false;
    }
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return edit->text() == text;
}

bool UiTest::choose(const QString& box, int entry) {
    auto* combo = visibleControl<QComboBox>(box);
    if (combo == nullptr || entry < 0 || entry >= combo->count()) {
        return false;
    }
    combo->setFocus();
    for (int presses = 0; presses <= combo->count() && combo->currentIndex() != entry; ++presses) {
        QTest::keyClick(combo, combo->currentIndex() < entry ? Qt::Key_Down : Qt::Key_Up);
    }
    return combo->currentIndex() == entry && combo->currentText() == combo->itemText(entry);
}

bool UiTest::walk(const QStringList& steps) {
    for (const QString& step : steps) {
        bool done = false;
        if (const qsizetype eq = step.indexOf(u'='); eq >= 0) {
            done = type(step.left(eq), step.mid(eq + 1));
        } else if (const qsizetype hash = step.indexOf(u'#'); hash >= 0) {
            done = choose(step.left(hash), step.mid(hash + 1).toInt());
        } else {
            done = click(step);
        }
        if (!done) {
            qWarning("step %s failed", qPrintable(step));
            return false;
        }
    }
    return true;
}

QStringList UiTest::pathTo(const QString& window) {
    if (window == u"Frmsub1") {
        return {"Opt1", "Com1"};
    }
    if (window == u"Frmsub6") {
        return {"Opt4", "Com1"};
    }
    if (window == u"Frmsub2") {
        return {"Opt1", "Com1", "Opt1", "Comm2"};
    }
    if (window == u"Frmsub4") {
        return {"Opt2", "Com1", "Opt1", "Comm2"};
    }
    if (window == u"Frmsub5") {
        return {"Opt3", "Com1", "Opt1", "Comm2"};
    }
    if (window == u"Frmsub7") {
        return {"Opt4", "Com1", "Opt1", "Comm2"};
    }
    if (window == u"Frmsub3") {
        return pathTo(QStringLiteral("Frmsub2")) +
               QStringList{"Text1=1", "Text2=0.1", "Combo1#0", "Text3=10", "Comm2"};
    }
    return {}; // frmmain: the start
}

QString UiTest::visibleWindows() const {
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty()) {
            names.append(w->objectName());
        }
    }
    names.sort();
    return names.join(u',');
}

QWidget* UiTest::window(const QString& name) {
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto found =
        std::ranges::find_if(all, [&](const QWidget* w) { return w->objectName() == name; });
    return found != all.end() ? *found : nullptr;
}

int UiTest::instances(const QString& name) {
    return static_cast<int>(
        std::ranges::count_if(QApplication::topLevelWidgets(),
                              [&](const QWidget* w) { return w->objectName() == name; }));
}

int UiTest::selectedOption(const QString& window) {
    const QWidget* w = UiTest::window(window);
    if (w == nullptr) {
        return -1;
    }
    for (int i = 0; i < 4; ++i) {
        const auto* option = w->findChild<QRadioButton*>(QStringLiteral("Opt%1").arg(i + 1));
        if (option != nullptr && option->isChecked()) {
            return i;
        }
    }
    return -1;
}
