#pragma once

/// \file
/// KwPixLayer, a picture panel with a background and a centred top picture.

#include "window/basewidget.h"

#include <QLabel>
#include <QPixmap>

#include <memory>

namespace Ui {
class KwPixLayer;
}

/// The picture over the background of a KwPixLayer: centred at its natural size where it fits,
/// squeezed to the label in a direction where it does not.
///
/// The natural size is the picture's logical size (a picture made for a high pixel ratio
/// takes the room of its logical size, drawn with all its pixels). The label's own text or
/// pixmap, if any, is painted below the picture. GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT KwPixTopLayer : public QLabel
{
    Q_OBJECT

public:
    /// Makes a label drawing `picture`; a null picture draws nothing.
    explicit KwPixTopLayer(const QPixmap &picture, QWidget *parent = nullptr);

    /// The picture drawn.
    QPixmap getPixmap() const;

protected:
    /// Paints the label, then the picture centred over it.
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture;
};

/// A picture panel: a background picture stretched over the whole panel and a top picture
/// centred over it.
///
/// The pictures are read from the given paths (files or `:/` resources) when the panel is made;
/// a path that does not load leaves that picture out. The top picture is a KwPixTopLayer,
/// laid out 11 pixels inside the panel's edges.
///
/// \code
/// auto *layer = new KwPixLayer(":/pictures/gradient.png", ":/pictures/badge.png", page);
/// layer->setMinimumSize(180, 160);
/// \endcode
///
/// The panel joins the message bus without a name. GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT KwPixLayer : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes a plain panel without pictures, as a Designer form makes it.
    explicit KwPixLayer(QWidget *parent = nullptr);
    /// Makes the panel with the pictures read from `backgroundPath` and `topPath`.
    KwPixLayer(const QString &backgroundPath, const QString &topPath, QWidget *parent = 0);
    /// Deletes the panel's generated form; the top layer goes with the panel as its child.
    ~KwPixLayer() override;

    /// The label drawing the top picture; the panel keeps it.
    KwPixTopLayer *getTopLayer() const;
    /// Repaints the panel when its page becomes active.
    void afterActive() override;

protected:
    /// Paints the style sheet's background and border, then the background picture stretched
    /// over the whole panel.
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Ui::KwPixLayer> ui;
    QPixmap background;
    KwPixTopLayer *topLayer;
};
