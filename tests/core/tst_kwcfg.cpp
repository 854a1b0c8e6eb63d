#include "kwcfg.h"
#include "kwuserdatamgr.h"
#include "menuconfig.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestKwcfg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void allUsersDir_data();
    void allUsersDir();
    void builtInDefaults();
    void userFileReplacesMembers();
    void shortcutPath_data();
    void shortcutPath();
    void malformedFileFallsBackAndIsKept_data();
    void malformedFileFallsBackAndIsKept();
    void setIndiInfoPersists();
    void setIndiInfoRefusesNamelessRecord();

private:
    QString configDir() const { return m_allUsers + "/config"; }
    QString configFile() const { return configDir() + "/kwcfg.json"; }
    void writeFile(const QString &path, const QByteArray &content);
    QJsonObject readConfigFile() const;

    QTemporaryDir m_root;
    QString m_allUsers;
};

void TestKwcfg::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_allUsers = m_root.path() + "/allusers";
    // Trailing separator on purpose: the manager must strip it.
    qputenv("KW_ALLUSERS_DIR", QFile::encodeName(m_allUsers + "/"));
}

void TestKwcfg::init()
{
    QDir(configDir()).removeRecursively();
}

void TestKwcfg::writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), qint64(content.size()));
}

QJsonObject TestKwcfg::readConfigFile() const
{
    QFile f(configFile());
    if (!f.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(f.readAll()).object();
}

void TestKwcfg::allUsersDir_data()
{
    QTest::addColumn<QString>("env"); // "<root>" stands for the temporary folder
    QTest::addColumn<QString>("xdgData");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trailing separator") << "<root>/a/"
                                        << ""
                                        << "<root>/a";
    QTest::newRow("dot segments") << "<root>/x/../b/./"
                                  << ""
                                  << "<root>/b";
    QTest::newRow("relative to the working folder") << "rel/c"
                                                    << ""
                                                    << "<root>/rel/c";
    QTest::newRow("unset: system data folder") << ""
                                               << "<root>/xdg"
                                               << "<root>/xdg/kwfn";
}

void TestKwcfg::allUsersDir()
{
    QFETCH(QString, env);
    QFETCH(QString, xdgData);
    QFETCH(QString, expected);
    const QString root = m_root.path();
    const QString oldCwd = QDir::currentPath();
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    QVERIFY(QDir::setCurrent(root));
    qputenv("KW_ALLUSERS_DIR", QFile::encodeName(QString(env).replace("<root>", root)));
    if (!xdgData.isEmpty())
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdgData.replace("<root>", root)));

    KwUserDataMgr *mgr = KwUserDataMgr::getInstance();
    const QString first = mgr->getAllUsersDir();
    const QString second = mgr->getAllUsersDir();

    QDir::setCurrent(oldCwd);
    qputenv("XDG_DATA_HOME", oldXdg);
    qputenv("KW_ALLUSERS_DIR", QFile::encodeName(m_allUsers));

    QCOMPARE(first, expected.replace("<root>", root));
    QCOMPARE(second, first);
    QVERIFY(QFileInfo(first).isDir());
    QCOMPARE(mgr->getAllUsersDir(), m_allUsers);
}

