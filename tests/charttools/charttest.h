#pragma once

#include "charttools/colorcontrolwidget.h"
#include "charttools/customcolordlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

inline CustomColorDlg *visiblePalette()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<CustomColorDlg *>(w); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// What a user does: open the control's palette, check swatch `id`, confirm.
inline void pickSwatch(ColorControlWidget *control, int id)
{
    control->findChild<QToolButton *>()->click();
    CustomColorDlg *dialog = visiblePalette();
    QVERIFY(dialog);
    dialog->findChild<QButtonGroup *>()->button(id)->click();
    dialog->findChild<QPushButton *>("submit")->click();
    QVERIFY(!dialog->isVisible());
}

inline QImage iconImage(const QIcon &icon, const QSize &size)
{
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

inline QColor pixelAt(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

// How many pixels of `image` inside `area` satisfy `test`.
template <typename Test>
int countPixels(const QImage &image, Test test, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(QColor::fromRgba(image.pixel(x, y))) ? 1 : 0;
    }
    return count;
}

inline bool isDark(const QColor &c)
{
    return qGray(c.rgb()) < 100;
}
