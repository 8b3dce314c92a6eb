#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../scripted_seams.h"
#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/main_window/program_state.h"

using namespace tabloom;

namespace {

// A cell dialog opened on one cell of a 6 x 6 table, as the grid opens it.
struct Fixture {
    explicit Fixture(int row = 3, int col = 2) : row(row), col(col) {
        NewTable(table);
        table.lngTableTextColor = 0x202020;
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
        T* widget = dialog.findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    void Accept() { Find<QPushButton>("cmdAccept")->click(); }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& call : prompter.calls) texts << call.title + "|" + call.text;
        return texts;
    }

    int row;
    int col;
    TableSpec table;
    ProgramState state;
    RecordingPrompter prompter;
    int closes = 0;
    frmCellInfo dialog{table, state, prompter, [this] { ++closes; }};
};

}  // namespace

class TestFrmCellInfo : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheCell() {
        Fixture f(3, 2);
        CellSpec& cell = f.table.At(3, 2);
        cell.strContent = "first\r\nsecond";
        cell.lngTextColor = 0x0000FF;
        cell.lngBgColor = 0x00FF00;
        ApplySpans(f.table, 3, 2, 2, 3);
        f.Open();
        QCOMPARE(f.Find<QComboBox>("cboRowSpan")->count(), 4);
        QCOMPARE(f.Find<QComboBox>("cboColSpan")->count(), 5);
        QCOMPARE(f.Find<QComboBox>("cboRowSpan")->currentText(), QString("2"));
        QCOMPARE(f.Find<QComboBox>("cboColSpan")->currentText(), QString("3"));
        auto* content = f.Find<QPlainTextEdit>("txbCellContent");
        QCOMPARE(content->toPlainText(), QString("first\nsecond"));
        QCOMPARE(content->textCursor().position(), content->toPlainText().size());
        QCOMPARE(f.dialog.focusWidget(), content);
        QVERIFY(f.Find<QCheckBox>("chkUseSpecifiedCellColors")->isChecked());
        QCOMPARE(f.Find<QLabel>("lblCellTextHex")->text(), QString("#FF0000"));
        QCOMPARE(content->palette().color(QPalette::Text), QColor(255, 0, 0));
    }

    void placeMarkerShowsEmptyAndTableColours() {
        Fixture f(2, 5);
        f.table.At(2, 5).strContent = "R2C5";
        f.Open();
        QCOMPARE(f.Find<QPlainTextEdit>("txbCellContent")->toPlainText(), QString());
        QVERIFY(!f.Find<QCheckBox>("chkUseSpecifiedCellColors")->isChecked());
        QCOMPARE(f.Find<QPlainTextEdit>("txbCellContent")->palette().color(QPalette::Base),
                 QColor(0xF0, 0xF0, 0xF0));
    }

    void acceptChecks_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("message");
        const QString none;
        QTest::newRow("all empty") << none << false << none << none << none;
        QTest::newRow("boundaries") << " 100 " << true << "1000"
                                    << " 4 " << none;
        QTest::newRow("width in pixels")
            << "9" << false << none << none
            << " Width in pixels must be in the range 10 through 1000.";
    }
    void acceptChecks() {
        QFETCH(QString, width);
        QFETCH(bool, percent);
        QFETCH(QString, height);
        QFETCH(QString, size);
        QFETCH(QString, message);
        Fixture f(3, 2);
        f.Open();
        f.Box("txbWidth")->setText(width);
        f.Find<QRadioButton>(percent ? "optPercent" : "optPixels")->setChecked(true);
        f.Box("txbHeight")->setText(height);
        f.Box("txbFontSize")->setText(size);
        f.Accept();
        QCOMPARE(f.closes, 1);  // every press suppresses grid clicks
        if (message.isEmpty()) {
            QVERIFY(f.prompter.calls.empty());
            QVERIFY(f.dialog.blnAccepted);
            QVERIFY(f.dialog.isHidden());
            QCOMPARE(f.Box("txbWidth")->text(), width.trimmed());
            QCOMPARE(f.Box("txbFontSize")->text(), size.trimmed());
            return;
        }
        QCOMPARE(f.prompter.calls.size(), size_t{1});
        QCOMPARE(f.prompter.calls[0].text, message);
        QVERIFY(f.dialog.isVisible());
        QVERIFY(!f.dialog.blnAccepted);
    }

    void enterInWidthAndHeightMovesToAccept_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("width") << "txbWidth";
        QTest::newRow("height") << "txbHeight";
    }
    void enterInWidthAndHeightMovesToAccept() {
        QFETCH(QString, box);
        Fixture f;
        f.Open();
        auto* edit = f.Box(qPrintable(box));
        edit->setFocus();
        QTest::keyClicks(edit, "5000");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(f.dialog.isVisible());
        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(f.dialog.focusWidget(), f.Find<QPushButton>("cmdAccept"));
    }

    // The box holds 2048 characters as the user sees them; a line break is
    // stored as CR LF and counts twice.
    void contentOpensWhole_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("kept");
        const QString greek = QString::fromUtf8("\u03b1\u03b2\u03a9 ");
        const QString outsideBmp = QString::fromUtf8("\U0001D538\U0001F600");
        QTest::newRow("fits") << QString(2048, 'a') << 2048;
        QTest::newRow("one over") << QString(2049, 'a') << 2048;
        QTest::newRow("line breaks count twice")
            << QString(1020, 'a') + "\r\n" + QString(1030, 'b') << 1020 + 2 + 1026;
        QTest::newRow("Greek") << greek.repeated(512) << 2048;
        QTest::newRow("beyond 16 bits") << outsideBmp.repeated(1024) << 2048;
        QTest::newRow("beyond 16 bits, one over") << outsideBmp.repeated(1024) + "x" << 2048;
    }
    void contentOpensWhole() {
        QFETCH(QString, content);
        QFETCH(int, kept);
        Fixture f;
        f.table.At(3, 2).strContent = content.toStdString();
        f.Open();
        const QString stored = QString::fromStdString(f.dialog.Values().content);
        QCOMPARE(stored.toUcs4().size(), kept);
        QVERIFY(content.startsWith(stored));
    }

    // At the limit a keystroke or the excess of a paste is refused; the text
    // and the caret stay as they were.
    void fullBoxRefusesMore_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");  // "paste:" then the pasted text
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caretAfter");
        const QString full = QString(1024, 'a') + QString(1024, 'b');
        QTest::newRow("key at the start") << full << 0 << "x" << full << 0;
        QTest::newRow("key in the middle") << full << 1024 << "x" << full << 1024;
        QTest::newRow("Enter needs two") << full.left(2047) << 5 << "\n" << full.left(2047) << 5;
        QTest::newRow("key that fits") << full.left(2047) << 0 << "x"
                                       << "x" + full.left(2047) << 1;
        QTest::newRow("paste keeps what fits") << full.left(2045) << 3 << "paste:xyz123"
                                               << "aaaxyz" + full.left(2045).mid(3) << 6;
        QTest::newRow("paste into a full box") << full << 7 << "paste:xyz" << full << 7;
    }
    void fullBoxRefusesMore() {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(int, caretAfter);
        Fixture f;
        f.Open();
        auto* box = f.Find<QPlainTextEdit>("txbCellContent");
        box->setPlainText(before);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(caret);
        box->setTextCursor(cursor);
        if (typed.startsWith("paste:")) {
            QApplication::clipboard()->setText(typed.mid(6));
            QMetaObject::invokeMethod(box, "paste");
        } else {
            QTest::keyClick(box, typed == "\n" ? Qt::Key_Return : Qt::Key_X);
        }
        QCOMPARE(box->toPlainText(), after);
        QCOMPARE(box->textCursor().position(), caretAfter);
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
        QCOMPARE(f.dialog.font().family(), family);
    }

    void clearCellKeepsSpans() {
        Fixture f(1, 1);
        CellSpec& cell = f.table.At(1, 1);
        cell.strContent = "x";
        cell.intWidth = 50;
        cell.intAlign = 2;
        cell.lngBgColor = 0x00FF00;
        ApplySpans(f.table, 1, 1, 2, 2);
        f.Open();
        f.Find<QPushButton>("cmdResetCell")->click();
        f.Accept();
        QVERIFY(f.dialog.blnAccepted);
        const CellDialogValues v = f.dialog.Values();
        QVERIFY(v.content.empty() && v.width.empty());
        QCOMPARE(v.align, 0);
        QCOMPARE(v.bgColour, NotSpecifiedColor);
        QCOMPARE(f.dialog.intNewRowSpan, 2);
        QCOMPARE(f.dialog.intNewColSpan, 2);
    }

    void untickingRemovesColoursAtAccept() {
        Fixture f;
        f.table.At(3, 2).lngTextColor = 0x0000FF;
        f.table.At(3, 2).lngBgColor = 0x00FF00;
        f.Open();
        f.Find<QCheckBox>("chkUseSpecifiedCellColors")->click();
        // The box alone changes nothing yet.
        QCOMPARE(f.state.lngEditCellTextColor, 0x0000FF);
        f.Accept();
        QCOMPARE(f.state.lngEditCellTextColor, NotSpecifiedColor);
        QCOMPARE(f.state.lngEditCellBgColor, NotSpecifiedColor);
    }

    // Escape closes as Cancel does: nothing accepted, grid clicks suppressed.
    void escapeCloses() {
        Fixture f;
        f.Open();
        QSignalSpy finished(&f.dialog, &QDialog::finished);
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QVERIFY(!f.dialog.blnAccepted);
        QVERIFY(f.dialog.isHidden());
        QCOMPARE(f.closes, 1);
        QCOMPARE(finished.count(), 1);
    }

    void everyInputHasAVisibleLabel() {
        Fixture f;
        f.Open();
        QList<QWidget*> inputs;
        for (auto* w : f.dialog.findChildren<QLineEdit*>()) inputs << w;
        for (auto* w : f.dialog.findChildren<QComboBox*>()) inputs << w;
        for (auto* w : f.dialog.findChildren<QPlainTextEdit*>()) inputs << w;
        for (QWidget* input : inputs) {
            bool labelled = false;
            for (QLabel* label : f.dialog.findChildren<QLabel*>()) {
                labelled = labelled || (label->buddy() == input && label->isVisible() &&
                                        !label->text().isEmpty());
            }
            QVERIFY2(labelled, qPrintable(input->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmCellInfo)
#include "test_frm_cell_info.moc"
