#include "scenario/testo/json_in_riga.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace {

std::string in_riga(const nlohmann::ordered_json& j) {
  std::ostringstream out;
  scrivi_json_in_riga(out, j);
  return out.str();
}

TEST(JsonInRiga, KeysKeepTheirOrderAndItemsTheToolsSpacing) {
  nlohmann::ordered_json j;
  j["zeta"] = 1;
  j["alfa"] = nlohmann::ordered_json::array({std::int64_t{-3}, std::uint64_t{18446744073709551615u}, true, nullptr});
  j["vuoti"] = {{"oggetto", nlohmann::ordered_json::object()}, {"lista", nlohmann::ordered_json::array()}};
  j["testo"] = "a\"b";
  EXPECT_EQ(in_riga(j),
            "{\"zeta\": 1, \"alfa\": [-3, 18446744073709551615, true, null], "
            "\"vuoti\": {\"oggetto\": {}, \"lista\": []}, \"testo\": \"a\\\"b\"}");
}

// A byte that is not UTF-8 (a route key typed in Windows-1252) is read as
// Windows-1252: nlohmann's own dump would throw on it.
TEST(JsonInRiga, AStringOfAnyBytesIsValidJson) {
  nlohmann::ordered_json j;
  j["file"] = std::string("Citt\xE0_linea.txt");
  j["messaggio"] = "riga\tcon \xC3\xA8";
  EXPECT_EQ(in_riga(j), "{\"file\": \"Citt\\u00e0_linea.txt\", \"messaggio\": \"riga\\u0009con \xC3\xA8\"}");
}

}  // namespace
