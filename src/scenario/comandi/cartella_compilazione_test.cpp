#include "scenario/comandi/cartella_compilazione.h"

#include <gtest/gtest.h>

#include "test_support/form_di_prova.h"

namespace {

TEST(CartellaCompilazione, TheAuthorsSourcesStayAndTheCompactFilesGoStraightIntoTheFolder) {
  cartella_memoria autore;
  scrivi_tutto(autore, "R_linea.txt", "linea dell'autore");
  scrivi_tutto(autore, "R_9.sim", std::string(500, 'v'));  // an older, longer file
  cartella_compilazione copia(autore);
  ASSERT_TRUE(copia.metti_sorgente("R_linea.txt", "copia").ok());
  EXPECT_EQ(leggi_tutto(copia, "R_linea.txt"), "copia");
  ASSERT_TRUE(copia.elimina("R_linea.txt").ok());
  EXPECT_FALSE(copia.esiste("R_linea.txt"));
  EXPECT_EQ(leggi_tutto(autore, "R_linea.txt"), "linea dell'autore");

  ASSERT_TRUE(copia.sostituisci("R_linea.dat", "piano").ok());
  ASSERT_TRUE(copia.sostituisci("R_9.sim", "nuovo").ok());
  EXPECT_EQ(leggi_tutto(autore, "R_9.sim"), "nuovo");
  EXPECT_EQ(leggi_tutto(copia, "R_linea.dat"), "piano");
  EXPECT_EQ(copia.scritti(), (std::vector<std::string>{"R_linea.dat", "R_9.sim"}));
}

}  // namespace
