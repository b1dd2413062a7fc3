#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/cartella.h"

// The folder a compile of the tool works on: the author's source files as
// copies in memory (the compiler deletes what it has read; the author's files
// stay as they are), and the compact files written straight into the author's
// folder, each replaced whole, with no second copy of their bytes.
class cartella_compilazione final : public cartella_file {
 public:
  explicit cartella_compilazione(cartella_file& destinazione) : destinazione_(destinazione) {}
  // A source file the compiler will read.
  stato metti_sorgente(const std::string& nome, std::string_view byte) { return sorgenti_.sostituisci(nome, byte); }
  // The files written into the author's folder, in the order written.
  const std::vector<std::string>& scritti() const { return scritti_; }

  stato leggi(const std::string& nome, std::string& byte) const override;
  stato sostituisci(const std::string& nome, std::string_view byte) override;
  stato elimina(const std::string& nome) override;
  std::vector<std::string> elenco() const override;
  std::string nome_completo(const std::string& nome) const override { return destinazione_.nome_completo(nome); }

 private:
  bool scritto(const std::string& nome) const;
  cartella_memoria sorgenti_;
  cartella_file& destinazione_;
  std::vector<std::string> scritti_;
};
