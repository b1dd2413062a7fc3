#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// A report as a tree, rendered either as JSON or as indented text, so both
// forms always say the same. Texts are UTF-8.
struct nodo {
  enum class tipo { numero, testo, oggetto, lista, booleano, nullo } genere = tipo::oggetto;
  std::int64_t numero = 0;
  std::string testo;
  // An object keeps its keys in chiavi and the matching values in elementi
  // (a container of pairs would need nodo complete inside its own definition);
  // a list uses elementi alone.
  std::vector<std::string> chiavi;
  std::vector<nodo> elementi;

  static nodo di_numero(std::int64_t n) {
    nodo x;
    x.genere = tipo::numero;
    x.numero = n;
    return x;
  }
  static nodo di_testo(std::string t) {
    nodo x;
    x.genere = tipo::testo;
    x.testo = std::move(t);
    return x;
  }
  // A yes or no: true or false in JSON, "si" or "no" in the text form.
  static nodo di_booleano(bool b) {
    nodo x;
    x.genere = tipo::booleano;
    x.numero = b ? 1 : 0;
    return x;
  }
  // Nothing there: null in JSON, "-" in the text form.
  static nodo nullo() {
    nodo x;
    x.genere = tipo::nullo;
    return x;
  }
  static nodo lista() {
    nodo x;
    x.genere = tipo::lista;
    return x;
  }
  nodo& metti(std::string chiave, nodo valore) {
    chiavi.push_back(std::move(chiave));
    elementi.push_back(std::move(valore));
    return *this;
  }
  nodo& metti(std::string chiave, std::int64_t n) { return metti(std::move(chiave), di_numero(n)); }
  nodo& metti(std::string chiave, std::string t) { return metti(std::move(chiave), di_testo(std::move(t))); }
};

void scrivi_json(std::ostream& out, const nodo& n);
// The text form: one line per scalar, objects of scalars on one line, a list
// entry that has a "descrizione" shown as that sentence, its "valori" and its
// "numeri_scritti", and under it its "attenzione" when it has one and its
// "valori" when they are a list.
void scrivi_testo(std::ostream& out, const nodo& n, int rientro = 0);
