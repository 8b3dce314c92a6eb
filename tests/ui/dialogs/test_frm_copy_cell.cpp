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
        QTest::newRow("covered corner") << 3 << 3 << 2 << 2;
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
        QCOMPARE(w.highlighted.back(), std::make_pair(wantRow, wantCol));
        QVERIFY(w.Find<QPushButton>("cmdDoCopy")->isEnabled());
        QCOMPARE(w.dialog.Choice().toRow, wantRow);
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
        QVERIFY(!w.Find<QPlainTextEdit>("txbCellContent")->isEnabled());  // (6, 6) is empty
    }
};

QTEST_MAIN(TestFrmCopyCell)
#include "test_frm_copy_cell.moc"
