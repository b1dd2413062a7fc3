#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/stato.h"

// The folder a run reads and writes, file by whole file. The program works on
// the folder of its executable on disk; tests, the authoring tool's private
// copy and the fuzz targets work on a folder in memory.
class cartella_file {
 public:
  virtual ~cartella_file() = default;
  // The whole file; non_trovato when there is no regular file of that name.
  virtual stato leggi(const std::string& nome, std::string& byte) const = 0;
  // Replaces the file whole; when the write fails part way the earlier file
  // is still there, unchanged.
  virtual stato sostituisci(const std::string& nome, std::string_view byte) = 0;
  // Deletes the file; a missing file is no failure.
  virtual stato elimina(const std::string& nome) = 0;
  // Names of the regular files there, sorted.
  virtual std::vector<std::string> elenco() const = 0;
  // The file as the user names it in a message.
  virtual std::string nome_completo(const std::string& nome) const = 0;

  // Whether there is a regular file of that name.
  virtual bool esiste(const std::string& nome) const;
  // sostituisci with bytes the caller has no further use for: a folder in
  // memory keeps them as they are instead of copying megabytes of a plan.
  virtual stato consegna(const std::string& nome, std::string&& dati) { return sostituisci(nome, dati); }
};

// A folder on disk. A replaced file goes to a temporary file beside it, is
// flushed to the disk, then renamed over the target and the folder flushed.
class cartella_disco final : public cartella_file {
 public:
  explicit cartella_disco(std::filesystem::path radice) : radice_(std::move(radice)) {}
  stato leggi(const std::string& nome, std::string& byte) const override;
  stato sostituisci(const std::string& nome, std::string_view byte) override;
  stato elimina(const std::string& nome) override;
  std::vector<std::string> elenco() const override;
  std::string nome_completo(const std::string& nome) const override;
  bool esiste(const std::string& nome) const override;
  const std::filesystem::path& radice() const { return radice_; }
  std::filesystem::path percorso_di(const std::string& nome) const;

 private:
  std::filesystem::path radice_;
};

// A folder in memory.
class cartella_memoria final : public cartella_file {
 public:
  stato leggi(const std::string& nome, std::string& byte) const override;
  stato sostituisci(const std::string& nome, std::string_view byte) override;
  stato elimina(const std::string& nome) override;
  std::vector<std::string> elenco() const override;
  std::string nome_completo(const std::string& nome) const override { return nome; }
  bool esiste(const std::string& nome) const override { return file_.contains(nome); }
  stato consegna(const std::string& nome, std::string&& byte) override;
  // The file's bytes handed out and the file gone (nullopt when there is
  // none): for a reader that needs the folder no more.
  std::optional<std::string> prendi(const std::string& nome);

 private:
  std::map<std::string, std::string, std::less<>> file_;
};

// A path from a name or path text in UTF-8 (the tool's arguments, the file
// names of a run), and back: on Windows a path is wide.
std::filesystem::path percorso_utf8(std::string_view testo);
std::string testo_utf8(const std::filesystem::path& p);
