#pragma once

/// \file
/// CUrlParameter: URL-style "key=value&..." parameter text.

#include "kwcore_export.h"

#include <map>
#include <string>

/// A set of URL-style parameters: "key=value" pairs joined by '&'.
///
/// Keys and values are percent-encoded (RFC 3986: everything but unreserved characters is
/// escaped), so any key or value, including empty ones and ones holding '?', '&', '=', '%', '+',
/// spaces or line breaks, reads back exactly as it was set. Pairs are kept in ascending key order
/// (byte order of the UTF-8 text); a key occurs once.
///
/// The message bus (KwObject) writes the parameters of its messages with this class.
///
/// \code
/// CUrlParameter params;
/// params.setString("code", "600000");
/// params.setString("name", "A&B");
/// const std::string text = params.getUrlParameter();   // "code=600000&name=A%26B"
/// CUrlParameter back(text);
/// back.getString("name");                              // "A&B"
/// \endcode
///
/// A plain value type: copy it freely. Not synchronised: one object is used by one thread at a
/// time.
/// \ingroup core
class KWCORE_EXPORT CUrlParameter
{
public:
    /// The pairs, by key in ascending order.
    using Pairs = std::map<std::string, std::string>;
    /// Walks the pairs in ascending key order; `first` is the key, `second` the value.
    using const_iterator = Pairs::const_iterator;

    /// Reads the pairs of `text`.
    ///
    /// With `encoded` true the text is percent-encoded and each key and value is decoded; with it
    /// false they are taken as they stand. With `plusAsSpace` true a '+' in the text stands for a
    /// space (HTML form encoding); the text made by getUrlParameter() never needs that, since it
    /// escapes '+' and spaces. A piece without '=' is a key with an empty value; empty pieces are
    /// skipped; when a key occurs more than once, the first occurrence wins. The default makes an
    /// empty set.
    CUrlParameter(const std::string &text = std::string(), bool encoded = true, bool plusAsSpace = false);
    /// Destroys the set.
    ~CUrlParameter();

    /// Sets `key` to `value`, replacing the value it had.
    void setString(const std::string &key, const std::string &value);
    /// The value of `key`, or `fallback` when the set has no such key.
    std::string getString(const std::string &key, const std::string &fallback = std::string()) const;
    /// Whether the set has `key` (with any value, empty included).
    bool contains(const std::string &key) const;
    /// Removes `key` and its value; nothing happens when there is no such key.
    void remove(const std::string &key);
    /// The number of pairs.
    std::size_t size() const;

    /// The encoded text of all pairs, in ascending key order.
    ///
    /// Empty for an empty set. The constructor with its default arguments reads it back
    /// unchanged.
    std::string getUrlParameter() const;

    /// The first pair, in ascending key order.
    const_iterator begin() const;
    /// Past the last pair.
    const_iterator end() const;

private:
    Pairs m_pairs;
};
