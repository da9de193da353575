// shieldcalc: shielding effectiveness of metal shields, for EMC engineers.
#include "core/version.h"
#include "ui/appearance.h"
#include "ui/messages.h"
#include "ui/window_hub.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shieldcalc"));
    QApplication::setApplicationVersion(QString::fromUtf8(shieldcalc::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(shieldcalc::kAppId));

    // Qt's own options (-platform, -style, ...) were taken out by QApplication.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shielding effectiveness of metal shields, for EMC engineers.\n"
                       "The windows are in Simplified Chinese; F1 in any window shows About."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        std::fprintf(stderr, "shieldcalc: unexpected argument '%s'\n", qPrintable(extra.front()));
        return 1;
    }

    shieldcalc::ui::useSongFonts(app);
    shieldcalc::ui::useChineseQtTexts(app);
    shieldcalc::ui::useApplicationIcon(app);

    shieldcalc::ui::WindowHub hub(std::make_unique<shieldcalc::ui::MessageBoxPresenter>(),
                                  &QCoreApplication::quit);
    hub.start();
    return QApplication::exec();
}
