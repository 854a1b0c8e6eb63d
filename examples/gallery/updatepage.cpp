#include "updatepage.h"

#include "galleryshell.h"

#include "verinfoparse.h"

#include <JlCompress.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QByteArray newReadme = "KwFN 2.0：新版本已安装";
const QString packagePath = "/kwfn_2.0.zip";

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString updaterProgram()
{
    const QString built = QStringLiteral(KWUPDATE_PATH);
    if (QFileInfo(built).isExecutable())
        return built;
    return QCoreApplication::applicationDirPath() + "/KwUpdate";
}
} // namespace

// Serves one package over HTTP on 127.0.0.1, as the client's update server would.
class PackageServer : public QTcpServer
{
public:
    QByteArray package;

    PackageServer(QObject *parent)
        : QTcpServer(parent)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }
    QString url() const { return QString("http://127.0.0.1:%1%2").arg(serverPort()).arg(packagePath); }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        const bool found = request.split(' ').value(1) == packagePath.toLatin1();
        const QByteArray body = found ? package : QByteArray("not here");
        socket->write((found ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") + QByteArray("\r\nConnection: close\r\n") +
                      "Content-Type: application/zip\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

UpdatePage::UpdatePage(QWidget *parent)
    : GalleryPage(
              tr("在线升级"),
              tr("真实运行 KwUpdate：程序生成 2.0 版升级包，在本机回环地址上提供下载，升级一个临时安装目录。所有文件都在临时文件夹里。"),
              parent, "update")
    , m_server(new PackageServer(this))
    , m_poll(new QTimer(this))
    , m_start(new QPushButton(tr("开始升级")))
    , m_log(new QPlainTextEdit)
    , m_files(new QListWidget)
{
    m_log->setReadOnly(true);
    m_log->setObjectName("updateLog");
    m_log->setPlaceholderText(tr("KwUpdate 的日志（udpate_log.txt）"));
    m_start->setMinimumHeight(40);
    connect(m_start, &QPushButton::clicked, this, &UpdatePage::startUpdate);
    m_poll->setInterval(200);
    connect(m_poll, &QTimer::timeout, this, &UpdatePage::poll);
    connect(&m_updater, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &UpdatePage::processFinished);

    auto *logColumn = new QVBoxLayout;
    logColumn->addWidget(new QLabel(tr("升级日志")));
    logColumn->addWidget(m_log, 1);
    auto *filesColumn = new QVBoxLayout;
    filesColumn->addWidget(new QLabel(tr("安装目录")));
    filesColumn->addWidget(m_files, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(logColumn, 3);
    columns->addLayout(filesColumn, 2);
    content()->addWidget(m_start, 0, Qt::AlignLeft);
    content()->addLayout(columns, 1);
}

UpdatePage::~UpdatePage()
{
    stopUpdater();
}

QString UpdatePage::allUsersDir() const
{
    return m_scratch->path() + "/all users";
}

QString UpdatePage::installDir() const
{
    return m_scratch->path() + "/客户端 kwfn";
}

bool UpdatePage::prepare(QString *why)
{
    m_scratch = std::make_unique<QTemporaryDir>();
    const QString staging = m_scratch->path() + "/package";
    // The installation as version 1.0 left it, and the content of version 2.0.
    const bool written = writeFile(installDir() + "/kwfnd.exe", "#!/bin/sh\necho 1.0\n") &&
                         writeFile(installDir() + "/readme.txt", "KwFN 1.0") &&
                         writeFile(staging + "/kwfnd.exe", "#!/bin/sh\ndate > \"$(dirname \"$0\")/started.txt\"\n") &&
                         writeFile(staging + "/readme.txt", newReadme) &&
                         writeFile(staging + "/data/quotes.csv", "code,name\n600000,浦发银行\n600519,贵州茅台\n");
    QFile(staging + "/kwfnd.exe").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString zip = m_scratch->path() + "/kwfn_2.0.zip";
    if (!written || !JlCompress::compressDir(zip, staging)) {
        *why = tr("无法生成升级包");
        return false;
    }
    m_server->package = readFile(zip);
    if (!m_server->isListening() && !m_server->listen(QHostAddress::LocalHost, 0)) {
        *why = tr("无法在本机监听：%1").arg(m_server->errorString());
        return false;
    }

    UpdateFlowPrivate info;
    info.version = "2.0.0";
    info.name = "KwFN";
    info.date = "2024-06-18";
    info.size = m_server->package.size();
    info.notes = tr("示例升级包");
    info.url = m_server->url();
    info.sha256 = QString::fromLatin1(QCryptographicHash::hash(m_server->package, QCryptographicHash::Sha256).toHex());
    const QByteArray params = VerInfoParse::toText(info).toUtf8() + "\n" + installDir().toLocal8Bit() + "\n";
    if (!writeFile(allUsersDir() + "/tmp/updateparam.txt", params)) {
        *why = tr("无法写参数文件");
        return false;
    }
    return true;
}

void UpdatePage::startUpdate()
{
    if (m_updater.state() != QProcess::NotRunning)
        return;
    m_log->clear();
    m_files->clear();
    QString why;
    if (!prepare(&why)) {
        m_stage = Stage::Failed;
        showResult(why);
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KW_ALLUSERS_DIR", allUsersDir());
    // KwUpdate speaks the system's language: here, the gallery's. Qt takes the language from
    // LANGUAGE before LC_ALL, when LC_ALL names any locale but C.
    const QString locale = GalleryShell::isEnglish() ? "en_US.UTF-8" : "zh_CN.UTF-8";
    env.insert("LC_ALL", locale);
    env.insert("LANGUAGE", locale.section('.', 0, 0));
    m_updater.setProcessEnvironment(env);
    m_updater.start(updaterProgram(), QStringList());
    m_stage = Stage::Running;
    m_start->setEnabled(false);
    m_poll->start();
    showResult(tr("KwUpdate 已启动，下载 %1").arg(m_server->url()));
}

void UpdatePage::poll()
{
    const QString log = QString::fromLocal8Bit(readFile(allUsersDir() + "/tmp/udpate_log.txt"));
    if (log != m_log->toPlainText())
        m_log->setPlainText(log);

    QStringList files;
    QDirIterator it(installDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << tr("%1  (%2 字节)").arg(QDir(installDir()).relativeFilePath(path)).arg(QFileInfo(path).size());
    }
    files.sort();
    QStringList shown;
    for (int i = 0; i < m_files->count(); ++i)
        shown << m_files->item(i)->text();
    if (files != shown) {
        m_files->clear();
        m_files->addItems(files);
    }

    if (m_stage != Stage::Running)
        return;
    // The updater says so once the new installation is in place for good.
    if (readFile(installDir() + "/readme.txt") == newReadme && log.contains("update complete")) {
        m_stage = Stage::Installed;
        showResult(tr("升级完成：安装目录已是 2.0 版。在 KwUpdate 窗口中点按钮结束（可选重启客户端）"));
        emit notified(tr("升级完成，安装目录已是 2.0 版"));
    } else if (log.contains("update failed")) {
        m_stage = Stage::Failed;
        showResult(tr("升级失败，安装目录保持原样，详见日志"));
        emit notified(tr("升级失败，安装目录保持原样"));
    }
}

void UpdatePage::processFinished(int exitCode, QProcess::ExitStatus status)
{
    poll();
    m_poll->stop();
    m_start->setEnabled(true);
    const bool restarted = QFileInfo::exists(installDir() + "/started.txt");
    if (m_stage == Stage::Running)
        m_stage = Stage::Failed;
    showResult(tr("KwUpdate 已退出（%1，退出码 %2）；安装目录 %3%4")
                       .arg(status == QProcess::NormalExit ? tr("正常") : tr("异常"))
                       .arg(exitCode)
                       .arg(m_stage == Stage::Installed ? tr("已升级到 2.0") : tr("未升级"))
                       .arg(restarted ? tr("，客户端已重新启动") : QString()));
}

void UpdatePage::stopUpdater()
{
    if (m_updater.state() == QProcess::NotRunning)
        return;
    m_updater.disconnect(this);
    m_updater.terminate();
    if (!m_updater.waitForFinished(3000)) {
        m_updater.kill();
        m_updater.waitForFinished(3000);
    }
}

void UpdatePage::showcase()
{
    startUpdate();
}

bool UpdatePage::isSettled() const
{
    return m_stage != Stage::Running;
}
