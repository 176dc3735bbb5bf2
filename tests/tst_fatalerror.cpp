// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fatalerror.h"
#include "windowtesting.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

using namespace zorbelkin;

// Leaving the event loop cannot be taken back within one process, so this file holds one test.
class TestFatalError : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(testing::strayWindows(), QStringList()); }
    void escapedErrorIsShownThenTheProgramEndsWithFailure();
};

void TestFatalError::escapedErrorIsShownThenTheProgramEndsWithFailure()
{
    QVERIFY(runHandler(nullptr, [] {}));
    // The report is modal: whoever reads and closes it has to be waiting in the event loop.
    QString report;
    QTimer reader;
    connect(&reader, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            report = box->windowTitle() + u':' + box->text();
            box->accept();
        }
    });
    reader.start(10);
    bool completed = true;
    QTimer::singleShot(0, [&] {
        completed =
            runHandler(nullptr, [] { throw std::out_of_range("cell 12 is off the board"); });
    });
    QEventLoop loop;
    constexpr int timedOut = -1;
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(timedOut); });
    const int status = loop.exec();
    QVERIFY2(status != timedOut, "the error did not end the event loop within 5 s");
    QCOMPARE(status, EXIT_FAILURE);
    QVERIFY(!completed);
    QVERIFY2(report.startsWith(QLatin1String("ZORBELKIN:")) &&
                 report.contains(QLatin1String("cell 12 is off the board")),
             qPrintable(report));
}

QTEST_MAIN(TestFatalError)
#include "tst_fatalerror.moc"
