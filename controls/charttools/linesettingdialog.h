#pragma once

#include "kwcontrols_export.h"
#include "window/popuptwinkleframedialog.h"

#include <QMetaType>
#include <QString>

class ColorControlWidget;
class LineControl;
class LineTypeControl;
class QPushButton;

// The look of a drawn line. A fresh dialog starts with pen style 0 (Qt::NoPen), so a caller
// that skips initData gets no visible line rather than a guessed one.
struct KWCONTROLS_EXPORT LineSetting
{
    QString strColor;
    int nWidth = 1;
    Qt::PenStyle penStyle = Qt::NoPen;
};

// The look of an indicator arrow.
struct KWCONTROLS_EXPORT ArrowSetting
{
    QString strColor;
    int nWidth = 1;
};

Q_DECLARE_METATYPE(LineSetting)
Q_DECLARE_METATYPE(ArrowSetting)

// Edits colour, style and width of a drawn line; publishes the record on confirmation only.
class KWCONTROLS_EXPORT LineSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit LineSettingDialog(QWidget *parent = 0);

    // Shows the record in the controls; signals nothing.
    void initData(const LineSetting &setting);
    LineSetting lineSetting() const;
    void createWg() override;

signals:
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

// Edits colour and width of an indicator arrow; publishes the record on confirmation only.
class KWCONTROLS_EXPORT ArrowSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit ArrowSettingDialog(QWidget *parent = 0);

    void initData(const ArrowSetting &setting);
    ArrowSetting arrowSetting() const;
    void createWg() override;

signals:
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
