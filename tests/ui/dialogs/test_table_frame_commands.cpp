#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../main_test_files.h"
#include "ui/dialogs/frm_specify_border_etc.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

struct FrameValues {
    std::int16_t width, unit, border, padding, spacing, color, style;
};

FrameValues ValuesOf(const TableSpec& t) {
    return {t.intTableWidth,  t.intTableWidthUnit,   t.intBorder,          t.intCellPadding,
            t.intCellSpacing, t.intBorderColorIndex, t.intBorderStyleIndex};
}

bool operator==(const FrameValues& a, const FrameValues& b) {
    return a.width == b.width && a.unit == b.unit && a.border == b.border &&
           a.padding == b.padding && a.spacing == b.spacing && a.color == b.color &&
           a.style == b.style;
}

}  // namespace

Q_DECLARE_METATYPE(FrameValues)

// The table frame window opened from the main window, and what Create then
// writes.
class TestTableFrameCommands : public QObject {
    Q_OBJECT

  private:
    static frmSpecifyBorderEtc* Open(MainFixture& f) {
        f.Find<QPushButton>("cmdSpecifyBorder")->click();
        auto* dialog = f.window->findChild<frmSpecifyBorderEtc*>();
        if (dialog == nullptr || !dialog->isVisible()) qFatal("table frame window not shown");
        return dialog;
    }
    static void SetText(QWidget* dialog, const char* name, const QString& text) {
        dialog->findChild<QLineEdit*>(name)->setText(text);
    }
    static QPushButton* Button(QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(name);
    }

  private slots:
    void acceptChecksAndStores_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QString>("border");
        QTest::addColumn<QString>("padding");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<FrameValues>("stored");
        QTest::addColumn<QByteArray>("html");

