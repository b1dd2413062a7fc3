#include "base/file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "test_support/cartella_temporanea.h"

namespace {

namespace fs = std::filesystem;

bool nessun_temporaneo(const fs::path& dir) {
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find(".tmp~") != std::string::npos) return false;
  return true;
}

TEST(FileSystem, ReplacesAnOlderLongerFileWhole) {
  cartella_temporanea dir;
  const auto file = dir.percorso / "a.dat";
  scrivi_tutto(file, std::string(10000, 'x'));
  sostituisci_file(file, "abc");
  EXPECT_EQ(leggi_tutto(file), "abc");
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
}

TEST(FileSystem, FolderThatCannotBeWrittenNamesTheFile) {
  const fs::path file = "/proc/velstra_non_esiste/x.txt";
  try {
    sostituisci_file(file, "abc");
    FAIL() << "no error";
  } catch (const errore_file_system& e) {
    EXPECT_EQ(e.file, file);
    EXPECT_NE(std::string(e.what()).find("/proc/velstra_non_esiste/x.txt: cannot create"), std::string::npos) << e.what();
  }
}

TEST(FileSystem, TargetThatIsADirectoryIsRefusedAndKept) {
  cartella_temporanea dir;
  const auto file = dir.percorso / "b.txt";
  fs::create_directory(file);
  scrivi_tutto(file / "dentro", "keep");
  EXPECT_THROW(sostituisci_file(file, "abc"), errore_file_system);
  EXPECT_EQ(leggi_tutto(file / "dentro"), "keep");
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
  EXPECT_THROW(elimina_file(file), errore_file_system);
}

// A disk that fills up part way: the file-size limit makes the write fail
// after a few bytes. The earlier file must stay as it was.
TEST(FileSystem, WriteFailingPartWayLeavesTheEarlierFileIntact) {
  cartella_temporanea dir;
  const auto file = dir.percorso / "c.dat";
  const std::string vecchio(300, 'v');
  scrivi_tutto(file, vecchio);

  std::signal(SIGXFSZ, SIG_IGN);
  rlimit prima{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
  rlimit stretto = prima;
  stretto.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
  bool fallito = false;
  std::string messaggio;
  try {
    sostituisci_file(file, std::string(1 << 20, 'n'));
  } catch (const errore_file_system& e) {
    fallito = true;
    messaggio = e.what();
  }
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &prima), 0);
  EXPECT_TRUE(fallito);
  EXPECT_NE(messaggio.find("cannot write"), std::string::npos) << messaggio;
  EXPECT_EQ(leggi_tutto(file), vecchio);
  EXPECT_TRUE(nessun_temporaneo(dir.percorso));
}

TEST(FileSystem, DeletingAMissingFileIsNoFailure) {
  cartella_temporanea dir;
  EXPECT_NO_THROW(elimina_file(dir.percorso / "manca.txt"));
}

}  // namespace
