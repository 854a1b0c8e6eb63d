#pragma once

/// \file
/// The settings of a technical indicator: IndiItemInfo with its IndiParam and IndiLine records.

#include <QColor>
#include <QMap>
#include <QMetaType>

#include <string>
#include <vector>

/// One integer parameter of a technical indicator, such as the 12 of MACD's short average.
///
/// A plain value; the parameter dialog keeps `value` between `minValue` and `maxValue`.
/// \ingroup core
struct IndiParam
{
    std::string name; ///< Label text, UTF-8.
    int value = 0; ///< The parameter's value.
    int minValue = 0; ///< The smallest value allowed.
    int maxValue = 0; ///< The largest value allowed.

    /// Whether every field equals the other's.
    bool operator==(const IndiParam &o) const
    {
        return name == o.name && value == o.value && minValue == o.minValue && maxValue == o.maxValue;
    }
    /// Whether any field differs from the other's.
    bool operator!=(const IndiParam &o) const { return !(*this == o); }
};

/// One drawn line of an indicator.
///
/// Key 0 of the colour map is the line's colour; further keys hold extra colours some lines need
/// (MACD's bars use key 1 for falling values). A plain value.
/// \ingroup core
struct IndiLine
{
    std::string name; ///< Label text, UTF-8.
    QMap<int, QColor> colors; ///< The line's colours by key; key 0 is its own colour.
    int width = 1; ///< Pen width, in pixels.

    /// Whether every field equals the other's.
    bool operator==(const IndiLine &o) const { return name == o.name && colors == o.colors && width == o.width; }
    /// Whether any field differs from the other's.
    bool operator!=(const IndiLine &o) const { return !(*this == o); }
};

/// The settings of one indicator.
///
/// `name` is the indicator's key in Kwcfg::getIndiMap(), so a record carries its own identity when
/// it is stored back with Kwcfg::setIndiInfo(). A plain value, registered with Qt's meta-type
/// system so that it travels in a QVariant.
/// \ingroup core
struct IndiItemInfo
{
    std::string name; ///< The indicator's key in the configuration, such as "MACD".
    std::string displayName; ///< UTF-8, shown as a dialog title.
    std::vector<IndiParam> params; ///< The integer parameters, in dialog order.
    std::vector<IndiLine> lines; ///< The drawn lines, in dialog order.

    /// Whether every field equals the other's.
    bool operator==(const IndiItemInfo &o) const
    {
        return name == o.name && displayName == o.displayName && params == o.params && lines == o.lines;
    }
    /// Whether any field differs from the other's.
    bool operator!=(const IndiItemInfo &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(IndiItemInfo)
