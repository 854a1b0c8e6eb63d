#pragma once

/// \file
/// KwLine, a horizontal or vertical separator line.

#include "kwcontrols_export.h"

#include <QFrame>

/// A one-line separator: a plain horizontal or vertical frame line.
///
/// Its thickness in the layout is setKWlineWidth() (one pixel by default); the drawn line
/// stays one pixel. A horizontal line takes the width the layout gives it, a vertical one the
/// height.
///
/// A QFrame otherwise, with its own meta-object (qobject_cast and findChildren tell it
/// apart); parent/child ownership as usual. GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT KwLine : public QFrame
{
    Q_OBJECT

public:
    /// Makes a horizontal line; a non-empty `name` becomes its object name.
    explicit KwLine(QWidget *parent = nullptr, const QString &name = QString());
    /// Makes a line of the given orientation; a non-empty `name` becomes its object name.
    KwLine(Qt::Orientation orientation, QWidget *parent = nullptr, const QString &name = QString());

    /// Sets the line's fixed thickness in the layout: its height when horizontal, its width
    /// when vertical.
    void setKWlineWidth(const int &width);

private:
    void createLine();
    void applyWidth();

    int m_orientation = Qt::Horizontal;
    int m_lineWidth = 1;
};
