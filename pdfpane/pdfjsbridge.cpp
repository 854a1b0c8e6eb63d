#include "pdfjsbridge.h"

#include "pdfpanelog_p.h"
#include "pdfdownloads_p.h"
#include "pdfprinting_p.h"
#include "pdfschemehandler_p.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QCoreApplication>
#include <QWebEngineUrlScheme>
#endif

#include <algorithm>
#include <memory>
#include <optional>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
namespace {

// The viewer page comes from qrc: and opens documents at file:// URLs. Qt 5's engine let qrc:
// pages reach local files; Qt 6's does only when the application registered qrc: so before the
// engine started, which this does as the application object is made. An application that
// registered qrc: itself keeps its own choice.
void registerQrcScheme()
{
    if (!QWebEngineUrlScheme::schemeByName(QByteArrayLiteral("qrc")).name().isEmpty())
        return;
    QWebEngineUrlScheme qrc(QByteArrayLiteral("qrc"));
    qrc.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalAccessAllowed |
                 QWebEngineUrlScheme::ViewSourceAllowed);
    QWebEngineUrlScheme::registerScheme(qrc);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerQrcScheme)
#endif

PdfJsBridge::PdfJsBridge(QWidget *parent)
    : PdfJsBridge(nullptr, parent)
{
}

PdfJsBridge::PdfJsBridge(QWebEnginePage *page, QWidget *parent)
    : QWebEngineView(parent)
{
    // The page's settings are the page's own: it is set before anything is set on them.
    if (page) {
        page->setParent(this);
        setPage(page);
    }
    // qpdf_ShowPdfFile opens file:// URLs from the qrc page.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    // A page reaches only the schemes its profile had when the page loaded: the handler must be
    // there before the viewer page is.
    PdfSchemeHandler::forProfile(this->page()->profile());
    m_printing = std::make_unique<PdfPrinting>(this);
    m_downloads = std::make_unique<PdfDownloads>(this);
    connect(m_downloads.get(), &PdfDownloads::saved, this, &PdfJsBridge::documentSaved);
    // A new viewer page knows nothing yet: the name goes to it before anything is shown there.
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok && !m_documentName.isEmpty())
            setDocumentName(m_documentName);
    });
}

PdfJsBridge::~PdfJsBridge()
{
    withdrawDocument();
}

QUrl PdfJsBridge::viewerUrl()
{
    return QUrl(QStringLiteral("qrc:/pdfpane/viewer.html"));
}

QString PdfJsBridge::scriptLiteral(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

void PdfJsBridge::setDocumentName(const QString &name)
{
    m_documentName = name;
    invokeJavaScript(
            QStringLiteral("if (window.qpdf_setDocumentName) { qpdf_setDocumentName(%1); }").arg(scriptLiteral(name)));
}

QString PdfJsBridge::documentName() const
{
    return m_documentName;
}

namespace {

const QLatin1String sinkName("window.__pdfjsbridgeSink");

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c == QLatin1Char('.');
}

// A script `name('literal')`, optionally followed by a semicolon and white space.
struct LiteralCall
{
    QStringView name;
    QStringView literal;
};

// The call's parts, or nothing when the script has another form or the literal holds anything
// whose meaning a split could change.
std::optional<LiteralCall> literalCall(QStringView script)
{
    const qsizetype nameEnd = script.indexOf(QLatin1String("('"));
    if (nameEnd <= 0 || script.front().isDigit() || script.front() == QLatin1Char('.'))
        return std::nullopt;
    const QStringView name = script.left(nameEnd);
    if (!std::all_of(name.begin(), name.end(), isNameChar))
        return std::nullopt;
    const qsizetype begin = nameEnd + 2;
    const qsizetype end = script.indexOf(QLatin1Char('\''), begin);
    if (end < 0)
        return std::nullopt;
    const QStringView rest = script.mid(end + 1).trimmed();
    if (rest != QLatin1String(")") && rest != QLatin1String(");"))
        return std::nullopt;
    const QStringView literal = script.mid(begin, end - begin);
    for (const QChar forbidden : {QLatin1Char('\\'), QLatin1Char('\n'), QLatin1Char('\r')}) {
        if (literal.indexOf(forbidden) >= 0)
            return std::nullopt;
    }
    return LiteralCall{name, literal};
}

} // namespace

