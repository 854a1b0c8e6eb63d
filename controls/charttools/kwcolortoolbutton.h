#pragma once

#include "kwcontrols_export.h"

#include <QColor>
#include <QToolButton>

// A tool button showing a colour swatch; a click opens the colour dialog.
class KWCONTROLS_EXPORT KwColorToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor DESIGNABLE true SCRIPTABLE true STORED true)

public:
    explicit KwColorToolButton(QWidget *parent = nullptr);

    QColor color() const;
    // Only a pick by the user signals; setting it from code does not.
    void setColor(const QColor &color);

    virtual void updateIcon();
    // An invalid colour means the user cancelled.
    virtual QColor getColor(const QColor &initial);

signals:
    void colorChanged(const QColor &color);

protected slots:
    void colorClicked(bool checked);

protected:
    void showMenu();

private:
    void pickColor();

    QColor m_color = Qt::white;
};
