#include "gallerypage.h"

#include <QLabel>
#include <QVBoxLayout>

GalleryPage::GalleryPage(const QString &title, const QString &intro, QWidget *parent, const QString &name)
    : BaseWidget(parent, name)
    , m_title(title)
    , m_content(new QVBoxLayout)
    , m_result(new QLabel)
{
    setObjectName("galleryPage");
    auto *heading = new QLabel(title);
    heading->setObjectName("pageTitle");
    auto *introLabel = new QLabel(intro);
    introLabel->setObjectName("pageIntro");
    introLabel->setWordWrap(true);
    m_result->setObjectName("resultLine");
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_result->setText(tr("结果：尚无操作"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(introLabel);
    layout->addLayout(m_content, 1);
    layout->addWidget(m_result);
}

QString GalleryPage::title() const
{
    return m_title;
}

QString GalleryPage::resultText() const
{
    return m_result->text();
}

QVBoxLayout *GalleryPage::content()
{
    return m_content;
}

void GalleryPage::showResult(const QString &text)
{
    m_result->setText(tr("结果：") + text);
}
