#pragma once

// The web engine's download object, QWebEngineDownloadItem up to Qt 5 and
// QWebEngineDownloadRequest from Qt 6 on, with the same calls under both names.

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QWebEngineDownloadRequest>
using WebEngineDownload = QWebEngineDownloadRequest;
#else
#include <QWebEngineDownloadItem>
using WebEngineDownload = QWebEngineDownloadItem;
#endif

// The signal a download sends once it has ended: completed, cancelled or broken off.
inline auto webEngineDownloadFinished()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return &QWebEngineDownloadRequest::isFinishedChanged;
#else
    return &QWebEngineDownloadItem::finished;
#endif
}
