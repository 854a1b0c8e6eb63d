#pragma once

/// \file
/// FrameLessDialog: a dialog without system frame.

#include "window/basedialog.h"

class FramelessHelper;

/// A dialog without system frame, moved by its top 30 pixels and resized by its edges.
///
/// The constructor makes it frameless through FramelessHelper::makeFrameless(); subclasses adjust
/// the helper (title strip height, border width, rubber bands) through framelessHelper.
///
/// Ownership: as any QDialog; the helper is its child. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT FrameLessDialog : public BaseDialog
{
    Q_OBJECT

public:
    /// A frameless dialog under `parent` whose path on the bus is `name`.
    explicit FrameLessDialog(QWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the dialog, then destroys the dialog.
    ~FrameLessDialog() override;

protected:
    /// The helper that moves and resizes the dialog; a child of it.
    FramelessHelper *framelessHelper;
};
