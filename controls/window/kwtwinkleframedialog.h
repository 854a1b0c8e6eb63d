#pragma once

/// \file
/// KwTwinkleFrameDialog: a twinkle dialog that moves, resizes and holds a central widget.

#include "window/kwtwinklebasedialog.h"

class FramelessHelper;

/// A twinkle dialog ready to use: movable by its top 30 pixels, resizable by its edges, with a
/// central widget inside the ring for the content.
///
/// \code
/// KwTwinkleFrameDialog dialog(parent);
/// auto *layout = new QVBoxLayout(dialog.centralWidget());
/// layout->addWidget(new QLabel("..."));
/// dialog.exec();
/// \endcode
///
/// Its path on the message bus is "KwTwinkleFrameDialog". Ownership: as any QDialog; the central
/// widget and the helper are its children. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT KwTwinkleFrameDialog : public KwTwinkleBaseDialog
{
    Q_OBJECT

public:
    /// A dialog under `parent`, with its helper and an empty central widget.
    explicit KwTwinkleFrameDialog(QWidget *parent = 0);
    /// Takes the frameless helper off the dialog, then destroys the dialog.
    ~KwTwinkleFrameDialog() override;

    /// The widget inside the ring (1 pixel in from the edges) that takes the content; a child of
    /// the dialog, without layout.
    QWidget *centralWidget();
    /// The helper that moves and resizes the dialog, for adjusting it; a child of the dialog.
    FramelessHelper *framelessHelper();

private:
    FramelessHelper *m_framelessHelper;
    QWidget *m_centralWidget;
};
