#pragma once

/// \file
/// LineSettingDialog and ArrowSettingDialog, with the records they edit.

#include "kwcontrols_export.h"
#include "window/popuptwinkleframedialog.h"

#include <QMetaType>
#include <QString>

class ColorControlWidget;
class LineControl;
class LineTypeControl;
class QPushButton;

/// The look of a drawn line. A fresh dialog starts with pen style 0 (Qt::NoPen), so a caller
/// that skips initData gets no visible line rather than a guessed one.
/// \ingroup charttools
struct KWCONTROLS_EXPORT LineSetting
{
    /// The line's colour, a QColor::name() text; empty for none chosen.
    QString strColor;
    /// The line's width in pixels (1 to 4 in the dialog).
    int nWidth = 1;
    /// The line's style (Qt::SolidLine to Qt::DashDotDotLine in the dialog).
    Qt::PenStyle penStyle = Qt::NoPen;
};

/// The look of an indicator arrow.
/// \ingroup charttools
struct KWCONTROLS_EXPORT ArrowSetting
{
    /// The arrow's colour, a QColor::name() text; empty for none chosen.
    QString strColor;
    /// The arrow's line width in pixels (1 to 4 in the dialog).
    int nWidth = 1;
};

Q_DECLARE_METATYPE(LineSetting)
Q_DECLARE_METATYPE(ArrowSetting)

/// Edits colour, style and width of a drawn line; publishes the record on confirmation only.
///
/// The dialog (titled 参数设置, with a close button) holds a ColorControlWidget, a
/// LineTypeControl and a LineControl. Every pick goes into the record at once; confirming
/// (确定) accepts the dialog and emits settingChanged() with it, cancelling (取消) rejects it
/// and emits nothing.
///
/// \code
/// LineSettingDialog dialog(chart);
/// dialog.initData(line.setting);
/// connect(&dialog, &LineSettingDialog::settingChanged, chart, &Chart::applyLineSetting);
/// dialog.exec();
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT LineSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes and builds the dialog (createWg()) with a default LineSetting; registers
    /// LineSetting with the meta-type system.
    explicit LineSettingDialog(QWidget *parent = 0);

    /// Takes `setting` as the record and shows it in the controls; signals nothing.
    void initData(const LineSetting &setting);
    /// The record as edited so far, confirmed or not.
    LineSetting lineSetting() const;
    /// Builds the dialog's content; the constructor calls it, so a client does not.
    void createWg() override;

signals:
    /// Emitted when the user confirms, after the dialog is accepted, with the edited record.
    void settingChanged(const LineSetting &setting);

private slots:
    void onColorChanged(const QString &strClr);
    void onLineWidthChanged(const int &nWidth);
    void onLineStyleChanged(Qt::PenStyle style);
    void onBtnClicked();

private:
    ColorControlWidget *m_colorControl = nullptr;
    LineControl *m_widthControl = nullptr;
    LineTypeControl *m_styleControl = nullptr;
    LineSetting m_setting;
};

/// Edits colour and width of an indicator arrow; publishes the record on confirmation only.
///
/// Works as LineSettingDialog, with a ColorControlWidget and a LineControl.
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT ArrowSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes and builds the dialog (createWg()) with a default ArrowSetting; registers
    /// ArrowSetting with the meta-type system.
    explicit ArrowSettingDialog(QWidget *parent = 0);

    /// Takes `setting` as the record and shows it in the controls; signals nothing.
    void initData(const ArrowSetting &setting);
    /// The record as edited so far, confirmed or not.
    ArrowSetting arrowSetting() const;
    /// Builds the dialog's content; the constructor calls it, so a client does not.
    void createWg() override;

signals:
    /// Emitted when the user confirms, after the dialog is accepted, with the edited record.
    void settingChanged(const ArrowSetting &setting);

private slots:
    void onColorChanged(const QString &strClr);
    void onLineWidthChanged(const int &nWidth);
    void onBtnClicked();

private:
    ArrowSetting m_setting;
    ColorControlWidget *m_colorControl = nullptr;
    LineControl *m_widthControl = nullptr;
};
