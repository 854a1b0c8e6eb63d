#pragma once

#include "bus/kwobject.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <memory>

class KwUpdateUiCtrl;
class QThread;
class Updater;

// The updater's only window: a frameless, draggable dialog that owns the worker and its
// thread, shows the progress, cancels (putting the old installation back when needed),
// shows why an update failed, and restarts the client at the end. It refuses to close while
// the worker runs.
class KwUpdateWindow : public QDialog, public KwObject
{
    Q_OBJECT

public:
    explicit KwUpdateWindow(QWidget *parent = nullptr);
    ~KwUpdateWindow() override;

    void beginUpdate(const QString &verfile, const QString &updateDir);
    // Shows the failure page for a run that cannot even begin (no parameters, another
    // update running); `cause` is an UpdateFailure.
    void failBeforeStart(int cause, const QString &reason);
    // The working folder the client is restarted in: the one the updater was started in
    // (it moves its own away from the installation). Default: the current one.
    void setRestartDir(const QString &dir) { m_restartDir = dir; }
    static bool copyDir(const QString &fromDir, const QString &toDir, bool overwrite);

    // What the process should return: non-zero once the update has failed.
    int exitCode() const { return m_failed ? 1 : 0; }
    Updater *updater() const { return m_updater.get(); }

signals:
    void signalUpdateUi(int index);
    void signalStart(QString verfile, QString updateDir);
    // The run is over; the entry ends the application with `exitCode`.
    void signalQuit(int exitCode);

public slots:
    void slotProgress(int progress, QString context);
    void cancelUpdate();
    void slotUpdateFinished(bool isRun);
    void slotUpdateFailed(int cause, QString reason);
    // Esc and every other way out go the same road as the close button.
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void leave();
    void removePackage();

    // Lives in m_thread and has no parent there: deleted after the thread has stopped.
    std::unique_ptr<Updater> m_updater;
    QThread *m_thread;
    KwUpdateUiCtrl *m_uiCtrl;
    QString m_updateDir;
    QString m_verFile;
    bool m_pressed = false;
    QPoint m_dragOffset;
    QString m_tmpDir;
    QString m_restartDir;
    bool m_failed = false;
    bool m_canceling = false;
};
