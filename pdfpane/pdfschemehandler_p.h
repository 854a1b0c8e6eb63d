#pragma once

#include <QByteArray>
#include <QHash>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves the documents that viewers hand to their pages, at "kwpdf:<id>": the page reads a
// PDF's bytes with one request, where the Base64 text of a script would have to be compiled
// first. One handler per profile serves every viewer of the profile. A document is served once,
// to the first request for it, and only to pages from the program's resources (the viewer's);
// its id is 128 random bits, so no other page can name it, and a URL that leaked after use
// reads nothing.
class PdfSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static QByteArray scheme();
    // Whether the scheme was registered before the engine started (see the source file): a
    // library loaded later cannot have it, and its viewers fall back to Base64 scripts.
    static bool isRegistered();
    // The profile's handler, installed on first use; null when the scheme is not registered
    // or another handler holds it.
    static PdfSchemeHandler *forProfile(QWebEngineProfile *profile);

    // Keeps `bytes` (shared, not copied) and returns the URL the page reads them at.
    QUrl publish(const QByteArray &bytes);
    // Forgets the document at `url`, read or not.
    void withdraw(const QUrl &url);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    explicit PdfSchemeHandler(QObject *parent);

    QHash<QString, QByteArray> m_documents; // by id
};
