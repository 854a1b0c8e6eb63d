#pragma once

#include <QColor>
#include <QMap>
#include <QMetaType>

#include <string>
#include <vector>

// One integer parameter of a technical indicator, such as the 12 of MACD's short average.
struct IndiParam
{
    std::string name;       // label text, UTF-8
    int value = 0;
    int minValue = 0;
    int maxValue = 0;

    bool operator==(const IndiParam &o) const
    {
        return name == o.name && value == o.value && minValue == o.minValue && maxValue == o.maxValue;
    }
    bool operator!=(const IndiParam &o) const { return !(*this == o); }
};

// One drawn line of an indicator. Key 0 of the colour map is the line's colour; further keys
// hold extra colours some lines need (MACD's bars use key 1 for falling values).
struct IndiLine
{
    std::string name;       // label text, UTF-8
    QMap<int, QColor> colors;
    int width = 1;          // pixels

    bool operator==(const IndiLine &o) const
    {
        return name == o.name && colors == o.colors && width == o.width;
    }
    bool operator!=(const IndiLine &o) const { return !(*this == o); }
};

// The settings of one indicator. `name` is the indicator's key in Kwcfg::getIndiMap(), so a
// record carries its own identity when it is stored back with Kwcfg::setIndiInfo().
struct IndiItemInfo
{
    std::string name;
    std::string displayName;   // UTF-8, shown as a dialog title
    std::vector<IndiParam> params;
    std::vector<IndiLine> lines;

    bool operator==(const IndiItemInfo &o) const
    {
        return name == o.name && displayName == o.displayName && params == o.params && lines == o.lines;
    }
    bool operator!=(const IndiItemInfo &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(IndiItemInfo)
