#include "scenario/lsp/codifica_editor.h"

#include <algorithm>

#include "scenario/testo/a_1252.h"
#include "scenario/testo/da_1252.h"

namespace {
bool contiene_senza_maiuscole(std::string_view t, std::string_view p) {
  return std::search(t.begin(), t.end(), p.begin(), p.end(), [](char a, char b) {
           auto m = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return m(a) == m(b);
         }) != t.end();
}

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

std::vector<avviso_codifica> avvisi_codifica(const documento& d, const std::string* disco, std::string_view editor) {
  std::vector<avviso_codifica> v;
  const std::string come = come_salvare_in_1252(editor);
  if (d.con_bom())
    v.push_back({0, "bom",
                 "il file inizia con il segno di ordine dei byte (BOM) di UTF-8, che il compilatore legge come tre "
                 "caratteri: il file va salvato in Windows-1252 senza BOM: " +
                     come});
  if (!d.non_rappresentabili().empty()) {
    const std::size_t n = d.non_rappresentabili().size();
    v.push_back({d.non_rappresentabili().front(), "non-1252",
                 "carattere che Windows-1252 non ha" +
                     (n > 1 ? " (con altri " + std::to_string(n - 1) + " nel file)" : std::string()) +
                     ": il file salvato in Windows-1252 non lo pu\xC3\xB2 contenere; " + come});
  }
  if (const std::size_t nullo = d.byte().find('\0'); nullo != std::string::npos)
    v.push_back({nullo, "binario", "byte nullo: il file non sembra un file di testo"});
  // The editor decoded a UTF-8 file as UTF-8: its text is the file's bytes.
  if (disco && utf8_con_accenti(*disco)) {
    std::string_view su_disco(*disco);
    if (su_disco.starts_with("\xEF\xBB\xBF") && !d.con_bom()) su_disco.remove_prefix(3);
    if (su_disco == d.utf8()) {
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
