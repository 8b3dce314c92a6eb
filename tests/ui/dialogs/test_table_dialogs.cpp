#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <tuple>

#include "../main_test_files.h"
#include "../scripted_seams.h"
#include "ui/dialogs/frm_specify_border_etc.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

// How many pixels of the sample have exactly this colour.
int CountPixels(const QPixmap& pixmap, const QColor& colour) {
    const QImage image = pixmap.toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return n;
}

struct Fixture {
    Fixture(std::int32_t text, std::int32_t back) : dialog(prompter) {
        dialog.lngChosenTextColor = text;
        dialog.lngChosenBgColor = back;
        dialog.SetHeading("Colors for cell at row 3 column 2");
        dialog.show();
    }
    template <typename T>
    T* Find(const QString& name) {
        return Child<T>(&dialog, name);
    }
    QString Box(const char* part, int i) {
        return Find<QLineEdit>(QString("txb%1_%2").arg(part).arg(i))->text();
    }
    RecordingPrompter prompter;
    frmSpecifyColors dialog;
};

// Width, unit, border, padding, spacing, colour and style of the table.
QList<int> FrameOf(const TableSpec& t) {
    return {t.intTableWidth,  t.intTableWidthUnit,   t.intBorder,          t.intCellPadding,
            t.intCellSpacing, t.intBorderColorIndex, t.intBorderStyleIndex};
}

struct Frame : StartedMain {
    frmSpecifyBorderEtc* Open() {
        Find<QPushButton>("cmdSpecifyBorder")->click();
        dialog = window->findChild<frmSpecifyBorderEtc*>();
        if (dialog == nullptr || !dialog->isVisible()) qFatal("table frame window not shown");
        return dialog;
    }
    template <typename T = QLineEdit>
    T* In(const char* name) {
        return dialog->findChild<T*>(name);
    }
    frmSpecifyBorderEtc* dialog = nullptr;
};

}  // namespace

// The colour chooser on its own, and the table frame window opened from the
// main window with what Create then writes.
class TestTableDialogs : public QObject {
    Q_OBJECT

  private slots:
    // 0x00BBGGRR: red is the low byte. The sample is background everywhere
    // but under the text, drawn in the text colour.
    void opensOnTheCallersColours() {
        Fixture f(0x336699, 0x0A141E);
        const QStringList shown{f.Box("Red", 0), f.Box("Green", 0), f.Box("Blue", 0),
                                f.Box("Red", 1), f.Box("Green", 1), f.Box("Blue", 1)};
        QCOMPARE(shown, QStringList({"153", "102", "51", "30", "20", "10"}));
        QCOMPARE(f.Find<QLabel>("lblHexColor_0")->text(), QString("#996633"));
        const QPixmap& sample = f.dialog.Sample();
        QVERIFY(CountPixels(sample, QColor(30, 20, 10)) > sample.width() * sample.height() / 2);
    }

    // Too large falls back to white (background) or black (text); a cleared
    // box counts as 0; the scroll bar follows the box.
    void typedComponents() {
        struct Case {
            const char* box;
            QString typed, shown, message;
            int back;
        };
        const QString badRed = "Invalid entry for red value.";
        for (const Case& c : {Case{"txbBlue_1", " 16 ", "16", {}, 0x10FFFF},
                              Case{"txbRed_1", "300", "255", badRed, 0xFFFFFF},
                              Case{"txbRed_0", "300", "0", badRed, 0xFFFFFF},
                              Case{"txbBlue_1", {}, {}, {}, 0x00FFFF},
                              Case{"txbGreen_1", "keys:128", "128", {}, 0xFF80FF}}) {
            Fixture f(0x000000, 0xFFFFFF);
            auto* edit = f.Find<QLineEdit>(c.box);
            if (c.typed.startsWith("keys:")) {
                // Cleared with the keyboard, then typed digit by digit.
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
                QTest::keyClicks(edit, c.typed.mid(5));
            } else {
                edit->setText(c.typed);
            }
            QCOMPARE(edit->text(), c.shown);
            QCOMPARE(f.dialog.lngChosenBgColor, c.back);
            QCOMPARE(f.prompter.calls.size(), size_t(c.message.isEmpty() ? 0 : 1));
            if (!c.message.isEmpty()) QCOMPARE(f.prompter.calls[0].text, c.message);
            QCOMPARE(f.Find<QScrollBar>(QString(c.box).replace("txb", "vsb"))->value(),
                     c.shown.toInt());
        }
    }

