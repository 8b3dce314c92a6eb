#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QtTest>

#include "../scripted_seams.h"
#include "ui/dialogs/frm_specify_colors.h"

using namespace tabloom;

namespace {

QColor Qc(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// How many pixels of the sample have exactly this colour.
int CountPixels(const QPixmap& pixmap, const QColor& colour) {
    const QImage image = pixmap.toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return n;
}

}  // namespace

class TestFrmSpecifyColors : public QObject {
    Q_OBJECT

    struct Fixture {
        Fixture(std::int32_t text, std::int32_t back) : dialog(prompter) {
            dialog.lngChosenTextColor = text;
            dialog.lngChosenBgColor = back;
            dialog.SetHeading("Colors for cell at row 3 column 2");
            dialog.show();
        }
        template <typename T>
        T* Find(const QString& name) {
            T* widget = dialog.findChild<T*>(name);
            if (widget == nullptr) qFatal("no control %s", qPrintable(name));
            return widget;
        }
        QString Box(const char* part, int i) {
            return Find<QLineEdit>(QString("txb%1_%2").arg(part).arg(i))->text();
        }
        RecordingPrompter prompter;
        frmSpecifyColors dialog;
    };

  private slots:
    // 0x00BBGGRR: red is the low byte.
    void opensOnTheCallersColours() {
        const int text = 0x336699;
        const int back = 0x0A141E;
        const QStringList boxes{"153", "102", "51", "30", "20", "10"};
        Fixture f(text, back);
        const QStringList shown{f.Box("Red", 0), f.Box("Green", 0), f.Box("Blue", 0),
                                f.Box("Red", 1), f.Box("Green", 1), f.Box("Blue", 1)};
        QCOMPARE(shown, boxes);
        QCOMPARE(f.Find<QLabel>("lblHexColor_0")->text(), QString("#996633"));
        // Sample: background everywhere but under the text, which is drawn in
        // the text colour.
        const QPixmap& sample = f.dialog.Sample();
        QVERIFY(CountPixels(sample, Qc(back)) > sample.width() * sample.height() / 2);
        QVERIFY(CountPixels(sample, Qc(text)) > 50);
    }

