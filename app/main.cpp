// shieldcalc: shielding effectiveness of metal shields, for EMC engineers.
#include "core/version.h"
#include "ui/appearance.h"
#include "ui/messages.h"
#include "ui/window_hub.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr const char* kNoDisplay =
    "shieldcalc: the windows need a graphical display (a desktop session), and none could be\n"
    "reached. shieldcalc-cli computes the same results without one.\n";

// Whether a window system can be named: a platform chosen by -platform or
// QT_QPA_PLATFORM is Qt's to judge, the default one (X11 or Wayland) needs a
// display named in the environment.
bool windowSystemNamed(const QStringList& arguments) {
    const bool platformChosen = arguments.contains(QStringLiteral("-platform")) ||
                                arguments.contains(QStringLiteral("--platform")) ||
                                qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    return platformChosen || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt ends the program with advice to reinstall it when no window system can
// be started, for example when the display named cannot be reached; say what
// it means instead.
QtMessageHandler qtMessages = nullptr;
void windowSystemMessages(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    qtMessages(type, context, message);
}

} // namespace

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

    if (!windowSystemNamed(arguments)) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    qtMessages = qInstallMessageHandler(windowSystemMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
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
