// The core's UTF-16 text and Qt's QString meet here: both are UTF-16, so nothing is re-encoded.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lartsen::qt {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) { return text.toStdU16String(); }

}  // namespace lartsen::qt