    // The top of a bar is 255: a click on the upper arrow turns towards it,
    // on the lower one away from it, by a step of 5; the hex code follows.
    void barsRiseUpwards() {
        for (const auto& [upper, start, end, hex] :
             {std::tuple{true, 0, 5, "#050000"}, std::tuple{false, 255, 250, "#FAFFFF"}}) {
            Fixture f(0x000000, start * 0x010101);
            auto* bar = f.Find<QScrollBar>("vsbRed_1");
            const QPoint arrow(bar->width() / 2, upper ? 2 : bar->height() - 3);
            QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
            QCOMPARE(f.Box("Red", 1), QString::number(end));
            QCOMPARE(f.Find<QLabel>("lblHexColor_1")->text(), QString(hex));
        }
    }

    // Enter in a box only moves to Accept; a second Enter presses it. Every
    // way of closing ends the dialog once, and the next showing starts again
    // from the colours put in.
    void closing() {
        for (const QString how : {"enter", "cmdCancel", "escape"}) {
            Fixture f(0x000000, 0xFFFFFF);
            f.dialog.activateWindow();
            QSignalSpy finished(&f.dialog, &QDialog::finished);
            f.Find<QLineEdit>("txbRed_1")->setText("10");
            if (how == "enter") {
                auto* edit = f.Find<QLineEdit>("txbBlue_0");
                edit->setFocus();
                QTest::keyClick(edit, Qt::Key_Return);
                QCOMPARE(f.dialog.focusWidget(), f.Find<QPushButton>("cmdAccept"));
                QTest::keyClick(f.Find<QPushButton>("cmdAccept"), Qt::Key_Return);
            } else if (how == "escape") {
                QTest::keyClick(&f.dialog, Qt::Key_Escape);
            } else {
                f.Find<QPushButton>(how)->click();
            }
            QCOMPARE(f.dialog.blnAccepted, how == "enter");
            QVERIFY(f.dialog.isHidden());
            QCOMPARE(finished.count(), 1);
            f.dialog.lngChosenTextColor = 0x0000FF;
            f.dialog.lngChosenBgColor = 0x00FF00;
            f.dialog.show();
            QVERIFY(!f.dialog.blnAccepted);
            QCOMPARE(f.Box("Red", 1), QString("0"));
            QCOMPARE(f.Find<QLabel>("lblHexColor_1")->text(), QString("#00FF00"));
        }
    }

    void everyBoxHasAVisibleLabel() {
        Fixture f(0x000000, 0xFFFFFF);
        for (QLineEdit* edit : f.dialog.findChildren<QLineEdit*>())
            QVERIFY2(HasShownLabel(&f.dialog, edit), qPrintable(edit->objectName()));
        for (QScrollBar* bar : f.dialog.findChildren<QScrollBar*>()) {
            QVERIFY2(!bar->accessibleName().isEmpty(), qPrintable(bar->objectName()));
        }
    }

    void acceptChecksAndStores() {
        struct Case {
            QStringList typed;  // width, border, padding, spacing
            bool percent;
            QString message;
            QList<int> stored;
            QByteArray html;
        };
        const QString range = " Width in percent must be in the range 5 through 100.";
        for (const Case& c :
             {Case{{"", "", "", ""}, false, {}, {-1, 1, -1, -1, -1, 3, 5}, "border: double green;"},
              Case{{" 5.4 ", "7", "0", "100"}, true, {}, {5, 0, 7, 0, 100, 3, 5}, "width=\"5%\""},
              Case{{"640", "2.5", "x", "12"},
                   false,
                   {},
                   {640, 1, 2, 0, 12, 3, 5},
                   "cellspacing=\"12\""},
              Case{{"4.6", "", "", ""}, true, range, {-1, 1, 4, 4, 4, 0, 2}, {}}}) {
            const QString width = c.typed[0];
            Frame f;
            f.ChooseOutput(f.Path("frame.htm"));
            f.Open();
            int i = 0;
            for (const char* box : {"txbWidth", "txbBorder", "txbCellPadding", "txbCellSpacing"})
                f.In(box)->setText(c.typed[i++]);
            f.In<QRadioButton>(c.percent ? "optPercent" : "optPixels")->click();
            f.In<QComboBox>("cboBorderColor")->setCurrentIndex(3);
            f.In<QComboBox>("cboBorderStyle")->setCurrentIndex(5);
            f.In<QPushButton>("cmdAccept")->click();
            QCOMPARE(f.dialog->isVisible(), !c.message.isEmpty());
            QCOMPARE(f.prompter.calls.empty() ? QString() : f.prompter.calls[0].text, c.message);
            if (!c.message.isEmpty()) {
                QCOMPARE(f.In("txbWidth")->text(), width.trimmed());
                f.In<QPushButton>("cmdCancel")->click();
            }
            QCOMPARE(FrameOf(f.window->Table()), c.stored);
            if (c.html.isEmpty()) continue;
            f.Find<QPushButton>("cmdPerformOperation_6")->click();
            const QByteArray written = ReadBytes(f.Path("frame.htm"));
            QVERIFY2(written.contains(c.html), written.constData());
        }
    }

