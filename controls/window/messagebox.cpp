#include "window/messagebox.h"

#include "window/mesbox.h"

int MessageBox::show(int style, QWidget *parent, const QString &title, const QString &text,
                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    MesBox box(parent, title, text, buttons, defaultButton);
    box.setStyle(style);
    return box.exec();
}

int MessageBox::showInformation(QWidget *parent, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(MesBox::Information, parent, title, text, buttons, defaultButton);
}

int MessageBox::showQuestion(QWidget *parent, const QString &title, const QString &text,
                             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(MesBox::Question, parent, title, text, buttons, defaultButton);
}

int MessageBox::showWarning(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(MesBox::Warning, parent, title, text, buttons, defaultButton);
}

int MessageBox::showError(QWidget *parent, const QString &title, const QString &text,
                          QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(MesBox::Error, parent, title, text, buttons, defaultButton);
}

int MessageBox::showAbout(QWidget *parent, const QString &title, const QString &text,
                          QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(MesBox::About, parent, title, text, buttons, defaultButton);
}
