#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QMap>
#include <QPointer>

class KwLine;
class QButtonGroup;
class QIcon;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// A column of tool buttons with an optional logo, separators and stretch. Grouped buttons form
// one exclusive selection; every click on one is reported by id, also a repeated one.
class KWCONTROLS_EXPORT SideBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit SideBar(QWidget *parent = nullptr, QString name = "");

    QPushButton *addLogo();
    KwLine *addSeparator();
    void addStretch();
    // None of these makes the button checkable: a caller who wants a selection does.
    QToolButton *addToolButton(const QIcon &icon, int id, const QString &text, const bool &grouped,
                               Qt::ToolButtonStyle style);
    QToolButton *addToolButton(const QString &text, int id, const bool &grouped, Qt::ToolButtonStyle style);
    QToolButton *addToolButton(QToolButton *button, int id, const bool &grouped);

    int getCurrCheckId();
    bool isCheck(int id);
    void setAllUnCheck();
    void setCheckId(int id);

signals:
    void signalClickButton(int id);

public slots:
    virtual void slotsButtonClick(int id);

private:
    void group(QToolButton *button, int id, bool grouped);

    QButtonGroup *m_group = nullptr;
    QMap<int, QPointer<QToolButton>> m_buttons;    // the client may delete a button it added
    QVBoxLayout *m_layout = nullptr;
};
