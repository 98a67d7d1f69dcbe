// Texts between the editors' fields and their state: UTF-8 both ways; bytes
// that are not UTF-8 (a name written by another program) show as Latin-1.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <string>
#include <string_view>

inline QString Texte_qt(std::string_view texte) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString t = utf8(QByteArrayView(texte.data(), static_cast<qsizetype>(texte.size())));
  if (utf8.hasError()) return QString::fromLatin1(texte.data(), static_cast<qsizetype>(texte.size()));
  return t;
}

inline std::string Texte_std(const QString& texte) { return texte.toStdString(); }
