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
    QApplication::setApplicationName(QStringLiteral("shieldcalc"));
    QApplication::setApplicationVersion(QString::fromUtf8(shieldcalc::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(shieldcalc::kAppId));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shielding effectiveness of metal shields, for EMC engineers.\n"
                       "The windows are in Simplified Chinese; F1 in any window shows About."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    // Help and version are answered without the window system, so that they
    // work without a display. A command line with Qt's own options
    // (-platform, -style, ...) does not parse yet and waits for QApplication,
    // as does --help-all, which lists those options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (parser.parse(arguments) && (parser.isSet(help) || parser.isSet(version))) {
        const QCoreApplication noWindows(argc, argv);
        parser.process(noWindows); // prints and exits
    }

    QApplication app(argc, argv);
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
