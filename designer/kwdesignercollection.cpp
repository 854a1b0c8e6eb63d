#include "kwdesignercollection.h"

#include "kwdesignerwidget.h"

#include "charttools/colorcontrolwidget.h"
#include "charttools/drawlinetextpanel.h"
#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"
#include "charttools/linecontrol.h"
#include "charttools/parasettingdialog.h"
#include "charttools/typepanel.h"
#include "dataview/customcombobox.h"
#include "dataview/frozentableview.h"
#include "dataview/kwiconcbx.h"
#include "navigation/basestackwidget.h"
#include "navigation/csubtab.h"
#include "navigation/kwline.h"
#include "navigation/navigatorbar.h"
#include "navigation/scrollwidget.h"
#include "navigation/sidebar.h"
#include "navigation/statusbar.h"
#include "navigation/suolueborderwidget.h"
#include "widgets/activitylabel.h"
#include "widgets/bellbutton.h"
#include "widgets/introductionbutton.h"
#include "widgets/kwpixlayer.h"
#include "widgets/kwresulthintpage.h"
#include "widgets/viewtipspanel.h"
#include "window/titlebar.h"
#include "window/windowcontrolbox.h"

#include <QToolButton>

#include <functional>

namespace {

using Family = KwDesignerWidgetInfo::Family;

// Designer makes every widget the way a form's generated code does, `new T(parent)`: a class
// that compiles into this table compiles into every form that uses it. The class name comes
// from the meta-object, so it is the name Designer finds on the widget it gets back.
template <class T>
KwDesignerWidgetInfo entry(Family family, const char *includeFile, QSize size, const char *toolTip,
                           const char *whatsThis)
{
    KwDesignerWidgetInfo info;
    info.className = QString::fromLatin1(T::staticMetaObject.className());
    info.includeFile = QString::fromLatin1(includeFile);
    info.family = family;
    info.size = size;
    info.toolTip = QString::fromUtf8(toolTip);
    info.whatsThis = QString::fromUtf8(whatsThis);
    info.create = [](QWidget *parent) -> QWidget * { return new T(parent); };
    return info;
}

// For widgets whose content only code gives them (tabs, buttons, entries): a few sample items,
// so the form shows what it will hold. They are not part of the form: Designer saves none of
// them and the generated code makes the widget empty.
template <class T>
KwDesignerWidgetInfo withSample(KwDesignerWidgetInfo info, std::function<void(T *)> sample)
{
    info.create = [sample](QWidget *parent) -> QWidget * {
        auto *widget = new T(parent);
        sample(widget);
        return widget;
    };
    return info;
}

KwDesignerWidgetInfo asContainer(KwDesignerWidgetInfo info)
{
    info.container = true;
    return info;
}

// A widget that shows sample content in Designer (see withSample()).
template <class T>
KwDesignerWidgetInfo sampled(Family family, const char *includeFile, QSize size, const char *toolTip,
                             const char *whatsThis, std::function<void(T *)> sample)
{
    return withSample<T>(entry<T>(family, includeFile, size, toolTip, whatsThis), std::move(sample));
}

// The text a new label or check box starts with on the form, so that it is not an empty box.
KwDesignerWidgetInfo withText(KwDesignerWidgetInfo info, const char *text)
{
    info.properties = QStringLiteral("  <property name=\"text\">\n   <string>%1</string>\n  </property>\n")
                              .arg(QString::fromUtf8(text));
    return info;
}

void sampleTabs(CSubTab *bar)
{
    bar->setButtons({QStringLiteral("Tab 1"), QStringLiteral("Tab 2"), QStringLiteral("Tab 3")});
    bar->setCurrentButton(0);
}

// The four tab bars: one header, one size, the same sample tabs.
template <class T>
KwDesignerWidgetInfo tabBar(const char *toolTip, const char *whatsThis)
{
    return sampled<T>(Family::Navigation, "navigation/csubtab.h", {300, 30}, toolTip, whatsThis, sampleTabs);
}

const char SubTabHelp[] = "Buttons are added in code (addButton, addButtons, setButtons) and addressed by integer id; "
                          "currentButtonChanged(int) reports a user's click, setCurrentButton() selects silently. "
                          "The tabs shown in Designer are samples.";

// The table is laid out by hand, one widget per entry: the formatter leaves it as it is.
// clang-format off
QVector<KwDesignerWidgetInfo> libraryWidgets()
{
    using F = KwDesignerWidgetInfo;
    return {
        // Bars and containers
        tabBar<CSubTab>("Row of tab buttons",
            "<b>CSubTab</b>: a row of checkable push buttons acting as tabs. The csubTabType property "
            "chooses the root or child look."),
        tabBar<CSubTabPeriod>("Tab bar of chart periods",
            "<b>CSubTabPeriod</b>: a CSubTab that style sheets address as the period bar."),
        tabBar<CSubTabSecondBar>("Second-level tab bar",
            "<b>CSubTabSecondBar</b>: a CSubTab that style sheets address as the second-level bar."),
        tabBar<CSubTabThirdBar>("Third-level tab bar",
            "<b>CSubTabThirdBar</b>: a CSubTab that style sheets address as the third-level bar."),
        sampled<NavigatorBar>(F::Navigation, "navigation/navigatorbar.h", {300, 64},
            "Stack of tab bars",
            "<b>NavigatorBar</b>: tab bars stacked one above the other, added in code (addCSubTab); a click "
            "in any of them is reported as navigatorSectionChanged(first, second). The bars shown in "
            "Designer are samples.",
            [](NavigatorBar *bar) {
                bar->addCSubTab(CSubTab::Root_Tab, QString())
                    ->setButtons({QStringLiteral("Quotes"), QStringLiteral("News"), QStringLiteral("Finance")});
                bar->addCSubTab(CSubTab::Child_Tab, QString())
                    ->setButtons({QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month")});
            }),
        sampled<SideBar>(F::Navigation, "navigation/sidebar.h", {64, 240},
            "Column of tool buttons",
            "<b>SideBar</b>: a column of tool buttons with an optional logo, separators and stretch, added "
            "in code (addToolButton, addLogo, addSeparator); signalClickButton(int) reports every click. "
            "The buttons shown in Designer are samples.",
            [](SideBar *bar) {
                for (int id = 0; id < 3; ++id)
                    bar->addToolButton(QStringLiteral("Item %1").arg(id + 1), id, true, Qt::ToolButtonTextOnly);
                bar->addStretch();
            }),
        entry<StatusBar>(F::Navigation, "navigation/statusbar.h", {600, 41},
            "Status strip of named cells",
            "<b>StatusBar</b>: a strip 41 pixels high laid out as a grid of named, empty cells; the page "
            "fills them through widgetAtPosition(row, column)."),
        entry<BaseStackWidget>(F::Navigation, "navigation/basestackwidget.h", {300, 200},
            "Stack of pages on the message bus",
            "<b>BaseStackWidget</b>: pages shown one at a time, each with the bus object that stands for it. "
            "Pages are added in code (addWidget); call layoutStackWnd() to show the stack inside the widget."),
        entry<ScrollWidget>(F::Navigation, "navigation/scrollwidget.h", {300, 200},
            "Scroll area for one content widget",
            "<b>ScrollWidget</b>: wraps the widget given to setWidget() in a scroll area that stretches it to "
            "the visible size and keeps it at the top left when it is smaller."),
        asContainer(entry<SuoLueBorderWidget>(F::Navigation, "navigation/suolueborderwidget.h", {160, 120},
            "Thumbnail frame",
            "<b>SuoLueBorderWidget</b>: a frame for thumbnails; its border comes from the style sheet. "
            "Drop widgets on it and lay them out.")),
        asContainer(entry<SuolueWidget>(F::Navigation, "navigation/suolueborderwidget.h", {160, 120},
            "Thumbnail frame (suoluewidget)",
            "<b>SuolueWidget</b>: a thumbnail frame that style sheets address apart from SuoLueBorderWidget. "
            "Drop widgets on it and lay them out.")),
        entry<KwLine>(F::Navigation, "navigation/kwline.h", {200, 1},
            "Horizontal separator line",
            "<b>KwLine</b>: a one-pixel horizontal separator; setKWlineWidth() sets the room it takes in "
            "the layout."),

        // Window parts
        sampled<TitleBar>(F::Window, "window/titlebar.h", {400, 32},
            "Caption strip of a frameless window",
            "<b>TitleBar</b>: icon, title and window control box of a frameless window. Call createTitleBar() "
            "once after setupUi(); its control box then acts on the title bar's parent widget.",
            [](TitleBar *bar) {
                // Built while parentless, so that its control box takes charge of none of
                // Designer's own widgets.
                QWidget *parent = bar->parentWidget();
                bar->setParent(nullptr);
                bar->createTitleBar();
                bar->setParent(parent);
            }),
        entry<WindowControlBox>(F::Window, "window/windowcontrolbox.h", {140, 26},
            "Minimise, maximise and close buttons",
            "<b>WindowControlBox</b>: minimise, maximise/restore and close buttons. Hand it the window they "
            "act on with setMainWnd() after setupUi(); their pictures come from the style sheet."),

        // Tables and fields
        entry<FrozenColTableView>(F::DataView, "dataview/frozencoltableview.h", {400, 300},
            "Table with frozen leading columns",
            "<b>FrozenColTableView</b>: a table whose first columns stay put (setFrozenColCount). Its "
            "horizontal bar lives outside the table: lay a horizontal QScrollBar out under it on the form "
            "and hand it over with setOutsideHorizontalBar() after setupUi()."),
        entry<FrozenTableView>(F::DataView, "dataview/frozentableview.h", {400, 300},
            "Table with frozen leading rows and columns",
            "<b>FrozenTableView</b>: a table whose first rows and columns stay put (setFrozenRowCount, "
            "setFrozenColCount). Its bars live outside the table: lay a horizontal QScrollBar out under "
            "it and a vertical one beside it on the form, and hand them over with "
            "setOutsideHorizontalBar() and setOutsideVerticalBar() after setupUi()."),
        withText(entry<KwIconCbx>(F::DataView, "dataview/kwiconcbx.h", {100, 22},
            "Check box with a hover icon",
            "<b>KwIconCbx</b>: a check box showing normalPix, and hoverPix while the mouse is over it."), "CheckBox"),
        entry<CustomComboBox>(F::DataView, "dataview/customcombobox.h", {120, 24},
            "Combo box opened by a click anywhere",
            "<b>CustomComboBox</b>: a combo box whose list opens on a click anywhere on it."),
        entry<QLineEditEx>(F::DataView, "dataview/customcombobox.h", {120, 24},
            "Line edit reporting clicks",
            "<b>QLineEditEx</b>: a line edit that signals click() on every mouse release."),

        // Chart tools
        entry<KwColorToolButton>(F::ChartTools, "charttools/kwcolortoolbutton.h", {40, 24},
            "Colour picker button",
            "<b>KwColorToolButton</b>: a tool button showing a swatch of its color property; a click opens "
            "the colour dialog, and colorChanged(QColor) reports the user's pick."),
        sampled<KwPenStyleButton>(F::ChartTools, "charttools/kwpentoolbutton.h",
            {60, 24}, "Pen style picker button",
            "<b>KwPenStyleButton</b>: a tool button whose menu offers the pen styles given to setItems(); "
            "penStyleChanged() reports a pick. The entries shown in Designer are samples.",
            [](KwPenStyleButton *button) {
                button->setItems({Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine});
                button->setPenStyle(Qt::SolidLine);
            }),
        sampled<KwPenWidthButton>(F::ChartTools, "charttools/kwpentoolbutton.h",
            {60, 24}, "Line width picker button",
            "<b>KwPenWidthButton</b>: a tool button whose menu offers the line widths given to setItems(); "
            "penWidthChanged() reports a pick. The entries shown in Designer are samples.",
            [](KwPenWidthButton *button) {
                button->setItems({1, 2, 3, 4});
                button->setPenWidth(1);
            }),
        entry<KwColorComboBox>(F::ChartTools, "charttools/kwcolorcombobox.h", {80, 24},
            "Colour combo box",
            "<b>KwColorComboBox</b>: a combo box whose face is a swatch of its color property; opening it "
            "opens the colour dialog."),
        entry<ColorControlWidget>(F::ChartTools, "charttools/colorcontrolwidget.h", {80, 24},
            "Colour field with a palette",
            "<b>ColorControlWidget</b>: a sample of the current colour and a button that pops the palette up; "
            "colorName(QString) reports the pick."),
        entry<LineControl>(F::ChartTools, "charttools/linecontrol.h", {100, 24},
            "Line width picker",
            "<b>LineControl</b>: a drop-down of line widths 1 to 4; setLineWidth(int) reports a pick."),
        entry<LineTypeControl>(F::ChartTools, "charttools/linecontrol.h", {100, 24},
            "Line style picker",
            "<b>LineTypeControl</b>: a drop-down of line styles; setLineStyle(Qt::PenStyle) reports a pick."),
        sampled<PenStyleToolButton>(F::ChartTools, "charttools/parasettingdialog.h",
            {100, 24}, "Indicator line width picker",
            "<b>PenStyleToolButton</b>: the line width picker of the indicator dialog, widths 1 to 3. Call "
            "setPenWidth() and then createWg() after setupUi().",
            [](PenStyleToolButton *button) {
                button->setPenWidth(1);
                button->createWg();
            }),
        entry<TypePanel>(F::ChartTools, "charttools/typepanel.h", {90, 26},
            "Bold, italic and underline toggles",
            "<b>TypePanel</b>: bold, italic and underline toggles, reported by boldBtnClicked(), "
            "tiltBtnClicked() and underlineBtnClicked()."),
        sampled<DrawLineTextPanel>(F::ChartTools, "charttools/drawlinetextpanel.h",
            {200, 20}, "Strip of short texts in their own fonts",
            "<b>DrawLineTextPanel</b>: short texts side by side, each in its own font and pen, added in code "
            "(addItem). The text shown in Designer is a sample.",
            [](DrawLineTextPanel *panel) {
                DrawLineTextItem item;
                item.font = panel->font();
                item.pen = QPen(panel->palette().color(QPalette::WindowText));
                item.text = QStringLiteral("MA5 10.25  MA10 10.31");
                item.key = QStringLiteral("sample");
                panel->addItem(item, true);
            }),

        // Small widgets
        entry<BellButton>(F::Widgets, "widgets/bellbutton.h", {24, 24},
            "Message bell",
            "<b>BellButton</b>: shows the bell, the lit bell, or blinks while unread messages wait "
            "(setStates); bellIcon and bellingIcon replace the pictures."),
        entry<KwResultHintPage>(F::Widgets, "widgets/kwresulthintpage.h", {300, 200},
            "Page shown for an empty result",
            "<b>KwResultHintPage</b>: a large icon button over a hint text (setHintString); buttonClicked() "
            "reports a click. The button's picture comes from the style sheet."),
        withText(entry<ActivityLabel>(F::Widgets, "widgets/activitylabel.h", {80, 20},
            "Label acting as a link",
            "<b>ActivityLabel</b>: a label that reports a left-button release as clicked()."), "Link"),
        entry<IntroductionButton>(F::Widgets, "widgets/introductionbutton.h", {300, 34},
            "One-line hint strip",
            "<b>IntroductionButton</b>: a one-line hint (setHintString); showIntroduction() is for the owner "
            "to emit."),
        sampled<ViewTipsPanel>(F::Widgets, "widgets/viewtipspanel.h", {300, 200},
            "Tips pages by type",
            "<b>ViewTipsPanel</b>: tips pages (icon button over a text) in a stack. Give the pages with "
            "setTipItems() and build them with createWg() after setupUi(); clickItem(int) reports a click. "
            "The page shown in Designer is a sample.",
            [](ViewTipsPanel *panel) {
                panel->setTipItems({{0, QStringLiteral("tipsButton"), QStringLiteral("tipsLabel"),
                                     QStringLiteral("Tips text")}},
                                   64, 64);
                panel->createWg();
            }),
        entry<KwPixLayer>(F::Widgets, "widgets/kwpixlayer.h", {200, 150},
            "Picture panel",
            "<b>KwPixLayer</b>: a background picture stretched over the panel with a top picture centred "
            "over it. A form makes it without pictures; construct it in code with the two picture paths "
            "for them."),
    };
}
// clang-format on

} // namespace

KwDesignerCollection::KwDesignerCollection(QObject *parent)
    : QObject(parent)
{
    for (KwDesignerWidgetInfo &info : libraryWidgets())
        m_widgets << new KwDesignerWidget(std::move(info), this);
}

QList<QDesignerCustomWidgetInterface *> KwDesignerCollection::customWidgets() const
{
    return m_widgets;
}
