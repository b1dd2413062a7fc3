#pragma once
#include <memory>
#include <optional>
#include <string>

#include "base/cartella.h"
#include "base/stato.h"
#include "model/form1.h"
#include "scenario/sorgenti/diagnostica.h"

// Which passes a compile in memory runs.
enum class passi_compilazione {
  lettura,      // memorizza_dati: the two readers alone
  senza_piano,  // memorizza_percorso with j = 0
  con_piano,    // memorizza_percorso with j = 1
};

// How a compile in memory ended: the model as the compiler left it (its
// error state included; cartella is null, the folder is gone) and, when the
// run ended through errore, that stato.
struct compilazione_memoria {
  std::unique_ptr<Form1> f;
  std::optional<stato> fine;
  // What the compiler left in its folder: the compact files it wrote.
  std::unique_ptr<cartella_memoria> cartella;
};

// Compiles the texts of t that exist, as the source files of the route key
// and train number, in a folder in memory of its own: the compiler deletes
// what it reads and writes its compact files there, and nothing outside is
// touched. Any other interruzione than errore passes on.
compilazione_memoria compila_in_memoria(const testi_sorgente& t, const std::string& nome_percorso,
                                        const std::string& numero_treno, passi_compilazione passi);
