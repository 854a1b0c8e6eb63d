#include "charttools/fontpropertydlg.h"

#include "controlslog_p.h"
#include "charttools/dialogbuttons_p.h"

#include "charttools/colorcontrolwidget.h"
#include "window/titlebar.h"

#include <QComboBox>
#include <QDebug>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

FontPropertyDlg::FontPropertyDlg(QWidget *parent)
    : PopupTwinkleFrameDialog(parent, "")
{
    qRegisterMetaType<FontStyle>("FontStyle");
    createWg();
}

void FontPropertyDlg::createWg()
{
    QVBoxLayout *column = kwBeginSettingsBody(this, tr("参数设置"), tr("文字属性配置"));
    createRows(column);
    connect(kwFinishSettingsBody(this, column), &QPushButton::clicked, this, &FontPropertyDlg::onSubmitClicked);
    initCombox();
    connectEdits();
}

namespace {
QHBoxLayout *rowLayout()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addSpacing(2);
    return row;
}
} // namespace

void FontPropertyDlg::createRows(QVBoxLayout *layout)
{
    m_textEdit = new QTextEdit;
    m_fontBox = new QComboBox;
    m_fontBox->setObjectName("fontbox");
    m_sizeBox = new QComboBox;
    m_sizeBox->setObjectName("sizebox");
    m_typePanel = new TypePanel;
    m_colorControl = new ColorControlWidget;

    layout->addWidget(m_textEdit);
    layout->addSpacing(6);

    QHBoxLayout *first = rowLayout();
    first->addWidget(new QLabel(tr("字体:")));
    first->addSpacing(9);
    first->addWidget(m_fontBox);
    first->addSpacing(18);
    first->addWidget(new QLabel(tr("颜色:")));
    first->addWidget(m_colorControl);
    layout->addLayout(first);
    layout->addSpacing(3);

    QHBoxLayout *second = rowLayout();
    second->addWidget(new QLabel(tr("大小:")));
    second->addSpacing(12);
    second->addWidget(m_sizeBox);
    second->addSpacing(18);
    second->addWidget(m_typePanel);
    second->addStretch();
    layout->addLayout(second);
    layout->addSpacing(7);
}

void FontPropertyDlg::initCombox()
{
    m_fontBox->addItems(QFontDatabase().families());
    m_fontBox->setCurrentText("宋体");
    for (int size : QFontDatabase::standardSizes())
        m_sizeBox->addItem(QString::number(size));
    m_sizeBox->setCurrentText("11");
}

void FontPropertyDlg::connectEdits()
{
    connect(m_textEdit, &QTextEdit::textChanged, this, [this] {
        m_fontStyle.strText = m_textEdit->toPlainText();
        qCDebug(lcControls) << m_fontStyle.strText;
    });
    connect(m_fontBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { m_fontStyle.strFamily = text; });
    connect(m_sizeBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { m_fontStyle.pointSize = text.toInt(nullptr, 10); });
    connect(m_colorControl, &ColorControlWidget::colorName, this, &FontPropertyDlg::onColorChanged);
    // The flags follow the clicks, not the buttons' checked state.
    connect(m_typePanel, &TypePanel::boldBtnClicked, this, [this] { m_fontStyle.isBold = !m_fontStyle.isBold; });
    connect(m_typePanel, &TypePanel::tiltBtnClicked, this, [this] { m_fontStyle.istilt = !m_fontStyle.istilt; });
    connect(m_typePanel, &TypePanel::underlineBtnClicked, this,
            [this] { m_fontStyle.isUnderLine = !m_fontStyle.isUnderLine; });
}

void FontPropertyDlg::init(const FontStyle &style)
{
    m_fontStyle = style;
    m_colorControl->setColor(style.strColor);
    m_textEdit->setStyleSheet("color:" + style.strColor);
    m_textEdit->setPlainText(style.strText);
    m_fontBox->setCurrentText(style.strFamily);
    m_sizeBox->setCurrentText(QString::number(style.pointSize));
    m_typePanel->setBoldChecked(style.isBold);
    m_typePanel->setTiltChecked(style.istilt);
    m_typePanel->setUnderlineChecked(style.isUnderLine);
}

FontStyle FontPropertyDlg::fontStyle() const
{
    return m_fontStyle;
}

void FontPropertyDlg::onColorChanged(const QString &strClr)
{
    m_fontStyle.strColor = strClr;
    m_textEdit->setStyleSheet("color:" + strClr);
}

void FontPropertyDlg::onSubmitClicked()
{
    accept();
    emit styleChanged(m_fontStyle);
    qCDebug(lcControls) << "m_fontStyle.isBold = " << m_fontStyle.isBold;
    qCDebug(lcControls) << "m_fontStyle.istilt = " << m_fontStyle.istilt;
    qCDebug(lcControls) << "m_fontStyle.isUnderLine = " << m_fontStyle.isUnderLine;
    qCDebug(lcControls) << "m_fontStyle.pointSize = " << m_fontStyle.pointSize;
    qCDebug(lcControls) << "m_fontStyle.strFamily = " << m_fontStyle.strFamily;
    qCDebug(lcControls) << "m_fontStyle.strText = " << m_fontStyle.strText;
    qCDebug(lcControls) << "m_fontStyle.strColor = " << m_fontStyle.strColor;
}
