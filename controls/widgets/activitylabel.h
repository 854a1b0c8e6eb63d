#pragma once

/// \file
/// ActivityLabel, a text that acts as a link.

#include "kwcontrols_export.h"

#include <QLabel>

/// A text that acts as a link: a left-button release reports clicked().
///
/// A QLabel otherwise; a style sheet gives it the look of a link.
///
/// \code
/// auto *link = new ActivityLabel(tr("了解更多"), strip);
/// connect(link, &ActivityLabel::clicked, strip, &IntroductionButton::showIntroduction);
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT ActivityLabel : public QLabel
{
    Q_OBJECT

public:
    /// Makes a label without text, as a Designer form makes it; the form sets the text.
    explicit ActivityLabel(QWidget *parent = nullptr);
    /// Makes a label showing `text`.
    explicit ActivityLabel(QString text, QWidget *parent = nullptr);

signals:
    /// Emitted when the left mouse button, pressed on the label, is released (Qt delivers
    /// the release to the label wherever the pointer is then).
    void clicked();

protected:
    /// Emits clicked() for a left-button release; other buttons do nothing.
    void mouseReleaseEvent(QMouseEvent *event) override;
};
