#pragma once

#include <QWidget>

#include <memory>

class QFrame;
class QStackedWidget;

namespace Ui {
class KwUpdateUiCtrl;
class KwStartUpdate;
class KwUpdating;
class KwEndUpdate;
class KwFailUpdate;
} // namespace Ui

// The pages of the update window (start, progress, end, and the failure page at index 3) on
// a stack, with their buttons turned into signals. The look comes from the compiled-in style
// sheet.
class KwUpdateUiCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit KwUpdateUiCtrl(QWidget *parent = nullptr);
    ~KwUpdateUiCtrl() override;

    void initProgress(int min, int max, int value);
    // -1 keeps the bar, an empty text keeps the tip.
    void setProgress(int value, const QString &tips);
    // Fills the failure page with the reason in the user's words; the page is shown through
    // slotUpdatePage(3).
    void setFailure(const QString &reason);

signals:
    void signalBtnClickedForEnsure();
    void signalBtnClickedForCancle();
    void signalAbortFinished();
    void signalBtnClickedForUpdateOver(bool isRun);
    // The failure page's "关闭" button.
    void signalFailureClosed();

public slots:
    void slotUpdatePage(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ensurePage(int index);
    void loadStyleSheet();

    std::unique_ptr<Ui::KwUpdateUiCtrl> m_uiCtrl;
    // Each page's form, made with its page (ensurePage): null until then.
    std::unique_ptr<Ui::KwStartUpdate> m_uiStart;
    std::unique_ptr<Ui::KwUpdating> m_uiUpdating;
    std::unique_ptr<Ui::KwEndUpdate> m_uiEnd;
    std::unique_ptr<Ui::KwFailUpdate> m_uiFail;
    QStackedWidget *m_stack;
    // Each page once made (ensurePage), by UpdatePage index; null until then.
    QFrame *m_pages[4] = {};
    // What setProgress() was given before the progress page was made.
    int m_pendingValue = -1;
    QString m_pendingTip;
};
