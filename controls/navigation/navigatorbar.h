#pragma once

#include "kwcontrols_export.h"
#include "navigation/csubtab.h"

#include <QMap>
#include <QPointer>

class QVBoxLayout;

// Stacks sub-tab bars, numbered 0, 1, 2, ... in order of addition, and turns a click in any of
// them into one report of the selection of the first two. A bar deleted by its owner leaves
// its number empty (csubTab() returns null there); the other bars keep theirs.
class KWCONTROLS_EXPORT NavigatorBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit NavigatorBar(QWidget *parent = nullptr, QString name = "");

    CSubTab *addCSubTab(CSubTab::CSubTabType type, QString name);
    void addCSubTab(CSubTab *bar);
    CSubTab *csubTab(int index);
    void addButtonToTab(const int &index, const QString &text);
    void setSubTabButtons(const int &index, const QStringList &texts);

signals:
    void navigatorSectionChanged(int priButton, int secButon);
    void subTabSectionChanged(int id, int button);

private slots:
    void OnClickBack();
    void tabCurrentBtnChanged(const int &id);

private:
    int currentIdOf(int index) const;

    QMap<int, QPointer<CSubTab>> m_bars;
    QVBoxLayout *m_layout = nullptr;
};