    void typedComponents_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("back");
        const QString none;
        const QString badRed = "Invalid entry for red value.";
        QTest::newRow("background blue, blanks")
            << "txbBlue_1" << QString(" 16 ") << "16" << none << 0x000000 << 0x10FFFF;
        QTest::newRow("background red too large falls back to white")
            << "txbRed_1" << QString("300") << "255" << badRed << 0x000000 << 0xFFFFFF;
        QTest::newRow("text red too large falls back to black")
            << "txbRed_0" << QString("300") << "0" << badRed << 0x000000 << 0xFFFFFF;
        QTest::newRow("cleared background blue counts as 0")
            << "txbBlue_1" << none << none << none << 0x000000 << 0x00FFFF;
        QTest::newRow("cleared and typed again")
            << "txbGreen_1" << QString("keys:128") << "128" << none << 0x000000 << 0xFF80FF;
    }
    void typedComponents() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(int, text);
        QFETCH(int, back);
        Fixture f(0x000000, 0xFFFFFF);
        auto* edit = f.Find<QLineEdit>(box);
        if (typed.startsWith("keys:")) {
            // Cleared with the keyboard, then typed digit by digit.
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed.mid(5));
        } else {
            edit->setText(typed);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(f.dialog.lngChosenTextColor, text);
        QCOMPARE(f.dialog.lngChosenBgColor, back);
        QStringList messages;
        for (const auto& call : f.prompter.calls) messages << call.text;
        QCOMPARE(messages, message.isEmpty() ? QStringList{} : QStringList{message});
        // The scroll bar follows the box.
        auto* bar = f.Find<QScrollBar>(QString(box).replace("txb", "vsb"));
        QCOMPARE(bar->value(), shown.toInt());
    }

    void scrollBarUpdatesBoxHexAndSample() {
        Fixture f(0x000000, 0xFFFFFF);
        auto* bar = f.Find<QScrollBar>("vsbGreen_1");
        // One click down from 255 takes a step of 5.
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(bar->value(), 250);
        QCOMPARE(f.Find<QLabel>("lblHexColor_1")->text(), QString("#FFFAFF"));
        QCOMPARE(f.dialog.lngChosenBgColor, 0xFFFAFF);
        QVERIFY(CountPixels(f.dialog.Sample(), QColor(255, 250, 255)) > 0);
        QCOMPARE(CountPixels(f.dialog.Sample(), Qt::white), 0);
    }

    // The top of a bar is 255: the upper arrow, the wheel and the Up key turn
    // towards it, by 5 a step.
    void barsRiseUpwards_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("upper arrow") << "top" << 128 << 133;
        QTest::newRow("upper arrow from 0") << "top" << 0 << 5;
        QTest::newRow("upper arrow twice quickly") << "top2" << 100 << 110;
        QTest::newRow("upper arrow at 255") << "top" << 255 << 255;
        QTest::newRow("lower arrow") << "bottom" << 128 << 123;
        QTest::newRow("lower arrow from 255") << "bottom" << 255 << 250;
        QTest::newRow("wheel up") << "wheel+" << 128 << 133;
        QTest::newRow("wheel down") << "wheel-" << 128 << 123;
        QTest::newRow("Up key") << "up" << 128 << 133;
        QTest::newRow("Down key") << "down" << 128 << 123;
    }
    void barsRiseUpwards() {
        QFETCH(QString, how);
        QFETCH(int, start);
        QFETCH(int, end);
        Fixture f(0x000000, start * 0x010101);
        auto* bar = f.Find<QScrollBar>("vsbRed_1");
        QCOMPARE(bar->value(), start);
        const QPoint middle(bar->width() / 2, bar->height() / 2);
        if (how.startsWith("top") || how == "bottom") {
            const QPoint arrow(bar->width() / 2, how == "bottom" ? bar->height() - 3 : 2);
            QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
            if (how == "top2") {
                // The second press of a quick pair comes as a double click.
                QMouseEvent second(QEvent::MouseButtonDblClick, arrow, bar->mapToGlobal(arrow),
                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(bar, &second);
                QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow);
            }
        } else if (how.startsWith("wheel")) {
            // One notch of a mouse wheel.
            const int delta = how.endsWith('+') ? 120 : -120;
            QWheelEvent wheel(middle, bar->mapToGlobal(middle), {}, {0, delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
        } else {
            bar->setFocus();
            QTest::keyClick(bar, how == "up" ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(bar->value(), end);
        QCOMPARE(f.Box("Red", 1), QString::number(end));

        // At 255 the thumb sits at the top end.
        bar->setValue(255);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.upsideDown = bar->invertedAppearance();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSlider, bar);
        QVERIFY2(thumb.top() < bar->height() / 4, qPrintable(QString::number(thumb.top())));
    }

    void enterInABoxOnlyMovesToAccept() {
        Fixture f(0x000000, 0xFFFFFF);
        f.dialog.activateWindow();
        auto* edit = f.Find<QLineEdit>("txbBlue_0");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f.dialog.focusWidget(), f.Find<QPushButton>("cmdAccept"));
        QVERIFY(!f.dialog.blnAccepted);
        // A second Enter presses the focused Accept.
        QTest::keyClick(f.Find<QPushButton>("cmdAccept"), Qt::Key_Return);
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(f.dialog.blnAccepted);
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Accept") << "cmdAccept" << true;
        QTest::newRow("Cancel") << "cmdCancel" << false;
        QTest::newRow("Escape") << "escape" << false;
    }
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, accepted);
        Fixture f(0x000000, 0xFFFFFF);
        QSignalSpy finished(&f.dialog, &QDialog::finished);
        f.Find<QLineEdit>("txbRed_1")->setText("10");
        if (how == "escape") {
            QTest::keyClick(&f.dialog, Qt::Key_Escape);
        } else {
            f.Find<QPushButton>(how)->click();
        }
        QCOMPARE(f.dialog.blnAccepted, accepted);
        QVERIFY(f.dialog.isHidden());
        QCOMPARE(finished.count(), 1);

        // The next showing starts again from the colours put in.
        f.dialog.lngChosenTextColor = 0x0000FF;
        f.dialog.lngChosenBgColor = 0x00FF00;
        f.dialog.show();
        QVERIFY(!f.dialog.blnAccepted);
        QCOMPARE(f.Box("Red", 1), QString("0"));
        QCOMPARE(f.Find<QLabel>("lblHexColor_1")->text(), QString("#00FF00"));
    }

    void everyBoxHasAVisibleLabel() {
        Fixture f(0x000000, 0xFFFFFF);
        for (QLineEdit* edit : f.dialog.findChildren<QLineEdit*>()) {
            bool labelled = false;
            for (QLabel* label : f.dialog.findChildren<QLabel*>()) {
                labelled = labelled || (label->buddy() == edit && label->isVisible());
            }
            QVERIFY2(labelled, qPrintable(edit->objectName()));
        }
        for (QScrollBar* bar : f.dialog.findChildren<QScrollBar*>()) {
            QVERIFY2(!bar->accessibleName().isEmpty(), qPrintable(bar->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmSpecifyColors)
#include "test_frm_specify_colors.moc"
