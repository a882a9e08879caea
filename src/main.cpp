#include "ui/application.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <string>

int main(int argc, char* argv[]) {
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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A picture sliding puzzle."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("game"),
                                 QStringLiteral("A saved game (.tsq) to load at start."),
                                 QStringLiteral("[GAME.tsq]"));
    parser.process(app);

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
