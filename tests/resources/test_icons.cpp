// Every icon that a form or the code names is in the bundle, shows something, and has a twin
// of twice the size for high-DPI screens (QIcon picks "name@2x.png" at device pixel ratio 2).

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

bool has_visible_pixel(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) if (qAlpha(argb.pixel(x, y)) > 0) return true;
    }
    return false;
}

}  // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void named_icon_loads_at_both_sizes_data()
    {
        QTest::addColumn<QString>("s_path");
        QSet<QString> paths;  // found in the forms and sources by their resource prefix
        const QRegularExpression pattern(":/icons/[A-Za-z0-9_/]+\\.png");
        QDirIterator files(TOVALO_SOURCE_DIR, {"*.ui", "*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (auto matches = pattern.globalMatch(file.readAll()); matches.hasNext();) {
                paths.insert(matches.next().captured());
            }
        }
        QVERIFY2(paths.size() > 20, "the forms alone name more than twenty");
        for (const QString& s_path : paths) QTest::newRow(qPrintable(s_path)) << s_path;
    }

    void named_icon_loads_at_both_sizes()
    {
        QFETCH(QString, s_path);
        const QImage image(s_path);
        const QImage image_2x(QString(s_path).replace(".png", "@2x.png"));
        QVERIFY2(!image.isNull() && !image_2x.isNull(),
                 "missing from the resource bundle, or its @2x twin");
        QVERIFY(image.width() >= 32 && image.height() >= 32);
        QCOMPARE(image_2x.size(), 2 * image.size());
        QVERIFY2(has_visible_pixel(image) && has_visible_pixel(image_2x), "fully transparent");
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
