// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <string>

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("A picture sliding puzzle."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("game"),
                                 QStringLiteral("A saved game (.tsq) to load at start."),
                                 QStringLiteral("[GAME.tsq]"));
}

// --help and --version are answered before the window system is opened, so
// that they work with no display.
void answerHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--")
            return;
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "-v" ||
            argument == "--version") {
            QCoreApplication early(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("mosaic-rush"));
            QCoreApplication::setApplicationVersion(QStringLiteral(MOSAIC_VERSION));
            QCommandLineParser parser;
            describeOptions(parser);
            parser.process(early);  // prints and exits
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(mosaic::ApplicationName);
    QApplication::setDesktopFileName(mosaic::DesktopFileName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mosaic-rush.png")));

    // The language follows the system's.
    QTranslator gameTranslation, qtTranslation;
    if (mosaic::loadTranslations(gameTranslation, qtTranslation, QLocale())) {
        QApplication::installTranslator(&gameTranslation);
        if (!qtTranslation.isEmpty())
            QApplication::installTranslator(&qtTranslation);
    } else {
        // A language the game does not speak: English, left to right.
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    QApplication::setApplicationVersion(QStringLiteral(MOSAIC_VERSION));
    QCommandLineParser parser;
    describeOptions(parser);
    // An option the game does not know: the usage on standard error, and the
    // exit code of a usage error.
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }

    mosaic::MainWindow window;
    window.show();
    // The file's name as its bytes, straight from the command line: a name
    // that is not text in the system's encoding still opens.
    if (!parser.positionalArguments().isEmpty()) {
        const QString named = parser.positionalArguments().constFirst();
        std::string bytes = QFile::encodeName(named).toStdString();
        for (int i = 1; i < argc; ++i)
            if (QString::fromLocal8Bit(argv[i]) == named)
                bytes = argv[i];
        window.openAtStart(bytes);
    }
    return app.exec();
}
