#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/dialogs/frm_copy_cell.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/main_window/program_state.h"

using namespace tabloom;

namespace {

// A cell dialog opened on one cell of a 6 x 6 table, as the grid opens it.
struct Fixture {
    explicit Fixture(int row = 3, int col = 2) : row(row), col(col) {
        NewTable(table);
        table.lngTableBgColor = 0xF0F0F0;
    }
    void Open() {
        const CellSpec& cell = table.At(row, col);
        state.lngEditCellTextColor = cell.lngTextColor;
        state.lngEditCellBgColor = cell.lngBgColor;
        state.lngEditTableTextColor = table.lngTableTextColor;
        state.lngEditTableBgColor = table.lngTableBgColor;
        dialog.Load(CellDialogValuesFor(table, row, col), row, col);
        dialog.show();
    }
    template <typename T>
    T* Find(const char* name) {
        return Child<T>(&dialog, name);
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    QPlainTextEdit* Content() { return Find<QPlainTextEdit>("txbCellContent"); }
    void Accept() { Find<QPushButton>("cmdAccept")->click(); }

    int row;
    int col;
    TableSpec table;
    ProgramState state;
    RecordingPrompter prompter;
    int closes = 0;
    frmCellInfo dialog{table, state, prompter, [this] { ++closes; }};
};

// The copy window on its own: a 6 x 6 table with a 2 x 2 cell at (2, 2) and
// a highlighter that answers as the grid does.
struct Window {
    Window() : dialog(prompter, nullptr) {
        ApplySpans(table, 2, 2, 2, 2);
        dialog.SetTargetHighlighter([this](int& row, int& col) {
            highlighted = {row, col};
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
        return Child<T>(&dialog, name);
    }
    QString Target() {
        return Find<QComboBox>("cboToRow")->currentText() + "," +
               Find<QComboBox>("cboToCol")->currentText();
    }

    TableSpec table;
    RecordingPrompter prompter;
    frmCopyCell dialog;
    QPoint highlighted;
};

}  // namespace

// The cell window and the copy window on their own.
class TestCellDialogs : public QObject {
    Q_OBJECT

  private slots:
    // Spans, content, caret and colours of the cell; a place marker shows
    // empty, in the table colours.
    void opensFromTheCell() {
        Fixture f(3, 2);
        CellSpec& cell = f.table.At(3, 2);
        cell.strContent = "first\r\nsecond";
        cell.lngTextColor = 0x0000FF;
        cell.lngBgColor = 0x00FF00;
        ApplySpans(f.table, 3, 2, 2, 3);
        f.Open();
        auto* rows = f.Find<QComboBox>("cboRowSpan");
        auto* cols = f.Find<QComboBox>("cboColSpan");
        QCOMPARE(QPoint(rows->count(), cols->count()), QPoint(4, 5));
        QCOMPARE(rows->currentText() + cols->currentText(), QString("23"));
        QCOMPARE(f.Content()->toPlainText(), QString("first\nsecond"));
        QCOMPARE(f.Content()->textCursor().position(), f.Content()->toPlainText().size());
        QCOMPARE(f.dialog.focusWidget(), f.Content());
        QVERIFY(f.Find<QCheckBox>("chkUseSpecifiedCellColors")->isChecked());
        QCOMPARE(f.Find<QLabel>("lblCellTextHex")->text(), QString("#FF0000"));

        Fixture marker(2, 5);
        marker.table.At(2, 5).strContent = "R2C5";
        marker.Open();
        QCOMPARE(marker.Content()->toPlainText(), QString());
        QVERIFY(!marker.Find<QCheckBox>("chkUseSpecifiedCellColors")->isChecked());
        QCOMPARE(marker.Content()->palette().color(QPalette::Base), QColor(0xF0, 0xF0, 0xF0));
    }

    // Every press and Escape suppress grid clicks; a refusal keeps the window.
    void acceptChecks() {
        struct Case {
            QString width;
            bool percent;
            QString height, size, message;
        };
        for (const Case& c :
             {Case{{}, false, {}, {}, {}}, Case{" 100 ", true, "1000", " 4 ", {}},
              Case{"9", false, {}, {}, " Width in pixels must be in the range 10 through 1000."}}) {
            Fixture f;
            f.Open();
            f.Box("txbWidth")->setText(c.width);
            f.Find<QRadioButton>(c.percent ? "optPercent" : "optPixels")->setChecked(true);
            f.Box("txbHeight")->setText(c.height);
            f.Box("txbFontSize")->setText(c.size);
            f.Accept();
            QCOMPARE(f.closes, 1);
            QCOMPARE(f.dialog.blnAccepted, c.message.isEmpty());
            QCOMPARE(f.dialog.isVisible(), !c.message.isEmpty());
            QCOMPARE(f.prompter.calls.empty() ? QString() : f.prompter.calls[0].text, c.message);
            if (c.message.isEmpty()) {
                QCOMPARE(f.Box("txbWidth")->text(), c.width.trimmed());
                continue;
            }
            QTest::keyClick(&f.dialog, Qt::Key_Escape);
            QVERIFY(!f.dialog.blnAccepted && f.dialog.isHidden());
            QCOMPARE(f.closes, 2);
        }
    }

