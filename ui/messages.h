// Message boxes.
//
// Every message of the application is a modal box with one OK button: a
// question-mark box for an input the user has still to give, a critical box
// for a calculation that cannot be carried out, and About (about.h), which
// shows the application's icon in place of a standard one. The windows never open a box
// themselves; they hand a Message to the MessagePresenter that the window hub
// owns, so that tests can put a recorder in the place of the real boxes.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace shieldcalc::ui {

struct Message {
    QMessageBox::Icon icon;
    QString prompt;
    QString title;
    // A prompt may quote what the user typed, so it is plain text; only a
    // prompt written wholly by the application may be rich text.
    Qt::TextFormat format = Qt::PlainText;
};

// User text quoted in a prompt as core's textForMessage shows it: at most
// about 40 characters, shortened in the middle, control and invisible
// characters shown as visible symbols.
QString quotedText(const QString& text);

inline Message question(const QString& prompt, const QString& title) {
    return {QMessageBox::Question, prompt, title};
}
inline Message critical(const QString& prompt, const QString& title) {
    return {QMessageBox::Critical, prompt, title};
}

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows message modally over window and returns when it is closed.
    virtual void show(QWidget* window, const Message& message) = 0;
};

// The real thing: a QMessageBox with a single OK button; a message without
// an icon gets the application's.
class MessageBoxPresenter final : public MessagePresenter {
public:
    void show(QWidget* window, const Message& message) override;
};

} // namespace shieldcalc::ui
