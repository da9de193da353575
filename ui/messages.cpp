#include "ui/messages.h"

namespace shieldcalc::ui {

void MessageBoxPresenter::show(QWidget* window, const Message& message) {
    QMessageBox box(message.icon, message.title, message.prompt, QMessageBox::Ok, window);
    box.exec();
}

} // namespace shieldcalc::ui
