#pragma once

#include "kwcontrols_export.h"

#include <QMessageBox>

// One-call message boxes in the library's look. Each returns the pressed button's
// StandardButton value, or 0 when the box was closed without a button.
class KWCONTROLS_EXPORT MessageBox
{
public:
    static int showInformation(QWidget *parent, const QString &title, const QString &text,
                               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showQuestion(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showWarning(QWidget *parent, const QString &title, const QString &text,
                           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showError(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    // Without icon area.
    static int showAbout(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);

private:
    static int show(int style, QWidget *parent, const QString &title, const QString &text,
                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
};
