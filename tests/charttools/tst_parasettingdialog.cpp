#include "charttools/parasettingdialog.h"
#include "window/titlebar.h"

#include "charttest.h"
#include "kwcfg.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
const char *config = R"({
    "indicators": {
        "MACD": {
            "displayName": "MACD 指数平滑异同平均线",
            "params": [
                { "name": "SHORT", "value": 12, "minValue": 2, "maxValue": 200 },
                { "name": "LONG", "value": 26, "minValue": 2, "maxValue": 200 }
            ],
            "lines": [
                { "name": "DIF", "colors": { "0": "#ffffff" }, "width": 1 },
                { "name": "MACD", "colors": { "0": "#ff3232", "1": "#00e600" }, "width": 2 }
            ]
        },
        "EMPTY": { "displayName": "空指标", "params": [], "lines": [] }
    }
})";

// What the configuration file holds now, read back from disk.
IndiItemInfo onDisk(const std::string &name)
{
    Kwcfg::getInstance()->loadCfg();
    const auto &map = Kwcfg::getInstance()->getIndiMap();
    const auto it = map.find(name);
    return it == map.end() ? IndiItemInfo() : it->second;
}

QList<QSpinBox *> spinBoxes(ParaSettingDialog &dialog)
{
    return dialog.findChildren<QSpinBox *>();
}

QList<QToolButton *> widthButtons(ParaSettingDialog &dialog)
{
    return dialog.findChildren<QToolButton *>("styletoolBtn");
}

QList<ColorControlWidget *> colorControls(ParaSettingDialog &dialog)
{
    return dialog.findChildren<ColorControlWidget *>();
}

void pickWidth(QToolButton *button, int width)
{
    button->menu()->findChild<QToolButton *>(QString("menubtn%1").arg(width))->click();
}
} // namespace

class TestParaSettingDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void buildsRowsWithoutWriting();
    void editsAreWrittenAtOnce();
    void restorePutsSnapshotBack();
    void titleBarCloseDiscardsEdits();
    void saveKeepsEditsAndCloses();
    void indicatorWithoutRows_data();
    void indicatorWithoutRows();
    void spinArrowsShowUnderPaddedStyleSheet();

private:
    QTemporaryDir m_allUsers;
    IndiItemInfo m_macd;
};

void TestParaSettingDialog::initTestCase()
{
    QVERIFY(m_allUsers.isValid());
    qputenv("KW_ALLUSERS_DIR", m_allUsers.path().toUtf8());
    QVERIFY(QDir().mkpath(m_allUsers.path() + "/config"));
}

void TestParaSettingDialog::init()
{
    QFile file(m_allUsers.path() + "/config/kwcfg.json");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(config);
    file.close();
    QCOMPARE(Kwcfg::getInstance()->configFilePath(), file.fileName());
    m_macd = onDisk("MACD");
    QCOMPARE(m_macd.params.size(), size_t(2));
}

void TestParaSettingDialog::buildsRowsWithoutWriting()
{
    ParaSettingDialog dialog;
    QSignalSpy spy(&dialog, &ParaSettingDialog::valueChanged);
    dialog.setIndi("MACD");
    QCOMPARE(spy.count(), 0);

    QCOMPARE(dialog.getTilte()->findChild<QLabel *>("titleName")->text(), QString("MACD 指数平滑异同平均线"));
    const QList<QSpinBox *> spins = spinBoxes(dialog);
    QCOMPARE(spins.size(), 2);
    QCOMPARE(spins[0]->value(), 12);
    QCOMPARE(spins[1]->value(), 26);
    QCOMPARE(spins[0]->minimum(), 2);
    QCOMPARE(spins[0]->maximum(), 200);
    QCOMPARE(colorControls(dialog)[1]->findChild<QLabel *>()->styleSheet(), QString("background:#ff3232"));
    QCOMPARE(widthButtons(dialog).size(), 2);
    QCOMPARE(static_cast<PenStyleToolButton *>(widthButtons(dialog)[1])->penWidth(), 2);
}

void TestParaSettingDialog::editsAreWrittenAtOnce()
{
    ParaSettingDialog dialog;
    dialog.setIndi("MACD");
    QSignalSpy spy(&dialog, &ParaSettingDialog::valueChanged);

    spinBoxes(dialog)[1]->setValue(30);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(onDisk("MACD").params[1].value, 30);

    auto *second = static_cast<PenStyleToolButton *>(widthButtons(dialog)[1]);
    pickWidth(second, 3);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(onDisk("MACD").lines[1].width, 3);
    QCOMPARE(second->penWidth(), 2);

    pickSwatch(colorControls(dialog)[0], 34);
    QCOMPARE(spy.count(), 3);
    const IndiItemInfo stored = onDisk("MACD");
    QCOMPARE(stored.lines[0].colors.value(0), QColor("#99cc00"));
    // Extra colours of a line travel along untouched.
    QCOMPARE(stored.lines[1].colors.value(1), QColor("#00e600"));
    QCOMPARE(stored.params[1].value, 30);
}

