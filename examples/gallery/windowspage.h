#pragma once
#include "gallerypage.h"

#include <QMessageBox>

#include <functional>

class QDialog;

// Every window and dialog kind of the library: frameless frame, popup window and dialog,
// twinkle dialogs, and the five message boxes with the button they return.
class WindowsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit WindowsPage(QWidget *parent);
    void showcase() override;

private:
    using BoxCall = int (*)(QWidget *, const QString &, const QString &, QMessageBox::StandardButtons,
                            QMessageBox::StandardButton);
    void addButton(int row, int column, const QString &text, const std::function<void()> &action);
    void openFrameWidget();
    void openPopupWindow();
    void openPopupDialog();
    void openTwinkleDialog();
    void openPopupTwinkleDialog();
    void showBox(const QString &kind, BoxCall call, QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton defaultButton);
    // Shows a top-level window centred over the gallery, and reports how a dialog ended.
    void present(QWidget *window);
    void reportOnFinish(QDialog *dialog, const QString &kind);

    class QGridLayout *m_grid;
};
