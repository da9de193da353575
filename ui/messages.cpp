#include "ui/messages.h"

#include "core/message_text.h"

#include <QApplication>
#include <QStyle>

namespace shieldcalc::ui {

QString quotedText(const QString& text) {
    return QString::fromStdString(textForMessage(text.toStdString()));
}

void MessageBoxPresenter::show(QWidget* window, const Message& message) {
    QMessageBox box(message.icon, message.title, message.prompt, QMessageBox::Ok, window);
    if (message.icon == QMessageBox::NoIcon) {
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(QApplication::windowIcon().pixmap(size));
    }
    box.setTextFormat(message.format);
    box.exec();
}

} // namespace shieldcalc::ui
