#include "dataview/customcombobox.h"

QLineEditEx::QLineEditEx(QWidget *parent)
    : QLineEdit(parent)
{
}

void QLineEditEx::mouseReleaseEvent(QMouseEvent *)
{
    emit click();
}

CustomComboBox::CustomComboBox(QWidget *parent, bool textField)
    : QComboBox(parent)
{
    if (!textField)
        return;
    auto *field = new QLineEditEx(this);
    field->setReadOnly(true);
    setLineEdit(field);
    setDuplicatesEnabled(false);
    connect(field, &QLineEditEx::click, this, &CustomComboBox::clickTextArea);
}

void CustomComboBox::clickTextArea()
{
    showPopup();
}
