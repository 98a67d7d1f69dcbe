#include "batch/travailleurs.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

struct Enfant {
  pid_t Pid = -1;
  int Fd = -1;
  size_t Travail = 0;
  Horloge::time_point Debut;
  std::optional<Horloge::time_point> Echeance;
  std::string Tampon;  // bytes received, not yet a whole message
};

// A message on the pipe: its length on 4 bytes, little-endian, then its bytes.
bool Ecrit_tout(int fd, const char* p, size_t n) {
  while (n > 0) {
    const ssize_t e = write(fd, p, n);
    if (e < 0 && errno == EINTR) continue;
    if (e <= 0) return false;
    p += e;
    n -= static_cast<size_t>(e);
  }
  return true;
}

void Envoie(int fd, std::string_view message) {
  const auto n = static_cast<uint32_t>(message.size());
  const char entete[4] = {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                          static_cast<char>(n >> 24)};
  if (!Ecrit_tout(fd, entete, 4) || !Ecrit_tout(fd, message.data(), message.size())) _exit(71);
}

// Hands every whole message of the buffer to the caller.
void Decoupe(Enfant& e, const Rappels_travail& r) {
  size_t debut = 0;
  while (e.Tampon.size() - debut >= 4) {
    const auto* p = reinterpret_cast<const unsigned char*>(e.Tampon.data() + debut);
    const size_t n = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<size_t>(p[3]) << 24);
    if (e.Tampon.size() - debut - 4 < n) break;
    r.Message(e.Travail, e.Tampon.substr(debut + 4, n));
    debut += 4 + n;
  }
  e.Tampon.erase(0, debut);
}

// Reads what the pipe holds; false at its end.
bool Lit(Enfant& e, const Rappels_travail& r) {
  char tampon[65536];
  for (;;) {
    const ssize_t n = read(e.Fd, tampon, sizeof tampon);
    if (n > 0) {
      e.Tampon.append(tampon, static_cast<size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    Decoupe(e, r);
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

std::optional<Enfant> Demarre(size_t travail, double limite, const std::vector<Enfant>& autres,
                              const Rappels_travail& r) {
  int tube[2];
  if (pipe(tube) != 0) return std::nullopt;
  // Buffered output would otherwise be written twice, by both processes.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  const Horloge::time_point debut = Horloge::now();
  const pid_t pid = fork();
  if (pid < 0) {
    close(tube[0]);
    close(tube[1]);
    return std::nullopt;
  }
  if (pid == 0) {
    close(tube[0]);
    for (const Enfant& a : autres) close(a.Fd);
    int statut = 0;
    try {
      r.Execute(travail, [&](std::string_view m) { Envoie(tube[1], m); });
    } catch (...) {
      statut = 70;
    }
    close(tube[1]);
    // No destructor or exit handler of the main process runs in the child.
    _exit(statut);
  }
  close(tube[1]);
  fcntl(tube[0], F_SETFL, fcntl(tube[0], F_GETFL) | O_NONBLOCK);
  Enfant e;
  e.Pid = pid;
  e.Fd = tube[0];
  e.Travail = travail;
  e.Debut = debut;
  if (limite > 0)
    e.Echeance = debut + std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(limite));
  return e;
}

Fin_travail Attend(const Enfant& e, bool tue) {
  int statut = 0;
  while (waitpid(e.Pid, &statut, 0) < 0 && errno == EINTR) {
  }
  Fin_travail f;
  f.Ms = std::chrono::duration<double, std::milli>(Horloge::now() - e.Debut).count();
  if (tue) {
    f.Issue = Issue_travail::Delai;
  } else if (WIFSIGNALED(statut)) {
    f.Issue = Issue_travail::Signal;
    f.Valeur = WTERMSIG(statut);
  } else {
    f.Valeur = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
  }
  return f;
}

}  // namespace

void Fait_travailler(int nb_travailleurs, double limite, const Rappels_travail& r) {
  const size_t n = static_cast<size_t>(std::max(nb_travailleurs, 1));
  std::vector<Enfant> enfants;
  std::optional<size_t> en_attente;  // a job whose child could not be started yet
  for (;;) {
    while (enfants.size() < n) {
      size_t t;
      if (en_attente) {
        t = *en_attente;
        en_attente.reset();
      } else if (!r.Suivant(t)) {
        break;
      }
      std::optional<Enfant> e = Demarre(t, limite, enfants, r);
      if (e) {
        enfants.push_back(std::move(*e));
      } else if (enfants.empty()) {
        r.Fin(t, Fin_travail{Issue_travail::Finie, -1, 0});
      } else {
        en_attente = t;
        break;
      }
    }
    if (enfants.empty()) {
      if (en_attente) continue;
      return;
    }

    int attente = -1;
    const Horloge::time_point maintenant = Horloge::now();
    for (const Enfant& e : enfants) {
      if (!e.Echeance) continue;
      const double ms = std::chrono::duration<double, std::milli>(*e.Echeance - maintenant).count();
      const int m = ms <= 0 ? 0 : static_cast<int>(std::min(std::ceil(ms), 3600000.0));
      attente = attente < 0 ? m : std::min(attente, m);
    }
    std::vector<pollfd> attendus;
    for (const Enfant& e : enfants) attendus.push_back({e.Fd, POLLIN, 0});
    // On an interruption the revents stay 0: only the time limits are looked at.
    poll(attendus.data(), attendus.size(), attente);

    // Ended children first, then those past their time, in the order they were started.
    for (size_t i = 0; i < enfants.size();) {
      Enfant& e = enfants[i];
      bool fini = false, tue = false;
      if (attendus.size() > i && attendus[i].revents != 0) fini = !Lit(e, r);
      if (!fini && e.Echeance && Horloge::now() >= *e.Echeance) {
        kill(e.Pid, SIGKILL);
        tue = true;
      }
      if (!fini && !tue) {
        ++i;
        continue;
      }
      const Fin_travail f = Attend(e, tue);
      if (tue) Lit(e, r);  // what it sent before it was killed
      close(e.Fd);
      const size_t travail = e.Travail;
      enfants.erase(enfants.begin() + static_cast<std::ptrdiff_t>(i));
      attendus.erase(attendus.begin() + static_cast<std::ptrdiff_t>(i));
      r.Fin(travail, f);
    }
  }
}
