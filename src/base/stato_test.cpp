#include "base/stato.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// A failure thrown deep in the run and caught where only std::exception is
// expected (a test's body, a catch-all at the top) still names what failed.
TEST(Stato, AnInterruptionSaysWhatFailedWhereverItIsCaught) {
  const struct {
    stato s;
    std::string atteso;
  } casi[] = {
      {stato::file_system("dir/Velstra_Ordoven_318.sim", "disco pieno"), "dir/Velstra_Ordoven_318.sim: disco pieno"},
      {stato::non_trovato("dir/Prova_linea.txt"), "dir/Prova_linea.txt: file non trovato"},
      {stato::errore("1250"), " Errore n. 1250"},
  };
  for (const auto& c : casi) {
    try {
      interrompi(c.s);
      ADD_FAILURE() << "interrompi returned";
    } catch (const std::exception& e) {
      EXPECT_EQ(std::string(e.what()), c.atteso);
      const auto* i = dynamic_cast<const interruzione*>(&e);
      ASSERT_NE(i, nullptr);
      EXPECT_EQ(i->s.genere(), c.s.genere());
    }
  }
}

}  // namespace
