// The Designer plugin loaded from its file, as Designer loads it: every widget the library
// offers for forms is there, described so that a form's generated code compiles against the
// installed headers, and can be made, shown and deleted in a form.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QFile>
#include <QMap>
#include <QPluginLoader>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Listed here, not read from the plugin, so a widget dropped from the plugin fails.
const QMap<QString, QString> expectedWidgets = {
        {"CSubTab", "navigation/csubtab.h"},
        {"CSubTabPeriod", "navigation/csubtab.h"},
        {"CSubTabSecondBar", "navigation/csubtab.h"},
        {"CSubTabThirdBar", "navigation/csubtab.h"},
        {"NavigatorBar", "navigation/navigatorbar.h"},
        {"SideBar", "navigation/sidebar.h"},
        {"StatusBar", "navigation/statusbar.h"},
        {"BaseStackWidget", "navigation/basestackwidget.h"},
        {"ScrollWidget", "navigation/scrollwidget.h"},
        {"SuoLueBorderWidget", "navigation/suolueborderwidget.h"},
        {"SuolueWidget", "navigation/suolueborderwidget.h"},
        {"KwLine", "navigation/kwline.h"},
        {"TitleBar", "window/titlebar.h"},
        {"WindowControlBox", "window/windowcontrolbox.h"},
        {"FrozenColTableView", "dataview/frozencoltableview.h"},
        {"FrozenTableView", "dataview/frozentableview.h"},
        {"KwIconCbx", "dataview/kwiconcbx.h"},
        {"CustomComboBox", "dataview/customcombobox.h"},
        {"QLineEditEx", "dataview/customcombobox.h"},
        {"KwColorToolButton", "charttools/kwcolortoolbutton.h"},
        {"KwPenStyleButton", "charttools/kwpentoolbutton.h"},
        {"KwPenWidthButton", "charttools/kwpentoolbutton.h"},
        {"KwColorComboBox", "charttools/kwcolorcombobox.h"},
        {"ColorControlWidget", "charttools/colorcontrolwidget.h"},
        {"LineControl", "charttools/linecontrol.h"},
        {"LineTypeControl", "charttools/linecontrol.h"},
        {"PenStyleToolButton", "charttools/parasettingdialog.h"},
        {"TypePanel", "charttools/typepanel.h"},
        {"DrawLineTextPanel", "charttools/drawlinetextpanel.h"},
        {"BellButton", "widgets/bellbutton.h"},
        {"KwResultHintPage", "widgets/kwresulthintpage.h"},
        {"ActivityLabel", "widgets/activitylabel.h"},
        {"IntroductionButton", "widgets/introductionbutton.h"},
        {"ViewTipsPanel", "widgets/viewtipspanel.h"},
        {"KwPixLayer", "widgets/kwpixlayer.h"},
};

// The class and the starting geometry of the form widget that domXml describes.
struct DomWidget
{
    QString className;
    QString objectName;
    QSize size;
    QString text; // the "text" property the form starts with, if any
};

DomWidget readDomXml(const QString &xml, QString *error)
{
    DomWidget dom;
    QXmlStreamReader reader(xml);
    QString property;
    QString field;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("widget") && dom.className.isEmpty()) {
                dom.className = reader.attributes().value("class").toString();
                dom.objectName = reader.attributes().value("name").toString();
            } else if (name == QLatin1String("property")) {
                property = reader.attributes().value("name").toString();
            } else if (property == QLatin1String("geometry") &&
                       (name == QLatin1String("width") || name == QLatin1String("height"))) {
                const int value = reader.readElementText().toInt();
                if (name == QLatin1String("width"))
                    dom.size.setWidth(value);
                else
                    dom.size.setHeight(value);
            } else if (property == QLatin1String("text") && name == QLatin1String("string")) {
                dom.text = reader.readElementText();
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1String("property")) {
            property.clear();
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return dom;
}

} // namespace

class TstDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersExactlyTheLibraryWidgets();
    void describesWidget_data();
    void describesWidget();
    void makesWidget_data();
    void makesWidget();
    void leavesTheWebEngineOut();
    void startingText_data();
    void startingText();

private:
    void widgetRows();

    QPluginLoader m_loader{QStringLiteral(KW_DESIGNER_PLUGIN)};
    QMap<QString, QDesignerCustomWidgetInterface *> m_offered;
    QStringList m_offeredNames;
};

void TstDesignerPlugin::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    QCOMPARE(m_loader.metaData().value("IID").toString(),
             QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
    QVERIFY(collection);
    for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
        m_offeredNames << widget->name();
        m_offered.insert(widget->name(), widget);
    }
}

