#pragma once

/// \file
/// KeyTipsDlg, the shortcut help window.

#include "window/popuptwinkleframedialog.h"

class KeyTipsMaster;

/// The shortcut help window: a fixed-size twinkle popup with a close button over the two
/// shortcut columns. Built complete by the constructor; the caller shows it.
///
/// The window is 672 x 338 pixels, titled 快捷键提示; its body is a KeyTipsMaster, which reads
/// the shortcut file when the window is made. Escape closes it.
///
/// \code
/// auto *tips = new KeyTipsDlg(mainWindow);
/// tips->setAttribute(Qt::WA_DeleteOnClose);
/// tips->show();
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT KeyTipsDlg : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes the complete window, with the shortcuts read.
    explicit KeyTipsDlg(QWidget *parent = 0);

    /// The window's body; the window keeps it.
    KeyTipsMaster *getMaster() const;

private:
    KeyTipsMaster *master = nullptr;
};
