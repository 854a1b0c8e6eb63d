#pragma once

#include <QWidget>

class QFrame;
class QStackedWidget;

namespace Ui {
class KwUpdateUiCtrl;
class KwStartUpdate;
class KwUpdating;
class KwEndUpdate;
}

// The three pages of the update window (start, progress, end) on a stack, with their
// buttons turned into signals. The look comes from the compiled-in style sheet.
class KwUpdateUiCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit KwUpdateUiCtrl(QWidget *parent = nullptr);
    ~KwUpdateUiCtrl() override;

    void initProgress(int min, int max, int value);
    // -1 keeps the bar, an empty text keeps the tip.
    void setProgress(int value, const QString &tips);

signals:
    void signalBtnClickedForEnsure();
    void signalBtnClickedForCancle();
    void signalAbortFinished();
    void signalBtnClickedForUpdateOver(bool isRun);

public slots:
    void slotUpdatePage(int index);

private:
    void loadStyleSheet();

    Ui::KwUpdateUiCtrl *m_uiCtrl;
    Ui::KwStartUpdate *m_uiStart;
    Ui::KwUpdating *m_uiUpdating;
    Ui::KwEndUpdate *m_uiEnd;
    QStackedWidget *m_stack;
    QFrame *m_startFrame;
    QFrame *m_midFrame;
    QFrame *m_endFrame;
};
