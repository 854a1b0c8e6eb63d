#pragma once

/// \file
/// TypePanel, the bold, italic and underline toggles of the font dialog.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QPushButton;

/// Bold, italic and underline toggles (object names "bold", "tilt", "underline"). Each shows
/// its letter in its own face, "B", "I" or "U", and marks its checked state itself, so the
/// panel reads without a style sheet; a style sheet may still give them another look.
///
/// The toggles are checkable push buttons, children of the panel; a click toggles the button
/// and is reported by the matching signal, which carries no state: the client keeps its own
/// flag or sets the state with the setters.
///
/// \code
/// auto *type = new TypePanel(dialog);
/// type->setBoldChecked(style.isBold);
/// connect(type, &TypePanel::boldBtnClicked, dialog, [&style] { style.isBold = !style.isBold; });
/// \endcode
///
/// The panel joins the message bus without a name. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT TypePanel : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes the panel with its three toggles unchecked.
    explicit TypePanel(QWidget *parent = 0);

    /// Checks or unchecks the bold toggle, without signal.
    void setBoldChecked(bool checked);
    /// Checks or unchecks the italic toggle, without signal.
    void setTiltChecked(bool checked);
    /// Checks or unchecks the underline toggle, without signal.
    void setUnderlineChecked(bool checked);

signals:
    /// Emitted when the user clicks the bold toggle (B), after it changed its checked state.
    void boldBtnClicked();
    /// Emitted when the user clicks the italic toggle (I), after it changed its checked state.
    void tiltBtnClicked();
    /// Emitted when the user clicks the underline toggle (U), after it changed its checked
    /// state.
    void underlineBtnClicked();

private:
    QPushButton *m_bold;
    QPushButton *m_tilt;
    QPushButton *m_underline;
};
