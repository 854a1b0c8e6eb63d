#pragma once

#include "window/basewidget.h"
#include "window/windowcontrolbox.h"

class QLabel;
class QPushButton;

// The caption strip of a frameless window: an optional icon, the title and the control box.
class KWCONTROLS_EXPORT TitleBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = 0, QString name = "");

    // Builds the strip; call once after construction. Its control box acts on the title bar's
    // own Qt parent.
    virtual void createTitleBar();
    void setWinTitle(const QString &title, Qt::Alignment alignment);
    // The icon picture comes from the style-sheet rule for this object name.
    void setIconName(const QString &name);
    void setControlFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on);
    void setControlFlags(const QFlags<WindowControlBox::ControlFlag> &flags);
    WindowControlBox *windowControlBox();

signals:
    void mainWndMinimized();
    void mainWndMaximized();
    void mainWndClose();

protected:
    void onMinimized();
    void onMaximinzed();
    void onClose();
    // Follows the window title of every widget this bar is installed on.
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString iconName;
    QPushButton *iconButton = nullptr;
    QLabel *titleLabel = nullptr;
    WindowControlBox *controlBox = nullptr;
};
