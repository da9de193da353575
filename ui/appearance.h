// The look of a Chinese desktop, set up once at start-up.
#pragma once

#include <QColor>

class QApplication;

namespace shieldcalc::ui {

// The colour of a warning's text, wherever a window shows one.
inline const QColor kWarningColour(0xa0, 0x20, 0x10);

// SimSun ("宋体"), or the free Song-style face that stands in for it
// (songFont), as the application font: the message boxes take it from there.
void useSongFonts(QApplication& app);

// Qt's own Simplified-Chinese texts, so that the standard buttons and the
// text boxes' context menus read as on a Chinese desktop ("确定").
void useChineseQtTexts(QApplication& app);

// The shieldcalc icon, built into the program at every installed size, as
// the icon of every window and message box.
void useApplicationIcon(QApplication& app);

} // namespace shieldcalc::ui
