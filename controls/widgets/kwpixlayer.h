#pragma once

#include "window/basewidget.h"

#include <QLabel>
#include <QPixmap>

namespace Ui {
class KwPixLayer;
}

// The picture over the background of a KwPixLayer: centred at its natural size where it fits,
// squeezed to the label in a direction where it does not.
class KWCONTROLS_EXPORT KwPixTopLayer : public QLabel
{
    Q_OBJECT

public:
    explicit KwPixTopLayer(const QPixmap &picture, QWidget *parent = nullptr);

    QPixmap getPixmap() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture;
};

// A picture panel: a background picture stretched over the whole panel and a top picture
// centred over it.
class KWCONTROLS_EXPORT KwPixLayer : public BaseWidget
{
    Q_OBJECT

public:
    // Without pictures, as a Designer form makes it: a plain panel.
    explicit KwPixLayer(QWidget *parent = nullptr);
    KwPixLayer(const QString &backgroundPath, const QString &topPath, QWidget *parent = 0);
    ~KwPixLayer() override;

    KwPixTopLayer *getTopLayer() const;
    void afterActive() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::KwPixLayer *ui;
    QPixmap background;
    KwPixTopLayer *topLayer;
};
