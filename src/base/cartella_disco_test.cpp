#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "base/cartella.h"
#include "test_support/cartella_temporanea.h"

namespace {
namespace fs = std::filesystem;

bool nessun_temporaneo(const fs::path& dir) {
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find(".tmp~") != std::string::npos) return false;
  return true;
}

TEST(CartellaDisco, ReplacesAnOlderLongerFileWholeAndReadsItBack) {
  cartella_temporanea dir;
  cartella_disco cartella(dir.percorso);
  scrivi_tutto(dir.percorso / "a.dat", std::string(10000, 'x'));
  ASSERT_TRUE(cartella.sostituisci("a.dat", std::string("a\0\r\nb", 5)).ok());
  EXPECT_EQ(leggi_tutto(dir.percorso / "a.dat"), std::string("a\0\r\nb", 5));
  std::string letto;
  ASSERT_TRUE(cartella.leggi("a.dat", letto).ok());
  EXPECT_EQ(letto, std::string("a\0\r\nb", 5));
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
}

TEST(CartellaDisco, ListsRegularFilesOnlyAndDeletes) {
  cartella_temporanea dir;
  cartella_disco cartella(dir.percorso);
  scrivi_tutto(dir.percorso / "b.txt", "b");
  scrivi_tutto(dir.percorso / "a.txt", "a");
  fs::create_directory(dir.percorso / "sotto");
  EXPECT_EQ(cartella.elenco(), (std::vector<std::string>{"a.txt", "b.txt"}));
  ASSERT_TRUE(cartella.elimina("a.txt").ok());
  EXPECT_TRUE(cartella.elimina("manca.txt").ok()) << "a missing file is no failure";
  EXPECT_EQ(cartella.elenco(), (std::vector<std::string>{"b.txt"}));
}

TEST(CartellaDisco, AMissingFileOrAFolderIsNotFound) {
  cartella_temporanea dir;
  cartella_disco cartella(dir.percorso);
  fs::create_directory(dir.percorso / "sotto");
  std::string byte;
  EXPECT_EQ(cartella.leggi("manca.txt", byte).genere(), genere_stato::non_trovato);
  EXPECT_EQ(cartella.leggi("sotto", byte).genere(), genere_stato::non_trovato);
  EXPECT_FALSE(cartella.esiste("sotto"));
}

TEST(CartellaDisco, NonAsciiNamesAreUtf8) {
  cartella_temporanea dir;
  const fs::path sotto = dir.percorso / percorso_utf8("Niccol\xC3\xB2");
  fs::create_directory(sotto);
  cartella_disco cartella(sotto);
  ASSERT_TRUE(cartella.sostituisci("citt\xC3\xA0.txt", "x").ok());
  EXPECT_EQ(cartella.elenco(), (std::vector<std::string>{"citt\xC3\xA0.txt"}));
  EXPECT_EQ(cartella.nome_completo("a"), testo_utf8(sotto / "a"));
}

TEST(CartellaDisco, AFolderThatCannotBeWrittenNamesTheFile) {
  cartella_disco cartella("/proc/velstra_non_esiste");
  const stato s = cartella.sostituisci("x.txt", "abc");
  EXPECT_EQ(s.genere(), genere_stato::file_system);
  EXPECT_EQ(s.file(), "/proc/velstra_non_esiste/x.txt");
  EXPECT_NE(s.messaggio().find("/proc/velstra_non_esiste/x.txt: impossibile creare"), std::string::npos)
      << s.messaggio();
}

TEST(CartellaDisco, ATargetThatIsAFolderIsRefusedAndKept) {
  cartella_temporanea dir;
  cartella_disco cartella(dir.percorso);
  fs::create_directory(dir.percorso / "b.txt");
  scrivi_tutto(dir.percorso / "b.txt" / "dentro", "keep");
  EXPECT_EQ(cartella.sostituisci("b.txt", "abc").genere(), genere_stato::file_system);
  EXPECT_EQ(leggi_tutto(dir.percorso / "b.txt" / "dentro"), "keep");
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
  EXPECT_EQ(cartella.elimina("b.txt").genere(), genere_stato::file_system);
}

// A disk that fills up part way: the file-size limit makes the write fail
// after a few bytes. The earlier file must stay as it was.
TEST(CartellaDisco, AWriteFailingPartWayLeavesTheEarlierFileIntact) {
  cartella_temporanea dir;
  cartella_disco cartella(dir.percorso);
  const std::string vecchio(300, 'v');
  scrivi_tutto(dir.percorso / "c.dat", vecchio);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit prima{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
  rlimit stretto = prima;
  stretto.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
  const stato s = cartella.sostituisci("c.dat", std::string(1 << 20, 'n'));
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &prima), 0);
  EXPECT_EQ(s.genere(), genere_stato::file_system);
  EXPECT_NE(s.messaggio().find("impossibile scrivere"), std::string::npos) << s.messaggio();
  EXPECT_EQ(leggi_tutto(dir.percorso / "c.dat"), vecchio);
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
}

TEST(CartellaMemoria, KeepsWholeFilesByName) {
  cartella_memoria cartella;
  std::string byte = "resto";
  EXPECT_EQ(cartella.leggi("a", byte).genere(), genere_stato::non_trovato);
  ASSERT_TRUE(cartella.sostituisci("b", std::string(50, 'x')).ok());
  ASSERT_TRUE(cartella.sostituisci("b", "nuovo").ok());
  ASSERT_TRUE(cartella.sostituisci("a", "").ok());
  ASSERT_TRUE(cartella.leggi("b", byte).ok());
  EXPECT_EQ(byte, "nuovo");
  EXPECT_TRUE(cartella.esiste("a")) << "an empty file exists";
  EXPECT_EQ(cartella.elenco(), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(cartella.elimina("a").ok());
  EXPECT_TRUE(cartella.elimina("a").ok());
  EXPECT_EQ(cartella.elenco(), (std::vector<std::string>{"b"}));
  EXPECT_FALSE(cartella.esiste("a"));
}

// Bytes handed over and taken out whole: what the compile in memory of diff
// writes and reads back.
TEST(CartellaMemoria, BytesHandedOverAndTakenOutWhole) {
  cartella_memoria cartella;
  cartella_file& come_file = cartella;
  ASSERT_TRUE(come_file.consegna("p", std::string(5000, 'p')).ok());
  ASSERT_TRUE(come_file.consegna("p", std::string("piano")).ok());
  EXPECT_EQ(cartella.prendi("p"), std::optional<std::string>("piano"));
  EXPECT_EQ(cartella.prendi("p"), std::nullopt) << "taken out, the file is gone";
  EXPECT_FALSE(cartella.esiste("p"));
}
}  // namespace
