#pragma once

#include <QPushButton>

class PopupTwinkleFrameDialog;
class QBoxLayout;
class QDialog;
class QVBoxLayout;

// The "确定" / "取消" pair the settings dialogs end with (object names "submit" and "cancel"),
// side by side with 8 pixels between them and the rest of the column left empty below.
// Returns the two buttons so the dialog connects them to its own handlers.
struct DialogButtons
{
    QPushButton *submit = nullptr;
    QPushButton *cancel = nullptr;
};

DialogButtons kwAddDialogButtons(QBoxLayout *column);

// The frame every chart-tool settings dialog (line, arrow, font) is built in: a close button
// alone on the title bar, `title` on the bar, and on the central widget one column named "body",
// 18 pixels in from the sides and the top, opening with `heading` and 10 pixels below it. The
// dialog adds its own rows to the column returned, then ends it with kwFinishSettingsBody().
QVBoxLayout *kwBeginSettingsBody(PopupTwinkleFrameDialog *dialog, const QString &title, const QString &heading);

// Ends a settings body with the confirm and cancel pair: cancel rejects `dialog`; the dialog
// connects the confirm button returned.
QPushButton *kwFinishSettingsBody(QDialog *dialog, QVBoxLayout *column);
