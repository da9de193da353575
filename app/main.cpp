// shieldcalc: shielding effectiveness of metal shields, for EMC engineers.
#include "ui/appearance.h"
#include "ui/messages.h"
#include "ui/window_hub.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    shieldcalc::ui::useSongFonts(app);
    shieldcalc::ui::useChineseQtTexts(app);

    shieldcalc::ui::WindowHub hub(std::make_unique<shieldcalc::ui::MessageBoxPresenter>(),
                                  &QCoreApplication::quit);
    hub.start();
    return QApplication::exec();
}
