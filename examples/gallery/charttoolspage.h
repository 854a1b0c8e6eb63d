#pragma once
#include "gallerypage.h"

#include <QPen>
#include <QPointer>

class CrossInfoDlg;
class DrawLineTextPanel;
class QDialog;
class QGridLayout;

// The drawing tools: colour and pen buttons inline, every settings dialog one click away, and
// a text panel that shows what each tool and dialog gave back.
class ChartToolsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ChartToolsPage(QWidget *parent);
    void showcase() override;

private:
    QWidget *createButtons();
    QWidget *createDialogButtons();
    void openCustomColor();
    void openLineSetting();
    void openArrowSetting();
    void openFontProperty();
    void openParaSetting();
    // Opens the crosshair box beside the button, or closes it when it is open: the box has no
    // title bar of its own.
    void openCrossInfo();
    // Opens a dialog without a modal loop, beside the gallery's window centre.
    void present(QDialog *dialog);
    // Shows one result as a piece of the text panel, drawn in the pen it describes. The oldest
    // pieces make way when the row would run past the panel.
    void note(const QString &key, const QString &text, const QPen &pen = QPen(QColor("#cfd8e3")));

    DrawLineTextPanel *m_panel;
    QStringList m_noteKeys;
    QPointer<CrossInfoDlg> m_crossInfo;
};