    // After a range message the focus is on the refused box, also once the
    // desktop has activated the window again, so Enter does not reach Cancel.
    void focusReturnsToTheRefusedBox() {
        const std::pair<const char*, const char*> refused[] = {{"txbWidth", "20"},
                                                               {"txbBorder", "101"},
                                                               {"txbCellPadding", "-1"},
                                                               {"txbCellSpacing", "500"}};
        for (const auto& [box, typed] : refused) {
            Frame f;
            f.Open();
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(f.dialog, &activate);
            QCOMPARE(f.dialog->focusWidget(), f.In<QPushButton>("cmdCancel"));
            auto* edit = f.In(box);
            edit->setText(typed);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);  // on to Accept
            QTest::keyClick(f.In<QPushButton>("cmdAccept"), Qt::Key_Return);
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QApplication::sendEvent(f.dialog, &activate);  // the message box closed
            QCOMPARE(f.dialog->focusWidget(), edit);
        }
    }

    // The window shows what is stored, whatever was left in it before.
    void reopeningShowsTheTable() {
        Frame f;
        Edit(*f.window, [&](TableSpec& table) {
            table.intTableWidth = 80;
            table.intTableWidthUnit = 0;
            table.intCellPadding = -1;
            table.intBorderStyleIndex = 9;
        });
        const QList<int> before = FrameOf(f.window->Table());
        f.Open();
        f.In("txbBorder")->setText("9");
        f.In<QRadioButton>("optPixels")->click();
        f.In<QComboBox>("cboBorderColor")->setCurrentIndex(6);
        f.dialog->reject();  // the close box
        QCOMPARE(FrameOf(f.window->Table()), before);
        f.Open();
        QCOMPARE(f.In("txbWidth")->text() + f.In("txbBorder")->text(), QString("804"));
        QVERIFY(f.In<QRadioButton>("optPercent")->isChecked());
        QCOMPARE(f.In<QComboBox>("cboBorderStyle")->currentText(), QString("none"));
        // Accepting untouched values stores them unchanged.
        f.In<QPushButton>("cmdAccept")->click();
        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(FrameOf(f.window->Table()), before);
    }

    // The table colours through the colour chooser: cells without colours of
    // their own show them at once, Create writes them; Cancel keeps the old.
    void tableColors() {
        for (bool accept : {true, false}) {
            Frame f;
            f.ChooseOutput(f.Path("colours.htm"));
            Edit(*f.window, [&](TableSpec& table) {
                table.At(1, 1).lngTextColor = 0x000000;
                table.At(1, 1).lngBgColor = 0x00FF00;  // green of its own
            });
            const TableSpec& table = f.window->Table();
            f.Find<QPushButton>("cmdSpecifyColors")->click();
            auto* chooser = f.window->findChild<frmSpecifyColors*>();
            QVERIFY(chooser != nullptr && chooser->isVisible());
            // Background 0, 0, 128 (navy); text 255, 255, 0 (yellow).
            const std::pair<const char*, const char*> typed[] = {
                {"txbRed_1", "0"},   {"txbGreen_1", "0"},   {"txbBlue_1", "128"},
                {"txbRed_0", "255"}, {"txbGreen_0", "255"}, {"txbBlue_0", "0"}};
            for (const auto& [box, value] : typed)
                chooser->findChild<QLineEdit*>(box)->setText(value);
            chooser->findChild<QPushButton*>(accept ? "cmdAccept" : "cmdCancel")->click();

            const std::int32_t bg = accept ? 0x800000 : 0xFFFFFF;
            QCOMPARE(table.lngTableBgColor, bg);
            const QImage& image = f.Find<PicTable>("picTable")->Image();
            auto pixelIn = [&](int row, int col) {
                const CellSpec& cell = table.At(row, col);
                return image.pixelColor(cell.intLeft + 2, cell.intBottom - 2);
            };
            QCOMPARE(pixelIn(3, 3), QColor(bg & 0xFF, (bg >> 8) & 0xFF, (bg >> 16) & 0xFF));

            QMetaObject::invokeMethod(f.Find<QTimer>("Clock2"), "timeout");
            f.Find<QPushButton>("cmdPerformOperation_6")->click();
            const QByteArray html = ReadBytes(f.Path("colours.htm"));
            QVERIFY(html.contains(accept ? "bgcolor=\"#000080\"" : "bgcolor=\"#FFFFFF\""));
        }
    }
};

QTEST_MAIN(TestTableDialogs)
#include "test_table_dialogs.moc"
