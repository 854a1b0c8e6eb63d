#include "widgets/keytipsmaster.h"

#include "controlslog_p.h"
#include "ui_keytipsmaster.h"

#include "kwcfg.h"
#include "navigation/kwline.h"
#include "regularfile.h"
#include "window/basewidget.h"
#include "widgets/drawkeycanvas.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSpacerItem>

#include <algorithm>

namespace {
// Number shortcuts are typed on the digit keys alone; an empty value counts as one of them.
bool isDigitsOnly(const QString &value)
{
    const QByteArray latin = value.toLatin1();
    return std::all_of(latin.cbegin(), latin.cend(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

KeyTipsMaster::KeyTipsMaster(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::KeyTipsMaster>())
{
    ui->setupUi(this);
    setFocus(Qt::OtherFocusReason);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);

    commonCanvas = new DrawKeyCanvas;
    numberCanvas = new DrawKeyCanvas;

    auto *frame = new QFrame;
    auto *columns = new QHBoxLayout(frame);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addLayout(createColumn(commonCanvas));
    auto *line = new KwLine(Qt::Vertical, this, "");
    line->setFixedHeight(312);
    line->setObjectName("style_line1");
    columns->addWidget(line, 0, Qt::AlignCenter);
    columns->addLayout(createColumn(numberCanvas));
    ui->verticalLayout->addWidget(frame);

    commonCanvas->setTitle(tr("> 常用快捷键"));
    numberCanvas->setTitle(tr("> 数字快捷键"));
    connect(commonCanvas, &DrawKeyCanvas::signalJustScrollValue, this, &KeyTipsMaster::slotJustScrollValue);
    // The number column is usually the longer one: wheeling over it must scroll as well.
    connect(numberCanvas, &DrawKeyCanvas::signalJustScrollValue, this, &KeyTipsMaster::slotJustScrollValue);

    loadShortcuts();
}

// Defined here, where the form is a complete type.
KeyTipsMaster::~KeyTipsMaster() = default;

DrawKeyCanvas *KeyTipsMaster::getCommonCanvas() const
{
    return commonCanvas;
}

DrawKeyCanvas *KeyTipsMaster::getNumberCanvas() const
{
    return numberCanvas;
}

QVBoxLayout *KeyTipsMaster::createColumn(DrawKeyCanvas *canvas)
{
    auto *column = new QVBoxLayout;
    column->addWidget(canvas);
    column->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Expanding));
    return column;
}

void KeyTipsMaster::loadShortcuts()
{
    QList<DrawKeyCanvas::KeyItem> common;
    QList<DrawKeyCanvas::KeyItem> numbers;
    QString notice;

    // A shortcut list is a few kilobytes; a FIFO or a device put in its place must not block
    // or flood the client at start.
    constexpr qint64 MaxShortcutFileBytes = 1 << 20;
    QByteArray content;
    QString why;
    if (!readRegularFile(Kwcfg::getInstance()->getShortCutCfgPath(), MaxShortcutFileBytes, &content, &why)) {
        qCDebug(lcControls) << "file open failed..." << why;
        notice = tr("无法读取快捷键文件");
    } else {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(content, &error);
        if (error.error != QJsonParseError::NoError) {
            qCDebug(lcControls) << "shortcut file parse failed..." << error.errorString();
            notice = tr("无法读取快捷键文件");
        }
        const QJsonArray keys = document.object().value("keys").toArray();
        for (const QJsonValue &key : keys) {
            const QJsonObject entry = key.toObject();
            const DrawKeyCanvas::KeyItem item(entry.value("value").toString(),
                                              Kwcfg::displayText(entry.value("name").toString()));
            (isDigitsOnly(item.first) ? numbers : common).append(item);
        }
    }

    commonCanvas->setNotice(notice);
    commonCanvas->setItems(common);
    numberCanvas->setItems(numbers);
}

void KeyTipsMaster::slotJustScrollValue(int value)
{
    QScrollBar *bar = ui->scrollArea->verticalScrollBar();
    bar->setValue(bar->value() + value);
}

void KeyTipsMaster::keyPressEvent(QKeyEvent *event)
{
    qCDebug(lcControls) << "KeyTipsMaster::keyPressEvent" << event->key();
    // Escape goes on to the window around, which closes as a tool window is expected to; every
    // other key stays here, so Enter typed while reading presses no button of that window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    event->accept();
}

void KeyTipsMaster::paintEvent(QPaintEvent *)
{
    kwPaintStyleSheet(this);
}
