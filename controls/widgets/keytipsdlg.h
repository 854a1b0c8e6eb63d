#pragma once

#include "window/popuptwinkleframedialog.h"

class KeyTipsMaster;

// The shortcut help window: a fixed-size twinkle popup with a close button over the two
// shortcut columns. Built complete by the constructor; the caller shows it.
class KWCONTROLS_EXPORT KeyTipsDlg : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit KeyTipsDlg(QWidget *parent = 0);

    KeyTipsMaster *getMaster() const;

private:
    KeyTipsMaster *master = nullptr;
};
