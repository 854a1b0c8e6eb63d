#pragma once

#include "kwcontrols_export.h"
#include "bus/kwobject.h"

#include <QDialog>

// The root of the library's dialogs: a QDialog that also joins the message bus under `name`.
class KWCONTROLS_EXPORT BaseDialog : public QDialog, public KwObject
{
    Q_OBJECT

public:
    explicit BaseDialog(QWidget *parent = 0, QString name = "");
    ~BaseDialog() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
