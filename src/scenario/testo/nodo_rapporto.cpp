#include "scenario/testo/nodo_rapporto.h"

#include "scenario/testo/testo_json.h"

void scrivi_json(std::ostream& out, const nodo& n) {
  switch (n.genere) {
    case nodo::tipo::numero:
      out << n.numero;
      return;
    case nodo::tipo::testo:
      out << testo_json(n.testo);
      return;
    case nodo::tipo::booleano:
      out << (n.numero ? "true" : "false");
      return;
    case nodo::tipo::nullo:
      out << "null";
      return;
    case nodo::tipo::oggetto:
      out << '{';
      for (std::size_t k = 0; k < n.chiavi.size(); ++k) {
        out << (k ? ", " : "") << testo_json(n.chiavi[k]) << ": ";
        scrivi_json(out, n.elementi[k]);
      }
      out << '}';
      return;
    case nodo::tipo::lista:
      out << '[';
      for (std::size_t k = 0; k < n.elementi.size(); ++k) {
        out << (k ? ",\n " : "");
        scrivi_json(out, n.elementi[k]);
      }
      out << ']';
      return;
  }
}

namespace {
bool semplice(const nodo& n) { return n.genere != nodo::tipo::oggetto && n.genere != nodo::tipo::lista; }

std::string scalare(const nodo& n) {
  switch (n.genere) {
    case nodo::tipo::numero:
      return std::to_string(n.numero);
    case nodo::tipo::booleano:
      return n.numero ? "si" : "no";
    case nodo::tipo::nullo:
      return "-";
    default:
      return n.testo;
  }
}

bool di_scalari(const nodo& n) {
  if (n.genere != nodo::tipo::oggetto) return false;
  for (const nodo& v : n.elementi)
    if (!semplice(v)) return false;
  return true;
}

// An object of scalars, or of scalars and objects of scalars, fits on one
// line: "k v, k v, k (a 1, b 2)".
bool in_riga(const nodo& n) {
  if (n.genere != nodo::tipo::oggetto) return false;
  for (const nodo& v : n.elementi)
    if (!semplice(v) && !di_scalari(v)) return false;
  return true;
}

std::string riga(const nodo& n) {
  std::string s;
  for (std::size_t k = 0; k < n.chiavi.size(); ++k) {
    const nodo& v = n.elementi[k];
    s += (k ? ", " : "") + n.chiavi[k] + " " + (semplice(v) ? scalare(v) : "(" + riga(v) + ")");
  }
  return s;
}

const nodo* trova(const nodo& n, const std::string& chiave) {
  for (std::size_t k = 0; k < n.chiavi.size(); ++k)
    if (n.chiavi[k] == chiave) return &n.elementi[k];
  return nullptr;
}
}  // namespace

void scrivi_testo(std::ostream& out, const nodo& n, int rientro) {
  const std::string margine(static_cast<std::size_t>(rientro) * 2, ' ');
  if (n.genere == nodo::tipo::oggetto) {
    for (std::size_t k = 0; k < n.chiavi.size(); ++k) {
      const std::string& chiave = n.chiavi[k];
      const nodo& valore = n.elementi[k];
      if (semplice(valore))
        out << margine << chiave << ": " << scalare(valore) << '\n';
      else if (in_riga(valore))
        out << margine << chiave << ": " << riga(valore) << '\n';
      else if (valore.genere == nodo::tipo::lista && valore.elementi.empty())
        out << margine << chiave << ": (nessuna voce)\n";
      else {
        out << margine << chiave << ":\n";
        scrivi_testo(out, valore, rientro + 1);
      }
    }
  } else if (n.genere == nodo::tipo::lista) {
    for (const nodo& e : n.elementi) {
      const nodo* descrizione = e.genere == nodo::tipo::oggetto ? trova(e, "descrizione") : nullptr;
      if (descrizione) {
        // The description says in words what the other keys hold; the values follow it.
        const nodo* valori = trova(e, "valori");
        out << margine << "- " << scalare(*descrizione);
        if (valori && !valori->chiavi.empty() && in_riga(*valori)) out << ": " << riga(*valori);
        if (const nodo* scritti = trova(e, "numeri_scritti")) {
          out << " [scritto: ";
          for (std::size_t k = 0; k < scritti->elementi.size(); ++k)
            out << (k ? ", " : "") << scalare(scritti->elementi[k]);
          out << ']';
        }
        out << '\n';
        if (const nodo* attenzione = trova(e, "attenzione"))
          out << margine << "  attenzione: " << scalare(*attenzione) << '\n';
        if (valori && valori->genere == nodo::tipo::lista) scrivi_testo(out, *valori, rientro + 1);
      } else if (semplice(e))
        out << margine << "- " << scalare(e) << '\n';
      else if (in_riga(e))
        out << margine << "- " << riga(e) << '\n';
      else {
        out << margine << "-\n";
        scrivi_testo(out, e, rientro + 1);
      }
    }
  } else {
    out << margine << scalare(n) << '\n';
  }
}
