#include "scenario/cartella_privata.h"

#include <random>
#include <string>
#include <system_error>

#include "base/file_system.h"

cartella_privata::cartella_privata() {
  std::error_code ec;
  const auto base = std::filesystem::temp_directory_path(ec);
  if (ec) throw errore_file_system("cartella temporanea", ec.message());
  std::random_device rd;
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    percorso = base / ("scenario_" + std::to_string(rd()) + "_" + std::to_string(rd()));
    // create_directory is false for a name already there: never share a folder.
    if (std::filesystem::create_directory(percorso, ec)) return;
    if (ec) break;
  }
  throw errore_file_system(base, "non si pu\xC3\xB2 creare una cartella privata" + (ec ? ": " + ec.message() : std::string()));
}

cartella_privata::~cartella_privata() {
  std::error_code ec;
  std::filesystem::remove_all(percorso, ec);
}