    // At 2048 characters a keystroke, or what of a paste does not fit, is
    // refused; the text and the caret stay as they were.
    void contentLimit() {
        const QString full = QString(1024, 'a') + QString(1024, 'b');
        const std::pair<QString, QString> cases[] = {{full, "x"}, {full.left(2045), "paste"}};
        for (const auto& [before, typed] : cases) {
            Fixture f;
            f.Open();
            QPlainTextEdit* box = f.Content();
            box->setPlainText(before);
            QTextCursor cursor = box->textCursor();
            cursor.setPosition(3);
            box->setTextCursor(cursor);
            if (typed == "paste") {
                QApplication::clipboard()->setText("xyz123");
                QMetaObject::invokeMethod(box, "paste");
            } else {
                QTest::keyClick(box, Qt::Key_X);
            }
            const QString kept = typed == "paste" ? "aaaxyz" + before.mid(3) : full;
            QCOMPARE(box->toPlainText(), kept);
            QCOMPARE(box->textCursor().position(), typed == "paste" ? 6 : 3);
        }
    }

    // The window has its font, and so its size, before the opener places it.
    void sizedBeforeItIsPlaced() {
        Fixture f;
        f.dialog.Load(CellDialogValuesFor(f.table, 3, 2), 3, 2);
        f.dialog.adjustSize();
        const QSize placed = f.dialog.size();
        const QString family = f.dialog.font().family();
        f.dialog.show();
        QCOMPARE(f.dialog.size(), placed);
    }

    // Clear empties all but the spans; unticking the colour box removes the
    // colours only at Accept.
    void clearCellAndColours() {
        Fixture f(1, 1);
        CellSpec& cell = f.table.At(1, 1);
        cell.strContent = "x";
        cell.intWidth = 50;
        cell.intAlign = 2;
        cell.lngTextColor = 0x0000FF;
        cell.lngBgColor = 0x00FF00;
        ApplySpans(f.table, 1, 1, 2, 2);
        f.Open();
        f.Find<QPushButton>("cmdResetCell")->click();
        f.Find<QCheckBox>("chkUseSpecifiedCellColors")->setChecked(true);
        f.Find<QCheckBox>("chkUseSpecifiedCellColors")->click();
        QCOMPARE(f.state.lngEditCellTextColor, 0x0000FF);
        f.Accept();
        QVERIFY(f.dialog.blnAccepted);
        const CellDialogValues v = f.dialog.Values();
        QVERIFY(v.content.empty() && v.width.empty());
        QCOMPARE(QPoint(f.dialog.intNewRowSpan, f.dialog.intNewColSpan), QPoint(2, 2));
        QCOMPARE(f.state.lngEditCellTextColor, NotSpecifiedColor);
        QCOMPARE(f.state.lngEditCellBgColor, NotSpecifiedColor);
    }

    void everyInputHasAVisibleLabel() {
        Fixture f;
        f.Open();
        QList<QWidget*> inputs{f.Content()};
        for (auto* w : f.dialog.findChildren<QLineEdit*>()) inputs << w;
        for (auto* w : f.dialog.findChildren<QComboBox*>()) inputs << w;
        for (QWidget* input : inputs)
            QVERIFY2(HasShownLabel(&f.dialog, input), qPrintable(input->objectName()));
    }

    // Nothing is highlighted while a row is missing; a covered target moves
    // to its owner.
    void coveredTargetMovesToOwner() {
        const std::pair<QPoint, QPoint> targets[] = {
            {{2, 3}, {2, 2}}, {{3, 3}, {2, 2}}, {{5, 4}, {5, 4}}};
        for (const auto& [chosen, owner] : targets) {
            Window w;
            w.Open(6, 6);  // no proposed target
            w.Find<QComboBox>("cboToCol")->setCurrentIndex(chosen.y() - 1);
            QVERIFY(w.highlighted.isNull());
            QVERIFY(!w.Find<QPushButton>("cmdDoCopy")->isEnabled());
            w.Find<QComboBox>("cboToRow")->setCurrentIndex(chosen.x() - 1);
            QCOMPARE(w.Target(), QString("%1,%2").arg(owner.x()).arg(owner.y()));
            QCOMPARE(w.highlighted, owner);
            QCOMPARE(w.dialog.Choice().toRow, owner.x());
        }
    }

    // Only One cell uses the lists; without a target it cannot copy yet.
    void targetOptionsEnableTheLists() {
        Window w;
        w.Open(6, 6);
        const std::pair<const char*, CopyTarget> options[] = {
            {"optToAllCellsInRow", CopyTarget::Row},
            {"optToAllCellsInColumn", CopyTarget::Column},
            {"optToAllCellsInTable", CopyTarget::Table},
            {"optToOneCell", CopyTarget::OneCell}};
        for (const auto& [option, target] : options) {
            w.Find<QRadioButton>(option)->click();
            const bool one = target == CopyTarget::OneCell;
            QCOMPARE(w.Find<QComboBox>("cboToRow")->isEnabled(), one);
            QCOMPARE(w.Find<QPushButton>("cmdDoCopy")->isEnabled(), !one);
            QCOMPARE(w.dialog.Choice().target, target);
        }
    }

    // The groups stay ticked; the summary and target are set anew.
    void reopeningKeepsTheGroups() {
        Window w;
        w.table.At(1, 1).strContent = "first";
        w.Open(1, 1);
        w.Find<QCheckBox>("chkColors")->click();
        w.Find<QRadioButton>("optToAllCellsInColumn")->click();
        w.dialog.reject();
        w.Open(6, 6);
        QVERIFY(w.Find<QCheckBox>("chkColors")->isChecked());
        QVERIFY(w.Find<QRadioButton>("optToOneCell")->isChecked());
        QCOMPARE(w.Find<QComboBox>("cboToRow")->currentIndex(), -1);
        QVERIFY(!w.Find<QPlainTextEdit>("txbCellContent")->isEnabled());  // (6, 6) is empty
    }
};

QTEST_MAIN(TestCellDialogs)
#include "test_cell_dialogs.moc"
