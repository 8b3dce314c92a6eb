#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <functional>

#include "main_test_files.h"

using namespace tabloom;

// The output style list and the header rows, header columns and caption
// inputs: each change reaches the table and is one undo step.
class TestFrmMainTableExtras : public QObject {
    Q_OBJECT

  private slots:
    void changesAreUndoable_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("style") << "cboOutputStyle";
        QTest::newRow("header rows") << "spnHeaderRows";
        QTest::newRow("header columns") << "spnHeaderColumns";
        QTest::newRow("caption") << "txbCaption";
    }
    void changesAreUndoable() {
        QFETCH(QString, input);
        StartedMain f;
        frmMain& w = *f.window;
        // What the user does in the input, what the table then holds, and
        // what the input shows.
        struct Step {
            std::function<void()> act;
            std::function<bool(const TableSpec&)> changed;
            std::function<bool()> showsChange;
        };
        auto* style = f.Find<QComboBox>("cboOutputStyle");
        auto* rows = f.Find<QSpinBox>("spnHeaderRows");
        auto* cols = f.Find<QSpinBox>("spnHeaderColumns");
        auto* caption = f.Find<QLineEdit>("txbCaption");
        Step step;
        if (input == "cboOutputStyle") {
            step = {[&] {
                        style->setCurrentIndex(1);
                        emit style->activated(1);
                    },
                    [](const TableSpec& t) { return t.outputStyle == OutputStyle::Standard; },
                    [&] { return style->currentIndex() == 1; }};
        } else if (input == "spnHeaderRows") {
            step = {[&] { rows->setValue(2); },
                    [](const TableSpec& t) { return t.intHeaderRows == 2; },
                    [&] { return rows->value() == 2; }};
        } else if (input == "spnHeaderColumns") {
            step = {[&] { cols->setValue(1); },
                    [](const TableSpec& t) { return t.intHeaderCols == 1; },
                    [&] { return cols->value() == 1; }};
        } else {
            step = {[&] {
                        caption->setFocus();
                        caption->insert(QString::fromUtf8("\xCE\xB1"));
                        QTest::keyClicks(caption, " prices");
                        QTest::keyClick(caption, Qt::Key_Return);
                    },
                    [](const TableSpec& t) { return t.strCaption == "\xCE\xB1 prices"; },
                    [&] { return caption->text() == QString::fromUtf8("\xCE\xB1 prices"); }};
        }
        step.act();
        QVERIFY(step.changed(w.Table()));
        QVERIFY(step.showsChange());
        f.Find<QPushButton>("cmdUndo")->click();
        QVERIFY(!step.changed(w.Table()));
        QVERIFY(!step.showsChange());
        f.Find<QPushButton>("cmdRedo")->click();
        QVERIFY(step.changed(w.Table()));
        QVERIFY(step.showsChange());
    }

    void inputsAreLabelledAndFollowTheTableSize() {
        StartedMain f;
        for (const char* name :
             {"cboOutputStyle", "spnHeaderRows", "spnHeaderColumns", "txbCaption"}) {
            auto* input = f.Find<QWidget>(name);
            QVERIFY2(!input->accessibleName().isEmpty(), name);
            bool labelled = false;
            for (QLabel* label : f.window->findChildren<QLabel*>())
                labelled |= label->buddy() == input;
            QVERIFY2(labelled, name);
        }
        auto* rows = f.Find<QSpinBox>("spnHeaderRows");
        QCOMPARE(rows->maximum(), 6);
        rows->setValue(5);
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        QCOMPARE(rows->maximum(), 3);
        QCOMPARE(rows->value(), 3);
        QCOMPARE(f.window->Table().intHeaderRows, 3);
        QCOMPARE(f.Find<QLineEdit>("txbCaption")->maxLength(), intMaxCaptionLength);
    }
};

QTEST_MAIN(TestFrmMainTableExtras)
#include "test_frm_main_table_extras.moc"
