#pragma once

#include "kwcontrols_export.h"

#include <QIcon>
#include <QToolButton>

// The message bell: shows the bell, the lit bell, or blinks the lit bell every 500 ms while
// unread messages wait. Starts with the library's own bell pictures; the style sheet may
// replace them through the bellIcon and bellingIcon properties.
class KWCONTROLS_EXPORT BellButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QIcon bellIcon READ bellIcon WRITE setBellIcon DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QIcon bellingIcon READ bellingIcon WRITE setBellingIcon DESIGNABLE true SCRIPTABLE true STORED true)

public:
    enum State {
        Lit = 2,
        Blinking = 4,
    };

    explicit BellButton(QWidget *parent = nullptr);

    QIcon bellIcon() const;
    void setBellIcon(const QIcon &icon);
    QIcon bellingIcon() const;
    void setBellingIcon(const QIcon &icon);

    int states() const;
    void setStates(int states);
    // The user looked at the messages: the blinking stops, a lit bell stays lit.
    void openNewMessage();
    // While blinking, drops the bits of `flag` and applies the rest; otherwise nothing.
    void removeFlag(int flag);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void stopBlinking();

    int m_timerId = -1;
    int m_blinkCount = 0;
    int m_states = 0;
    QIcon m_bellIcon;
    QIcon m_bellingIcon;
};
