#pragma once

#include "window/basedialog.h"
#include "kwqtcompat.h"

#include <QColor>

// A frameless dialog whose border ring shows whether it is the active window. When the system
// flashes a window this dialog blocks, the alternating activation makes the ring twinkle.
class KWCONTROLS_EXPORT KwTwinkleBaseDialog : public BaseDialog
{
    Q_OBJECT
    Q_PROPERTY(QColor deActiveColor READ deActiveColor WRITE setDeActiveColor)
    Q_PROPERTY(QColor activeColor READ activeColor WRITE setActiveColor)
    Q_PROPERTY(int borderWidht READ getBorderWidth WRITE setBorderWidth)

public:
    explicit KwTwinkleBaseDialog(QWidget *parent = 0, QString name = "");

    // The setters only store: the new look shows at the next repaint.
    QColor activeColor() const;
    void setActiveColor(const QColor &color);
    QColor deActiveColor() const;
    void setDeActiveColor(const QColor &color);
    int getBorderWidth() const;
    void setBorderWidth(int width);
    bool isActived() const;

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, KwQt::NativeEventResult *result) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void drawTwinkleRing();

private:
    void setActived(bool actived);

    bool actived = false;
    QColor m_deActiveColor = QColor("#ffd74e");
    QColor m_activeColor = QColor("#2f2f2f");
    int borderWidth = 1;
};
