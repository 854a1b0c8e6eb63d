#include "runparameters.h"

#include "regularfile.h"

#include <QIODevice>
#include <QTextStream>

bool RunParameters::read(const QString &path, QString *why)
{
    QByteArray content;
    if (!readRegularFile(path, MaxFileBytes, &content, why))
        return false;
    // readLine() drops "\n" and "\r\n" alike; the stream honours a byte-order mark.
    QTextStream in(&content, QIODevice::ReadOnly);
    verfile = in.readLine();
    updateDir = in.readLine();
    return true;
}

bool RunParameters::asksForHelp(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "/?")
            return true;
    }
    return false;
}

QString RunParameters::usage()
{
    return QStringLiteral("用法：KwUpdate [--help]\n"
                          "\n"
                          "安装客户端的一次更新。更新程序不读命令行参数，它读取客户端留下的参数文件：\n"
                          "  <公共目录>/tmp/updateparam.txt\n"
                          "    第 1 行：版本描述（一行 JSON，或存放它的文件路径），url 为更新包地址，\n"
                          "             可选 sha256、size 与 minisign 签名 signature；\n"
                          "    第 2 行：安装目录。\n"
                          "公共目录为环境变量 KW_ALLUSERS_DIR；未设置时为系统的公共数据目录。\n"
                          "\n"
                          "更新包先下载、校验并解压到安装目录旁，全部成功后才替换安装目录；\n"
                          "任何失败都保留原来的安装。日志：<公共目录>/tmp/udpate_log.txt。\n"
                          "\n"
                          "退出码：0 更新完成或已取消；1 更新失败。\n"
                          "  --help, -h   显示本说明后退出（不打开窗口，不写日志）。\n");
}
