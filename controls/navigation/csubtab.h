#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QList>
#include <QMap>
#include <QPointer>

class KwLine;
class QButtonGroup;
class QHBoxLayout;
class QPushButton;

// Leaves the group with no checked button at all, which an exclusive group alone refuses to
// do; the group's exclusivity is the same afterwards.
KWCONTROLS_EXPORT void kwUncheckGroup(QButtonGroup *group);

// A row of checkable push buttons that act as tabs: one exclusive group, buttons addressed by
// integer id, optional separators, and a choice of what fills the space after the last button.
// Only a user click reports currentButtonChanged; selecting from code stays silent.
class KWCONTROLS_EXPORT CSubTab : public BaseWidget
{
    Q_OBJECT
    Q_PROPERTY(CSubTabType csubTabType READ csubTabType WRITE setCSubTabType NOTIFY csubTypeChanged
                   DESIGNABLE true SCRIPTABLE true STORED true)

public:
    enum CSubTabType { Root_Tab = 0, Child_Tab = 1 };
    Q_ENUM(CSubTabType)

    enum StretchLastType { Stretch_None = 0, Stretch_Space = 1, Stretch_Button = 2 };

    explicit CSubTab(QWidget *parent = nullptr, QString name = "");

    // A negative id means "the next free id from the button count"; an id already in use is
    // refused, since two buttons under one id could neither be told apart nor cleared. The bar
    // takes `line` in every case: a refused call deletes it rather than leave it about.
    void addButton(const QString &text, const int &id = -1, KwLine *line = nullptr);
    void addButtons(const QStringList &texts);
    void addLine(int width = 1, int height = -1);
    void clear();
    void setButtons(const QStringList &texts);

    QPushButton *getButton(int id);
    QWidget *getLine(int id);

    int currentButton() const;
    void setCurrentButton(const int &id);
    void setAllUnCheck();
    void setExclusiveEx(bool exclusive);

    void setPacing(const int &spacing);
    // Margins of the button row, not of the bar itself.
    void setContentsMargins(int left, int top, int right, int bottom);
    void setStretchLastType(StretchLastType type);

    CSubTabType csubTabType() const;
    void setCSubTabType(CSubTabType type);

signals:
    void csubTypeChanged(CSubTabType type);
    void currentButtonChanged(int id);

private slots:
    void buttonToggled(int id, bool checked);
    void slotsButtonClicked(int id);
    void switchBack();
    void switchForward();

private:
    void createWg();
    int nextFreeId() const;
    QPushButton *appendButton(const QString &text, int id, QWidget *parent);
    void removeTrailingItem();

    // Children of the bar, but handed out: the client may delete one.
    QList<QPointer<QWidget>> m_lines;
    QMap<int, QPointer<QWidget>> m_lineMap;
    QMap<int, QPointer<QPushButton>> m_buttons;
    QButtonGroup *m_group = nullptr;
    QHBoxLayout *m_outerLayout = nullptr;
    QHBoxLayout *m_innerLayout = nullptr;
    CSubTabType m_tabType = Root_Tab;
    int m_currentId = -1;
    StretchLastType m_stretchType = Stretch_None;
};

// The variants differ only in their class name, which style-sheet type selectors match.
class KWCONTROLS_EXPORT CSubTabPeriod : public CSubTab
{
    Q_OBJECT

public:
    explicit CSubTabPeriod(QWidget *parent = nullptr, QString name = "");
};

class KWCONTROLS_EXPORT CSubTabSecondBar : public CSubTab
{
    Q_OBJECT

public:
    explicit CSubTabSecondBar(QWidget *parent = nullptr, QString name = "");
};

class KWCONTROLS_EXPORT CSubTabThirdBar : public CSubTab
{
    Q_OBJECT

public:
    explicit CSubTabThirdBar(QWidget *parent = nullptr, QString name = "");
};
