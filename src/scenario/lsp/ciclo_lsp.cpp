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
struct evento {
  bool guasto = false;
  std::string testo;  // the body, or what was wrong with the frame
};

// Shared by the reading thread, which may outlive the loop (it may be
// blocked in a read when exit comes).
struct coda_messaggi {
  std::mutex m;
  std::condition_variable c;
  std::deque<evento> eventi;
  bool finita = false;
};

void leggi(std::shared_ptr<coda_messaggi> q) {
  lettore_cornici cornici;
  std::string buffer(1 << 16, '\0');
  for (;;) {
    const std::size_t n = leggi_ingresso(buffer.data(), buffer.size());
    if (n > 0) cornici.aggiungi(std::string_view(buffer.data(), n));
    std::string corpo, guasto;
    std::deque<evento> nuovi;
    for (;;) {
      const lettore_cornici::esito e = cornici.prossimo(corpo, guasto);
      if (e == lettore_cornici::esito::niente) break;
      if (e == lettore_cornici::esito::messaggio)
        nuovi.push_back({false, std::move(corpo)});
      else
        nuovi.push_back({true, guasto});
    }
    {
      const std::lock_guard<std::mutex> l(q->m);
      for (evento& e : nuovi) q->eventi.push_back(std::move(e));
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
  std::thread(leggi, q).detach();
  server_lsp server(out, versione);
  for (;;) {
    evento e;
    {
      std::unique_lock<std::mutex> l(q->m);
      q->c.wait(l, [&] { return !q->eventi.empty() || q->finita; });
      if (q->eventi.empty()) break;
      e = std::move(q->eventi.front());
      q->eventi.pop_front();
    }
    if (e.guasto)
      server.guasto_cornice(e.testo);
    else
      server.ricevi(e.testo);
    if (server.uscito()) return server.codice_uscita();
    bool vuota = false;
    {
      const std::lock_guard<std::mutex> l(q->m);
      vuota = q->eventi.empty();
    }
    if (vuota && server.ha_lavoro()) server.lavora();
  }
  return 1;
}
