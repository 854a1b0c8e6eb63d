#pragma once

#include "kwcontrols_export.h"

#include <QColor>
#include <QComboBox>

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class QToolButton;

// A combo box whose face is a colour swatch; opening it opens the colour dialog, never a list.
// A strip at the right edge keeps the drop-down arrow visible.
class KWCONTROLS_EXPORT KwColorComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor DESIGNABLE true SCRIPTABLE true STORED true)

public:
    explicit KwColorComboBox(QWidget *parent = nullptr);

    QColor color() const;
    // Signals even when the colour does not change, so a caller can re-apply it.
    void setColor(const QColor &color);
    // The width of the strip beside the swatch.
    void setRightSpacing(int width);
    // No label is ever made; kept so callers written against it still compile.
    QLabel *iconLabel() const;
    QToolButton *iconButton() const;

    virtual void updateIcon();
    void showPopup() override;

signals:
    void colorChanged(const QColor &color);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::white;
    QLabel *m_iconLabel = nullptr;
    QToolButton *m_iconButton;
    QHBoxLayout *m_layout;
    QSpacerItem *m_rightSpacer;
};
