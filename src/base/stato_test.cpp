#include "base/stato.h"

#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace {

// An interruzione that escapes a test or a command of the tool is seen as a
// std::exception: its what() must carry the message the user would read,
// with the file at fault.
TEST(Stato, AnInterruzioneSaysItsMessageAsAStdException) {
  struct caso {
    stato s;
    std::string messaggio;
  };
  const caso casi[] = {
      {stato::file_system("Prova_7.dat", "disco pieno"), "Prova_7.dat: disco pieno"},
      {stato::non_trovato("Prova_linea.txt"), "Prova_linea.txt: file non trovato"},
      {stato::errore("12"), " Errore n. 12"},
      {stato::lettura(), "lettura oltre la fine o valore fuori campo"},
  };
  for (const caso& c : casi) {
    try {
      interrompi(c.s);
      ADD_FAILURE() << "interrompi returned";
    } catch (const std::exception& e) {
      EXPECT_EQ(std::string(e.what()), c.messaggio);
      const auto* i = dynamic_cast<const interruzione*>(&e);
      ASSERT_NE(i, nullptr);
      EXPECT_EQ(i->s.genere(), c.s.genere());
      EXPECT_EQ(i->s.file(), c.s.file());
    }
  }
}

}  // namespace
