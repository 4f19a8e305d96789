#pragma once

// How one value of a control's JSON object is written and read. Readers are lenient about what
// older files wrote (flags as numbers, colours as text) and refuse what does not fit, so a
// mistyped member counts as absent.

#include <QColor>
#include <QString>
#include <QStringList>
#include <json/json.h>

namespace MOXQtLib {

template <class T> struct MOXKeyCodec
{
    // False, with `out` untouched, when the value's type or range does not fit.
    bool (*read)(const Json::Value& value, T& out);
    Json::Value (*write)(const T& value);
};

bool moxReadFlag(const Json::Value& value, bool& out);
Json::Value moxWriteFlagAsInt(const bool& value);
Json::Value moxWriteFlagAsBool(const bool& value);
bool moxReadInt(const Json::Value& value, int& out);
Json::Value moxWriteInt(const int& value);
bool moxReadDouble(const Json::Value& value, double& out);
Json::Value moxWriteDouble(const double& value);
bool moxReadText(const Json::Value& value, QString& out);
Json::Value moxWriteText(const QString& value);
bool moxReadTextList(const Json::Value& value, QStringList& out);
Json::Value moxWriteTextList(const QStringList& value);
bool moxReadColor(const Json::Value& value, QColor& out);
Json::Value moxWriteColor(const QColor& value);
// AARRGGBB text, or a number holding the 32-bit ARGB value (older files; negative numbers are
// that value seen as signed).
bool moxReadColorOrArgb(const Json::Value& value, QColor& out);

// Flags written as 0 and 1; read from booleans and numbers.
inline constexpr MOXKeyCodec<bool> moxFlagCodec{&moxReadFlag, &moxWriteFlagAsInt};
// Flags written as JSON booleans.
inline constexpr MOXKeyCodec<bool> moxBoolCodec{&moxReadFlag, &moxWriteFlagAsBool};
inline constexpr MOXKeyCodec<int> moxIntCodec{&moxReadInt, &moxWriteInt};
inline constexpr MOXKeyCodec<double> moxDoubleCodec{&moxReadDouble, &moxWriteDouble};
// UTF-8 text.
inline constexpr MOXKeyCodec<QString> moxTextCodec{&moxReadText, &moxWriteText};
// An array of UTF-8 texts; members that are not strings are skipped.
inline constexpr MOXKeyCodec<QStringList> moxTextListCodec{&moxReadTextList, &moxWriteTextList};
// Eight upper-case hexadecimal digits AARRGGBB.
inline constexpr MOXKeyCodec<QColor> moxColorCodec{&moxReadColor, &moxWriteColor};
// Written as text, read from text or from a 32-bit ARGB number.
inline constexpr MOXKeyCodec<QColor> moxColorOrArgbCodec{&moxReadColorOrArgb, &moxWriteColor};

// The codec of a key that names none.
template <class T> struct MOXDefaultCodec;
template <> struct MOXDefaultCodec<bool>
{
    static constexpr const MOXKeyCodec<bool>& value = moxFlagCodec;
};
template <> struct MOXDefaultCodec<int>
{
    static constexpr const MOXKeyCodec<int>& value = moxIntCodec;
};
template <> struct MOXDefaultCodec<double>
{
    static constexpr const MOXKeyCodec<double>& value = moxDoubleCodec;
};
template <> struct MOXDefaultCodec<QString>
{
    static constexpr const MOXKeyCodec<QString>& value = moxTextCodec;
};
template <> struct MOXDefaultCodec<QStringList>
{
    static constexpr const MOXKeyCodec<QStringList>& value = moxTextListCodec;
};
template <> struct MOXDefaultCodec<QColor>
{
    static constexpr const MOXKeyCodec<QColor>& value = moxColorCodec;
};

} // namespace MOXQtLib
