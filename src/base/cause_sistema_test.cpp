#include "base/cause_sistema.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/cartella.h"
#include "test_support/cartella_temporanea.h"

namespace {

namespace fs = std::filesystem;

// What the folder says when the system refuses, on a real disk: our words,
// never the system's.
struct caso_guasto {
  const char* descrizione;
  const char* atteso;  // the end of the stato's message
};

TEST(CauseSistema, AFolderOnDiskNamesTheSystemsRefusalInItalian) {
  cartella_temporanea dir;
  fs::create_directory(dir.percorso / "cartella");
  std::ofstream(dir.percorso / "cartella" / "dentro") << "x";
  std::ofstream(dir.percorso / "file") << "x";

  cartella_disco qui(dir.percorso);
  cartella_disco mancante(dir.percorso / "non_esiste");
  cartella_disco in_un_file(dir.percorso / "file");

  const struct {
    caso_guasto caso;
    stato s;
  } casi[] = {
      {{"a missing folder", "impossibile creare: file o cartella inesistente"}, mancante.sostituisci("a.txt", "x")},
      {{"a target that is a folder", "impossibile sostituire: \xC3\xA8 una cartella"},
       qui.sostituisci("cartella", "x")},
      {{"a name too long", "nome troppo lungo"}, qui.sostituisci(std::string(300, 'n'), "x")},
      {{"a folder that is a file", "una parte del percorso non \xC3\xA8 una cartella"},
       in_un_file.sostituisci("a.txt", "x")},
      {{"deleting a folder with files", "impossibile eliminare: la cartella non \xC3\xA8 vuota"},
       qui.elimina("cartella")},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(c.s.genere(), genere_stato::file_system) << c.caso.descrizione << ": " << c.s.messaggio();
    EXPECT_TRUE(c.s.testo().ends_with(c.caso.atteso)) << c.caso.descrizione << ": " << c.s.messaggio();
  }
}

TEST(CauseSistema, AnUnlistedCauseIsNamedByItsNumber) {
  EXPECT_EQ(causa_errno(9999), "errore di sistema 9999");
  EXPECT_EQ(causa_di(std::make_error_code(std::errc::no_space_on_device)), "disco pieno");
}

}  // namespace
