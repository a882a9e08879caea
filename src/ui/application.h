#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace mosaic {

// The names the desktop knows the game by. The window class that X11 window
// managers see is the application name, so the desktop entry's
// StartupWMClass is that name too.
inline const QString ApplicationName = QStringLiteral("Mosaic Rush");
inline const QString DesktopFileName = QStringLiteral("io.github.mosaic_rush.MosaicRush");

// What the game remembers between runs, in the user's configuration folder.
inline QSettings gameSettings() {
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                         QStringLiteral("/settings.ini"),
                     QSettings::IniFormat);
}

}  // namespace mosaic
