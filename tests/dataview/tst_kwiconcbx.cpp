// The icon check box follows the real mouse: hover picture while inside, normal one after.

#include "dataview/kwiconcbx.h"

#include <QtTest>

namespace {

QPixmap filled(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

// The colour the box's icon shows, or an invalid colour for an empty icon.
QColor iconColour(const KwIconCbx &box)
{
    if (box.icon().isNull())
        return QColor();
    return QColor(box.icon().pixmap(16, 16).toImage().pixel(8, 8));
}

} // namespace

class TstKwIconCbx : public QObject
{
    Q_OBJECT
private slots:
    void hover_data();
    void hover();

private:
    void moveInto(QWidget *target) { QTest::mouseMove(target, target->rect().center()); }
};

void TstKwIconCbx::hover_data()
{
    QTest::addColumn<bool>("hoverSet");
    QTest::addColumn<bool>("changeInside");
    QTest::addColumn<QColor>("inside");
    QTest::addColumn<QColor>("reentered");

    QTest::newRow("hover picture") << true << false << QColor(Qt::green) << QColor(Qt::green);
    QTest::newRow("no hover picture: empty while hovered") << false << false << QColor() << QColor();
    QTest::newRow("hover picture set while inside waits for the next enter")
            << false << true << QColor() << QColor(Qt::blue);
}

void TstKwIconCbx::hover()
{
    QFETCH(bool, hoverSet);
    QFETCH(bool, changeInside);
    QWidget window;
    window.resize(300, 200);
    auto *box = new KwIconCbx(QStringLiteral("自选"), &window);
    box->setGeometry(100, 80, 100, 30);
    box->setNormalPix(filled(Qt::red));
    if (hoverSet)
        box->setHoverPix(filled(Qt::green));
    QCOMPARE(iconColour(*box), QColor(Qt::red));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&window, QPoint(10, 10));

    moveInto(box);
    QTRY_VERIFY(box->underMouse());
    if (changeInside)
        box->setHoverPix(filled(Qt::blue));
    QTEST(iconColour(*box), "inside");

    QTest::mouseMove(&window, QPoint(10, 10));
    QTRY_VERIFY(!box->underMouse());
    QCOMPARE(iconColour(*box), QColor(Qt::red));

    moveInto(box);
    QTRY_VERIFY(box->underMouse());
    QTEST(iconColour(*box), "reentered");
    QCOMPARE(box->normalPix().toImage().pixel(0, 0), QColor(Qt::red).rgb());
}

QTEST_MAIN(TstKwIconCbx)
#include "tst_kwiconcbx.moc"
