#pragma once

/// \file
/// ParaSettingDialog, the indicator parameter dialog, and its width picker PenStyleToolButton.

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

/// The line-width picker of the indicator dialog: a button showing a line of its width, whose
/// menu offers widths 1, 2 and 3.
///
/// Set the width, then build: `setPenWidth(line.width); createWg();`. A pick shows the
/// entry's line on the button and is reported by setLineWidth(); the stored width stays the
/// one set, and resetIcon() shows it again.
///
/// Ownership: the button owns its menu and entries. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT PenStyleToolButton : public QToolButton
{
    Q_OBJECT

public:
    /// Makes an empty button; createWg() builds it.
    explicit PenStyleToolButton(QWidget *parent = nullptr);

    /// The width the button was built with; a pick from the menu does not change it.
    int penWidth() const;
    /// Stores the width the button shows; it is drawn by createWg() or resetIcon().
    void setPenWidth(int width);
    /// Builds the icon and the menu; call once, after setPenWidth().
    void createWg();
    /// Shows the stored width again, after a pick has replaced the icon.
    void resetIcon();

signals:
    /// Emitted when the user picks a width in the menu, with the width in pixels (1 to 3).
    void setLineWidth(int nWidth);

private:
    int m_width = 0;
    QToolButton *m_firstEntry = nullptr;
};

/// Edits the parameters and line looks of one indicator. Every change is written to the
/// configuration at once and signalled, so the charts follow while the dialog is open; restore
/// and the title bar's close put back what the indicator had when the dialog was built.
///
/// The dialog shows one row per parameter (a spin box within the parameter's range) and one
/// per line (a ColorControlWidget and a PenStyleToolButton), titled with the indicator's
/// display name. Records are Kwcfg's (IndiItemInfo, by Kwcfg::getIndiMap() and
/// Kwcfg::setIndiInfo()); the dialog reads the indicators when it is made. 保存 (save) stores
/// the record and closes; 恢复默认值 (restore) puts back the record the dialog started from.
///
/// \code
/// auto *dialog = new ParaSettingDialog(chart);
/// dialog->setIndi("MACD");
/// connect(dialog, &ParaSettingDialog::valueChanged, chart, &Chart::reloadIndicators);
/// dialog->show();
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT ParaSettingDialog : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes an empty dialog that joins the message bus under `name`, and reads the
    /// indicators from the configuration; setIndi() builds it.
    explicit ParaSettingDialog(QWidget *parent = 0, QString name = "");

    /// Selects the indicator `name` (its key in the configuration) and builds the window;
    /// later calls are ignored.
    ///
    /// An unknown name gives a dialog without rows.
    void setIndi(QString name);
    /// Builds the window for the indicator chosen by setIndi() (none when called first);
    /// only the first call builds.
    void createWg() override;

signals:
    /// Emitted after each change is stored in the configuration (an edit, a restore), with
    /// `isChange` always true.
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
