#pragma once
// What a window hands to the cores: paths and texts as UTF-8.

#include <QString>
#include <filesystem>
#include <string>

namespace korvel::window {

inline std::filesystem::path ToPath(const QString& name) {
  const QByteArray utf8 = name.toUtf8();
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), utf8.size()));
}

inline QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace korvel::window