void PdfJsBridge::invokeJavaScript(const QString &script)
{
    const auto call = script.size() >= PieceThreshold ? literalCall(script) : std::nullopt;
    if (!call) {
        page()->runJavaScript(script);
        return;
    }
    invokeInPieces(call->name.toString(), call->literal);
}

void PdfJsBridge::invokeInPieces(const QString &name, QStringView literal)
{
    // The sink: the function's own, or one that joins the pieces and makes the call.
    page()->runJavaScript(
            QStringLiteral(
                    "%1 = (typeof %2 === 'function' && typeof %2.receivePieces === 'function') ? %2.receivePieces(%3)"
                    " : (function () { var parts = [];"
                    " return { add: function (piece) { parts.push(piece); },"
                    " end: function () { var text = parts.join(''); parts = null; %2(text); } }; })();")
                    .arg(sinkName, name)
                    .arg(literal.size()));
    const QLatin1String addHead(".add('");
    const QLatin1String addTail("');");
    QString piece; // one buffer for every piece
    piece.reserve(sinkName.size() + addHead.size() + PieceSize + 1 + addTail.size());
    for (qsizetype at = 0; at < literal.size();) {
        qsizetype size = qMin(qsizetype(PieceSize), literal.size() - at);
        if (at + size < literal.size() && literal.at(at + size - 1).isHighSurrogate())
            ++size; // a surrogate pair stays in one piece
        piece.resize(0);
        piece.append(sinkName).append(addHead).append(literal.mid(at, size)).append(addTail);
        page()->runJavaScript(piece);
        at += size;
    }
    page()->runJavaScript(QStringLiteral("(function () { var sink = %1; %1 = null; sink.end(); })();").arg(sinkName));
}

QVariant PdfJsBridge::invokeJavaScriptAndWaitForResult(const QString &script, int timeoutMs)
{
    // The answer may come after we gave up waiting: it then lands in the shared state, never
    // in this stack frame.
    struct State
    {
        QVariant result;
        bool done = false;
        QPointer<QEventLoop> loop;
    };
    const auto state = std::make_shared<State>();
    QEventLoop loop;
    state->loop = &loop;
    page()->runJavaScript(script, [state](const QVariant &result) {
        state->result = result;
        state->done = true;
        if (state->loop)
            state->loop->quit();
    });
    if (!state->done) {
        QTimer::singleShot(qMax(0, timeoutMs), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!state->done)
        qCWarning(lcPdfPane).noquote() << "PdfJsBridge: no answer within" << timeoutMs << "ms:" << script.left(80);
    return state->done ? state->result : QVariant();
}

void PdfJsBridge::showPdfData(const QByteArray &bytes)
{
    withdrawDocument();
    m_scheme = PdfSchemeHandler::forProfile(page()->profile());
    if (!m_scheme) {
        // Base64 holds only letters, digits, '+', '/' and '=': safe inside the quotes.
        invokeJavaScript(QStringLiteral("qpdf_ShowPdfFileBase64('%1')").arg(QLatin1String(bytes.toBase64())));
        return;
    }
    m_documentUrl = m_scheme->publish(bytes);
    invokeJavaScript(QStringLiteral("qpdf_ShowPdfFromHost(%1)").arg(scriptLiteral(m_documentUrl.toString())));
}

void PdfJsBridge::withdrawDocument()
{
    if (m_scheme)
        m_scheme->withdraw(m_documentUrl);
    m_scheme = nullptr;
    m_documentUrl.clear();
}

void PdfJsBridge::close()
{
    withdrawDocument();
    invokeJavaScript(QStringLiteral("if (window.qpdf_close) { qpdf_close(); }"));
}
