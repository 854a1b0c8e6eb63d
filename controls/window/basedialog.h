#pragma once

/// \file
/// BaseDialog: the root of the library's dialogs.

#include "kwcontrols_export.h"
#include "bus/kwobject.h"

#include <QDialog>

/// The root of the library's dialogs: a QDialog that also joins the message bus under `name`.
///
/// The name is the dialog's path on the bus (see KwObject); it is reached there once registered
/// with attachMessageBus() or setOwner(). Background, border and border-image rules of the style
/// sheet paint on subclasses too (see kwPaintStyleSheet()).
///
/// Ownership: as any QDialog, deleted by its Qt parent or its user; leaving the bus is part of
/// its destruction. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT BaseDialog : public QDialog, public KwObject
{
    Q_OBJECT

public:
    /// A dialog under `parent` whose path on the bus is `name`.
    explicit BaseDialog(QWidget *parent = 0, QString name = "");
    /// Destroys the dialog and takes it off the bus.
    ~BaseDialog() override;

protected:
    /// Paints the style sheet's background and border, then as QWidget does.
    void paintEvent(QPaintEvent *event) override;
};
