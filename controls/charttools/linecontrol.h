#pragma once

/// \file
/// LineControl and LineTypeControl, the width and style pickers of the line and arrow dialogs.

#include "kwcontrols_export.h"

#include <QToolButton>
#include <QVector>

/// The line-width picker of the line and arrow dialogs: widths 1 to 4 pixels.
///
/// A drop-down picker: the menu holds one sample button per value (index = value - 1); a
/// pick shows the entry's sample on the control and reports the value by setLineWidth(). The
/// samples are white lines, for the dark dialogs; the control starts showing width 1.
///
/// \code
/// auto *width = new LineControl(dialog);
/// width->setDefalutLineWidth(setting.nWidth);
/// connect(width, &LineControl::setLineWidth, dialog, &MyDialog::onWidthPicked);
/// \endcode
///
/// Ownership: the control owns its menu and entries. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT LineControl : public QToolButton
{
    Q_OBJECT

public:
    /// Makes the control with its menu of widths 1 to 4.
    explicit LineControl(QWidget *parent = nullptr);

    /// Shows `width` on the control.
    ///
    /// Shows width 1 to 4 without signalling; other values leave the icon as it is.
    void setDefalutLineWidth(const int &width);

signals:
    /// Emitted when the user picks a width in the menu, with the width in pixels (1 to 4);
    /// not by setDefalutLineWidth().
    void setLineWidth(int nWidth);

private:
    void createWg();

    int m_iconPenWidth = 1;
    QToolButton *m_firstMenuBtn = nullptr;
    QVector<QToolButton *> m_entries;
};

/// The line-style picker of the line dialog: Qt::SolidLine to Qt::DashDotDotLine.
///
/// Works as LineControl, with the pen styles 1 to 5 in Qt's order; the control starts
/// showing a solid line. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT LineTypeControl : public QToolButton
{
    Q_OBJECT

public:
    /// Makes the control with its menu of styles; registers Qt::PenStyle with the meta-type
    /// system.
    explicit LineTypeControl(QWidget *parent = nullptr);

    /// Shows `style` on the control.
    ///
    /// Shows Qt::SolidLine to Qt::DashDotDotLine without signalling; other styles leave the
    /// icon as it is.
    void setDefaultPenStyle(const Qt::PenStyle &style);

signals:
    /// Emitted when the user picks a style in the menu, with that style; not by
    /// setDefaultPenStyle().
    void setLineStyle(Qt::PenStyle style);

private:
    void createWg();

    int m_iconPenWidth = 1;
    QToolButton *m_firstMenuBtn = nullptr;
    QVector<QToolButton *> m_entries;
};
