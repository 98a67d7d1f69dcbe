#include "app/qt/son.h"

#ifdef VRIX_SON
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cmath>
#include <numbers>

struct Son::Sortie {
  QByteArray Donnees;
  QBuffer Tampon;
  std::unique_ptr<QAudioSink> Puits;
};

void Son::Joue(int frequence, int duree) {
  Courante.reset();
  const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
  if (appareil.isNull()) return;
  QAudioFormat format;
  format.setSampleRate(22050);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!appareil.isFormatSupported(format)) return;

  auto sortie = std::make_unique<Sortie>();
  const int n = format.sampleRate() * duree / 1000;
  sortie->Donnees.resize(static_cast<qsizetype>(n) * 2);
  auto* echantillons = reinterpret_cast<int16_t*>(sortie->Donnees.data());
  for (int i = 0; i < n; ++i)
    echantillons[i] = static_cast<int16_t>(
        8000.0 * std::sin(2.0 * std::numbers::pi * frequence * i / format.sampleRate()));
  sortie->Tampon.setBuffer(&sortie->Donnees);
  sortie->Tampon.open(QIODevice::ReadOnly);
  sortie->Puits = std::make_unique<QAudioSink>(appareil, format);
  sortie->Puits->start(&sortie->Tampon);
  Courante = std::move(sortie);
}
#else
struct Son::Sortie {};

void Son::Joue(int, int) {}
#endif

Son::Son() = default;
Son::~Son() = default;