void TestKwcfg::builtInDefaults()
{
    Kwcfg *cfg = Kwcfg::getInstance();
    cfg->loadCfg();

    // The quote list's menu must carry the ids the menu relabels.
    QList<QPair<int, QString>> head;
    for (const MenuItemInfo &item : MenuConfig::menuItemInfo("quoteList").mid(0, 3))
        head << qMakePair(item.id, item.text);
    QCOMPARE(head, (QList<QPair<int, QString>>{{1, "添加自选"}, {2, "添加盯盘"}, {20, "置顶"}}));
    QVERIFY(MenuConfig::menuItemInfo("noSuchMenu").isEmpty());

    const auto &indis = cfg->getIndiMap();
    QCOMPARE(indis.size(), std::size_t(3));
    for (const auto &entry : indis) {
        const IndiItemInfo &info = entry.second;
        QCOMPARE(info.name, entry.first);
        QVERIFY(!info.displayName.empty() && !info.params.empty() && !info.lines.empty());
        for (const IndiParam &p : info.params)
            QVERIFY2(p.minValue <= p.value && p.value <= p.maxValue, p.name.c_str());
        for (const IndiLine &l : info.lines)
            QVERIFY2(l.colors.value(0).isValid() && l.width > 0, l.name.c_str());
    }

    // The sample shortcut list must be readable as the shortcut window reads it, with
    // entries for both of its columns.
    QCOMPARE(cfg->getShortCutCfgPath(), Kwcfg::defaultShortcutPath());
    QFile f(cfg->getShortCutCfgPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QStringList values;
    for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).object().value("keys").toArray()) {
        QVERIFY(v.toObject().value("name").isString());
        values << v.toObject().value("value").toString();
    }
    QVERIFY(values.contains("60") && values.contains("F5"));

    // Reading must not leave a configuration file behind.
    QVERIFY(!QFile::exists(configFile()));
}

void TestKwcfg::userFileReplacesMembers()
{
    writeFile(configFile(), R"({
        "menus": { "quoteList": [
            { "id": 7, "text": "甲", "enabled": false, "checkable": true, "checked": true,
              "icon": ":/i.png", "shortcut": "Ctrl+K", "tip": "提示" },
            { "text": "no id" },
            { "id": 8, "text": "乙" } ] }
    })");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("menu \"quoteList\" has no numeric id"));
    Kwcfg::getInstance()->loadCfg();

    const QList<MenuItemInfo> expected{{7, "甲", false, true, true, ":/i.png", "Ctrl+K", "提示"},
                                       {8, "乙", true, false, false, "", "", ""}};
    QCOMPARE(MenuConfig::menuItemInfo("quoteList"), expected);
    // The file's menus replace the built-in ones as a whole; members it lacks keep theirs.
    QVERIFY(MenuConfig::menuItemInfo("klineChart").isEmpty());
    QCOMPARE(Kwcfg::getInstance()->getIndiMap().count("MACD"), std::size_t(1));
}

void TestKwcfg::shortcutPath_data()
{
    QTest::addColumn<QString>("configured"); // empty: no configuration file
    QTest::addColumn<bool>("besideExists"); // <config>/shortcuts.json present
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing: built-in sample") << "" << false << ":/kwcore/shortcuts.json";
    QTest::newRow("file beside the configuration") << "" << true << "<cfg>/shortcuts.json";
    QTest::newRow("relative to the configuration folder") << "keys/k.json" << true << "<cfg>/keys/k.json";
    QTest::newRow("relative leaving the folder") << "../shared/k.json" << false << "<all>/shared/k.json";
    QTest::newRow("absolute, even when missing") << "<all>/x/missing.json" << true << "<all>/x/missing.json";
}

void TestKwcfg::shortcutPath()
{
    QFETCH(QString, configured);
    QFETCH(bool, besideExists);
    QFETCH(QString, expected);
    configured.replace("<all>", m_allUsers);
    expected.replace("<all>", m_allUsers).replace("<cfg>", configDir());

    if (!configured.isEmpty()) {
        const QJsonObject o{{"shortcutFile", configured}};
        writeFile(configFile(), QJsonDocument(o).toJson());
    }
    if (besideExists)
        writeFile(configDir() + "/shortcuts.json", R"({"keys": []})");
    Kwcfg::getInstance()->loadCfg();
    QCOMPARE(Kwcfg::getInstance()->getShortCutCfgPath(), expected);
}

