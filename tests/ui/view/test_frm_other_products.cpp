#include <QDir>
#include <QLabel>
#include <QtTest>

#include "ui/view/frm_other_products.h"
#include "ui/view/product_list.h"
#include "view_test_files.h"

using namespace tabloom;

namespace {

const QByteArray kList =
    "# name<TAB>description<TAB>address\r\n"
    "Hue Pick\tA colour picker for web colours.\thttps://tabloom.example/huepick\r\n"
    "\r\n"
    "Formwright\tBuilds HTML forms <fast> & simple.\thttp://tabloom.example/formwright\n"
    "\tno name here\thttps://tabloom.example/none\n"
    "Sneaky\tA script address is not a link.\tjavascript:alert(1)\n"
    "Bare\n";

}  // namespace

class TestFrmOtherProducts : public QObject {
    Q_OBJECT

  private slots:
    void parsesList() {
        const std::vector<ProductEntry> entries = ParseProductList(QString::fromUtf8(kList));
        QCOMPARE(entries.size(), std::size_t{4});
        QCOMPARE(entries[0].description, QString("A colour picker for web colours."));
        QCOMPARE(entries[1].url, QString("http://tabloom.example/formwright"));
        QCOMPARE(entries[2].name, QString("Sneaky"));
        QVERIFY(entries[2].url.isEmpty());
        QCOMPARE(entries[3].name, QString("Bare"));
    }

    void addressesOfferedAsLinks_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("link");
        QTest::newRow("https") << "https://tabloom.example/a" << true;
        QTest::newRow("local file") << "file:///etc/passwd" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("no host") << "https://" << false;
    }
    void addressesOfferedAsLinks() {
        QFETCH(QString, address);
        QFETCH(bool, link);
        const auto entries = ParseProductList("Tool\tDoes things.\t" + address);
        QCOMPARE(entries.size(), std::size_t{1});
        QCOMPARE(!entries[0].url.isEmpty(), link);
    }

    void windowListsEntriesAndOpensLinks() {
        ViewTestFiles files;
        QStringList opened;
        frmOtherProducts window(files.Write("other_products.txt", kList),
                                [&opened](const QString& url) { opened << url; });
        QCOMPARE(window.Entries().size(), std::size_t{4});
        QVERIFY(window.findChild<QLabel*>("lblNoProducts") == nullptr);

        auto* second = window.findChild<QLabel*>("lblProduct1");
        QVERIFY(second != nullptr);
        // Markup in the list is shown as text, not interpreted.
        QVERIFY(second->text().contains("&lt;fast&gt; &amp; simple."));
        QVERIFY(second->text().contains("href=\"http://tabloom.example/formwright\""));
        QVERIFY(!window.findChild<QLabel*>("lblProduct2")->text().contains("href"));
        QVERIFY(!second->openExternalLinks());

        emit second->linkActivated("http://tabloom.example/formwright");
        QCOMPARE(opened, QStringList{"http://tabloom.example/formwright"});
    }

    void unreadableListIsSaid_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.txt";
        QTest::newRow("folder at the path") << "folder";
    }
    void unreadableListIsSaid() {
        QFETCH(QString, name);
        ViewTestFiles files;
        QVERIFY(QDir(files.Path("")).mkpath("folder"));
        QVERIFY(!ReadProductList(files.Path(name)).has_value());
        frmOtherProducts window(files.Path(name), {});
        QVERIFY(window.Entries().empty());
        auto* notice = window.findChild<QLabel*>("lblNoProducts");
        QVERIFY(notice != nullptr);
        QVERIFY(window.findChild<QLabel*>("lblProduct0") == nullptr);

        // A list that appears later is shown on the next load.
        QVERIFY(window.LoadList(files.Write("late.txt", kList)));
        QVERIFY(window.findChild<QLabel*>("lblNoProducts") == nullptr);
        QVERIFY(window.findChild<QLabel*>("lblProduct3") != nullptr);
    }

    void shippedListIsValid() {
        const QByteArray dataDir = qgetenv("TABLOOM_DATA_DIR");
        QVERIFY2(!dataDir.isEmpty(), "TABLOOM_DATA_DIR names the data folder");
        const auto entries =
            ReadProductList(QDir(QString::fromLocal8Bit(dataDir)).filePath("other_products.txt"));
        QVERIFY(entries.has_value());
        QVERIFY(entries->size() >= 3);
        for (const ProductEntry& entry : *entries) {
            QVERIFY2(!entry.description.isEmpty(), qPrintable(entry.name));
            QVERIFY2(entry.url.startsWith("https://"), qPrintable(entry.name));
        }
    }
};

QTEST_MAIN(TestFrmOtherProducts)
#include "test_frm_other_products.moc"
