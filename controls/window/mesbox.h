#pragma once

#include "window/popuptwinkleframedialog.h"

#include <QDialog>
#include <QMessageBox>

class MsgView;

// The library's message box: a twinkling popup with a close-only title bar around a MsgView.
// exec() returns the pressed button's StandardButton value, 0 when closed without one.
class KWCONTROLS_EXPORT MesBox : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    // The kinds of box, by their icon; About shows none.
    enum Style : int {
        About = 0,
        Information = 1,
        Question = 2,
        Warning = 3,
        Error = 4,
    };

    MesBox(QWidget *parent = 0, const QString &title = tr("Tip"), const QString &text = "",
           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
           QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

    // A Style from Information to Error shows its icon; anything else hides the icon area.
    void setStyle(int style);

public slots:
    void onButtonClicked(int nRet);

private:
    MsgView *msgView;
};
