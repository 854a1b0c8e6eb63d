#include "bus/kwobject.h"
#include "curlparameter.h"

#include <QRandomGenerator>
#include <QtTest>

using Params = std::map<QString, QString>;
Q_DECLARE_METATYPE(Params)

class TestMsgText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseWithoutMarkChangesNothing();
    void parseKeepsExistingKeys();
    void createOrdersKeys();
    void roundTrip_data();
    void roundTrip();
    void randomRoundTrip();
    void parameterReading_data();
    void parameterReading();
};

void TestMsgText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Params>("params");

    QTest::newRow("empty map") << "main//quote?"
                               << "main//quote" << Params{};
    QTest::newRow("leading mark") << "?a=1"
                                  << "" << Params{{"a", "1"}};
    QTest::newRow("second mark belongs to the parameters") << "page?a=x?y&b=2"
                                                           << "page" << Params{{"a", "x?y"}, {"b", "2"}};
    QTest::newRow("name with path separators") << "main//quote//f10?code=600000"
                                               << "main//quote//f10" << Params{{"code", "600000"}};
    QTest::newRow("percent-encoded Chinese")
            << QString("p?%E5%90%8D=%E5%80%BC") << "p" << Params{{QString::fromUtf8("名"), QString::fromUtf8("值")}};
    QTest::newRow("piece without value") << "p?flag&a=1"
                                         << "p" << Params{{"flag", ""}, {"a", "1"}};
    QTest::newRow("empty pieces skipped") << "p?&&a=1&"
                                          << "p" << Params{{"a", "1"}};
    QTest::newRow("first duplicate wins") << "p?a=1&a=2"
                                          << "p" << Params{{"a", "1"}};
}

void TestMsgText::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(Params, params);
    QString gotName = "previous";
    Params got;
    QVERIFY(KwObject::parseMsg(text, gotName, got));
    QCOMPARE(gotName, name);
    QCOMPARE(got, params);
}

void TestMsgText::parseWithoutMarkChangesNothing()
{
    QString name = "kept";
    Params params{{"k", "v"}};
    QVERIFY(!KwObject::parseMsg("no mark here&a=1", name, params));
    QCOMPARE(name, QString("kept"));
    QCOMPARE(params, (Params{{"k", "v"}}));
}

void TestMsgText::parseKeepsExistingKeys()
{
    QString name;
    Params params{{"a", "old"}};
    QVERIFY(KwObject::parseMsg(KwObject::createMsg("n", {{"a", "new"}, {"b", "2"}}), name, params));
    QCOMPARE(params, (Params{{"a", "old"}, {"b", "2"}}));
}

void TestMsgText::createOrdersKeys()
{
    Params params;
    params.emplace("zeta", "1");
    params.emplace("alpha", "2");
    params.emplace("Mid", "3");
    QCOMPARE(KwObject::createMsg("n", params), QString("n?Mid=3&alpha=2&zeta=1"));
    QCOMPARE(KwObject::createMsg("n", {}), QString("n?"));
}

void TestMsgText::roundTrip_data()
{
    QTest::addColumn<Params>("params");
    QTest::newRow("empty value") << Params{{"a", ""}};
    QTest::newRow("empty key") << Params{{"", "v"}};
    QTest::newRow("only empty key and value") << Params{{"", ""}};
    QTest::newRow("separators") << Params{{"a&b=c", "x=y&z"}, {"?", "?"}};
    QTest::newRow("percent and plus") << Params{{"%", "%25+%2B"}, {"+", "a+b"}};
    QTest::newRow("spaces and line breaks") << Params{{" k ", " v \r\n w\t"}, {"line", "\n"}};
    QTest::newRow("Chinese") << Params{{QString::fromUtf8("股票代码"), QString::fromUtf8("浦发银行 600000")}};
    QTest::newRow("outside the basic plane")
            << Params{{QString::fromUtf8("\xF0\x9F\x93\x88"), QString::fromUtf8("\xF0\x9F\x93\x89")}};
}

void TestMsgText::roundTrip()
{
    QFETCH(Params, params);
    QString name;
    Params got;
    QVERIFY(KwObject::parseMsg(KwObject::createMsg("main//quote", params), name, got));
    QCOMPARE(name, QString("main//quote"));
    QCOMPARE(got, params);
}

// Thousands of generated maps whose keys and values mix the characters that break naive
// encodings: the text must always read back to the very same name and map.
void TestMsgText::randomRoundTrip()
{
    const QStringList alphabet = {"a",
                                  "Z",
                                  "0",
                                  "?",
                                  "&",
                                  "=",
                                  "%",
                                  "+",
                                  " ",
                                  "\n",
                                  "\r",
                                  "#",
                                  "/",
                                  "\\",
                                  "%2",
                                  "%zz",
                                  QString::fromUtf8("股"),
                                  QString::fromUtf8("票"),
                                  QString::fromUtf8("\xF0\x9F\x93\x88"),
                                  QString(QChar(0x00e9)),
                                  "\t",
                                  ";"};
    QRandomGenerator rng(20261208);
    auto randomText = [&](int maxLength) {
        QString text;
        const int length = rng.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(rng.bounded(alphabet.size()));
        return text;
    };
    for (int round = 0; round < 5000; ++round) {
        Params params;
        const int count = rng.bounded(6);
        for (int i = 0; i < count; ++i)
            params[randomText(6)] = randomText(12);
        QString name = randomText(8).remove('?');
        const QString text = KwObject::createMsg(name, params);
        QString gotName;
        Params got;
        QVERIFY2(KwObject::parseMsg(text, gotName, got), qPrintable(text));
        QCOMPARE(gotName, name);
        QCOMPARE(got, params);
    }
}

void TestMsgText::parameterReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("encoded");
    QTest::addColumn<bool>("plusAsSpace");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("decoded") << "k=a%20b%2Bc" << true << false << "k"
                             << "a b+c";
    QTest::newRow("plus kept") << "k=a+b" << true << false << "k"
                               << "a+b";
    QTest::newRow("plus as space") << "k=a+b%2B" << true << true << "k"
                                   << "a b+";
    QTest::newRow("raw") << "k=a%20b" << false << false << "k"
                         << "a%20b";
    QTest::newRow("value holds '='") << "k=a=b" << true << false << "k"
                                     << "a=b";
}

void TestMsgText::parameterReading()
{
    QFETCH(QString, text);
    QFETCH(bool, encoded);
    QFETCH(bool, plusAsSpace);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const CUrlParameter parameters(text.toStdString(), encoded, plusAsSpace);
    QCOMPARE(parameters.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(parameters.getString(key.toStdString())), value);
}

QTEST_GUILESS_MAIN(TestMsgText)
#include "tst_msgtext.moc"
