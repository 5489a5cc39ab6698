// Every icon resource that a form or the code names is in the bundle, shows something,
// and has a twin of twice the size for high-DPI screens.

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Icon paths named in the forms and in the C++ sources, found by their resource prefix.
QStringList named_icon_paths()
{
    QSet<QString> paths;
    const QRegularExpression path_pattern(":/icons/[A-Za-z0-9_/]+\\.png");
    QDirIterator files(TOVALO_SOURCE_DIR, {"*.ui", "*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        QRegularExpressionMatchIterator matches = path_pattern.globalMatch(file.readAll());
        while (matches.hasNext()) {
            paths.insert(matches.next().captured());
        }
    }
    QStringList sorted(paths.begin(), paths.end());
    sorted.sort();
    return sorted;
}

bool has_visible_pixel(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void named_icon_loads_at_both_sizes_data()
    {
        QTest::addColumn<QString>("s_path");
        const QStringList paths = named_icon_paths();
        // The forms alone name more than twenty; fewer means the search went wrong.
        QVERIFY2(paths.size() > 20, qPrintable(QString::number(paths.size())));
        for (const QString& s_path : paths) {
            QTest::newRow(qPrintable(s_path)) << s_path;
        }
    }

    void named_icon_loads_at_both_sizes()
    {
        QFETCH(QString, s_path);
        const QImage image(s_path);
        QVERIFY2(!image.isNull(), "not in the resource bundle");
        QVERIFY(image.width() >= 32 && image.height() >= 32);
        QVERIFY2(has_visible_pixel(image), "fully transparent");

        // QIcon picks "name@2x.png" beside "name.png" on a screen of device pixel ratio 2.
        const QImage image_2x(QString(s_path).replace(".png", "@2x.png"));
        QVERIFY2(!image_2x.isNull(), "no @2x twin in the resource bundle");
        QCOMPARE(image_2x.size(), 2 * image.size());
        QVERIFY2(has_visible_pixel(image_2x), "@2x twin fully transparent");
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
