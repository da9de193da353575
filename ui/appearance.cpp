#include "ui/appearance.h"

#include "ui/form_builder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace shieldcalc::ui {

void useSongFonts(QApplication& app) {
    app.setFont(songFont(Face::Plain));
}

void useChineseQtTexts(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    }
}

void useApplicationIcon(QApplication& app) {
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icons")).entryInfoList()) {
        icon.addFile(size.filePath());
    }
    app.setWindowIcon(icon);
}

} // namespace shieldcalc::ui
