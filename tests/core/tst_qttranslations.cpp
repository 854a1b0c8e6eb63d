#include "qttranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

// Qt's own words follow the client's language once its catalogue is installed.
class TestQtTranslations : public QObject
{
    Q_OBJECT

private slots:
    void standardButtonsInChinese();
};

void TestQtTranslations::standardButtonsInChinese()
{
    QVERIFY(!installQtTranslations(QLocale(QLocale::Zulu, QLocale::SouthAfrica)));
    QDialogButtonBox english(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(english.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Cancel"));

    QVERIFY(installQtTranslations());
    QDialogButtonBox chinese(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(chinese.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("取消"));
    QCOMPARE(chinese.button(QDialogButtonBox::Ok)->text().remove('&'), QString("确定"));
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
