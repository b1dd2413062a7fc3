#include "scenario/lsp/codifica_editor.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "compiler/confronto_voci.h"
#include "scenario/testo/a_1252.h"
#include "scenario/testo/da_1252.h"

namespace {
// Valid UTF-8 with at least one sequence of more than one byte.
bool utf8_con_accenti(std::string_view t) {
  bool lunghi = false;
  for (std::size_t i = 0; i < t.size();) {
    const codice_utf8 c = leggi_codice_utf8(t, i);
    if (c.codice == 0xFFFD && c.lunghezza == 1) return false;
    lunghi = lunghi || c.lunghezza > 1;
    i += c.lunghezza;
  }
  return lunghi;
}
// The character of the document at a byte offset: each character is one byte.
std::string carattere_a(const documento& d, std::size_t offset) {
  const std::string& t = d.utf8();
  std::size_t i = d.con_bom() ? 3 : 0;
  for (std::size_t k = 0; k < offset && i < t.size(); ++k) i += leggi_codice_utf8(t, i).lunghezza;
  return i < t.size() ? t.substr(i, leggi_codice_utf8(t, i).lunghezza) : std::string();
}

// "U+2192".
std::string nome_codice(std::string_view carattere) {
  char testo[16];
  const unsigned c = carattere.empty() ? 0u : leggi_codice_utf8(carattere, 0).codice;
  std::snprintf(testo, sizeof testo, "U+%04X", c);
  return testo;
}
}  // namespace

std::string come_salvare_in_1252(std::string_view editor) {
  if (contiene_senza_maiuscole(editor, "vim"))
    return "in Neovim ':set fileencoding=cp1252 nobomb' e ':w' (per riaprirlo cos\xC3\xAC: ':e ++enc=cp1252')";
  if (contiene_senza_maiuscole(editor, "code"))
    return "in VS Code fai clic sulla codifica nella barra di stato, 'Salva con codifica', 'Western (Windows 1252)'";
  if (contiene_senza_maiuscole(editor, "helix")) return "in Helix ':encoding windows-1252' e poi ':write'";
  if (contiene_senza_maiuscole(editor, "kate"))
    return "in Kate 'Strumenti > Codifica > Windows-1252' e poi 'File > Salva'";
  return "salvalo con la codifica Windows-1252 (cp1252), senza BOM";
}

std::string come_riaprire_utf8(std::string_view editor) {
  if (contiene_senza_maiuscole(editor, "vim"))
    return "in Neovim riaprilo come UTF-8 con ':e! ++enc=utf-8', poi ':set fileencoding=cp1252 nobomb' e ':w'";
  if (contiene_senza_maiuscole(editor, "code"))
    return "in VS Code fai clic sulla codifica nella barra di stato, 'Riapri con codifica', 'UTF-8'; poi di nuovo "
           "sulla codifica, 'Salva con codifica', 'Western (Windows 1252)'";
  if (contiene_senza_maiuscole(editor, "helix"))
    return "in Helix ':encoding utf-8' e ':reload' per rileggerlo, poi ':encoding windows-1252' e ':write'";
  if (contiene_senza_maiuscole(editor, "kate"))
    return "in Kate 'Strumenti > Codifica > UTF-8' per rileggerlo, poi 'File > Salva come' con la codifica "
           "Windows-1252";
  return "riaprilo come UTF-8 e salvalo con la codifica Windows-1252 (cp1252), senza BOM";
}

std::string carattere_vicino(std::string_view carattere) {
  if (carattere.empty()) return "";
  const std::uint32_t c = leggi_codice_utf8(carattere, 0).codice;
  // Latin letters with marks Windows-1252 has not: the bare letter.
  constexpr std::string_view latino_esteso =
      "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUu"
      "UuUuWwYyYZzZzZzs";
  if (c >= 0x100 && c < 0x180) return std::string(1, latino_esteso[c - 0x100]);
  struct vicino {
    std::uint32_t codice;
    const char* testo;
  };
  static constexpr vicino vicini[] = {
      {0x2190, "<-"}, {0x2192, "->"}, {0x2194, "<->"}, {0x21D0, "<="}, {0x21D2, "=>"}, {0x21D4, "<=>"},
      {0x2264, "<="}, {0x2265, ">="}, {0x2260, "!="},  {0x2248, "~"},  {0x2212, "-"},  {0x2010, "-"},
      {0x2011, "-"},  {0x2012, "-"},  {0x2015, "-"},   {0x2032, "'"},  {0x2033, "\""}, {0x2009, " "},
      {0x202F, " "},  {0x2007, " "},  {0x2002, " "},   {0x2003, " "},  {0x2044, "/"},  {0x2215, "/"},
  };
  for (const vicino& v : vicini)
    if (v.codice == c) return v.testo;
  return "";
}

