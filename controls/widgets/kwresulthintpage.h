#pragma once

/// \file
/// KwResultHintPage, the page shown instead of an empty result.

#include "window/basewidget.h"

class QLabel;
class QPushButton;

/// The page shown instead of an empty result: a large icon button centred over a hint text.
/// The button's picture comes from the style sheet (object name "pushbutton").
///
/// The button is 84 x 84 pixels at first; the hint (object name "hintlabel") says
/// 暂无股票 点击添加 until setHintString() replaces it, and is also the button's accessible
/// name. A click on the button emits buttonClicked() and then calls clicked(), which a page
/// may reimplement.
///
/// \code
/// auto *empty = new KwResultHintPage(stack, "emptyWatchlist");
/// empty->setHintString(tr("暂无自选股 点击添加"));
/// connect(empty, &KwResultHintPage::buttonClicked, page, &Page::addStock);
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT KwResultHintPage : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes the page with its default hint; it joins the message bus under `name`.
    explicit KwResultHintPage(QWidget *parent = 0, QString name = "");

    /// Enables or disables the icon button.
    void setButtonEnable(bool enable);
    /// Replaces the hint's text, which is also the button's accessible name.
    void setHintString(const QString &text);
    /// Sets the icon button's fixed size.
    void setIconSize(const QSize &size);

signals:
    /// Emitted when the icon button is clicked.
    void buttonClicked();

protected slots:
    /// Emits buttonClicked(), then calls clicked(); connected to the button's `clicked`.
    void slotButtonClicked();

protected:
    /// Does nothing here.
    ///
    /// Runs after buttonClicked() has been emitted; pages override it to react themselves.
    virtual void clicked();

private:
    QPushButton *iconButton;
    QLabel *hintLabel;
};