        const QString none;
        const FrameValues untouched{-1, 1, 4, 4, 4, 0, 2};
        QTest::newRow("all empty")
            << none << false << none << none << none << none << FrameValues{-1, 1, -1, -1, -1, 3, 5}
            << QByteArray("<table style=\"border: double green;\"\r\n bgcolor");
        QTest::newRow("percent rounded") << " 5.4 " << true << "7"
                                         << "0"
                                         << "100" << none << FrameValues{5, 0, 7, 0, 100, 3, 5}
                                         << QByteArray("<table width=\"5%\" border=\"7\"");
        QTest::newRow("pixels") << "640" << false << "2.5"
                                << "x"
                                << "12" << none << FrameValues{640, 1, 2, 0, 12, 3, 5}
                                << QByteArray(" cellpadding=\"0\" cellspacing=\"12\"");
        QTest::newRow("percent below 5 before rounding")
            << "4.6" << true << none << none << none
            << " Width in percent must be in the range 5 through 100." << untouched << QByteArray();
    }
    void acceptChecksAndStores() {
        QFETCH(QString, width);
        QFETCH(bool, percent);
        QFETCH(QString, border);
        QFETCH(QString, padding);
        QFETCH(QString, spacing);
        QFETCH(QString, message);
        QFETCH(FrameValues, stored);
        QFETCH(QByteArray, html);

        StartedMain f;
        f.ChooseOutput(f.Path("frame.htm"));
        frmSpecifyBorderEtc* dialog = Open(f);
        SetText(dialog, "txbWidth", width);
        dialog->findChild<QRadioButton*>(percent ? "optPercent" : "optPixels")->click();
        SetText(dialog, "txbBorder", border);
        SetText(dialog, "txbCellPadding", padding);
        SetText(dialog, "txbCellSpacing", spacing);
        dialog->findChild<QComboBox*>("cboBorderColor")->setCurrentIndex(3);
        dialog->findChild<QComboBox*>("cboBorderStyle")->setCurrentIndex(5);
        Button(dialog, "cmdAccept")->click();

        if (message.isEmpty()) {
            QVERIFY(f.prompter.calls.empty());
            QVERIFY(!dialog->isVisible());
        } else {
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(f.prompter.calls[0].text, message);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->findChild<QLineEdit*>("txbWidth")->text(), width.trimmed());
            Button(dialog, "cmdCancel")->click();
        }
        QVERIFY(ValuesOf(f.window->Table()) == stored);

        if (html.isEmpty()) return;
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray written = ReadBytes(f.Path("frame.htm"));
        QVERIFY2(written.contains(html), written.constData());
    }

    // After a range message the focus is on the refused box, also once the
    // desktop has activated the window again, so Enter does not reach Cancel.
    void focusReturnsToTheRefusedBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("width") << "txbWidth"
                               << "20";
        QTest::newRow("border") << "txbBorder"
                                << "101";
        QTest::newRow("padding") << "txbCellPadding"
                                 << "-1";
        QTest::newRow("spacing") << "txbCellSpacing"
                                 << "500";
    }
    void focusReturnsToTheRefusedBox() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        StartedMain f;
        frmSpecifyBorderEtc* dialog = Open(f);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(dialog, &activate);
        QCOMPARE(dialog->focusWidget(), Button(dialog, "cmdCancel"));

        auto* edit = dialog->findChild<QLineEdit*>(box);
        edit->setText(typed);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);  // on to Accept
        QTest::keyClick(Button(dialog, "cmdAccept"), Qt::Key_Return);
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QApplication::sendEvent(dialog, &activate);  // the message box closed
        QCOMPARE(dialog->focusWidget(), edit);
        QVERIFY(dialog->isVisible());
    }

    // The window shows what is stored, whatever was left in it before.
    void reopeningShowsTheTable() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& table) {
            table.intTableWidth = 80;
            table.intTableWidthUnit = 0;
            table.intCellPadding = -1;
            table.intBorderStyleIndex = 9;
        });
        const TableSpec& table = f.window->Table();
        frmSpecifyBorderEtc* dialog = Open(f);
        QCOMPARE(dialog->findChild<QLineEdit*>("txbWidth")->text(), QString("80"));
        QVERIFY(dialog->findChild<QRadioButton*>("optPercent")->isChecked());
        QCOMPARE(dialog->findChild<QLineEdit*>("txbCellPadding")->text(), QString());
        QCOMPARE(dialog->findChild<QComboBox*>("cboBorderStyle")->currentText(), QString("none"));

        SetText(dialog, "txbBorder", "9");
        dialog->findChild<QRadioButton*>("optPixels")->click();
        dialog->findChild<QComboBox*>("cboBorderColor")->setCurrentIndex(6);
        const FrameValues before = ValuesOf(table);
        dialog->reject();  // the close box
        QVERIFY(ValuesOf(table) == before);

        QCOMPARE(Open(f), dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>("txbBorder")->text(), QString("4"));
        QVERIFY(dialog->findChild<QRadioButton*>("optPercent")->isChecked());
        QCOMPARE(dialog->findChild<QComboBox*>("cboBorderColor")->currentIndex(), 0);
        // Accepting untouched values stores them unchanged.
        Button(dialog, "cmdAccept")->click();
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(ValuesOf(table) == before);
    }

    // The table colours through the colour chooser: cells without colours of
    // their own show them at once, Create writes them; Cancel keeps the old.
    void tableColors_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("changed");
        QTest::newRow("accept") << "cmdAccept" << true;
        QTest::newRow("cancel") << "cmdCancel" << false;
    }
    void tableColors() {
        QFETCH(QString, button);
        QFETCH(bool, changed);
        StartedMain f;
        f.ChooseOutput(f.Path("colours.htm"));
        Edit(*f.window, [&](TableSpec& table) {
            table.At(1, 1).lngTextColor = 0x000000;
            table.At(1, 1).lngBgColor = 0x00FF00;  // green of its own
            table.At(2, 2).strContent = "plain";
        });
        const TableSpec& table = f.window->Table();

        f.Find<QPushButton>("cmdSpecifyColors")->click();
        auto* chooser = f.window->findChild<frmSpecifyColors*>();
        QVERIFY(chooser != nullptr && chooser->isVisible());
        // Background 0, 0, 128 (navy); text 255, 255, 0 (yellow).
        chooser->findChild<QLineEdit*>("txbRed_1")->setText("0");
        chooser->findChild<QLineEdit*>("txbGreen_1")->setText("0");
        chooser->findChild<QLineEdit*>("txbBlue_1")->setText("128");
        chooser->findChild<QLineEdit*>("txbRed_0")->setText("255");
        chooser->findChild<QLineEdit*>("txbGreen_0")->setText("255");
        chooser->findChild<QLineEdit*>("txbBlue_0")->setText("0");
        chooser->findChild<QPushButton*>(button)->click();

        const std::int32_t bg = changed ? 0x800000 : 0xFFFFFF;
        QCOMPARE(table.lngTableBgColor, bg);
        QCOMPARE(table.lngTableTextColor, changed ? 0x00FFFF : 0x000000);
        QCOMPARE(table.At(1, 1).lngBgColor, 0x00FF00);

        const QImage& image = f.Find<PicTable>("picTable")->Image();
        auto pixelIn = [&](int row, int col) {
            const CellSpec& cell = table.At(row, col);
            return image.pixelColor(cell.intLeft + 2, cell.intBottom - 2);
        };
        QCOMPARE(pixelIn(3, 3), QColor(bg & 0xFF, (bg >> 8) & 0xFF, (bg >> 16) & 0xFF));
        QCOMPARE(pixelIn(1, 1), QColor(0, 255, 0));

        QMetaObject::invokeMethod(f.Find<QTimer>("Clock2"), "timeout");
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(f.Path("colours.htm"));
        QVERIFY2(html.contains(changed ? "bgcolor=\"#000080\"" : "bgcolor=\"#FFFFFF\""),
                 html.constData());
        QVERIFY2(html.contains("bgcolor=\"#00FF00\""), html.constData());
    }
};

QTEST_MAIN(TestTableFrameCommands)
#include "test_table_frame_commands.moc"
