// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTranslator>

namespace mosaic {

// The names the desktop knows the game by. The window class that X11 window
// managers see is the application name, so the desktop entry's
// StartupWMClass is that name too.
inline const QString ApplicationName = QStringLiteral("Mosaic Rush");
inline const QString DesktopFileName = QStringLiteral("io.github.mosaic_rush.MosaicRush");

// Loads the game's own translation for a locale (built into the program),
// and then Qt's for its standard dialogs where the system has it. False where
// the game has none: the program runs in English, left to right, with no
// half-translated dialogs.
inline bool loadTranslations(QTranslator& game, QTranslator& qt, const QLocale& locale) {
    if (!game.load(locale, QStringLiteral("mosaic-rush"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        return false;
    (void)qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

// Where the game remembers things between runs.
inline QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/settings.ini");
}

// Whether the settings file may be opened: it is missing or a plain file.
// QSettings opens its file as it is made, and a named pipe or a device would
// hold the game there before its window ever appears.
inline bool settingsFileUsable() {
    const QFileInfo info(settingsPath());
    return !info.exists() || info.isFile();
}

// What the game remembers between runs, in the user's configuration folder;
// only where settingsFileUsable().
inline QSettings gameSettings() {
    return QSettings(settingsPath(), QSettings::IniFormat);
}

}  // namespace mosaic
