#pragma once
#include "gallerypage.h"

#include <QPen>

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
    void openCrossInfo();
    // Opens a dialog without a modal loop, beside the gallery's window centre.
    void present(QDialog *dialog);
    // Shows one result as a piece of the text panel, drawn in the pen it describes.
    void note(const QString &key, const QString &text, const QPen &pen = QPen(QColor("#cfd8e3")));

    DrawLineTextPanel *m_panel;
};
