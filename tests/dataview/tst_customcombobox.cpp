// The custom combo box opens its list on a real mouse release on its read-only field.

#include "dataview/customcombobox.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Counts the popups asked for: the field must go through the virtual call.
class CountingCombo : public CustomComboBox
{
public:
    using CustomComboBox::CustomComboBox;
    int popups = 0;
    void showPopup() override
    {
        ++popups;
        CustomComboBox::showPopup();
    }
};

} // namespace

class TstCustomComboBox : public QObject
{
    Q_OBJECT
private slots:
    void releaseOnFieldOpensList_data();
    void releaseOnFieldOpensList();
    void fieldIsReadOnly();
    void withoutFieldStaysPlain();
};

void TstCustomComboBox::releaseOnFieldOpensList_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::newRow("click in the middle") << QPoint(-1, -1);
    QTest::newRow("drag a selection from the left edge") << QPoint(2, 5);
}

void TstCustomComboBox::releaseOnFieldOpensList()
{
    QFETCH(QPoint, pressAt);
    QWidget window;
    window.resize(300, 200);
    auto *combo = new CountingCombo(&window, true);
    combo->addItems({QStringLiteral("日K"), QStringLiteral("周K"), QStringLiteral("月K")});
    combo->setGeometry(20, 20, 200, 28);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit *field = combo->lineEdit();
    QVERIFY(qobject_cast<QLineEditEx *>(field));
    const QPoint centre = field->rect().center();

    QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, pressAt.x() < 0 ? centre : pressAt);
    QCOMPARE(combo->popups, 0);
    QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, centre);

    QCOMPARE(combo->popups, 1);
    QTRY_VERIFY(combo->view()->isVisible());
    combo->hidePopup();
    QCOMPARE(combo->currentText(), QStringLiteral("日K"));
}

void TstCustomComboBox::fieldIsReadOnly()
{
    CustomComboBox combo(nullptr, true);
    combo.addItems({QStringLiteral("one"), QStringLiteral("two")});
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("xyz"));
    QCOMPARE(combo.lineEdit()->text(), QStringLiteral("one"));
    QCOMPARE(combo.count(), 2);
}

void TstCustomComboBox::withoutFieldStaysPlain()
{
    CustomComboBox combo(nullptr, false);
    QVERIFY(!combo.isEditable());
    QVERIFY(!combo.lineEdit());
}

QTEST_MAIN(TstCustomComboBox)
#include "tst_customcombobox.moc"
