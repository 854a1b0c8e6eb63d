#pragma once

#include "kwcontrols_export.h"

#include <QComboBox>
#include <QLineEdit>

// The read-only text field of CustomComboBox: a release anywhere on it is a click.
class KWCONTROLS_EXPORT QLineEditEx : public QLineEdit
{
    Q_OBJECT
public:
    explicit QLineEditEx(QWidget *parent = nullptr);

signals:
    void click();

protected:
    // Only reports: the field's own release handling (ending a text selection) has no use
    // in a field that nobody types into.
    void mouseReleaseEvent(QMouseEvent *e) override;
};

// A combo box that can show its current text in a read-only field; a click anywhere on the
// field opens the list, not only on the arrow.
class KWCONTROLS_EXPORT CustomComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CustomComboBox(QWidget *parent = nullptr, bool textField = false);

protected slots:
    void clickTextArea();
};
