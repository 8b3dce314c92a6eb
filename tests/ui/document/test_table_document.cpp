#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "ui/document/table_document.h"

using namespace tabloom;

namespace {

// What a view sees: it reads the document on changed and nothing else.
struct Seen {
    int rows;
    int cols;
    std::string topLeft;
    QString path;
};

struct FollowingView {
    explicit FollowingView(TableDocument& doc) {
        QObject::connect(&doc, &TableDocument::changed, [this, &doc](int) {
            const TableSpec& t = doc.Table();
            seen.push_back({t.intNumRows, t.intNumCols, t.At(1, 1).strContent, doc.OutputPath()});
        });
    }
    std::vector<Seen> seen;
};

TableSpec Loaded(int rows, int cols, const std::string& topLeft) {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = static_cast<std::int16_t>(rows);
    t.intNumCols = static_cast<std::int16_t>(cols);
    AdjustCellsToDimensions(t);
    t.At(1, 1).strContent = topLeft;
    return t;
}

void Grow(TableDocument& doc, int rows, const std::string& topLeft) {
    doc.Change("grow", [&](TableSpec& t) {
        t.intNumRows = static_cast<std::int16_t>(rows);
        AdjustCellsToDimensions(t);
        t.At(1, 1).strContent = topLeft;
    });
}

}  // namespace

class TestTableDocument : public QObject {
    Q_OBJECT

  private slots:
    // Whatever changes the table, a view that only follows changed shows the
    // dimensions and cells that are now in the document.
    void everyChangeReachesTheViews_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("topLeft");
        QTest::addColumn<QString>("path");
        QTest::newRow("change") << 0 << 9 << "grown"
                                << "";
        QTest::newRow("undo") << 1 << 6 << ""
                              << "";
        QTest::newRow("redo") << 2 << 9 << "grown"
                              << "";
        QTest::newRow("load") << 3 << 3 << "loaded"
                              << "out.htm";
        QTest::newRow("new or reset") << 4 << 6 << ""
                                      << "";
        QTest::newRow("undo of a load") << 5 << 9 << "grown"
                                        << "";
    }
    void everyChangeReachesTheViews() {
        QFETCH(int, kind);
        QFETCH(int, rows);
        QFETCH(QString, topLeft);
        QFETCH(QString, path);
        TableDocument doc;
        FollowingView view(doc);
        Grow(doc, 9, "grown");
        if (kind == 1 || kind == 2) doc.Undo();
        if (kind == 2) doc.Redo();
        if (kind == 3 || kind == 5) doc.Replace(Loaded(3, 2, "loaded"), " out.htm ", "load");
        if (kind == 4) doc.Replace(Loaded(6, 6, ""), QString(), "new table");
        if (kind == 5) doc.Undo();

        QVERIFY(!view.seen.empty());
        const Seen& last = view.seen.back();
        QCOMPARE(last.rows, rows);
        QCOMPARE(QString::fromStdString(last.topLeft), topLeft);
        QCOMPARE(last.path, path);
        QCOMPARE(last.rows, int(doc.Table().intNumRows));
        QCOMPARE(last.cols, int(doc.Table().intNumCols));
    }

    // A change that changes nothing is no step and no redraw; an unnamed one
    // redraws but is no step.
    void onlyRealChangesAreSteps() {
        TableDocument doc;
        FollowingView view(doc);
        QVERIFY(!doc.Change("nothing", [](TableSpec& t) { t.At(1, 1).strContent = ""; }));
        QVERIFY(view.seen.empty());
        QVERIFY(doc.Change({}, [](TableSpec& t) { t.At(1, 1).strContent = "set up"; }));
        QCOMPARE(view.seen.size(), size_t(1));
        QCOMPARE(doc.StepCount(), 0);
        doc.SetOutputPath("a.htm", {});
        doc.SetOutputPath("a.htm", "again");
        QCOMPARE(view.seen.size(), size_t(2));
        QCOMPARE(doc.StepCount(), 0);
    }

    void captionsNameTheSteps() {
        TableDocument doc;
        QCOMPARE(doc.UndoCaption(), QString("Undo"));
        Grow(doc, 7, "x");
        doc.SetOutputPath("b.htm", "choose the output file");
        QCOMPARE(doc.UndoCaption(), QString("Undo: choose the output file"));
        doc.Undo();
        QVERIFY(doc.OutputPath().isEmpty());
        QCOMPARE(doc.UndoCaption(), QString("Undo: grow"));
        QCOMPARE(doc.RedoCaption(), QString("Redo: choose the output file"));
        // A new change drops what could be redone.
        Grow(doc, 8, "y");
        QVERIFY(!doc.CanRedo());
        QCOMPARE(doc.RedoCaption(), QString("Redo"));
        doc.ClearHistory();
        QVERIFY(!doc.CanUndo());
        QCOMPARE(int(doc.Table().intNumRows), 8);
    }
};

QTEST_GUILESS_MAIN(TestTableDocument)
#include "test_table_document.moc"
