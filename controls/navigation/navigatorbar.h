#pragma once

/// \file
/// NavigatorBar, sub-tab bars stacked one under another that report their selection together.

#include "kwcontrols_export.h"
#include "navigation/csubtab.h"

#include <QMap>
#include <QPointer>

class QVBoxLayout;

/// Stacks sub-tab bars one under another and reports their selection together.
///
/// The bars are numbered 0, 1, 2, ... in order of addition. A click in any of them becomes one
/// report of the selection of the first two (navigatorSectionChanged()), and a click in one of
/// the first two also a report of that bar's new button (subTabSectionChanged()).
///
/// \code
/// auto *navigator = new NavigatorBar(parent, "navigator");
/// navigator->addCSubTab(CSubTab::Root_Tab, "market")->setButtons({"A shares", "Hong Kong"});
/// navigator->addCSubTab(CSubTab::Child_Tab, "sort")->setButtons({"Change", "Turnover"});
/// connect(navigator, &NavigatorBar::navigatorSectionChanged, page, &Page::showSection);
/// \endcode
///
/// Ownership: the bars become children of the navigator. A bar deleted by its owner leaves its
/// number empty (csubTab() returns null there); the other bars keep theirs.
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT NavigatorBar : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty navigator that joins the message bus under `name`.
    explicit NavigatorBar(QWidget *parent = nullptr, QString name = "");

    /// Makes a CSubTab of the given type, named `name` (on the bus and as object name), adds it
    /// under the next number and returns it.
    CSubTab *addCSubTab(CSubTab::CSubTabType type, QString name);
    /// Adds `bar` (a CSubTab or one of its variants) under the next number, below the others;
    /// the navigator becomes its parent. A null bar is ignored.
    void addCSubTab(CSubTab *bar);
    /// The bar numbered `index`, or null when there is none (or it was deleted).
    CSubTab *csubTab(int index);
    /// Appends a button labelled `text`, under the next free id, to the bar numbered `index`;
    /// ignored when there is no such bar.
    void addButtonToTab(const int &index, const QString &text);
    /// Replaces the buttons of the bar numbered `index` (see CSubTab::setButtons()); ignored
    /// when there is no such bar.
    void setSubTabButtons(const int &index, const QStringList &texts);

signals:
    /// Emitted when the user clicks a button in any of the bars, with the current buttons of
    /// bars 0 and 1 (CSubTab::currentButton(); -1 for a bar with none, or no such bar). Not
    /// emitted when a button is checked from code.
    void navigatorSectionChanged(int priButton, int secButon);
    /// Emitted when the user clicks a button in bar 0 or 1, before navigatorSectionChanged():
    /// `id` is the bar's number and `button` the id of the button clicked.
    void subTabSectionChanged(int id, int button);

private slots:
    void OnClickBack();
    void tabCurrentBtnChanged(const int &id);

private:
    int currentIdOf(int index) const;

    QMap<int, QPointer<CSubTab>> m_bars;
    QVBoxLayout *m_layout = nullptr;
};
