// Worker processes of vrix-batch: each job runs in a child process of its
// own, at most N at once. A child sends messages to the main process through
// a pipe; a child past the time limit is killed. Whatever a child does
// (crash, exhausted memory, endless loop), only its own job is lost.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

enum class Issue_travail {
  Finie,   // the child exited; Valeur is its exit status
  Delai,   // killed past the time limit
  Signal,  // ended by a signal; Valeur is its number
};

struct Fin_travail {
  Issue_travail Issue = Issue_travail::Finie;
  int Valeur = 0;
  double Ms = 0;  // wall time from the start of the child to its end
};

struct Rappels_travail {
  // Main process: the next job to start, false when there is none for now.
  std::function<bool(size_t& travail)> Suivant;
  // Child: runs the job; envoie sends one message, received whole.
  std::function<void(size_t travail, const std::function<void(std::string_view)>& envoie)> Execute;
  // Main process: each message of a job, in the order sent.
  std::function<void(size_t travail, std::string message)> Message;
  // Main process: once per job, after its messages. Suivant is asked again
  // afterwards, so Message and Fin may add jobs.
  std::function<void(size_t travail, const Fin_travail& fin)> Fin;
};

// Runs jobs until Suivant has none left and no child runs. limite: seconds a
// job may take, 0 for no limit. A job whose child cannot be started waits for
// a running one to end; with none running it ends at once as Finie with
// status -1.
void Fait_travailler(int nb_travailleurs, double limite, const Rappels_travail& rappels);