std::vector<avviso_codifica> avvisi_codifica(const documento& d, const std::string* disco, std::string_view editor) {
  std::vector<avviso_codifica> v;
  const std::string come = come_salvare_in_1252(editor);
  if (d.con_bom())
    v.push_back({0, "bom",
                 "il file inizia con il segno di ordine dei byte (BOM) di UTF-8, che il compilatore legge come tre "
                 "caratteri: il file va salvato in Windows-1252 senza BOM: " +
                     come});
  if (!d.non_rappresentabili().empty()) {
    // Saving cannot keep it (Neovim refuses to write the file): it is replaced.
    const std::size_t n = d.non_rappresentabili().size();
    const std::string c = carattere_a(d, d.non_rappresentabili().front());
    const std::string vicino = carattere_vicino(c);
    v.push_back({d.non_rappresentabili().front(), "non-1252",
                 "il carattere '" + c + "' (" + nome_codice(c) + ") non \xC3\xA8 in Windows-1252" +
                     (n > 1 ? " (e altri " + std::to_string(n - 1) + " nel file)" : std::string()) +
                     ": nessun salvataggio lo pu\xC3\xB2 tenere; " +
                     (vicino.empty() ? std::string("sostituiscilo con lettere o segni che Windows-1252 ha")
                                     : "sostituiscilo con '" + vicino + "'")});
  }
  if (const std::size_t nullo = d.byte().find('\0'); nullo != std::string::npos)
    v.push_back({nullo, "binario", "byte nullo: il file non sembra un file di testo"});
  // The editor decoded a UTF-8 file as UTF-8: its text is the file's bytes.
  if (disco && utf8_con_accenti(*disco)) {
    std::string_view su_disco(*disco);
    if (su_disco.starts_with("\xEF\xBB\xBF") && !d.con_bom()) su_disco.remove_prefix(3);
    if (su_disco == d.byte()) {
      // The editor read it as Windows-1252: it shows each accent as two characters.
      std::size_t primo = 0;
      while (primo < d.byte().size() && static_cast<unsigned char>(d.byte()[primo]) < 0x80) ++primo;
      const std::string_view sequenza =
          std::string_view(d.byte()).substr(primo, leggi_codice_utf8(d.byte(), primo).lunghezza);
      v.push_back({primo, "utf8-su-disco",
                   "il file su disco \xC3\xA8 in UTF-8, non in Windows-1252: dove qui vedi '" + utf8_da_1252(sequenza) +
                       "' il file voleva '" + std::string(sequenza) + "', e il compilatore legge quello che vedi; " +
                       come_riaprire_utf8(editor)});
    } else if (su_disco == d.utf8()) {
      std::size_t primo = 0;
      while (primo < d.byte().size() && static_cast<unsigned char>(d.byte()[primo]) < 0x80) ++primo;
      const std::size_t nel_testo = primo + (d.con_bom() ? 3 : 0);
      const std::string_view sequenza =
          std::string_view(d.utf8()).substr(nel_testo, leggi_codice_utf8(d.utf8(), nel_testo).lunghezza);
      v.push_back({primo, "utf8-su-disco",
                   "il file su disco \xC3\xA8 in UTF-8 e l'editor lo mostra come UTF-8, ma il compilatore lo legge "
                   "in Windows-1252: dove qui vedi '" +
                       std::string(sequenza) + "' legge '" + utf8_da_1252(sequenza) + "'; " + come});
    }
  }
  return v;
}
