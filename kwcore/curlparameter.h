#pragma once

#include "kwcore_export.h"

#include <map>
#include <string>

// A set of URL-style parameters: "key=value" pairs joined by '&', keys and values
// percent-encoded (RFC 3986: everything but unreserved characters is escaped), so any
// key or value, including empty ones and ones holding '?', '&', '=', '%', '+', spaces or
// line breaks, reads back exactly as it was set. Pairs are kept in ascending key order
// (byte order of the UTF-8 text); a key occurs once.
class KWCORE_EXPORT CUrlParameter
{
public:
    using Pairs = std::map<std::string, std::string>;
    using const_iterator = Pairs::const_iterator;

    // Reads the pairs of `text`. With `encoded` true the text is percent-encoded and each
    // key and value is decoded; with it false they are taken as they stand. With
    // `plusAsSpace` true a '+' in the text stands for a space (HTML form encoding); the text
    // made by getUrlParameter() never needs that, since it escapes '+' and spaces.
    // A piece without '=' is a key with an empty value; empty pieces are skipped; when a
    // key occurs more than once, the first occurrence wins.
    CUrlParameter(const std::string &text = std::string(), bool encoded = true, bool plusAsSpace = false);
    ~CUrlParameter();

    void setString(const std::string &key, const std::string &value);
    std::string getString(const std::string &key, const std::string &fallback = std::string()) const;
    bool contains(const std::string &key) const;
    void remove(const std::string &key);
    std::size_t size() const;

    // The encoded text of all pairs, in ascending key order.
    std::string getUrlParameter() const;

    const_iterator begin() const;
    const_iterator end() const;

private:
    Pairs m_pairs;
};
