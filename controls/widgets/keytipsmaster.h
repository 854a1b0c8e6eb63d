#pragma once

#include "kwcontrols_export.h"

#include <QWidget>

class DrawKeyCanvas;
class QVBoxLayout;

namespace Ui {
class KeyTipsMaster;
}

// The body of the shortcut window: the common and the number shortcuts side by side in a
// scroll area, read from the shortcut file that the configuration names.
class KWCONTROLS_EXPORT KeyTipsMaster : public QWidget
{
    Q_OBJECT

public:
    explicit KeyTipsMaster(QWidget *parent = 0);
    ~KeyTipsMaster() override;

    DrawKeyCanvas *getCommonCanvas() const;
    DrawKeyCanvas *getNumberCanvas() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotJustScrollValue(int value);

private:
    QVBoxLayout *createColumn(DrawKeyCanvas *canvas);
    void loadShortcuts();

    Ui::KeyTipsMaster *ui;
    DrawKeyCanvas *commonCanvas = nullptr;
    DrawKeyCanvas *numberCanvas = nullptr;
};
