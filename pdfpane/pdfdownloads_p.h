#pragma once

#include "webenginedownload.h"

#include <QObject>
#include <QString>

class QWebEngineView;

// The host side of the viewer's download button. The page hands the document to the engine as
// a download; it is saved into the user's download folder under the name the page gives it, or
// "name (1).pdf", "name (2).pdf", ... when that is taken: nothing there is ever overwritten.
// The page then shows where the file went.
class PdfDownloads : public QObject
{
    Q_OBJECT

public:
    explicit PdfDownloads(QWebEngineView *view);

    // Creates an empty file in `folder` named `name`, or `base (n).suffix` with the smallest n
    // whose name is free, and returns its path: the name is taken at once, so a second download
    // that starts before the first has written anything gets another. Empty when the folder
    // cannot be written.
    static QString reserveFile(const QString &folder, const QString &name);

signals:
    void saved(const QString &path);

private:
    void onDownloadRequested(WebEngineDownload *item);
    void onFinished(WebEngineDownload *item, const QString &path);
    void tellPage(const QString &notice);

    QWebEngineView *m_view;
};
