#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "core/texts/program_texts.h"
#include "shown_text.h"
#include "ui/main_window/enter_presses_button.h"
#include "ui/main_window/main_messages.h"
#include "ui/main_window/main_window_placement.h"
#include "ui/main_window/plain_text.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/qt_file_chooser.h"
#include "ui/platform/qt_prompter.h"

using namespace tabloom;

namespace {

void Touch(const QString& path, const QByteArray& bytes = "x") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestUiHelpers : public QObject {
    Q_OBJECT

  private slots:
    void plainToolTip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("tag pair") << "Add <CENTER>...</CENTER>.";
        QTest::newRow("leading tag") << "<HTML> wrapper";
        QTest::newRow("path with markup") << "/tmp/<b>bold</b>/a.htm";
        QTest::newRow("comparison") << "a < b and c > d";
        QTest::newRow("lines") << "<p>one\n  two";
    }
    void plainToolTip() {
        QFETCH(QString, text);
        QCOMPARE(ShownToolTip(PlainToolTip(text)), text);
    }

    // Return and Enter press the focused push button; other widgets keep
    // the key, and modified or repeated keys press nothing.
    void enterPressesFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("returns");  // returnPressed of the text box
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << "button" << false << 1 << 0;
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "button" << false << 1 << 0;
        QTest::newRow("ctrl return")
            << int(Qt::Key_Return) << int(Qt::ControlModifier) << "button" << false << 0 << 0;
        QTest::newRow("repeat") << int(Qt::Key_Return) << 0 << "button" << true << 0 << 0;
        QTest::newRow("text box keeps enter")
            << int(Qt::Key_Return) << 0 << "edit" << false << 0 << 1;
    }
    void enterPressesFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        QFETCH(bool, autoRepeat);
        QFETCH(int, clicks);
        QFETCH(int, returns);
        EnterPressesFocusedButton filter;
        qApp->installEventFilter(&filter);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* edit = new QLineEdit(&window);
        auto* button = new QPushButton("Press", &window);
        layout->addWidget(edit);
        layout->addWidget(button);
        int clicked = 0;
        int returned = 0;
        connect(button, &QPushButton::clicked, [&clicked] { ++clicked; });
        connect(edit, &QLineEdit::returnPressed, [&returned] { ++returned; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* target = focus == "edit" ? static_cast<QWidget*>(edit) : button;
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        button->setEnabled(focus != "disabled");
        if (focus == "disabled") target = button;

        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(),
                        autoRepeat);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), QString(),
                          autoRepeat);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        QTRY_COMPARE(clicked, clicks);
        QTest::qWait(clicks == 0 ? 150 : 0);  // longer than the click animation
        QCOMPARE(clicked, clicks);
        QCOMPARE(returned, returns);
        qApp->removeEventFilter(&filter);
    }

    void folderOf_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("normalize");
        QTest::addColumn<QString>("folder");
        QTest::newRow("bare name") << "table.htm" << false << "";
        QTest::newRow("normalized") << "/tmp//./x/a.htm" << true << "/tmp/x/";
    }
    void folderOf() {
        QFETCH(QString, path);
        QFETCH(bool, normalize);
        QFETCH(QString, folder);
        QCOMPARE(FolderOf(path, normalize), folder);
    }

    void folderAndFileExistence() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("plain.htm");
        Touch(file);
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QString sub = dir.filePath("sub");

        QVERIFY(FolderExists("  " + sub + "/  "));  // blanks are removed first
        QVERIFY(!FolderExists(file));               // a file is no folder
        QVERIFY(!FolderExists("   "));
        QVERIFY(FileExists(file));
        QVERIFY(!FileExists(sub));  // a folder is no file
    }

    void fileExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("lower");
        QTest::addColumn<QString>("ext");
        QTest::newRow("upper lowered") << "/out/table.HTM" << true << "htm";
        QTest::newRow("no dot") << "/out/table" << true << "";
        QTest::newRow("last dot") << "a.tar.GZ" << true << "gz";
    }
    void fileExtension() {
        QFETCH(QString, path);
        QFETCH(bool, lower);
        QFETCH(QString, ext);
        QCOMPARE(FileExtension(path, lower), ext);
    }

    void hasExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ok");
        QTest::newRow("htm") << "/out/t.htm" << true;
        QTest::newRow("htmx") << "/out/t.htmx" << false;
        QTest::newRow("no dot") << "/out/table" << false;
    }
    void hasExtension() {
        QFETCH(QString, path);
        QFETCH(bool, ok);
        QCOMPARE(HasExtension(path, "htm", "html"), ok);
    }

    void launchDocumentMessage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("message");
        const QString first = "Error launching web browser, error code = %1.";
        QTest::newRow("no program")
            << 31 << "htm"
            << first.arg(31) +
                   "\r\n\r\nFile extension 'htm' is not associated with any application program.";
        QTest::newRow("access denied") << 5 << "htm" << first.arg(5);
    }
    void launchDocumentMessage() {
        QFETCH(int, code);
        QFETCH(QString, ext);
        QFETCH(QString, message);
        // Line breaks in message boxes are plain line feeds.
        message.replace("\r\n", "\n");
        QCOMPARE(LaunchDocumentMessage(code, ext), message);
    }

    void tooLargeMessage_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("kb");
        QTest::newRow("next") << qint64(62464) << "61";
    }
    void tooLargeMessage() {
        QFETCH(qint64, bytes);
        QFETCH(QString, kb);
        QTemporaryDir dir;
        const QString path = dir.filePath("tbm.dat");
        Touch(path, "1\tFirst\n8\tEight\n9\tNine\n10\tTen\n");
        ProgramTexts texts;
        QVERIFY(texts.Load(path.toStdString()) > 0);
        QCOMPARE(TooLargeMessage(texts, "/o/t.htm", bytes),
                 "First /o/t.htm is " + kb + " KB.\nEight\nNine Ten");
    }

    void mainWindowPlacement_data() {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("fits") << QSize(800, 500) << QRect(0, 0, 1920, 1080) << QPoint(560, 108);
        QTest::newRow("too wide") << QSize(1025, 500) << QRect(0, 0, 1024, 768) << QPoint(0, 76);
    }
    void mainWindowPlacement() {
        QFETCH(QSize, frame);
        QFETCH(QRect, screen);
        QFETCH(QPoint, topLeft);
        QCOMPARE(MainWindowTopLeft(frame, screen), topLeft);
    }

    void dataFolder() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir root(dir.path());
        QVERIFY(root.mkpath("build/bin"));
        QVERIFY(root.mkpath("prefix/bin"));
        Touch(root.filePath("build/bin/tbm.dat"));
        // Beside the executable when the text file is there.
        QCOMPARE(DataFolderFor(root.filePath("build/bin")), root.filePath("build/bin"));
        // Otherwise the installed share folder.
        QCOMPARE(DataFolderFor(root.filePath("prefix/bin")), root.filePath("prefix/share/tabloom"));
        // A folder named tbm.dat is no text file.
        QVERIFY(root.mkpath("odd/bin/tbm.dat"));
        QCOMPARE(DataFolderFor(root.filePath("odd/bin")), root.filePath("odd/share/tabloom"));
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("table") << "Table files (*.tbl) | *.tbl"
                               << "Table files (*.tbl)";
        QTest::newRow("two pairs") << "Table files (*.tbl) | *.tbl | All files | *"
                                   << "Table files (*.tbl);;All files (*)";
    }
    void nameFilters() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtFileChooser::QtNameFilters(filter), qt);
    }

    // Enter answers the default button: never Yes when Yes drops the table.
    void messageBoxButtonsAndDetails_data() {
        QTest::addColumn<PromptButtons>("buttons");
        QTest::addColumn<QString>("details");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("ok") << PromptButtons::Ok << QString() << int(QMessageBox::Ok);
        QTest::newRow("yes first") << PromptButtons::YesNo << QString() << int(QMessageBox::Yes);
        QTest::newRow("no first") << PromptButtons::YesNoDefaultNo << "cannot write <x>: No space"
                                  << int(QMessageBox::No);
    }
    void messageBoxButtonsAndDetails() {
        QFETCH(PromptButtons, buttons);
        QFETCH(QString, details);
        QFETCH(int, defaultButton);
        const auto box = QtPrompter::MakeBox("Quit <anyway>?", "Quit", PromptIcon::Exclamation,
                                             buttons, details, nullptr);
        QCOMPARE(box->text(), QString("Quit <anyway>?"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->detailedText(), details);
        QVERIFY(box->defaultButton() != nullptr);
        QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
        if (buttons != PromptButtons::Ok) {
            QCOMPARE(box->standardButton(box->escapeButton()), QMessageBox::No);
        }
    }
};

QTEST_MAIN(TestUiHelpers)
#include "test_ui_helpers.moc"
