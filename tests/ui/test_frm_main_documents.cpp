#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QtTest>
#include <algorithm>

#include "main_test_files.h"
#include "ui/view/frm_other_products.h"
#include "ui/view/frm_view.h"
#include "ui/view/twips.h"

using namespace tabloom;

// The user manual link, the Help button and the other-products window.
class TestFrmMainDocuments : public QObject {
    Q_OBJECT

  private slots:
    void manualLinkTarget() {
        StartedMain f;
        emit f.Find<QLabel>("lblDocumentation")->linkActivated("manual");
        QCOMPARE(f.launcher.targets.size(), size_t(1));
        const QUrl url(f.launcher.targets[0]);
        QVERIFY(url.isLocalFile());
        QVERIFY(QFile::exists(url.toLocalFile()));
    }

    void manualLinkFailure() {
        StartedMain f;
        f.launcher.code = 31;
        emit f.Find<QLabel>("lblDocumentation")->linkActivated("manual");
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(f.prompter.calls[0].text.contains("File extension 'html' is not associated"));
    }

    void helpShowsHelpFile() {
        StartedMain f;
        f.Find<QPushButton>("cmdQuit_0")->click();
        frmView* viewer = f.window->Viewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        auto* text = viewer->findChild<QPlainTextEdit*>("txbText1");
        QVERIFY(viewer->LoadFile());
        QString expected = QString::fromUtf8(ReadBytes(BuildDataFolder() + "/tbm_help.txt"));
        expected.replace("\r\n", "\n");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(text->toPlainText(), expected);
        QVERIFY(f.prompter.calls.empty());

        // The main window moves to 300 twips from the left, as far as the
        // screen lets it; the viewer beside it.
        const QRect screen = f.window->screen()->availableGeometry();
        const int left = std::min(TwipsToPixels(300, TwipsPerPixel(f.window.get())),
                                  screen.width() - f.window->frameGeometry().width());
        QCOMPARE(f.window->frameGeometry().left(), screen.left() + left);
        QCOMPARE(viewer->frameGeometry().top(), f.window->frameGeometry().top());
        QVERIFY(qAbs(viewer->frameGeometry().height() - f.window->frameGeometry().height()) <= 8);
    }

    // The help, the other products and the preview open wholly on the screen.
    void windowsOpenOnTheScreen() {
        StartedMain f;
        const QRect screen = f.window->screen()->availableGeometry();
        for (const char* button : {"cmdQuit_0", "cmdOtherProducts", "cmdPreview"}) {
            f.Find<QPushButton>(button)->click();
        }
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            ++shown;
            const QRect frame = window->frameGeometry();
            QVERIFY2(screen.contains(frame), qPrintable(QString("%1 at %2,%3 %4x%5")
                                                            .arg(window->objectName())
                                                            .arg(frame.x())
                                                            .arg(frame.y())
                                                            .arg(frame.width())
                                                            .arg(frame.height())));
        }
        QCOMPARE(shown, 4);
    }

    void helpTwiceKeepsOneViewer() {
        StartedMain f;
        f.Find<QPushButton>("cmdQuit_0")->click();
        frmView* viewer = f.window->Viewer();
        viewer->move(viewer->pos() + QPoint(40, 40));
        viewer->showMinimized();
        const QPoint placed = f.window->Viewer()->pos();
        f.Find<QPushButton>("cmdQuit_0")->click();
        QCOMPARE(f.window->Viewer(), viewer);
        QVERIFY(!viewer->isMinimized());
        QCOMPARE(viewer->frameGeometry().top(), f.window->frameGeometry().top());
        QVERIFY(viewer->pos() != placed);
    }

    void helpFileMissing() {
        // Own data folder holding only the program texts: the viewer reports.
        MainFixture f(true);
        QFile::copy(BuildDataFolder() + "/tbm.dat", f.Path("tbm.dat"));
        QVERIFY(f.window->StartUp());
        f.Find<QPushButton>("cmdQuit_0")->click();
        frmView* viewer = f.window->Viewer();
        QVERIFY(!viewer->LoadFile());
        QVERIFY(f.prompter.calls.back().text.startsWith("Error reading file"));
        QVERIFY(!viewer->isVisible());
    }

    void otherProductsModeless() {
        StartedMain f;
        f.Find<QPushButton>("cmdOtherProducts")->click();
        frmOtherProducts* products = f.window->OtherProducts();
        QVERIFY(products != nullptr && products->isVisible());
        QVERIFY(!products->isModal());
        QVERIFY(!products->Entries().empty());
        f.Find<QPushButton>("cmdOtherProducts")->click();
        QCOMPARE(f.window->OtherProducts(), products);
    }
};

QTEST_MAIN(TestFrmMainDocuments)
#include "test_frm_main_documents.moc"
