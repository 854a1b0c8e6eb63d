#pragma once

/// \file
/// KwIconCbx, a check box whose icon changes while the mouse is over it.

#include "kwcontrols_export.h"
#include "kwqtcompat.h"

#include <QCheckBox>
#include <QPixmap>

/// A check box whose icon changes while the mouse is over it.
///
/// The box shows normalPix() as its icon, and hoverPix() from the moment the mouse enters it
/// until it leaves; a null pixmap shows no icon. Both are properties (`normalPix`,
/// `hoverPix`), so Designer can set them.
///
/// \code
/// auto *box = new KwIconCbx(tr("Show tips"), parent);
/// box->setNormalPix(QPixmap(":/icons/eye.png"));
/// box->setHoverPix(QPixmap(":/icons/eye-hover.png"));
/// \endcode
///
/// GUI thread only.
/// \ingroup dataview
class KWCONTROLS_EXPORT KwIconCbx : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(QPixmap normalPix READ normalPix WRITE setNormalPix DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QPixmap hoverPix READ hoverPix WRITE setHoverPix DESIGNABLE true SCRIPTABLE true STORED true)
public:
    /// Makes a box without text nor icon.
    explicit KwIconCbx(QWidget *parent = nullptr);
    /// Makes a box labelled `text`, without icon.
    explicit KwIconCbx(const QString &text, QWidget *parent = nullptr);

    /// The icon shown while the mouse is not over the box (the `normalPix` property).
    QPixmap normalPix() const;
    /// The icon shown while the mouse is over the box (the `hoverPix` property).
    QPixmap hoverPix() const;
    /// Sets the icon shown while the mouse is not over the box, and shows it at once (also
    /// while the mouse is over the box, until it leaves and enters again).
    void setNormalPix(const QPixmap &pix);
    /// Sets the icon shown while the mouse is over the box.
    ///
    /// Takes effect at the next enter, not while the mouse is already over the box.
    void setHoverPix(const QPixmap &pix);

protected:
    /// Shows hoverPix().
    void enterEvent(KwQt::EnterEvent *e) override;
    /// Shows normalPix() again.
    void leaveEvent(QEvent *e) override;

private:
    QPixmap m_normalPix;
    QPixmap m_hoverPix;
};
