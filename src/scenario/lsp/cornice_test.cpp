#include "scenario/lsp/cornice.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct letto {
  std::vector<std::string> messaggi, guasti;
};

letto leggi_tutte_le_cornici(lettore_cornici& c) {
  letto l;
  while (const std::optional<cornice_letta> x = c.prossima()) {
    if (x->s.ok())
      l.messaggi.push_back(x->corpo);
    else
      l.guasti.push_back(x->s.messaggio());
  }
  return l;
}

TEST(Cornice, MessagesComeWholeHoweverTheBytesArrive) {
  const std::string flusso =
      "Content-Length: 7\r\n\r\n{\"a\":1}"
      "content-length:2\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n[]"
      "Content-Length: 6\r\n\r\n\"\xC3\xA8\xC3\xA8\"";
  for (std::size_t passo : {flusso.size(), std::size_t{1}, std::size_t{5}}) {
    SCOPED_TRACE(passo);
    lettore_cornici c;
    letto l;
    for (std::size_t i = 0; i < flusso.size(); i += passo) {
      c.aggiungi(std::string_view(flusso).substr(i, passo));
      letto parte = leggi_tutte_le_cornici(c);
      l.messaggi.insert(l.messaggi.end(), parte.messaggi.begin(), parte.messaggi.end());
      l.guasti.insert(l.guasti.end(), parte.guasti.begin(), parte.guasti.end());
    }
    EXPECT_EQ(l.messaggi, (std::vector<std::string>{"{\"a\":1}", "[]", "\"\xC3\xA8\xC3\xA8\""}));
    EXPECT_TRUE(l.guasti.empty());
    EXPECT_EQ(c.in_attesa(), 0u);
  }
}

TEST(Cornice, ABadHeaderOrAnOversizeBodyIsReportedAndTheNextMessageRead) {
  struct caso {
    std::string prima;
    std::string guasto;
  };
  const caso casi[] = {
      {"Content-Type: x\r\n\r\n", "senza Content-Length"},
      {"Content-Length: dodici\r\n\r\n", "senza Content-Length"},
      {"Content-Length: 5\r\nsenza due punti\r\n\r\n", "non valida"},
      {"Content-Length: 40\r\n\r\n" + std::string(40, 'x'), "oltre il limite di 32"},
      {std::string(9000, 'z'), "senza fine"},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.guasto);
    lettore_cornici c(32);
    c.aggiungi(k.prima);
    letto l = leggi_tutte_le_cornici(c);
    c.aggiungi("\r\n\r\nContent-Length: 2\r\n\r\n{}");
    const letto dopo = leggi_tutte_le_cornici(c);
    l.guasti.insert(l.guasti.end(), dopo.guasti.begin(), dopo.guasti.end());
    l.messaggi.insert(l.messaggi.end(), dopo.messaggi.begin(), dopo.messaggi.end());
    ASSERT_FALSE(l.guasti.empty());
    EXPECT_NE(l.guasti[0].find(k.guasto), std::string::npos) << l.guasti[0];
    ASSERT_FALSE(l.messaggi.empty());
    EXPECT_EQ(l.messaggi.back(), "{}");
  }
}

TEST(Cornice, AnOversizeBodyIsSkippedEvenWhenItComesLater) {
  lettore_cornici c(10);
  c.aggiungi("Content-Length: 100\r\n\r\n" + std::string(30, 'a'));
  EXPECT_EQ(leggi_tutte_le_cornici(c).guasti.size(), 1u);
  c.aggiungi(std::string(70, 'b') + "Content-Length: 2\r\n\r\n[]");
  const letto l = leggi_tutte_le_cornici(c);
  EXPECT_EQ(l.messaggi, std::vector<std::string>{"[]"});
  EXPECT_LE(c.in_attesa(), 0u);
}

TEST(Cornice, WritesTheLengthInBytes) {
  std::ostringstream out;
  scrivi_cornice(out, "{\"n\":\"\xC3\xA0\"}");
  EXPECT_EQ(out.str(), "Content-Length: 10\r\n\r\n{\"n\":\"\xC3\xA0\"}");
}

}  // namespace
