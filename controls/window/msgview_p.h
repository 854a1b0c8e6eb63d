#pragma once

#include <QDialog>
#include <QMessageBox>

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;

// The white panel of a message box: icon, text and the standard buttons labelled in the
// library's words (Chinese, or the installed catalogue's).
class MsgView : public QDialog
{
    Q_OBJECT

public:
    MsgView(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton);

    QPushButton *iconButton;
    QDialogButtonBox *buttonBox;

signals:
    void btnClicked(int nRet);

public slots:
    void onButtonClicked(QAbstractButton *button);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void labelButtons();

    QPushButton *m_defaultButton = nullptr; // a child, or null when none was given
};
