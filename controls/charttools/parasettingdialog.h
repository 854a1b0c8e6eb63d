#pragma once

#include "kwcontrols_export.h"
#include "window/popuptwinkleframedialog.h"

#include "indiiteminfo.h"

#include <QList>
#include <QMap>
#include <QToolButton>

#include <map>
#include <string>

class ColorControlWidget;
class QGridLayout;
class QSpinBox;

// The line-width picker of the indicator dialog: a button showing a line of its width, whose
// menu offers widths 1, 2 and 3.
class KWCONTROLS_EXPORT PenStyleToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PenStyleToolButton(QWidget *parent = nullptr);

    // The width the button was built with; a pick from the menu does not change it.
    int penWidth() const;
    void setPenWidth(int width);
    // Builds the icon and the menu; call once, after setPenWidth().
    void createWg();
    // Shows the stored width again, after a pick has replaced the icon.
    void resetIcon();

signals:
    void setLineWidth(int nWidth);

private:
    int m_width = 0;
    QToolButton *m_firstEntry = nullptr;
};

// Edits the parameters and line looks of one indicator. Every change is written to the
// configuration at once and signalled, so the charts follow while the dialog is open; restore
// and the title bar's close put back what the indicator had when the dialog was built.
class KWCONTROLS_EXPORT ParaSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit ParaSettingDialog(QWidget *parent = 0, QString name = "");

    // Selects the indicator and builds the window; later calls are ignored.
    void setIndi(QString name);
    void createWg() override;

signals:
    void valueChanged(bool isChange);

private slots:
    void onrestBtnClicked();
    void onsaveBtnClicked();
    void onsetLineWidth(int nWidth);
    void onvalueChanged(int nValue);
    void onWndClose();
    void test();
    void onColorChanged(const QString &strClr);

private:
    // What an edit of a row's control changes in the record, stored at once.
    void setParamValue(int row, int value);
    void setLineWidth(int row, int width);
    void setLineColor(int row, const QString &name);
    QWidget *createHeader();
    QWidget *createGrid();
    QWidget *createFooter();
    void addParamRow(int row, const IndiParam &param);
    void addLineRow(int row, const IndiLine &line);
    void storeRecord();

    QGridLayout *m_grid;
    std::map<std::string, IndiItemInfo> m_indiMap;
    IndiItemInfo m_info;
    IndiItemInfo m_snapshot;
    QList<QSpinBox *> m_spinBoxes;
    QList<PenStyleToolButton *> m_widthButtons;
    QMap<ColorControlWidget *, int> m_controlToLine;
    QMap<int, ColorControlWidget *> m_lineToControl;
    QString m_indiName;
    bool m_built = false;
};
