#include "scenario/testo/json_in_riga.h"

#include <cstdint>
#include <string>

#include "scenario/testo/testo_json.h"

void scrivi_json_in_riga(std::ostream& out, const nlohmann::ordered_json& j) {
  switch (j.type()) {
    case nlohmann::ordered_json::value_t::object: {
      out << '{';
      bool primo = true;
      for (const auto& [chiave, valore] : j.items()) {
        out << (primo ? "" : ", ") << testo_json(chiave) << ": ";
        scrivi_json_in_riga(out, valore);
        primo = false;
      }
      out << '}';
      return;
    }
    case nlohmann::ordered_json::value_t::array: {
      out << '[';
      for (std::size_t k = 0; k < j.size(); ++k) {
        if (k) out << ", ";
        scrivi_json_in_riga(out, j[k]);
      }
      out << ']';
      return;
    }
    case nlohmann::ordered_json::value_t::string:
      out << testo_json(j.get_ref<const std::string&>());
      return;
    case nlohmann::ordered_json::value_t::number_integer:
      out << j.get<std::int64_t>();
      return;
    case nlohmann::ordered_json::value_t::number_unsigned:
      out << j.get<std::uint64_t>();
      return;
    default:  // null, true, false, a fraction: no string inside
      out << j.dump();
      return;
  }
}
