// The committed catalogues must be what lupdate makes of the sources today: every text of the
// sources in them and translated, none left over, each context in one catalogue only, and every
// translation keeping its source's place markers. Messages are compared, not bytes, so that
// Qt 5's and Qt 6's lupdate both pass.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString translation;
    QString type; // empty when finished; "unfinished", "vanished" or "obsolete"
};

// context, source and disambiguation comment, one key
using Catalogue = QMap<QString, Message>;

QString key(const QString &context, const QString &source, const QString &comment)
{
    return context + QChar(0x1f) + source + QChar(0x1f) + comment;
}

QString contextOf(const QString &key)
{
    return key.section(QChar(0x1f), 0, 0);
}

QString sourceOf(const QString &key)
{
    return key.section(QChar(0x1f), 1, 1);
}

bool readCatalogue(const QString &path, Catalogue *out, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source, comment;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("context")) {
                context.clear();
            } else if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                source.clear();
                comment.clear();
                message = Message();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value("type").toString();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out->insert(key(context, source, comment), message);
        }
    }
    if (xml.hasError()) {
        *why = xml.errorString();
        return false;
    }
    return true;
}

// "name folder folder ..." lines of translations/catalogues.txt
QMap<QString, QStringList> catalogueFolders()
{
    QMap<QString, QStringList> folders;
    QFile list(QStringLiteral(KW_SOURCE_DIR "/translations/catalogues.txt"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return folders;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        folders.insert(words.first(), words.mid(1));
    }
    return folders;
}

QStringList markers(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void inStepWithTheSources_data();
    void inStepWithTheSources();
    void eachContextInOneCatalogue();
};

void TestCatalogues::inStepWithTheSources_data()
{
    QTest::addColumn<QString>("ts");
    QTest::addColumn<QStringList>("folders");
    const QMap<QString, QStringList> catalogues = catalogueFolders();
    QVERIFY2(catalogues.contains("kwcontrols") && catalogues.contains("kwupdate") && catalogues.contains("kwgallery"),
             "translations/catalogues.txt lacks a catalogue");
    const QDir dir(QStringLiteral(KW_SOURCE_DIR "/translations"));
    for (auto it = catalogues.begin(); it != catalogues.end(); ++it) {
        const QStringList files = dir.entryList({it.key() + "_*.ts"}, QDir::Files);
        QVERIFY2(!files.isEmpty(), qPrintable("no translations/" + it.key() + "_*.ts"));
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << dir.filePath(file) << it.value();
    }
}

void TestCatalogues::inStepWithTheSources()
{
    QFETCH(QString, ts);
    QFETCH(QStringList, folders);

    Catalogue committed;
    QString why;
    QVERIFY2(readCatalogue(ts, &committed, &why), qPrintable(why));
    QVERIFY(!committed.isEmpty());

    // lupdate as scripts/update-translations runs it, but keeping what vanished from the
    // sources, so that it shows.
    QTemporaryDir scratch;
    const QString updated = scratch.filePath(QFileInfo(ts).fileName());
    QVERIFY(QFile::copy(ts, updated));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(KW_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KW_LUPDATE), QStringList{"-silent", "-locations", "none", "-extensions", "cpp,h,ui"} +
                                                      folders + QStringList{"-ts", updated});
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAll().constData());

    Catalogue fresh;
    QVERIFY2(readCatalogue(updated, &fresh, &why), qPrintable(why));
    QStringList problems;
    for (auto it = fresh.begin(); it != fresh.end(); ++it) {
        const QString where = contextOf(it.key()) + ": \"" + sourceOf(it.key()) + "\"";
        if (it->type == QLatin1String("unfinished"))
            problems << where + (committed.contains(it.key())
                                         ? " is not translated"
                                         : " is new in the sources: run scripts/update-translations");
        else if (!it->type.isEmpty())
            problems << where + " is " + it->type + ": no longer in the sources, run scripts/update-translations";
        else if (markers(it->translation) != markers(sourceOf(it.key())))
            problems << where + " and its translation \"" + it->translation + "\" have different place markers";
    }
    const QSet<QString> committedKeys(committed.keyBegin(), committed.keyEnd());
    const QSet<QString> freshKeys(fresh.keyBegin(), fresh.keyEnd());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(freshKeys, committedKeys);
}

// A program finds a text by its context: two catalogues sharing one would translate it by
// whichever was installed last.
void TestCatalogues::eachContextInOneCatalogue()
{
    QMap<QString, QString> owner;
    QStringList shared;
    const QDir dir(QStringLiteral(KW_SOURCE_DIR "/translations"));
    for (const QString &name : catalogueFolders().keys()) {
        for (const QString &file : dir.entryList({name + "_*.ts"}, QDir::Files)) {
            Catalogue catalogue;
            QString why;
            QVERIFY2(readCatalogue(dir.filePath(file), &catalogue, &why), qPrintable(why));
            for (const QString &k : catalogue.keys()) {
                const QString context = contextOf(k);
                if (owner.contains(context) && owner.value(context) != name)
                    shared << context + " in " + owner.value(context) + " and " + name;
                owner.insert(context, name);
            }
        }
    }
    shared.removeDuplicates();
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join('\n')));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
