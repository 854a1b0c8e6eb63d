#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

// What Designer is told about one widget of the library, and how it is made.
struct KwDesignerWidgetInfo
{
    // The library's folders; each has an icon of its own in the widget box.
    enum Family { Navigation, Window, DataView, ChartTools, Widgets };

    QString className;
    // As a form's generated code includes it: relative to the installed include folder,
    // "navigation/csubtab.h" style.
    QString includeFile;
    Family family = Widgets;
    // The geometry a widget dropped on a form starts with.
    QSize size;
    QString toolTip;
    QString whatsThis;
    // Whether Designer may drop widgets on it and lay them out: only for plain frames.
    bool container = false;
    // Further <property> elements of the new widget, saved in the form as if set by hand.
    QString properties;
    std::function<QWidget *(QWidget *parent)> create;
};

// One entry of the widget box, entirely described by its info: every widget of the library
// goes through this class, so the rules for Designer live in one place.
class KwDesignerWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    KwDesignerWidget(KwDesignerWidgetInfo info, QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;

private:
    KwDesignerWidgetInfo m_info;
    bool m_initialized = false;
};
