#pragma once
#include "gallerypage.h"

#include <QProcess>
#include <memory>

class PackageServer;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTemporaryDir;
class QTimer;

// Runs the real KwUpdate program: makes a version-2.0 package with QuaZip, serves it on
// loopback, writes the updater's parameter file into a throw-away all-users folder, starts
// the updater on a throw-away installation and follows its log and the installation folder.
class UpdatePage : public GalleryPage
{
    Q_OBJECT
public:
    explicit UpdatePage(QWidget *parent);
    ~UpdatePage() override;
    void showcase() override;
    bool isSettled() const override;

private:
    enum class Stage { Idle, Running, Installed, Failed };
    void startUpdate();
    bool prepare(QString *why);
    void poll();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void stopUpdater();
    QString allUsersDir() const;
    QString installDir() const;

    std::unique_ptr<QTemporaryDir> m_scratch;
    PackageServer *m_server;
    QProcess m_updater;
    QTimer *m_poll;
    QPushButton *m_start;
    QPlainTextEdit *m_log;
    QListWidget *m_files;
    Stage m_stage = Stage::Idle;
};
