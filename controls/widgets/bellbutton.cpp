#include "widgets/bellbutton.h"

#include <QTimerEvent>

BellButton::BellButton(QWidget *parent)
    : QToolButton(parent)
    , m_bellingIcon(QStringLiteral(":/widgets/belling.png"))
{
    setBellIcon(QIcon(QStringLiteral(":/widgets/bell.png")));
    // A picture only: its words are for tooltips and screen readers.
    setToolTip(tr("消息提醒"));
    setAccessibleName(tr("消息提醒"));
}

QIcon BellButton::bellIcon() const
{
    return m_bellIcon;
}

void BellButton::setBellIcon(const QIcon &icon)
{
    m_bellIcon = icon;
    setIcon(m_bellIcon);
}

QIcon BellButton::bellingIcon() const
{
    return m_bellingIcon;
}

void BellButton::setBellingIcon(const QIcon &icon)
{
    m_bellingIcon = icon;
}

int BellButton::states() const
{
    return m_states;
}

void BellButton::setStates(int states)
{
    m_states = states;
    if (m_states & Blinking) {
        setIcon(m_bellingIcon);
        // One timer at a time: a second start must not leave the first one firing unheard.
        stopBlinking();
        m_timerId = startTimer(500, Qt::CoarseTimer);
    } else {
        stopBlinking();
        setIcon((m_states & Lit) ? m_bellingIcon : m_bellIcon);
    }
}

void BellButton::openNewMessage()
{
    if (m_states & Blinking)
        setStates(m_states & ~Blinking);
}

void BellButton::removeFlag(int flag)
{
    if (m_states & Blinking)
        setStates(m_states & ~flag);
}

void BellButton::stopBlinking()
{
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = -1;
    }
}

void BellButton::timerEvent(QTimerEvent *event)
{
    // The button's own timers (auto-repeat, menu delay) belong to the base class.
    if (event->timerId() != m_timerId) {
        QToolButton::timerEvent(event);
        return;
    }
    setIcon(m_blinkCount % 2 == 0 ? QIcon() : m_bellingIcon);
    ++m_blinkCount;
}
