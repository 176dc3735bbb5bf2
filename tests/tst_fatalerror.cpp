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
    int completed = 0;
    QVERIFY(runHandler(nullptr, [&] { ++completed; }));
    QCOMPARE(completed, 1);

    // The report is modal: whoever closes it has to be waiting in the event loop already.
    QString caption;
    QString text;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
            closer.stop();
        }
    });
    closer.start(10);
    QEventLoop loop;
    bool handled = true;
    QTimer::singleShot(0, [&] {
        handled = runHandler(nullptr, [] { throw std::out_of_range("cell 12 is off the board"); });
    });
    QCOMPARE(loop.exec(), EXIT_FAILURE);
    QVERIFY(!handled);
    QCOMPARE(caption, QStringLiteral("ZORBELKIN"));
    QVERIFY2(text.contains(QStringLiteral("cell 12 is off the board")), qPrintable(text));
}

QTEST_MAIN(TestFatalError)
#include "tst_fatalerror.moc"
