#include "charttools/typepanel.h"

#include "charttools/pickertext.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {
// A one-letter toggle, square, with a bar in the highlight colour along its bottom while
// checked: a style sheet that paints buttons flat would otherwise hide the state.
class FaceToggle : public QPushButton
{
public:
    FaceToggle(const QString &letter, const QFont &face)
        : QPushButton(letter)
    {
        setCheckable(true);
        setFont(face);
    }

    QSize sizeHint() const override
    {
        ensurePolished();
        QStyleOptionButton option;
        initStyleOption(&option);
        // Sized around the letter alone: the style's minimum width for a text button would
        // make each toggle as wide as "确定".
        option.text.clear();
        const QFontMetrics metrics(font());
        const QSize letter(metrics.horizontalAdvance(text()), metrics.height());
        const QSize size = style()->sizeFromContents(QStyle::CT_PushButton, &option, letter, this);
        return size.expandedTo(QSize(size.height(), 0));
    }

    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        if (!isChecked())
            return;
        QPainter painter(this);
        const int bar = qMax(2, height() / 10);
        painter.fillRect(QRect(3, height() - bar - 2, width() - 6, bar), palette().color(QPalette::Highlight));
    }
};

// Only the three properties are set: family and size still come from the parent or a style
// sheet.
QFont letterFace(QFont::Weight weight, bool italic, bool underline)
{
    QFont face;
    face.setWeight(weight);
    face.setItalic(italic);
    face.setUnderline(underline);
    return face;
}

QPushButton *addToggle(QWidget *panel, const QString &objectName, const QString &letter, const QFont &face,
                       const QString &name)
{
    auto *button = new FaceToggle(letter, face);
    button->setObjectName(objectName);
    kwDescribe(button, name, name);
    panel->layout()->addWidget(button);
    return button;
}
} // namespace

TypePanel::TypePanel(QWidget *parent)
    : BaseWidget(parent, "")
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(1);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bold = addToggle(this, "bold", "B", letterFace(QFont::Bold, false, false), tr("粗体"));
    m_tilt = addToggle(this, "tilt", "I", letterFace(QFont::Normal, true, false), tr("斜体"));
    m_underline = addToggle(this, "underline", "U", letterFace(QFont::Normal, false, true), tr("下划线"));
    connect(m_bold, &QPushButton::clicked, this, &TypePanel::boldBtnClicked);
    connect(m_tilt, &QPushButton::clicked, this, &TypePanel::tiltBtnClicked);
    connect(m_underline, &QPushButton::clicked, this, &TypePanel::underlineBtnClicked);
}

void TypePanel::setBoldChecked(bool checked)
{
    m_bold->setChecked(checked);
}

void TypePanel::setTiltChecked(bool checked)
{
    m_tilt->setChecked(checked);
}

void TypePanel::setUnderlineChecked(bool checked)
{
    m_underline->setChecked(checked);
}
