#pragma once

/// \file
/// CustomComboBox, a combo box whose read-only text field opens the list, and its field QLineEditEx.

#include "kwcontrols_export.h"

#include <QComboBox>
#include <QLineEdit>

/// The read-only text field of CustomComboBox: a mouse release anywhere on it is a click.
///
/// Any line edit that should report clicks instead of handling the mouse may use it. GUI
/// thread only.
/// \ingroup dataview
class KWCONTROLS_EXPORT QLineEditEx : public QLineEdit
{
    Q_OBJECT
public:
    /// Makes an empty field.
    explicit QLineEditEx(QWidget *parent = nullptr);

signals:
    /// Emitted when a mouse button is released over the field, whichever button it is.
    void click();

protected:
    /// Emits click() and nothing else.
    ///
    /// Only reports: the field's own release handling (ending a text selection) has no use
    /// in a field that nobody types into.
    void mouseReleaseEvent(QMouseEvent *e) override;
};

/// A combo box that can show its current text in a read-only field; a click anywhere on the
/// field opens the list, not only on the arrow.
///
/// Without the field it is a plain QComboBox. With it, the box is editable but its field, a
/// QLineEditEx that the box owns, is read-only.
///
/// \code
/// auto *box = new CustomComboBox(parent, true);
/// box->addItems({"1 minute", "5 minutes", "Day"});
/// \endcode
///
/// GUI thread only.
/// \ingroup dataview
class KWCONTROLS_EXPORT CustomComboBox : public QComboBox
{
    Q_OBJECT
public:
    /// Makes an empty box; with `textField` true its text shows in a read-only QLineEditEx.
    explicit CustomComboBox(QWidget *parent = nullptr, bool textField = false);

protected slots:
    /// Opens the list; called when the text field is clicked.
    void clickTextArea();
};