void TestParaSettingDialog::restorePutsSnapshotBack()
{
    ParaSettingDialog dialog;
    dialog.setIndi("MACD");
    QToolButton *second = widthButtons(dialog)[1];
    const QImage builtIcon = iconImage(second->icon(), QSize(80, 12));
    QSignalSpy spy(&dialog, &ParaSettingDialog::valueChanged);

    spinBoxes(dialog)[0]->setValue(50);
    pickWidth(second, 1);
    pickSwatch(colorControls(dialog)[1], 0);
    QVERIFY(onDisk("MACD") != m_macd);
    QVERIFY(iconImage(second->icon(), QSize(80, 12)) != builtIcon);
    spy.clear();

    dialog.findChild<QPushButton *>("resetbtn")->click();
    QCOMPARE(onDisk("MACD"), m_macd);
    // One signal for the spin box that moved back, one for the record as a whole.
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spinBoxes(dialog)[0]->value(), 12);
    QCOMPARE(colorControls(dialog)[1]->findChild<QLabel *>()->styleSheet(), QString("background:#ff3232"));
    QCOMPARE(iconImage(second->icon(), QSize(80, 12)), builtIcon);

    // Restoring with nothing edited still writes and signals once.
    spy.clear();
    dialog.findChild<QPushButton *>("resetbtn")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(onDisk("MACD"), m_macd);
}

void TestParaSettingDialog::titleBarCloseDiscardsEdits()
{
    ParaSettingDialog dialog;
    dialog.setIndi("MACD");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    spinBoxes(dialog)[0]->setValue(40);
    QCOMPARE(onDisk("MACD").params[0].value, 40);

    QTest::mouseClick(dialog.getTilte()->findChild<QPushButton *>("closeBtn"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(onDisk("MACD"), m_macd);
}

void TestParaSettingDialog::saveKeepsEditsAndCloses()
{
    ParaSettingDialog dialog;
    dialog.setIndi("MACD");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    spinBoxes(dialog)[1]->setValue(60);
    dialog.findChild<QPushButton *>("savebtn")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(onDisk("MACD").params[1].value, 60);
}

void TestParaSettingDialog::indicatorWithoutRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("no parameters or lines") << "EMPTY"
                                            << "空指标";
    QTest::newRow("unknown indicator") << "NOSUCH"
                                       << "";
}

void TestParaSettingDialog::indicatorWithoutRows()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    ParaSettingDialog dialog;
    dialog.setIndi(name);
    QCOMPARE(dialog.getTilte()->findChild<QLabel *>("titleName")->text(), title);
    QVERIFY(spinBoxes(dialog).isEmpty());
    QVERIFY(widthButtons(dialog).isEmpty());

    // Restore and save write the untouched record; an unknown one is never added.
    if (name == "NOSUCH") {
        for (int i = 0; i < 2; ++i)
            QTest::ignoreMessage(QtWarningMsg, "Kwcfg::setIndiInfo: refused a record without an indicator name");
    }
    dialog.findChild<QPushButton *>("resetbtn")->click();
    dialog.findChild<QPushButton *>("savebtn")->click();
    Kwcfg::getInstance()->loadCfg();
    QCOMPARE(Kwcfg::getInstance()->getIndiMap().count(name.toStdString()), size_t(name == "EMPTY"));
    QCOMPARE(onDisk("MACD"), m_macd);
}

void TestParaSettingDialog::spinArrowsShowUnderPaddedStyleSheet()
{
    ParaSettingDialog dialog;
    // Padding leaves the buttons a few pixels wide, too narrow for the common style's arrows.
    dialog.setStyleSheet("QSpinBox { color: #000000; background: #ffffff; border: 1px solid #a0a0a0;"
                         " padding: 4px 6px; }");
    dialog.setIndi("MACD");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSpinBox *spin = spinBoxes(dialog).first();
    const QImage image = spin->grab().toImage();
    const int half = image.height() / 2;
    QVERIFY(countPixels(image, isDark, QRect(image.width() - 16, 0, 16, half)) >= 4);
    QVERIFY(countPixels(image, isDark, QRect(image.width() - 16, half, 16, half)) >= 4);
}

QTEST_MAIN(TestParaSettingDialog)
#include "tst_parasettingdialog.moc"
