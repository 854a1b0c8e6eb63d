#pragma once

#include <QPushButton>

class QBoxLayout;

// The "确定" / "取消" pair the settings dialogs end with (object names "submit" and "cancel"),
// side by side with 8 pixels between them and the rest of the column left empty below.
// Returns the two buttons so the dialog connects them to its own handlers.
struct DialogButtons
{
    QPushButton *submit = nullptr;
    QPushButton *cancel = nullptr;
};

DialogButtons kwAddDialogButtons(QBoxLayout *column);
