#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTextTable>
#include <QtTest>

#include "main_test_files.h"
#include "ui/platform/qt_clipboard.h"

using namespace tabloom;

namespace {

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

}  // namespace

// A whole table made through the real windows, from start-up to the written
// HTML file.
class TestFrmMainJourneys : public QObject {
    Q_OBJECT

  private slots:
    void fillMergeCopyAndCreate() {
        MainFixture f;
        QtClipboard system;
        f.options.seams.clipboard = &system;
        f.Restart();
        QVERIFY(f.window->StartUp());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(2);
        f.window->Document().SetOutputPath(f.Path("blocks.htm"), {});

        Edit(*f.window, [](TableSpec& t) {
            for (int i = 0; i < 9; ++i)
                t.At(i / 3 + 1, i % 3 + 1).strContent = {char('a' + i % 3), char('1' + i / 3)};
        });
        f.Find<QWidget>("picTable")->setFocus();
        Key(Qt::Key_Home, Qt::ControlModifier);
        Key(Qt::Key_Right, Qt::ShiftModifier);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        Key(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(f.window->Table().At(1, 1).strContent, std::string("a1\r\nb1\r\na2\r\nb2"));

        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr && copied->hasText() && copied->hasHtml());

        // A spreadsheet-style box takes the tab-separated rows.
        QPlainTextEdit plain;
        plain.paste();
        const QStringList lines = plain.toPlainText().split('\n');
        QCOMPARE(lines.value(lines.size() - 2), QString("a3\tb3\tc3"));
        QVERIFY(lines.first().startsWith("\"a1"));
        // A rich-text box takes the HTML table with its merged cell.
        QTextEdit rich;
        rich.paste();
        QTextCursor cursor(rich.document());
        cursor.movePosition(QTextCursor::NextBlock);
        QTextTable* table = cursor.currentTable();
        QVERIFY(table != nullptr);
        QCOMPARE(table->cellAt(0, 0).rowSpan(), 2);
        QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);

        QTest::mouseClick(f.Find<QPushButton>("cmdPerformOperation_6"), Qt::LeftButton);
        const QByteArray html = ReadBytes(f.Path("blocks.htm"));

        // The merged cell's lines follow each other as the cell's text does.
        QVERIFY(
            html.contains("<td rowspan=\"2\" colspan=\"2\"><font color=\"#000000\">a1b1\r\na2"));
        QCOMPARE(html.count("<td"), 6);
    }
};

QTEST_MAIN(TestFrmMainJourneys)
#include "test_frm_main_journeys.moc"
