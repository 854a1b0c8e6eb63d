#pragma once

#include "kwcontrols_export.h"
#include "kwqtcompat.h"

#include <QCheckBox>
#include <QPixmap>

// A check box whose icon changes while the mouse is over it.
class KWCONTROLS_EXPORT KwIconCbx : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(QPixmap normalPix READ normalPix WRITE setNormalPix DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QPixmap hoverPix READ hoverPix WRITE setHoverPix DESIGNABLE true SCRIPTABLE true STORED true)
public:
    explicit KwIconCbx(QWidget *parent = nullptr);
    explicit KwIconCbx(const QString &text, QWidget *parent = nullptr);

    QPixmap normalPix() const;
    QPixmap hoverPix() const;
    void setNormalPix(const QPixmap &pix);
    // Takes effect at the next enter, not while the mouse is already over the box.
    void setHoverPix(const QPixmap &pix);

protected:
    void enterEvent(KwQt::EnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QPixmap m_normalPix;
    QPixmap m_hoverPix;
};
