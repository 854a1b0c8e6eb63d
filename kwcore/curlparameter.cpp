#include "curlparameter.h"

#include <QByteArray>

namespace {

QByteArray decodePart(const char *begin, const char *end, bool encoded, bool plusAsSpace)
{
    QByteArray raw(begin, int(end - begin));
    if (plusAsSpace)
        raw.replace('+', ' ');
    return encoded ? QByteArray::fromPercentEncoding(raw) : raw;
}

void appendEncoded(std::string &out, const std::string &text)
{
    const QByteArray encoded = QByteArray::fromRawData(text.data(), int(text.size())).toPercentEncoding();
    out.append(encoded.constData(), std::size_t(encoded.size()));
}

} // namespace

CUrlParameter::CUrlParameter(const std::string &text, bool encoded, bool plusAsSpace)
{
    const char *p = text.data();
    const char *const stop = p + text.size();
    while (p < stop) {
        const char *pieceEnd = p;
        while (pieceEnd < stop && *pieceEnd != '&')
            ++pieceEnd;
        if (pieceEnd != p) {
            const char *eq = p;
            while (eq < pieceEnd && *eq != '=')
                ++eq;
            const QByteArray key = decodePart(p, eq, encoded, plusAsSpace);
            const QByteArray value = eq < pieceEnd ? decodePart(eq + 1, pieceEnd, encoded, plusAsSpace) : QByteArray();
            m_pairs.emplace(std::string(key.constData(), std::size_t(key.size())),
                            std::string(value.constData(), std::size_t(value.size())));
        }
        p = pieceEnd + 1;
    }
}

CUrlParameter::~CUrlParameter() = default;

void CUrlParameter::setString(const std::string &key, const std::string &value)
{
    m_pairs[key] = value;
}

std::string CUrlParameter::getString(const std::string &key, const std::string &fallback) const
{
    const auto it = m_pairs.find(key);
    return it == m_pairs.end() ? fallback : it->second;
}

bool CUrlParameter::contains(const std::string &key) const
{
    return m_pairs.count(key) != 0;
}

void CUrlParameter::remove(const std::string &key)
{
    m_pairs.erase(key);
}

std::size_t CUrlParameter::size() const
{
    return m_pairs.size();
}

std::string CUrlParameter::getUrlParameter() const
{
    std::string out;
    for (const auto &pair : m_pairs) {
        if (!out.empty())
            out += '&';
        appendEncoded(out, pair.first);
        out += '=';
        appendEncoded(out, pair.second);
    }
    return out;
}

CUrlParameter::const_iterator CUrlParameter::begin() const
{
    return m_pairs.begin();
}

CUrlParameter::const_iterator CUrlParameter::end() const
{
    return m_pairs.end();
}
