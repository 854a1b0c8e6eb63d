#include "pdfschemehandler_p.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

// The engine takes schemes only before it starts: this runs when the library is loaded, before
// the program's main. The viewer page (qrc:, a secure local origin) reads the documents across
// origins; only local pages are meant to reach the scheme at all.
void registerPdfScheme()
{
    QWebEngineUrlScheme scheme(PdfSchemeHandler::scheme());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                    QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QString newId()
{
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bits), sizeof bits).toHex());
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerPdfScheme)

PdfSchemeHandler::PdfSchemeHandler(QObject *parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

QByteArray PdfSchemeHandler::scheme()
{
    return QByteArrayLiteral("kwpdf");
}

bool PdfSchemeHandler::isRegistered()
{
    return QWebEngineUrlScheme::schemeByName(scheme()).name() == scheme();
}

PdfSchemeHandler *PdfSchemeHandler::forProfile(QWebEngineProfile *profile)
{
    if (!isRegistered())
        return nullptr;
    if (const QWebEngineUrlSchemeHandler *installed = profile->urlSchemeHandler(scheme()))
        return qobject_cast<PdfSchemeHandler *>(const_cast<QWebEngineUrlSchemeHandler *>(installed));
    // Goes with the profile; the profile forgets a handler deleted before it.
    auto *handler = new PdfSchemeHandler(profile);
    profile->installUrlSchemeHandler(scheme(), handler);
    return handler;
}

QUrl PdfSchemeHandler::publish(const QByteArray &bytes)
{
    QString id = newId();
    while (m_documents.contains(id))
        id = newId();
    m_documents.insert(id, bytes);
    return QUrl(QString::fromLatin1(scheme()) + QLatin1Char(':') + id);
}

void PdfSchemeHandler::withdraw(const QUrl &url)
{
    m_documents.remove(url.path());
}

void PdfSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    // The viewer page lives in the program's resources: a page from anywhere else (the engine
    // lets network pages ask a local scheme too) gets nothing, whatever id it names.
    const auto found = m_documents.find(job->requestUrl().path());
    if (found == m_documents.end() || job->requestMethod() != "GET" ||
        job->initiator().scheme() != QLatin1String("qrc")) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The engine reads the buffer on its own thread for as long as the job lives, so the buffer
    // lives exactly as long, with its own reference to the bytes: a viewer deleted meanwhile
    // takes nothing away from under it.
    auto *buffer = new QBuffer(job);
    buffer->setData(found.value());
    buffer->open(QIODevice::ReadOnly);
    m_documents.erase(found);
    job->reply(QByteArrayLiteral("application/pdf"), buffer);
}
