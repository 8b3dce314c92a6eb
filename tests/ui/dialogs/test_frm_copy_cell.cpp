#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../scripted_seams.h"
#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_copy_cell.h"

using namespace tabloom;

// The copy window on its own: a 6 x 6 table with a 2 x 2 cell at (2, 2) and
// a highlighter that answers as the grid does.
class TestFrmCopyCell : public QObject {
    Q_OBJECT

  private:
    struct Window {
        Window() : dialog(prompter, nullptr) {
            ApplySpans(table, 2, 2, 2, 2);
            dialog.SetTargetHighlighter([this](int& row, int& col) {
                highlighted.emplace_back(row, col);
                const CellSpec& cell = table.At(row, col);
                if (cell.intRowSpan > 0) return true;
                row = cell.intOwnerRow;
                col = cell.intOwnerCol;
                return false;
            });
            dialog.RefillTargetLists(table.intNumRows, table.intNumCols);
        }
        void Open(int row, int col) {
            dialog.Fill(SummarizeCopySource(table, row, col), row, col);
            dialog.show();
        }
        template <typename T>
        T* Find(const char* name) {
            T* widget = dialog.findChild<T*>(name);
            if (widget == nullptr) qFatal("no control %s", name);
            return widget;
        }

        TableSpec table;
        RecordingPrompter prompter;
        frmCopyCell dialog;
        std::vector<std::pair<int, int>> highlighted;
    };

