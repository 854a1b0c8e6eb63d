#pragma once

/// \file
/// KeyTipsMaster, the body of the shortcut window.

#include "kwcontrols_export.h"

#include <QWidget>

#include <memory>

class DrawKeyCanvas;
class QVBoxLayout;

namespace Ui {
class KeyTipsMaster;
}

/// The body of the shortcut window: the common and the number shortcuts side by side in a
/// scroll area, read from the shortcut file that the configuration names.
///
/// The file (Kwcfg::getShortCutCfgPath(), a regular file of at most 1 MiB) is read once, when
/// the body is made. It is a JSON object whose `keys` array holds `{"value": key text, "name":
/// what it does}` entries; a value of digits only (or empty) goes to the number column, any
/// other to the common one. When the file cannot be read or parsed, the common column says
/// so (无法读取快捷键文件). The wheel over either column scrolls the area.
///
/// The body keeps every key press but Escape, which goes on to the window around, so that
/// Enter typed while reading presses no button there. GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT KeyTipsMaster : public QWidget
{
    Q_OBJECT

public:
    /// Makes the body and reads the shortcut file.
    explicit KeyTipsMaster(QWidget *parent = 0);
    /// Deletes the body's generated form; the columns go with the body as its children.
    ~KeyTipsMaster() override;

    /// The column of common shortcuts (title "> 常用快捷键"); the body keeps it.
    DrawKeyCanvas *getCommonCanvas() const;
    /// The column of number shortcuts (title "> 数字快捷键"); the body keeps it.
    DrawKeyCanvas *getNumberCanvas() const;

protected:
    /// Lets Escape (without modifiers) go on to the window around and accepts every other key.
    void keyPressEvent(QKeyEvent *event) override;
    /// Paints the style sheet's background and border.
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotJustScrollValue(int value);

private:
    QVBoxLayout *createColumn(DrawKeyCanvas *canvas);
    void loadShortcuts();

    std::unique_ptr<Ui::KeyTipsMaster> ui;
    DrawKeyCanvas *commonCanvas = nullptr;
    DrawKeyCanvas *numberCanvas = nullptr;
};
