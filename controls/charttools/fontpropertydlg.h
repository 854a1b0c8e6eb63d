#pragma once

#include "charttools/typepanel.h"
#include "kwcontrols_export.h"
#include "window/popuptwinkleframedialog.h"

#include <QMetaType>
#include <QString>

class ColorControlWidget;
class QComboBox;
class QTextEdit;

// The look and content of a drawn text.
struct KWCONTROLS_EXPORT FontStyle
{
    bool isBold = false;
    bool istilt = false;
    bool isUnderLine = false;
    int pointSize = 11;
    QString strFamily = "宋体";
    QString strText;
    QString strColor;
};

Q_DECLARE_METATYPE(FontStyle)

// Edits a drawn text and its font; publishes the record on confirmation only.
class KWCONTROLS_EXPORT FontPropertyDlg : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit FontPropertyDlg(QWidget *parent = 0);

    // Shows the record in the controls; signals nothing.
    void init(const FontStyle &style);
    FontStyle fontStyle() const;
    void createWg() override;

signals:
    void styleChanged(const FontStyle &fontStyle);

private slots:
    void onSubmitClicked();
    void onColorChanged(const QString &strClr);

private:
    QWidget *createBody(QWidget *parent);
    void initCombox();
    void connectEdits();

    QTextEdit *m_textEdit = nullptr;
    QComboBox *m_fontBox = nullptr;
    QComboBox *m_sizeBox = nullptr;
    TypePanel *m_typePanel = nullptr;
    ColorControlWidget *m_colorControl = nullptr;
    FontStyle m_fontStyle;
};
