#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "main_test_files.h"
#include "shown_text.h"

using namespace tabloom;

// Start-up of the main window: the program texts, the program state and the
// controls it shows.
class TestFrmMainStartup : public QObject {
    Q_OBJECT

  private slots:
    void failedTextLoad_data() {
        QTest::addColumn<QByteArray>("content");  // "missing": no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray("missing")
                                 << "Cannot open file containing program text.\n%1";
        QTest::newRow("folder instead of file") << QByteArray("folder") << "Error reading file.";
    }
    void failedTextLoad() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        MainFixture f(true);
        const QString path = f.Path("tbm.dat");
        if (content == "folder") {
            QVERIFY(QDir(f.dir.path()).mkdir("tbm.dat"));
        } else if (content != "missing") {
            WriteBytes(path, content);
        }

        QVERIFY(!f.window->StartUp());
        QVERIFY(!f.window->Initialized());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        const auto& call = f.prompter.calls[0];
        // The core ends lines with CR LF; the message box shows them as one break.
        QString text = call.text;
        text.replace("\r\n", "\n");
        QCOMPARE(text, message.contains("%1") ? message.arg(path) : message);
        QCOMPARE(call.icon, PromptIcon::Critical);
        QVERIFY(!f.window->isVisible());
    }

    void successfulStart() {
        StartedMain f;
        QVERIFY(f.window->Initialized());
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(f.window->isVisible());
        TableSpec fresh;
        InitTableState(fresh);
        QVERIFY(f.window->Table().SameSpec(fresh));
        // Nothing to create or view before an output file is chosen.
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
    }

    // Tooltips show as written; those holding "<" are not read as markup.
    void tooltipsShowAsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("centre") << "chkCenterTable4"
                                << "Add <CENTER>...</CENTER>.";
        QTest::newRow("save") << "cmdSaveLoad_5"
                              << "Save this table specification to a file.";
        QTest::newRow("load") << "cmdSaveLoad_4"
                              << "Load a previously saved table specification.";
    }
    void tooltipsShowAsWritten() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        StartedMain f;
        QCOMPARE(ShownToolTip(f.Find<QWidget>(qPrintable(name))->toolTip()), shown);
    }

    void dimensionChangeCutsTable() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& table) {
            table.At(6, 2).strContent = "bottom";
            table.At(1, 1).intRowSpan = 6;
        });
        const TableSpec& table = f.window->Table();
        f.Find<QLabel>("lblResult")->setText("stale");

        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(3);  // "4"
        QCOMPARE(table.intNumRows, 4);
        QVERIFY(table.At(6, 2).strContent.empty());
        QCOMPARE(table.At(1, 1).intRowSpan, 4);
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());

        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(19);
        QCOMPARE(table.intNumCols, 20);
    }

    // The result line never changes the window's size.
    void resultLineKeepsTheWindowSize() {
        StartedMain f;
        auto* result = f.Find<QLabel>("lblResult");
        const QSize size = f.window->size();
        for (const QString& text :
             {QString("The HTML code was created successfully."), QString("Failure: Error #3"),
              QString("The HTML code was created successfully. ").repeated(4), QString()}) {
            result->setText(text);
            f.window->layout()->activate();
            QCOMPARE(f.window->size(), size);
        }
    }

    void windowPlacedOnScreen() {
        StartedMain f;
        const QRect screen = f.window->screen()->availableGeometry();
        const QRect frame = f.window->frameGeometry();
        QCOMPARE(frame.top(), screen.top() + screen.height() / 10);
        if (frame.width() <= screen.width()) {
            QVERIFY2(
                qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2)) <= 8,
                qPrintable(QString("left %1 width %2 screen %3")
                               .arg(frame.left())
                               .arg(frame.width())
                               .arg(screen.width())));
        }
    }
};

QTEST_MAIN(TestFrmMainStartup)
#include "test_frm_main_startup.moc"