void TestKwcfg::malformedFileFallsBackAndIsKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cut short") << QByteArray(R"({ "menus": { "quoteList": [ )");
    QTest::newRow("top level is an array") << QByteArray("[1, 2]");
    QTest::newRow("empty file") << QByteArray();
}

void TestKwcfg::malformedFileFallsBackAndIsKept()
{
    QFETCH(QByteArray, content);
    writeFile(configFile(), content);
    Kwcfg *cfg = Kwcfg::getInstance();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kwcfg\\.json is malformed"));
    cfg->loadCfg();
    QCOMPARE(MenuConfig::menuItemInfo("quoteList").value(0).id, 1);
    QVERIFY(cfg->getIndiMap().count("MA"));

    IndiItemInfo ma = cfg->getIndiMap().at("MA");
    ma.params.at(0).value = 7;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept as .*kwcfg\\.json\\.bad"));
    cfg->setIndiInfo(ma);

    QFile bad(configFile() + ".bad");
    QVERIFY(bad.open(QIODevice::ReadOnly));
    QCOMPARE(bad.readAll(), content);

    cfg->loadCfg(); // the new file is valid: no warning expected
    QCOMPARE(cfg->getIndiMap().at("MA"), ma);
    QCOMPARE(MenuConfig::menuItemInfo("quoteList").value(0).id, 1);
}

void TestKwcfg::setIndiInfoPersists()
{
    Kwcfg *cfg = Kwcfg::getInstance();

    // No configuration folder yet: storing creates it and writes every indicator.
    cfg->loadCfg();
    IndiItemInfo boll;
    boll.name = "BOLL";
    boll.displayName = "BOLL 布林线";
    boll.params = {{"N", 20, 5, 300}, {"P", 2, 1, 10}};
    boll.lines = {{"MID", {{0, QColor("#12ab34")}}, 1}};
    cfg->setIndiInfo(boll);
    const QJsonObject written = readConfigFile().value("indicators").toObject();
    QCOMPARE(written.keys(), (QStringList{"BOLL", "KDJ", "MA", "MACD"}));
    const QJsonObject line = written.value("BOLL").toObject().value("lines").toArray().at(0).toObject();
    QCOMPARE(line.value("colors").toObject().value("0").toString(), QString("#12ab34"));

    // A user's file: every member but "indicators" must survive the write untouched, even
    // one of the wrong type and one this library does not know.
    const QJsonObject userFile{
            {"menus", 5}, {"shortcutFile", "mine.json"}, {"userKey", QJsonObject{{"a", QJsonArray{1, "二"}}}}};
    writeFile(configFile(), QJsonDocument(userFile).toJson());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("member \"menus\" .* wrong type"));
    cfg->loadCfg();
    QVERIFY(!cfg->getIndiMap().count("BOLL"));

    IndiItemInfo kdj = cfg->getIndiMap().at("KDJ");
    kdj.displayName = "KDJ 改";
    kdj.params.at(0).value = 14;
    kdj.lines.at(0).width = 3;
    kdj.lines.at(0).colors[0] = QColor("#00ff7f");
    kdj.lines.at(0).colors[1] = QColor("#abcdef");
    kdj.lines.at(0).colors[2] = QColor(); // the dialog inserts such entries
    cfg->setIndiInfo(kdj);
    QCOMPARE(cfg->getIndiMap().at("KDJ"), kdj);

    QJsonObject expectedFile = userFile;
    expectedFile.insert("indicators", readConfigFile().value("indicators"));
    QCOMPARE(readConfigFile(), expectedFile);
    QVERIFY(!QFile::exists(configFile() + ".bad"));

    const auto before = cfg->getIndiMap();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("member \"menus\" .* wrong type"));
    cfg->loadCfg();
    QCOMPARE(cfg->getIndiMap().size(), before.size());
    QCOMPARE(cfg->getIndiMap().at("KDJ"), kdj);
    QCOMPARE(cfg->getIndiMap().at("MA"), before.at("MA"));
}

void TestKwcfg::setIndiInfoRefusesNamelessRecord()
{
    Kwcfg *cfg = Kwcfg::getInstance();
    cfg->loadCfg();
    const std::size_t before = cfg->getIndiMap().size();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused a record without an indicator name"));
    cfg->setIndiInfo(IndiItemInfo{"", "无名", {}, {}});
    QCOMPARE(cfg->getIndiMap().size(), before);
    QVERIFY(!QFile::exists(configFile()));
}

QTEST_GUILESS_MAIN(TestKwcfg)
#include "tst_kwcfg.moc"
