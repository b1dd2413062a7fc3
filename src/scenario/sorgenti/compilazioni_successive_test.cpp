#include "scenario/sorgenti/compilazioni_successive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "base/nomi_file.h"
#include "output/formati/file_scenario.h"
#include "output/formati/file_tracciato.h"
#include "scenario/sorgenti/errori_di_prova.h"
#include "scenario/testo/indice_righe.h"

namespace {

namespace fs = std::filesystem;
using errori_di_prova::con_riga;

std::string nel_file(const compilazione_memoria& c, const std::string& nome) {
  std::string byte = "(assente)";
  (void)c.cartella->leggi(nome, byte);
  return byte;
}

// What check reads of one compile: the error state, how the run ended and
// the compact files it wrote (the plan file apart: nobody reads it there).
void stessa_compilazione(const compilazione_memoria& attesa, const compilazione_memoria& c) {
  const Form1 &a = *attesa.f, &f = *c.f;
  EXPECT_EQ(f.numero_errore, a.numero_errore);
  EXPECT_EQ(f.progressiva_errore, a.progressiva_errore);
  EXPECT_EQ(f.origine.file, a.origine.file);
  EXPECT_EQ(f.origine.offset, a.origine.offset);
  EXPECT_EQ(f.voce_letta, a.voce_letta);
  EXPECT_EQ(f.con_planimetria, a.con_planimetria);
  EXPECT_EQ(f.lunghezza_estesa, a.lunghezza_estesa);
  ASSERT_EQ(c.fine.has_value(), attesa.fine.has_value());
  if (attesa.fine) {
    EXPECT_EQ(c.fine->testo(), attesa.fine->testo());
  }
  EXPECT_EQ(nel_file(c, file_scenario(f)), nel_file(attesa, file_scenario(a)));
  EXPECT_EQ(nel_file(c, file_tracciato(f)), nel_file(attesa, file_tracciato(a)));
}

// A report as check prints it, with the record it points at.
std::string in_testo(const diagnostica& d) {
  std::ostringstream out;
  stampa_diagnostica(out, d);
  return out.str() + " @" + std::to_string(static_cast<int>(d.origine.file)) + ":" + std::to_string(d.origine.offset);
}

// The line holding offset taken out, as check sets a record aside.
std::string senza_riga(const std::string& testo, std::size_t offset) {
  const indice_righe righe(testo);
  const std::size_t riga = righe.riga(offset);
  std::string s = testo;
  s.erase(righe.inizio(riga), righe.inizio(riga + 1) - righe.inizio(riga));
  return s;
}

// Check's passes over t, each compile held against the whole compile with
// the plan: the line is read again only after one of its records is set aside.
void come_il_compilatore(testi_sorgente t) {
  compilazioni_successive compilazioni("Velstra_Ordoven", "318");
  for (int passo = 0; passo < 12; ++passo) {
    SCOPED_TRACE(passo);
    const compilazione_memoria attesa = compila_in_memoria(t, "Velstra_Ordoven", "318", passi_compilazione::con_piano);
    const compilazione_memoria c = compilazioni.compila(t);
    stessa_compilazione(attesa, c);
    const origine_errore o = attesa.f->origine;
    if (attesa.fine || attesa.f->numero_errore == 0) return;
    // Its report, the line's run reused where the line was read clean.
    const std::optional<linea_gia_letta> letta = compilazioni.linea_letta(t);
    EXPECT_EQ(in_testo(diagnostica_errore(*c.f, t, letta ? &*letta : nullptr)),
              in_testo(diagnostica_errore(*attesa.f, t)));
    if (o.file == file_sorgente::nessuno) return;
    std::string& testo = o.file == file_sorgente::linea ? t.linea : t.treno;
    if (o.offset >= testo.size()) return;
    testo = senza_riga(testo, o.offset);
  }
}

// Curves are records only with the plan: these errors are the plan's.
const std::string curve_sbagliate[] = {"curvaz,  2000,  300", "curvad6,  2000,  pendenza", "curvad6,  999999,  300"};

TEST(CompilazioniSuccessive, EveryFaultyPairCompilesAsTheCompilerDoes) {
  for (const errori_di_prova::caso_errore& e : errori_di_prova::casi) {
    SCOPED_TRACE(e.testo);
    const std::string linea = con_riga(righe_linea(), e.nel_treno ? 0 : e.riga, e.nel_treno ? "" : e.testo);
    const std::string treno = con_riga(righe_treno(), e.nel_treno ? e.riga : 0, e.nel_treno ? e.testo : "");
    come_il_compilatore({true, true, linea, treno});
    // With a fault of the line's plan too, set aside before the train's.
    if (e.nel_treno)
      for (const std::string& curva : curve_sbagliate)
        come_il_compilatore({true, true, con_riga(righe_linea(), 306, curva), treno});
  }
}

TEST(CompilazioniSuccessive, MissingFilesEndAsTheCompilerEnds) {
  const std::string linea = con_riga(righe_linea(), 0, ""), treno = con_riga(righe_treno(), 0, "");
  come_il_compilatore({false, true, "", treno});
  come_il_compilatore({true, false, linea, ""});
  come_il_compilatore({true, true, "", ""});
  come_il_compilatore({true, true, linea, "[fine]\r\n"});
}

std::string leggi_tutto(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pairs of the fuzz corpora (a line file, a NUL, a train file; the
// accordo targets' behind a first odd byte), a train file alone under the
// embedded line.
TEST(CompilazioniSuccessive, TheFuzzCorporaCompileAsTheCompilerDoes) {
  const fs::path corpus = fs::path(VELSTRA_SOURCE_DIR) / "fuzz" / "corpus";
  std::size_t coppie = 0;
  for (const char* cartella : {"compilatore", "accordo", "accordo_esteso", "lsp"}) {
    for (const auto& e : fs::directory_iterator(corpus / cartella)) {
      SCOPED_TRACE(e.path().string());
      std::string dati = leggi_tutto(e.path());
      if (std::string_view(cartella).starts_with("accordo")) {
        if (dati.empty() || static_cast<unsigned char>(dati[0]) % 2 == 0) continue;
        dati.erase(0, 1);
      }
      const std::size_t taglio = dati.find('\0');
      if (taglio != std::string::npos)
        come_il_compilatore({true, true, dati.substr(0, taglio), dati.substr(taglio + 1)});
      else
        come_il_compilatore({true, true, con_riga(righe_linea(), 0, ""), dati});
      ++coppie;
    }
  }
  EXPECT_GE(coppie, 6u);
}

}  // namespace