// Nothing missing, nothing twice (Designer would keep one of two entries of a name), nothing
// that nobody listed.
void TstDesignerPlugin::offersExactlyTheLibraryWidgets()
{
    QStringList offered = m_offeredNames;
    offered.sort();
    QCOMPARE(offered, expectedWidgets.keys());
}

void TstDesignerPlugin::widgetRows()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("includeFile");
    for (auto it = expectedWidgets.cbegin(); it != expectedWidgets.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TstDesignerPlugin::describesWidget_data()
{
    widgetRows();
}

// What the widget box shows and what the generated code includes: the installed header that
// declares the class, written as consumers include it.
void TstDesignerPlugin::describesWidget()
{
    QFETCH(QString, className);
    QFETCH(QString, includeFile);
    QDesignerCustomWidgetInterface *widget = m_offered.value(className);
    QVERIFY2(widget, "not offered");

    QCOMPARE(widget->group(), QStringLiteral("KwControls"));
    QCOMPARE(widget->includeFile(), includeFile);
    const QStringList installed = QStringLiteral(KW_INSTALLED_HEADERS).split(',');
    QVERIFY2(installed.contains(includeFile), "the include file is not installed");
    QFile header(QStringLiteral(KW_CONTROLS_SOURCE_DIR "/") + includeFile);
    QVERIFY(header.open(QIODevice::ReadOnly));
    const QRegularExpression declaration(QStringLiteral("class KWCONTROLS_EXPORT %1\\b").arg(className));
    QVERIFY2(declaration.match(QString::fromUtf8(header.readAll())).hasMatch(),
             "the include file does not declare the class");

    QVERIFY(!widget->toolTip().isEmpty());
    QVERIFY(!widget->whatsThis().isEmpty());
    QVERIFY(!widget->icon().isNull());

    QString error;
    const DomWidget dom = readDomXml(widget->domXml(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(dom.className, className);
    QVERIFY(!dom.objectName.isEmpty());
    QVERIFY2(!dom.size.isEmpty(), "no default geometry");
}

void TstDesignerPlugin::makesWidget_data()
{
    widgetRows();
}

// Made in a form as Designer makes it, given the default geometry, shown and deleted. The class
// must be the one named (a class without its own meta-object would come back as its base), and
// the default geometry must be one the widget accepts, or Designer's first frame of it lies.
void TstDesignerPlugin::makesWidget()
{
    QFETCH(QString, className);
    QDesignerCustomWidgetInterface *widget = m_offered.value(className);
    QVERIFY2(widget, "not offered");
    QString error;
    const QSize size = readDomXml(widget->domXml(), &error).size;

    QWidget form;
    form.resize(size + QSize(40, 40));
    QPointer<QWidget> made = widget->createWidget(&form);
    QVERIFY(made);
    QCOMPARE(QString::fromLatin1(made->metaObject()->className()), className);
    QCOMPARE(made->parentWidget(), &form);
    made->setGeometry(QRect(QPoint(20, 20), size));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(made->isVisible());
    QCOMPARE(made->size(), size);
    // A widget laid out by its own content asks a layout for room (its hint within its limits,
    // as a layout reads it); a bare frame may leave its size to the form.
    const QSize asked = made->sizeHint().expandedTo(made->minimumSize()).boundedTo(made->maximumSize());
    if (made->layout() || made->sizeHint().isValid())
        QVERIFY2(!asked.isEmpty(),
                 qPrintable(QStringLiteral("asks for %1 x %2").arg(asked.width()).arg(asked.height())));
    delete made;
    QVERIFY(form.children().isEmpty());
}

// Designer loads the plugin into its own process: the web engine must stay out of it.
void TstDesignerPlugin::leavesTheWebEngineOut()
{
#ifdef Q_OS_LINUX
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(mapped.contains("kwcontrolsdesigner"));
    QVERIFY2(!mapped.contains("WebEngine"), "the plugin brought the web engine in");
#else
    QSKIP("reads the process's mapped libraries from /proc");
#endif
}

void TstDesignerPlugin::startingText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("check box") << "KwIconCbx"
                               << "CheckBox";
    QTest::newRow("link label") << "ActivityLabel"
                                << "Link";
    QTest::newRow("tab bar") << "CSubTab" << QString();
}

// A check box or label dropped on a form starts with a word, so it is not an empty box; the
// description must stay well-formed with that property in it.
void TstDesignerPlugin::startingText()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QDesignerCustomWidgetInterface *widget = m_offered.value(name);
    QVERIFY(widget);
    QString error;
    const DomWidget dom = readDomXml(widget->domXml(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(dom.className, name);
    QCOMPARE(dom.text, text);
}

QTEST_MAIN(TstDesignerPlugin)
#include "tst_designerplugin.moc"
