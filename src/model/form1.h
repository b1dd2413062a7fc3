#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/cartella.h"
#include "model/cella.h"
#include "model/planimetria.h"
#include "model/stazione.h"

// Which source file and where in it the recorded error was found. Not part of
// the compiled scenario: it only lets the authoring tool point at the line.
enum class file_sorgente : std::uint8_t { nessuno, linea, treno };
struct origine_errore {
  file_sorgente file = file_sorgente::nessuno;
  std::size_t offset = 0;  // byte offset of the item at fault
};

// Indices of the general entries of stazioni.
inline constexpr int voce_progressiva_tre = 81;
inline constexpr int voce_progressiva_due = 82;
inline constexpr int voce_progressiva_uno = 83;
inline constexpr int voce_treno_linea = 84;
inline constexpr int voce_sfondo = 85;
inline constexpr int voce_ripetizione = 86;
inline constexpr int numero_stazioni = 87;
inline constexpr int massimo_montagne = 80;
inline constexpr std::int32_t lunghezza_massima = 1000000;

// The whole state of one run: the names, the scenario model and the error
// state. Every phase reads and writes it directly.
struct Form1 {
  // Folder the run reads and writes (the folder of the executable on disk
  // for the program; a folder in memory for tests and the tool's copies).
  cartella_file* cartella = nullptr;

  std::string nome_percorso;
  std::string numero_treno;
  std::int32_t con_planimetria = 0;
  std::string voce_letta;

  std::int32_t numero_errore = 0;
  std::int32_t progressiva_errore = 0;
  origine_errore origine;
  // One line for the user for each file found with other bytes and kept as
  // .bak before the run replaced it.
  std::vector<std::string> file_conservati;

  std::int32_t lunghezza_estesa = 0;
  std::int32_t numero_celle = -1;
  std::vector<cella> percorso;  // indices 0..numero_celle; empty until sized
  tabella_piano planimetria;

  std::array<stazione, numero_stazioni> stazioni{};
  std::array<std::int32_t, massimo_montagne + 1> montagna_inizio{};
  std::array<std::int32_t, massimo_montagne + 1> montagna_fine{};
  std::int32_t numero_montagne = 0;

  bool percorso_esiste() const { return !percorso.empty(); }
  cella& cella_n(std::int32_t i) { return percorso[static_cast<std::size_t>(i)]; }
  const cella& cella_n(std::int32_t i) const { return percorso[static_cast<std::size_t>(i)]; }
};
