// The fixture of the window tests.
//
// Every test gets a fresh window hub, started as the application starts it,
// with the message boxes recorded instead of shown and the end of the
// application recorded instead of done. Tests drive the real windows the way
// a user does: clicks on buttons and option buttons, key presses into boxes,
// always in the one visible window. A guard timer records and closes any real
// modal box that appears all the same and fails the test, so that no test
// hangs on a box nobody closes.
#pragma once

#include "ui/messages.h"
#include "ui/window_hub.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

// The calculation titles and the shared prompt, written out here as the
// windows must show them, independently of the application's own table.
inline const QString kSolid = QStringLiteral("实心屏蔽体的屏效计算");
inline const QString kNonSolid = QStringLiteral("非实心型屏蔽体的屏效计算");
inline const QString kDoubleLayer = QStringLiteral("双层屏蔽体的屏效计算");
inline const QString kEnclosure = QStringLiteral("长方体导体壳体屏效计算");
inline const QString kEnterParameters = QStringLiteral("请输入参数!");

class UiTest : public QObject {
    Q_OBJECT

protected:
    // A message handed to the hub's message presenter.
    struct ShownMessage {
        QString window; // object name of the window it was shown over
        shieldcalc::ui::Message message;
    };
    // A real modal box, as the guard found it.
    struct ModalBox {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString parentWindow;
        Qt::TextFormat textFormat = Qt::AutoText;
        QRect frame; // on the screen, with the title bar
    };

    // Starts the application again with real message boxes.
    void restartWithMessageBoxes();

    // Clicks a button or option button of the visible window.
    bool click(const QString& control);
    // Replaces the text of a text box (or of a drop-down box's edit field) of
    // the visible window, typing it key by key.
    bool type(const QString& box, const QString& text);
    // Chooses an entry of a drop-down box of the visible window with the arrow keys.
    bool choose(const QString& box, int entry);
    // Runs steps: "Com1" clicks, "Text1=0.5" types, "Combo1#3" chooses entry 3.
    bool walk(const QStringList& steps);
    // The steps that lead from the start to the window named window.
    static QStringList pathTo(const QString& window);

    // Object names of the visible windows, comma-separated.
    QString visibleWindows() const;
    // The existing window with that object name, or nullptr; counts instances.
    static QWidget* window(const QString& name);
    static int instances(const QString& name);
    template <class Control> static Control* find(const QString& window, const QString& control) {
        QWidget* w = UiTest::window(window);
        return w != nullptr ? w->findChild<Control*>(control) : nullptr;
    }
    // Index of the selected option button of a window (0 for Opt1), -1 for none.
    static int selectedOption(const QString& window);

    QList<ShownMessage> messages;
    QList<ModalBox> modalBoxes;
    // Object names of modal windows a test opens on purpose; the guard
    // leaves them open.
    QStringList expectedModals;
    int quitRequests = 0;

private slots:
    void init();
    void cleanup();

private:
    void start(std::unique_ptr<shieldcalc::ui::MessagePresenter> presenter);
    template <class Control> Control* visibleControl(const QString& name) const;
    void closeModalBox();

    std::unique_ptr<shieldcalc::ui::WindowHub> hub_;
    QTimer guard_;
};
