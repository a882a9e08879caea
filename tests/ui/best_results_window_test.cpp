// SPDX-License-Identifier: GPL-3.0-or-later
// The Best Results window on Qt's offscreen platform, showing a real file in a
// temporary folder; Reset's question is answered from the test.

#include "ui/best_results_window.h"
#include "files/best_results.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace mosaic;

class BestResultsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("best-results.txt"));

    // Clicks Reset and answers its question, which runs in its own event loop.
    static void reset(BestResultsWindow& window, QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, &window, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(answer)->click();
        });
        window.findChild<QPushButton*>(QStringLiteral("resetButton"))->click();
    }
    QByteArray contents() {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void theTableShowsTheFileAndResetClearsIt() {
        const QByteArray header = "mosaic-rush best results 1\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A run of daily games that ended yesterday still stands today.
        const QByteArray yesterday =
            QDate::currentDate().addDays(-1).toString(Qt::ISODate).toLatin1();
        file.write(header + "4 4 sliding 1 12 87 61234\n10 3 swap 4 2 - 3723000\n" + "daily 3 " +
                   yesterday + " 2\n");
        file.close();
        BestResults results(path.toStdString());
        QVERIFY(!results.load().damaged);
        BestResultsWindow window(results, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* table = window.findChild<QTableWidget*>(QStringLiteral("resultsTable"));
        const QStringList rows[] = {
            {"4 X 4", "Sliding", "Rows ascending", "12", "87", "1:01"},
            {"10 X 3", "Swap", "Columns descending", "2", "\u2014", "1:02:03"}};
        auto* daily = window.findChild<QLabel*>(QStringLiteral("dailyLine"));
        QCOMPARE(daily->text(), QStringLiteral("Daily games: 3 completed, days in a row: 2"));
        QCOMPARE(table->rowCount(), 2);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 6; ++column)
                QCOMPARE(table->item(row, column)->text(), rows[row][column]);

        const QByteArray before = contents();
        reset(window, QMessageBox::No);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(contents(), before);
        reset(window, QMessageBox::Yes);
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(daily->text(), QStringLiteral("Daily games: 0 completed, days in a row: 0"));
        QCOMPARE(contents(), QByteArray("mosaic-rush best results 2\n"));
    }
};

QTEST_MAIN(BestResultsWindowTest)
#include "best_results_window_test.moc"