  private slots:
    void coveredTargetMovesToOwner_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("wantRow");
        QTest::addColumn<int>("wantCol");
        QTest::newRow("covered right") << 2 << 3 << 2 << 2;
        QTest::newRow("covered below") << 3 << 2 << 2 << 2;
        QTest::newRow("covered corner") << 3 << 3 << 2 << 2;
        QTest::newRow("the owner") << 2 << 2 << 2 << 2;
        QTest::newRow("free cell") << 5 << 4 << 5 << 4;
    }
    void coveredTargetMovesToOwner() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, wantRow);
        QFETCH(int, wantCol);
        Window w;
        w.Open(6, 6);  // no proposed target
        w.Find<QComboBox>("cboToCol")->setCurrentIndex(col - 1);
        QVERIFY(w.highlighted.empty());  // a row is still missing
        QVERIFY(!w.Find<QPushButton>("cmdDoCopy")->isEnabled());
        w.Find<QComboBox>("cboToRow")->setCurrentIndex(row - 1);
        QCOMPARE(w.Find<QComboBox>("cboToRow")->currentText(), QString::number(wantRow));
        QCOMPARE(w.Find<QComboBox>("cboToCol")->currentText(), QString::number(wantCol));
        QVERIFY(!w.highlighted.empty());
        QCOMPARE(w.highlighted.back(), std::make_pair(wantRow, wantCol));
        QVERIFY(w.Find<QPushButton>("cmdDoCopy")->isEnabled());
        const CopyChoice choice = w.dialog.Choice();
        QCOMPARE(choice.toRow, wantRow);
        QCOMPARE(choice.toCol, wantCol);
    }

    void targetOptionsEnableTheLists_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("listsEnabled");
        QTest::addColumn<bool>("doItEnabled");
        QTest::newRow("one cell") << "optToOneCell" << int(CopyTarget::OneCell) << true << false;
        QTest::newRow("row") << "optToAllCellsInRow" << int(CopyTarget::Row) << false << true;
        QTest::newRow("column") << "optToAllCellsInColumn" << int(CopyTarget::Column) << false
                                << true;
        QTest::newRow("table") << "optToAllCellsInTable" << int(CopyTarget::Table) << false << true;
    }
    void targetOptionsEnableTheLists() {
        QFETCH(QString, option);
        QFETCH(int, target);
        QFETCH(bool, listsEnabled);
        QFETCH(bool, doItEnabled);
        Window w;
        w.Open(6, 6);
        w.Find<QRadioButton>("optToAllCellsInTable")->click();
        w.Find<QRadioButton>(option.toLatin1().constData())->click();
        QCOMPARE(w.Find<QComboBox>("cboToRow")->isEnabled(), listsEnabled);
        QCOMPARE(w.Find<QComboBox>("cboToCol")->isEnabled(), listsEnabled);
        QCOMPARE(w.Find<QPushButton>("cmdDoCopy")->isEnabled(), doItEnabled);
        QCOMPARE(int(w.dialog.Choice().target), target);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::addColumn<QString>("message");
        const QString nothing =
            "At least one of font, content, colors,\r\nalignment and width must be checked.";
        QTest::newRow("nothing") << QStringList{} << 1 << 1 << nothing;
        QTest::newRow("height alone") << QStringList{"chkHeight"} << 1 << 1 << nothing;
        QTest::newRow("to itself")
            << QStringList{"chkFont"} << 4 << 5 << "Cell is being copied to itself.";
        QTest::newRow("height and width")
            << QStringList{"chkHeight", "chkWidth"} << 1 << 1 << QString();
    }
    void refusals() {
        QFETCH(QStringList, ticked);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        QFETCH(QString, message);
        Window w;
        w.Open(4, 5);
        for (const QString& name : ticked) w.Find<QCheckBox>(name.toLatin1().constData())->click();
        w.Find<QComboBox>("cboToRow")->setCurrentIndex(toRow - 1);
        w.Find<QComboBox>("cboToCol")->setCurrentIndex(toCol - 1);
        w.Find<QPushButton>("cmdDoCopy")->click();
        if (message.isEmpty()) {
            QVERIFY(w.prompter.calls.empty());
            QVERIFY(w.dialog.blnAccepted);
            QVERIFY(!w.dialog.isVisible());
            return;
        }
        QCOMPARE(w.prompter.calls.size(), size_t(1));
        QCOMPARE(w.prompter.calls[0].text, message);
        QCOMPARE(w.prompter.calls[0].title, QString("Error"));
        QCOMPARE(w.prompter.calls[0].icon, PromptIcon::None);
        QVERIFY(!w.dialog.blnAccepted);
        QVERIFY(w.dialog.isVisible());
    }

    // The groups stay ticked; the summary and target are set anew.
    void reopeningKeepsTheGroups() {
        Window w;
        w.table.At(1, 1).strContent = "first";
        w.Open(1, 1);
        w.Find<QCheckBox>("chkColors")->click();
        w.Find<QRadioButton>("optToAllCellsInColumn")->click();
        w.dialog.reject();
        QVERIFY(!w.dialog.blnAccepted);
        w.Open(6, 6);
        QVERIFY(w.Find<QCheckBox>("chkColors")->isChecked());
        QVERIFY(w.Find<QRadioButton>("optToOneCell")->isChecked());
        QCOMPARE(w.Find<QComboBox>("cboToRow")->currentIndex(), -1);
        QCOMPARE(w.Find<QRadioButton>("optToAllCellsInColumn")->text(),
                 QString("to all cells in column 6"));
        QCOMPARE(w.Find<QPlainTextEdit>("txbCellContent")->toPlainText(),
                 QString("No cell content specified."));
        QVERIFY(!w.Find<QPlainTextEdit>("txbCellContent")->isEnabled());
    }

    // Shrinking the table takes the lost numbers out of the lists.
    void listsFollowTheDimensions() {
        Window w;
        w.dialog.RefillTargetLists(3, 9);
        w.Open(1, 1);
        QCOMPARE(w.Find<QComboBox>("cboToRow")->count(), 3);
        QCOMPARE(w.Find<QComboBox>("cboToCol")->count(), 9);
        QCOMPARE(w.Find<QComboBox>("cboToCol")->itemText(8), QString("9"));
    }
};

QTEST_MAIN(TestFrmCopyCell)
#include "test_frm_copy_cell.moc"
