#include "scenario/lsp/ciclo_lsp.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "scenario/lsp/cornice.h"
#include "scenario/lsp/ingresso_lsp.h"
#include "scenario/lsp/server_lsp.h"

namespace {
// Shared by the reading thread, which may outlive the loop (it may be
// blocked in a read when exit comes).
struct coda_messaggi {
  std::mutex m;
  std::condition_variable c;
  std::deque<cornice_letta> cornici;
  bool finita = false;
};

void leggi_messaggi(std::shared_ptr<coda_messaggi> q) {
  lettore_cornici cornici;
  std::string buffer(1 << 16, '\0');
  for (;;) {
    const std::size_t n = leggi_ingresso(buffer.data(), buffer.size());
    if (n > 0) cornici.aggiungi(std::string_view(buffer.data(), n));
    std::deque<cornice_letta> nuove;
    while (std::optional<cornice_letta> c = cornici.prossima()) nuove.push_back(std::move(*c));
    {
      const std::lock_guard<std::mutex> l(q->m);
      for (cornice_letta& c : nuove) q->cornici.push_back(std::move(c));
      if (n == 0) q->finita = true;
    }
    q->c.notify_one();
    if (n == 0) return;
  }
}
}  // namespace

int esegui_server_lsp(std::ostream& out, const std::string& versione) {
  flussi_binari();
  auto q = std::make_shared<coda_messaggi>();
  std::thread(leggi_messaggi, q).detach();
  server_lsp server(out, versione);
  for (;;) {
    cornice_letta c;
    {
      std::unique_lock<std::mutex> l(q->m);
      q->c.wait(l, [&] { return !q->cornici.empty() || q->finita; });
      if (q->cornici.empty()) break;
      c = std::move(q->cornici.front());
      q->cornici.pop_front();
    }
    server.ricevi(c);
    if (server.uscito()) return server.codice_uscita();
    bool vuota = false;
    {
      const std::lock_guard<std::mutex> l(q->m);
      vuota = q->cornici.empty();
    }
    if (vuota && server.ha_lavoro()) server.lavora();
  }
  return 1;
}
