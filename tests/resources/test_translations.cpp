// Every text of the code reaches a Portuguese planner translated: each text lupdate finds (with
// the context the code looks it up by) is in the catalogue the program carries.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct CatalogueText {
    QString s_context;
    QString s_source;
    QString s_comment;  // the disambiguation, usually empty
};

bool read_catalogue(const QString& s_path, QVector<CatalogueText>& v_texts)
{
    QFile file(s_path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    QString s_context;
    CatalogueText text;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("message")) {
            text = CatalogueText{s_context, {}, {}};
        } else if (xml.isStartElement() && name == QLatin1String("name")) {
            s_context = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("source")) {
            text.s_source = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("comment")) {
            text.s_comment = xml.readElementText();
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            v_texts.push_back(text);
        }
    }
    return !xml.hasError();
}

QString listed(const QStringList& lines) { return "\n  " + lines.join("\n  "); }

// The settings window keeps these in English in every language: its "API info" box title, the
// what's-this of the Google lat/long choice and one of its number messages.
bool kept_in_english(const CatalogueText& text)
{
    static const QStringList v_texts = {
        "API info", "<html><head/><body><p>I dont now!</p></body></html>",
        "Time window must be an integer number"};
    return text.s_context == "SettingWindow" && v_texts.contains(text.s_source);
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_dir;
    QVector<CatalogueText> v_code_texts;  // what lupdate finds in src/

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_dir.isValid());
        const QString s_scratch = scratch_dir.filePath("scratch_pt.ts");
        QProcess lupdate;
        lupdate.start(TOVALO_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none",
                                       "-extensions", "cpp,h,ui", TOVALO_SOURCE_DIR, "-ts",
                                       s_scratch});
        QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not end");
        const QString s_errors = QString::fromUtf8(lupdate.readAllStandardError()).trimmed();
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 qPrintable(s_errors));
        // A warning is a text lupdate cannot place in a context, so no catalogue can cover it.
        QVERIFY2(s_errors.isEmpty(), qPrintable("lupdate:\n" + s_errors));
        QVERIFY(read_catalogue(s_scratch, v_code_texts));
        QVERIFY2(v_code_texts.size() > 300, "the windows alone show more than three hundred texts");
    }

    void every_text_of_the_code_has_portuguese()
    {
        QTranslator portuguese;
        QVERIFY(portuguese.load(":/translations/portuguese.qm"));
        QStringList missing;
        for (const CatalogueText& text : v_code_texts) {
            const QByteArray s_context = text.s_context.toUtf8();
            const QByteArray s_source = text.s_source.toUtf8();
            const QByteArray s_comment = text.s_comment.toUtf8();
            const QString s_translated =
                portuguese.translate(s_context.constData(), s_source.constData(),
                                     s_comment.isEmpty() ? nullptr : s_comment.constData());
            // A text kept in English must have no Portuguese; every other one must have it.
            if (s_translated.isEmpty() != kept_in_english(text)) {
                missing << text.s_context + ": \"" + text.s_source + "\"";
            }
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable("Portuguese missing or not kept English:" + listed(missing)));
        // The Google lat/long tool tip shows its English text in Portuguese too.
        const char* s_tip = "<html><head/><body><p>First tries to find by OSRM exact, if that "
                            "fails, try on google API (that would be charged)</p></body></html>";
        QCOMPARE(portuguese.translate("SettingWindow", s_tip), QString(s_tip));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
