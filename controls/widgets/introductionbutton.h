#pragma once

/// \file
/// IntroductionButton, a one-line hint strip.

#include "window/basewidget.h"

class QLabel;

/// A one-line hint strip. showIntroduction() is for the owner to emit, for instance from a
/// link it places beside the hint.
///
/// The hint is a label at the left of the strip, the rest stays empty. The strip joins the
/// message bus as `introductionbutton`.
///
/// \code
/// auto *intro = new IntroductionButton(tr("条件选股：最多可组合 5 个条件"), page);
/// auto *link = new ActivityLabel(tr("查看说明"));   // placed beside the strip by the page
/// connect(link, &ActivityLabel::clicked, intro, &IntroductionButton::showIntroduction);
/// connect(intro, &IntroductionButton::showIntroduction, page, &Page::showHelp);
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT IntroductionButton : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes the strip with an empty hint, as a Designer form makes it; setHintString() fills
    /// it in.
    explicit IntroductionButton(QWidget *parent = nullptr);
    /// Makes the strip showing `hint`.
    explicit IntroductionButton(const QString &hint, QWidget *parent = 0);

    /// Replaces the hint's text.
    void setHintString(const QString &text);

signals:
    /// Never emitted by the strip itself: the owner emits it, or connects a signal to it, to
    /// ask for the introduction the hint leads to.
    void showIntroduction();

private:
    QString hint;
    QLabel *hintLabel;
};
