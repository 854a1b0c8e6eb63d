#pragma once

/// \file
/// BellButton, the message bell that lights up and blinks.

#include "kwcontrols_export.h"

#include <QIcon>
#include <QToolButton>

/// The message bell: shows the bell, the lit bell, or blinks the lit bell every 500 ms while
/// unread messages wait. Starts with the library's own bell pictures; the style sheet may
/// replace them through the bellIcon and bellingIcon properties.
///
/// The state is a combination of State flags set with setStates(): none shows the bell, Lit
/// the lit bell, Blinking alternates the lit bell with no picture. The button has the tooltip
/// and accessible name 消息提醒; clicks are the QToolButton's own.
///
/// \code
/// auto *bell = new BellButton(toolbar);
/// bell->setStates(BellButton::Lit | BellButton::Blinking);   // messages arrived
/// connect(bell, &QToolButton::clicked, bell, [bell] { bell->openNewMessage(); showMessages(); });
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT BellButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QIcon bellIcon READ bellIcon WRITE setBellIcon DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QIcon bellingIcon READ bellingIcon WRITE setBellingIcon DESIGNABLE true SCRIPTABLE true STORED true)

public:
    /// The flags of the bell's state, combined with `|` in setStates().
    enum State {
        Lit = 2,
        Blinking = 4,
    };
    /// \var Lit
    /// Shows the lit bell (bellingIcon()).
    /// \var Blinking
    /// Blinks the lit bell: every 500 ms it alternates with no picture. Takes precedence
    /// over Lit.

    /// Makes a bell in no state, with the library's bell pictures.
    explicit BellButton(QWidget *parent = nullptr);

    /// The picture of the bell at rest (the `bellIcon` property).
    QIcon bellIcon() const;
    /// Sets the picture of the bell at rest and shows it at once, whatever the state.
    void setBellIcon(const QIcon &icon);
    /// The picture of the lit bell (the `bellingIcon` property).
    QIcon bellingIcon() const;
    /// Sets the picture of the lit bell; it shows at the next change of state or blink.
    void setBellingIcon(const QIcon &icon);

    /// The state flags last set (see State), 0 at first.
    int states() const;
    /// Sets the state flags and shows them: blinking starts or stops, the bell lights or not.
    void setStates(int states);
    /// The user looked at the messages: the blinking stops, a lit bell stays lit.
    ///
    /// Does nothing when the bell is not blinking.
    void openNewMessage();
    /// While blinking, drops the bits of `flag` and applies the rest; otherwise nothing.
    void removeFlag(int flag);

protected:
    /// Shows the next picture of the blinking; other timers go to QToolButton.
    void timerEvent(QTimerEvent *event) override;

private:
    void stopBlinking();

    int m_timerId = -1;
    int m_blinkCount = 0;
    int m_states = 0;
    QIcon m_bellIcon;
    QIcon m_bellingIcon;
};
